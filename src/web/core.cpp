// SPDX-License-Identifier: GPL-3.0-or-later
// The page's numbers: the desktop program's own reading, calculation and writing,
// compiled to a WebAssembly module of their own. The page writes the three boxes' texts
// and the decimal separator into the module's memory and reads the two results back.
#include "calc/number_text.h"
#include "calc/pipe.h"

#include <cstddef>
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

// Reads the input as the desktop reads its boxes and calculates. Returns the length of the
// output, the area and the mass as the desktop writes them, each ended by a zero byte; 0
// when a number leaves the double range, as the desktop's overflow does.
std::size_t kvarnel_calculate()
{
    std::size_t at = 0;
    try {
        const double diameter = kvarnel::to_number(next(at));
        const double wall = kvarnel::to_number(next(at));
        const double density = kvarnel::to_number(next(at));
        const std::string_view separator = next(at);
        const kvarnel::PipeSection section = kvarnel::pipe_section(diameter, wall, density);
        output = kvarnel::to_text(section.area, separator);
        output += '\0';
        output += kvarnel::to_text(section.mass, separator);
        output += '\0';
        return output.size();
    } catch (const kvarnel::FloatingPointError &) {
        output.clear();
        return 0;
    }
}

const char *kvarnel_output()
{
    return output.data();
}
}
