// The engine the benchmarks work on: four cylinders where most valves need another shim.
#pragma once

#include "evaluation/recalculation.h"

#include <iterator>

namespace kelvane::bench {

// Half of the installed shims are typed by thickness (the blank entry in the number box).
inline PerValve<ValveReading> WornEngine()
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

inline EngineSettings WornEngineSettings()
{
    EngineSettings settings;
    settings.catalogue = {Brand::Honda, ShimDiameter::D748};
    return settings;
}

} // namespace kelvane::bench
