// The plan of shim changes and the interchange and purchase lists built from it.
#include "evaluation/shim_plan.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace kelvane {
namespace {

std::size_t Index(int valve)
{
    return static_cast<std::size_t>(valve - 1);
}

struct Settled
{
    int valve;
    ShimNumber installed;
    ShimNumber required;
    bool inTolerance = false;
};

// Every valve holds 120, needs 120 and is within tolerance, except those listed.
RecalculationSnapshot SnapshotWith(std::initializer_list<Settled> valves)
{
    RecalculationSnapshot snapshot;
    for (SnapshotValve& valve : snapshot.valves) {
        valve.installedNumber = 120;
        valve.requiredNumber = 120;
        valve.inTolerance = true;
    }
    for (const Settled& settled : valves) {
        SnapshotValve& valve = snapshot.valves[Index(settled.valve)];
        valve.installedNumber = settled.installed;
        valve.requiredNumber = settled.required;
        valve.inTolerance = settled.inTolerance;
    }
    return snapshot;
}

constexpr CatalogueKey kHonda748{Brand::Honda, ShimDiameter::D748};

ShimLists ListsFor(std::initializer_list<Settled> valves, int valveCount = 16,
                   Language language = Language::Russian, CatalogueKey catalogue = kHonda748)
{
    ValvePlan plan = BuildValvePlan(SnapshotWith(valves), SelectionMode::OutOfToleranceOnly, false);
    return BuildShimLists(plan, valveCount, catalogue, language);
}

void ExpectRow(const ShimListRow& row, const std::string& first, const std::string& number,
               const std::string& thickness, const std::string& destination, ColorValue color)
{
    EXPECT_EQ(row.first, first);
    EXPECT_EQ(row.shimNumber, number);
    EXPECT_EQ(row.thickness, thickness);
    EXPECT_EQ(row.destination, destination);
    EXPECT_EQ(row.color, color);
}

// --- The plan ---

TEST(BuildValvePlan, OnlyValvesOutOfToleranceChangeInModeZero)
{
    const auto snapshot = SnapshotWith({{1, 120, 125, false}, {2, 120, 122, true}});
    const ValvePlan plan = BuildValvePlan(snapshot, SelectionMode::OutOfToleranceOnly, false);

    EXPECT_EQ(plan.installedNumber[Index(1)], 120);
    EXPECT_EQ(plan.targetNumber[Index(1)], 125);
    EXPECT_EQ(plan.removedNumber[Index(1)], 120);
    EXPECT_EQ(plan.removedAvailable[Index(1)], 1);
    EXPECT_EQ(plan.markerColor[Index(1)], ValveMarkerColor(1));

    EXPECT_EQ(plan.targetNumber[Index(2)], 120);
    EXPECT_EQ(plan.removedNumber[Index(2)], 0);
    EXPECT_EQ(plan.removedAvailable[Index(2)], 0);
    EXPECT_EQ(plan.markerColor[Index(2)], kClBtnFace);
}

TEST(BuildValvePlan, FullSelectionGivesEveryValveItsRequiredShim)
{
    const auto snapshot = SnapshotWith({{1, 120, 125, false}, {2, 120, 122, true}});
    const ValvePlan plan = BuildValvePlan(snapshot, SelectionMode::Full, false);
    EXPECT_EQ(plan.targetNumber[Index(1)], 125);
    EXPECT_EQ(plan.targetNumber[Index(2)], 122);
    EXPECT_EQ(plan.removedNumber[Index(2)], 120);
    EXPECT_EQ(plan.removedAvailable[Index(2)], 1);
    EXPECT_EQ(plan.markerColor[Index(2)], ValveMarkerColor(2));
    for (int valve = 3; valve <= kValveTotal; ++valve) {
        EXPECT_EQ(plan.removedNumber[Index(valve)], 0) << valve;
        EXPECT_EQ(plan.markerColor[Index(valve)], kClBtnFace) << valve;
    }
}

TEST(BuildValvePlan, OutOfToleranceValveWhoseRequiredShimIsInstalledKeepsIt)
{
    const ValvePlan plan =
        BuildValvePlan(SnapshotWith({{4, 130, 130, false}}), SelectionMode::OutOfToleranceOnly, false);
    EXPECT_EQ(plan.targetNumber[Index(4)], 130);
    EXPECT_EQ(plan.removedNumber[Index(4)], 0);
    EXPECT_EQ(plan.markerColor[Index(4)], kClBtnFace);
}

TEST(BuildValvePlan, AllNewOffersNoRemovedShim)
{
    const auto snapshot = SnapshotWith({{1, 120, 125}, {2, 125, 120}, {16, 150, 160}});
    const ValvePlan plan = BuildValvePlan(snapshot, SelectionMode::Full, true);
    EXPECT_EQ(plan.removedNumber[Index(1)], 120);
    EXPECT_EQ(plan.removedNumber[Index(16)], 150);
    for (int valve = 1; valve <= kValveTotal; ++valve)
        EXPECT_EQ(plan.removedAvailable[Index(valve)], 0) << valve;
}

// --- The lists ---

TEST(BuildShimLists, TwoValvesSwapTheirShims)
{
    ValvePlan plan = BuildValvePlan(SnapshotWith({{1, 120, 125}, {2, 125, 120}}),
                                    SelectionMode::OutOfToleranceOnly, false);
    const ShimLists lists = BuildShimLists(plan, 16, kHonda748, Language::Russian);
    EXPECT_TRUE(lists.purchase.empty());
    ASSERT_EQ(lists.interchange.size(), 2u);
    ExpectRow(lists.interchange[0], "Цилиндр 1 вып. II", "125", " 1.250", "Цилиндр 1 вып. I", 0x004444FFu);
    ExpectRow(lists.interchange[1], "Цилиндр 1 вып. I", "120", " 1.200", "Цилиндр 1 вып. II", 0x0044FFFFu);
    EXPECT_EQ(plan.removedAvailable[Index(1)], 0);
    EXPECT_EQ(plan.removedAvailable[Index(2)], 0);
}

TEST(BuildShimLists, LowestDonorGivesFirst)
{
    ValvePlan plan = BuildValvePlan(SnapshotWith({{2, 130, 125}, {7, 130, 135}, {4, 128, 130}}),
                                    SelectionMode::OutOfToleranceOnly, false);
    const ShimLists lists = BuildShimLists(plan, 8, kHonda748, Language::English);
    ASSERT_EQ(lists.interchange.size(), 1u);
    ExpectRow(lists.interchange[0], "Cylinder 1 ex. II", "130", " 1.300", "Cylinder 1 in. II",
              ValveMarkerColor(4));
    ASSERT_EQ(lists.purchase.size(), 2u);
    ExpectRow(lists.purchase[0], "14903-KT7-013", "125", " 1.250", "Cylinder 1 ex. II", ValveMarkerColor(2));
    ExpectRow(lists.purchase[1], "14907-KT7-013", "135", " 1.350", "Cylinder 2 in. I", ValveMarkerColor(7));
    EXPECT_EQ(plan.removedAvailable[Index(2)], 0);
    EXPECT_EQ(plan.removedAvailable[Index(7)], 1); // its 130 goes to no valve
}

TEST(BuildShimLists, ReceiversAreServedInAscendingOrder)
{
    const ShimLists lists = ListsFor({{3, 120, 130}, {6, 120, 130}, {9, 130, 135}});
    ASSERT_EQ(lists.interchange.size(), 1u);
    ExpectRow(lists.interchange[0], "Цилиндр 3 вып. I", "130", " 1.300", "Цилиндр 1 вп.  I",
              ValveMarkerColor(3));
    ASSERT_EQ(lists.purchase.size(), 2u);
    ExpectRow(lists.purchase[0], "14905-KT7-013", "130", " 1.300", "Цилиндр 2 вып. II", ValveMarkerColor(6));
    ExpectRow(lists.purchase[1], "14907-KT7-013", "135", " 1.350", "Цилиндр 3 вып. I", ValveMarkerColor(9));
}

TEST(BuildShimLists, ShimsPassAlongAChain)
{
    const ShimLists lists = ListsFor({{1, 120, 125}, {2, 125, 130}, {3, 130, 120}});
    EXPECT_TRUE(lists.purchase.empty());
    ASSERT_EQ(lists.interchange.size(), 3u);
    EXPECT_EQ(lists.interchange[0].first, ValveDesignation(2, Language::Russian));
    EXPECT_EQ(lists.interchange[1].first, ValveDesignation(3, Language::Russian));
    EXPECT_EQ(lists.interchange[2].first, ValveDesignation(1, Language::Russian));
}

TEST(BuildShimLists, OneCylinderLeavesTheOtherValvesOut)
{
    ValvePlan plan = BuildValvePlan(SnapshotWith({{2, 120, 130}, {5, 130, 125}, {12, 140, 145}}),
                                    SelectionMode::OutOfToleranceOnly, false);
    EXPECT_EQ(plan.removedNumber[Index(5)], 130); // the plan still covers every valve
    const ShimLists lists = BuildShimLists(plan, 4, kHonda748, Language::Russian);
    EXPECT_TRUE(lists.interchange.empty());
    ASSERT_EQ(lists.purchase.size(), 1u);
    EXPECT_EQ(lists.purchase[0].destination, "Цилиндр 1 вып. II");
    EXPECT_EQ(plan.removedAvailable[Index(5)], 1);
}

// The job's last valve gives its shim too: valve 1 holds 120 and needs 130, the last valve (4, 8 or
// 16) holds 130 and needs 125, so the last valve's 130 moves to valve 1 and only 125 is bought.
class LastValveDonates : public testing::TestWithParam<int>
{};

TEST_P(LastValveDonates, ItsShimMovesToValveOne)
{
    const int last = GetParam();
    const ShimLists lists = ListsFor({{1, 120, 130}, {last, 130, 125}}, last, Language::English);
    ASSERT_EQ(lists.interchange.size(), 1u);
    ExpectRow(lists.interchange[0], ValveDesignation(last, Language::English), "130", " 1.300",
              "Cylinder 1 ex. I", ValveMarkerColor(1));
    ASSERT_EQ(lists.purchase.size(), 1u);
    ExpectRow(lists.purchase[0], "14903-KT7-013", "125", " 1.250", ValveDesignation(last, Language::English),
              ValveMarkerColor(last));
}

INSTANTIATE_TEST_SUITE_P(ValveCounts, LastValveDonates, testing::Values(4, 8, 16),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "Valves";
                         });

