// Reading decimal texts: numbers as the fields and lists give them, without the C library's locale.
#pragma once

#include <optional>
#include <string_view>

namespace kelvane {

// Blanks at either end are ignored (a masked field pads with them); a blank inside makes the text no
// number. A decimal reads to exactly the value the standard library's reader gives.
std::optional<long double> ParseDecimal(std::string_view text);
std::optional<int> ParseInteger(std::string_view text);

} // namespace kelvane
