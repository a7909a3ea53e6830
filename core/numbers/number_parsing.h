// Reading decimal texts: numbers as the fields and lists give them, without the C library's locale.
#pragma once

#include <optional>
#include <string_view>

namespace kelvane {

// Blanks at either end are ignored (a masked field pads with them); a blank inside makes the text no
// number. A decimal (exponent allowed) reads to its correctly rounded value, by the program's own
// arithmetic on every platform; one beyond the range of long double is no number.
std::optional<long double> ParseDecimal(std::string_view text);
std::optional<int> ParseInteger(std::string_view text);

} // namespace kelvane
