// The twelve shim catalogues as constant data, with the part numbers each brand sells them under.
#include "catalogue/shim_catalogue.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace kelvane {
namespace {

// ---------------------------------------------------------------------------------------------
// Number lists. A quarter grid holds every number ending in 0, 2, 5 or 8 between its bounds,
// a step-5 list every number ending in 0 or 5.

constexpr bool OnQuarterGrid(ShimNumber n)
{
    const ShimNumber last = n % 10;
    return last == 0 || last == 2 || last == 5 || last == 8;
}

template <ShimNumber From, ShimNumber To> constexpr auto QuarterGrid()
{
    constexpr std::size_t count = [] {
        std::size_t c = 0;
        for (ShimNumber n = From; n <= To; ++n)
            c += OnQuarterGrid(n) ? 1 : 0;
        return c;
    }();
    std::array<ShimNumber, count> numbers{};
    std::size_t i = 0;
    for (ShimNumber n = From; n <= To; ++n)
        if (OnQuarterGrid(n))
            numbers[i++] = n;
    return numbers;
}

template <ShimNumber From, ShimNumber To> constexpr auto StepFive()
{
    static_assert(From % 5 == 0 && To % 5 == 0 && From <= To);
    std::array<ShimNumber, static_cast<std::size_t>((To - From) / 5 + 1)> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = From + 5 * static_cast<ShimNumber>(i);
    return numbers;
}

// Honda 7.48 mm uses the first 69 numbers (up to 290).
constexpr auto kQuarter120To300 = QuarterGrid<120, 300>();
// Both small Yamaha diameters.
constexpr auto kQuarter120To240 = QuarterGrid<120, 240>();
constexpr auto kQuarter200To320 = QuarterGrid<200, 320>();
// The Yamaha small-diameter part numbers; Suzuki 7.48 mm uses the first 21 numbers (up to 220).
constexpr auto kStep120To240 = StepFive<120, 240>();
// Yamaha 25 mm part numbers and Kawasaki 13 mm; Suzuki 29.5 mm uses 20 numbers from 215.
constexpr auto kStep200To320 = StepFive<200, 320>();
// Honda 25 mm and Suzuki 9.48 mm; Kawasaki 7.48 mm uses the 21 numbers from 250.
constexpr auto kStep230To350 = StepFive<230, 350>();

// Kawasaki 9.48 mm: step 5 with quarter steps between 240 and 260.
constexpr std::array<ShimNumber, 25> kKawasaki948Numbers{200, 205, 210, 215, 220, 225, 230, 235, 240,
                                                         242, 245, 248, 250, 252, 255, 258, 260, 265,
                                                         270, 275, 280, 285, 290, 295, 300};

constexpr std::span<const ShimNumber> kHonda748Numbers = std::span(kQuarter120To300).first<69>();
constexpr std::span<const ShimNumber> kSuzuki748Numbers = std::span(kStep120To240).first<21>();
constexpr std::span<const ShimNumber> kSuzuki295Numbers = std::span(kStep200To320).subspan<3, 20>();
constexpr std::span<const ShimNumber> kKawasaki748Numbers = std::span(kStep230To350).subspan<4>();

static_assert(kHonda748Numbers.back() == 290);
static_assert(kSuzuki748Numbers.back() == 220);
static_assert(kSuzuki295Numbers.front() == 215 && kSuzuki295Numbers.back() == 310);
static_assert(kKawasaki748Numbers.front() == 250 && kKawasaki748Numbers.size() == 21);

// ---------------------------------------------------------------------------------------------
// Part numbers that follow a rule are generated here; the generated texts live in constant storage
// so the tables can hand out views into them.

struct FixedText
{
    std::array<char, 16> chars{};
    std::size_t size = 0;

    constexpr FixedText& Append(std::string_view text)
    {
        for (const char c : text)
            chars[size++] = c;
        return *this;
    }

