// Shortest decimal texts, fixed-width number fields and padding by characters.
#include "numbers/number_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kelvane {
namespace {

TEST(ShortestDecimalText, DropsTrailingZerosAndFloatingResidue)
{
    EXPECT_EQ(ShortestDecimalText(0.23L - 0.20L), "0.03");
    EXPECT_EQ(ShortestDecimalText(1.2L), "1.2");
    EXPECT_EQ(ShortestDecimalText(2.0L), "2");
    EXPECT_EQ(ShortestDecimalText(-0.1L), "-0.1");
    EXPECT_EQ(ShortestDecimalText(0.1L + 0.2L), "0.3");
    EXPECT_EQ(ShortestDecimalText(2.48L - 0.005L), "2.475");
    EXPECT_EQ(ShortestDecimalText(122.0L / 100.0L + 0.005L), "1.225");
    EXPECT_EQ(ShortestDecimalText(0.15L - 0.2L), "-0.05");
}

TEST(ShortestDecimalText, ZeroOfEitherSignIsPlainZero)
{
    EXPECT_EQ(ShortestDecimalText(0.0L), "0");
    EXPECT_EQ(ShortestDecimalText(-0.0L), "0");
    EXPECT_EQ(ShortestDecimalText(0.2L - 0.2L), "0");
}

TEST(ShortestDecimalText, RoundsToFifteenSignificantDigits)
{
    EXPECT_EQ(ShortestDecimalText(1.0L / 3.0L), "0.333333333333333");
    EXPECT_EQ(ShortestDecimalText(2.0L / 3.0L), "0.666666666666667");
    EXPECT_EQ(ShortestDecimalText(-12.3456789012345678L), "-12.3456789012346");
}

// Plain notation holds from 1e-4 up to 15 integer digits; clearances, thicknesses and deviations
// (at least 0.001 when not zero) lie far inside. Beyond the range the general format switches to an
// exponent, which no caller should ever meet.
TEST(ShortestDecimalText, NoExponentInsideTheRangeOfUse)
{
    EXPECT_EQ(ShortestDecimalText(0.0001L), "0.0001");
    EXPECT_EQ(ShortestDecimalText(-0.001L), "-0.001");
    EXPECT_EQ(ShortestDecimalText(0.005L), "0.005");
    EXPECT_EQ(ShortestDecimalText(350.0L), "350");
    EXPECT_EQ(ShortestDecimalText(123456789012345.0L), "123456789012345");
    EXPECT_EQ(ShortestDecimalText(0.00005L), "5e-05");
    EXPECT_EQ(ShortestDecimalText(1e15L), "1e+15");
}

// Every value that needs an exponent or lies on a half takes the exact writer; its texts are glibc's
// printf's, whatever the platform.
TEST(ShortestDecimalText, ExponentsTiesAndTheEndsOfTheRange)
{
    using Limits = std::numeric_limits<long double>;
    EXPECT_EQ(ShortestDecimalText(Limits::max()), "1.18973149535723e+4932");
    EXPECT_EQ(ShortestDecimalText(Limits::lowest()), "-1.18973149535723e+4932");
    EXPECT_EQ(ShortestDecimalText(Limits::min()), "3.36210314311209e-4932");
    EXPECT_EQ(ShortestDecimalText(Limits::denorm_min()), "3.64519953188247e-4951");
    EXPECT_EQ(ShortestDecimalText(3 * Limits::denorm_min()), "1.09355985956474e-4950");
    EXPECT_EQ(ShortestDecimalText(0x1p-16400L), "1.28254056667789e-4937");
    EXPECT_EQ(ShortestDecimalText(0x1p63L), "9.22337203685478e+18");
    EXPECT_EQ(ShortestDecimalText(-1e300L), "-1e+300");
    EXPECT_EQ(ShortestDecimalText(0.00009999999999999995L), "9.99999999999999e-05");
    // Exact halves in the sixteenth digit go to the even neighbour.
    EXPECT_EQ(ShortestDecimalText(999999999999999.5L), "1e+15");
    EXPECT_EQ(ShortestDecimalText(999999999999998.5L), "999999999999998");
    EXPECT_EQ(ShortestDecimalText(123456789012345.5L), "123456789012346");
    EXPECT_EQ(ShortestDecimalText(123456789012344.5L), "123456789012344");
    EXPECT_EQ(ShortestDecimalText(12345678901234.25L), "12345678901234.2");
    EXPECT_EQ(ShortestDecimalText(12345678901234.75L), "12345678901234.8");
    EXPECT_EQ(ShortestDecimalText(10000000000000050.0L), "1e+16");
    EXPECT_EQ(ShortestDecimalText(10000000000000150.0L), "1.00000000000002e+16");
    EXPECT_EQ(ShortestDecimalText(Limits::infinity()), "inf");
    EXPECT_EQ(ShortestDecimalText(-Limits::infinity()), "-inf");
    EXPECT_EQ(ShortestDecimalText(Limits::quiet_NaN()), "nan");
}

// The text must be glibc's printf's general format digit for digit, also for values a hair either
// side of a rounding half and across the switch to an exponent; libstdc++'s to_chars gives them there.
// MinGW's libstdc++ cannot be relied on for long double, so there mingw-w64's own printf (gdtoa) is
// asked; it gave glibc's texts for over half a million values, subnormals and halves included.
std::string LibraryText(long double value)
{
    std::array<char, 64> buffer{};
#if defined(__MINGW32__)
    const int length = __mingw_snprintf(buffer.data(), buffer.size(), "%.15Lg", value);
    std::string text(buffer.data(), static_cast<std::size_t>(length));
#else
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
#endif
    return text == "-0" ? "0" : text;
}

TEST(ShortestDecimalText, SameAsTheLibraryGeneralFormat)
{
    std::vector<long double> values;
    // Thousandths as typed and as the arithmetic leaves them (sums and differences with residue).
    for (int n = -4000; n <= 4000; ++n) {
        const long double typed = static_cast<long double>(n) / 1000.0L;
        values.push_back(typed);
        values.push_back((1.225L + typed) - 0.2L);
        values.push_back(std::nearbyint(((1.3L - 1.275L) + typed) * 1000.0L) / 1000.0L);
    }
    // Values next to a half in the sixteenth digit, and next to the powers of ten where the
    // digit count or the notation changes.
    for (const long double half : {0.1234567890123455L, 1.000000000000005L, 2.475000000000005L,
                                   99999.99999999995L, 0.00009999999999999995L, 999999999999999.5L}) {
        long double below = half;
        long double above = half;
        for (int step = 0; step < 40; ++step) {
            below = std::nextafter(below, 0.0L);
            above = std::nextafter(above, 1e30L);
            values.push_back(below);
            values.push_back(above);
        }
    }
    for (int power = -7; power <= 17; ++power) {
        const long double exact = std::pow(10.0L, static_cast<long double>(power));
        values.push_back(exact);
        values.push_back(std::nextafter(exact, 0.0L));
        values.push_back(std::nextafter(exact, 1e30L));
    }
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<long double> exponent(-6.0L, 16.0L);
    for (int i = 0; i < 200000; ++i) {
        const long double value = std::pow(10.0L, exponent(random));
        values.push_back(i % 2 == 0 ? value : -value);
    }
    // Any value at all, subnormals included, and exact halves in the sixteenth digit: sixteen-digit
    // odd multiples of 5^k, divided by 10^k.
    for (int i = 0; i < 10000; ++i) {
        const std::uint64_t significand = random() >> (i % 4 == 0 ? random() % 64 : 0);
        const int binaryExponent = static_cast<int>(random() % (16320 + 16445 + 1)) - 16445;
        values.push_back(std::ldexp(static_cast<long double>(significand), binaryExponent));
        const int halvings = static_cast<int>(random() % 8);
        std::uint64_t fives = 1;
        for (int k = 0; k < halvings; ++k)
            fives *= 5;
        const std::uint64_t odd =
            (1'000'000'000'000'000u / fives + random() % (9'000'000'000'000'000u / fives)) | 1;
        values.push_back(
            std::ldexp(static_cast<long double>(halvings == 0 ? odd / 10 * 10 + 5 : odd), -halvings));
    }
    int mismatches = 0;
    for (const long double value : values) {
        if (ShortestDecimalText(value) != LibraryText(value) && ++mismatches <= 10)
            ADD_FAILURE() << LibraryText(value) << " printed as " << ShortestDecimalText(value);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ShortestDecimalText, PointSeparatorWhateverTheLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* candidates[] = {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU"};
    const char* applied = nullptr;
    for (const char* name : candidates) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
            applied = name;
            break;
        }
    }
    if (applied == nullptr) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string text = ShortestDecimalText(1.225L);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "1.225") << applied;
}

