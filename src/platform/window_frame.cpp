// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include "platform/units.h"

#include <QWidget>

#ifdef Q_OS_WASM
#include <QApplication>
#include <QScreen>

#include <algorithm>
#endif

namespace kvarnel::platform {

void applyFrame(QWidget *window, const design::WindowFrame &frame)
{
    window->setObjectName(QString::fromUtf8(frame.name));
    window->setWindowTitle(QString::fromUtf8(frame.caption));
    const QSize client = toQSize(frame.client);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame.border == design::Border::Fixed) {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
        window->setFixedSize(client);
    } else {
        flags |= Qt::WindowMinMaxButtonsHint;
        window->resize(client);
    }
    window->setWindowFlags(flags);
}

void showWindow(QWidget *window)
{
#ifdef Q_OS_WASM
    // Right of the rightmost window open, or where that leaves no room, cascading down
    // from the top right; the frame around a window is a few pixels wide. On a screen
    // too narrow for that (a phone's), over the others, its title bar never off the page.
    constexpr int gap = 12;
    const QSize frame(8, 30);
    int right = 0;
    int open = 0;
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && other->isWindow()) {
            right = std::max(right, other->frameGeometry().right() + 1);
            ++open;
        }
    }
    const QRect desktop = window->screen()->availableGeometry();
    QPoint place(right + gap, gap);
    if (place.x() + window->width() + frame.width() > desktop.right())
        place = {desktop.right() - window->width() - frame.width() - gap, gap + 24 * open};
    const QSize outer = window->size() + frame;
    place.setX(std::max(desktop.left(), std::min(place.x(), desktop.right() + 1 - outer.width())));
    place.setY(std::max(desktop.top(), std::min(place.y(), desktop.bottom() + 1 - outer.height())));
    window->move(place);
    // show() would make every window fill the page. A page activates the window before its
    // controls are shown, and Qt then gives the focus to the control after the one meant
    // to have it: it goes back.
    QWidget *focused = window->focusWidget();
    window->setVisible(true);
    if (focused)
        focused->setFocus(Qt::ActiveWindowFocusReason);
#else
    window->show();
#endif
}

} // namespace kvarnel::platform