    // Writes the value with at least `digits` digits, zero-filled on the left.
    constexpr FixedText& AppendNumber(int value, std::size_t digits)
    {
        std::array<char, 10> reversed{};
        std::size_t count = 0;
        do {
            reversed[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (count < digits)
            reversed[count++] = '0';
        while (count > 0)
            chars[size++] = reversed[--count];
        return *this;
    }

    constexpr std::string_view View() const { return {chars.data(), size}; }
};

// `makeText(k, number)` builds the part number of the k-th shim (k counts from 1).
template <std::size_t N, typename MakeText>
constexpr std::array<FixedText, N> GenerateTexts(std::span<const ShimNumber, N> numbers, MakeText makeText)
{
    std::array<FixedText, N> texts{};
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = makeText(static_cast<int>(i + 1), numbers[i]);
    return texts;
}

template <std::size_t N, typename Texts>
constexpr std::array<PartEntry, N> PairUp(std::span<const ShimNumber, N> numbers, const Texts& texts)
{
    std::array<PartEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i)
        entries[i] = PartEntry{numbers[i], std::string_view(texts[i])};
    return entries;
}

template <std::size_t N>
constexpr std::array<PartEntry, N> PairUp(std::span<const ShimNumber, N> numbers,
                                          const std::array<FixedText, N>& texts)
{
    std::array<PartEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i)
        entries[i] = PartEntry{numbers[i], texts[i].View()};
    return entries;
}

// Honda: "149" + k (two digits) + a series suffix.
constexpr auto kHonda748Texts = GenerateTexts(kHonda748Numbers.first<69>(), [](int k, ShimNumber) {
    return FixedText{}.Append("149").AppendNumber(k, 2).Append("-KT7-013");
});
// Up to shim 245 (k = 51) the MBB series, from 248 on the MEB series; k keeps counting across both.
constexpr auto kHonda948Texts = GenerateTexts(std::span(kQuarter120To300), [](int k, ShimNumber) {
    return FixedText{}.Append("149").AppendNumber(k, 2).Append(k <= 51 ? "-MBB-000" : "-MEB-670");
});
// Only every other number of the 422 series is a 25 mm shim.
constexpr auto kHonda25Texts = GenerateTexts(std::span(kStep230To350), [](int k, ShimNumber) {
    return FixedText{}.Append("149").AppendNumber(2 * k - 1, 2).Append("-422-000");
});

constexpr auto kKawasaki748Texts = GenerateTexts(kKawasaki748Numbers.first<21>(), [](int k, ShimNumber) {
    return FixedText{}.Append("92180-").AppendNumber(1012 + 2 * k, 4);
});
constexpr auto kKawasaki13Texts = GenerateTexts(std::span(kStep200To320), [](int k, ShimNumber) {
    return FixedText{}.Append("92025-").AppendNumber(1089 + k, 4);
});

// Suzuki prints the shim number itself after the series.
template <std::size_t N>
constexpr std::array<FixedText, N> SuzukiTexts(std::span<const ShimNumber, N> numbers,
                                               std::string_view series)
{
    return GenerateTexts(numbers, [series](int, ShimNumber number) {
        return FixedText{}.Append(series).AppendNumber(number, 3);
    });
}
constexpr auto kSuzuki748Texts = SuzukiTexts(kSuzuki748Numbers.first<21>(), "12892-05C00-");
constexpr auto kSuzuki948Texts = SuzukiTexts(std::span(kStep230To350), "12892-41C00-");
constexpr auto kSuzuki295Texts = SuzukiTexts(kSuzuki295Numbers.first<20>(), "12892-45000-");

// Yamaha codes follow no rule; the 9.48 mm list really has five numbers without the second hyphen.
constexpr std::array<std::string_view, 25> kYamaha748Texts{
    "1HX-12168-00-00", "1HX-12168-20-00", "1HX-12168-40-00", "1HX-12168-60-00", "1HX-12168-80-00",
    "1HX-12168-A0-00", "1HX-12168-F0-00", "1HX-12168-H1-00", "1HX-12168-K1-00", "1HX-12168-M1-00",
    "1HX-12168-R1-00", "1HX-12168-U1-00", "1HX-12168-W1-00", "1HX-12168-Y1-00", "1HX-12169-11-00",
    "1HX-12169-31-00", "1HX-12169-50-00", "1HX-12169-70-00", "1HX-12169-90-00", "1HX-12169-E0-00",
    "1HX-12169-G0-00", "1HX-12169-J0-00", "1HX-12169-L0-00", "1HX-12169-N0-00", "1HX-12169-T0-00"};
constexpr std::array<std::string_view, 25> kYamaha948Texts{
    "3LD-1216800-00", "3LD-12168-20-00", "3LD-12168-40-00", "3LD-12168-60-00", "3LD-12168-80-00",
    "3LD-12168A0-00", "3LD-12168-F0-00", "3LD-12168-H1-00", "3LD-12168-K1-00", "3LD-12168-M1-00",
    "3LD-12168R1-00", "3LD-12168-U1-00", "3LD-12168-W1-00", "3LD-12168-Y1-00", "3LD-12169-11-00",
    "3LD-1216931-00", "3LD-12169-50-00", "3LD-12169-70-00", "3LD-12169-90-00", "3LD-12169-E0-00",
    "3LD-12169G0-00", "3LD-12169-J0-00", "3LD-12169-L0-00", "3LD-12169-N0-00", "3LD-12169-T0-00"};
constexpr std::array<std::string_view, 25> kYamaha25Texts{
    "26H-12168-00-00", "26H-12168-20-00", "26H-12168-40-00", "26H-12168-60-00", "26H-12168-80-00",
    "26H-12168-A0-00", "26H-12168-F0-00", "26H-12168-H0-00", "26H-12168-K0-00", "26H-12168-M0-00",
    "26H-12168-R0-00", "26H-12168-U0-00", "26H-12168-W0-00", "26H-12168-Y0-00", "26H-12169-10-00",
    "26H-12169-30-00", "26H-12169-50-00", "26H-12169-70-00", "26H-12169-90-00", "26H-12169-E0-00",
    "26H-12169-G0-00", "26H-12169-J0-00", "26H-12169-L0-00", "26H-12169-N0-00", "26H-12169-T0-00"};

// The quarter-step Kawasaki shims have a series of their own (198x) inside the 187x/188x series.
constexpr std::array<std::string_view, 25> kKawasaki948Texts{
    "92025-1870", "92025-1871", "92025-1872", "92025-1873", "92025-1874", "92025-1875", "92025-1876",
    "92025-1877", "92025-1878", "92025-1982", "92025-1879", "92025-1983", "92025-1880", "92025-1984",
    "92025-1881", "92025-1985", "92025-1882", "92025-1883", "92025-1884", "92025-1885", "92025-1886",
    "92025-1887", "92025-1888", "92025-1889", "92025-1890"};

constexpr auto kHonda748Parts = PairUp(kHonda748Numbers.first<69>(), kHonda748Texts);
constexpr auto kHonda948Parts = PairUp(std::span(kQuarter120To300), kHonda948Texts);
constexpr auto kHonda25Parts = PairUp(std::span(kStep230To350), kHonda25Texts);
constexpr auto kYamaha748Parts = PairUp(std::span(kStep120To240), kYamaha748Texts);
constexpr auto kYamaha948Parts = PairUp(std::span(kStep120To240), kYamaha948Texts);
constexpr auto kYamaha25Parts = PairUp(std::span(kStep200To320), kYamaha25Texts);
constexpr auto kKawasaki748Parts = PairUp(kKawasaki748Numbers.first<21>(), kKawasaki748Texts);
constexpr auto kKawasaki948Parts = PairUp(std::span(kKawasaki948Numbers), kKawasaki948Texts);
constexpr auto kKawasaki13Parts = PairUp(std::span(kStep200To320), kKawasaki13Texts);
constexpr auto kSuzuki748Parts = PairUp(kSuzuki748Numbers.first<21>(), kSuzuki748Texts);
constexpr auto kSuzuki948Parts = PairUp(std::span(kStep230To350), kSuzuki948Texts);
constexpr auto kSuzuki295Parts = PairUp(kSuzuki295Numbers.first<20>(), kSuzuki295Texts);

// ---------------------------------------------------------------------------------------------
// The catalogues. The valid thickness range always runs from the first to the last selectable shim.

constexpr ShimCatalogue MakeCatalogue(std::span<const ShimNumber> selectable,
                                      std::span<const PartEntry> parts, RoundingRule rule)
{
    return ShimCatalogue{selectable, parts, static_cast<Millimetres>(selectable.front()) / 100.0L,
                         static_cast<Millimetres>(selectable.back()) / 100.0L, rule};
}

constexpr std::size_t kBrandCount = kAllBrands.size();
constexpr std::size_t kDiameterCount = 3;

constexpr std::array<std::array<ShimCatalogue, kDiameterCount>, kBrandCount> kCatalogues{{
    {{
        MakeCatalogue(kHonda748Numbers, kHonda748Parts, RoundingRule::QuarterStep),
        MakeCatalogue(kQuarter120To300, kHonda948Parts, RoundingRule::QuarterStep),
        MakeCatalogue(kStep230To350, kHonda25Parts, RoundingRule::HalfStep),
    }},
    {{
        MakeCatalogue(kQuarter120To240, kYamaha748Parts, RoundingRule::QuarterWhenInstalled),
        MakeCatalogue(kQuarter120To240, kYamaha948Parts, RoundingRule::QuarterWhenInstalled),
        MakeCatalogue(kQuarter200To320, kYamaha25Parts, RoundingRule::QuarterWhenInstalled),
    }},
    {{
        MakeCatalogue(kKawasaki748Numbers, kKawasaki748Parts, RoundingRule::HalfStep),
        MakeCatalogue(kKawasaki948Numbers, kKawasaki948Parts, RoundingRule::KawasakiMiddleBand),
        MakeCatalogue(kStep200To320, kKawasaki13Parts, RoundingRule::HalfStep),
    }},
    {{
        MakeCatalogue(kSuzuki748Numbers, kSuzuki748Parts, RoundingRule::HalfStep),
        MakeCatalogue(kStep230To350, kSuzuki948Parts, RoundingRule::HalfStep),
        MakeCatalogue(kSuzuki295Numbers, kSuzuki295Parts, RoundingRule::HalfStep),
    }},
}};

constexpr std::array<std::string_view, kBrandCount> kThirdDiameterTexts{"25", "25", "13", "29.5"};
constexpr std::array<std::string_view, kBrandCount> kBrandNames{"Honda", "Yamaha", "Kawasaki", "Suzuki"};

// Enum values can be forged by a cast; such a key is a programming error, caught in debug builds and
// answered with the start-up selection (Honda 7.48 mm) otherwise, never with an out-of-bounds read.
bool IsValidBrand(Brand brand)
{
    const bool valid = static_cast<unsigned>(brand) < kBrandCount;
    assert(valid && "brand outside 0..3");
    return valid;
}

bool IsValidDiameter(ShimDiameter diameter)
{
    const bool valid = static_cast<unsigned>(diameter) < kDiameterCount;
    assert(valid && "shim diameter outside 0..2");
    return valid;
}

} // namespace

