// The plan of shim changes and the interchange and purchase lists built from it.
#pragma once

#include "evaluation/valve.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvane {

// Colours are 0x00BBGGRR; button face is the system colour value.
using ColorValue = std::uint32_t;
inline constexpr ColorValue kClBtnFace = 0xFF00000Fu;
inline constexpr ColorValue kWhite = 0x00FFFFFFu;

// The fixed marker colour of a changing valve (1..16).
ColorValue ValveMarkerColor(int valve);

struct ValvePlan
{
    PerValve<ShimNumber> installedNumber{};
    PerValve<ShimNumber> targetNumber{};
    PerValve<ColorValue> markerColor{};
    PerValve<ShimNumber> removedNumber{};
    PerValve<std::int32_t> removedAvailable{};
};

ValvePlan BuildValvePlan(const RecalculationSnapshot& snapshot, SelectionMode mode, bool allNew);

// One row of either list: four texts and the row colour.
struct ShimListRow
{
    std::string first;       // part number (purchase) or source valve (interchange)
    std::string shimNumber;  // "122"
    std::string thickness;   // " 1.225"
    std::string destination; // the receiving valve
    ColorValue color = kWhite;
};

struct ShimLists
{
    std::vector<ShimListRow> purchase;    // NewShimRow, at most 16
    std::vector<ShimListRow> interchange; // InterchangeRow, at most 16
};

// Uses up RemovedAvailable of every donor it takes, so it is run once per plan.
ShimLists BuildShimLists(ValvePlan& plan, int valveCount, CatalogueKey catalogue, Language language);

// " 1.225": the thickness text of a shim number in the lists.
std::string ShimThicknessText(Brand brand, ShimNumber number);

} // namespace kelvane
