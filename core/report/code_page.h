// Windows-1251, the report's code page, both ways, from the code page's own table.
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// The report's bytes for UTF-8 text: ASCII as it is, every other character as its Windows-1251 byte. A
// character the code page lacks, or a byte that is no UTF-8, becomes "?".
std::string Utf8ToWindows1251(std::string_view utf8);

// UTF-8 text for Windows-1251 bytes. The one byte the code page leaves undefined (0x98) becomes U+FFFD.
std::string Windows1251ToUtf8(std::string_view bytes);

} // namespace kelvane
