// SPDX-License-Identifier: GPL-3.0-or-later
// The page's numbers: the desktop program's own calculation, compiled to a WebAssembly
// module of its own. The page writes the three boxes' texts and the decimal separator into
// the module's memory and reads the two results back.
#include "calc/calculation.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::string input;
std::string output;

// The next text of the input, each ended by a zero byte.
std::string_view next(std::size_t &at)
{
    const std::size_t end = input.find('\0', at);
    const std::string_view text(input.data() + at,
                                (end == std::string::npos ? input.size() : end) - at);
    at = end == std::string::npos ? input.size() : end + 1;
    return text;
}

} // namespace

extern "C" {

// Room for `size` bytes, which the page fills with the diameter, the wall and the density
// as typed, then the decimal separator, each as UTF-8 ended by a zero byte.
char *kvarnel_input(std::size_t size)
{
    input.assign(size, '\0');
    return input.data();
}

// Calculates as the desktop does. Returns the length of the output, the area and the mass
// as the desktop writes them, each ended by a zero byte; 0 when a number leaves the double
// range, as the desktop's overflow does.
std::size_t kvarnel_calculate()
{
    std::size_t at = 0;
    const std::string_view diameter = next(at);
    const std::string_view wall = next(at);
    const std::string_view density = next(at);
    const std::string_view separator = next(at);
    const std::optional<kvarnel::ResultTexts> results =
        kvarnel::calculate(diameter, wall, density, separator);
    output.clear();
    if (results)
        output = results->area + '\0' + results->mass + '\0';
    return output.size();
}

const char *kvarnel_output()
{
    return output.data();
}
}
