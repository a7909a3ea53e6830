// Names of the sixteen valves: the designation in the lists and report, the name in the warning.
#include "evaluation/valve.h"

namespace kelvane {

namespace {

bool IsValve(int valve)
{
    return valve >= 1 && valve <= kValveTotal;
}

struct DesignationWords
{
    std::string_view prefix;
    std::string_view exhaust;
    std::string_view intake;
};

// The Russian intake word keeps two blanks so that its designations line up with the exhaust ones.
constexpr Bilingual<DesignationWords> kDesignationWords{
    .russian = {"Цилиндр ", " вып. ", " вп.  "},
    .english = {"Cylinder ", " ex. ", " in. "},
};

} // namespace

std::string ValveDesignation(int valve, Language language)
{
    if (!IsValve(valve))
        return {};
    const DesignationWords& words = kDesignationWords.in(language);
    const std::string_view kind = KindOf(valve) == ValveKind::Exhaust ? words.exhaust : words.intake;
    std::string text;
    text.reserve(words.prefix.size() + 1 + kind.size() + 2);
    text += words.prefix;
    text += static_cast<char>('0' + CylinderOf(valve));
    text += kind;
    text += IsValveI(valve) ? "I" : "II";
    return text;
}

std::string ValveWarningName(int valve)
{
    if (!IsValve(valve))
        return {};
    std::string text = "Ц.";
    text += static_cast<char>('0' + CylinderOf(valve));
    text += KindOf(valve) == ValveKind::Exhaust ? " выпуск " : " впуск ";
    text += IsValveI(valve) ? "I" : "II";
    return text;
}

} // namespace kelvane
