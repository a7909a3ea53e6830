// Seeded random reports: whatever the windows hold, composing never crashes and every character of
// every line can be written in the Windows-1251 code page of the report file.
#include "catalogue/shim_catalogue.h"
#include "numbers/number_fields.h"
#include "report/report_text.h"
#include "seeded_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvane {
namespace {

constexpr int kReportCases = 10'000;

// The characters of bytes 0x80..0xFF of Windows-1251, by byte; 0x98 is unassigned (a noncharacter here).
constexpr char32_t kUnassigned = 0xFFFF;
constexpr std::array<char32_t, 128> kWindows1251Upper{
    0x0402,      0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A,      0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    kUnassigned, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4,      0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0,      0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458,      0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418,      0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424,      0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430,      0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C,      0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448,      0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// A line of the file: printable ASCII or an upper-half character of the code page. Control characters
// (line ends above all) have no place inside a line.
bool PrintableIn1251(char32_t c)
{
    if (c >= 0x20 && c < 0x7F)
        return true;
    return c != kUnassigned &&
           std::find(kWindows1251Upper.begin(), kWindows1251Upper.end(), c) != kWindows1251Upper.end();
}

// Decodes strict UTF-8; nullopt for a malformed sequence.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            c = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + length > text.size())
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out.push_back(c);
        i += length;
    }
    return out;
}

constexpr std::array<Brand, 4> kBrands{Brand::Honda, Brand::Yamaha, Brand::Kawasaki, Brand::Suzuki};
constexpr std::array<ShimDiameter, 3> kDiameters{ShimDiameter::D748, ShimDiameter::D948, ShimDiameter::Third};
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

// A masked field as it may stand at the click: digits, the point and mask blanks.
std::string MaskText(SeededRandom& random, std::string_view mask)
{
    std::string text(mask);
    for (char& c : text) {
        if (c == '0')
            c = random.Percent(90) ? random.PickChar("0123456789") : ' ';
    }
    return text;
}

