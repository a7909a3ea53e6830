// The report text: whole reports against files written independently, and its layout rules one by one.
#include "numbers/number_parsing.h"
#include "report/code_page.h"
#include "report/report_text.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {
namespace {

// ---- jobs ---------------------------------------------------------------------------------------
// The same three jobs as make_report_goldens.py next to the expected files.

struct ValveTexts
{
    const char* clearance;
    const char* installed;
    const char* required;
    const char* after;
};

// Valves a table does not show carry these, so a leak into the report shows up.
constexpr ValveTexts kFiller{"9.99", "999", "999", "9.999"};

struct Designated
{
    int source; // valve number, or 0 for a purchase row
    const char* partNumber;
    int shimNumber;
    int destination;
};

// The clearances as the program reads them: its own exact reader (MinGW's from_chars for long double
// reads through double and would leave a residue in every deviation).
Millimetres ParseMillimetres(std::string_view text)
{
    return ParseDecimal(text).value_or(0);
}

ReportInput BaseInput(Language language)
{
    ReportInput input;
    input.language = language;
    input.dateText = "07-12-2026";
    input.timeText = "14:05:09";
    input.nominalExhaustText = "0.20";
    input.nominalIntakeText = "0.15";
    input.exhaustToleranceText = "3";
    input.intakeToleranceText = "3";
    input.nominalExhaust = 0.20L;
    input.nominalIntake = 0.15L;
    for (ReportValve& valve : input.valves) {
        valve = {kFiller.clearance, kFiller.installed, kFiller.required, kFiller.after, 9.99L};
    }
    return input;
}

void SetValve(ReportInput& input, int valve, const ValveTexts& texts)
{
    input.valves[static_cast<std::size_t>(valve - 1)] = {texts.clearance, texts.installed, texts.required,
                                                         texts.after, ParseMillimetres(texts.clearance)};
}

void SetInterchange(ReportInput& input, const std::vector<Designated>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        input.interchange[i] = {ValveDesignation(rows[i].source, input.language),
                                std::to_string(rows[i].shimNumber),
                                ValveDesignation(rows[i].destination, input.language)};
    }
}

void SetPurchase(ReportInput& input, const std::vector<Designated>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        input.purchase[i] = {rows[i].partNumber, std::to_string(rows[i].shimNumber),
                             ValveDesignation(rows[i].destination, input.language)};
    }
}

// Honda 7.48 mm, four cylinders, out-of-tolerance valves only, removed shims reused.
ReportInput FourCylinderJob(Language language)
{
    ReportInput input = BaseInput(language);
    input.brand = Brand::Honda;
    input.diameter = ShimDiameter::D748;
    input.cylinders = CylinderCount::Four;
    input.selectionMode = SelectionMode::OutOfToleranceOnly;
    input.allNew = false;
    input.thicknessBrand = Brand::Honda;
    const ValveTexts valves[16] = {
        {"0.27", "122", "130", "-0.005"}, {"0.20", "120", "120", "0"},     {"0.05", "130", "120", "0"},
        {"0.10", "125", "120", "0"},      {"0.30", "120", "130", "0"},     {"0.18", "130", "128", "0.005"},
        {"0.25", "195", "205", "0"},      {"0.15", "150", "150", "0"},     {"0.10", "135", "125", "0"},
        {"0.33", "200", "212", "0.005"},  {"0.04", "210", "200", "-0.01"}, {"0.16", "140", "140", "0.01"},
        {"0.28", "120", "128", "0.005"},  {"0.21", "220", "220", "0.01"},  {"0.22", "125", "132", "-0.005"},
        {"0.15", "160", "160", "0"},
    };
    for (int valve = 1; valve <= 16; ++valve) {
        SetValve(input, valve, valves[valve - 1]);
    }
    SetInterchange(input,
                   {{3, "", 130, 1}, {5, "", 120, 3}, {13, "", 120, 4}, {4, "", 125, 9}, {10, "", 200, 11}});
    SetPurchase(input, {{0, "14905-KT7-013", 130, 5},
                        {0, "14935-KT7-013", 205, 7},
                        {0, "14938-KT7-013", 212, 10},
                        {0, "14904-KT7-013", 128, 13},
                        {0, "14906-KT7-013", 132, 15}});
    return input;
}