TEST(CharacterCount, CountsCodePointsNotBytes)
{
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(CharacterCount("122"), 3u);
    EXPECT_EQ(CharacterCount("Cylinder 1 ex. I"), 16u);
    EXPECT_EQ(CharacterCount("Цилиндр 2 вп.  II"), 17u);
    EXPECT_EQ(CharacterCount("Ошибка ввода"), 12u);
}

struct FieldCase
{
    const char* text;
    const char* expected;
};

TEST(TwoDecimalField, FieldByLengthOfTheText)
{
    const FieldCase cases[] = {
        {"0", " 0.00"},    {"-1", "-1.00"},   {"0.1", " 0.10"},   {"0.05", " 0.05"},
        {"0.03", " 0.03"}, {"-0.1", " -0.1"}, {"-0.05", "-0.05"}, {"-0.03", "-0.03"},
        {"", ""},          {"-0.125", ""},    {"0.0125", ""},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(TwoDecimalField(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ThreeDecimalField, FieldByLengthAndSignOfTheText)
{
    const FieldCase cases[] = {
        {"2", " 2.000"},     {"3", " 3.000"},      {"0", " 0.000"},      {"-1", "-1.000"},
        {"1.2", " 1.200"},   {"-0.1", "-0.100"},   {"2.15", " 2.150"},   {"-0.05", "-0.050"},
        {"1.225", " 1.225"}, {"-0.025", "-0.025"}, {"-0.005", "-0.005"}, {"", ""},
        {"-0.0125", ""},     {"1.23456", ""},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(ThreeDecimalField(c.text), c.expected) << '"' << c.text << '"';
}

TEST(PadTo20, FillsToTwentyCharacters)
{
    EXPECT_EQ(PadTo20(""), std::string(20, ' '));
    EXPECT_EQ(PadTo20("122"), "122" + std::string(17, ' '));
    EXPECT_EQ(PadTo20("1HX-12168-20-00"), "1HX-12168-20-00     ");
    EXPECT_EQ(PadTo20("Cylinder 1 ex. I"), "Cylinder 1 ex. I    ");
}

TEST(PadTo20, CyrillicTextIsCountedByCharacters)
{
    // 17 characters but 27 bytes: three blanks make it a 20-character column.
    EXPECT_EQ(PadTo20("Цилиндр 2 вп.  II"), "Цилиндр 2 вп.  II   ");
    EXPECT_EQ(CharacterCount(PadTo20("Цилиндр 4 вып. II")), 20u);
}

TEST(PadTo20, LongTextsAreLeftAlone)
{
    EXPECT_EQ(PadTo20("12345678901234567890"), "12345678901234567890");
    EXPECT_EQ(PadTo20("123456789012345678901"), "123456789012345678901");
}

} // namespace
} // namespace kelvane
