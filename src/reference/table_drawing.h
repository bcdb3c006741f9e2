// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <string_view>
#include <vector>

// How a density table is drawn: at physical size from the top-left corner of its window,
// which has no other control.
namespace kvarnel::reference {

struct DensityTable;

// A reference window's only control, the drawn table.
inline constexpr const char *tablePictureName = "Image1";

struct Rgb
{
    int red;
    int green;
    int blue;
};

namespace table_colours {
inline constexpr Rgb silver{192, 192, 192}; // every cell
inline constexpr Rgb grey{128, 128, 128};   // the rule between the columns, every other band
inline constexpr Rgb white{255, 255, 255};  // the rule at the right edge, the other bands
inline constexpr Rgb yellow{255, 255, 0};   // the headers
inline constexpr Rgb green{0, 128, 0};      // the grades
inline constexpr Rgb plum{153, 51, 102};    // the densities
} // namespace table_colours

// Pixels from the table's top-left corner, end excluded.
struct Span
{
    int begin;
    int end;
};

// A band between two rows: a rule, with a strip of cell background below it.
struct Band
{
    Span rule;
    Rgb colour;
    bool crossesDensity; // only where the density column has a cell boundary
};

struct TableText
{
    std::string_view text;
    design::Font font;
    Rgb colour;
    int column;               // 0 the grades, 1 the densities: the text is clipped to it
    double left;              // pixels; the text is centred between these, trailing blanks
    double right;             // not counted
    int baseline;             // pixels from the top
    bool centredDown = false; // a merged density: centred instead between `down`'s ends
    Span down = {};
};

// A table on the pixel grid, every edge rounded on its own, and its texts.
struct TableDrawing
{
    int width;
    int height;
    Span header;
    std::vector<Span> rows;
    std::vector<Band> bands;
    Span gradeColumn;
    Span greyRule;
    Span densityColumn;
    Span whiteRule;
    int ruleIndent;               // where the bands start, right of the left edge
    std::vector<TableText> texts; // the headers, then row by row
};

TableDrawing drawingOf(const DensityTable &table);

} // namespace kvarnel::reference
