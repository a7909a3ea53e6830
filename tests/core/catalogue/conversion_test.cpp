// Rounding of thicknesses to shim numbers and back, for every catalogue.
#include "catalogue/shim_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace kelvane {
namespace {

constexpr CatalogueKey kHonda748{Brand::Honda, ShimDiameter::D748};
constexpr CatalogueKey kHonda948{Brand::Honda, ShimDiameter::D948};
constexpr CatalogueKey kHonda25{Brand::Honda, ShimDiameter::Third};
constexpr CatalogueKey kYamaha748{Brand::Yamaha, ShimDiameter::D748};
constexpr CatalogueKey kKawasaki948{Brand::Kawasaki, ShimDiameter::D948};
constexpr CatalogueKey kKawasaki13{Brand::Kawasaki, ShimDiameter::Third};
constexpr CatalogueKey kSuzuki295{Brand::Suzuki, ShimDiameter::Third};

constexpr std::array<Brand, 4> kBrands{Brand::Honda, Brand::Yamaha, Brand::Kawasaki, Brand::Suzuki};
constexpr std::array<ShimDiameter, 3> kDiameters{ShimDiameter::D748, ShimDiameter::D948, ShimDiameter::Third};

// The value a typed three-decimal thickness parses to: the nearest extended-precision value.
Millimetres Thousandths(int n)
{
    return static_cast<Millimetres>(n) / 1000.0L;
}

struct Case
{
    Millimetres thickness;
    ShimNumber expected;
};

TEST(ThicknessToShimNumber, QuarterStepThresholdsAreNotMidpoints)
{
    const Case cases[] = {{1.212L, 120}, {1.213L, 122}, {1.237L, 122}, {1.238L, 125},
                          {1.264L, 125}, {1.265L, 128}, {1.286L, 128}, {1.287L, 130}};
    for (const Case& c : cases) {
        EXPECT_EQ(ThicknessToShimNumber(kHonda748, c.thickness, true), c.expected) << double(c.thickness);
        EXPECT_EQ(ThicknessToShimNumber(kHonda748, c.thickness, false), c.expected) << double(c.thickness);
    }
}

TEST(ThicknessToShimNumber, HalfStepThresholds)
{
    const Case cases[] = {{2.324L, 230}, {2.325L, 235}, {2.374L, 235}, {2.375L, 240}};
    for (const Case& c : cases)
        EXPECT_EQ(ThicknessToShimNumber(kHonda25, c.thickness, true), c.expected) << double(c.thickness);
}

// Every typed thickness a.bcd is decided by its last two digits cd alone.
TEST(ThicknessToShimNumber, EveryThreeDecimalThicknessFollowsItsLastTwoDigits)
{
    for (int n = 0; n < 5000; ++n) {
        const int cd = n % 100;
        const int tenths = n / 100;
        const int quarterOffset = cd <= 12 ? 0 : cd <= 37 ? 2 : cd <= 64 ? 5 : cd <= 86 ? 8 : 10;
        const int halfOffset = cd <= 24 ? 0 : cd <= 74 ? 5 : 10;
        ASSERT_EQ(ThicknessToShimNumber(kHonda948, Thousandths(n), true), 10 * tenths + quarterOffset) << n;
        ASSERT_EQ(ThicknessToShimNumber(kSuzuki295, Thousandths(n), true), 10 * tenths + halfOffset) << n;
    }
}

TEST(ThicknessToShimNumber, YamahaRoundsInstalledShimsToQuarterSteps)
{
    EXPECT_EQ(ThicknessToShimNumber(kYamaha748, 1.72L, true), 172);
    EXPECT_EQ(ThicknessToShimNumber(kYamaha748, 1.72L, false), 170);
    EXPECT_EQ(ThicknessToShimNumber(kYamaha748, 1.725L, false), 175);
    EXPECT_EQ(ThicknessToShimNumber(kYamaha748, 1.725L, true), 172);
}

TEST(ThicknessToShimNumber, KawasakiQuarterStepsOnlyInsideTheMiddleBand)
{
    const Case cases[] = {{2.42L, 242}, {2.413L, 240}, {2.58L, 258},  {2.587L, 260},
                          {2.62L, 260}, {2.40L, 240},  {2.414L, 242}, {2.588L, 260}};
    for (const Case& c : cases) {
        EXPECT_EQ(ThicknessToShimNumber(kKawasaki948, c.thickness, true), c.expected) << double(c.thickness);
        EXPECT_EQ(ThicknessToShimNumber(kKawasaki948, c.thickness, false), c.expected) << double(c.thickness);
    }
    // The other Kawasaki sizes never use quarter steps.
    EXPECT_EQ(ThicknessToShimNumber(kKawasaki13, 2.42L, true), 240);
}

TEST(ThicknessToShimNumber, ThicknessesOutsideEveryCatalogueAreConvertedAllTheSame)
{
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, 1.15L, false), 115);
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, 3.05L, false), 305);
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, 0.0L, false), 0);
}

