// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>

struct xcb_connection_t;

// The X display the program under test runs on, seen as a user sees it: top-level windows
// by their titles, mouse clicks, and the window manager's close request.
class XDisplay
{
  public:
    using Window = std::uint32_t;

    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    bool isOpen() const;

    // The mapped top-level window with this title (other than `besides`), or 0 once the
    // time is up. Under a window manager, the program's window inside the manager's frame.
    Window waitForWindow(const QString &title, int timeoutMs = 10000, Window besides = 0) const;
    QSize clientSize(Window window) const;
    // Whether the window tells the window manager that it cannot be resized.
    bool hasFixedSize(Window window) const;
    void click(Window window, QPoint position) const;
    // Presses the mouse button at one end of the line and lets go at the other.
    void drag(Window window, QLine line) const;
    // Saves a picture of the window (a PNG file).
    bool grab(Window window, const QString &file) const;
    // Brings the window to the front, as clicking its title bar does.
    void raise(Window window) const;
    // Types into the window that has the keyboard focus; `keys` as xdotool names them.
    void type(const QString &text) const;
    void key(const QString &keys) const;
    // Asks the window to close, as its close box does.
    void close(Window window) const;

  private:
    std::uint32_t atom(const char *name) const;
    // The value of a window's property, up to so many 32-bit words.
    QByteArray property(Window window, std::uint32_t name, std::uint32_t type,
                        std::uint32_t words) const;
    QString title(Window window) const;
    bool isViewable(Window window) const;
    QList<Window> children(Window window) const;

    xcb_connection_t *m_connection = nullptr;
    Window m_root = 0;
};
