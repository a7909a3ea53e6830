// Reading decimal texts: blanks only at the ends, and exactly the library reader's values.
#include "numbers/number_parsing.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kelvane {
namespace {

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

// Every text must give exactly the value the library's reader gives, whichever way it is read.
TEST(ParseFieldText, SameValueAsTheLibraryReader)
{
    const auto libraryValue = [](const std::string& text) -> std::optional<long double> {
        long double value = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (error != std::errc{} || stop != end || !std::isfinite(value))
            return std::nullopt;
        return value;
    };
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
                                      "9999999999999999999.5"};
    std::mt19937_64 random(8);
    for (int i = 0; i < 50000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        text += std::to_string(random() % 100000);
        if (random() % 8 != 0)
            text += "." + std::to_string(random() % 10000000000000000000u).substr(0, 1 + random() % 19);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const auto ours = ParseDecimal(text);
        const auto library = libraryValue(text);
        ASSERT_EQ(ours.has_value(), library.has_value()) << text;
        if (ours) {
            EXPECT_EQ(*ours, *library) << text;
            EXPECT_EQ(std::signbit(*ours), std::signbit(*library)) << text;
        }
    }
}

} // namespace
} // namespace kelvane
