// The one narrow way the main window hands the report what its controls show at the moment of saving.
#pragma once

#include "catalogue/shim_catalogue.h"

#include <optional>
#include <string>

namespace kelvane {

// The four settings fields as they show: "0.20", "0.15", "3", "3".
struct SettingTexts
{
    std::string nominalExhaust;
    std::string nominalIntake;
    std::string exhaustTolerance; // hundredths of a millimetre
    std::string intakeTolerance;
};

// One valve's clearance field and the captions of its three result labels the report prints.
struct ValveControlTexts
{
    std::string clearance;      // "0.27"
    std::string installed;      // "122"
    std::string required;       // "130"
    std::string deviationAfter; // "-0.005"
};

// Live, not settled: a field may have been edited since the last recalculation, and the brand box and
// the diameter group may show a catalogue that is not in force until the focus leaves them. The report
// prints these as they are; the main window implements this, the job reads it.
class ReportControls
{
public:
    virtual ~ReportControls() = default;

    virtual SettingTexts settingTexts() const = 0;
    virtual ValveControlTexts valveTexts(int valve) const = 0; // valve 1..16
    virtual std::optional<Brand> shownBrand() const = 0;       // none when the brand box has no selection
    virtual ShimDiameter shownDiameter() const = 0;
};

} // namespace kelvane
