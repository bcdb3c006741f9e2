// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The calculation's cases as a user types them, with the results the program writes (with
// a full stop) and, where given, their exact bits, which follow from the order of the
// steps: two circle areas with 3.14, subtracted, then divided by a million before the
// density. Any reordering, or pi/4 * (D² - d²), changes the last bits. Read by the core's
// test, and written out for the page's (expected_facts).
struct PipeCase
{
    const char *name;
    const char *diameter, *wall, *density;
    const char *area, *mass;
    std::uint64_t areaBits = 0, massBits = 0; // 0: not pinned
};

// clang-format off
inline constexpr PipeCase pipeCases[] = {
    {"worked example, steel", "57", "3.5", "7850", "587.965", "4.61552525", 0x40825fb851eb8520,
     0x4012764c404a72ed},
    {"typical use, brass", "57", "3.5", "8800", "587.965", "5.174092", 0x40825fb851eb8520,
     0x4014b2452c59fb20},
    {"whole area", "100", "10", "7850", "2826", "22.1841", 0x40a6140000000000, 0x40362f212d773190},
    {"fifteen digits", "97.1", "3.7", "8829", "1085.1212", "9.58053507479999", 0x4090f47c1bda5118,
     0x4023293be4b0e4cf},
    {"solid bar", "10", "5", "1000", "78.5", "0.0785"},
    {"wall past the centre", "10", "8", "7850", "50.24", "0.394384"},
    {"wall past the diameter", "10", "20", "7850", "-628", "-4.9298"},
    {"all empty", "", "", "", "0", "0"},
    {"no density", "57", "3.5", "", "587.965", "0"},
    {"underflow is no error", "1E-200", "0", "7850", "0", "0"},
    {"largest finite mass", "1E6", "1E5", "1E302", "282600000000", "2.826E+307"},
};
// clang-format on

// Inputs whose calculation leaves the double range, at each step where it can.
struct OverflowCase
{
    const char *name;
    const char *diameter, *wall, *density;
};

inline constexpr OverflowCase overflowCases[] = {
    {"outer square", "1E160", "0", "0"}, {"outer area times 3.14", "2E154", "0", "0"},
    {"doubled wall", "1", "1E308", "0"}, {"inner square", "0", "1E154", "0"},
    {"mass", "1E6", "1E5", "1E305"},     {"a box out of range", "1E400", "0", "0"},
};
