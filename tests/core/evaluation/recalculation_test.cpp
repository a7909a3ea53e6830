// Recalculation of all sixteen valves from the field texts: labels, verdicts, warnings, input errors.
#include "evaluation/recalculation.h"

#include "catalogue/shim_conversion.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace kelvane {
namespace {

std::size_t Index(int valve)
{
    return static_cast<std::size_t>(valve - 1);
}

// The main window as it starts: every valve "120", clearances at nominal.
PerValve<ValveReading> DefaultReadings()
{
    PerValve<ValveReading> readings;
    for (int valve = 1; valve <= kValveTotal; ++valve)
        readings[Index(valve)] = {KindOf(valve) == ValveKind::Exhaust ? "0.20" : "0.15", "120", "1.200"};
    return readings;
}

EngineSettings Settings(Brand brand = Brand::Honda, ShimDiameter diameter = ShimDiameter::D748)
{
    EngineSettings settings;
    settings.catalogue = {brand, diameter};
    settings.minThickness = CatalogueFor(settings.catalogue).minThickness;
    settings.maxThickness = CatalogueFor(settings.catalogue).maxThickness;
    return settings;
}

Recalculation Valid(const RecalculationOutcome& outcome)
{
    EXPECT_FALSE(outcome.error.has_value()) << outcome.error->message;
    if (!outcome.recalculation)
        throw std::runtime_error("no recalculation");
    return *outcome.recalculation;
}

void ExpectLabels(const Recalculation& r, int valve, const ValveLabels& expected)
{
    const ValveLabels& labels = r.labels[Index(valve)];
    EXPECT_EQ(labels.installedNumber, expected.installedNumber) << "valve " << valve;
    EXPECT_EQ(labels.deviation, expected.deviation) << "valve " << valve;
    EXPECT_EQ(labels.requiredNumber, expected.requiredNumber) << "valve " << valve;
    EXPECT_EQ(labels.deviationAfter, expected.deviationAfter) << "valve " << valve;
}

std::string ErrorOf(const RecalculationOutcome& outcome)
{
    EXPECT_FALSE(outcome.recalculation.has_value());
    return outcome.error ? outcome.error->message : std::string("(no error)");
}

// --- Worked examples ---

TEST(RecalculateExamples, HondaShim122WithWideClearanceNeeds130)
{
    auto readings = DefaultReadings();
    readings[Index(1)] = {"0.27", "122", "1.225"};
    const Recalculation& r = Valid(Recalculate(readings, Settings()));

    ExpectLabels(r, 1, {"122", "0.07 мм", "130", "-0.005"});
    EXPECT_FALSE(r.inTolerance[Index(1)]);
    const SnapshotValve& snap = r.snapshot.valves[Index(1)];
    EXPECT_EQ(snap.installedNumber, 122);
    EXPECT_EQ(snap.installedThickness, ShimNumberToThickness(Brand::Honda, 122));
    EXPECT_NEAR(static_cast<double>(snap.measuredClearance), 0.27, 1e-12);
    EXPECT_NEAR(static_cast<double>(snap.requiredThickness), 1.295, 1e-12);
    EXPECT_EQ(snap.requiredNumber, 130);
    EXPECT_FALSE(snap.inTolerance);
    EXPECT_NEAR(static_cast<double>(r.results[Index(1)].deviationAfter), -0.005, 1e-15);
    for (int valve = 2; valve <= kValveTotal; ++valve)
        ExpectLabels(r, valve, {"120", "0 мм", "120", "0"});
}

TEST(RecalculateExamples, YamahaTypedThicknessRoundsRequiredToHalfSteps)
{
    auto readings = DefaultReadings();
    readings[Index(1)] = {"0.25", std::string(kBlankShimEntry), "1.720"};
    const Recalculation& r = Valid(Recalculate(readings, Settings(Brand::Yamaha)));

    ExpectLabels(r, 1, {"172", "0.05 мм", "175", "0.02"});
    EXPECT_FALSE(r.inTolerance[Index(1)]);
    EXPECT_NEAR(static_cast<double>(r.snapshot.valves[Index(1)].requiredThickness), 1.77, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.snapshot.valves[Index(1)].installedThickness), 1.72, 1e-15);
    EXPECT_TRUE(r.lowThicknessValves.empty());
}

