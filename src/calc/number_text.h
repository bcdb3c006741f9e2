// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace kvarnel {

// The one error of the calculator: a number out of the double range, read from text or
// produced by a step of the calculation.
class FloatingPointError : public std::exception
{
  public:
    const char *what() const noexcept override { return "floating-point overflow"; }
};

// Reads a number the lenient way: blanks anywhere are dropped, the longest readable
// prefix counts and anything unreadable reads as 0. Throws FloatingPointError only when
// the number lies outside the double range.
double to_number(std::string_view text);

// Writes a finite value with 15 significant digits and the given decimal separator.
std::string to_text(double value, std::string_view decimal_separator);

} // namespace kvarnel
