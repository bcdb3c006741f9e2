// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvarnel {

// The results as the calculator shows them.
struct ResultTexts
{
    std::string area; // mm²
    std::string mass; // kg/m
};

// What the calculate button does with the three boxes' texts as typed: reads them the
// lenient way, works out the pipe and writes both results with the decimal separator.
// Nothing when a number, read or worked out, leaves the double range.
std::optional<ResultTexts> calculate(std::string_view diameter, std::string_view wall,
                                     std::string_view density, std::string_view decimal_separator);

} // namespace kvarnel
