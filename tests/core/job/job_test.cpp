// The job the windows share: settings in force, recalculation, plan, lists and the report's input.
#include "job/job.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace kelvane {
namespace {

std::size_t Index(int valve)
{
    return static_cast<std::size_t>(valve - 1);
}

const SettingTexts kDefaultTexts{"0.20", "0.15", "3", "3"};

// Every valve holds shim 120 and measures its nominal clearance.
PerValve<ValveReading> NominalReadings()
{
    PerValve<ValveReading> readings;
    for (int valve = 1; valve <= kValveTotal; ++valve)
        readings[Index(valve)] = {KindOf(valve) == ValveKind::Exhaust ? "0.20" : "0.15", "120", "1.200"};
    return readings;
}

// Valve 1 holds 120 and needs 130, valve 4 holds 130 and needs 125, valve 5 holds 125 and needs 130.
PerValve<ValveReading> WornReadings()
{
    PerValve<ValveReading> readings = NominalReadings();
    readings[Index(1)] = {"0.30", "120", "1.200"};
    readings[Index(4)] = {"0.10", "130", "1.300"};
    readings[Index(5)] = {"0.25", "125", "1.250"};
    return readings;
}

// The main window's controls as a test sets them.
class ShownControls final : public ReportControls
{
public:
    SettingTexts texts = kDefaultTexts;
    PerValve<ValveControlTexts> valves{};
    std::optional<Brand> brand = Brand::Honda;
    ShimDiameter diameter = ShimDiameter::D748;

    SettingTexts settingTexts() const override { return texts; }
    ValveControlTexts valveTexts(int valve) const override { return valves[Index(valve)]; }
    std::optional<Brand> shownBrand() const override { return brand; }
    ShimDiameter shownDiameter() const override { return diameter; }
};

TEST(Job, StartsWithTheSettingsOfAFreshMainWindow)
{
    const Job job;
    EXPECT_EQ(job.settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::D748}));
    EXPECT_EQ(job.settings().minThickness, 1.2L);
    EXPECT_EQ(job.settings().maxThickness, 2.9L);
    EXPECT_EQ(job.settings().cylinders, CylinderCount::Four);
    EXPECT_EQ(job.valveCount(), 16);
    EXPECT_EQ(job.settings().selectionMode, SelectionMode::OutOfToleranceOnly);
    EXPECT_FALSE(job.settings().allNew);
    EXPECT_EQ(job.language(), Language::Russian);
    EXPECT_FALSE(job.snapshot());
    EXPECT_FALSE(job.shimLists());
    EXPECT_EQ(job.valvePlan().targetNumber, PerValve<ShimNumber>{});
}

TEST(Job, CatalogueInForceBringsItsThicknessRangeIntoTheRecalculation)
{
    Job job;
    PerValve<ValveReading> readings = NominalReadings();
    readings[Index(2)] = {"0.20", std::string(kBlankShimEntry), "2.000"};
    const RecalculationOutcome honda = job.recalculate(readings, kDefaultTexts);
    ASSERT_TRUE(honda.recalculation);
    EXPECT_TRUE(honda.recalculation->lowThicknessValves.empty());

    job.applyCatalogue({Brand::Kawasaki, ShimDiameter::D748});
    const ShimCatalogue& kawasaki = CatalogueFor({Brand::Kawasaki, ShimDiameter::D748});
    EXPECT_EQ(job.settings().minThickness, kawasaki.minThickness);
    EXPECT_EQ(job.settings().maxThickness, kawasaki.maxThickness);
    const RecalculationOutcome below = job.recalculate(readings, kDefaultTexts);
    ASSERT_TRUE(below.recalculation);
    EXPECT_EQ(below.recalculation->lowThicknessValves, std::vector<int>{2});
}

TEST(Job, InputErrorKeepsTheSnapshotAndPlanOfTheLastValidRecalculation)
{
    Job job;
    ASSERT_TRUE(job.recalculate(WornReadings(), kDefaultTexts).recalculation);
    ASSERT_TRUE(job.planShims());
    const ValvePlan planned = job.valvePlan();

    PerValve<ValveReading> readings = WornReadings();
    readings[Index(3)].clearanceText = "0. 5";
    const RecalculationOutcome outcome = job.recalculate(readings, kDefaultTexts);
    EXPECT_FALSE(outcome.recalculation);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->message, "'0. 5' is not a valid floating point value");
    ASSERT_TRUE(job.snapshot());
    EXPECT_EQ(job.snapshot()->valves[Index(1)].measuredClearance, 0.30L);
    EXPECT_EQ(job.valvePlan().targetNumber, planned.targetNumber);
}

TEST(Job, PlanNeedsASnapshotAndFollowsTheSelectionSettings)
{
    Job job;
    EXPECT_FALSE(job.planShims());
    ASSERT_TRUE(job.recalculate(WornReadings(), kDefaultTexts).recalculation);

    ASSERT_TRUE(job.planShims());
    EXPECT_EQ(job.valvePlan().targetNumber[Index(1)], 130);
    EXPECT_EQ(job.valvePlan().removedAvailable[Index(1)], 1);
    EXPECT_EQ(job.valvePlan().markerColor[Index(2)], kClBtnFace);

    job.setAllNew(true);
    ASSERT_TRUE(job.planShims());
    EXPECT_EQ(job.valvePlan().removedAvailable[Index(1)], 0);

    // Full selection: a valve within tolerance takes its required shim, here the one it holds.
    job.setSelectionMode(SelectionMode::Full);
    ASSERT_TRUE(job.planShims());
    EXPECT_EQ(job.valvePlan().targetNumber[Index(2)], 120);
    EXPECT_EQ(job.valvePlan().targetNumber[Index(5)], 130);

    // A new recalculation leaves no plan of the old one behind.
    ASSERT_TRUE(job.recalculate(NominalReadings(), kDefaultTexts).recalculation);
    EXPECT_EQ(job.valvePlan().targetNumber, PerValve<ShimNumber>{});
}

