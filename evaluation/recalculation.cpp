// The recalculation of all sixteen valves: parsing the field texts, the arithmetic and the label texts.
#include "recalculation.h"

#include "decimal_powers.h"
#include "number_fields.h"
#include "shim_conversion.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace kelvane {

namespace {

// Mask blanks pad a field on either side; they are not part of the number.
std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

InputError NotAFloat(std::string_view text)
{
    return InputError{"'" + std::string(text) + "' is not a valid floating point value"};
}

InputError NotAnInteger(std::string_view text)
{
    return InputError{"'" + std::string(text) + "' is not a valid integer value"};
}

bool IsBlankEntry(const ValveReading& reading)
{
    return reading.shimNumberText == kBlankShimEntry;
}

const std::string& ToleranceTextFor(int valve, const EngineSettings& settings)
{
    return KindOf(valve) == ValveKind::Exhaust ? settings.exhaustToleranceText : settings.intakeToleranceText;
}

// The clearance fields are read exhaust valves first, then intake valves.
constexpr std::array<int, kValveTotal> kClearanceReadingOrder{1, 2, 5, 6, 9,  10, 13, 14,
                                                              3, 4, 7, 8, 11, 12, 15, 16};

// Every number the arithmetic needs, parsed before anything is produced.
struct ParsedInputs
{
    Millimetres nominalExhaust = 0;
    Millimetres nominalIntake = 0;
    PerValve<Millimetres> measured{};
    PerValve<ShimNumber> installedNumber{};
    PerValve<Millimetres> installedThickness{};
    PerValve<int> toleranceDigit{};
    std::vector<int> lowThicknessValves;
};

// Reads the fields in the order the recalculation's stages use them, so that of several bad texts
// the one reported is always the one the user meets first. Nothing is produced until all are read:
// a half-finished recalculation would leave labels and snapshot describing two different inputs.
std::optional<InputError> ParseAll(const PerValve<ValveReading>& readings, const EngineSettings& settings,
                                   ParsedInputs& parsed)
{
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const ValveReading& reading = readings[valve - 1];
        if (!IsBlankEntry(reading))
            continue;
        const auto thickness = ParseMillimetres(reading.thicknessText);
        if (!thickness)
            return NotAFloat(reading.thicknessText);
        if (*thickness < settings.minThickness)
            parsed.lowThicknessValves.push_back(valve);
    }

    const auto nominalExhaust = ParseMillimetres(settings.nominalExhaustText);
    if (!nominalExhaust)
        return NotAFloat(settings.nominalExhaustText);
    parsed.nominalExhaust = *nominalExhaust;
    const auto nominalIntake = ParseMillimetres(settings.nominalIntakeText);
    if (!nominalIntake)
        return NotAFloat(settings.nominalIntakeText);
    parsed.nominalIntake = *nominalIntake;

    for (const int valve : kClearanceReadingOrder) {
        const std::string& text = readings[valve - 1].clearanceText;
        const auto clearance = ParseMillimetres(text);
        if (!clearance)
            return NotAFloat(text);
        parsed.measured[valve - 1] = *clearance;
    }

    const Brand brand = settings.catalogue.brand;
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const ValveReading& reading = readings[valve - 1];
        if (IsBlankEntry(reading)) {
            const auto thickness = ParseMillimetres(reading.thicknessText);
            if (!thickness)
                return NotAFloat(reading.thicknessText);
            parsed.installedThickness[valve - 1] = *thickness;
            parsed.installedNumber[valve - 1] = ThicknessToShimNumber(settings.catalogue, *thickness, true);
        } else {
            const auto number = ParseInteger(reading.shimNumberText);
            if (!number)
                return NotAnInteger(reading.shimNumberText);
            parsed.installedNumber[valve - 1] = *number;
            parsed.installedThickness[valve - 1] = ShimNumberToThickness(brand, *number);
        }
    }

    // Each valve reads its kind's tolerance afresh, so a bad exhaust digit is met at valve 1 and a
    // bad intake digit at valve 3.
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const std::string& text = ToleranceTextFor(valve, settings);
        const auto digit = ParseInteger(text);
        if (!digit)
            return NotAnInteger(text);
        parsed.toleranceDigit[valve - 1] = *digit;
    }
    return std::nullopt;
}

// Rounding to a whole in the current (nearest) mode. std::rint rounds exactly as std::nearbyint does;
// it only may set the inexact flag, which nothing here reads, and it costs a few nanoseconds where
// nearbyint for long double saves and restores the whole floating-point environment (over 100 ns).
long double RoundToWhole(long double value)
{
    return std::rint(value);
}

