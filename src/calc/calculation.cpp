// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calculation.h"

#include "calc/number_text.h"
#include "calc/pipe.h"

namespace kvarnel {

std::optional<ResultTexts> calculate(std::string_view diameter, std::string_view wall,
                                     std::string_view density, std::string_view decimal_separator)
{
    try {
        const double outer_diameter = to_number(diameter);
        const double wall_thickness = to_number(wall);
        const double material_density = to_number(density);
        const PipeSection section = pipe_section(outer_diameter, wall_thickness, material_density);
        return ResultTexts{to_text(section.area, decimal_separator),
                           to_text(section.mass, decimal_separator)};
    } catch (const FloatingPointError &) {
        return std::nullopt;
    }
}

} // namespace kvarnel
