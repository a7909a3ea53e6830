// Rounding of thicknesses to shim numbers and the thickness each shim number stands for.
#include "catalogue/shim_conversion.h"

#include <cassert>
#include <cmath>
#include <limits>

namespace kelvane {
namespace {

// A thickness split into whole tenths of a millimetre and the fraction of the next tenth.
struct Tenths
{
    long double whole;
    long double fraction;
};

Tenths SplitIntoTenths(Millimetres thickness)
{
    // The nudge of 0.00001 mm keeps typed three-decimal values clear of binary representation error.
    const long double y = (thickness + 0.00001L) * 10;
    const long double e = std::trunc(y);
    long double f = y - e;
    if (f < 0)
        f = 1 - std::fabs(f);
    return {e, f};
}

// The marks of one grid within a tenth: the offset applies while the fraction stays below `below`.
struct Band
{
    long double below;
    int offset;
};

// Quarter steps. The thresholds are deliberately not the midpoints (0.125, 0.375, ...): the band
// that yields x.x50 is wider than the others and the one that yields x.x75 narrower. From 0.87 on
// (the band runs to 0.999999999, which three-decimal input never passes) the result is the next tenth.
constexpr Band kQuarterBands[] = {{0.13L, 0}, {0.38L, 2}, {0.65L, 5}, {0.87L, 8}};

// Half steps; from 0.75 on (to 0.9999999999 and beyond) the result is the next tenth.
constexpr Band kHalfBands[] = {{0.25L, 0}, {0.75L, 5}};

template <std::size_t N> ShimNumber Round(Millimetres thickness, const Band (&bands)[N])
{
    const Tenths t = SplitIntoTenths(thickness);
    int offset = 10;
    for (const Band& band : bands) {
        if (t.fraction < band.below) {
            offset = band.offset;
            break;
        }
    }
    // A thickness no shim could have (infinite, not a number, or beyond the range of shim numbers)
    // saturates instead of overflowing the integer conversion.
    const long double number = 10 * t.whole + offset;
    if (std::isnan(number))
        return 0;
    constexpr auto kMax = std::numeric_limits<ShimNumber>::max();
    constexpr auto kMin = std::numeric_limits<ShimNumber>::min();
    if (number >= static_cast<long double>(kMax))
        return kMax;
    if (number <= static_cast<long double>(kMin))
        return kMin;
    return static_cast<ShimNumber>(number);
}

bool UsesQuarterSteps(RoundingRule rule, Millimetres thickness, bool installed)
{
    switch (rule) {
    case RoundingRule::QuarterStep:
        return true;
    case RoundingRule::HalfStep:
        return false;
    case RoundingRule::QuarterWhenInstalled:
        return installed;
    case RoundingRule::KawasakiMiddleBand:
        // The only quarter-step shims of this size lie between 2.40 and 2.60 mm; the band test
        // looks at the thickness itself, without the nudge.
        return thickness > 2.413L && thickness < 2.588L;
    }
    assert(false && "unknown rounding rule");
    return false;
}

} // namespace

ShimNumber ThicknessToShimNumber(CatalogueKey key, Millimetres thickness, bool installed)
{
    const RoundingRule rule = CatalogueFor(key).rule;
    return UsesQuarterSteps(rule, thickness, installed) ? Round(thickness, kQuarterBands)
                                                        : Round(thickness, kHalfBands);
}

Millimetres ShimNumberToThickness(Brand brand, ShimNumber number)
{
    const Millimetres hundredths = static_cast<Millimetres>(number) / 100.0L;
    switch (brand) {
    case Brand::Suzuki:
        // Suzuki prints plain hundredths on its shims; no digit marks a quarter step.
        return hundredths;
    case Brand::Honda:
    case Brand::Yamaha:
    case Brand::Kawasaki:
        break;
    default:
        assert(false && "brand outside 0..3");
        break;
    }
    // The remainder carries the sign of the number, so negative numbers fall through unchanged.
    switch (number % 10) {
    case 2:
        return hundredths + 0.005L;
    case 8:
        return hundredths - 0.005L;
    default:
        return hundredths;
    }
}

} // namespace kelvane
