// Exact conversions between decimal texts and long double, in the program's own arithmetic.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// A decimal text: an optional "-", digits with at most one point (".5" and "5." count), and an
// optional exponent such as "e-5" or "E+12". Its value rounded to the nearest long double, ties to
// even, or none when the text is no such decimal, when the value rounds beyond the largest finite
// one, or when it lies below the normal range and is not exactly representable there (the values a
// correctly rounding C library reports as out of range).
std::optional<long double> ExactDecimalValue(std::string_view text);

// Appends a finite positive value rounded to `digits` significant digits (1 to 18), ties to even, as
// printf's "%.<digits>Lg" writes it: plain or with an exponent of at least two digits, trailing zeros
// dropped, "." as separator.
void AppendGeneralFormat(long double magnitude, int digits, std::string& text);

} // namespace kelvane
