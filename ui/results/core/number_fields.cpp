// Shortest decimal texts and the fixed-width number fields of the shim lists and the report.
#include "number_fields.h"

#include <array>
#include <charconv>

namespace kelvane {

std::string ShortestDecimalText(long double value)
{
    // General format with 15 significant digits drops trailing zeros and stays in plain notation
    // for magnitudes from 1e-4 up to (not including) 1e15; clearances, thicknesses and deviations
    // all lie well inside that range. The decimal separator is always ".", whatever the locale.
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0")
        text = "0";
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

std::string TwoDecimalField(std::string_view text)
{
    const std::string s(text);
    switch (CharacterCount(text)) {
    case 1:
        return " " + s + ".00";
    case 2:
        return s + ".00";
    case 3:
        return " " + s + "0";
    case 4:
        // A four-character text is taken as it is: "-0.1" keeps its single decimal.
        return " " + s;
    case 5:
        return s;
    default:
        return {};
    }
}

std::string ThreeDecimalField(std::string_view text)
{
    const std::string s(text);
    const bool negative = text.starts_with('-');
    switch (CharacterCount(text)) {
    case 1:
        return " " + s + ".000";
    case 2:
        return s + ".000";
    case 3:
        return " " + s + "00";
    case 4:
        return negative ? s + "00" : " " + s + "0";
    case 5:
        return negative ? s + "0" : " " + s;
    case 6:
        return s;
    default:
        return {};
    }
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
