// Seeded random inputs against the conversions, the number fields, the field parsing, the recalculation
// and the shim lists: nothing may crash or overflow, and the rules hold for every generated case.
#include "catalogue/shim_conversion.h"
#include "evaluation/recalculation.h"
#include "evaluation/shim_plan.h"
#include "numbers/number_fields.h"
#include "numbers/number_parsing.h"
#include "seeded_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {
namespace {

// Case counts are chosen so that every test stays within a few seconds under AddressSanitizer.
constexpr int kConversionCases = 100'000;
constexpr int kFieldCases = 100'000;
constexpr int kParseCases = 100'000;
constexpr int kRecalculationCases = 20'000;
constexpr int kListCases = 50'000;

constexpr std::array<Brand, 4> kBrands{Brand::Honda, Brand::Yamaha, Brand::Kawasaki, Brand::Suzuki};
constexpr std::array<ShimDiameter, 3> kDiameters{ShimDiameter::D748, ShimDiameter::D948, ShimDiameter::Third};
constexpr ShimNumber kIntMax = std::numeric_limits<ShimNumber>::max();
constexpr ShimNumber kIntMin = std::numeric_limits<ShimNumber>::min();

std::size_t Index(int valve)
{
    return static_cast<std::size_t>(valve - 1);
}

CatalogueKey AnyCatalogue(SeededRandom& random)
{
    return {random.Pick(kBrands), random.Pick(kDiameters)};
}

ShimNumber AnyCatalogueNumber(SeededRandom& random, CatalogueKey key)
{
    return random.Pick(CatalogueFor(key).selectableNumbers);
}

// The spacing of the marks a thickness is rounded to, by the brand's rounding table.
Millimetres GridStep(CatalogueKey key, Millimetres thickness, bool installed)
{
    constexpr Millimetres kQuarter = 0.025L;
    constexpr Millimetres kHalf = 0.05L;
    switch (key.brand) {
    case Brand::Honda:
        return key.diameter == ShimDiameter::Third ? kHalf : kQuarter;
    case Brand::Yamaha:
        return installed ? kQuarter : kHalf;
    case Brand::Kawasaki:
        return key.diameter == ShimDiameter::D948 && thickness > 2.413L && thickness < 2.588L ? kQuarter
                                                                                              : kHalf;
    case Brand::Suzuki:
        return kHalf;
    }
    return kHalf;
}

bool EndsOnGrid(ShimNumber number, Millimetres step)
{
    const ShimNumber last = number % 10;
    if (step < 0.03L)
        return last == 0 || last == 2 || last == 5 || last == 8;
    return last == 0 || last == 5;
}

// A thickness as the mechanic types it, three decimals, or anywhere in between.
Millimetres PlausibleThickness(SeededRandom& random)
{
    if (random.Percent(50))
        return static_cast<Millimetres>(random.Between(0, 9999)) / 1000.0L;
    return random.Unit() * 10;
}

// A whole text read by a correctly rounding reader other than the program's own: libstdc++'s
// from_chars on glibc; on MinGW, where it reads long double through double, mingw-w64's strtold.
std::optional<long double> ParseWhole(std::string_view text)
{
#if defined(__MINGW32__)
    const std::string whole(text);
    if (whole.empty() || whole.front() == '+' || std::isspace(static_cast<unsigned char>(whole.front())) ||
        whole.find_first_of("xX") != std::string::npos)
        return std::nullopt; // strtold takes these, from_chars does not
    errno = 0;
    char* stop = nullptr;
    const long double value = __mingw_strtold(whole.c_str(), &stop);
    if (errno == ERANGE || stop != whole.c_str() + whole.size())
        return std::nullopt;
    return value;
#else
    long double value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || stop != text.data() + text.size())
        return std::nullopt;
    return value;
#endif
}

