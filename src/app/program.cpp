#include "app/program.h"

#include "ui/main_window.h"

#include <QCoreApplication>

namespace kvarnel {

Program::Program()
    : m_main([this] {
          auto *window = new ui::MainWindow;
          QObject::connect(window, &ui::MainWindow::catalogueRequested, window,
                           [this] { showCatalogue(); });
          QObject::connect(window, &ui::MainWindow::exitRequested, window, [this] { quit(); });
          return window;
      })
{
}

Program::~Program() = default;

void Program::start() { m_main.show(); }

void Program::showCatalogue() {}

void Program::quit()
{
    m_main.close();
    QCoreApplication::exit(0);
}

ui::MainWindow *Program::mainWindow() const { return m_main.window(); }

} // namespace kvarnel
