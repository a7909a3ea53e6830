// Benchmarks of the shim conversions and the number texts over every number of every catalogue.
#include "catalogue/shim_conversion.h"
#include "numbers/number_fields.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace kelvane {
namespace {

struct Sample
{
    CatalogueKey key;
    ShimNumber number;
    Millimetres thickness;
};

const std::vector<Sample>& AllCatalogueNumbers()
{
    static const std::vector<Sample> samples = [] {
        std::vector<Sample> all;
        for (const Brand brand : {Brand::Honda, Brand::Yamaha, Brand::Kawasaki, Brand::Suzuki}) {
            for (const ShimDiameter diameter :
                 {ShimDiameter::D748, ShimDiameter::D948, ShimDiameter::Third}) {
                const CatalogueKey key{brand, diameter};
                for (const ShimNumber n : CatalogueFor(key).selectableNumbers)
                    all.push_back({key, n, ShimNumberToThickness(brand, n)});
            }
        }
        return all;
    }();
    return samples;
}

void BM_ShimNumberToThickness(benchmark::State& state)
{
    const auto& samples = AllCatalogueNumbers();
    for (auto _ : state) {
        for (const Sample& s : samples)
            benchmark::DoNotOptimize(ShimNumberToThickness(s.key.brand, s.number));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * samples.size()));
}
BENCHMARK(BM_ShimNumberToThickness);

void BM_ThicknessToShimNumber(benchmark::State& state)
{
    const auto& samples = AllCatalogueNumbers();
    const bool installed = state.range(0) != 0;
    for (auto _ : state) {
        for (const Sample& s : samples)
            benchmark::DoNotOptimize(ThicknessToShimNumber(s.key, s.thickness, installed));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * samples.size()));
}
BENCHMARK(BM_ThicknessToShimNumber)->ArgName("installed")->Arg(0)->Arg(1);

void BM_PartNumberForShim(benchmark::State& state)
{
    const auto& samples = AllCatalogueNumbers();
    for (auto _ : state) {
        for (const Sample& s : samples)
            benchmark::DoNotOptimize(PartNumberForShim(s.key, s.number));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * samples.size()));
}
BENCHMARK(BM_PartNumberForShim);

// The text a results list shows for every shim: shortest decimal text in a three-decimal field.
void BM_ThicknessField(benchmark::State& state)
{
    const auto& samples = AllCatalogueNumbers();
    for (auto _ : state) {
        for (const Sample& s : samples)
            benchmark::DoNotOptimize(ThreeDecimalField(ShortestDecimalText(s.thickness)));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * samples.size()));
}
BENCHMARK(BM_ThicknessField);

} // namespace
} // namespace kelvane
