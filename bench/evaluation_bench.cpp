// The work of one "Recalculate" and "Make shim selection" press over all sixteen valves.
#include "recalculation.h"
#include "shim_plan.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace kelvane;

// A four-cylinder engine where most valves need another shim, half of them typed by thickness.
PerValve<ValveReading> WornEngine()
{
    static constexpr const char* kClearances[] = {"0.27", "0.12", "0.25", "0.08", "0.20", "0.31",
                                                  "0.15", "0.19", "0.24", "0.10", "0.22", "0.05"};
    static constexpr const char* kShims[] = {"122", "   ", "130", "   ", "145", "   ", "158", "   "};
    static constexpr const char* kThicknesses[] = {"1.225", "1.340", "1.300", "1.475", "1.450", "1.610"};
    PerValve<ValveReading> readings;
    for (std::size_t i = 0; i < readings.size(); ++i)
        readings[i] = {kClearances[i % std::size(kClearances)], kShims[i % std::size(kShims)],
                       kThicknesses[i % std::size(kThicknesses)]};
    return readings;
}

void RecalculateAndSelectShims(benchmark::State& state)
{
    const PerValve<ValveReading> readings = WornEngine();
    EngineSettings settings;
    settings.catalogue = {Brand::Honda, ShimDiameter::D748};
    for (auto _ : state) {
        const RecalculationOutcome outcome = Recalculate(readings, settings);
        ValvePlan plan = BuildValvePlan(outcome.recalculation->snapshot, SelectionMode::Full, false);
        ShimLists lists = BuildShimLists(plan, 16, settings.catalogue, Language::Russian);
        benchmark::DoNotOptimize(lists);
    }
}
BENCHMARK(RecalculateAndSelectShims);

// The two halves of the above on their own, to see where the time goes.
void RecalculateOnly(benchmark::State& state)
{
    const PerValve<ValveReading> readings = WornEngine();
    EngineSettings settings;
    settings.catalogue = {Brand::Honda, ShimDiameter::D748};
    for (auto _ : state)
        benchmark::DoNotOptimize(Recalculate(readings, settings));
}
BENCHMARK(RecalculateOnly);

void SelectShimsOnly(benchmark::State& state)
{
    EngineSettings settings;
    settings.catalogue = {Brand::Honda, ShimDiameter::D748};
    const RecalculationOutcome outcome = Recalculate(WornEngine(), settings);
    for (auto _ : state) {
        ValvePlan plan = BuildValvePlan(outcome.recalculation->snapshot, SelectionMode::Full, false);
        benchmark::DoNotOptimize(BuildShimLists(plan, 16, settings.catalogue, Language::Russian));
    }
}
BENCHMARK(SelectShimsOnly);

} // namespace
