#include "ui/controls.h"

#include "ui/fitting_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace kvarnel::ui {
namespace {

QWidget *createControl(const Control &control, QWidget *form)
{
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, form);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Result: {
        auto *result = new FittingLabel(form);
        result->setBaseFont(control.font ? platform::font(control.font->face, control.font->points)
                                         : form->font());
        return result;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, form);
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(text, form);
        // Enter presses the focused button, as the space bar does; no button is the
        // window's default, so Enter elsewhere does nothing.
        button->setAutoDefault(true);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

} // namespace

void buildControls(QWidget *form, std::span<const Control> controls)
{
    std::vector<const Control *> byTabIndex;
    for (const Control &control : controls)
        byTabIndex.push_back(&control);
    std::ranges::sort(byTabIndex, {}, &Control::tabIndex);

    QWidget *previous = nullptr;
    for (const Control *control : byTabIndex) {
        QWidget *widget = createControl(*control, form);
        widget->setObjectName(QString::fromUtf8(control->name));
        if (control->font && control->kind != ControlKind::Result)
            widget->setFont(platform::font(control->font->face, control->font->points));
        widget->setGeometry(platform::toPixels(control->rect));
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

} // namespace kvarnel::ui
