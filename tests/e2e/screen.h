// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>

// Where the program under test shows its windows, seen as a user sees it: an X display, or
// a browser page. Windows are found by their titles; points are in a window's client area.
class Screen
{
  public:
    using Window = std::uint32_t;

    virtual ~Screen() = default;

    // The window with this title (other than `besides`) once it is shown, or 0 when the
    // time is up.
    virtual Window waitForWindow(const QString &title, int timeoutMs = 10000,
                                 Window besides = 0) const = 0;
    virtual QSize clientSize(Window window) const = 0;
    // Whether the window's frame lets the user resize it.
    virtual bool hasFixedSize(Window window) const = 0;
    virtual void click(Window window, QPoint position) const = 0;
    // Presses the mouse button at one end of the line and lets go at the other.
    virtual void drag(Window window, QLine line) const = 0;
    // Brings the window to the front, as clicking its title bar does.
    virtual void raise(Window window) const = 0;
    // Types into the window that has the keyboard focus; `keys` as xdotool names them
    // ("ctrl+a", "Return").
    virtual void type(const QString &text) const = 0;
    virtual void key(const QString &keys) const = 0;
    // Asks the window to close, as its close box does.
    virtual void close(Window window) const = 0;
    // Saves a picture of the window, or of the whole screen for 0 (a PNG file).
    virtual bool grab(Window window, const QString &file) const = 0;
    // The text on the clipboard.
    virtual QString clipboard() const = 0;
};
