// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include "design/units.h"
#include "platform/fonts.h"
#include "platform/units.h"
#include "ui/fitting_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvarnel::ui {
namespace {

using design::ControlKind;

QWidget *createControl(const design::Control &control, QWidget *window)
{
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Result:
        return new FittingLabel(window);
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, window);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(text, window);
        // Enter presses the focused button, as the space bar does; no button is the
        // window's default, so Enter elsewhere does nothing.
        button->setAutoDefault(true);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

// A control that fits its text takes the width its text needs in the face it is shown in,
// within the range the description allows it.
void fitWidth(QWidget *widget, const design::Control &control, design::TwipSize client)
{
    const design::WidthRange range = design::widthRange(control, client);
    const QFont font = platform::font(control.font.value_or(design::dialogFont));
    const auto needed = static_cast<int>(
        std::ceil(QFontMetricsF(font).horizontalAdvance(QString::fromUtf8(control.text))));
    widget->resize(std::clamp(needed, range.least, range.most), widget->height());
}

} // namespace

void buildControls(QWidget *window, design::TwipSize client,
                   std::span<const design::Control> controls, std::span<QWidget *> widgets)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const design::Control &control = controls[i];
        QWidget *widget = createControl(control, window);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(platform::toQRect(control.rect));
        if (control.font) {
            const QFont font = platform::font(*control.font);
            if (auto *result = qobject_cast<FittingLabel *>(widget))
                result->setBaseFont(font); // it shrinks from this size to fit a long result
            else
                widget->setFont(font);
        }
        if (control.width == design::Width::FitsText)
            fitWidth(widget, control, client);
        widgets[i] = widget;
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].buddy >= 0)
            static_cast<QLabel *>(widgets[i])
                ->setBuddy(widgets[static_cast<std::size_t>(controls[i].buddy)]);
    }
}

} // namespace kvarnel::ui
