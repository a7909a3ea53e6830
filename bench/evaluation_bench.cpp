// The work of one "Recalculate" and "Make shim selection" press over all sixteen valves.
#include "evaluation/recalculation.h"
#include "evaluation/shim_plan.h"
#include "worn_engine.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvane;
using kelvane::bench::WornEngine;
using kelvane::bench::WornEngineSettings;

void RecalculateAndSelectShims(benchmark::State& state)
{
    const PerValve<ValveReading> readings = WornEngine();
    const EngineSettings settings = WornEngineSettings();
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
    const EngineSettings settings = WornEngineSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(Recalculate(readings, settings));
}
BENCHMARK(RecalculateOnly);

void SelectShimsOnly(benchmark::State& state)
{
    const EngineSettings settings = WornEngineSettings();
    const RecalculationOutcome outcome = Recalculate(WornEngine(), settings);
    for (auto _ : state) {
        ValvePlan plan = BuildValvePlan(outcome.recalculation->snapshot, SelectionMode::Full, false);
        benchmark::DoNotOptimize(BuildShimLists(plan, 16, settings.catalogue, Language::Russian));
    }
}
BENCHMARK(SelectShimsOnly);

} // namespace
