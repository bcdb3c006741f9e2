// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen.h"

#include <QList>

struct xcb_connection_t;

// An X display: top-level windows by their titles, mouse and keys through xdotool, the
// window manager's close request, the clipboard through xclip.
class XDisplay : public Screen
{
  public:
    XDisplay();
    ~XDisplay() override;
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    bool isOpen() const;

    // Under a window manager, the program's window inside the manager's frame.
    Window waitForWindow(const QString &title, int timeoutMs = 10000,
                         Window besides = 0) const override;
    QSize clientSize(Window window) const override;
    // Whether the window tells the window manager that it cannot be resized.
    bool hasFixedSize(Window window) const override;
    void click(Window window, QPoint position) const override;
    void drag(Window window, QLine line) const override;
    void raise(Window window) const override;
    void type(const QString &text) const override;
    void key(const QString &keys) const override;
    void close(Window window) const override;
    bool grab(Window window, const QString &file) const override;
    QString clipboard() const override;

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
