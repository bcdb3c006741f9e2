// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include "platform/units.h"

#include <QWidget>

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

} // namespace kvarnel::platform
