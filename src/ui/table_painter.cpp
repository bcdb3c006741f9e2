// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_painter.h"

#include "platform/fonts.h"
#include "reference/table_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>

#include <cmath>

namespace kvarnel::ui {
namespace {

using reference::Span;

QColor colour(reference::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

QRect across(Span columns, Span rows)
{
    return QRect(QPoint(columns.begin, rows.begin), QPoint(columns.end - 1, rows.end - 1));
}

// The cell background, the bands between the rows and the two vertical rules.
std::vector<TableLayout::Fill> fillsOf(const reference::TableDrawing &drawing)
{
    using namespace reference::table_colours;
    const Span allRows{0, drawing.height};
    std::vector<TableLayout::Fill> fills;
    fills.push_back({across({0, drawing.width}, allRows), colour(silver)});
    for (const reference::Band &band : drawing.bands) {
        fills.push_back({across({drawing.ruleIndent, drawing.gradeColumn.end}, band.rule),
                         colour(band.colour)});
        if (band.crossesDensity)
            fills.push_back({across(drawing.densityColumn, band.rule), colour(band.colour)});
    }
    fills.push_back({across(drawing.greyRule, allRows), colour(grey)});
    fills.push_back({across(drawing.whiteRule, allRows), colour(white)});
    return fills;
}

} // namespace

// A text set once, with its font and place: painting it again only draws its glyphs.
struct TableLayout::Text
{
    QStaticText text;
    QFont font;
    QColor colour;
    QPointF topLeft;
    QRect clip; // its column
};

TableLayout::TableLayout(const reference::DensityTable &table)
{
    const reference::TableDrawing drawing = reference::drawingOf(table);
    m_size = {drawing.width, drawing.height};
    m_fills = fillsOf(drawing);

    const Span allRows{0, drawing.height};
    const QRect columns[] = {across(drawing.gradeColumn, allRows),
                             across(drawing.densityColumn, allRows)};
    for (const reference::TableText &text : drawing.texts) {
        const QFont font = platform::font(text.font);
        const QFontMetricsF metrics(font);
        const QString shown = QString::fromUtf8(text.text);
        QString measured = shown;
        while (measured.endsWith(u' ')) // trailing blanks do not count
            measured.chop(1);
        const double width = metrics.horizontalAdvance(measured);
        int baseline = text.baseline;
        if (text.centredDown) {
            const double middle = (text.down.begin + text.down.end) / 2.0;
            baseline =
                static_cast<int>(std::lround(middle + (metrics.ascent() - metrics.descent()) / 2));
        }
        QStaticText set(shown);
        set.setTextFormat(Qt::PlainText);
        set.setPerformanceHint(QStaticText::AggressiveCaching);
        set.prepare(QTransform(), font);
        // A static text is placed by its top-left corner, its base line an ascent below.
        const QPointF topLeft(text.left + (text.right - text.left - width) / 2,
                              baseline - metrics.ascent());
        m_texts.push_back(
            {std::move(set), font, colour(text.colour), topLeft, columns[text.column]});
    }

    m_cells.push_back({across(drawing.gradeColumn, drawing.header),
                       across(drawing.densityColumn, drawing.header)});
    for (const Span &row : drawing.rows)
        m_cells.push_back({across(drawing.gradeColumn, row), across(drawing.densityColumn, row)});
}

TableLayout::~TableLayout() = default;

QRect TableLayout::cellRect(int row, int column) const
{
    return m_cells.at(static_cast<std::size_t>(row + 1)).at(static_cast<std::size_t>(column));
}

void TableLayout::paint(QPainter &painter) const
{
    for (const Fill &fill : m_fills)
        painter.fillRect(fill.rect, fill.colour);
    for (const Text &text : m_texts) {
        painter.save();
        painter.setClipRect(text.clip);
        painter.setFont(text.font);
        painter.setPen(text.colour);
        painter.drawStaticText(text.topLeft, text.text);
        painter.restore();
    }
}

} // namespace kvarnel::ui
