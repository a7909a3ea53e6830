// The job the three windows share: the settings in force, the interface language, the last
// recalculation, the plan of shim changes and the lists built from it.
#pragma once

#include "evaluation/recalculation.h"
#include "evaluation/shim_plan.h"
#include "job/report_controls.h"
#include "report/report_text.h"

#include <optional>

namespace kelvane {

// What the evaluation runs with. The catalogue and its thickness range change when the brand box or the
// diameter group is left; the other settings as soon as their control changes.
struct JobSettings
{
    CatalogueKey catalogue; // Honda 7.48 mm at start
    Millimetres minThickness = 1.2L;
    Millimetres maxThickness = 2.9L;
    CylinderCount cylinders = CylinderCount::Four;
    SelectionMode selectionMode = SelectionMode::OutOfToleranceOnly;
    bool allNew = false;
};

class Job final
{
public:
    const JobSettings& settings() const { return m_settings; }
    Language language() const { return m_language; }
    int valveCount() const { return ValveCountOf(m_settings.cylinders); } // 4, 8 or 16

    void setLanguage(Language language) { m_language = language; }
    // Puts the catalogue in force together with its thickness range.
    void applyCatalogue(CatalogueKey catalogue);
    void setCylinders(CylinderCount cylinders) { m_settings.cylinders = cylinders; }
    void setSelectionMode(SelectionMode mode) { m_settings.selectionMode = mode; }
    void setAllNew(bool allNew) { m_settings.allNew = allNew; }

    // Runs the recalculation with the settings in force. A valid one replaces the snapshot and drops the
    // plan and lists of the one before; an input error leaves the job as it was.
    RecalculationOutcome recalculate(const PerValve<ValveReading>& readings, const SettingTexts& texts);
    const std::optional<RecalculationSnapshot>& snapshot() const { return m_snapshot; }

    // Plans the shim changes of the snapshot with the selection mode and all-new setting in force, and
    // drops the lists of an earlier plan. Without a snapshot nothing is planned and the result is false.
    bool planShims();
    const ValvePlan& valvePlan() const { return m_plan; } // all zero until the first plan

    // The lists of the current plan in the language in force. Built once per plan, because building
    // uses up the removed shims it passes on; later calls return the same lists.
    const ShimLists& buildShimLists();
    const std::optional<ShimLists>& shimLists() const { return m_lists; }

    // Everything the report prints but the date and time, which are the caller's: the controls as they
    // show now, the snapshot's clearances, and the lists (rows not in use stay empty).
    ReportInput reportInput(const ReportControls& controls) const;

private:
    JobSettings m_settings;
    Language m_language = Language::Russian;
    std::optional<RecalculationSnapshot> m_snapshot;
    ValvePlan m_plan{};
    std::optional<ShimLists> m_lists;
};

} // namespace kelvane
