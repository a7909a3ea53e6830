// Shortest decimal texts and the fixed-width number fields of the shim lists and the report.
#include "numbers/number_fields.h"

#include "numbers/decimal_powers.h"
#include "numbers/exact_decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>
#include <utility>

namespace kelvane {

namespace {

constexpr int kSignificantDigits = 15;
constexpr std::uint64_t kLowest15Digit = 100'000'000'000'000u; // 10^14

// The exact writer works on numbers of any size, which costs more than the whole recalculation
// around it. Labels, lists and the report print thousands of these numbers, all in plain notation, so
// they take this path: scale the magnitude to fifteen integer digits and round. Scaling by an exact
// power of ten is one rounding off (under 2^-14 for a result below 2^50), so the rounding to an
// integer is certain unless the scaled value lies near a half; those values, and every value that
// would need an exponent, fall back to the exact writer. The texts are therefore the exact writer's,
// digit for digit.
bool AppendPlainMagnitude(long double magnitude, std::string& text)
{
    if (!(magnitude >= 1e-5L && magnitude < 1e15L))
        return false;
    int exponent = 0; // decimal exponent of the leading digit
    if (magnitude >= 1) {
        while (exponent + 1 < kSignificantDigits &&
               magnitude >= kPowersOfTen[static_cast<std::size_t>(exponent + 1)])
            ++exponent;
    } else {
        exponent = -1;
        while (exponent > -5 && magnitude * kPowersOfTen[static_cast<std::size_t>(-exponent)] < 1)
            --exponent;
    }
    int scale = kSignificantDigits - 1 - exponent; // 10^scale brings the value to 15 integer digits
    long double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(scale)];
    if (scaled < 1e14L && scale + 1 < static_cast<int>(kPowersOfTen.size())) {
        ++scale;
        scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(scale)];
    } else if (scaled >= 1e15L && scale > 0) {
        --scale;
        scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(scale)];
    }
    if (scaled < 1e14L || scaled >= 1e15L)
        return false;
    const long double fraction = scaled - std::floor(scaled);
    if (std::fabs(fraction - 0.5L) < 1.0L / 1024)
        return false;
    std::uint64_t digits = static_cast<std::uint64_t>(std::floor(scaled)) + (fraction > 0.5L ? 1 : 0);
    exponent = kSignificantDigits - 1 - scale;
    if (digits == 10 * kLowest15Digit) { // 9.99…95 and up round to the next power of ten
        digits = kLowest15Digit;
        ++exponent;
    }
    if (exponent < -4 || exponent >= kSignificantDigits)
        return false;

    // Trailing zeros are dropped from the integer before it is written out.
    int kept = kSignificantDigits;
    for (const auto& [power, zeros] :
         {std::pair<std::uint64_t, int>{100'000'000, 8}, {10'000, 4}, {100, 2}, {10, 1}}) {
        if (kept > zeros && digits % power == 0) {
            digits /= power;
            kept -= zeros;
        }
    }
    std::array<char, kSignificantDigits> digitText{};
    std::to_chars(digitText.data(), digitText.data() + digitText.size(), digits);
    const auto* first = digitText.data();
    if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        if (kept > integerDigits) {
            text.append(first, static_cast<std::size_t>(integerDigits));
            text += '.';
            text.append(first + integerDigits, static_cast<std::size_t>(kept - integerDigits));
        } else {
            text.append(first, static_cast<std::size_t>(kept));
            text.append(static_cast<std::size_t>(integerDigits - kept), '0');
        }
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(first, static_cast<std::size_t>(kept));
    }
    return true;
}

} // namespace

std::string ShortestDecimalText(long double value)
{
    // General format with 15 significant digits drops trailing zeros and stays in plain notation
    // for magnitudes from 1e-4 up to (not including) 1e15; clearances, thicknesses and deviations
    // all lie well inside that range. The decimal separator is always ".", whatever the locale.
    if (value == 0)
        return "0";
    std::string text;
    if (value < 0)
        text += '-';
    if (AppendPlainMagnitude(std::fabs(value), text))
        return text;
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return text + "inf";
    AppendGeneralFormat(std::fabs(value), kSignificantDigits, text);
    return text;
}

std::size_t CharacterCount(std::string_view utf8)
{
    // Every byte except a continuation byte (10xxxxxx) starts a character.
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U)
            ++count;
    return count;
}

namespace {

// What a fixed-width field puts before and after a shortest decimal text of each length, from one
// character on; a text longer than the table gives an empty field.
struct Padding
{
    std::string_view before;
    std::string_view after;
};

// A four-character text is taken as it is: "-0.1" keeps its single decimal.
constexpr Padding kTwoDecimalPadding[] = {{" ", ".00"}, {"", ".00"}, {" ", "0"}, {" ", ""}, {"", ""}};

// The minus sign takes the place of the leading blank from four characters on.
constexpr Padding kThreeDecimalPadding[] = {{" ", ".000"}, {"", ".000"}, {" ", "00"},
                                            {" ", "0"},    {" ", ""},    {"", ""}};
constexpr Padding kNegativeThreeDecimalPadding[] = {{" ", ".000"}, {"", ".000"}, {" ", "00"},
                                                    {"", "00"},    {"", "0"},    {"", ""}};

std::string Padded(std::string_view text, std::span<const Padding> paddings)
{
    const std::size_t length = CharacterCount(text);
    if (length == 0 || length > paddings.size())
        return {};
    const Padding& padding = paddings[length - 1];
    std::string field(padding.before);
    field += text;
    field += padding.after;
    return field;
}

} // namespace

std::string TwoDecimalField(std::string_view text)
{
    return Padded(text, kTwoDecimalPadding);
}

std::string ThreeDecimalField(std::string_view text)
{
    return Padded(text, text.starts_with('-') ? std::span<const Padding>(kNegativeThreeDecimalPadding)
                                              : std::span<const Padding>(kThreeDecimalPadding));
}

std::string PadTo20(std::string_view text)
{
    constexpr std::size_t kWidth = 20;
    std::string padded(text);
    const std::size_t length = CharacterCount(text);
    if (length < kWidth)
        padded.append(kWidth - length, ' ');
    return padded;
}

} // namespace kelvane
