// The report's code page: the program's table both ways, and the same table as the platform's own
// converter where the platform has one (glibc's iconv on Debian, the Windows API on Windows).
#include "report/code_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__GLIBC__)
#include <iconv.h>
#endif

namespace kelvane {
namespace {

constexpr unsigned char kUndefinedByte = 0x98;

std::string Byte(unsigned value)
{
    return std::string(1, static_cast<char>(value));
}

// The platform's UTF-8 text for one Windows-1251 byte; nothing where the platform has no converter.
std::optional<std::string> PlatformUtf8(unsigned char byte)
{
#if defined(_WIN32)
    const char in = static_cast<char>(byte);
    wchar_t wide[2] = {};
    if (MultiByteToWideChar(1251, MB_ERR_INVALID_CHARS, &in, 1, wide, 2) != 1)
        return std::nullopt;
    char utf8[8] = {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, 1, utf8, sizeof utf8, nullptr, nullptr);
    return std::string(utf8, static_cast<std::size_t>(length));
#elif defined(__GLIBC__)
    iconv_t converter = iconv_open("UTF-8", "CP1251");
    if (converter == iconv_t(-1))
        return std::nullopt;
    char in = static_cast<char>(byte);
    char out[8] = {};
    char* inAt = &in;
    char* outAt = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t converted = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (converted == std::size_t(-1))
        return std::nullopt;
    return std::string(out, sizeof out - outLeft);
#else
    static_cast<void>(byte);
    return std::nullopt;
#endif
}

TEST(CodePage1251, EveryDefinedByteRoundTrips)
{
    for (unsigned value = 0; value < 256; ++value) {
        if (value == kUndefinedByte)
            continue;
        EXPECT_EQ(Utf8ToWindows1251(Windows1251ToUtf8(Byte(value))), Byte(value)) << value;
    }
    EXPECT_EQ(Windows1251ToUtf8(Byte(kUndefinedByte)), "\uFFFD");
}

TEST(CodePage1251, TheReportsCharacters)
{
    EXPECT_EQ(Utf8ToWindows1251("±0.03"), "\xB1"
                                          "0.03");
    EXPECT_EQ(Utf8ToWindows1251("Ёё№"), "\xA8\xB8\xB9");
    EXPECT_EQ(Utf8ToWindows1251("Аая"), "\xC0\xE0\xFF");
    EXPECT_EQ(Utf8ToWindows1251("ex. I\r\n"), "ex. I\r\n");
}

// What the code page lacks, and what is no UTF-8, becomes one "?" a character or stray byte.
TEST(CodePage1251, UnmappableAndMalformedBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToWindows1251("ä€"), "?\x88");
    EXPECT_EQ(Utf8ToWindows1251("\xFF"
                                "a"),
              "?a");
    EXPECT_EQ(Utf8ToWindows1251("\xD0"), "?");             // cut short
    EXPECT_EQ(Utf8ToWindows1251("\xC0\xAF"), "??");        // overlong "/"
    EXPECT_EQ(Utf8ToWindows1251("\xED\xA0\x80"), "???");   // a surrogate
    EXPECT_EQ(Utf8ToWindows1251("\xF0\x9F\x94\xA7"), "?"); // outside the code page
    EXPECT_EQ(Utf8ToWindows1251("\uFFFD"), "?");
}

TEST(CodePage1251, SameTableAsThePlatformsConverter)
{
    int compared = 0;
    for (unsigned value = 0x80; value < 0x100; ++value) {
        if (value == kUndefinedByte)
            continue;
        const std::optional<std::string> platform = PlatformUtf8(static_cast<unsigned char>(value));
        if (!platform)
            continue;
        EXPECT_EQ(Windows1251ToUtf8(Byte(value)), *platform) << std::hex << value;
        ++compared;
    }
    if (compared == 0)
        GTEST_SKIP() << "no converter for Windows-1251 on this platform";
    EXPECT_EQ(compared, 127);
}

} // namespace
} // namespace kelvane