// Yamaha 7.48 mm, two cylinders, full selection, all shims new; 245 has no part number.
ReportInput TwoCylinderJob(Language language)
{
    ReportInput input = BaseInput(language);
    input.brand = Brand::Yamaha;
    input.diameter = ShimDiameter::D748;
    input.cylinders = CylinderCount::Two;
    input.selectionMode = SelectionMode::Full;
    input.allNew = true;
    input.thicknessBrand = Brand::Yamaha;
    input.nominalExhaustText = "0.25";
    input.exhaustToleranceText = "5";
    input.intakeToleranceText = "2";
    input.nominalExhaust = 0.25L;
    const ValveTexts valves[8] = {
        {"0.25", "122", "125", "-0.025"}, {"0.30", "170", "175", "0"}, {"0.22", "150", "155", "0.02"},
        {"0.15", "128", "130", "-0.025"}, {"0.45", "220", "240", "0"}, {"0.32", "240", "245", "0.02"},
        {"0.15", "200", "200", "0"},      {"0.10", "165", "160", "0"},
    };
    for (int valve = 1; valve <= 8; ++valve) {
        SetValve(input, valve, valves[valve - 1]);
    }
    SetPurchase(input, {{0, "1HX-12168-20-00", 125, 1},
                        {0, "1HX-12168-U1-00", 175, 2},
                        {0, "1HX-12168-H1-00", 155, 3},
                        {0, "1HX-12168-40-00", 130, 4},
                        {0, "1HX-12169-T0-00", 240, 5},
                        {0, "", 245, 6},
                        {0, "1HX-12168-K1-00", 160, 8}});
    return input;
}

// Kawasaki 9.48 mm, one cylinder: two valves swap their shims and nothing is bought.
ReportInput OneCylinderJob(Language language)
{
    ReportInput input = BaseInput(language);
    input.brand = Brand::Kawasaki;
    input.diameter = ShimDiameter::D948;
    input.cylinders = CylinderCount::One;
    input.selectionMode = SelectionMode::OutOfToleranceOnly;
    input.allNew = false;
    input.thicknessBrand = Brand::Kawasaki;
    SetValve(input, 1, {"0.27", "250", "258", "-0.005"});
    SetValve(input, 2, {"0.12", "258", "250", "-0.005"});
    SetValve(input, 3, {"0.15", "245", "245", "0"});
    SetValve(input, 4, {"0.16", "230", "230", "0.01"});
    SetInterchange(input, {{2, "", 258, 1}, {1, "", 250, 2}});
    return input;
}

// ---- helpers ------------------------------------------------------------------------------------