// Whole thousandths: a deviation equal to the tolerance is out of tolerance, as the decimal
// figures say, whichever way the binary rounding of the subtraction happened to fall.
bool WithinTolerance(Millimetres deviation, int toleranceDigit)
{
    const long double thousandths = RoundToWhole(std::fabs(deviation) * 1000.0L);
    return thousandths < static_cast<long double>(toleranceDigit) * 10.0L;
}

// The library reads a long double through the C library's strtold, which costs more than the
// arithmetic it feeds. A field text is nearly always a plain decimal such as "0.25" or "1.225": its
// digits make an integer below 2^64 and its decimals an exact power of ten, both exact in long
// double, so one correctly rounded division gives the same value strtold gives. Anything else
// (exponents, long texts, stray characters) is left to the library.
std::optional<Millimetres> ParsePlainDecimal(std::string_view text)
{
    constexpr std::size_t kMaxDigits = 19; // 10^19 - 1 < 2^64
    const bool negative = text.starts_with('-');
    std::uint64_t digits = 0;
    std::size_t digitCount = 0;
    std::size_t decimals = 0;
    bool afterPoint = false;
    bool digitBeforePoint = false;
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digitCount > kMaxDigits)
                return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            if (afterPoint)
                ++decimals;
            else
                digitBeforePoint = true;
        } else if (c == '.' && !afterPoint && digitBeforePoint) {
            afterPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitBeforePoint || (afterPoint && decimals == 0))
        return std::nullopt;
    const Millimetres magnitude = static_cast<Millimetres>(digits) / kPowersOfTen[decimals];
    return negative ? -magnitude : magnitude;
}

} // namespace

std::optional<Millimetres> ParseMillimetres(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return std::nullopt;
    if (const auto plain = ParsePlainDecimal(trimmed))
        return plain;
    Millimetres value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return std::nullopt;
    int value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

std::string LowThicknessWarningText(int valve)
{
    return "Проверьте поля ввода номера или толщины шайбы, которая установлена. " + ValveWarningName(valve);
}

RecalculationOutcome Recalculate(const PerValve<ValveReading>& readings, const EngineSettings& settings)
{
    ParsedInputs parsed;
    if (auto error = ParseAll(readings, settings, parsed))
        return RecalculationOutcome{std::nullopt, std::move(error)};

    const CatalogueKey catalogue = settings.catalogue;
    // Built where it is returned: the labels, results and snapshot run to a few kilobytes.
    RecalculationOutcome outcome;
    Recalculation& out = outcome.recalculation.emplace();
    out.lowThicknessValves = std::move(parsed.lowThicknessValves);
    out.snapshot.nominalExhaust = parsed.nominalExhaust;
    out.snapshot.nominalIntake = parsed.nominalIntake;

    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const std::size_t i = static_cast<std::size_t>(valve - 1);
        const Millimetres nominal = out.snapshot.NominalFor(valve);
        const Millimetres measured = parsed.measured[i];
        const Millimetres installed = parsed.installedThickness[i];

        ValveResult& result = out.results[i];
        result.deviation = measured - nominal;
        result.inTolerance = WithinTolerance(result.deviation, parsed.toleranceDigit[i]);
        result.requiredThickness = (installed + measured) - nominal;
        result.requiredNumber = ThicknessToShimNumber(catalogue, result.requiredThickness, false);
        const Millimetres after =
            ((installed - ShimNumberToThickness(catalogue.brand, result.requiredNumber)) + measured) -
            nominal;
        result.deviationAfter = RoundToWhole(after * 1000.0L) / 1000.0L;

        out.inTolerance[i] = result.inTolerance;

        SnapshotValve& snap = out.snapshot.valves[i];
        snap.measuredClearance = measured;
        snap.installedNumber = parsed.installedNumber[i];
        snap.installedThickness = installed;
        snap.requiredThickness = result.requiredThickness;
        snap.requiredNumber = result.requiredNumber;
        snap.inTolerance = result.inTolerance;

        ValveLabels& labels = out.labels[i];
        labels.installedNumber = std::to_string(snap.installedNumber);
        labels.deviation = ShortestDecimalText(result.deviation) + " мм";
        labels.requiredNumber = std::to_string(result.requiredNumber);
        labels.deviationAfter = ShortestDecimalText(result.deviationAfter);
    }
    return outcome;
}

} // namespace kelvane
