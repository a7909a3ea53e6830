// The recalculation of all sixteen valves from the texts of the main window's fields.
#pragma once

#include "evaluation/valve.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// The four result label texts of one valve.
struct ValveLabels
{
    std::string installedNumber; // "122"
    std::string deviation;       // "0.07 мм"
    std::string requiredNumber;  // "130"
    std::string deviationAfter;  // "-0.005"
};

struct Recalculation
{
    PerValve<ValveLabels> labels;
    PerValve<ValveResult> results;
    PerValve<bool> inTolerance{};        // lime when true, red when false
    std::vector<int> lowThicknessValves; // valves whose typed thickness is below the range, ascending
    RecalculationSnapshot snapshot;
};

// A text that is not a number: the message names it, for example
// "'0. 5' is not a valid floating point value" or "' x' is not a valid integer value".
struct InputError
{
    std::string message;
};

struct RecalculationOutcome
{
    std::optional<Recalculation> recalculation; // set when every text was valid
    std::optional<InputError> error;            // set otherwise; nothing else is produced then
};

RecalculationOutcome Recalculate(const PerValve<ValveReading>& readings, const EngineSettings& settings);

// The warning text for a valve whose typed installed thickness is below the catalogue's range.
std::string LowThicknessWarningText(int valve);
inline constexpr std::string_view kLowThicknessWarningCaption = "Ошибка ввода";

} // namespace kelvane
