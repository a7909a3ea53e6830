// Number texts for labels, lists and the report: the shortest decimal text and fixed-width fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// The value rounded to 15 significant digits in its shortest form: "." as separator, a leading "-"
// for negative values, no trailing zeros, "0" for zero (also for negative zero). Never locale-bound.
std::string ShortestDecimalText(long double value);

// Characters of a UTF-8 text as the single-byte code page counts them (one per code point).
std::size_t CharacterCount(std::string_view utf8);

// A five-character field with two decimals built from a shortest decimal text ("0" -> " 0.00").
std::string TwoDecimalField(std::string_view text);

// A six-character field with three decimals built from a shortest decimal text ("1.2" -> " 1.200").
std::string ThreeDecimalField(std::string_view text);

// The text followed by blanks up to 20 characters; a longer text is returned unchanged.
std::string PadTo20(std::string_view text);

} // namespace kelvane
