// The twelve shim catalogues: their number lists, thickness ranges and part numbers.
#include "catalogue/shim_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace kelvane {
namespace {

constexpr std::array<Brand, 4> kBrands{Brand::Honda, Brand::Yamaha, Brand::Kawasaki, Brand::Suzuki};
constexpr std::array<ShimDiameter, 3> kDiameters{ShimDiameter::D748, ShimDiameter::D948, ShimDiameter::Third};

std::string Describe(CatalogueKey key)
{
    return "brand " + std::to_string(static_cast<int>(key.brand)) + " diameter " +
           std::to_string(static_cast<int>(key.diameter));
}

struct Shape
{
    CatalogueKey key;
    std::size_t selectableCount;
    std::size_t partCount;
    ShimNumber first;
    ShimNumber last;
    Millimetres minThickness;
    Millimetres maxThickness;
};

constexpr Shape kShapes[] = {
    {{Brand::Honda, ShimDiameter::D748}, 69, 69, 120, 290, 1.20L, 2.90L},
    {{Brand::Honda, ShimDiameter::D948}, 73, 73, 120, 300, 1.20L, 3.00L},
    {{Brand::Honda, ShimDiameter::Third}, 25, 25, 230, 350, 2.30L, 3.50L},
    {{Brand::Yamaha, ShimDiameter::D748}, 49, 25, 120, 240, 1.20L, 2.40L},
    {{Brand::Yamaha, ShimDiameter::D948}, 49, 25, 120, 240, 1.20L, 2.40L},
    {{Brand::Yamaha, ShimDiameter::Third}, 49, 25, 200, 320, 2.00L, 3.20L},
    {{Brand::Kawasaki, ShimDiameter::D748}, 21, 21, 250, 350, 2.50L, 3.50L},
    {{Brand::Kawasaki, ShimDiameter::D948}, 25, 25, 200, 300, 2.00L, 3.00L},
    {{Brand::Kawasaki, ShimDiameter::Third}, 25, 25, 200, 320, 2.00L, 3.20L},
    {{Brand::Suzuki, ShimDiameter::D748}, 21, 21, 120, 220, 1.20L, 2.20L},
    {{Brand::Suzuki, ShimDiameter::D948}, 25, 25, 230, 350, 2.30L, 3.50L},
    {{Brand::Suzuki, ShimDiameter::Third}, 20, 20, 215, 310, 2.15L, 3.10L},
};

TEST(ShimCatalogue, CountsAndRangeOfEveryCatalogue)
{
    for (const Shape& shape : kShapes) {
        const ShimCatalogue& catalogue = CatalogueFor(shape.key);
        SCOPED_TRACE(Describe(shape.key));
        ASSERT_EQ(catalogue.selectableNumbers.size(), shape.selectableCount);
        ASSERT_EQ(catalogue.partTable.size(), shape.partCount);
        EXPECT_EQ(catalogue.selectableNumbers.front(), shape.first);
        EXPECT_EQ(catalogue.selectableNumbers.back(), shape.last);
        EXPECT_EQ(catalogue.minThickness, shape.minThickness);
        EXPECT_EQ(catalogue.maxThickness, shape.maxThickness);
        EXPECT_EQ(catalogue.partTable.front().number, shape.first);
        EXPECT_EQ(catalogue.partTable.back().number, shape.last);
    }
}

TEST(ShimCatalogue, ListsAreAscendingOnTheQuarterGridAndBuyableShimsAreSelectable)
{
    for (const Brand brand : kBrands) {
        for (const ShimDiameter diameter : kDiameters) {
            const CatalogueKey key{brand, diameter};
            SCOPED_TRACE(Describe(key));
            const ShimCatalogue& catalogue = CatalogueFor(key);
            const auto numbers = catalogue.selectableNumbers;
            EXPECT_TRUE(std::adjacent_find(numbers.begin(), numbers.end(), std::greater_equal<>()) ==
                        numbers.end());
            for (const ShimNumber n : numbers) {
                const int digit = n % 10;
                EXPECT_TRUE(digit == 0 || digit == 2 || digit == 5 || digit == 8) << n;
            }
            const auto& parts = catalogue.partTable;
            EXPECT_TRUE(
                std::adjacent_find(parts.begin(), parts.end(), [](const PartEntry& a, const PartEntry& b) {
                    return a.number >= b.number;
                }) == parts.end());
            std::set<std::string_view> distinctTexts;
            for (const PartEntry& entry : parts) {
                EXPECT_TRUE(std::binary_search(numbers.begin(), numbers.end(), entry.number)) << entry.number;
                // The report pads part numbers into 20-character columns.
                EXPECT_GE(entry.partNumber.size(), 10u);
                EXPECT_LE(entry.partNumber.size(), 15u);
                distinctTexts.insert(entry.partNumber);
            }
            EXPECT_EQ(distinctTexts.size(), parts.size());
        }
    }
}

TEST(ShimCatalogue, QuarterGridAndStepFiveLists)
{
    const auto honda948 = CatalogueFor({Brand::Honda, ShimDiameter::D948}).selectableNumbers;
    EXPECT_EQ(std::vector<ShimNumber>(honda948.begin(), honda948.begin() + 6),
              (std::vector<ShimNumber>{120, 122, 125, 128, 130, 132}));
    EXPECT_EQ(std::vector<ShimNumber>(honda948.end() - 3, honda948.end()),
              (std::vector<ShimNumber>{295, 298, 300}));

    const auto suzuki295 = CatalogueFor({Brand::Suzuki, ShimDiameter::Third}).selectableNumbers;
    EXPECT_EQ(std::vector<ShimNumber>(suzuki295.begin(), suzuki295.begin() + 3),
              (std::vector<ShimNumber>{215, 220, 225}));

    const auto kawasaki948 = CatalogueFor({Brand::Kawasaki, ShimDiameter::D948}).selectableNumbers;
    EXPECT_EQ(std::vector<ShimNumber>(kawasaki948.begin(), kawasaki948.end()),
              (std::vector<ShimNumber>{200, 205, 210, 215, 220, 225, 230, 235, 240, 242, 245, 248, 250,
                                       252, 255, 258, 260, 265, 270, 275, 280, 285, 290, 295, 300}));
}

TEST(ShimCatalogue, SmallDiametersShareTheirNumberLists)
{
    const auto honda748 = CatalogueFor({Brand::Honda, ShimDiameter::D748}).selectableNumbers;
    const auto honda948 = CatalogueFor({Brand::Honda, ShimDiameter::D948}).selectableNumbers;
    EXPECT_TRUE(std::equal(honda748.begin(), honda748.end(), honda948.begin()));

    const ShimCatalogue& yamaha748 = CatalogueFor({Brand::Yamaha, ShimDiameter::D748});
    const ShimCatalogue& yamaha948 = CatalogueFor({Brand::Yamaha, ShimDiameter::D948});
    EXPECT_TRUE(std::ranges::equal(yamaha748.selectableNumbers, yamaha948.selectableNumbers));
    EXPECT_TRUE(std::ranges::equal(yamaha748.partTable, yamaha948.partTable, {}, &PartEntry::number,
                                   &PartEntry::number));
    // Installed Yamaha shims may carry quarter steps, but only step-5 shims are sold.
    for (const PartEntry& entry : yamaha748.partTable)
        EXPECT_EQ(entry.number % 5, 0) << entry.number;
}

struct PartCase
{
    CatalogueKey key;
    ShimNumber number;
    const char* expected;
};

constexpr CatalogueKey kHonda748{Brand::Honda, ShimDiameter::D748};
constexpr CatalogueKey kHonda948{Brand::Honda, ShimDiameter::D948};
constexpr CatalogueKey kHonda25{Brand::Honda, ShimDiameter::Third};
constexpr CatalogueKey kYamaha748{Brand::Yamaha, ShimDiameter::D748};
constexpr CatalogueKey kYamaha948{Brand::Yamaha, ShimDiameter::D948};
constexpr CatalogueKey kYamaha25{Brand::Yamaha, ShimDiameter::Third};
constexpr CatalogueKey kKawasaki748{Brand::Kawasaki, ShimDiameter::D748};
constexpr CatalogueKey kKawasaki948{Brand::Kawasaki, ShimDiameter::D948};
constexpr CatalogueKey kKawasaki13{Brand::Kawasaki, ShimDiameter::Third};
constexpr CatalogueKey kSuzuki748{Brand::Suzuki, ShimDiameter::D748};
constexpr CatalogueKey kSuzuki948{Brand::Suzuki, ShimDiameter::D948};
constexpr CatalogueKey kSuzuki295{Brand::Suzuki, ShimDiameter::Third};

TEST(PartNumberForShim, FirstAndLastOfEveryGeneratedSeries)
{
    const PartCase cases[] = {
        {kHonda748, 120, "14901-KT7-013"},    {kHonda748, 122, "14902-KT7-013"},
        {kHonda748, 290, "14969-KT7-013"},    {kHonda948, 120, "14901-MBB-000"},
        {kHonda948, 245, "14951-MBB-000"},    {kHonda948, 248, "14952-MEB-670"},
        {kHonda948, 300, "14973-MEB-670"},    {kHonda25, 230, "14901-422-000"},
        {kHonda25, 235, "14903-422-000"},     {kHonda25, 350, "14949-422-000"},
        {kKawasaki748, 250, "92180-1014"},    {kKawasaki748, 255, "92180-1016"},
        {kKawasaki748, 350, "92180-1054"},    {kKawasaki13, 200, "92025-1090"},
        {kKawasaki13, 205, "92025-1091"},     {kKawasaki13, 320, "92025-1114"},
        {kSuzuki748, 120, "12892-05C00-120"}, {kSuzuki748, 220, "12892-05C00-220"},
        {kSuzuki948, 230, "12892-41C00-230"}, {kSuzuki948, 350, "12892-41C00-350"},
        {kSuzuki295, 215, "12892-45000-215"}, {kSuzuki295, 310, "12892-45000-310"},
    };
    for (const PartCase& c : cases)
        EXPECT_EQ(PartNumberForShim(c.key, c.number), c.expected) << Describe(c.key) << " shim " << c.number;
}

TEST(PartNumberForShim, TypedTables)
{
    const PartCase cases[] = {
        {kYamaha748, 120, "1HX-12168-00-00"}, {kYamaha748, 125, "1HX-12168-20-00"},
        {kYamaha748, 190, "1HX-12169-11-00"}, {kYamaha748, 240, "1HX-12169-T0-00"},
        {kYamaha948, 125, "3LD-12168-20-00"}, {kYamaha948, 240, "3LD-12169-T0-00"},
        {kYamaha25, 200, "26H-12168-00-00"},  {kYamaha25, 235, "26H-12168-H0-00"},
        {kYamaha25, 270, "26H-12169-10-00"},  {kYamaha25, 320, "26H-12169-T0-00"},
        {kKawasaki948, 200, "92025-1870"},    {kKawasaki948, 240, "92025-1878"},
        {kKawasaki948, 242, "92025-1982"},    {kKawasaki948, 245, "92025-1879"},
        {kKawasaki948, 258, "92025-1985"},    {kKawasaki948, 260, "92025-1882"},
        {kKawasaki948, 300, "92025-1890"},
    };
    for (const PartCase& c : cases)
        EXPECT_EQ(PartNumberForShim(c.key, c.number), c.expected) << Describe(c.key) << " shim " << c.number;
}

TEST(PartNumberForShim, FiveYamaha948PartNumbersLackTheSecondHyphen)
{
    const PartCase cases[] = {
        {kYamaha948, 120, "3LD-1216800-00"}, {kYamaha948, 145, "3LD-12168A0-00"},
        {kYamaha948, 170, "3LD-12168R1-00"}, {kYamaha948, 195, "3LD-1216931-00"},
        {kYamaha948, 220, "3LD-12169G0-00"},
    };
    for (const PartCase& c : cases)
        EXPECT_EQ(PartNumberForShim(c.key, c.number), c.expected) << "shim " << c.number;
    const auto parts = CatalogueFor(kYamaha948).partTable;
    EXPECT_EQ(std::ranges::count_if(parts, [](const PartEntry& e) { return e.partNumber.size() == 14; }), 5);
}

TEST(PartNumberForShim, ShimsThatCannotBeBoughtHaveNoPartNumber)
{
    const PartCase cases[] = {
        {kYamaha748, 122, ""},   {kYamaha748, 128, ""}, {kYamaha25, 202, ""},  {kHonda748, 300, ""},
        {kKawasaki13, 242, ""},  {kHonda948, 115, ""},  {kHonda948, 305, ""},  {kSuzuki748, 225, ""},
        {kKawasaki748, 245, ""}, {kHonda948, 0, ""},    {kHonda948, -120, ""},
    };
    for (const PartCase& c : cases)
        EXPECT_EQ(PartNumberForShim(c.key, c.number), c.expected) << Describe(c.key) << " shim " << c.number;
    // 115 lies below every catalogue.
    for (const Brand brand : kBrands) {
        for (const ShimDiameter diameter : kDiameters)
            EXPECT_TRUE(PartNumberForShim({brand, diameter}, 115).empty()) << Describe({brand, diameter});
    }
}

TEST(CatalogueKey, SelectorIndicesOutsideTheRangeAreNoValue)
{
    EXPECT_EQ(BrandFromIndex(-1), std::nullopt);
    EXPECT_EQ(BrandFromIndex(4), std::nullopt);
    EXPECT_EQ(BrandFromIndex(0), Brand::Honda);
    EXPECT_EQ(BrandFromIndex(3), Brand::Suzuki);
    EXPECT_EQ(ShimDiameterFromIndex(-1), std::nullopt);
    EXPECT_EQ(ShimDiameterFromIndex(3), std::nullopt);
    EXPECT_EQ(ShimDiameterFromIndex(2), ShimDiameter::Third);
}

TEST(CatalogueKey, BrandNamesFollowTheSelectorOrder)
{
    EXPECT_EQ(BrandName(Brand::Honda), "Honda");
    EXPECT_EQ(BrandName(Brand::Yamaha), "Yamaha");
    EXPECT_EQ(BrandName(Brand::Kawasaki), "Kawasaki");
    EXPECT_EQ(BrandName(Brand::Suzuki), "Suzuki");
    for (std::size_t index = 0; index < kAllBrands.size(); ++index)
        EXPECT_EQ(BrandFromIndex(static_cast<int>(index)), kAllBrands[index]);
}

TEST(CatalogueKey, ThirdDiameterTexts)
{
    EXPECT_EQ(ThirdDiameterText(Brand::Honda), "25");
    EXPECT_EQ(ThirdDiameterText(Brand::Yamaha), "25");
    EXPECT_EQ(ThirdDiameterText(Brand::Kawasaki), "13");
    EXPECT_EQ(ThirdDiameterText(Brand::Suzuki), "29.5");
}

// The diameter selector's items and the printed page's diameter line both read these.
TEST(CatalogueKey, DiameterItemTexts)
{
    EXPECT_EQ(ShimDiameterText(Brand::Kawasaki, ShimDiameter::D748), "7.48");
    EXPECT_EQ(ShimDiameterText(Brand::Suzuki, ShimDiameter::D948), "9.48");
    EXPECT_EQ(ShimDiameterText(Brand::Kawasaki, ShimDiameter::Third), "13");
    EXPECT_EQ(ShimDiameterText(Brand::Suzuki, ShimDiameter::Third), "29.5");
}

TEST(CatalogueKey, ForgedKeysNeverReadOutsideTheTables)
{
    const CatalogueKey forgedBrand{static_cast<Brand>(7), ShimDiameter::D948};
    const CatalogueKey forgedDiameter{Brand::Suzuki, static_cast<ShimDiameter>(-1)};
#ifdef NDEBUG
    EXPECT_EQ(&CatalogueFor(forgedBrand), &CatalogueFor(kHonda748));
    EXPECT_EQ(&CatalogueFor(forgedDiameter), &CatalogueFor(kHonda748));
    EXPECT_EQ(ThirdDiameterText(static_cast<Brand>(4)), ThirdDiameterText(Brand::Honda));
#else
    EXPECT_DEATH(CatalogueFor(forgedBrand), "brand");
    EXPECT_DEATH(CatalogueFor(forgedDiameter), "diameter");
#endif
}

} // namespace
} // namespace kelvane
