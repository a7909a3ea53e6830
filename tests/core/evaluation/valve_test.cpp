// Valve numbering and the valve names shown in the lists, the report and the warning.
#include "evaluation/shim_plan.h"
#include "evaluation/valve.h"
#include "numbers/number_fields.h"

#include <gtest/gtest.h>

#include <set>

namespace kelvane {
namespace {

TEST(ValveNumbering, CylinderKindAndIndexFollowTheValveNumber)
{
    EXPECT_EQ(CylinderOf(4), 1);
    EXPECT_EQ(KindOf(4), ValveKind::Intake);
    EXPECT_FALSE(IsValveI(4));
    EXPECT_EQ(CylinderOf(13), 4);
    EXPECT_EQ(KindOf(13), ValveKind::Exhaust);
    EXPECT_TRUE(IsValveI(13));
    EXPECT_EQ(CylinderOf(16), 4);
    EXPECT_EQ(KindOf(6), ValveKind::Exhaust);
    EXPECT_EQ(KindOf(7), ValveKind::Intake);
}

TEST(ValveNumbering, CylinderSelectorGivesFourEightOrSixteenValves)
{
    EXPECT_EQ(ValveCountForCylinderIndex(0), 4);
    EXPECT_EQ(ValveCountForCylinderIndex(1), 8);
    EXPECT_EQ(ValveCountForCylinderIndex(2), 16);
    EXPECT_EQ(ValveCountForCylinderIndex(-1), 0);
    EXPECT_EQ(ValveCountForCylinderIndex(3), 0);
}

TEST(ValveNumbering, CylinderSelectorIndexesOutsideTheRangeAreNoCount)
{
    EXPECT_EQ(CylinderCountFromIndex(0), CylinderCount::One);
    EXPECT_EQ(CylinderCountFromIndex(1), CylinderCount::Two);
    EXPECT_EQ(CylinderCountFromIndex(2), CylinderCount::Four);
    EXPECT_EQ(CylinderCountFromIndex(3), std::nullopt);
    EXPECT_EQ(CylinderCountFromIndex(-1), std::nullopt);
    EXPECT_EQ(ValveCountOf(CylinderCount::One), 4);
    EXPECT_EQ(ValveCountOf(CylinderCount::Two), 8);
    EXPECT_EQ(ValveCountOf(CylinderCount::Four), 16);
}

TEST(ValveDesignation, RussianNamesKeepTheTwoBlanksAfterIntake)
{
    EXPECT_EQ(ValveDesignation(1, Language::Russian), "Цилиндр 1 вып. I");
    EXPECT_EQ(ValveDesignation(2, Language::Russian), "Цилиндр 1 вып. II");
    EXPECT_EQ(ValveDesignation(3, Language::Russian), "Цилиндр 1 вп.  I");
    EXPECT_EQ(ValveDesignation(8, Language::Russian), "Цилиндр 2 вп.  II");
    EXPECT_EQ(ValveDesignation(13, Language::Russian), "Цилиндр 4 вып. I");
}

TEST(ValveDesignation, EnglishNames)
{
    EXPECT_EQ(ValveDesignation(1, Language::English), "Cylinder 1 ex. I");
    EXPECT_EQ(ValveDesignation(4, Language::English), "Cylinder 1 in. II");
    EXPECT_EQ(ValveDesignation(11, Language::English), "Cylinder 3 in. I");
    EXPECT_EQ(ValveDesignation(14, Language::English), "Cylinder 4 ex. II");
}

TEST(ValveDesignation, EveryNameFitsTheTwentyCharacterColumn)
{
    std::set<std::string> seen;
    for (const Language language : {Language::Russian, Language::English}) {
        for (int valve = 1; valve <= kValveTotal; ++valve) {
            const std::string name = ValveDesignation(valve, language);
            const std::size_t expected = IsValveI(valve) ? 16 : 17;
            EXPECT_EQ(CharacterCount(name), expected) << name;
            EXPECT_TRUE(seen.insert(name).second) << name;
        }
    }
}

TEST(ValveWarningName, NamesOfAllSixteenValves)
{
    const PerValve<std::string> expected{
        "Ц.1 выпуск I", "Ц.1 выпуск II", "Ц.1 впуск I",  "Ц.1 впуск II",  "Ц.2 выпуск I", "Ц.2 выпуск II",
        "Ц.2 впуск I",  "Ц.2 впуск II",  "Ц.3 выпуск I", "Ц.3 выпуск II", "Ц.3 впуск I",  "Ц.3 впуск II",
        "Ц.4 выпуск I", "Ц.4 выпуск II", "Ц.4 впуск I",  "Ц.4 впуск II",
    };
    for (int valve = 1; valve <= kValveTotal; ++valve)
        EXPECT_EQ(ValveWarningName(valve), expected[static_cast<std::size_t>(valve - 1)]) << valve;
}

TEST(ValveMarkerColor, LowByteIsRed)
{
    EXPECT_EQ(ValveMarkerColor(1), 0x004444FFu); // light red
    EXPECT_EQ(ValveMarkerColor(5), 0x00FF4444u); // light blue
    EXPECT_EQ(ValveMarkerColor(9), 0x0044AA44u);
    EXPECT_EQ(ValveMarkerColor(16), 0x00AA77EEu);
}

TEST(ValveMarkerColor, SixteenDistinctColoursApartFromButtonFaceAndWhite)
{
    std::set<ColorValue> colours;
    for (int valve = 1; valve <= kValveTotal; ++valve) {
        const ColorValue colour = ValveMarkerColor(valve);
        EXPECT_EQ(colour & 0xFF000000u, 0u) << valve;
        EXPECT_NE(colour, kWhite) << valve;
        colours.insert(colour);
    }
    EXPECT_EQ(colours.size(), 16u);
}

} // namespace
} // namespace kelvane