TEST(BuildShimLists, AllNewPutsEveryChangeOnThePurchaseList)
{
    ValvePlan plan = BuildValvePlan(SnapshotWith({{1, 120, 125}, {2, 125, 120}, {3, 130, 130}}),
                                    SelectionMode::Full, true);
    const ShimLists lists = BuildShimLists(plan, 16, kHonda748, Language::Russian);
    EXPECT_TRUE(lists.interchange.empty());
    ASSERT_EQ(lists.purchase.size(), 2u);
    ExpectRow(lists.purchase[0], "14903-KT7-013", "125", " 1.250", "Цилиндр 1 вып. I", ValveMarkerColor(1));
    ExpectRow(lists.purchase[1], "14901-KT7-013", "120", " 1.200", "Цилиндр 1 вып. II", ValveMarkerColor(2));
}

TEST(BuildShimLists, ModeDecidesWhetherAValveWithinToleranceChanges)
{
    const auto snapshot = SnapshotWith({{2, 120, 122, true}});
    ValvePlan onlyOut = BuildValvePlan(snapshot, SelectionMode::OutOfToleranceOnly, false);
    const ShimLists none = BuildShimLists(onlyOut, 16, kHonda748, Language::Russian);
    EXPECT_TRUE(none.purchase.empty());
    EXPECT_TRUE(none.interchange.empty());
    for (int valve = 1; valve <= kValveTotal; ++valve)
        EXPECT_EQ(onlyOut.markerColor[Index(valve)], kClBtnFace);

    ValvePlan full = BuildValvePlan(snapshot, SelectionMode::Full, false);
    const ShimLists one = BuildShimLists(full, 16, kHonda748, Language::Russian);
    ASSERT_EQ(one.purchase.size(), 1u);
    ExpectRow(one.purchase[0], "14902-KT7-013", "122", " 1.225", "Цилиндр 1 вып. II", ValveMarkerColor(2));
}

