// The Russian and English texts of the main window's controls.
#include "main/language_tables.h"

namespace kelvane {

namespace {

// The blanks at the start and end of group titles belong to the texts. "Ех.clearance:" starts with the
// Cyrillic letters Е and х, which look like the Latin "Ex"; the report and the users' screenshots
// have always shown it that way, so it stays.
constexpr LanguageText kTexts[] = {
    {TextRole::Caption, "GroupBox1", {" Настройки ", " Settings "}},
    {TextRole::Caption, "Label1", {"Зазор выпуск:", "\u0415\u0445.clearance:"}},
    {TextRole::Caption, "Label2", {"Зазор впуск:", "In.clearamce:"}},
    {TextRole::Caption, "RadioGroup1", {" Подбор шайб ", " Shim selection "}},
    {TextRole::Caption, "CheckBox1", {"Все новые", "All new"}},
    {TextRole::Caption, "Label181", {"Марка", "Brand"}},
    {TextRole::Caption, "RadioGroup2", {" Цилиндры ", " Num of cyl."}},
    {TextRole::Caption, "RadioGroup3", {" Диаметр шайб мм. ", " Shim diameter mm. "}},
    {TextRole::Caption, "GroupBox2", {" Цилиндр 1 ", " Cylinder 1 "}},
    {TextRole::Caption, "GroupBox3", {" Цилиндр 2 ", " Cylinder 2 "}},
    {TextRole::Caption, "GroupBox5", {" Цилиндр 3 ", " Cylinder 3 "}},
    {TextRole::Caption, "GroupBox4", {" Цилиндр 4 ", " Cylinder 4 "}},
    {TextRole::Caption, "Label5 Label29 Label93 Label113", {"Выпуск", "Exhaust"}},
    {TextRole::Caption, "Label3 Label59 Label103 Label123", {"Впуск", "Intake"}},
    {TextRole::Caption,
     "Label13 Label30 Label94 Label114 Label4 Label60 Label104 Label124",
     {"Зазор фактический", "Actual clearance"}},
    {TextRole::Caption,
     "Label17 Label31 Label95 Label115 Label6 Label61 Label105 Label125 "
     "Label32 Label75 Label139 Label163 Label37 Label80 Label144 Label168",
     {"Установлена шайба №", "Installed shim number"}},
    {TextRole::Caption,
     "Label18 Label49 Label96 Label116 Label7 Label62 Label106 Label126",
     {"либо толщина шайбы", "or shim thickness"}},
    {TextRole::Caption, "GroupBox6 GroupBox7 GroupBox8 GroupBox9", {" Результаты ", " Calculation results "}},
    {TextRole::Caption,
     "Label11 Label70 Label134 Label158",
     {"Отклонение от нормы вып.:", "Exhaust clearance deviation:"}},
    {TextRole::Caption,
     "Label27 Label73 Label137 Label161",
     {"Отклонение от нормы вп.:", "Intake clearance deviation:"}},
    {TextRole::Caption,
     "Label38 Label81 Label145 Label169 Label41 Label84 Label148 Label172",
     {"Нужно установить шабу №:", "Shim number will be installed:"}},
    {TextRole::Caption,
     "Label44 Label87 Label151 Label175",
     {"Отклон. после замены вып.:", "Deviation after installing new:"}},
    {TextRole::Caption,
     "Label50 Label90 Label154 Label178",
     {"Отклон. после замены вп.:", "Deviation after installing new:"}},
    {TextRole::Caption, "Button1", {"Пересчитать", "Recalculate"}},
    {TextRole::Caption, "Button2", {"Подобрать шайбы", "Make shim selection"}},
    {TextRole::Hint,
     "MaskEdit1",
     {"Введите сюда нормальный задор для выпускного клапана (смотрите сервис мануал на свой двигатель)",
      "Input here nominal clearance for exhaust valve (see service manual for your bike)"}},
    {TextRole::Hint,
     "MaskEdit2",
     {"Введите сюда нормальный задор для впускного клапана (смотрите сервис мануал на свой двигатель)",
      "Input here nominal clearance for intake valve (see service manual for your bike)"}},
    {TextRole::Hint,
     "RadioGroup1",
     {"Подбор только шайб для клапанов которые не укладываются в нормы, либо полный подбор для всех где "
      "возможно",
      "Selection only for valves where clearances beyound limits or full selection where it is possible"}},
    {TextRole::Hint,
     "CheckBox1",
     {"Отметить если снятые шайбы не будут использованы, все шабы для регулировки будут новыми",
      "Check it if you don't want to use old shims to install on other valves"}},
    {TextRole::Hint,
     "RadioGroup3",
     {"Выберите диаметр шайб, установленных в вашем двигателе (можно замерить при замере толщины)",
      "Select shim diameter installed in your engine(can be measured)"}},
    {TextRole::Hint,
     "MaskEdit3 MaskEdit4 MaskEdit9 MaskEdit14 MaskEdit10 MaskEdit16 MaskEdit17 MaskEdit20 "
     "MaskEdit21 MaskEdit24 MaskEdit25 MaskEdit28 MaskEdit29 MaskEdit32 MaskEdit33 MaskEdit36",
     {"Введите сюда измеренный с помощью щупов зазор", "Input here actual clearances measured with gauge"}},
    {TextRole::Hint,
     "MaskEdit8 MaskEdit6 MaskEdit11 MaskEdit13 MaskEdit12 MaskEdit15 MaskEdit18 MaskEdit19 "
     "MaskEdit22 MaskEdit23 MaskEdit26 MaskEdit27 MaskEdit30 MaskEdit31 MaskEdit34 MaskEdit35",
     {"Введите сюда измеренную толщину шайбы если не знаете (или не видно какой) номер",
      "Input here shim thickness if you can't read or don't know shim number"}},
    {TextRole::Hint,
     "ComboBox1 ComboBox2 ComboBox3 ComboBox4 ComboBox5 ComboBox6 ComboBox7 ComboBox8 "
     "ComboBox9 ComboBox10 ComboBox11 ComboBox12 ComboBox13 ComboBox14 ComboBox15 ComboBox16",
     {"Выберите номер шайбы из списка (если знаете номер) либо выберите пустое значение и введите толщину "
      "шайбы",
      "Select shim number from the list if you know it or select blank and type-in shim thickness instead"}},
    {TextRole::Hint,
     "Label11 Label70 Label134 Label158",
     {"Расчитанное отклонение зазора выпускного клапана от нормального",
      "Calculated clearance deviation of exhaust valve"}},
    {TextRole::Hint,
     "Label27 Label73 Label137 Label161",
     {"Расчитанное отклонение зазора впускного клапана от нормального",
      "Calculated clearance deviation of intake valve"}},
    {TextRole::Hint,
     "Label38 Label81 Label145 Label169 Label41 Label84 Label148 Label172",
     {"Рекомендуемая замена установленной шайбы", "Recommended replacement of the installed shim"}},
    {TextRole::Hint,
     "Label44 Label87 Label151 Label175 Label50 Label90 Label154 Label178",
     {"Отклонение, которое будет после замены шайбы на рекомендуемую",
      "Calculated clearance deviation after recommended shim will be installed"}},
    {TextRole::Hint, "Image1 Image2 Image3 Image4", {"О программе (F1)", "About the program (F1)"}},
    {TextRole::Hint, "Image5", {"Русский язык интерфейса (Ctrl+L)", "Russian interface (Ctrl+L)"}},
    {TextRole::Hint, "Image6", {"Английский язык интерфейса (Ctrl+L)", "English interface (Ctrl+L)"}},
    {TextRole::Hint,
     "Button1",
     {"Нажмите для пересчета введенных данных и получения результатов", "Click it to make recalculation."}},
    {TextRole::Hint,
     "Button2",
     {"Нажмите для перехода к окну подбора новых шайб",
      "Click it to open shim selection and interchange window"}},
};

} // namespace

std::span<const LanguageText> LanguageTexts()
{
    return kTexts;
}

std::array<std::string_view, 2> SelectionModeItems(Language language)
{
    constexpr Bilingual<std::array<std::string_view, 2>> kItems{
        .russian = {"Только вне допуска", "Полный подбор"},
        .english = {"Beyound limits only", "Full selection"},
    };
    return kItems.in(language);
}

} // namespace kelvane
