// What a screen reader calls each input of the three windows, in Russian and in English.
#include "kit/accessible_names.h"

#include <QWidget>

namespace kelvane {

namespace {

// Names follow one pattern in both languages: what the control holds, then its unit, so that each of
// the sixteen valves' fields can be told apart by ear and a value is read with its unit in mind.
constexpr Bilingual<AccessibleNameTexts> kNames{
    .russian =
        {
            .nominalExhaust = "Номинальный зазор выпуска, мм",
            .exhaustTolerance = "Допуск зазора выпуска, сотые доли мм",
            .nominalIntake = "Номинальный зазор впуска, мм",
            .intakeTolerance = "Допуск зазора впуска, сотые доли мм",
            .selectionMode = "Подбор шайб",
            .selectionModeItems = {"Подбор шайб: только для клапанов вне допуска",
                                   "Подбор шайб: полный, для всех клапанов, где возможно"},
            .allNew = "Все шайбы новые, снятые шайбы не использовать",
            .cylinderCount = "Число цилиндров",
            .cylinderCountItem = "Число цилиндров: %1",
            .brand = "Марка двигателя",
            .shimDiameter = "Диаметр шайб, мм",
            .shimDiameterItem = "Диаметр шайб: %1 мм",
            .logos = {"Логотип Honda: о программе", "Логотип Yamaha: о программе",
                      "Логотип Suzuki: о программе", "Логотип Kawasaki: о программе"},
            .russianFlag = "Флаг России: интерфейс на русском языке",
            .englishFlag = "Флаг Великобритании: интерфейс на английском языке",
            .valveField = "Цилиндр %1, %2 %3: %4",
            .valveKind = {"выпуск", "впуск"},
            .clearance = "зазор фактический, мм",
            .shimNumber = "номер установленной шайбы",
            .thickness = "толщина шайбы, мм",
            .deviation = "отклонение зазора",
            .installedShim = "установленная шайба",
            .requiredShim = "шайба к установке",
            .deviationAfter = "отклонение после замены",
            .resultValue = "%1 = %2",
            .verdict = {"вне допуска", "в допуске"},
            .recalculate = "Пересчитать результаты",
            .selectShims = "Подобрать шайбы и открыть окно подбора",
            .purchaseList = "Новые шайбы: список для покупки",
            .interchangeList = "Возможные замены снятыми шайбами",
            .partNumberNote = "Внимание: о номерах деталей новых шайб",
            .saveReport = "Вывести результаты в файл отчёта",
            .aboutText = "О программе: назначение, поддерживаемые двигатели и порядок работы",
            .closeAbout = "Закрыть окно «О программе»",
        },
    .english =
        {
            .nominalExhaust = "Nominal exhaust clearance, mm",
            .exhaustTolerance = "Exhaust clearance tolerance, hundredths of a mm",
            .nominalIntake = "Nominal intake clearance, mm",
            .intakeTolerance = "Intake clearance tolerance, hundredths of a mm",
            .selectionMode = "Shim selection",
            .selectionModeItems = {"Shim selection: only valves out of tolerance",
                                   "Shim selection: full, for every valve where possible"},
            .allNew = "All shims new, do not reuse removed shims",
            .cylinderCount = "Number of cylinders",
            .cylinderCountItem = "Number of cylinders: %1",
            .brand = "Engine brand",
            .shimDiameter = "Shim diameter, mm",
            .shimDiameterItem = "Shim diameter: %1 mm",
            .logos = {"Honda logo: about the program", "Yamaha logo: about the program",
                      "Suzuki logo: about the program", "Kawasaki logo: about the program"},
            .russianFlag = "Russian flag: interface in Russian",
            .englishFlag = "United Kingdom flag: interface in English",
            .valveField = "Cylinder %1, %2 %3: %4",
            .valveKind = {"exhaust", "intake"},
            .clearance = "actual clearance, mm",
            .shimNumber = "installed shim number",
            .thickness = "shim thickness, mm",
            .deviation = "clearance deviation",
            .installedShim = "installed shim",
            .requiredShim = "shim to install",
            .deviationAfter = "deviation after replacement",
            .resultValue = "%1 = %2",
            .verdict = {"out of tolerance", "in tolerance"},
            .recalculate = "Recalculate the results",
            .selectShims = "Make shim selection and open the selection window",
            .purchaseList = "New shims: list to buy",
            .interchangeList = "Possible interchange with removed shims",
            .partNumberNote = "Warning: about the part numbers of new shims",
            .saveReport = "Save results to a report file",
            .aboutText = "About the program: purpose, supported engines and how to use it",
            .closeAbout = "Close the About window",
        },
};

} // namespace

void SetAccessibleNames(std::initializer_list<std::pair<QWidget*, const char*>> names)
{
    for (const auto& [control, name] : names)
        control->setAccessibleName(QString::fromUtf8(name));
}

const AccessibleNameTexts& AccessibleNames(Language language)
{
    return kNames.in(language);
}

} // namespace kelvane