std::string AnyNumberLabel(SeededRandom& random)
{
    if (random.Percent(80))
        return std::to_string(random.Between(100, 350));
    return std::to_string(random.Pick(std::array{kIntMin, kIntMax, 0, -5, 999'999}));
}

long double AnyClearance(SeededRandom& random)
{
    if (random.Percent(85))
        return static_cast<long double>(random.Between(0, 99)) / 100.0L;
    return random.AnyLongDouble();
}

std::string AnyListNumber(SeededRandom& random)
{
    switch (random.Below(10)) {
    case 0:
        return random.Pick(std::array{"-5", "0", "99999999999", "12a", " 120", "+120"});
    case 1:
        return std::to_string(random.Between(kIntMin, kIntMax));
    default:
        return std::to_string(random.Between(115, 355));
    }
}

ReportListRow AnyListRow(SeededRandom& random, Language language, CatalogueKey key, bool interchange)
{
    ReportListRow row;
    if (random.Percent(30))
        return row; // a row not in use
    const auto valveName = [&random, language] {
        return ValveDesignation(static_cast<int>(random.Between(1, kValveTotal)), language);
    };
    row.shimNumber = AnyListNumber(random);
    if (interchange)
        row.first = valveName();
    else
        row.first = random.Percent(20)
                        ? std::string()
                        : std::string(PartNumberForShim(key, 120 + 5 * static_cast<int>(random.Below(40))));
    row.destination = valveName();
    return row;
}

struct GeneratedReport
{
    std::optional<ReportInput> input; // none when the drawn indexes name no brand, diameter or count
    bool indexesValid = true;
};

// The window's edge: the selectors' indexes become the report's domain values, or are refused there.
// An empty brand box (-1) names no catalogue, and then the diameter is not read.
bool TakeIndexes(ReportInput& in, int brandIndex, int diameterIndex, int cylinderIndex, int selectionMode)
{
    const std::optional<CylinderCount> cylinders = CylinderCountFromIndex(cylinderIndex);
    if (!cylinders)
        return false;
    in.cylinders = *cylinders;
    in.selectionMode = selectionMode == 0 ? SelectionMode::OutOfToleranceOnly : SelectionMode::Full;
    if (brandIndex == -1) {
        in.brand = std::nullopt;
        return true;
    }
    in.brand = BrandFromIndex(brandIndex);
    const std::optional<ShimDiameter> diameter = ShimDiameterFromIndex(diameterIndex);
    if (!in.brand || !diameter)
        return false;
    in.diameter = *diameter;
    return true;
}

GeneratedReport AnyReport(SeededRandom& random)
{
    GeneratedReport g;
    ReportInput in;
    in.language = random.Percent(50) ? Language::English : Language::Russian;
    in.dateText = MaskText(random, "00-00-0000");
    in.timeText = MaskText(random, "00:00:00") + (random.Percent(10) ? " PM" : "");
    in.nominalExhaustText = MaskText(random, "0.00");
    in.nominalIntakeText = MaskText(random, "0.00");
    in.exhaustToleranceText = MaskText(random, "0");
    in.intakeToleranceText = MaskText(random, "0");

    int brandIndex = static_cast<int>(random.Between(-1, 3));
    int diameterIndex = static_cast<int>(random.Between(0, 2));
    int cylinderIndex = static_cast<int>(random.Between(0, 2));
    if (random.Percent(5)) {
        // Indexes no control can hold: refused, never read out of bounds.
        switch (random.Below(3)) {
        case 0:
            brandIndex = random.Pick(std::array{kIntMin, -2, 4, kIntMax});
            break;
        case 1:
            brandIndex = static_cast<int>(random.Between(0, 3));
            diameterIndex = random.Pick(std::array{kIntMin, -1, 3, kIntMax});
            break;
        default:
            cylinderIndex = random.Pick(std::array{kIntMin, -1, 3, kIntMax});
            break;
        }
        g.indexesValid = false;
    } else if (brandIndex == -1 && random.Percent(20)) {
        diameterIndex = random.Pick(std::array{-1, 3}); // no brand: the diameter is not read
    }
    const int selectionMode =
        random.Percent(90) ? static_cast<int>(random.Between(0, 1)) : static_cast<int>(random.Bits());
    in.allNew = random.Percent(30);

    const Brand brand = random.Pick(kBrands);
    const CatalogueKey key{brand, random.Pick(kDiameters)};
    in.thicknessBrand = brand;
    in.nominalExhaust = AnyClearance(random);
    in.nominalIntake = AnyClearance(random);
    for (ReportValve& valve : in.valves) {
        valve.clearanceText = MaskText(random, "0.00");
        valve.installedLabel = AnyNumberLabel(random);
        valve.requiredLabel = AnyNumberLabel(random);
        valve.deviationAfterLabel = ShortestDecimalText(
            random.Percent(90) ? static_cast<long double>(random.Between(-30, 30)) / 1000.0L
                               : random.AnyLongDouble());
        valve.measuredClearance = AnyClearance(random);
    }
    const int interchangeRows = random.Percent(40) ? 0 : static_cast<int>(random.Between(1, 16));
    const int purchaseRows = random.Percent(30) ? 0 : static_cast<int>(random.Between(1, 16));
    for (int row = 0; row < interchangeRows; ++row)
        in.interchange[static_cast<std::size_t>(row)] = AnyListRow(random, in.language, key, true);
    for (int row = 0; row < purchaseRows; ++row)
        in.purchase[static_cast<std::size_t>(row)] = AnyListRow(random, in.language, key, false);
    if (TakeIndexes(in, brandIndex, diameterIndex, cylinderIndex, selectionMode))
        g.input = std::move(in);
    return g;
}

TEST(RandomReport, EveryLineIsPrintableInWindows1251)
{
    SeededRandom random(0x6b656c76'00000051);
    int composed = 0;
    for (int i = 0; i < kReportCases && !HasFailure(); ++i) {
        const GeneratedReport g = AnyReport(random);
        if (!g.input) {
            EXPECT_FALSE(g.indexesValid) << "case " << i << ": indexes a control can hold were refused";
            continue;
        }
        EXPECT_TRUE(g.indexesValid) << "case " << i << ": indexes no control can hold were accepted";
        const std::vector<std::string> lines = ComposeReport(*g.input);
        ++composed;
        ASSERT_GT(lines.size(), 40u) << "case " << i;
        for (std::size_t n = 0; n < lines.size(); ++n) {
            const auto decoded = DecodeUtf8(lines[n]);
            ASSERT_TRUE(decoded.has_value()) << "case " << i << ", line " << n + 1 << ": " << lines[n];
            for (const char32_t c : *decoded) {
                ASSERT_TRUE(PrintableIn1251(c))
                    << "case " << i << ", line " << n + 1 << ": U+" << std::hex
                    << static_cast<std::uint32_t>(c) << " in '" << lines[n] << "'";
            }
        }
    }
    if (!HasFailure()) {
        EXPECT_GT(composed, kReportCases * 9 / 10);
    }
}

// The fixed texts of every combination of language, catalogue and table, with no random input in
// them at all, are in the code page too.
TEST(RandomReport, EverySettingsCombinationIsPrintableInWindows1251)
{
    for (const Language language : {Language::Russian, Language::English}) {
        for (int brand = -1; brand <= 3; ++brand) {
            for (int diameter = 0; diameter <= 2; ++diameter) {
                for (int cylinders = 0; cylinders <= 2; ++cylinders) {
                    for (const bool allNew : {false, true}) {
                        ReportInput in;
                        in.language = language;
                        ASSERT_TRUE(TakeIndexes(in, brand, diameter, cylinders, allNew ? 1 : 0));
                        in.allNew = allNew;
                        in.interchange[0] = {ValveDesignation(1, language), "120",
                                             ValveDesignation(2, language)};
                        in.purchase[0] = {"12345-678-9000", "122", ValveDesignation(16, language)};
                        for (const std::string& line : ComposeReport(in)) {
                            const auto decoded = DecodeUtf8(line);
                            ASSERT_TRUE(decoded.has_value()) << line;
                            for (const char32_t c : *decoded)
                                ASSERT_TRUE(PrintableIn1251(c))
                                    << "U+" << std::hex << static_cast<std::uint32_t>(c) << " in '" << line
                                    << "'";
                        }
                    }
                }
            }
        }
    }
}

// The table itself: the bytes the report needs beyond ASCII are where the code page puts them.
TEST(RandomReport, CodePageTableHoldsTheReportsCharacters)
{
    EXPECT_EQ(kWindows1251Upper[0xB1 - 0x80], U'±');
    EXPECT_EQ(kWindows1251Upper[0xC0 - 0x80], U'А');
    EXPECT_EQ(kWindows1251Upper[0xE5 - 0x80], U'е');
    EXPECT_EQ(kWindows1251Upper[0xFF - 0x80], U'я');
    EXPECT_EQ(kWindows1251Upper[0xA8 - 0x80], U'Ё');
    EXPECT_EQ(kWindows1251Upper[0xB8 - 0x80], U'ё');
    EXPECT_EQ(kWindows1251Upper[0x97 - 0x80], U'—');
    EXPECT_FALSE(PrintableIn1251(U'\r'));
    EXPECT_FALSE(PrintableIn1251(U'€' + 1));
}

} // namespace
} // namespace kelvane
