// The report's lines: settings, the clearance tables before and after correction and the shim lists.
#include "report/report_text.h"

#include "evaluation/shim_plan.h"
#include "numbers/number_fields.h"
#include "numbers/number_parsing.h"

#include <span>
#include <string_view>

namespace kelvane {
namespace {

// Table columns left to right: cylinder 1 valve I, valve II, cylinder 2 valve I, ... A table of
// fewer cylinders prints the first columns only.
constexpr std::array<int, 8> kExhaustColumns{1, 2, 5, 6, 9, 10, 13, 14};
constexpr std::array<int, 8> kIntakeColumns{3, 4, 7, 8, 11, 12, 15, 16};

// Blanks between consecutive values of a row (values 1-2, 2-3, ... 7-8). The runs are uneven because
// they follow the cylinder and valve headings above them; a narrower table uses the first gaps.
using Gaps = std::array<int, 7>;
constexpr Gaps kClearanceGaps{4, 6, 4, 5, 4, 5, 4};
constexpr Gaps kShimGaps{5, 7, 5, 6, 5, 6, 5};
constexpr Gaps kDeviationGaps{3, 5, 3, 4, 3, 4, 3};
constexpr Gaps kDeviationAfterGaps{2, 4, 2, 3, 2, 3, 2};

constexpr int kInterchangeRuleLength = 76;
constexpr int kPurchaseRuleLength = 77;

// Thirty blanks; the one-cylinder tables have a cylinder heading of blanks only.
constexpr std::string_view kBlanks30 = "                              ";

// The texts of the tables for one cylinder count in one language. The labels are held per table
// because a few of them differ from the others in single characters, and the report keeps them so.
struct TableTexts
{
    int columns;

    std::string_view beforeTitle;
    int beforeRuleLength;
    std::string_view beforeCylinderHeading;
    std::string_view beforeExhaustHeading;
    std::string_view beforeIntakeHeading;
    std::string_view exhaustClearanceLabel;
    std::string_view intakeClearanceLabel;
    std::string_view intakeClearanceTail; // blanks after the last intake clearance value
    std::string_view exhaustDeviationLabel;
    std::string_view intakeDeviationLabel;

    std::string_view afterTitle;
    int afterRuleLength;
    std::string_view afterCylinderHeading;
    std::string_view afterExhaustHeading;
    std::string_view afterIntakeHeading;
};

struct CatalogueLines
{
    std::string_view stepsLine;
    std::string_view diameterLine;
};

using CatalogueLineTable = std::array<std::array<CatalogueLines, 3>, 4>; // [brand][diameter]

struct LanguageTexts
{
    std::string_view title;
    std::string_view dateLabel;
    std::string_view timeLabel;
    std::string_view nominalExhaustLabel;
    std::string_view nominalIntakeLabel;
    std::string_view toleranceLabel;
    std::string_view brandLabel;
    const CatalogueLineTable* catalogueLines;
    std::array<std::string_view, 3> cylinderLines; // by the cylinder selector's index
    std::string_view selectionModeTitle;
    std::string_view outOfToleranceOnlyLine;
    std::string_view fullSelectionLine;
    std::span<const std::string_view> allNewLines;
    std::span<const std::string_view> reuseRemovedLines;

    std::array<TableTexts, 3> tables; // by the cylinder selector's index
    std::string_view shimLabel;
    std::string_view installLabel;
    std::string_view deviationAfterLabel;
    std::string_view footnote;

