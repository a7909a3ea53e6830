// Reading decimal texts: blanks only at the ends, and exactly the correctly rounded values.
#include "numbers/number_parsing.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kelvane {
namespace {

// The reader the values are checked against. glibc's strtold behind libstdc++'s from_chars rounds
// correctly. MinGW's libstdc++ reads long double through double, so there mingw-w64's own strtold
// (gdtoa) is asked, and only about texts from_chars would read whole: strtold also takes leading
// blanks, a plus sign and hexadecimal.
std::optional<long double> TrustedValue(const std::string& text)
{
#if defined(__MINGW32__)
    if (text.empty() || text.front() == '+' || std::isspace(static_cast<unsigned char>(text.front())) ||
        text.find_first_of("xX") != std::string::npos)
        return std::nullopt;
    errno = 0;
    char* stop = nullptr;
    const long double value = __mingw_strtold(text.c_str(), &stop);
    if (errno == ERANGE || stop != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
#else
    long double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
#endif
}

TEST(ParseFieldText, NumbersWithBlanksOnlyAtTheEnds)
{
    EXPECT_EQ(ParseInteger(" 42 "), 42);
    EXPECT_EQ(ParseInteger("-3"), -3);
    EXPECT_FALSE(ParseInteger("4 2"));
    EXPECT_FALSE(ParseInteger("   "));
    EXPECT_FALSE(ParseInteger("1.5"));
    ASSERT_TRUE(ParseDecimal("2.9  "));
    EXPECT_EQ(*ParseDecimal("2.9  "), 2.9L);
    EXPECT_EQ(*ParseDecimal("-0.05"), -0.05L);
    EXPECT_FALSE(ParseDecimal("2 .9"));
    EXPECT_FALSE(ParseDecimal(""));
}

// Every text must give exactly the value the trusted reader gives, whichever way it is read.
TEST(ParseFieldText, SameValueAsTheLibraryReader)
{
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "-0.00",
                                      "0.2",
                                      "1.225",
                                      "007.50",
                                      "2.",
                                      ".5",
                                      "-.5",
                                      "-",
                                      ".",
                                      "1e3",
                                      "1.5e-2",
                                      "+1",
                                      "0x1p3",
                                      "1..2",
                                      "1.2.3",
                                      "--1",
                                      "12345678901234567890",
                                      "1234567890123456789",
                                      "0.1234567890123456789",
                                      "1.00000000000000000005",
                                      "9999999999999999999.5",
                                      "2.5E+10",
                                      "-7.25e-3",
                                      "1e-4940",
                                      "1e5000",
                                      "0e-99999",
                                      "1.18973149535723176502e+4932",
                                      "1.18973149535723176508e+4932",
                                      "3.36210314311209350626e-4932",
                                      "3.362103143112093506e-4932"};
    std::mt19937_64 random(8);
    for (int i = 0; i < 50000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        text += std::to_string(random() % 100000);
        if (random() % 8 != 0)
            text += "." + std::to_string(random() % 10000000000000000000u).substr(0, 1 + random() % 19);
        texts.push_back(text);
    }
    // Exponents across the whole range and more digits than the fast path takes.
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        std::string digits = std::to_string(random());
        digits += std::to_string(random() % 1000);
        digits.insert(1 + random() % digits.size(), ".");
        text += digits;
        text += random() % 2 == 0 ? "e" : "E-";
        text += std::to_string(random() % (i % 2 == 0 ? 40 : 4960));
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const auto ours = ParseDecimal(text);
        const auto library = TrustedValue(text);
        ASSERT_EQ(ours.has_value(), library.has_value()) << text;
        if (ours) {
            EXPECT_EQ(*ours, *library) << text;
            EXPECT_EQ(std::signbit(*ours), std::signbit(*library)) << text;
        }
    }
}

