// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fitting_label.h"

#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>

#include <mutex>

namespace kvarnel::ui {
namespace {

class ResultAccessible : public QAccessibleWidget
{
  public:
    explicit ResultAccessible(QWidget *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind); // the name comes from the buddy label
    }
};

QAccessibleInterface *createAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(FittingLabel::staticMetaObject.className()) &&
        object->isWidgetType())
        return new ResultAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

FittingLabel::FittingLabel(QWidget *parent) : QLabel(parent), m_baseFont(font())
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::ClickFocus);
    static std::once_flag factoryInstalled;
    std::call_once(factoryInstalled, [] { QAccessible::installFactory(createAccessible); });
}

void FittingLabel::setBaseFont(const QFont &font)
{
    m_baseFont = font;
    setFont(font);
}

void FittingLabel::showText(const QString &text)
{
    QFont fitted = m_baseFont;
    const qreal available = contentsRect().width();
    // Shrink one pixel at a time: a handful of steps at most for the longest result.
    while (fitted.pixelSize() > 1 && QFontMetricsF(fitted).horizontalAdvance(text) > available)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    setFont(fitted);
    if (text == this->text())
        return;
    setText(text);
    if (!text.isEmpty()) // a result being cleared is not news
        platform::announceValue(this, text);
}

} // namespace kvarnel::ui