    std::string_view interchangeTitle;
    std::string_view interchangeHeading;
    std::string_view purchaseTitle;
    std::string_view purchaseHeading;
    std::array<std::string_view, 2> nothingToBuyLines;
};

constexpr CatalogueLineTable kEnglishCatalogueLines{{
    {{
        {"Shims with 0.025mm step, from 1.2mm to 2.9mm", "Shim diameter is 7.48mm"},
        {"Shims with 0.025mm step, from 1.2mm to 3.0mm", "Shim diameter is 9.48mm"},
        {"Shims with 0.05mm step, from 2.3mm to 3.5mm", "Shim diameter is 25mm"},
    }},
    {{
        {"Shims with 0.05mm step, from 1.2mm to 2.4mm", "Shim diameter is 7.48mm"},
        {"Shims with 0.05mm step, from 1.2mm to 2.4mm", "Shim diameter is 9.48mm"},
        {"Shims with 0.05mm step, from 2.0mm to 3.2mm", "Shim diameter is 25mm"},
    }},
    {{
        {"Shims with 0.05mm step, from 2.5mm to 3.5mm", "Shim diameter is 7.48mm"},
        {"Shims with 0.05mm step, from 2.0mm to 3.0mm in the middle of diapasone step is 0.025mm ",
         "Shim diameter is 9.48mm"},
        {"Shims with 0.05mm step, from 2.0mm to 3.2mm ", "Shim diameter is 13mm"},
    }},
    {{
        {"Shims with 0.05mm step, from 1.2mm to 2.2mm", "Shim diameter is 7.48mm"},
        {"Shims with 0.05mm step, from 2.3mm to 3.5mm", "Shim diameter is 9.48mm"},
        {"Shims with 0.05mm step, from 2.15mm to 3.1mm", "Shim diameter is 29.5mm"},
    }},
}};

constexpr CatalogueLineTable kRussianCatalogueLines{{
    {{
        {"Шайбы с шагом 0.025мм в дипазоне от 1.2мм до 2.9мм", "Диаметр шайб 7.48мм"},
        {"Шайбы с шагом 0.025мм в дипазоне от 1.2мм до 3.0мм", "Диаметр шайб 9.48мм"},
        {"Шайбы с шагом 0.05мм в дипазоне от 2.3мм до 3.5мм", "Диаметр шайб 25мм"},
    }},
    {{
        {"Шайбы с шагом 0.05мм в дипазоне от 1.2мм до 2.4мм", "Диаметр шайб 7.48мм"},
        {"Шайбы с шагом 0.05мм в дипазоне от 1.2мм до 2.4мм", "Диаметр шайб 9.48мм"},
        {"Шайбы с шагом 0.05мм в дипазоне от 2.0мм до 3.2мм", "Диаметр шайб 25мм"},
    }},
    {{
        {"Шайбы с шагом 0.05мм в дипазоне от 2.5мм до 3.5мм", "Диаметр шайб 7.48мм"},
        {"Шайбы с шагом 0.05мм в дипазоне от 2.0мм до 3.0мм в середине диапазона есть номиналы с шагом "
         "0.025мм ",
         "Диаметр шайб 9.48мм"},
        {"Шайбы с шагом 0.05мм в дипазоне от 2.0мм до 3.2мм ", "Диаметр шайб 13мм"},
    }},
    {{
        {"Шайбы с шагом 0.05мм в дипазоне от 1.2мм до 2.2мм", "Диаметр шайб 7.48мм"},
        {"Шайбы с шагом 0.05мм в дипазоне от 2.3мм до 3.5мм", "Диаметр шайб 9.48мм"},
        {"Шайбы с шагом 0.05мм в дипазоне от 2.15мм до 3.1мм", "Диаметр шайб 29.5мм"},
    }},
}};

constexpr std::string_view kEnglishAllNew[] = {
    "All shims for corrections will be new, removed will not be used."};
constexpr std::string_view kEnglishReuseRemoved[] = {"Removed shims will be placed, where they fit best."};
constexpr std::string_view kRussianAllNew[] = {
    "Все шайбы будут устанавливаться новыми, установка старых на другие места исключена."};
constexpr std::string_view kRussianReuseRemoved[] = {
    "Снятые шайбы по возможности будут установлены туда,",
    "куда они подойдут, для уменьшения кол-ва закупки новых."};

constexpr LanguageTexts kEnglish{
    .title = "                     Report file of Kelvane utilite ",
    .dateLabel = "Date: ",
    .timeLabel = "Time: ",
    .nominalExhaustLabel = "Normal clearance for exhaust valves:",
    .nominalIntakeLabel = "Normal clearance for intake valves :",
    .toleranceLabel = " ±0.0",
    .brandLabel = "Brand: ",
    .catalogueLines = &kEnglishCatalogueLines,
    .cylinderLines = {"1 Cyl. engine.", "2 Cyl. engine.", "4 Cyl. engine."},
    .selectionModeTitle = "Shim selection mode:",
    .outOfToleranceOnlyLine = "Shim selection only for those valves, where clearances are beyond limits.",
    .fullSelectionLine = "Shims will be selected everywhere it is possible, even if valve clearance is in "
                         "acceptable range.",
    .allNewLines = kEnglishAllNew,
    .reuseRemovedLines = kEnglishReuseRemoved,
    .tables = {{
        {
            .columns = 2,
            .beforeTitle = "Table of clearances and shim numbers before correction",
            .beforeRuleLength = 49,
            .beforeCylinderHeading = kBlanks30.substr(0, 23),
            .beforeExhaustHeading = "Exhaust          I       II     ",
            .beforeIntakeHeading = "Intake           I       II     ",
            .exhaustClearanceLabel = "    Clearance:  ",
            .intakeClearanceLabel = "    Clearance:  ",
            .intakeClearanceTail = "",
            .exhaustDeviationLabel = "Deviation  mm: ",
            .intakeDeviationLabel = "Deviation  mm: ",
            .afterTitle = "Table of clearances and shim numbers after correction",
            .afterRuleLength = 49,
            .afterCylinderHeading = kBlanks30,
            .afterExhaustHeading = "Exhaust             I       II   ",
            .afterIntakeHeading = "Intake              I       II         ",
        },
        {
            .columns = 4,
            .beforeTitle = "Table of clearances and shim numbers before correction",
            .beforeRuleLength = 49,
            .beforeCylinderHeading = "                 Cylinder 1        Cylinder 2    ",
            .beforeExhaustHeading = "Exhaust          I       II        I       II    ",
            .beforeIntakeHeading = "Intake           I       II        I       II    ",
            .exhaustClearanceLabel = "    Clearance:  ",
            .intakeClearanceLabel = "    Clearance:  ",
            .intakeClearanceTail = "     ",
            .exhaustDeviationLabel = "Deviation  mm: ",
            // The tenth character is the Cyrillic letter ie, not a blank.
            .intakeDeviationLabel = "Deviationе mm: ",
            .afterTitle = "Table of clearances and shim numbers after correction",
            .afterRuleLength = 52,
            .afterCylinderHeading = "                    Cylinder 1        Cylinder 2       ",
            .afterExhaustHeading = "Exhaust             I       II        I       II",
            .afterIntakeHeading = "Intake              I       II        I       II",
        },
        {
            .columns = 8,
            .beforeTitle = "                       Table of clearances and shim numbers before correction",
            .beforeRuleLength = 81,
            .beforeCylinderHeading =
                "                 Cylinder 1        Cylinder 2       Cylinder3        Cylinder 4",
            .beforeExhaustHeading =
                "Exhaust          I       II        I       II       I       II       I       II",
            .beforeIntakeHeading =
                "Intake           I       II        I       II       I       II       I       II",
            // One blank after the colon: these values stand one column left of the intake ones.
            .exhaustClearanceLabel = "    Clearance: ",
            .intakeClearanceLabel = "    Clearance:  ",
            .intakeClearanceTail = "",
            .exhaustDeviationLabel = "Deviation  mm: ",
            .intakeDeviationLabel = "Deviation  mm: ",
            .afterTitle = "                   Table of clearances and shim numbers after correction ",
            .afterRuleLength = 84,
            .afterCylinderHeading =
                "                    Cylinder 1       Celinder 2       Cylinder 3       Cylinder 4",
            .afterExhaustHeading =
                "Exhaust             I       II        I       II       I       II       I       II",
            .afterIntakeHeading =
                "Intake              I       II        I       II       I       II       I       II",
        },
    }},
    .shimLabel = "         Shim:  ",
    .installLabel = "Install new shim:  ",
    .deviationAfterLabel = "  Deviation  mm*: ",
    .footnote = "* Values theoretically calculated",
    .interchangeTitle = "List of possible interchange with old shims",
    .interchangeHeading = "Where from             Shim number          Thickness      Where to install",
    .purchaseTitle = "List of new shims to buy",
    .purchaseHeading = "Part number            Shim number          Thickness     Where to install",
    .nothingToBuyLines = {"You don't need to buy new shims, there is OK with clearances",
                          "or internal interchanges between valves correct all deviations."},
};

constexpr LanguageTexts kRussian{
    .title = "                     Файл отчета работы программы Kelvane ",
    .dateLabel = "Дата: ",
    .timeLabel = "Время: ",
    .nominalExhaustLabel = "Нормальный зазор на выпуск:",
    .nominalIntakeLabel = "Нормальный зазор на  впуск:",
    .toleranceLabel = " ±0.0",
    .brandLabel = "Фирма изготовитель двигателя: ",
    .catalogueLines = &kRussianCatalogueLines,
    .cylinderLines = {"Двигатель одноцилиндровый.", "Двигатель двухцилиндровый.",
                      "Двигатель четырехцилиндровый."},
    .selectionModeTitle = "Режим подбора шайб:",
    .outOfToleranceOnlyLine =
        "Будут подобраны шайбы только в тех клапанах где зазоры не укладываются в допуски.",
    .fullSelectionLine = "Будут подобраны шайбы где это возможно даже если зазоры укладываются в нормы.",
    .allNewLines = kRussianAllNew,
    .reuseRemovedLines = kRussianReuseRemoved,
    .tables = {{
        {
            .columns = 2,
            .beforeTitle = "Таблица зазоров и номеров шайб перед регулировкой",
            .beforeRuleLength = 49,
            .beforeCylinderHeading = kBlanks30.substr(0, 23),
            .beforeExhaustHeading = "Выпуск           I       II     ",
            .beforeIntakeHeading = "Впуск            I       II     ",
            .exhaustClearanceLabel = "        Зазор:  ",
            .intakeClearanceLabel = "        Зазор:  ",
            .intakeClearanceTail = "",
            .exhaustDeviationLabel = "Отклонение мм: ",
            .intakeDeviationLabel = "Отклонение мм: ",
            .afterTitle = "Таблица зазоров и номеров шайб после регулировки ",
            .afterRuleLength = 49,
            .afterCylinderHeading = kBlanks30,
            .afterExhaustHeading = "Выпуск              I       II   ",
            .afterIntakeHeading = "Впуск               I       II         ",
        },
        {
            .columns = 4,
            .beforeTitle = "Таблица зазоров и номеров шайб перед регулировкой",
            .beforeRuleLength = 49,
            .beforeCylinderHeading = "                 Цилиндр 1         Цилиндр 2     ",
            .beforeExhaustHeading = "Выпуск           I       II        I       II    ",
            .beforeIntakeHeading = "Впуск            I       II        I       II    ",
            .exhaustClearanceLabel = "        Зазор:  ",
            .intakeClearanceLabel = "        Зазор:  ",
            .intakeClearanceTail = "     ",
            .exhaustDeviationLabel = "Отклонение мм: ",
            .intakeDeviationLabel = "Отклонение мм: ",
            .afterTitle = "   Таблица зазоров и номеров шайб после регулировки ",
            .afterRuleLength = 52,
            .afterCylinderHeading = "                    Цилиндр 1         Цилиндр 2        ",
            .afterExhaustHeading = "Выпуск              I       II        I       II",
            .afterIntakeHeading = "Впуск               I       II        I       II",
        },
        {
            .columns = 8,
            .beforeTitle = "                       Таблица зазоров и номеров шайб перед регулировкой",
            .beforeRuleLength = 81,
            .beforeCylinderHeading =
                "                 Цилиндр 1         Цилиндр 2        Цилиндр 3        Цилиндр 4",
            .beforeExhaustHeading =
                "Выпуск           I       II        I       II       I       II       I       II",
            .beforeIntakeHeading =
                "Впуск            I       II        I       II       I       II       I       II",
            .exhaustClearanceLabel = "        Зазор:  ",
            .intakeClearanceLabel = "        Зазор:  ",
            .intakeClearanceTail = "",
            .exhaustDeviationLabel = "Отклонение мм: ",
            .intakeDeviationLabel = "Отклонение мм: ",
            .afterTitle = "                   Таблица зазоров и номеров шайб после регулировки ",
            .afterRuleLength = 84,
            .afterCylinderHeading =
                "                    Цилиндр 1         Цилиндр 2        Цилиндр 3        Цилиндр 4",
            .afterExhaustHeading =
                "Выпуск              I       II        I       II       I       II       I       II",
            .afterIntakeHeading =
                "Впуск               I       II        I       II       I       II       I       II",
        },
    }},
    .shimLabel = "        Шайба:  ",
    .installLabel = "Установить шайбу:  ",
    .deviationAfterLabel = "  Отклонение мм*: ",
    .footnote = "* Значения отклонений расчетные",
    .interchangeTitle = "Список возможных замен снятыми шайбами",
    .interchangeHeading = "Откуда снимать         Номер шайбы          Толщина        Куда ставить",
    .purchaseTitle = "Список новых шайб на заказ",
    .purchaseHeading = "Part number            Номер шайбы          Толщина       Куда ставить",
    .nothingToBuyLines = {"Шайбы покупать не нужно, либо все в пределах нормы,",
                          "либо достаточно внутренних перестановок"},
};

constexpr Bilingual<LanguageTexts> kTexts{.russian = kRussian, .english = kEnglish};

class LineWriter final
{
public:
    void Line(std::string text) { m_lines.push_back(std::move(text)); }
    void Line(std::string_view text) { m_lines.emplace_back(text); }
    void Empty(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            m_lines.emplace_back();
        }
    }
    std::vector<std::string> Take() { return std::move(m_lines); }

private:
    std::vector<std::string> m_lines;
};

// One table row: the label, then the values of the first `columns` valves with the given runs of
// blanks between them, then `tail`.
template <typename ValueOf>
std::string ValueRow(std::string_view label, const std::array<int, 8>& valves, int columns, const Gaps& gaps,
                     ValueOf valueOf, std::string_view tail = {})
{
    std::string row(label);
    for (int column = 0; column < columns; ++column) {
        if (column > 0) {
            row.append(static_cast<std::size_t>(gaps[static_cast<std::size_t>(column - 1)]), ' ');
        }
        row += valueOf(valves[static_cast<std::size_t>(column)]);
    }
    row += tail;
    return row;
}

const ReportValve& ValveAt(const ReportInput& input, int valve)
{
    return input.valves[static_cast<std::size_t>(valve - 1)];
}

// Taken from the snapshot values rather than the main window's deviation labels, which carry a unit.
std::string DeviationBeforeField(const ReportInput& input, int valve)
{
    const Millimetres nominal =
        KindOf(valve) == ValveKind::Exhaust ? input.nominalExhaust : input.nominalIntake;
    return TwoDecimalField(ShortestDecimalText(ValveAt(input, valve).measuredClearance - nominal));
}

void WriteHeaderAndSettings(LineWriter& out, const ReportInput& input, const LanguageTexts& texts)
{
    out.Line(texts.title);
    out.Empty();
    out.Line(std::string(texts.dateLabel) + input.dateText);
    out.Line(std::string(texts.timeLabel) + input.timeText);
    out.Empty();
    out.Line(std::string(texts.nominalExhaustLabel) + input.nominalExhaustText +
             std::string(texts.toleranceLabel) + input.exhaustToleranceText);
    out.Line(std::string(texts.nominalIntakeLabel) + input.nominalIntakeText +
             std::string(texts.toleranceLabel) + input.intakeToleranceText);
    out.Empty();

    // An empty brand box leaves the catalogue unnamed; the empty line below stays all the same.
    if (input.brand) {
        const CatalogueLines& lines = texts.catalogueLines->at(static_cast<std::size_t>(*input.brand))
                                          .at(static_cast<std::size_t>(input.diameter));
        out.Line(std::string(texts.brandLabel) + std::string(BrandName(*input.brand)));
        out.Line(lines.stepsLine);
        out.Line(lines.diameterLine);
    }
    out.Empty();

    out.Line(texts.cylinderLines.at(static_cast<std::size_t>(input.cylinders)));
    out.Empty();
    out.Line(texts.selectionModeTitle);
    out.Line(input.selectionMode == SelectionMode::OutOfToleranceOnly ? texts.outOfToleranceOnlyLine
                                                                      : texts.fullSelectionLine);
    out.Empty(2);
    for (std::string_view line : input.allNew ? texts.allNewLines : texts.reuseRemovedLines) {
        out.Line(line);
    }
    out.Empty(2);
}

void WriteTableBefore(LineWriter& out, const ReportInput& input, const LanguageTexts& texts,
                      const TableTexts& table)
{
    const int columns = table.columns;
    auto clearance = [&](int valve) { return ValveAt(input, valve).clearanceText; };
    auto installed = [&](int valve) { return ValveAt(input, valve).installedLabel; };
    auto deviation = [&](int valve) { return DeviationBeforeField(input, valve); };

    out.Line(table.beforeTitle);
    out.Line(std::string(static_cast<std::size_t>(table.beforeRuleLength), '_'));
    out.Line(table.beforeCylinderHeading);
    out.Line(table.beforeExhaustHeading);
    out.Line(ValueRow(table.exhaustClearanceLabel, kExhaustColumns, columns, kClearanceGaps, clearance));
    out.Line(ValueRow(texts.shimLabel, kExhaustColumns, columns, kShimGaps, installed));
    out.Line(ValueRow(table.exhaustDeviationLabel, kExhaustColumns, columns, kDeviationGaps, deviation));
    out.Empty();
    out.Line(table.beforeIntakeHeading);
    out.Line(ValueRow(table.intakeClearanceLabel, kIntakeColumns, columns, kClearanceGaps, clearance,
                      table.intakeClearanceTail));
    out.Line(ValueRow(texts.shimLabel, kIntakeColumns, columns, kShimGaps, installed));
    out.Line(ValueRow(table.intakeDeviationLabel, kIntakeColumns, columns, kDeviationGaps, deviation));
    out.Empty();
}

void WriteTableAfter(LineWriter& out, const ReportInput& input, const LanguageTexts& texts,
                     const TableTexts& table)
{
    const int columns = table.columns;
    auto required = [&](int valve) { return ValveAt(input, valve).requiredLabel; };
    auto after = [&](int valve) { return ThreeDecimalField(ValveAt(input, valve).deviationAfterLabel); };

    out.Line(table.afterTitle);
    out.Line(std::string(static_cast<std::size_t>(table.afterRuleLength), '_'));
    out.Line(table.afterCylinderHeading);
    out.Line(table.afterExhaustHeading);
    out.Line(ValueRow(texts.installLabel, kExhaustColumns, columns, kShimGaps, required));
    out.Line(ValueRow(texts.deviationAfterLabel, kExhaustColumns, columns, kDeviationAfterGaps, after));
    out.Empty();
    out.Line(table.afterIntakeHeading);
    out.Line(ValueRow(texts.installLabel, kIntakeColumns, columns, kShimGaps, required));
    out.Line(ValueRow(texts.deviationAfterLabel, kIntakeColumns, columns, kDeviationAfterGaps, after));
    out.Empty();
    out.Line(texts.footnote);
}

bool InUse(const ReportListRow& row)
{
    return !row.shimNumber.empty();
}

// The thickness is worked out again from the shim number, so the report does not depend on the
// thickness column's text. A shim number that is not a whole number leaves the field empty.
std::string ThicknessField(Brand brand, const std::string& shimNumber)
{
    const std::optional<ShimNumber> number = ParseInteger(shimNumber);
    return number ? ShimThicknessText(brand, *number) : std::string();
}

void WriteList(LineWriter& out, const ReportInput& input, std::string_view title, int ruleLength,
               std::string_view heading, const std::array<ReportListRow, 16>& rows)
{
    out.Line(title);
    out.Line(std::string(static_cast<std::size_t>(ruleLength), '_'));
    out.Line(heading);
    out.Empty();
    for (const ReportListRow& row : rows) {
        if (!InUse(row)) {
            continue;
        }
        out.Line(PadTo20(row.first) + std::string(5, ' ') + PadTo20(row.shimNumber) +
                 ThicknessField(input.thicknessBrand, row.shimNumber) + std::string(7, ' ') +
                 PadTo20(row.destination));
    }
    out.Empty(2);
}

} // namespace

