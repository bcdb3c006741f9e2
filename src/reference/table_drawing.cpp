// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/table_drawing.h"

#include "design/units.h"
#include "reference/density_table.h"

#include <algorithm>

namespace kvarnel::reference {
namespace {

using design::Face;
using design::Font;

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

// Points, in Times New Roman.
constexpr double headerPoints = 16;
constexpr double cellPoints = 14;

int px(double mm)
{
    return design::millimetresToGrid(mm);
}

// A rule thinner than a pixel still shows as one pixel.
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

// The band above data row k (from 1) is grey for odd k and white for even k; the one
// under the header is the first grey band. A grey band above the last row is left out,
// so that row touches the row above.
bool hasBandAbove(std::size_t k, std::size_t rowCount)
{
    return !(k == rowCount && k % 2 == 1);
}

// The nominal rules (header 6.46 mm, rows 5.66 mm, bands 0.29 mm) add up to a little
// more than the overall height each table is drawn at, by up to 0.4 mm over 21 rows.
// The overall height wins: the data rows share what is left after the header and the
// bands equally (5.63 to 5.66 mm), and rounding each edge to the pixel grid makes them
// alternate between 21 and 22 pixels. Returns the rows' tops in millimetres.
std::vector<double> layRows(const DensityTable &table, TableDrawing &drawing)
{
    const std::size_t count = table.rows.size();
    std::size_t bands = 0;
    for (std::size_t k = 1; k <= count; ++k)
        bands += hasBandAbove(k, count) ? 1 : 0;
    const double rowHeight =
        (table.height - headerHeight - static_cast<double>(bands) * bandHeight) /
        static_cast<double>(count);

    std::vector<double> tops;
    drawing.header = {0, px(headerHeight)};
    double y = headerHeight;
    for (std::size_t k = 1; k <= count; ++k) {
        if (hasBandAbove(k, count)) {
            const bool crossesDensity = !table.merged || k == 1;
            drawing.bands.push_back(
                {rule(y), k % 2 == 1 ? table_colours::grey : table_colours::white, crossesDensity});
            y += bandHeight;
        }
        tops.push_back(y);
        drawing.rows.push_back({px(y), px(y + rowHeight)});
        y += rowHeight;
    }
    return tops;
}

// Columns: the grade cell, a grey rule, the density cell and a white rule at the right
// edge. The density column takes up the few hundredths of a millimetre by which the
// column widths and the overall width differ.
void layColumns(const DensityTable &table, TableDrawing &drawing)
{
    drawing.greyRule = rule(table.gradeColumnWidth);
    drawing.whiteRule = ruleEndingAt(table.width);
    drawing.gradeColumn = {0, drawing.greyRule.begin};
    drawing.densityColumn = {drawing.greyRule.end, drawing.whiteRule.begin};
}

void layTexts(const DensityTable &table, const std::vector<double> &rowTops, TableDrawing &drawing)
{
    // Each cell keeps a margin on either side; its text is centred between them.
    const double gradeLeft = design::millimetresToPixels(gradeMarginLeft);
    const double gradeRight = design::millimetresToPixels(table.gradeColumnWidth - marginRight);
    const double densityLeft =
        design::millimetresToPixels(table.gradeColumnWidth + ruleThickness + densityMarginLeft);
    const double densityRight =
        design::millimetresToPixels(table.width - ruleThickness - marginRight);
    auto &texts = drawing.texts;
    using namespace table_colours;

    const Font header{Face::TimesNewRoman, headerPoints, table.header.weight};
    const int headerLine =
        px(table.header.weight == Weight::Bold ? headerBaseline : regularHeaderBaseline);
    texts.push_back({table.header.grade, header, yellow, 0, gradeLeft, gradeRight, headerLine});
    texts.push_back(
        {table.header.density, header, yellow, 1, densityLeft, densityRight, headerLine});

    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const Weight weight = table.weightOf(table.rows[i]);
        const double top = rowTops[i];
        texts.push_back({table.rows[i].grade, Font{Face::TimesNewRoman, cellPoints, weight}, green,
                         0, gradeLeft, gradeRight,
                         px(top + (weight == Weight::Bold ? boldGradeBaseline : rowBaseline))});
        if (!table.merged) {
            texts.push_back({table.rows[i].density, Font{Face::TimesNewRoman, cellPoints}, plum, 1,
                             densityLeft, densityRight, px(top + rowBaseline)});
        }
    }

    if (table.merged) {
        texts.push_back({table.merged->text,
                         Font{Face::TimesNewRoman, table.merged->points, Weight::Bold},
                         plum,
                         1,
                         densityLeft,
                         densityRight,
                         0,
                         true,
                         {drawing.rows.front().begin, drawing.rows.back().end}});
    }
}

} // namespace

TableDrawing drawingOf(const DensityTable &table)
{
    TableDrawing drawing{};
    drawing.width = px(table.width);
    drawing.height = px(table.height);
    drawing.ruleIndent = px(ruleIndent);
    const std::vector<double> rowTops = layRows(table, drawing);
    layColumns(table, drawing);
    layTexts(table, rowTops, drawing);
    return drawing;
}

} // namespace kvarnel::reference
