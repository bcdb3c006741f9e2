// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace kvarnel {
namespace {

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A blank between digits joins them: "1 5" reads as 15.
std::string without_blanks(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!is_blank(c))
            compact.push_back(c);
    }
    return compact;
}

int radix_digit(char c, int radix)
{
    int digit = -1;
    if (is_digit(c))
        digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < radix ? digit : -1;
}

// "&H1F" and "&O17" denote non-negative integers of at most 64 bits, so "&HFFFF" is
// 65535, never -1. Leading zeros do not count towards the width; a wider integer is out
// of range like "1E400". The first character that is not a digit of the radix ends it.
double read_radix_integer(std::string_view digits, int radix)
{
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = radix_digit(c, radix);
        if (digit < 0)
            break;
        if (value > (max - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(radix))
            throw FloatingPointError();
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    }
    return static_cast<double>(value);
}

// Exponents beyond this are out of range whatever the digits, and clamping them keeps
// the arithmetic below far from integer overflow.
constexpr std::int64_t exponent_limit = 1'000'000'000;

double read_decimal(std::string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // The full stop and the comma both separate the decimals, so a result written under
    // comma settings reads back as itself; a second separator ends the number.
    std::string significant;         // mantissa digits without leading zeros
    std::int64_t point_exponent = 0; // decimal exponent of the digit before the separator
    bool any_digit = false;
    bool seen_separator = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (is_digit(c)) {
            any_digit = true;
            if (!significant.empty() || c != '0')
                significant.push_back(c);
            if (!seen_separator && !significant.empty())
                ++point_exponent;
            if (seen_separator && significant.empty())
                --point_exponent;
        } else if ((c == '.' || c == ',') && !seen_separator) {
            seen_separator = true;
        } else {
            break;
        }
    }
    if (!any_digit)
        return 0.0;

    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t exp_pos = pos + 1;
        bool exp_negative = false;
        if (exp_pos < text.size() && (text[exp_pos] == '+' || text[exp_pos] == '-')) {
            exp_negative = text[exp_pos] == '-';
            ++exp_pos;
        }
        // "1.5E" and "1.5E+" keep the mantissa alone: the exponent needs a digit.
        for (; exp_pos < text.size() && is_digit(text[exp_pos]); ++exp_pos) {
            exponent = std::min(exponent * 10 + (text[exp_pos] - '0'), exponent_limit);
        }
        if (exp_negative)
            exponent = -exponent;
    }

    while (!significant.empty() && significant.back() == '0')
        significant.pop_back();
    const double zero = negative ? -0.0 : 0.0;
    if (significant.empty())
        return zero;

    // Decimal exponent of the leading significant digit: 123 is 1.23E2, 0.05 is 5E-2.
    const std::int64_t leading_exponent = point_exponent - 1 + exponent;
    if (leading_exponent > std::numeric_limits<double>::max_exponent10)
        throw FloatingPointError();
    if (leading_exponent < std::numeric_limits<double>::min_exponent10 - 30)
        return zero; // far below the smallest denormal: reads as 0, never as an error

    // from_chars rounds correctly however many digits there are.
    const std::int64_t digits_exponent =
        leading_exponent - static_cast<std::int64_t>(significant.size()) + 1;
    std::string scientific = significant;
    scientific += 'e';
    scientific += std::to_string(digits_exponent);
    double value = 0.0;
    const auto result =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (leading_exponent > 0)
            throw FloatingPointError();
        return zero;
    }
    return negative ? -value : value;
}

} // namespace

double to_number(std::string_view text)
{
    const std::string compact = without_blanks(text);
    const std::string_view rest(compact);
    if (rest.size() >= 2 && rest[0] == '&') {
        if (rest[1] == 'H' || rest[1] == 'h')
            return read_radix_integer(rest.substr(2), 16);
        if (rest[1] == 'O' || rest[1] == 'o')
            return read_radix_integer(rest.substr(2), 8);
    }
    return read_decimal(rest);
}

std::string to_text(double value, std::string_view decimal_separator)
{
    if (!std::isfinite(value))
        throw FloatingPointError();
    if (value == 0.0)
        return "0"; // negative zero included

    // 15 significant digits, correctly rounded: "d.ddddddddddddddde+XX".
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                      std::chars_format::scientific, std::numeric_limits<double>::digits10 - 1);
    const std::string_view written(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = written.find('e');
    std::string digits;
    for (char c : written.substr(0, e)) {
        if (is_digit(c))
            digits.push_back(c);
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const std::string_view exponent_text = written.substr(e + 1);
    std::from_chars(exponent_text.data() + (exponent_text.front() == '+' ? 1 : 0),
                    exponent_text.data() + exponent_text.size(), exponent);

    std::string text = value < 0 ? "-" : "";
    const int length = static_cast<int>(digits.size());
    // Magnitudes from 1E-5 up to just below 1E15 are written positionally, the rest in
    // scientific form (10^15 is 1E+15).
    if (exponent >= 15 || exponent < -5) {
        text += digits[0];
        if (length > 1) {
            text += decimal_separator;
            text.append(digits, 1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const int integer_digits = exponent + 1;
        text.append(digits, 0, static_cast<std::size_t>(std::min(length, integer_digits)));
        if (length < integer_digits)
            text.append(static_cast<std::size_t>(integer_digits - length), '0');
        if (length > integer_digits) {
            text += decimal_separator;
            text.append(digits, static_cast<std::size_t>(integer_digits));
        }
    } else {
        text += '0';
        text += decimal_separator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}

} // namespace kvarnel