TEST(RecalculateExamples, Kawasaki948MiddleBandGivesQuarterStep)
{
    auto readings = DefaultReadings();
    readings[Index(1)] = {"0.22", "250", "2.500"};
    const Recalculation& r = Valid(Recalculate(readings, Settings(Brand::Kawasaki, ShimDiameter::D948)));

    ExpectLabels(r, 1, {"250", "0.02 мм", "252", "-0.005"});
    EXPECT_TRUE(r.inTolerance[Index(1)]);
    EXPECT_NEAR(static_cast<double>(r.snapshot.valves[Index(1)].requiredThickness), 2.52, 1e-12);
}

TEST(RecalculateExamples, DefaultInputsLeaveEveryValveAsItIs)
{
    const Recalculation& r = Valid(Recalculate(DefaultReadings(), Settings()));
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        ExpectLabels(r, valve, {"120", "0 мм", "120", "0"});
        EXPECT_TRUE(r.inTolerance[Index(valve)]) << valve;
        EXPECT_TRUE(r.snapshot.valves[Index(valve)].inTolerance) << valve;
        EXPECT_EQ(r.snapshot.valves[Index(valve)].installedNumber, 120);
        EXPECT_EQ(r.snapshot.valves[Index(valve)].requiredNumber, 120);
    }
    EXPECT_TRUE(r.lowThicknessValves.empty());
    EXPECT_NEAR(static_cast<double>(r.snapshot.nominalExhaust), 0.20, 1e-15);
    EXPECT_NEAR(static_cast<double>(r.snapshot.nominalIntake), 0.15, 1e-15);
}

TEST(RecalculateExamples, IntakeValvesUseTheIntakeNominal)
{
    auto readings = DefaultReadings();
    readings[Index(3)].clearanceText = "0.20"; // intake nominal 0.15
    readings[Index(5)].clearanceText = "0.15"; // exhaust nominal 0.20
    const Recalculation& r = Valid(Recalculate(readings, Settings()));
    EXPECT_EQ(r.labels[Index(3)].deviation, "0.05 мм");
    EXPECT_EQ(r.labels[Index(5)].deviation, "-0.05 мм");
    EXPECT_EQ(r.labels[Index(3)].requiredNumber, "125");
    EXPECT_EQ(r.labels[Index(5)].requiredNumber, "115"); // below the catalogue, shown unchanged
}

TEST(RecalculateExamples, ValvesOfMissingCylindersAreEvaluatedAllTheSame)
{
    auto readings = DefaultReadings();
    readings[Index(16)] = {"0.30", "150", "1.500"};
    const Recalculation& r = Valid(Recalculate(readings, Settings()));
    ExpectLabels(r, 16, {"150", "0.15 мм", "165", "0"});
}

// --- Tolerance ---

TEST(RecalculateTolerance, ZeroToleranceMakesEveryValveOutEvenAtNominal)
{
    auto settings = Settings();
    settings.exhaustToleranceText = "0";
    settings.intakeToleranceText = "0";
    const Recalculation& r = Valid(Recalculate(DefaultReadings(), settings));
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        EXPECT_EQ(r.labels[Index(valve)].deviation, "0 мм");
        EXPECT_FALSE(r.inTolerance[Index(valve)]) << valve;
        EXPECT_FALSE(r.snapshot.valves[Index(valve)].inTolerance) << valve;
    }
}

TEST(RecalculateTolerance, DeviationEqualToToleranceIsOut)
{
    auto readings = DefaultReadings();
    const std::pair<int, const char*> exhaust[] = {{1, "0.20"}, {2, "0.22"},  {5, "0.18"}, {6, "0.23"},
                                                   {9, "0.17"}, {10, "0.24"}, {13, "0.15"}};
    for (const auto& [valve, text] : exhaust)
        readings[Index(valve)].clearanceText = text;
    const Recalculation& r = Valid(Recalculate(readings, Settings()));
    EXPECT_TRUE(r.inTolerance[Index(1)]);
    EXPECT_TRUE(r.inTolerance[Index(2)]);
    EXPECT_TRUE(r.inTolerance[Index(5)]);
    EXPECT_FALSE(r.inTolerance[Index(6)]);
    EXPECT_FALSE(r.inTolerance[Index(9)]);
    EXPECT_FALSE(r.inTolerance[Index(10)]);
    EXPECT_FALSE(r.inTolerance[Index(13)]);
    EXPECT_EQ(r.labels[Index(6)].deviation, "0.03 мм");
    EXPECT_EQ(r.labels[Index(9)].deviation, "-0.03 мм");
}

