// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include "platform/fonts.h"
#include "platform/units.h"
#include "ui/fitting_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace kvarnel::ui {
namespace {

QWidget *createControl(const Control &control, QWidget *form)
{
    const QString text =
        QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
    const QFont font =
        control.font ? platform::font(control.font->face, control.font->points) : form->font();
    QWidget *widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, form);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        widget = label;
        break;
    }
    case ControlKind::Result: {
        auto *result = new FittingLabel(form);
        result->setBaseFont(font); // it shrinks from this size to fit a long result
        return result;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, form);
        box->setMaxLength(std::numeric_limits<int>::max());
        widget = box;
        break;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(text, form);
        // Enter presses the focused button, as the space bar does; no button is the
        // window's default, so Enter elsewhere does nothing.
        button->setAutoDefault(true);
        button->setDefault(false);
        widget = button;
        break;
    }
    }
    if (control.font)
        widget->setFont(font);
    return widget;
}

} // namespace

const Control *find(std::span<const Control> controls, std::string_view name)
{
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const Control &c) { return name == c.name; });
    return found == controls.end() ? nullptr : &*found;
}

void buildControls(QWidget *form, std::span<const Control> controls)
{
    for (const Control &control : controls) {
        QWidget *widget = createControl(control, form);
        widget->setObjectName(QString::fromUtf8(control.name));
        widget->setGeometry(platform::toPixels(control.rect));
    }
    for (const Control &caption : controls) {
        if (caption.buddy)
            control<QLabel>(form, caption.name)->setBuddy(control<QWidget>(form, caption.buddy));
    }
}

} // namespace kvarnel::ui
