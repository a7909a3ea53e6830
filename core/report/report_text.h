// The lines of the plain-text report, composed from what the windows show at the moment of saving.
#pragma once

#include "catalogue/shim_catalogue.h"
#include "evaluation/valve.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// One valve's entries in the two tables.
struct ReportValve
{
    std::string clearanceText;         // the clearance field's text, "0.20"
    std::string installedLabel;        // caption of the installed-number label, "122"
    std::string requiredLabel;         // caption of the required-number label, "130"
    std::string deviationAfterLabel;   // caption of the after-replacement label, "-0.005"
    Millimetres measuredClearance = 0; // from the recalculation snapshot
};

// Columns 1, 2 and 4 of one grid row; a row is in use when its shim number is not empty.
struct ReportListRow
{
    std::string first;
    std::string shimNumber;
    std::string destination;
};

struct ReportInput
{
    Language language = Language::Russian;
    std::string dateText; // short date with "-" separators
    std::string timeText; // long time
    std::string nominalExhaustText, nominalIntakeText;
    std::string exhaustToleranceText, intakeToleranceText;
    std::optional<Brand> brand = Brand::Honda;  // the brand box's choice; none when it has no selection
    ShimDiameter diameter = ShimDiameter::D748; // the diameter group's choice
    CylinderCount cylinders = CylinderCount::Four;
    SelectionMode selectionMode = SelectionMode::OutOfToleranceOnly;
    bool allNew = false;
    PerValve<ReportValve> valves;
    Millimetres nominalExhaust = 0; // from the recalculation snapshot
    Millimetres nominalIntake = 0;
    Brand thicknessBrand = Brand::Honda; // the brand in force, for the thickness column
    std::array<ReportListRow, 16> interchange;
    std::array<ReportListRow, 16> purchase;
};

// Every line without its line end (UTF-8); the file puts CR LF after each.
std::vector<std::string> ComposeReport(const ReportInput& input);

// "Kelvane 07-12-2026_eng.txt"
std::string ReportFileName(const std::string& dateText, Language language);

} // namespace kelvane
