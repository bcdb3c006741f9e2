// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/pipe.h"

#include "calc/number_text.h"

#include <cmath>

namespace kvarnel {
namespace {

// Every intermediate is stored as a double and checked before the next step uses it, so
// an overflow stops the calculation where it arose.
double checked(double value)
{
    if (!std::isfinite(value))
        throw FloatingPointError();
    return value;
}

// The circle constant of the mass tables this program reproduces is 3.14, not pi.
constexpr double circle_constant = 3.14;
constexpr double square_mm_per_square_m = 1000000.0;

} // namespace

PipeSection pipe_section(double outer_diameter, double wall_thickness, double density)
{
    // The order of the steps is part of the result: the area is the difference of two
    // circles, squares go through pow, and the unit change comes before the density.
    const double outer_radius = checked(outer_diameter / 2);
    const double outer_area = checked(std::pow(outer_radius, 2.0) * circle_constant);
    const double inner_diameter = checked(outer_diameter - (wall_thickness + wall_thickness));
    const double inner_radius = checked(inner_diameter / 2);
    const double inner_area = checked(std::pow(inner_radius, 2.0) * circle_constant);
    const double area = checked(outer_area - inner_area);
    const double mass = checked(area / square_mm_per_square_m * density);
    return {area, mass};
}

} // namespace kvarnel
