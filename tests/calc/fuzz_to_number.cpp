// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Whatever the text, to_number either returns a finite value or reports an overflow, and
// a value written by to_text reads back to the same text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    double value = 0.0;
    try {
        value = kvarnel::to_number(text);
    } catch (const kvarnel::FloatingPointError &) {
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    for (std::string_view separator : {".", ","}) {
        const std::string written = kvarnel::to_text(value, separator);
        if (kvarnel::to_text(kvarnel::to_number(written), separator) != written)
            std::abort();
    }
    return 0;
}
