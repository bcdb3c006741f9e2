#pragma once

#include "platform/window_slot.h"

namespace kvarnel::ui {
class MainWindow;
}

namespace kvarnel {

// The program's windows and their lifetime: each exists at most once, is created when
// first shown and deleted when closed. The program ends when its last window closes, or
// at once on the main window's exit button.
class Program
{
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    void start();
    void showCatalogue();
    void quit();

    ui::MainWindow *mainWindow() const;

private:
    platform::WindowSlot<ui::MainWindow> m_main;
};

} // namespace kvarnel
