// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table_painter.h"

#include "platform/fonts.h"
#include "platform/units.h"
#include "reference/density_table.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kvarnel::ui {
namespace {

using platform::Face;
using platform::Weight;
using reference::DensityTable;

// Millimetres, at physical size.
constexpr double headerHeight = 6.46;
constexpr double bandHeight = 0.29; // a rule and a strip of cell background below it
constexpr double ruleThickness = 0.22;
constexpr double ruleIndent = 0.25; // horizontal rules start this far from the left edge
constexpr double gradeMarginLeft = 2.0;
constexpr double densityMarginLeft = 1.8;
constexpr double marginRight = 1.7;
constexpr double headerBaseline = 5.2;
constexpr double regularHeaderBaseline = 5.1;
constexpr double rowBaseline = 4.5;
constexpr double boldGradeBaseline = 4.6;

// Points.
constexpr double headerPoints = 16;
constexpr double cellPoints = 14;

const QColor silver(192, 192, 192);
const QColor grey(128, 128, 128);
const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);
const QColor green(0, 128, 0);
const QColor plum(153, 51, 102);

// Every edge is rounded to the pixel grid on its own, so neighbouring cells never overlap
// or leave gaps, and a rule thinner than a pixel still shows as one pixel.
int px(double mm)
{
    return static_cast<int>(std::lround(platform::millimetresToPixels(mm)));
}

struct Span
{
    int begin;
    int end;
};

Span rule(double begin)
{
    const int first = px(begin);
    return {first, std::max(first + 1, px(begin + ruleThickness))};
}

// A rule whose outer edge is the table's edge.
Span ruleEndingAt(double end)
{
    const int last = px(end);
    return {std::min(last - 1, px(end - ruleThickness)), last};
}

struct Band
{
    Span rule;
    QColor colour;
    bool crossesDensity;
};

// The table's rows on the pixel grid.
//
// The nominal rules (header 6.46 mm, rows 5.66 mm, bands 0.29 mm) add up to a little
// more than the overall height each table is drawn at, by up to 0.4 mm over 21 rows.
// The overall height wins: the data rows share what is left after the header and the
// bands equally (5.63 to 5.66 mm), and rounding each edge to the pixel grid makes them
// alternate between 21 and 22 pixels.
struct RowLayout
{
    Span header;
    std::vector<Span> rows;
    std::vector<Band> bands;
    std::vector<double> rowTops; // mm, for the base lines
};

// The band above data row k (from 1) is grey for odd k and white for even k; the one
// under the header is the first grey band. A grey band above the last row is left out,
// so that row touches the row above.
bool hasBandAbove(std::size_t k, std::size_t rowCount)
{
    return !(k == rowCount && k % 2 == 1);
}

RowLayout layRows(const DensityTable &table)
{
    const std::size_t count = table.rows.size();
    std::size_t bands = 0;
    for (std::size_t k = 1; k <= count; ++k)
        bands += hasBandAbove(k, count) ? 1 : 0;
    const double rowHeight =
        (table.height - headerHeight - static_cast<double>(bands) * bandHeight) /
        static_cast<double>(count);

    RowLayout layout;
    layout.header = {0, px(headerHeight)};
    double y = headerHeight;
    for (std::size_t k = 1; k <= count; ++k) {
        if (hasBandAbove(k, count)) {
            const bool crossesDensity = !table.merged || k == 1;
            layout.bands.push_back({rule(y), k % 2 == 1 ? grey : white, crossesDensity});
            y += bandHeight;
        }
        layout.rowTops.push_back(y);
        layout.rows.push_back({px(y), px(y + rowHeight)});
        y += rowHeight;
    }
    return layout;
}

// Columns: the grade cell, a grey rule, the density cell and a white rule at the right
// edge. The density column takes up the few hundredths of a millimetre by which the
// column widths and the overall width differ.
struct ColumnLayout
{
    Span grade;
    Span greyRule;
    Span density;
    Span whiteRule;
    double gradeTextLeft; // pixels
    double gradeTextRight;
    double densityTextLeft;
    double densityTextRight;
};

ColumnLayout layColumns(const DensityTable &table)
{
    ColumnLayout columns;
    columns.greyRule = rule(table.gradeColumnWidth);
    columns.whiteRule = ruleEndingAt(table.width);
    columns.grade = {0, columns.greyRule.begin};
    columns.density = {columns.greyRule.end, columns.whiteRule.begin};
    using platform::millimetresToPixels;
    columns.gradeTextLeft = millimetresToPixels(gradeMarginLeft);
    columns.gradeTextRight = millimetresToPixels(table.gradeColumnWidth - marginRight);
    columns.densityTextLeft =
        millimetresToPixels(table.gradeColumnWidth + ruleThickness + densityMarginLeft);
    columns.densityTextRight = millimetresToPixels(table.width - ruleThickness - marginRight);
    return columns;
}

int baseline(double rowTopMm, double offsetMm)
{
    return px(rowTopMm + offsetMm);
}

using Fills = std::vector<TableLayout::Fill>;
using Texts = std::vector<TableLayout::Text>;

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

