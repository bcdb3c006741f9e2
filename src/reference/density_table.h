// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/terms.h"

#include <optional>
#include <span>
#include <string_view>

namespace kvarnel::reference {

using design::Border;
using design::Weight;

// One line of a table: a grade and, unless the table has one density for all its grades,
// the grade's own density. Texts are UTF-8 and shown exactly, inner blanks included.
struct GradeRow
{
    std::string_view grade;
    std::string_view density = {};
    std::optional<Weight> weight = std::nullopt; // only where the grade breaks its table's rule
};

struct Header
{
    std::string_view grade;
    std::string_view density;
    Weight weight;
};

// A density that fills the whole density column beside all grades, in its own size.
struct MergedDensity
{
    std::string_view text;
    double points;
};

// The content of one reference window. Lengths are millimetres at physical size.
struct DensityTable
{
    design::WindowFrame window;
    std::string_view button; // the catalogue's button that opens it: exact, blanks included
    Header header;
    std::span<const GradeRow> rows;
    Weight gradeWeight; // the rule for the grade column
    std::optional<MergedDensity> merged;
    double gradeColumnWidth;
    double densityColumnWidth;
    double width; // overall drawn extent
    double height;

    Weight weightOf(const GradeRow &row) const { return row.weight.value_or(gradeWeight); }
};

} // namespace kvarnel::reference
