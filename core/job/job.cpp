// The job the three windows share: settings, recalculation, plan, lists and the report's input.
#include "job/job.h"

#include <algorithm>
#include <utility>

namespace kelvane {

namespace {

// The lists as the results window's grids hold them: the first rows in use, the rest empty.
void CopyListRows(const std::vector<ShimListRow>& rows, std::array<ReportListRow, kValveTotal>& into)
{
    const std::size_t count = std::min(rows.size(), into.size());
    for (std::size_t i = 0; i < count; ++i)
        into[i] = ReportListRow{rows[i].first, rows[i].shimNumber, rows[i].destination};
}

} // namespace

void Job::applyCatalogue(CatalogueKey catalogue)
{
    const ShimCatalogue& entry = CatalogueFor(catalogue);
    m_settings.catalogue = catalogue;
    m_settings.minThickness = entry.minThickness;
    m_settings.maxThickness = entry.maxThickness;
}

RecalculationOutcome Job::recalculate(const PerValve<ValveReading>& readings, const SettingTexts& texts)
{
    EngineSettings engine;
    engine.nominalExhaustText = texts.nominalExhaust;
    engine.nominalIntakeText = texts.nominalIntake;
    engine.exhaustToleranceText = texts.exhaustTolerance;
    engine.intakeToleranceText = texts.intakeTolerance;
    engine.catalogue = m_settings.catalogue;
    engine.minThickness = m_settings.minThickness;
    engine.maxThickness = m_settings.maxThickness;

    RecalculationOutcome outcome = Recalculate(readings, engine);
    if (outcome.recalculation) {
        m_snapshot = outcome.recalculation->snapshot;
        m_plan = ValvePlan{};
        m_lists.reset();
    }
    return outcome;
}

bool Job::planShims()
{
    if (!m_snapshot)
        return false;
    m_plan = BuildValvePlan(*m_snapshot, m_settings.selectionMode, m_settings.allNew);
    m_lists.reset();
    return true;
}

const ShimLists& Job::buildShimLists()
{
    if (!m_lists)
        m_lists = BuildShimLists(m_plan, valveCount(), m_settings.catalogue, m_language);
    return *m_lists;
}

ReportInput Job::reportInput(const ReportControls& controls) const
{
    ReportInput input;
    input.language = m_language;
    const SettingTexts texts = controls.settingTexts();
    input.nominalExhaustText = texts.nominalExhaust;
    input.nominalIntakeText = texts.nominalIntake;
    input.exhaustToleranceText = texts.exhaustTolerance;
    input.intakeToleranceText = texts.intakeTolerance;
    input.brand = controls.shownBrand();
    input.diameter = controls.shownDiameter();
    input.cylinders = m_settings.cylinders;
    input.selectionMode = m_settings.selectionMode;
    input.allNew = m_settings.allNew;
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const std::size_t i = static_cast<std::size_t>(valve - 1);
        ValveControlTexts shown = controls.valveTexts(valve);
        ReportValve& entry = input.valves[i];
        entry.clearanceText = std::move(shown.clearance);
        entry.installedLabel = std::move(shown.installed);
        entry.requiredLabel = std::move(shown.required);
        entry.deviationAfterLabel = std::move(shown.deviationAfter);
        entry.measuredClearance = m_snapshot ? m_snapshot->valves[i].measuredClearance : 0;
    }
    input.nominalExhaust = m_snapshot ? m_snapshot->nominalExhaust : 0;
    input.nominalIntake = m_snapshot ? m_snapshot->nominalIntake : 0;
    input.thicknessBrand = m_settings.catalogue.brand;
    if (m_lists) {
        CopyListRows(m_lists->interchange, input.interchange);
        CopyListRows(m_lists->purchase, input.purchase);
    }
    return input;
}

} // namespace kelvane