TEST(ThicknessToShimNumber, NegativeThicknessUsesTheComplementOfTheFraction)
{
    // -0.05 mm: y = -0.4999, e = 0, f = 1 - 0.4999 = 0.5001.
    EXPECT_EQ(ThicknessToShimNumber(kHonda25, -0.05L, false), 5);
    // -0.12 mm: y = -1.1999, e = -1, f = 1 - 0.1999 = 0.8001, so 10e + 8.
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, -0.12L, false), -2);
    // -0.19 mm: y = -1.8999, e = -1, f = 0.1001, so 10e + 0.
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, -0.19L, false), -10);
}

TEST(ThicknessToShimNumber, ImpossibleThicknessesSaturateInsteadOfOverflowing)
{
    constexpr auto kMax = std::numeric_limits<ShimNumber>::max();
    constexpr auto kMin = std::numeric_limits<ShimNumber>::min();
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, 1e12L, true), kMax);
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, -1e12L, true), kMin);
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, std::numeric_limits<Millimetres>::infinity(), true), kMax);
    EXPECT_EQ(ThicknessToShimNumber(kHonda748, std::numeric_limits<Millimetres>::quiet_NaN(), true), 0);
}

TEST(ShimNumberToThickness, LastDigitMarksQuarterSteps)
{
    for (const Brand brand : {Brand::Honda, Brand::Yamaha, Brand::Kawasaki}) {
        EXPECT_NEAR(ShimNumberToThickness(brand, 248), 2.475L, 1e-15L);
        EXPECT_NEAR(ShimNumberToThickness(brand, 122), 1.225L, 1e-15L);
        EXPECT_NEAR(ShimNumberToThickness(brand, 128), 1.275L, 1e-15L);
        EXPECT_EQ(ShimNumberToThickness(brand, 125), 1.25L);
        EXPECT_EQ(ShimNumberToThickness(brand, 130), 1.3L);
    }
}

TEST(ShimNumberToThickness, SuzukiReadsPlainHundredths)
{
    EXPECT_EQ(ShimNumberToThickness(Brand::Suzuki, 215), 2.15L);
    EXPECT_EQ(ShimNumberToThickness(Brand::Suzuki, 122), 1.22L);
    EXPECT_EQ(ShimNumberToThickness(Brand::Suzuki, 248), 2.48L);
}

TEST(ShimNumberToThickness, ZeroIsZeroForEveryBrand)
{
    for (const Brand brand : kBrands)
        EXPECT_EQ(ShimNumberToThickness(brand, 0), 0.0L);
}

TEST(ShimNumberToThickness, NegativeNumbersAreReadAsHundredths)
{
    // The remainder keeps the sign of the number, so -122 marks no quarter step.
    EXPECT_EQ(ShimNumberToThickness(Brand::Honda, -122), -1.22L);
}

TEST(Conversion, EveryCatalogueNumberSurvivesTheRoundTrip)
{
    for (const Brand brand : kBrands) {
        for (const ShimDiameter diameter : kDiameters) {
            const CatalogueKey key{brand, diameter};
            for (const ShimNumber n : CatalogueFor(key).selectableNumbers) {
                const Millimetres thickness = ShimNumberToThickness(brand, n);
                EXPECT_EQ(ThicknessToShimNumber(key, thickness, true), n)
                    << "brand " << int(brand) << " diameter " << int(diameter);
                if (n % 5 == 0) {
                    EXPECT_EQ(ThicknessToShimNumber(key, thickness, false), n)
                        << "brand " << int(brand) << " diameter " << int(diameter);
                }
            }
            for (const PartEntry& entry : CatalogueFor(key).partTable)
                EXPECT_EQ(ThicknessToShimNumber(key, ShimNumberToThickness(brand, entry.number), false),
                          entry.number);
        }
    }
}

TEST(Conversion, YamahaRequiredQuarterStepsRoundToABuyableShim)
{
    for (const ShimDiameter diameter : kDiameters) {
        const CatalogueKey key{Brand::Yamaha, diameter};
        for (const ShimNumber n : CatalogueFor(key).selectableNumbers) {
            const ShimNumber required =
                ThicknessToShimNumber(key, ShimNumberToThickness(Brand::Yamaha, n), false);
            // x.x25 rounds up to x.x50, x.x75 up to the next tenth.
            const ShimNumber expected = n % 10 == 2 ? n + 3 : n % 10 == 8 ? n + 2 : n;
            EXPECT_EQ(required, expected) << n;
            EXPECT_FALSE(PartNumberForShim(key, required).empty()) << n;
        }
    }
}

} // namespace
} // namespace kelvane