// Every two-decimal clearance the fields can hold, against every nominal and tolerance digit: the
// verdict must be the decimal one, never the accident of binary subtraction.
TEST(RecalculateTolerance, BoundaryHoldsForEveryNominalAndTolerance)
{
    auto hundredths = [](int value) {
        std::string text = std::to_string(value / 100) + ".";
        text += static_cast<char>('0' + value % 100 / 10);
        text += static_cast<char>('0' + value % 10);
        return text;
    };
    for (int tolerance = 1; tolerance <= 9; ++tolerance) {
        for (int nominal = 0; nominal <= 90; ++nominal) {
            auto settings = Settings();
            settings.nominalExhaustText = hundredths(nominal);
            settings.exhaustToleranceText = std::to_string(tolerance);
            auto readings = DefaultReadings();
            readings[Index(1)].clearanceText = hundredths(nominal + tolerance);     // out
            readings[Index(2)].clearanceText = hundredths(nominal + tolerance - 1); // in
            if (nominal >= tolerance)
                readings[Index(5)].clearanceText = hundredths(nominal - tolerance); // out
            if (nominal >= tolerance - 1)
                readings[Index(6)].clearanceText = hundredths(nominal - tolerance + 1); // in
            const Recalculation& r = Valid(Recalculate(readings, settings));
            SCOPED_TRACE("nominal " + settings.nominalExhaustText + " tolerance " +
                         std::to_string(tolerance));
            EXPECT_FALSE(r.inTolerance[Index(1)]);
            EXPECT_TRUE(r.inTolerance[Index(2)]);
            if (nominal >= tolerance) {
                EXPECT_FALSE(r.inTolerance[Index(5)]);
            }
            if (nominal >= tolerance - 1) {
                EXPECT_TRUE(r.inTolerance[Index(6)]);
            }
        }
    }
}

TEST(RecalculateTolerance, EachKindUsesItsOwnToleranceDigit)
{
    auto settings = Settings();
    settings.exhaustToleranceText = "1";
    settings.intakeToleranceText = "5";
    auto readings = DefaultReadings();
    readings[Index(1)].clearanceText = "0.22"; // exhaust, 0.02 against 0.01
    readings[Index(3)].clearanceText = "0.19"; // intake, 0.04 against 0.05
    const Recalculation& r = Valid(Recalculate(readings, settings));
    EXPECT_FALSE(r.inTolerance[Index(1)]);
    EXPECT_TRUE(r.inTolerance[Index(3)]);
    EXPECT_TRUE(r.inTolerance[Index(2)]);
}

// --- Low-thickness warnings ---

TEST(RecalculateWarnings, TypedThicknessBelowRangeWarnsAndIsStillEvaluated)
{
    auto readings = DefaultReadings();
    readings[Index(5)] = {"0.20", std::string(kBlankShimEntry), "1.150"};
    const Recalculation& r = Valid(Recalculate(readings, Settings()));
    ASSERT_EQ(r.lowThicknessValves, std::vector<int>{5});
    EXPECT_EQ(LowThicknessWarningText(5),
              "Проверьте поля ввода номера или толщины шайбы, которая установлена. Ц.2 выпуск I");
    EXPECT_EQ(kLowThicknessWarningCaption, "Ошибка ввода");
    ExpectLabels(r, 5, {"115", "0 мм", "115", "0"});
    EXPECT_EQ(r.snapshot.valves[Index(5)].installedNumber, 115);
}

