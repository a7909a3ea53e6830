// The plan of shim changes and the interchange and purchase lists built from it.
#include "evaluation/shim_plan.h"

#include "catalogue/shim_conversion.h"
#include "numbers/number_fields.h"

#include <algorithm>

namespace kelvane {

namespace {

// Valve 1 light red, valve 5 light blue, …: 0x00BBGGRR.
constexpr PerValve<ColorValue> kMarkerColors{
    0x004444FFu, 0x0044FFFFu, 0x00FF44FFu, 0x00FFFF44u, 0x00FF4444u, 0x0044FF44u, 0x00AA4444u, 0x004444AAu,
    0x0044AA44u, 0x00AA44AAu, 0x00AAAA44u, 0x0044AAAAu, 0x00774477u, 0x00447744u, 0x00444477u, 0x00AA77EEu,
};

// The first donor, in ascending valve number, whose removed shim is still free and is exactly the
// needed number; 0 when there is none.
int FindDonor(const ValvePlan& plan, int valveCount, ShimNumber needed)
{
    for (int donor = 1; donor <= valveCount; ++donor) {
        const std::size_t d = static_cast<std::size_t>(donor - 1);
        if (plan.removedNumber[d] == needed && plan.removedAvailable[d] == 1)
            return donor;
    }
    return 0;
}

} // namespace

ColorValue ValveMarkerColor(int valve)
{
    if (valve < 1 || valve > kValveTotal)
        return kClBtnFace;
    return kMarkerColors[static_cast<std::size_t>(valve - 1)];
}

ValvePlan BuildValvePlan(const RecalculationSnapshot& snapshot, SelectionMode mode, bool allNew)
{
    ValvePlan plan;
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const std::size_t i = static_cast<std::size_t>(valve - 1);
        const SnapshotValve& settled = snapshot.valves[i];
        plan.installedNumber[i] = settled.installedNumber;
        const bool keepsShim = settled.inTolerance && mode == SelectionMode::OutOfToleranceOnly;
        plan.targetNumber[i] = keepsShim ? settled.installedNumber : settled.requiredNumber;
        if (plan.targetNumber[i] == plan.installedNumber[i]) {
            plan.removedNumber[i] = 0;
            plan.removedAvailable[i] = 0;
            plan.markerColor[i] = kClBtnFace;
        } else {
            plan.removedNumber[i] = plan.installedNumber[i];
            // Number 0 comes from a typed thickness of 0.000: no shim comes out to pass on.
            plan.removedAvailable[i] = (allNew || plan.installedNumber[i] == 0) ? 0 : 1;
            plan.markerColor[i] = ValveMarkerColor(valve);
        }
    }
    return plan;
}

std::string ShimThicknessText(Brand brand, ShimNumber number)
{
    return ThreeDecimalField(ShortestDecimalText(ShimNumberToThickness(brand, number)));
}

ShimLists BuildShimLists(ValvePlan& plan, int valveCount, CatalogueKey catalogue, Language language)
{
    valveCount = std::clamp(valveCount, 0, kValveTotal);
    ShimLists lists;
    // Every changing valve lands on exactly one list; room for all of them on each spares regrowth.
    lists.purchase.reserve(static_cast<std::size_t>(valveCount));
    lists.interchange.reserve(static_cast<std::size_t>(valveCount));
    for (int receiver = 1; receiver <= valveCount; ++receiver) {
        const std::size_t r = static_cast<std::size_t>(receiver - 1);
        // A valve changes when its target differs from what it holds; testing the removed number
        // instead would drop a valve that holds number 0 (typed 0.000) but needs a shim.
        if (plan.targetNumber[r] == plan.installedNumber[r])
            continue;
        const ShimNumber needed = plan.targetNumber[r];
        ShimListRow row;
        row.shimNumber = std::to_string(needed);
        row.thickness = ShimThicknessText(catalogue.brand, needed);
        row.destination = ValveDesignation(receiver, language);
        row.color = plan.markerColor[r];
        if (const int donor = FindDonor(plan, valveCount, needed); donor != 0) {
            plan.removedAvailable[static_cast<std::size_t>(donor - 1)] = 0;
            row.first = ValveDesignation(donor, language);
            lists.interchange.push_back(std::move(row));
        } else {
            row.first = std::string(PartNumberForShim(catalogue, needed));
            lists.purchase.push_back(std::move(row));
        }
    }
    return lists;
}

} // namespace kelvane