TEST(BuildShimLists, SixteenChangesFillThePurchaseListExactly)
{
    RecalculationSnapshot snapshot = SnapshotWith({});
    for (SnapshotValve& valve : snapshot.valves) {
        valve.requiredNumber = 125;
        valve.inTolerance = false;
    }
    ValvePlan plan = BuildValvePlan(snapshot, SelectionMode::OutOfToleranceOnly, false);
    const ShimLists lists = BuildShimLists(plan, 16, kHonda748, Language::English);
    EXPECT_TRUE(lists.interchange.empty());
    ASSERT_EQ(lists.purchase.size(), 16u);
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const ShimListRow& row = lists.purchase[Index(valve)];
        ExpectRow(row, "14903-KT7-013", "125", " 1.250", ValveDesignation(valve, Language::English),
                  ValveMarkerColor(valve));
    }
}

TEST(BuildShimLists, ShimWithoutPartNumberStillGetsItsRow)
{
    const ShimLists lists =
        ListsFor({{5, 120, 122}, {6, 120, 125}}, 16, Language::Russian, {Brand::Yamaha, ShimDiameter::D748});
    ASSERT_EQ(lists.purchase.size(), 2u);
    ExpectRow(lists.purchase[0], "", "122", " 1.225", "Цилиндр 2 вып. I", ValveMarkerColor(5));
    ExpectRow(lists.purchase[1], "1HX-12168-20-00", "125", " 1.250", "Цилиндр 2 вып. II",
              ValveMarkerColor(6));
}

