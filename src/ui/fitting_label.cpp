#include "ui/fitting_label.h"

#include <QFontMetricsF>

namespace kvarnel::ui {

FittingLabel::FittingLabel(QWidget *parent) : QLabel(parent), m_baseFont(font())
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::ClickFocus);
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
    setText(text);
}

} // namespace kvarnel::ui