namespace {

// The cell background, the bands between the rows and the two vertical rules.
Fills layCells(const RowLayout &rows, const ColumnLayout &columns, QSize size)
{
    Fills fills;
    fills.push_back({QRect(QPoint(0, 0), size), silver});
    const int indent = px(ruleIndent);
    for (const Band &band : rows.bands) {
        const int height = band.rule.end - band.rule.begin;
        fills.push_back(
            {QRect(indent, band.rule.begin, columns.grade.end - indent, height), band.colour});
        if (band.crossesDensity) {
            fills.push_back({QRect(columns.density.begin, band.rule.begin,
                                   columns.density.end - columns.density.begin, height),
                             band.colour});
        }
    }
    fills.push_back({QRect(columns.greyRule.begin, 0, columns.greyRule.end - columns.greyRule.begin,
                           size.height()),
                     grey});
    fills.push_back({QRect(columns.whiteRule.begin, 0,
                           columns.whiteRule.end - columns.whiteRule.begin, size.height()),
                     white});
    return fills;
}

// Centres the text between left and right (trailing blanks do not count), on the base
// line, clipped to its column.
void addText(Texts &texts, const QFont &font, const QColor &colour, std::string_view text,
             double left, double right, int baseline, const QRect &clip)
{
    const QString shown = QString::fromUtf8(text);
    QString measured = shown;
    while (measured.endsWith(u' '))
        measured.chop(1);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(measured);
    QStaticText set(shown);
    set.setTextFormat(Qt::PlainText);
    set.setPerformanceHint(QStaticText::AggressiveCaching);
    set.prepare(QTransform(), font);
    // A static text is placed by its top-left corner, its base line an ascent below.
    const QPointF topLeft(left + (right - left - width) / 2, baseline - metrics.ascent());
    texts.push_back({std::move(set), font, colour, topLeft, clip});
}

Texts layTexts(const DensityTable &table, const RowLayout &rows, const ColumnLayout &columns,
               QSize size)
{
    Texts texts;
    const QRect gradeColumn(columns.grade.begin, 0, columns.grade.end - columns.grade.begin,
                            size.height());
    const QRect densityColumn(columns.density.begin, 0, columns.density.end - columns.density.begin,
                              size.height());

    const QFont headerFont = platform::font(Face::TimesNewRoman, headerPoints, table.header.weight);
    const int headerLine =
        baseline(0, table.header.weight == Weight::Bold ? headerBaseline : regularHeaderBaseline);
    addText(texts, headerFont, yellow, table.header.grade, columns.gradeTextLeft,
            columns.gradeTextRight, headerLine, gradeColumn);
    addText(texts, headerFont, yellow, table.header.density, columns.densityTextLeft,
            columns.densityTextRight, headerLine, densityColumn);

    const QFont boldGrade = platform::font(Face::TimesNewRoman, cellPoints, Weight::Bold);
    const QFont regularCell = platform::font(Face::TimesNewRoman, cellPoints, Weight::Regular);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const bool bold = table.weightOf(table.rows[i]) == Weight::Bold;
        addText(texts, bold ? boldGrade : regularCell, green, table.rows[i].grade,
                columns.gradeTextLeft, columns.gradeTextRight,
                baseline(rows.rowTops[i], bold ? boldGradeBaseline : rowBaseline), gradeColumn);
        if (!table.merged) {
            addText(texts, regularCell, plum, table.rows[i].density, columns.densityTextLeft,
                    columns.densityTextRight, baseline(rows.rowTops[i], rowBaseline),
                    densityColumn);
        }
    }

    if (table.merged) {
        const QFont mergedFont =
            platform::font(Face::TimesNewRoman, table.merged->points, Weight::Bold);
        const QFontMetricsF metrics(mergedFont);
        const double middle = (rows.rows.front().begin + rows.rows.back().end) / 2.0;
        const int line =
            static_cast<int>(std::lround(middle + (metrics.ascent() - metrics.descent()) / 2));
        addText(texts, mergedFont, plum, table.merged->text, columns.densityTextLeft,
                columns.densityTextRight, line, densityColumn);
    }
    return texts;
}

} // namespace

TableLayout::TableLayout(const DensityTable &table) : m_size(tableSize(table))
{
    const RowLayout rows = layRows(table);
    const ColumnLayout columns = layColumns(table);
    m_fills = layCells(rows, columns, m_size);
    m_texts = layTexts(table, rows, columns, m_size);

    const auto cell = [](Span across, Span down) {
        return QRect(QPoint(across.begin, down.begin), QPoint(across.end - 1, down.end - 1));
    };
    m_cells.push_back({cell(columns.grade, rows.header), cell(columns.density, rows.header)});
    for (const Span &row : rows.rows)
        m_cells.push_back({cell(columns.grade, row), cell(columns.density, row)});
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

QSize tableSize(const DensityTable &table)
{
    return {px(table.width), px(table.height)};
}

void paintTable(QPainter &painter, const DensityTable &table)
{
    TableLayout(table).paint(painter);
}

} // namespace kvarnel::ui