// The exact reader takes what the fast path leaves, also where the digits lie on or next to a half
// between two neighbouring values. The compiler's own reading of the literals is the reference.
TEST(ParseFieldText, ExponentsLongTextsAndHalfwayPoints)
{
    EXPECT_EQ(ParseDecimal("1e3"), 1000.0L);
    EXPECT_EQ(ParseDecimal("-7.25e-3"), -7.25e-3L);
    EXPECT_EQ(ParseDecimal(" 2.5E+10 "), 2.5e10L);
    EXPECT_EQ(ParseDecimal("12345678901234567890123"), 12345678901234567890123.0L);
    EXPECT_EQ(ParseDecimal("0.1000000000000000000000000000001"), 0.1000000000000000000000000000001L);
    EXPECT_EQ(ParseDecimal("123456789.123456789123456789e-300"), 123456789.123456789123456789e-300L);
    // 1 + 2^-64 and 1 + 3 * 2^-64 lie halfway; each goes to the neighbour with the even significand,
    // unless a digit far beyond the kept ones lifts it above the half.
    const std::string firstHalf = "1.0000000000000000000542101086242752217003726400434970855712890625";
    EXPECT_EQ(ParseDecimal(firstHalf), 1.0L);
    EXPECT_EQ(ParseDecimal(firstHalf + std::string(12000, '0') + "1"), 1.0L + 0x1p-63L);
    EXPECT_EQ(ParseDecimal(firstHalf + std::string(12000, '0') + "e0"), 1.0L);
    EXPECT_EQ(ParseDecimal("1.0000000000000000001626303258728256651101177919304370880126953125"),
              1.0L + 0x1p-62L);
    EXPECT_EQ(ParseDecimal("0." + std::string(5000, '0') + "1e5001"), 1.0L);
    EXPECT_FALSE(ParseDecimal("1e"));
    EXPECT_FALSE(ParseDecimal("1e+"));
    EXPECT_FALSE(ParseDecimal("+1e5"));
    EXPECT_FALSE(ParseDecimal(".e5"));
    EXPECT_FALSE(ParseDecimal("inf"));
    EXPECT_FALSE(ParseDecimal("nan"));
}

// The decimal expansion of m * 2^-16445, the smallest subnormal's multiples: m * 5^16445 * 10^-16445.
std::string SubnormalText(std::uint32_t multiple)
{
    std::vector<std::uint32_t> billions{multiple}; // base 10^9, least significant first
    for (int i = 0; i < 16445; i += 13) {
        std::uint64_t carry = 0;
        for (std::uint32_t& part : billions) {
            carry += std::uint64_t{part} * 1'220'703'125; // 5^13, and 13 divides 16445
            part = static_cast<std::uint32_t>(carry % 1'000'000'000);
            carry /= 1'000'000'000;
        }
        for (; carry != 0; carry /= 1'000'000'000)
            billions.push_back(static_cast<std::uint32_t>(carry % 1'000'000'000));
    }
    std::string text = std::to_string(billions.back());
    for (auto part = billions.rbegin() + 1; part != billions.rend(); ++part) {
        const std::string digits = std::to_string(*part);
        text += std::string(9 - digits.size(), '0') + digits;
    }
    return text + "e-16445";
}

// At the ends of the range glibc reports a value beyond the largest one, or below the normal range
// and not exact, as out of range; such a text is no number.
TEST(ParseFieldText, EndsOfTheRangeAsTheLibraryReportsThem)
{
    using Limits = std::numeric_limits<long double>;
    EXPECT_EQ(ParseDecimal("1.18973149535723176502e+4932"), Limits::max());
    EXPECT_EQ(ParseDecimal("-1.18973149535723176502e+4932"), Limits::lowest());
    EXPECT_FALSE(ParseDecimal("1.18973149535723176508e+4932"));
    EXPECT_FALSE(ParseDecimal("1e4933"));
    EXPECT_EQ(ParseDecimal("3.36210314311209350626e-4932"), Limits::min());
    EXPECT_EQ(ParseDecimal("3.36210314311209350618e-4932"), Limits::min());
    // So close below the smallest normal value that it rounds to it, yet tiny for glibc: rounded to
    // the full 64 bits it would still lie below.
    EXPECT_FALSE(ParseDecimal("3.36210314311209350617e-4932"));
    EXPECT_FALSE(ParseDecimal("3.6451995318824746025e-4951"));
    EXPECT_FALSE(ParseDecimal("1e-5000"));
    EXPECT_EQ(ParseDecimal("-0e-5000"), 0.0L);
    EXPECT_TRUE(std::signbit(ParseDecimal("-0e-5000").value_or(1.0L)));

    for (const std::uint32_t multiple : {1u, 3u, 1'000'001u}) {
        const std::string exact = SubnormalText(multiple);
        EXPECT_EQ(ParseDecimal(exact), multiple * Limits::denorm_min()) << multiple;
        EXPECT_EQ(ParseDecimal(exact), TrustedValue(exact)) << multiple;
        const std::string above = exact.substr(0, exact.find('e')) + "1e-16446";
        EXPECT_FALSE(ParseDecimal(above)) << multiple;
        EXPECT_FALSE(TrustedValue(above)) << multiple;
    }
}

} // namespace
} // namespace kelvane
