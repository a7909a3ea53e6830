// The recalculation of all sixteen valves: parsing the field texts, the arithmetic and the label texts.
#include "evaluation/recalculation.h"

#include "catalogue/shim_conversion.h"
#include "numbers/number_fields.h"
#include "numbers/number_parsing.h"

#include <array>
#include <cmath>

namespace kelvane {

namespace {

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
        const auto thickness = ParseDecimal(reading.thicknessText);
        if (!thickness)
            return NotAFloat(reading.thicknessText);
        if (*thickness < settings.minThickness)
            parsed.lowThicknessValves.push_back(valve);
    }

    const auto nominalExhaust = ParseDecimal(settings.nominalExhaustText);
    if (!nominalExhaust)
        return NotAFloat(settings.nominalExhaustText);
    parsed.nominalExhaust = *nominalExhaust;
    const auto nominalIntake = ParseDecimal(settings.nominalIntakeText);
    if (!nominalIntake)
        return NotAFloat(settings.nominalIntakeText);
    parsed.nominalIntake = *nominalIntake;

    for (const int valve : kClearanceReadingOrder) {
        const std::string& text = readings[valve - 1].clearanceText;
        const auto clearance = ParseDecimal(text);
        if (!clearance)
            return NotAFloat(text);
        parsed.measured[valve - 1] = *clearance;
    }

    const Brand brand = settings.catalogue.brand;
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const ValveReading& reading = readings[valve - 1];
        if (IsBlankEntry(reading)) {
            const auto thickness = ParseDecimal(reading.thicknessText);
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

} // namespace

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