TEST(ShimThicknessText, AlwaysThreeDecimalsAfterOneBlank)
{
    EXPECT_EQ(ShimThicknessText(Brand::Honda, 200), " 2.000");
    EXPECT_EQ(ShimThicknessText(Brand::Honda, 122), " 1.225");
    EXPECT_EQ(ShimThicknessText(Brand::Kawasaki, 248), " 2.475");
    EXPECT_EQ(ShimThicknessText(Brand::Honda, 120), " 1.200");
    EXPECT_EQ(ShimThicknessText(Brand::Suzuki, 215), " 2.150");
    const ShimLists lists = ListsFor({{13, 190, 200}});
    ASSERT_EQ(lists.purchase.size(), 1u);
    EXPECT_EQ(lists.purchase[0].thickness, " 2.000");
    EXPECT_EQ(lists.purchase[0].first, "14933-KT7-013");
}

// A typed thickness of 0.000 settles as shim number 0: the valve still needs its shim and is listed,
// and its "removed" number 0 is no shim to hand on to a valve whose target happens to be 0.
TEST(ShimLists, ValveHoldingNumberZeroIsStillListedAndGivesNothing)
{
    const ShimLists lists = ListsFor({{1, 0, 130}, {2, 125, 0}});
    ASSERT_EQ(lists.purchase.size(), 2u);
    EXPECT_TRUE(lists.interchange.empty());
    ExpectRow(lists.purchase[0], "14905-KT7-013", "130", " 1.300", "Цилиндр 1 вып. I", 0x004444FFu);
    EXPECT_EQ(lists.purchase[1].shimNumber, "0");
    EXPECT_EQ(lists.purchase[1].destination, "Цилиндр 1 вып. II");
}

} // namespace
} // namespace kelvane
