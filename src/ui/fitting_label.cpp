// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fitting_label.h"

#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>

#include <algorithm>

namespace kvarnel::ui {
namespace {

// Named by its shown text, as a label is, and labelled by its caption: a screen reader
// reading the line reads the caption, then the result. Named after the caption, it
// would read the caption twice and never the result.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
  public:
    explicit ResultAccessible(QWidget *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The whole text is always shown, so it is read whole; nothing is selected and
    // there is no caret.
    QString text(int startOffset, int endOffset) const override
    {
        // Any two ints may come from outside; within the text they cannot overflow.
        const QString whole = shown();
        const auto within = [&whole](int offset) {
            return std::clamp(offset, 0, static_cast<int>(whole.size()));
        };
        const int start = within(startOffset);
        return whole.mid(start, std::max(within(endOffset) - start, 0));
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? shown() : QAccessibleWidget::text(kind);
    }

  private:
    QString shown() const { return static_cast<const QLabel *>(widget())->text(); }
};

} // namespace

FittingLabel::FittingLabel(QWidget *parent) : QLabel(parent), m_baseFont(font())
{
    platform::provideAccessible<FittingLabel, ResultAccessible>();
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
    if (text == this->text())
        return;
    QAccessibleTextUpdateEvent event(this, 0, this->text(), text);
    setText(text);
    QAccessible::updateAccessibility(&event);
}

} // namespace kvarnel::ui
