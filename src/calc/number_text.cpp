// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace kvarnel {
namespace {

// The C++ library's conversions of doubles where it has them; where it does not (the
// browser's, emscripten's libc++), the C library's, which round as correctly. A text of
// digits and an exponent alone reads the same under any locale.
#ifdef __cpp_lib_to_chars
// The value of "ddd…e±x", or out of range.
bool parse_scientific(const std::string &text, double &value)
{
    return std::from_chars(text.data(), text.data() + text.size(), value).ec !=
           std::errc::result_out_of_range;
}

// "d.ddde±xx" with so many digits after the point; returns the length.
std::size_t write_scientific(char *buffer, std::size_t size, double value, int digits)
{
    const auto result =
        std::to_chars(buffer, buffer + size, value, std::chars_format::scientific, digits);
    return static_cast<std::size_t>(result.ptr - buffer);
}
#else
bool parse_scientific(const std::string &text, double &value)
{
    value = std::strtod(text.c_str(), nullptr);
    return !std::isinf(value);
}

std::size_t write_scientific(char *buffer, std::size_t size, double value, int digits)
{
    return static_cast<std::size_t>(std::snprintf(buffer, size, "%.*e", digits, value));
}
#endif

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

// The digits of a decimal number and where its separator stands.
struct Mantissa
{
    std::string significant;         // without leading or trailing zeros
    std::int64_t point_exponent = 0; // decimal exponent of the digit before the separator
    bool any_digit = false;
};

// The full stop and the comma both separate the decimals, so a result written under
// comma settings reads back as itself; a second separator ends the number.
Mantissa read_mantissa(std::string_view text, std::size_t &pos)
{
    Mantissa mantissa;
    bool seen_separator = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (is_digit(c)) {
            mantissa.any_digit = true;
            if (!mantissa.significant.empty() || c != '0')
                mantissa.significant.push_back(c);
            if (!seen_separator && !mantissa.significant.empty())
                ++mantissa.point_exponent;
            if (seen_separator && mantissa.significant.empty())
                --mantissa.point_exponent;
        } else if ((c == '.' || c == ',') && !seen_separator) {
            seen_separator = true;
        } else {
            break;
        }
    }
    while (!mantissa.significant.empty() && mantissa.significant.back() == '0')
        mantissa.significant.pop_back();
    return mantissa;
}

// "E" or "e", an optional sign and digits, at the start of `text`; 0 without them.
// "1.5E" and "1.5E+" keep the mantissa alone: the exponent needs a digit.
std::int64_t read_exponent(std::string_view text)
{
    if (text.empty() || (text[0] != 'E' && text[0] != 'e'))
        return 0;
    std::size_t pos = 1;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t exponent = 0;
    for (; pos < text.size() && is_digit(text[pos]); ++pos)
        exponent = std::min(exponent * 10 + (text[pos] - '0'), exponent_limit);
    return negative ? -exponent : exponent;
}

// The double nearest to the significant digits with their leading digit at 10^leading.
double to_double(const std::string &significant, std::int64_t leading_exponent, bool negative)
{
    const double zero = negative ? -0.0 : 0.0;
    if (significant.empty())
        return zero;
    if (leading_exponent > std::numeric_limits<double>::max_exponent10)
        throw FloatingPointError();
    if (leading_exponent < std::numeric_limits<double>::min_exponent10 - 30)
        return zero; // far below the smallest denormal: reads as 0, never as an error

    // The conversion rounds correctly however many digits there are.
    const std::int64_t digits_exponent =
        leading_exponent - static_cast<std::int64_t>(significant.size()) + 1;
    std::string scientific = significant;
    scientific += 'e';
    scientific += std::to_string(digits_exponent);
    double value = 0.0;
    if (!parse_scientific(scientific, value)) {
        if (leading_exponent > 0)
            throw FloatingPointError();
        return zero;
    }
    return negative ? -value : value;
}

double read_decimal(std::string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const Mantissa mantissa = read_mantissa(text, pos);
    if (!mantissa.any_digit)
        return 0.0;
    const std::int64_t exponent = read_exponent(text.substr(pos));
    // 123 has its leading digit at 10^2, 0.05 at 10^-2.
    return to_double(mantissa.significant, mantissa.point_exponent - 1 + exponent, negative);
}

// A positive value as decimal digits d.ddd… × 10^exponent.
struct Decimal
{
    std::string digits; // no trailing zeros, at least one digit
    int exponent;
};

// 15 significant digits, correctly rounded, so binary noise in the last digits of a double
// never shows: 587.9650000000001 becomes 587.965.
Decimal round_to_shown_digits(double magnitude)
{
    char buffer[64];
    const std::string_view written( // "d.ddddddddddddddde+XX"
        buffer, write_scientific(buffer, sizeof buffer, magnitude,
                                 std::numeric_limits<double>::digits10 - 1));
    const std::size_t e = written.find('e');
    Decimal decimal{{}, 0};
    for (char c : written.substr(0, e)) {
        if (is_digit(c))
            decimal.digits.push_back(c);
    }
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    const std::string_view exponent = written.substr(e + 1);
    std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0),
                    exponent.data() + exponent.size(), decimal.exponent);
    return decimal;
}

// "1,5E+20", "1E-07": at least two exponent digits.
void append_scientific(std::string &text, const Decimal &decimal, std::string_view separator)
{
    text += decimal.digits[0];
    if (decimal.digits.size() > 1) {
        text += separator;
        text.append(decimal.digits, 1);
    }
    text += decimal.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(decimal.exponent);
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
}

// "2826", "587,965", "0,0785": no grouping, a separator only before a fraction.
void append_positional(std::string &text, const Decimal &decimal, std::string_view separator)
{
    const std::string &digits = decimal.digits;
    const auto length = static_cast<int>(digits.size());
    if (decimal.exponent < 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        text += digits;
        return;
    }
    const int integer_digits = decimal.exponent + 1;
    text.append(digits, 0, static_cast<std::size_t>(std::min(length, integer_digits)));
    if (length < integer_digits)
        text.append(static_cast<std::size_t>(integer_digits - length), '0');
    if (length > integer_digits) {
        text += separator;
        text.append(digits, static_cast<std::size_t>(integer_digits));
    }
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

    const Decimal decimal = round_to_shown_digits(std::fabs(value));
    std::string text = value < 0 ? "-" : "";
    // Magnitudes from 1E-5 up to just below 1E15 are written positionally, the rest in
    // scientific form (10^15 is 1E+15).
    if (decimal.exponent >= 15 || decimal.exponent < -5)
        append_scientific(text, decimal, decimal_separator);
    else
        append_positional(text, decimal, decimal_separator);
    return text;
}

} // namespace kvarnel