TEST(Job, ListsAreBuiltOncePerPlanOverTheJobsValvesInItsLanguage)
{
    Job job;
    job.setCylinders(CylinderCount::One);
    job.setLanguage(Language::English);
    ASSERT_TRUE(job.recalculate(WornReadings(), kDefaultTexts).recalculation);
    ASSERT_TRUE(job.planShims());

    const ShimLists& lists = job.buildShimLists();
    ASSERT_EQ(lists.interchange.size(), 1u);
    EXPECT_EQ(lists.interchange[0].first, "Cylinder 1 in. II");
    EXPECT_EQ(lists.interchange[0].destination, "Cylinder 1 ex. I");
    ASSERT_EQ(lists.purchase.size(), 1u); // valve 5 lies outside one cylinder
    EXPECT_EQ(lists.purchase[0].shimNumber, "125");

    // Asked again, the same lists: valve 4's shim is not passed on a second time.
    const ShimLists& again = job.buildShimLists();
    EXPECT_EQ(&again, &lists);
    EXPECT_EQ(again.interchange.size(), 1u);
    ASSERT_TRUE(job.shimLists());

    // A new plan starts new lists, with valve 4's shim available again; over two cylinders valve 5's
    // 125 goes to valve 4, and valve 5's own 130 is bought.
    job.setCylinders(CylinderCount::Two);
    ASSERT_TRUE(job.planShims());
    EXPECT_FALSE(job.shimLists());
    const ShimLists& two = job.buildShimLists();
    ASSERT_EQ(two.interchange.size(), 2u);
    EXPECT_EQ(two.interchange[0].first, "Cylinder 1 in. II");
    EXPECT_EQ(two.interchange[1].first, "Cylinder 2 ex. I");
    ASSERT_EQ(two.purchase.size(), 1u);
    EXPECT_EQ(two.purchase[0].destination, "Cylinder 2 ex. I");
}

TEST(Job, ReportInputTakesTheControlsAsShownAndTheJobAsSettled)
{
    Job job;
    job.setCylinders(CylinderCount::One);
    job.setAllNew(true);
    job.setLanguage(Language::English);
    ASSERT_TRUE(job.recalculate(WornReadings(), kDefaultTexts).recalculation);
    job.setAllNew(false);
    ASSERT_TRUE(job.planShims());
    job.buildShimLists();

    ShownControls controls;
    controls.texts.nominalIntake = "0.10"; // edited after the recalculation
    controls.valves[Index(1)] = {"0.35", "120", "130", "0"};
    controls.brand = std::nullopt;
    controls.diameter = ShimDiameter::Third;

    const ReportInput input = job.reportInput(controls);
    EXPECT_EQ(input.language, Language::English);
    EXPECT_EQ(input.nominalExhaustText, "0.20");
    EXPECT_EQ(input.nominalIntakeText, "0.10");
    EXPECT_EQ(input.exhaustToleranceText, "3");
    EXPECT_EQ(input.brand, std::nullopt);
    EXPECT_EQ(input.diameter, ShimDiameter::Third);
    EXPECT_EQ(input.cylinders, CylinderCount::One);
    EXPECT_EQ(input.selectionMode, SelectionMode::OutOfToleranceOnly);
    EXPECT_FALSE(input.allNew);
    EXPECT_EQ(input.valves[Index(1)].clearanceText, "0.35");
    EXPECT_EQ(input.valves[Index(1)].requiredLabel, "130");
    EXPECT_EQ(input.valves[Index(1)].measuredClearance, 0.30L); // the snapshot's, not the field's
    EXPECT_EQ(input.nominalIntake, 0.15L);
    EXPECT_EQ(input.thicknessBrand, Brand::Honda);
    EXPECT_EQ(input.interchange[0].first, "Cylinder 1 in. II");
    EXPECT_EQ(input.interchange[0].shimNumber, "130");
    EXPECT_EQ(input.purchase[0].first, "14903-KT7-013");
    EXPECT_TRUE(input.interchange[1].shimNumber.empty());
    EXPECT_TRUE(input.purchase[1].shimNumber.empty());

    // With no brand shown the report names no catalogue.
    const std::vector<std::string> lines = ComposeReport(input);
    EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                             [](const std::string& line) { return line.starts_with("Brand: "); }));
}

TEST(Job, ReportInputBeforeAnyRecalculationHasNoClearancesOrLists)
{
    const Job job;
    const ReportInput input = job.reportInput(ShownControls{});
    EXPECT_EQ(input.brand, Brand::Honda);
    EXPECT_EQ(input.nominalExhaust, 0);
    EXPECT_EQ(input.valves[Index(16)].measuredClearance, 0);
    EXPECT_TRUE(std::all_of(input.purchase.begin(), input.purchase.end(),
                            [](const ReportListRow& row) { return row.shimNumber.empty(); }));
    EXPECT_TRUE(std::all_of(input.interchange.begin(), input.interchange.end(),
                            [](const ReportListRow& row) { return row.shimNumber.empty(); }));
}

} // namespace
} // namespace kelvane
