// Composing the saved report of a four-cylinder job, in either language.
#include "evaluation/recalculation.h"
#include "evaluation/shim_plan.h"
#include "report/report_text.h"
#include "worn_engine.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

namespace {

using namespace kelvane;

// What the results window hands over for the worn engine after a full selection: the field texts,
// the label captions and both lists as the recalculation and the shim selection left them.
ReportInput FourCylinderReport(Language language)
{
    const PerValve<ValveReading> readings = bench::WornEngine();
    const EngineSettings settings = bench::WornEngineSettings();
    const RecalculationOutcome outcome = Recalculate(readings, settings);
    const Recalculation& recalculation = *outcome.recalculation;
    ValvePlan plan = BuildValvePlan(recalculation.snapshot, SelectionMode::Full, false);
    const ShimLists lists = BuildShimLists(plan, kValveTotal, settings.catalogue, language);

    ReportInput input;
    input.language = language;
    input.dateText = "07-12-2026";
    input.timeText = "14:05:09";
    input.nominalExhaustText = settings.nominalExhaustText;
    input.nominalIntakeText = settings.nominalIntakeText;
    input.exhaustToleranceText = settings.exhaustToleranceText;
    input.intakeToleranceText = settings.intakeToleranceText;
    input.brand = settings.catalogue.brand;
    input.diameter = settings.catalogue.diameter;
    input.cylinders = CylinderCount::Four;
    input.selectionMode = SelectionMode::Full;
    input.allNew = false;
    for (std::size_t i = 0; i < input.valves.size(); ++i) {
        const ValveLabels& labels = recalculation.labels[i];
        input.valves[i] = {readings[i].clearanceText, labels.installedNumber, labels.requiredNumber,
                           labels.deviationAfter, recalculation.snapshot.valves[i].measuredClearance};
    }
    input.nominalExhaust = recalculation.snapshot.nominalExhaust;
    input.nominalIntake = recalculation.snapshot.nominalIntake;
    input.thicknessBrand = settings.catalogue.brand;
    const auto copyRows = [](const std::vector<ShimListRow>& rows, std::array<ReportListRow, 16>& grid) {
        for (std::size_t i = 0; i < rows.size() && i < grid.size(); ++i)
            grid[i] = {rows[i].first, rows[i].shimNumber, rows[i].destination};
    };
    copyRows(lists.interchange, input.interchange);
    copyRows(lists.purchase, input.purchase);
    return input;
}

void ComposeFourCylinderReport(benchmark::State& state)
{
    const Language language = state.range(0) == 0 ? Language::Russian : Language::English;
    const ReportInput input = FourCylinderReport(language);
    std::size_t lines = 0;
    for (auto _ : state) {
        const std::vector<std::string> report = ComposeReport(input);
        lines = report.size();
        benchmark::DoNotOptimize(report.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(ComposeFourCylinderReport)->ArgName("english")->Arg(0)->Arg(1);

} // namespace
