// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_slot.h"
#include "reference/density_tables.h"

#include <array>

namespace kvarnel::ui {
class CatalogueWindow;
class MainWindow;
class ReferenceWindow;
} // namespace kvarnel::ui

namespace kvarnel {

// The program's windows and their lifetime. Each exists at most once, is created when
// first shown and deleted when closed; none owns another, so closing one never closes
// the rest. The program ends when its last window closes, or at once on the main
// window's exit button.
class Program
{
  public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    void start();
    void showCatalogue();
    void showReference(int index);
    void quit();

  private:
    WindowSlot<ui::MainWindow> m_main;
    WindowSlot<ui::CatalogueWindow> m_catalogue;
    std::array<WindowSlot<ui::ReferenceWindow>, reference::densityTables.size()> m_references;
};

} // namespace kvarnel