TEST(RecalculateWarnings, SeveralValvesWarnInValveOrder)
{
    auto readings = DefaultReadings();
    readings[Index(12)] = {"0.15", std::string(kBlankShimEntry), "0.900"};
    readings[Index(3)] = {"0.15", std::string(kBlankShimEntry), "1.190"};
    readings[Index(7)] = {"0.15", std::string(kBlankShimEntry), "1.200"}; // at the limit: no warning
    const Recalculation& r = Valid(Recalculate(readings, Settings()));
    EXPECT_EQ(r.lowThicknessValves, (std::vector<int>{3, 12}));
    EXPECT_EQ(LowThicknessWarningText(12),
              "Проверьте поля ввода номера или толщины шайбы, которая установлена. Ц.3 впуск II");
}

TEST(RecalculateWarnings, ThicknessFieldOfAChosenNumberIsNotRead)
{
    auto readings = DefaultReadings();
    readings[Index(2)] = {"0.20", "125", "0.500"};
    readings[Index(4)] = {"0.15", "130", "1. 3"};
    const Recalculation& r = Valid(Recalculate(readings, Settings()));
    EXPECT_TRUE(r.lowThicknessValves.empty());
    EXPECT_EQ(r.labels[Index(2)].installedNumber, "125");
    EXPECT_EQ(r.labels[Index(4)].installedNumber, "130");
}

TEST(RecalculateWarnings, MinimumComesFromTheSettings)
{
    auto readings = DefaultReadings();
    readings[Index(1)] = {"0.20", std::string(kBlankShimEntry), "1.950"};
    const Recalculation& r = Valid(Recalculate(readings, Settings(Brand::Kawasaki, ShimDiameter::D948)));
    EXPECT_EQ(r.lowThicknessValves, std::vector<int>{1});
    EXPECT_EQ(r.labels[Index(1)].installedNumber, "195");
}

// --- Invalid texts ---

TEST(RecalculateInvalidText, MessagesNameTheFieldTextWithItsBlanks)
{
    {
        auto readings = DefaultReadings();
        readings[Index(3)].clearanceText = "0. 5";
        EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())), "'0. 5' is not a valid floating point value");
    }
    {
        auto readings = DefaultReadings();
        readings[Index(6)].shimNumberText = "1 2";
        EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())), "'1 2' is not a valid integer value");
    }
    {
        auto settings = Settings();
        settings.intakeToleranceText = " ";
        EXPECT_EQ(ErrorOf(Recalculate(DefaultReadings(), settings)), "' ' is not a valid integer value");
    }
    {
        auto readings = DefaultReadings();
        readings[Index(1)].clearanceText = "";
        EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())), "'' is not a valid floating point value");
    }
    {
        auto readings = DefaultReadings();
        readings[Index(9)] = {"0.20", std::string(kBlankShimEntry), " .   "};
        EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())), "' .   ' is not a valid floating point value");
    }
    {
        auto settings = Settings();
        settings.nominalIntakeText = "    ";
        EXPECT_EQ(ErrorOf(Recalculate(DefaultReadings(), settings)),
                  "'    ' is not a valid floating point value");
    }
}

TEST(RecalculateInvalidText, OnlyTheThreeBlankEntryMeansATypedThickness)
{
    auto readings = DefaultReadings();
    readings[Index(2)].shimNumberText = "  ";
    EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())), "'  ' is not a valid integer value");
}

TEST(RecalculateInvalidText, InvalidLaterFieldSuppressesEarlierWarnings)
{
    auto readings = DefaultReadings();
    readings[Index(3)] = {"0.15", std::string(kBlankShimEntry), "1.150"}; // would warn
    auto settings = Settings();
    settings.intakeToleranceText = "x";
    const RecalculationOutcome outcome = Recalculate(readings, settings);
    EXPECT_FALSE(outcome.recalculation.has_value());
    ASSERT_TRUE(outcome.error.has_value());
    EXPECT_EQ(outcome.error->message, "'x' is not a valid integer value");
}

