// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

// The names of the labels and buttons of `window` whose caption is wider than the room
// the control gives it in its own font.
inline QStringList captionsCut(const QWidget *window)
{
    QStringList cut;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (QFontMetricsF(label->font()).horizontalAdvance(label->text()) >
            label->contentsRect().width())
            cut << label->objectName();
    }
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (QFontMetricsF(button->font()).horizontalAdvance(button->text()) > room.width())
            cut << button->objectName();
    }
    return cut;
}
