// The twelve shim catalogues (brand x shim diameter) and their part numbers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kelvane {

// A shim's thickness in hundredths of a millimetre; the last digit marks quarter steps
// (…0 = x.x00, …2 = x.x25, …5 = x.x50, …8 = x.x75 mm).
using ShimNumber = std::int32_t;

// Millimetres in extended precision (64-bit significand on x86-64).
using Millimetres = long double;

// The order of the brand selector.
enum class Brand : int
{
    Honda = 0,
    Yamaha = 1,
    Kawasaki = 2,
    Suzuki = 3
};

// Every brand, in the order of the brand selector.
inline constexpr std::array<Brand, 4> kAllBrands{Brand::Honda, Brand::Yamaha, Brand::Kawasaki, Brand::Suzuki};

// "Honda", "Yamaha", "Kawasaki" or "Suzuki": the brand selector's item and the report's brand line.
std::string_view BrandName(Brand brand);

// The order of the diameter selector: 7.48 mm, 9.48 mm, then the brand's third size
// (25, 25, 13 or 29.5 mm).
enum class ShimDiameter : int
{
    D748 = 0,
    D948 = 1,
    Third = 2
};

// The only ways from a selector index to a brand or diameter: anything outside the range is no value.
std::optional<Brand> BrandFromIndex(int index);
std::optional<ShimDiameter> ShimDiameterFromIndex(int index);

struct CatalogueKey
{
    Brand brand = Brand::Honda;
    ShimDiameter diameter = ShimDiameter::D748;

    friend bool operator==(const CatalogueKey&, const CatalogueKey&) = default;
};

// How a thickness is rounded to a shim number in a catalogue.
enum class RoundingRule
{
    QuarterStep,          // Honda 7.48 / 9.48 mm
    HalfStep,             // Honda 25 mm, Kawasaki 7.48 / 13 mm, Suzuki
    QuarterWhenInstalled, // Yamaha: quarter steps for an installed shim, half steps for a required one
    KawasakiMiddleBand,   // Kawasaki 9.48 mm: quarter steps strictly between 2.413 and 2.588 mm
};

struct PartEntry
{
    ShimNumber number;
    std::string_view partNumber;
};

struct ShimCatalogue
{
    std::span<const ShimNumber> selectableNumbers; // ascending
    std::span<const PartEntry> partTable;          // ascending, numbers unique
    Millimetres minThickness;
    Millimetres maxThickness;
    RoundingRule rule;
};

const ShimCatalogue& CatalogueFor(CatalogueKey key);

// The text shown for the third diameter of a brand: "25", "25", "13" or "29.5".
std::string_view ThirdDiameterText(Brand brand);

// The diameter selector's item for a brand: "7.48", "9.48" or the brand's third size.
std::string_view ShimDiameterText(Brand brand, ShimDiameter diameter);

// The part number of a shim in the catalogue, or the empty text when it has none.
std::string_view PartNumberForShim(CatalogueKey key, ShimNumber number);

} // namespace kelvane