// Of several bad texts, the one reported is the first the stages meet: typed thicknesses, nominals,
// exhaust clearances, intake clearances, installed shims, tolerance digits.
TEST(RecalculateInvalidText, FirstErrorFollowsTheStageOrder)
{
    auto error = [](const PerValve<ValveReading>& readings, const EngineSettings& settings) {
        return ErrorOf(Recalculate(readings, settings));
    };
    auto readings = DefaultReadings();
    auto settings = Settings();

    readings[Index(16)] = {"0.15", std::string(kBlankShimEntry), "T16"};
    readings[Index(12)] = {"0.15", std::string(kBlankShimEntry), "T12"};
    readings[Index(1)].shimNumberText = "S1";
    readings[Index(3)].clearanceText = "C3";
    readings[Index(14)].clearanceText = "C14";
    readings[Index(2)].clearanceText = "C2";
    settings.nominalExhaustText = "NE";
    settings.nominalIntakeText = "NI";
    settings.exhaustToleranceText = "TE";
    settings.intakeToleranceText = "TI";

    EXPECT_EQ(error(readings, settings), "'T12' is not a valid floating point value");
    readings[Index(12)].thicknessText = "1.200";
    EXPECT_EQ(error(readings, settings), "'T16' is not a valid floating point value");
    readings[Index(16)].thicknessText = "1.200";
    EXPECT_EQ(error(readings, settings), "'NE' is not a valid floating point value");
    settings.nominalExhaustText = "0.20";
    EXPECT_EQ(error(readings, settings), "'NI' is not a valid floating point value");
    settings.nominalIntakeText = "0.15";
    EXPECT_EQ(error(readings, settings), "'C2' is not a valid floating point value");
    readings[Index(2)].clearanceText = "0.20";
    EXPECT_EQ(error(readings, settings), "'C14' is not a valid floating point value"); // exhaust before 3
    readings[Index(14)].clearanceText = "0.20";
    EXPECT_EQ(error(readings, settings), "'C3' is not a valid floating point value");
    readings[Index(3)].clearanceText = "0.15";
    EXPECT_EQ(error(readings, settings), "'S1' is not a valid integer value");
    readings[Index(1)].shimNumberText = "120";
    EXPECT_EQ(error(readings, settings), "'TE' is not a valid integer value"); // valve 1 is exhaust
    settings.exhaustToleranceText = "3";
    EXPECT_EQ(error(readings, settings), "'TI' is not a valid integer value");
    settings.intakeToleranceText = "3";
    EXPECT_FALSE(Recalculate(readings, settings).error.has_value());
}

TEST(RecalculateInvalidText, InstalledShimsAreReadInValveOrder)
{
    auto readings = DefaultReadings();
    readings[Index(2)].shimNumberText = "S2";
    readings[Index(9)].shimNumberText = "S9";
    EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())), "'S2' is not a valid integer value");
}

TEST(RecalculateInvalidText, NonFiniteAndOverlongNumbersAreRejected)
{
    for (const char* text : {"inf", "nan", "1e9999", "0.2x", "0,2"}) {
        auto readings = DefaultReadings();
        readings[Index(1)].clearanceText = text;
        EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())),
                  "'" + std::string(text) + "' is not a valid floating point value");
    }
    auto readings = DefaultReadings();
    readings[Index(1)].shimNumberText = "99999999999";
    EXPECT_EQ(ErrorOf(Recalculate(readings, Settings())), "'99999999999' is not a valid integer value");
}

// --- Blank padding ---

TEST(RecalculateBlankPadding, MaskBlanksAroundANumberAreIgnored)
{
    auto readings = DefaultReadings();
    readings[Index(1)] = {"0.2 ", std::string(kBlankShimEntry), "2.9  "};
    readings[Index(2)] = {" 0.25", " 125 ", "1.200"};
    readings[Index(3)] = {"0.15", std::string(kBlankShimEntry), "  1.5"};
    auto settings = Settings();
    settings.exhaustToleranceText = " 3";
    settings.nominalIntakeText = "0.15 ";
    const Recalculation& r = Valid(Recalculate(readings, settings));
    ExpectLabels(r, 1, {"290", "0 мм", "290", "0"});
    ExpectLabels(r, 2, {"125", "0.05 мм", "130", "0"});
    EXPECT_EQ(r.labels[Index(3)].installedNumber, "150");
    EXPECT_TRUE(r.lowThicknessValves.empty());
}

} // namespace
} // namespace kelvane