// Equal up to the rounding of a fifteen-digit text (subnormal values to their coarser spacing);
// infinities and NaN only to themselves.
bool SameToFifteenDigits(long double shown, long double exact)
{
    if (std::isnan(exact))
        return std::isnan(shown);
    if (std::isinf(exact))
        return shown == exact;
    return std::fabs(shown - exact) <= std::fabs(exact) * 1e-14L + std::numeric_limits<long double>::min();
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// ---- conversions ----------------------------------------------------------------------------------

TEST(RandomConversion, PlausibleThicknessesGoToTheNearestMarkOfTheirGrid)
{
    SeededRandom random(0x6b656c76'00000001);
    for (int i = 0; i < kConversionCases && !HasFailure(); ++i) {
        const CatalogueKey key = AnyCatalogue(random);
        const bool installed = random.Percent(50);
        const Millimetres thickness = PlausibleThickness(random);
        const ShimNumber number = ThicknessToShimNumber(key, thickness, installed);
        const Millimetres step = GridStep(key, thickness, installed);
        const Millimetres mark = ShimNumberToThickness(key.brand, number);
        // The quarter-step thresholds sit off the midpoints (0.65 of a tenth rather than 0.625), so a
        // mark may lie 0.015 mm away; a half-step mark at most half a step. The nudge adds 0.00001 mm.
        const Millimetres reach = step < 0.03L ? 0.015L + 0.00002L : 0.025L + 0.00002L;
        EXPECT_TRUE(EndsOnGrid(number, step))
            << "case " << i << ": " << double(thickness) << " mm gave " << number;
        EXPECT_LE(std::fabs(mark - thickness), reach)
            << "case " << i << ": " << double(thickness) << " mm gave " << number;
    }
}

TEST(RandomConversion, ThickerNeverGivesASmallerNumber)
{
    SeededRandom random(0x6b656c76'00000002);
    for (int i = 0; i < kConversionCases && !HasFailure(); ++i) {
        const CatalogueKey key = AnyCatalogue(random);
        const bool installed = random.Percent(50);
        const auto draw = [&random]() -> Millimetres {
            if (random.Percent(70))
                return PlausibleThickness(random);
            const long double any = random.AnyLongDouble();
            return std::isnan(any) ? 0.0L : std::fabs(any);
        };
        Millimetres thin = draw();
        Millimetres thick = random.Percent(30) ? thin + random.Unit() * 0.05L : draw();
        if (thick < thin)
            std::swap(thin, thick);
        EXPECT_LE(ThicknessToShimNumber(key, thin, installed), ThicknessToShimNumber(key, thick, installed))
            << "case " << i << ": " << double(thin) << " and " << double(thick) << " mm";
    }
}

// Huge, tiny, negative and non-finite thicknesses: the number stays within the reach of the thickness
// in hundredths, clipped to the integer range instead of wrapping round.
TEST(RandomConversion, AnyThicknessGivesANumberNearItsHundredths)
{
    SeededRandom random(0x6b656c76'00000003);
    for (int i = 0; i < kConversionCases && !HasFailure(); ++i) {
        const CatalogueKey key = AnyCatalogue(random);
        const bool installed = random.Percent(50);
        const long double thickness =
            random.Percent(50) ? random.AnyLongDouble()
                               : (random.Unit() - 0.5L) * random.Pick(std::array{2.0L, 1e3L, 1e8L});
        const ShimNumber number = ThicknessToShimNumber(key, thickness, installed);
        if (std::isnan(thickness))
            continue; // no thickness at all: any number will do, as long as nothing overflows
        // Half a half-step either way; below zero the fraction of a tenth is mirrored, which can move
        // the mark up to two tenths.
        const long double reach = thickness >= 0 ? 2.6L : 20.0L;
        const auto clip = [](long double v) {
            return std::clamp(v, static_cast<long double>(kIntMin), static_cast<long double>(kIntMax));
        };
        const long double hundredths = thickness * 100;
        EXPECT_GE(static_cast<long double>(number), std::floor(clip(hundredths - reach)))
            << "case " << i << ": " << double(thickness) << " mm";
        EXPECT_LE(static_cast<long double>(number), std::ceil(clip(hundredths + reach)))
            << "case " << i << ": " << double(thickness) << " mm";
    }
}

TEST(RandomConversion, EveryNumberReadsAsItsHundredthsWithinHalfAHundredth)
{
    SeededRandom random(0x6b656c76'00000004);
    for (int i = 0; i < kConversionCases && !HasFailure(); ++i) {
        ShimNumber number = 0;
        switch (random.Below(3)) {
        case 0:
            number = static_cast<ShimNumber>(random.Between(kIntMin, kIntMax));
            break;
        case 1:
            number = static_cast<ShimNumber>(random.Between(-1000, 1000));
            break;
        default:
            number = random.Pick(std::array{kIntMin, kIntMin + 1, kIntMax, kIntMax - 1, 0, -2, -8});
            break;
        }
        const Brand brand = random.Pick(kBrands);
        const Millimetres thickness = ShimNumberToThickness(brand, number);
        ASSERT_TRUE(std::isfinite(thickness)) << number;
        EXPECT_LE(std::fabs(thickness - static_cast<Millimetres>(number) / 100), 0.005L + 1e-12L)
            << "case " << i << ": number " << number;
    }
}

// A shim's thickness, even as typed with a few thousandths of measuring error, converts back to the
// shim's number: for every catalogue number and for every number of the catalogue's grid beyond it.
TEST(RandomConversion, ThicknessOfANumberConvertsBackToIt)
{
    SeededRandom random(0x6b656c76'00000005);
    for (int i = 0; i < kConversionCases && !HasFailure(); ++i) {
        const CatalogueKey key = AnyCatalogue(random);
        bool installed = random.Percent(50);
        ShimNumber number = 0;
        if (random.Percent(50)) {
            number = AnyCatalogueNumber(random, key);
        } else {
            const ShimNumber tenth = 10 * static_cast<ShimNumber>(random.Between(0, 100'000));
            number = tenth + random.Pick(std::array{0, 2, 5, 8});
        }
        // Numbers ending in 2 or 8 are marks only where the rounding uses quarter steps; elsewhere
        // the case takes the half-step mark of the same tenth.
        const ShimNumber last = number % 10;
        if (last == 2 || last == 8) {
            if (key.brand == Brand::Yamaha)
                installed = true;
            const bool quarterGrid = (key.brand == Brand::Honda && key.diameter != ShimDiameter::Third) ||
                                     key.brand == Brand::Yamaha ||
                                     (key.brand == Brand::Kawasaki && key.diameter == ShimDiameter::D948 &&
                                      number > 240 && number < 260);
            if (!quarterGrid)
                number += (last == 2 ? 0 : 5) - last;
        }
        const Millimetres measuringError = (random.Unit() - 0.5L) * 0.008L;
        const Millimetres thickness = ShimNumberToThickness(key.brand, number) + measuringError;
        EXPECT_EQ(ThicknessToShimNumber(key, thickness, installed), number)
            << "case " << i << ": " << double(thickness) << " mm, installed " << installed;
    }
}

// ---- number fields ------------------------------------------------------------------------------

// A value of the kinds the lists and the report print, or any value at all.
long double AnyPrintedValue(SeededRandom& random)
{
    switch (random.Below(4)) {
    case 0:
        return static_cast<long double>(random.Between(-1000, 1000)) / 1000.0L; // deviation after
    case 1:
        return static_cast<long double>(random.Between(-100, 100)) / 100.0L; // deviation before
    case 2:
        return static_cast<long double>(random.Between(0, 4000)) / 1000.0L; // thickness
    default:
        return random.AnyLongDouble();
    }
}

void ExpectField(const std::string& field, const std::string& text, std::size_t width, const char* name,
                 int i)
{
    const std::size_t length = CharacterCount(text);
    if (length == 0 || length > width) {
        EXPECT_EQ(field, "") << name << ", case " << i << ": '" << text << "'";
        return;
    }
    EXPECT_EQ(CharacterCount(field), width)
        << name << ", case " << i << ": '" << text << "' -> '" << field << "'";
    EXPECT_NE(field.find(text), std::string::npos) << name << ", case " << i << ": '" << text << "'";
}

TEST(RandomNumberFields, ShortestTextsOfAnyValueGiveFullFieldsOrNone)
{
    SeededRandom random(0x6b656c76'00000011);
    for (int i = 0; i < kFieldCases && !HasFailure(); ++i) {
        const long double value = AnyPrintedValue(random);
        const std::string text = ShortestDecimalText(value);
        const std::string two = TwoDecimalField(text);
        const std::string three = ThreeDecimalField(text);
        ExpectField(two, text, 5, "two decimals", i);
        ExpectField(three, text, 6, "three decimals", i);

        if (!std::isfinite(value))
            continue;
        EXPECT_NE(text, "-0");
        if (std::fabs(value) < std::numeric_limits<long double>::min() * 1e3L)
            continue; // (nearly) subnormal: never printed, and fifteen digits may round it out of range
        // Fifteen significant digits: the text reads back as the value up to the last of them.
        const auto back = ParseWhole(text);
        ASSERT_TRUE(back.has_value()) << "case " << i << ": '" << text << "'";
        EXPECT_TRUE(SameToFifteenDigits(*back, value)) << "case " << i << ": '" << text << "'";
        // A field only pads the text: it still reads as the same value.
        for (const std::string& field : {two, three}) {
            if (field.empty())
                continue;
            const auto fieldValue = ParseWhole(Trimmed(field));
            ASSERT_TRUE(fieldValue.has_value()) << "case " << i << ": '" << field << "'";
            EXPECT_EQ(*fieldValue, *back) << "case " << i << ": '" << text << "' -> '" << field << "'";
        }
    }
}

TEST(RandomNumberFields, AnyUtf8TextGivesFullFieldsOrNoneAndPadsToTwenty)
{
    SeededRandom random(0x6b656c76'00000012);
    for (int i = 0; i < kFieldCases && !HasFailure(); ++i) {
        std::string text;
        switch (random.Below(3)) {
        case 0:
            text = random.Utf8Text(8);
            break;
        case 1:
            text = random.Utf8Text(30);
            break;
        default:
            text = random.RawBytes(24);
            break; // not UTF-8 at all: still no overrun
        }
        ExpectField(TwoDecimalField(text), text, 5, "two decimals", i);
        ExpectField(ThreeDecimalField(text), text, 6, "three decimals", i);

        const std::string padded = PadTo20(text);
        const std::size_t length = CharacterCount(text);
        EXPECT_EQ(CharacterCount(padded), std::max<std::size_t>(length, 20)) << "case " << i;
        ASSERT_TRUE(padded.starts_with(text)) << "case " << i;
        EXPECT_EQ(padded.find_first_not_of(' ', text.size()), std::string::npos) << "case " << i;
    }
}

// ---- field parsing ------------------------------------------------------------------------------

constexpr std::string_view kNumberAlphabet = "0123456789 .-+eE";

std::string AnyFieldText(SeededRandom& random)
{
    switch (random.Below(8)) {
    case 0:
        return random.TextOf("0123456789 .-", 6);
    case 1:
        return random.TextOf("0123456789", 12); // long runs of digits overflow an int
    case 2:
        return random.Pick(std::array{"inf", "-inf", "nan", "1e5000", "-1e-5000", "0x10", "1,5", "٣", "1e"});
    case 3: {
        // A valid number with mask blanks around it.
        std::string text(random.Below(3), ' ');
        text += ShortestDecimalText(AnyPrintedValue(random));
        text.append(random.Below(3), ' ');
        return text;
    }
    default:
        return random.TextOf(kNumberAlphabet, 10);
    }
}

// Decimal exponent of the first significant digit of a text of the floating-point grammar, capped.
long long DecimalMagnitude(std::string_view digits, std::string_view exponent)
{
    long long position = 0;
    bool pointSeen = false;
    long long magnitude = std::numeric_limits<long long>::min();
    for (const char c : digits) {
        if (c == '.') {
            pointSeen = true;
            continue;
        }
        if (!pointSeen)
            ++position;
        else
            --position;
        if (c != '0' && magnitude == std::numeric_limits<long long>::min())
            magnitude = pointSeen ? position : position - 1;
    }
    if (magnitude == std::numeric_limits<long long>::min())
        return 0; // zero
    long long e = 0;
    bool negative = false;
    for (const char c : exponent) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9')
            e = std::min(e * 10 + (c - '0'), 1'000'000LL);
    }
    return magnitude + (negative ? -e : e);
}

// Whether a text without blanks has the shape of a decimal number (sign, digits with at most one
// point, optional exponent); sets its decimal magnitude.
bool LooksLikeDecimal(std::string_view text, long long& magnitude)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t mantissaStart = i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    const std::string_view mantissa = text.substr(mantissaStart, i - mantissaStart);
    std::string_view exponent;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t expDigits = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (j == expDigits)
            return false;
        exponent = text.substr(i + 1, j - i - 1);
        i = j;
    }
    magnitude = DecimalMagnitude(mantissa, exponent);
    return i == text.size();
}

TEST(RandomParsing, MillimetreTextsAreAcceptedExactlyWhenTheyAreFiniteDecimals)
{
    SeededRandom random(0x6b656c76'00000021);
    for (int i = 0; i < kParseCases && !HasFailure(); ++i) {
        const std::string text = AnyFieldText(random);
        const auto value = ParseDecimal(text);
        const std::string_view core = Trimmed(text);
        long long magnitude = 0;
        const bool shaped = LooksLikeDecimal(core, magnitude);
        if (value) {
            ASSERT_TRUE(shaped) << "case " << i << ": accepted '" << text << "'";
            ASSERT_TRUE(std::isfinite(*value)) << "case " << i << ": '" << text << "'";
            // What was accepted reads back from its shortest text, and blanks at the ends change nothing.
            const auto again = ParseDecimal(ShortestDecimalText(*value));
            ASSERT_TRUE(again.has_value()) << "case " << i << ": '" << text << "'";
            EXPECT_TRUE(SameToFifteenDigits(*again, *value)) << "case " << i << ": '" << text << "'";
            const auto padded = ParseDecimal("  " + text + " ");
            ASSERT_TRUE(padded.has_value()) << "case " << i;
            EXPECT_EQ(*padded, *value) << "case " << i;
        } else {
            // Rejected: not a decimal, a blank inside, or beyond the range of the type.
            EXPECT_TRUE(!shaped || magnitude > 4000 || magnitude < -4000)
                << "case " << i << ": rejected '" << text << "'";
        }
    }
}

TEST(RandomParsing, IntegerTextsAreAcceptedExactlyWhenTheyAreDigitsWithinRange)
{
    SeededRandom random(0x6b656c76'00000022);
    for (int i = 0; i < kParseCases && !HasFailure(); ++i) {
        std::string text;
        if (random.Percent(40)) {
            text = std::string(random.Below(3), ' ') +
                   std::to_string(random.Between(std::numeric_limits<int>::min() - 10LL,
                                                 std::numeric_limits<int>::max() + 10LL)) +
                   std::string(random.Below(3), ' ');
        } else {
            text = AnyFieldText(random);
        }
        const std::string_view core = Trimmed(text);
        // The oracle: an optional minus and decimal digits, read into a wide integer.
        std::optional<long long> expected;
        const std::string_view digits = core.starts_with('-') ? core.substr(1) : core;
        if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos) {
            long long magnitude = 0;
            for (const char c : digits)
                magnitude = std::min(magnitude * 10 + (c - '0'), 1LL << 40);
            const long long signedValue = core.starts_with('-') ? -magnitude : magnitude;
            if (signedValue >= std::numeric_limits<int>::min() &&
                signedValue <= std::numeric_limits<int>::max())
                expected = signedValue;
        }
        const auto value = ParseInteger(text);
        ASSERT_EQ(value.has_value(), expected.has_value()) << "case " << i << ": '" << text << "'";
        if (value) {
            EXPECT_EQ(*value, *expected) << "case " << i << ": '" << text << "'";
            EXPECT_EQ(ParseInteger(std::to_string(*value)), value) << "case " << i;
        }
    }
}

// ---- recalculation ------------------------------------------------------------------------------

std::string ClearanceText(SeededRandom& random)
{
    // The mask "0.00" as the field shows it.
    return "0." + std::to_string(random.Between(0, 9)) + std::to_string(random.Between(0, 9));
}

struct RecalculationCase
{
    PerValve<ValveReading> readings;
    EngineSettings settings;
};

RecalculationCase AnyRecalculationCase(SeededRandom& random)
{
    RecalculationCase c;
    EngineSettings& s = c.settings;
    s.catalogue = AnyCatalogue(random);
    s.minThickness = CatalogueFor(s.catalogue).minThickness;
    s.maxThickness = CatalogueFor(s.catalogue).maxThickness;
    s.nominalExhaustText = ClearanceText(random);
    s.nominalIntakeText = ClearanceText(random);
    s.exhaustToleranceText = std::to_string(random.Between(0, 9));
    s.intakeToleranceText = std::to_string(random.Between(0, 9));
    for (ValveReading& reading : c.readings) {
        reading.clearanceText = ClearanceText(random);
        const bool typed = random.Percent(30);
        reading.shimNumberText =
            typed ? std::string(kBlankShimEntry) : std::to_string(AnyCatalogueNumber(random, s.catalogue));
        const int thousandths = static_cast<int>(random.Between(500, 3999));
        reading.thicknessText = ShortestDecimalText(static_cast<long double>(thousandths) / 1000.0L);
    }
    // Now and then some texts the masks would not let through, or any text at all.
    const int damaged = random.Percent(50) ? static_cast<int>(random.Between(1, 3)) : 0;
    for (int d = 0; d < damaged; ++d) {
        std::string text = AnyFieldText(random);
        switch (random.Below(8)) {
        case 0:
            s.nominalExhaustText = text;
            break;
        case 1:
            s.nominalIntakeText = text;
            break;
        case 2:
            (random.Percent(50) ? s.exhaustToleranceText : s.intakeToleranceText) = text;
            break;
        case 3:
            c.readings[random.Below(kValveTotal)].clearanceText = text;
            break;
        case 4:
            if (text != kBlankShimEntry)
                c.readings[random.Below(kValveTotal)].shimNumberText = text;
            break;
        default:
            c.readings[random.Below(kValveTotal)].thicknessText = text;
            break;
        }
    }
    return c;
}

bool IsTyped(const ValveReading& reading)
{
    return reading.shimNumberText == kBlankShimEntry;
}

// The messages of every text the recalculation reads that does not parse.
std::set<std::string> ExpectedErrors(const RecalculationCase& c)
{
    std::set<std::string> errors;
    const auto needFloat = [&errors](const std::string& text) {
        if (!ParseDecimal(text))
            errors.insert("'" + text + "' is not a valid floating point value");
    };
    const auto needInteger = [&errors](const std::string& text) {
        if (!ParseInteger(text))
            errors.insert("'" + text + "' is not a valid integer value");
    };
    needFloat(c.settings.nominalExhaustText);
    needFloat(c.settings.nominalIntakeText);
    needInteger(c.settings.exhaustToleranceText);
    needInteger(c.settings.intakeToleranceText);
    for (const ValveReading& reading : c.readings) {
        needFloat(reading.clearanceText);
        if (IsTyped(reading))
            needFloat(reading.thicknessText);
        else
            needInteger(reading.shimNumberText);
    }
    return errors;
}

TEST(RandomRecalculation, ProducesEverythingOrNothingAndStaysConsistent)
{
    SeededRandom random(0x6b656c76'00000031);
    int recalculated = 0;
    for (int i = 0; i < kRecalculationCases && !HasFailure(); ++i) {
        const RecalculationCase c = AnyRecalculationCase(random);
        const RecalculationOutcome outcome = Recalculate(c.readings, c.settings);
        const std::set<std::string> errors = ExpectedErrors(c);

        if (!errors.empty()) {
            EXPECT_FALSE(outcome.recalculation.has_value()) << "case " << i;
            ASSERT_TRUE(outcome.error.has_value()) << "case " << i;
            EXPECT_TRUE(errors.contains(outcome.error->message))
                << "case " << i << ": " << outcome.error->message;
            continue;
        }
        ASSERT_FALSE(outcome.error.has_value()) << "case " << i << ": " << outcome.error->message;
        ASSERT_TRUE(outcome.recalculation.has_value()) << "case " << i;
        ++recalculated;
        const Recalculation& r = *outcome.recalculation;

        std::vector<int> low;
        for (int valve = 1; valve <= kValveTotal; ++valve) {
            const std::size_t v = Index(valve);
            const ValveReading& reading = c.readings[v];
            const SnapshotValve& snap = r.snapshot.valves[v];
            const ValveLabels& labels = r.labels[v];
            const Millimetres measured = *ParseDecimal(reading.clearanceText);
            const Millimetres nominal =
                *ParseDecimal(KindOf(valve) == ValveKind::Exhaust ? c.settings.nominalExhaustText
                                                                  : c.settings.nominalIntakeText);
            if (IsTyped(reading)) {
                const Millimetres typed = *ParseDecimal(reading.thicknessText);
                if (typed < c.settings.minThickness)
                    low.push_back(valve);
                EXPECT_EQ(snap.installedNumber, ThicknessToShimNumber(c.settings.catalogue, typed, true))
                    << "case " << i << ", valve " << valve;
            } else {
                EXPECT_EQ(snap.installedNumber, *ParseInteger(reading.shimNumberText))
                    << "case " << i << ", valve " << valve;
            }
            EXPECT_EQ(labels.installedNumber, std::to_string(snap.installedNumber)) << "case " << i;
            EXPECT_EQ(labels.requiredNumber, std::to_string(snap.requiredNumber)) << "case " << i;
            EXPECT_EQ(r.inTolerance[v], snap.inTolerance) << "case " << i;
            EXPECT_EQ(r.results[v].inTolerance, snap.inTolerance) << "case " << i;
            EXPECT_EQ(snap.measuredClearance, measured) << "case " << i;

            // The deviation label reads "<deviation> мм".
            ASSERT_TRUE(labels.deviation.ends_with(" мм")) << "case " << i << ": " << labels.deviation;
            const auto shown =
                ParseWhole(std::string_view(labels.deviation).substr(0, labels.deviation.size() - 5));
            ASSERT_TRUE(shown.has_value()) << "case " << i << ": " << labels.deviation;
            EXPECT_TRUE(SameToFifteenDigits(*shown, measured - nominal))
                << "case " << i << ": " << labels.deviation;

            // For a shim of any real thickness, the shim to install leaves at most half a step (and
            // the rounding to thousandths).
            const Millimetres required = r.results[v].requiredThickness;
            if (required >= 0 && required <= 1e6L) {
                const auto after = ParseWhole(labels.deviationAfter);
                ASSERT_TRUE(after.has_value()) << "case " << i << ": " << labels.deviationAfter;
                EXPECT_LE(std::fabs(*after), 0.0265L) << "case " << i << ", valve " << valve;
                EXPECT_LT(std::fabs(std::nearbyint(*after * 1000) - *after * 1000), 1e-9L)
                    << "case " << i << ": " << labels.deviationAfter;
            }
        }
        EXPECT_EQ(r.lowThicknessValves, low) << "case " << i;
    }
    if (!HasFailure()) {
        // The generator must reach both outcomes often.
        EXPECT_GT(recalculated, kRecalculationCases / 4);
        EXPECT_LT(recalculated, kRecalculationCases * 3 / 4);
    }
}

// ---- shim plan and lists ------------------------------------------------------------------------

ShimNumber AnyShimNumber(SeededRandom& random, CatalogueKey key, const RecalculationSnapshot& snapshot)
{
    switch (random.Below(5)) {
    case 0:
    case 1:
        return AnyCatalogueNumber(random, key);
    case 2:
        return snapshot.valves[random.Below(kValveTotal)].installedNumber; // another valve's shim
    case 3:
        return static_cast<ShimNumber>(random.Between(-50, 500));
    default:
        return random.Pick(std::array{kIntMin, kIntMax, 0, -1, 999, 1'000'000});
    }
}

int AnyValveCount(SeededRandom& random)
{
    if (random.Percent(90))
        return random.Pick(std::array{4, 8, 16});
    return random.Pick(std::array{kIntMin, -4, 0, 1, 5, 15, 17, 100, kIntMax});
}

// Random snapshots, modes, cylinder counts and catalogues. With `noShimAtAll`, every plan has valves
// whose installed number is 0 (a typed thickness of 0.000 reaches the recalculation when Enter is
// pressed before the field is left): such a valve that needs a shim must be listed like any other.
void CheckListsOfRandomPlans(std::uint64_t seed, bool noShimAtAll)
{
    SeededRandom random(seed);
    std::array<std::map<std::string, int>, 2> valveByName;
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        valveByName[0][ValveDesignation(valve, Language::Russian)] = valve;
        valveByName[1][ValveDesignation(valve, Language::English)] = valve;
    }
    int interchanges = 0;
    for (int i = 0; i < kListCases && !::testing::Test::HasFailure(); ++i) {
        const CatalogueKey key = AnyCatalogue(random);
        RecalculationSnapshot snapshot;
        for (SnapshotValve& valve : snapshot.valves) {
            do {
                valve.installedNumber = AnyShimNumber(random, key, snapshot);
            } while (valve.installedNumber == 0 && !noShimAtAll);
            if (noShimAtAll && random.Percent(25))
                valve.installedNumber = 0;
        }
        for (SnapshotValve& valve : snapshot.valves) {
            valve.requiredNumber =
                random.Percent(30) ? valve.installedNumber : AnyShimNumber(random, key, snapshot);
            valve.inTolerance = random.Percent(40);
        }
        const SelectionMode mode =
            random.Percent(50) ? SelectionMode::Full : SelectionMode::OutOfToleranceOnly;
        const bool allNew = random.Percent(25);
        const int valveCount = AnyValveCount(random);
        const Language language = random.Percent(50) ? Language::English : Language::Russian;

        ValvePlan plan = BuildValvePlan(snapshot, mode, allNew);
        const ValvePlan before = plan;
        const ShimLists lists = BuildShimLists(plan, valveCount, key, language);

        const int taking = std::clamp(valveCount, 0, kValveTotal);
        std::set<int> changing;
        for (int valve = 1; valve <= taking; ++valve)
            if (before.targetNumber[Index(valve)] != before.installedNumber[Index(valve)])
                changing.insert(valve);

        const auto& names = valveByName[language == Language::English ? 1 : 0];
        const auto valveNamed = [&names](const std::string& name) {
            const auto found = names.find(name);
            return found == names.end() ? 0 : found->second;
        };
        std::map<int, int> rowsPerValve;
        std::set<int> donors;
        const auto checkRow = [&](const ShimListRow& row) {
            const int receiver = valveNamed(row.destination);
            if (receiver == 0) {
                ADD_FAILURE() << "case " << i << ": no valve is named '" << row.destination << "'";
                return 0;
            }
            ++rowsPerValve[receiver];
            const ShimNumber target = before.targetNumber[Index(receiver)];
            EXPECT_EQ(row.shimNumber, std::to_string(target)) << "case " << i;
            EXPECT_EQ(row.thickness, ShimThicknessText(key.brand, target)) << "case " << i;
            EXPECT_EQ(row.color, before.markerColor[Index(receiver)]) << "case " << i;
            EXPECT_NE(row.color, kClBtnFace) << "case " << i;
            return receiver;
        };
        for (const ShimListRow& row : lists.purchase) {
            if (const int receiver = checkRow(row); receiver != 0) {
                EXPECT_EQ(row.first, PartNumberForShim(key, before.targetNumber[Index(receiver)]))
                    << "case " << i;
            }
        }
        for (const ShimListRow& row : lists.interchange) {
            checkRow(row);
            // The donor is a changing valve of this engine whose removed shim is the one needed,
            // and gives it once.
            const int donor = valveNamed(row.first);
            if (!changing.contains(donor)) {
                ADD_FAILURE() << "case " << i << ": donor '" << row.first << "' is not a changing valve";
                continue;
            }
            EXPECT_EQ(std::to_string(before.removedNumber[Index(donor)]), row.shimNumber) << "case " << i;
            EXPECT_TRUE(donors.insert(donor).second) << "case " << i << ": donor " << donor << " gives twice";
            EXPECT_EQ(plan.removedAvailable[Index(donor)], 0) << "case " << i;
        }
        if (::testing::Test::HasFailure())
            break;

        EXPECT_LE(lists.purchase.size() + lists.interchange.size(), static_cast<std::size_t>(taking))
            << "case " << i;
        EXPECT_LE(lists.purchase.size(), 16u);
        EXPECT_LE(lists.interchange.size(), 16u);
        if (allNew) {
            EXPECT_TRUE(lists.interchange.empty()) << "case " << i;
        }
        std::set<int> listed;
        for (const auto& [valve, rows] : rowsPerValve) {
            EXPECT_EQ(rows, 1) << "case " << i << ": valve " << valve;
            listed.insert(valve);
        }
        EXPECT_EQ(listed, changing) << "case " << i;
        interchanges += static_cast<int>(lists.interchange.size());
    }
    if (!::testing::Test::HasFailure()) {
        EXPECT_GT(interchanges, kListCases / 10); // the generator must make donors meet receivers
    }
}

TEST(RandomShimLists, EveryChangingValveGetsExactlyOneRow)
{
    CheckListsOfRandomPlans(0x6b656c76'00000041, false);
}

TEST(RandomShimLists, ValveWithoutAShimThatNeedsOneIsListedToo)
{
    CheckListsOfRandomPlans(0x6b656c76'00000042, true);
}

} // namespace
} // namespace kelvane