std::optional<Brand> BrandFromIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(kBrandCount))
        return std::nullopt;
    return static_cast<Brand>(index);
}

std::optional<ShimDiameter> ShimDiameterFromIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(kDiameterCount))
        return std::nullopt;
    return static_cast<ShimDiameter>(index);
}

const ShimCatalogue& CatalogueFor(CatalogueKey key)
{
    if (!IsValidBrand(key.brand) || !IsValidDiameter(key.diameter))
        return kCatalogues[0][0];
    return kCatalogues[static_cast<std::size_t>(key.brand)][static_cast<std::size_t>(key.diameter)];
}

std::string_view BrandName(Brand brand)
{
    return kBrandNames[IsValidBrand(brand) ? static_cast<std::size_t>(brand) : 0];
}

std::string_view ThirdDiameterText(Brand brand)
{
    return kThirdDiameterTexts[IsValidBrand(brand) ? static_cast<std::size_t>(brand) : 0];
}

std::string_view ShimDiameterText(Brand brand, ShimDiameter diameter)
{
    switch (IsValidDiameter(diameter) ? diameter : ShimDiameter::D748) {
    case ShimDiameter::D748:
        return "7.48";
    case ShimDiameter::D948:
        return "9.48";
    case ShimDiameter::Third:
        break;
    }
    return ThirdDiameterText(brand);
}

std::string_view PartNumberForShim(CatalogueKey key, ShimNumber number)
{
    for (const PartEntry& entry : CatalogueFor(key).partTable)
        if (entry.number == number)
            return entry.partNumber;
    return {};
}

} // namespace kelvane
