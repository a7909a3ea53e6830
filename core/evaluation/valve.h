// The sixteen valve positions and the settings and results the evaluation works on.
#pragma once

#include "catalogue/shim_catalogue.h"
#include "evaluation/language.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// Valve numbers run 1..16: n = 4 x (cylinder - 1) + k, k = 1 exhaust I, 2 exhaust II, 3 intake I,
// 4 intake II. Every per-valve array is indexed by n - 1.
inline constexpr int kValveTotal = 16;

template <typename T> using PerValve = std::array<T, kValveTotal>;

enum class ValveKind
{
    Exhaust,
    Intake
};

constexpr int CylinderOf(int valve)
{
    return (valve - 1) / 4 + 1;
}
constexpr ValveKind KindOf(int valve)
{
    return (valve % 4 == 1 || valve % 4 == 2) ? ValveKind::Exhaust : ValveKind::Intake;
}
constexpr bool IsValveI(int valve)
{
    return valve % 2 == 1;
}

// The order of the cylinder selector: one, two or four cylinders.
enum class CylinderCount : int
{
    One = 0,
    Two = 1,
    Four = 2
};

// The only way from the cylinder selector's index to a cylinder count: anything else is no value.
constexpr std::optional<CylinderCount> CylinderCountFromIndex(int index)
{
    if (index < 0 || index > static_cast<int>(CylinderCount::Four))
        return std::nullopt;
    return static_cast<CylinderCount>(index);
}

// Valves taking part in the shim selection: four per cylinder.
constexpr int ValveCountOf(CylinderCount cylinders)
{
    return 4 << static_cast<int>(cylinders);
}

// Valves taking part in the shim selection for the cylinder selector's item 0 ("1"), 1 ("2"), 2 ("4").
// Any other index gives 0.
constexpr int ValveCountForCylinderIndex(int index)
{
    const std::optional<CylinderCount> cylinders = CylinderCountFromIndex(index);
    return cylinders ? ValveCountOf(*cylinders) : 0;
}

// "Цилиндр 1 вып. I", "Цилиндр 2 вп.  II", "Cylinder 4 ex. II" (UTF-8).
std::string ValveDesignation(int valve, Language language);

// The valve's name in the low-thickness warning: "Ц.1 выпуск I" … "Ц.4 впуск II".
std::string ValveWarningName(int valve);

// What the user typed for one valve, as the fields show it (mask blanks as spaces).
struct ValveReading
{
    std::string clearanceText;  // "0.20"
    std::string shimNumberText; // "120", or the blank entry "   "
    std::string thicknessText;  // "1.200"
};

inline constexpr std::string_view kBlankShimEntry = "   ";

// The engine settings as texts and values, as the main window holds them at the moment of use.
struct EngineSettings
{
    std::string nominalExhaustText = "0.20";
    std::string nominalIntakeText = "0.15";
    std::string exhaustToleranceText = "3"; // hundredths of a millimetre
    std::string intakeToleranceText = "3";
    CatalogueKey catalogue; // the brand and diameter in force
    Millimetres minThickness = 1.2L;
    Millimetres maxThickness = 2.9L;
};

enum class SelectionMode : int
{
    OutOfToleranceOnly = 0,
    Full = 1
};

struct ValveResult
{
    Millimetres deviation = 0;         // measured - nominal
    bool inTolerance = false;          // tolerance > |deviation|, in whole thousandths
    Millimetres requiredThickness = 0; // installed + deviation
    ShimNumber requiredNumber = 0;
    Millimetres deviationAfter = 0; // rounded to 0.001 mm
};

// What the last recalculation settled, handed over to the shim selection and the report.
struct SnapshotValve
{
    Millimetres measuredClearance = 0;
    ShimNumber installedNumber = 0;
    Millimetres installedThickness = 0;
    Millimetres requiredThickness = 0;
    ShimNumber requiredNumber = 0;
    bool inTolerance = false;
};

struct RecalculationSnapshot
{
    PerValve<SnapshotValve> valves{};
    Millimetres nominalExhaust = 0;
    Millimetres nominalIntake = 0;

    Millimetres NominalFor(int valve) const
    {
        return KindOf(valve) == ValveKind::Exhaust ? nominalExhaust : nominalIntake;
    }
};

} // namespace kelvane