std::vector<std::string> ComposeReport(const ReportInput& input)
{
    const LanguageTexts& texts = kTexts.in(input.language);
    const TableTexts& table = texts.tables.at(static_cast<std::size_t>(input.cylinders));

    LineWriter out;
    WriteHeaderAndSettings(out, input, texts);
    WriteTableBefore(out, input, texts, table);
    out.Empty(2);
    WriteTableAfter(out, input, texts, table);
    out.Empty(3);
    // The check box is read now: ticked after the lists were built, it still leaves the interchanges out.
    if (!input.allNew && InUse(input.interchange[0])) {
        WriteList(out, input, texts.interchangeTitle, kInterchangeRuleLength, texts.interchangeHeading,
                  input.interchange);
    }
    out.Empty(2);
    if (InUse(input.purchase[0])) {
        WriteList(out, input, texts.purchaseTitle, kPurchaseRuleLength, texts.purchaseHeading,
                  input.purchase);
    } else {
        out.Line(texts.nothingToBuyLines[0]);
        out.Line(texts.nothingToBuyLines[1]);
    }
    return out.Take();
}

std::string ReportFileName(const std::string& dateText, Language language)
{
    // The name must never carry a directory part, whatever separators the date arrives with.
    std::string date = dateText;
    for (char& c : date) {
        if (c == '/' || c == '\\') {
            c = '-';
        }
    }
    constexpr Bilingual<> kSuffix{.russian = "_rus.txt", .english = "_eng.txt"};
    return "Kelvane " + date + std::string(kSuffix.in(language));
}

} // namespace kelvane