// What the results window writes: each line in Windows-1251 followed by CR LF.
QByteArray FileBytes(const std::vector<std::string>& lines)
{
    QByteArray bytes;
    for (const std::string& line : lines) {
        const std::string encoded = Utf8ToWindows1251(line);
        bytes.append(encoded.data(), static_cast<qsizetype>(encoded.size()));
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray ReadExpected(const char* name)
{
    QFile file(QString::fromUtf8(KELVANE_REPORT_DATA_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Characters as a single-byte code page counts them.
std::size_t Chars(std::string_view utf8)
{
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::size_t LeadingBlanks(std::string_view s)
{
    return s.find_first_not_of(' ') == std::string_view::npos ? s.size() : s.find_first_not_of(' ');
}

std::size_t TrailingBlanks(std::string_view s)
{
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? s.size() : s.size() - last - 1;
}

std::size_t IndexOf(const std::vector<std::string>& lines, std::string_view line, std::size_t from = 0)
{
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (lines[i] == line) {
            return i;
        }
    }
    ADD_FAILURE() << "no line \"" << line << "\"";
    return lines.size();
}

// The first line starting with `prefix` at or after `from`.
std::size_t IndexOfPrefix(const std::vector<std::string>& lines, std::string_view prefix,
                          std::size_t from = 0)
{
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (std::string_view(lines[i]).substr(0, prefix.size()) == prefix) {
            return i;
        }
    }
    ADD_FAILURE() << "no line starting with \"" << prefix << "\"";
    return lines.size();
}

bool Contains(const std::vector<std::string>& lines, std::string_view text)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

// ---- whole reports ------------------------------------------------------------------------------

struct GoldenCase
{
    const char* file;
    ReportInput (*job)(Language);
    Language language;
};

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.file;
}

class WholeReport : public testing::TestWithParam<GoldenCase>
{};

TEST_P(WholeReport, MatchesTheExpectedFileByteForByte)
{
    const GoldenCase& c = GetParam();
    const QByteArray actual = FileBytes(ComposeReport(c.job(c.language)));
    const QByteArray expected = ReadExpected(c.file);
    ASSERT_FALSE(expected.isEmpty());
    if (actual != expected) {
        const QList<QByteArray> a = actual.split('\n');
        const QList<QByteArray> e = expected.split('\n');
        for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i) {
            ASSERT_EQ(a[i].toStdString(), e[i].toStdString()) << "line " << i + 1;
        }
        FAIL() << "line counts differ: " << a.size() << " vs " << e.size();
    }
}

INSTANTIATE_TEST_SUITE_P(
    ReportFiles, WholeReport,
    testing::Values(GoldenCase{"report_4cyl_eng.txt", FourCylinderJob, Language::English},
                    GoldenCase{"report_4cyl_rus.txt", FourCylinderJob, Language::Russian},
                    GoldenCase{"report_2cyl_eng.txt", TwoCylinderJob, Language::English},
                    GoldenCase{"report_2cyl_rus.txt", TwoCylinderJob, Language::Russian},
                    GoldenCase{"report_1cyl_eng.txt", OneCylinderJob, Language::English},
                    GoldenCase{"report_1cyl_rus.txt", OneCylinderJob, Language::Russian}),
    [](const testing::TestParamInfo<GoldenCase>& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.'));
        return name;
    });

TEST(ReportEncoding, EnglishIsAsciiButThePlusMinusSignsAndOneCyrillicLetter)
{
    for (auto job : {FourCylinderJob, TwoCylinderJob, OneCylinderJob}) {
        const ReportInput input = job(Language::English);
        const std::vector<std::string> lines = ComposeReport(input);
        const QByteArray bytes = FileBytes(lines);
        int plusMinus = 0;
        int cyrillicIe = 0;
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (b == 0xB1) {
                ++plusMinus;
            } else if (b == 0xE5) {
                ++cyrillicIe;
            } else {
                EXPECT_LT(b, 0x80) << "byte " << int(b);
            }
        }
        EXPECT_EQ(plusMinus, 2);
        EXPECT_EQ(lines[5], "Normal clearance for exhaust valves:" + input.nominalExhaustText + " ±0.0" +
                                input.exhaustToleranceText);
        EXPECT_EQ(lines[6], "Normal clearance for intake valves :" + input.nominalIntakeText + " ±0.0" +
                                input.intakeToleranceText);
        // Only the two-cylinder table carries the deviation label with the Cyrillic letter.
        EXPECT_EQ(cyrillicIe, input.cylinders == CylinderCount::Two ? 1 : 0);
    }
}

TEST(ReportEncoding, EveryRussianLineEncodesWithoutLoss)
{
    for (auto job : {FourCylinderJob, TwoCylinderJob, OneCylinderJob}) {
        const std::vector<std::string> lines = ComposeReport(job(Language::Russian));
        for (const std::string& line : lines) {
            const std::string bytes = Utf8ToWindows1251(line);
            EXPECT_EQ(bytes.size(), Chars(line)) << line;
            EXPECT_EQ(Windows1251ToUtf8(bytes), line);
        }
    }
}

// ---- file name ----------------------------------------------------------------------------------

TEST(ReportFileName, IsTheWordTheDateAndTheLanguage)
{
    EXPECT_EQ(ReportFileName("07-12-2026", Language::English), "Kelvane 07-12-2026_eng.txt");
    EXPECT_EQ(ReportFileName("07-12-2026", Language::Russian), "Kelvane 07-12-2026_rus.txt");
}

TEST(ReportFileName, NeverHasADirectoryPart)
{
    const std::string name = ReportFileName("07/12/2026", Language::English);
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_EQ(name.find('\\'), std::string::npos);
    EXPECT_EQ(name, "Kelvane 07-12-2026_eng.txt");
    EXPECT_EQ(ReportFileName("2026\\12\\07", Language::Russian), "Kelvane 2026-12-07_rus.txt");
}

// ---- header and settings ------------------------------------------------------------------------

TEST(ReportHeader, TitlesHave21LeadingBlanksAndOneTrailing)
{
    for (Language language : {Language::English, Language::Russian}) {
        const std::vector<std::string> lines = ComposeReport(FourCylinderJob(language));
        EXPECT_EQ(LeadingBlanks(lines[0]), 21u);
        EXPECT_EQ(TrailingBlanks(lines[0]), 1u);
        EXPECT_TRUE(lines[1].empty());
    }
    EXPECT_EQ(ComposeReport(FourCylinderJob(Language::Russian))[3], "Время: 14:05:09");
}

TEST(ReportHeader, NoSelectedBrandDropsBrandCatalogueAndDiameterLinesOnly)
{
    for (Language language : {Language::English, Language::Russian}) {
        ReportInput input = FourCylinderJob(language);
        std::vector<std::string> withBrand = ComposeReport(input);
        input.brand = std::nullopt;
        const std::vector<std::string> withoutBrand = ComposeReport(input);
        ASSERT_EQ(withoutBrand.size() + 3, withBrand.size());
        withBrand.erase(withBrand.begin() + 8, withBrand.begin() + 11);
        EXPECT_EQ(withoutBrand, withBrand);
        EXPECT_TRUE(withoutBrand[7].empty());
        EXPECT_TRUE(withoutBrand[8].empty()); // the empty line after the brand block stays
    }
}

TEST(ReportHeader, CatalogueLinesFollowBrandAndDiameter)
{
    ReportInput input = OneCylinderJob(Language::English);
    input.brand = Brand::Suzuki;
    input.diameter = ShimDiameter::Third;
    std::vector<std::string> lines = ComposeReport(input);
    EXPECT_EQ(lines[8], "Brand: Suzuki");
    EXPECT_EQ(lines[9], "Shims with 0.05mm step, from 2.15mm to 3.1mm");
    EXPECT_EQ(lines[10], "Shim diameter is 29.5mm");

    input.brand = Brand::Kawasaki;
    input.language = Language::Russian;
    lines = ComposeReport(input);
    EXPECT_EQ(lines[8], "Фирма изготовитель двигателя: Kawasaki");
    EXPECT_EQ(lines[9], "Шайбы с шагом 0.05мм в дипазоне от 2.0мм до 3.2мм ");
    EXPECT_EQ(lines[10], "Диаметр шайб 13мм");
}

TEST(ReportHeader, SelectionModeAndAllNewLines)
{
    ReportInput input = FourCylinderJob(Language::Russian);
    input.selectionMode = SelectionMode::Full;
    input.allNew = true;
    std::vector<std::string> lines = ComposeReport(input);
    EXPECT_EQ(lines[12], "Двигатель четырехцилиндровый.");
    EXPECT_EQ(lines[14], "Режим подбора шайб:");
    EXPECT_EQ(lines[15], "Будут подобраны шайбы где это возможно даже если зазоры укладываются в нормы.");
    EXPECT_TRUE(lines[16].empty() && lines[17].empty());
    EXPECT_EQ(lines[18],
              "Все шайбы будут устанавливаться новыми, установка старых на другие места исключена.");
    EXPECT_TRUE(lines[19].empty() && lines[20].empty());
    EXPECT_FALSE(lines[21].empty()); // the first table's title

    // Not checked, the Russian text takes two lines and everything below moves down by one.
    input.allNew = false;
    lines = ComposeReport(input);
    EXPECT_EQ(lines[18], "Снятые шайбы по возможности будут установлены туда,");
    EXPECT_EQ(lines[19], "куда они подойдут, для уменьшения кол-ва закупки новых.");
    EXPECT_TRUE(lines[20].empty() && lines[21].empty());
    EXPECT_EQ(LeadingBlanks(lines[22]), 23u);
}

// ---- the tables ---------------------------------------------------------------------------------

TEST(ReportTables, FourCylinderEnglishExhaustClearancesStandOneColumnLeft)
{
    const std::vector<std::string> lines = ComposeReport(FourCylinderJob(Language::English));
    const std::size_t exhaust = IndexOfPrefix(lines, "Exhaust          I");
    const std::size_t intake = IndexOfPrefix(lines, "Intake           I");
    EXPECT_EQ(lines[exhaust + 1].substr(0, 19), "    Clearance: 0.27");
    EXPECT_EQ(lines[intake + 1].substr(0, 20), "    Clearance:  0.05");
    EXPECT_EQ(lines[exhaust + 1].size() + 1, lines[intake + 1].size());

    // Russian keeps its label in both rows.
    const std::vector<std::string> russian = ComposeReport(FourCylinderJob(Language::Russian));
    EXPECT_EQ(russian[IndexOfPrefix(russian, "Выпуск           I") + 1].substr(0, 25),
              "        Зазор:  0.27");
}

TEST(ReportTables, TwoCylinderEnglishIntakeDeviationLabelHasACyrillicLetter)
{
    const std::vector<std::string> lines = ComposeReport(TwoCylinderJob(Language::English));
    const std::size_t exhaustDeviation = IndexOfPrefix(lines, "Deviation  mm: ");
    const std::size_t intakeDeviation = IndexOfPrefix(lines, "Deviation\xD0\xB5 mm: ");
    EXPECT_LT(exhaustDeviation, intakeDeviation);
    EXPECT_EQ(Chars(lines[intakeDeviation]), Chars(lines[exhaustDeviation]));
    // The tenth character (bytes 9 and 10 in UTF-8) is the Cyrillic ie.
    EXPECT_EQ(lines[intakeDeviation].substr(9, 2), "\xD0\xB5");

    for (auto job : {FourCylinderJob, OneCylinderJob}) {
        EXPECT_FALSE(Contains(ComposeReport(job(Language::English)), "\xD0\xB5"));
    }
}

TEST(ReportTables, TwoCylinderIntakeClearanceRowEndsInFiveBlanks)
{
    for (Language language : {Language::English, Language::Russian}) {
        const std::vector<std::string> lines = ComposeReport(TwoCylinderJob(language));
        const std::string_view clearanceLabel =
            language == Language::English ? "    Clearance:  " : "        Зазор:  ";
        const std::size_t exhaust = IndexOfPrefix(lines, clearanceLabel);
        const std::size_t intake = IndexOfPrefix(lines, clearanceLabel, exhaust + 1);
        EXPECT_EQ(TrailingBlanks(lines[exhaust]), 0u);
        EXPECT_EQ(TrailingBlanks(lines[intake]), 5u);
        EXPECT_EQ(Chars(lines[intake]), 16u + 4 * 4 + 4 + 6 + 4 + 5);
    }
    for (auto job : {FourCylinderJob, OneCylinderJob}) {
        for (const std::string& line : ComposeReport(job(Language::English))) {
            if (line.starts_with("    Clearance:")) {
                EXPECT_EQ(TrailingBlanks(line), 0u) << line;
            }
        }
    }
}

TEST(ReportTables, ValueRowsUseTheFixedGaps)
{
    const std::vector<std::string> lines = ComposeReport(FourCylinderJob(Language::English));
    EXPECT_EQ(lines[IndexOfPrefix(lines, "         Shim:  ")],
              "         Shim:  122     120       120     130      135     200      120     220");
    EXPECT_EQ(lines[IndexOfPrefix(lines, "Install new shim:  ")],
              "Install new shim:  130     120       130     128      125     212      128     220");
    EXPECT_EQ(lines[IndexOfPrefix(lines, "  Deviation  mm*: ")],
              "  Deviation  mm*: -0.005   0.000     0.000   0.005    0.000   0.005    0.005   0.010");
}

TEST(ReportTables, DeviationBeforeComesFromTheSnapshotClearances)
{
    ReportInput input = OneCylinderJob(Language::English);
    input.nominalExhaust = 0.20L;
    input.nominalIntake = 0.15L;
    input.valves[0].measuredClearance = 0.20L; // zero
    input.valves[1].measuredClearance = 0.10L; // -0.10
    input.valves[2].measuredClearance = 0.10L; // -0.05 against the intake nominal
    input.valves[3].measuredClearance = 0.23L; // 0.08
    // The clearance field may have been edited since; the deviation still follows the snapshot.
    input.valves[0].clearanceText = "0.35";
    const std::vector<std::string> lines = ComposeReport(input);
    EXPECT_EQ(lines[IndexOfPrefix(lines, "Deviation  mm: ")], "Deviation  mm:  0.00    -0.1");
    EXPECT_EQ(lines[IndexOfPrefix(lines, "Deviation  mm: ", IndexOfPrefix(lines, "Intake"))],
              "Deviation  mm: -0.05    0.08");
    EXPECT_EQ(lines[IndexOfPrefix(lines, "    Clearance:  ")], "    Clearance:  0.35    0.12");
}

TEST(ReportTables, HeadingBlanksByCylinderCount)
{
    const std::vector<std::string> one = ComposeReport(OneCylinderJob(Language::Russian));
    const std::size_t before = IndexOfPrefix(one, "Таблица зазоров и номеров шайб перед");
    EXPECT_EQ(one[before + 1], std::string(49, '_'));
    EXPECT_EQ(one[before + 2], std::string(23, ' '));
    const std::size_t after = IndexOfPrefix(one, "Таблица зазоров и номеров шайб после");
    EXPECT_EQ(one[after + 1], std::string(49, '_'));
    EXPECT_EQ(one[after + 2], std::string(30, ' '));
    EXPECT_EQ(TrailingBlanks(one[after + 3]), 3u);  // exhaust heading
    EXPECT_EQ(TrailingBlanks(one[after + 7]), 9u);  // intake heading
    EXPECT_EQ(TrailingBlanks(one[before + 3]), 5u); // exhaust heading before correction

    const std::vector<std::string> four = ComposeReport(FourCylinderJob(Language::English));
    const std::size_t fourBefore = IndexOfPrefix(four, std::string(23, ' ') + "Table");
    EXPECT_EQ(four[fourBefore + 1], std::string(81, '_'));
    const std::size_t fourAfter = IndexOfPrefix(four, std::string(19, ' ') + "Table");
    EXPECT_EQ(four[fourAfter + 1], std::string(84, '_'));
    EXPECT_EQ(TrailingBlanks(four[fourAfter]), 1u);

    const std::vector<std::string> two = ComposeReport(TwoCylinderJob(Language::Russian));
    const std::size_t twoAfter = IndexOfPrefix(two, "   Таблица зазоров и номеров шайб после");
    EXPECT_EQ(two[twoAfter + 1], std::string(52, '_'));
    EXPECT_EQ(LeadingBlanks(two[twoAfter + 2]), 20u);
    EXPECT_EQ(TrailingBlanks(two[twoAfter + 2]), 8u);
    EXPECT_EQ(TrailingBlanks(two[IndexOfPrefix(two, "                 Цилиндр 1")]), 5u);
}

TEST(ReportTables, OnlyTheValvesOfTheChosenCylindersAppear)
{
    for (auto job : {OneCylinderJob, TwoCylinderJob}) {
        for (Language language : {Language::English, Language::Russian}) {
            const std::vector<std::string> lines = ComposeReport(job(language));
            EXPECT_FALSE(Contains(lines, "9.99"));
            EXPECT_FALSE(Contains(lines, "999"));
        }
    }
}

TEST(ReportTables, EmptyLinesBetweenTheBlocks)
{
    const std::vector<std::string> lines = ComposeReport(FourCylinderJob(Language::English));
    const std::size_t intakeDeviation =
        IndexOfPrefix(lines, "Deviation  mm: ", IndexOfPrefix(lines, "Intake"));
    // The table's own empty line, then two more, then the second table.
    EXPECT_TRUE(lines[intakeDeviation + 1].empty() && lines[intakeDeviation + 2].empty() &&
                lines[intakeDeviation + 3].empty());
    EXPECT_EQ(LeadingBlanks(lines[intakeDeviation + 4]), 19u);

    const std::size_t footnote = IndexOf(lines, "* Values theoretically calculated");
    EXPECT_TRUE(lines[footnote - 1].empty());
    EXPECT_TRUE(lines[footnote + 1].empty() && lines[footnote + 2].empty() && lines[footnote + 3].empty());
    EXPECT_EQ(lines[footnote + 4], "List of possible interchange with old shims");
}

// ---- the lists ----------------------------------------------------------------------------------

TEST(ReportLists, ListLinesAreSixPiecesOf78Characters)
{
    const std::vector<std::string> lines = ComposeReport(FourCylinderJob(Language::Russian));
    const std::size_t heading = IndexOfPrefix(lines, "Откуда снимать");
    ASSERT_TRUE(lines[heading + 1].empty());
    for (std::size_t i = heading + 2; i < heading + 7; ++i) {
        EXPECT_EQ(Chars(lines[i]), 78u) << lines[i];
    }
    // A 2 mm shim: a blank and 2.000.
    EXPECT_EQ(lines[heading + 6], "Цилиндр 3 вып. II   " + std::string(5, ' ') + "200" +
                                      std::string(17, ' ') + " 2.000" + std::string(7, ' ') +
                                      "Цилиндр 3 вп.  I    ");
    EXPECT_TRUE(lines[heading + 7].empty() && lines[heading + 8].empty());
}

TEST(ReportLists, EmptyPartNumberGivesTwentyBlanksAndThicknessFollowsTheBrandInForce)
{
    ReportInput input = TwoCylinderJob(Language::English);
    input.purchase[0] = {"", "122", "Cylinder 1 ex. I"};
    std::vector<std::string> lines = ComposeReport(input);
    const std::size_t first = IndexOfPrefix(lines, "Part number") + 2;
    EXPECT_EQ(lines[first], std::string(25, ' ') + "122" + std::string(17, ' ') + " 1.225" +
                                std::string(7, ' ') + "Cylinder 1 ex. I    ");

    // Suzuki reads every shim number as hundredths.
    input.thicknessBrand = Brand::Suzuki;
    lines = ComposeReport(input);
    EXPECT_EQ(lines[first].substr(45, 6), " 1.220");
}

TEST(ReportLists, RowsNotInUseAreSkipped)
{
    ReportInput input = FourCylinderJob(Language::English);
    input.purchase[1] = {}; // row 2 emptied: rows 1, 3, 4, 5 remain
    input.purchase[9] = {"14901-KT7-013", "120", "Cylinder 4 in. II"}; // row 10 after a gap
    const std::vector<std::string> lines = ComposeReport(input);
    const std::size_t first = IndexOfPrefix(lines, "Part number") + 2;
    EXPECT_TRUE(lines[first].starts_with("14905-KT7-013"));
    EXPECT_TRUE(lines[first + 1].starts_with("14938-KT7-013"));
    EXPECT_TRUE(lines[first + 4].starts_with("14901-KT7-013"));
    EXPECT_TRUE(lines[first + 5].empty() && lines[first + 6].empty());
    EXPECT_EQ(first + 7, lines.size());
}

TEST(ReportLists, InterchangeListNeedsRowOneInUseAndAllNewUnchecked)
{
    ReportInput input = FourCylinderJob(Language::English);
    const std::size_t fullSize = ComposeReport(input).size();

    // Checked after the lists were built: the interchange rows are left out all the same.
    input.allNew = true;
    std::vector<std::string> lines = ComposeReport(input);
    EXPECT_FALSE(Contains(lines, "List of possible interchange"));
    std::size_t footnote = IndexOf(lines, "* Values theoretically calculated");
    for (std::size_t i = 1; i <= 5; ++i) {
        EXPECT_TRUE(lines[footnote + i].empty());
    }
    EXPECT_EQ(lines[footnote + 6], "List of new shims to buy");
    // The all-new line is one line too, so only the list's own lines are gone: 4 + 5 rows + 2.
    EXPECT_EQ(lines.size(), fullSize - 11);

    input.allNew = false;
    input.interchange[0] = {};
    lines = ComposeReport(input);
    EXPECT_FALSE(Contains(lines, "List of possible interchange"));
    // Row 2 is not printed either: no line starts with a source valve.
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(),
                             [](const std::string& line) { return line.starts_with("Cylinder "); }));
}

TEST(ReportLists, NothingToBuyEndsTheReport)
{
    for (Language language : {Language::English, Language::Russian}) {
        ReportInput input = OneCylinderJob(language);
        input.interchange = {};
        const std::vector<std::string> lines = ComposeReport(input);
        const std::string_view footnote = language == Language::English ? "* Values theoretically calculated"
                                                                        : "* Значения отклонений расчетные";
        ASSERT_GE(lines.size(), 8u);
        const std::size_t end = lines.size();
        EXPECT_EQ(lines[end - 8], footnote);
        for (std::size_t i = end - 7; i < end - 2; ++i) {
            EXPECT_TRUE(lines[i].empty()) << i;
        }
        if (language == Language::English) {
            EXPECT_EQ(lines[end - 2], "You don't need to buy new shims, there is OK with clearances");
            EXPECT_EQ(lines[end - 1], "or internal interchanges between valves correct all deviations.");
        } else {
            EXPECT_EQ(lines[end - 2], "Шайбы покупать не нужно, либо все в пределах нормы,");
            EXPECT_EQ(lines[end - 1], "либо достаточно внутренних перестановок");
        }
    }
}

} // namespace
} // namespace kelvane
