// Reading decimal texts: the fast path for plain decimals and the exact reader for the rest.
#include "numbers/number_parsing.h"

#include "numbers/decimal_powers.h"
#include "numbers/exact_decimal.h"

#include <charconv>
#include <cstdint>
#include <system_error>

namespace kelvane {

namespace {

// Mask blanks pad a field on either side; they are not part of the number.
std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The exact reader works on numbers of any size, which costs more than the arithmetic it feeds. A
// field text is nearly always a plain decimal such as "0.25" or "1.225": its digits make an integer
// below 2^64 and its decimals an exact power of ten, both exact in long double, so one correctly
// rounded division gives the value the exact reader gives. Anything else (exponents, long texts, stray
// characters) is left to the exact reader.
std::optional<long double> ParsePlainDecimal(std::string_view text)
{
    constexpr std::size_t kMaxDigits = 19; // 10^19 - 1 < 2^64
    const bool negative = text.starts_with('-');
    std::uint64_t digits = 0;
    std::size_t digitCount = 0;
    std::size_t decimals = 0;
    bool afterPoint = false;
    bool digitBeforePoint = false;
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digitCount > kMaxDigits)
                return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            if (afterPoint)
                ++decimals;
            else
                digitBeforePoint = true;
        } else if (c == '.' && !afterPoint && digitBeforePoint) {
            afterPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitBeforePoint || (afterPoint && decimals == 0))
        return std::nullopt;
    const long double magnitude = static_cast<long double>(digits) / kPowersOfTen[decimals];
    return negative ? -magnitude : magnitude;
}

} // namespace

std::optional<long double> ParseDecimal(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return std::nullopt;
    if (const auto plain = ParsePlainDecimal(trimmed))
        return plain;
    return ExactDecimalValue(trimmed);
}

std::optional<int> ParseInteger(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return std::nullopt;
    int value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace kelvane
