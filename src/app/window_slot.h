// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

namespace kvarnel {

// Holds the one instance of a top-level window. The window is created the first time it
// is shown and deleted when the user closes it; the next show creates it afresh. Showing
// an open window brings it to the front, restored if it was minimised.
template<typename Window> class WindowSlot
{
  public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot &) = delete;
    WindowSlot &operator=(const WindowSlot &) = delete;
    ~WindowSlot() { delete m_window.data(); }

    Window *window() const { return m_window.data(); }

    // `create` makes a new window when the slot is empty.
    template<typename Create> Window *show(Create create)
    {
        if (!m_window) {
            m_window = create();
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        if (m_window->isMinimized())
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        if (!m_window->isVisible())
            m_window->show();
        m_window->raise();
        m_window->activateWindow();
        return m_window.data();
    }

    void close()
    {
        if (m_window)
            m_window->close();
    }

  private:
    QPointer<Window> m_window;
};

} // namespace kvarnel
