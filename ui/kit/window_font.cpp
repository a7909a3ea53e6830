// The 8-point faces the windows are drawn in.
#include "kit/window_font.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace kelvane {

namespace {

// The faces taken as installed, and the list chosen for each wanted face.
struct FamilyChoice
{
    QStringList assumed; // the desktop's faces when empty
    QHash<QString, QStringList> chosen;
};

FamilyChoice& Choice()
{
    static FamilyChoice choice;
    return choice;
}

// The wanted faces that this desktop has, in order. A face the desktop lacks is left out rather than
// left to the font matcher: the matcher would first ask the font configuration for substitutes of
// the missing face, which costs more than the whole rest of loading the font, only to end at the next
// face of the list.
QStringList InstalledFamilies(const char* family)
{
    QHash<QString, QStringList>& installed = Choice().chosen;
    const QString wanted = QString::fromLatin1(family);
    if (const auto found = installed.constFind(wanted); found != installed.constEnd()) {
        return *found;
    }
    // The whole list: asking for one family at a time loads the details of each.
    static const QStringList desktop = QFontDatabase::families();
    const QStringList& all = Choice().assumed.isEmpty() ? desktop : Choice().assumed;
    const QStringList candidates{wanted, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QStringList present;
    for (const QString& candidate : candidates) {
        if (all.contains(candidate, Qt::CaseInsensitive) &&
            !present.contains(candidate, Qt::CaseInsensitive)) {
            present.append(candidate);
        }
    }
    // With none of them, the matcher's own choice is the best there is.
    if (present.isEmpty()) {
        present = candidates;
    }
    installed.insert(wanted, present);
    return present;
}

} // namespace

void AssumeInstalledFamilies(const QStringList& families)
{
    Choice().assumed = families;
    Choice().chosen.clear();
}

QFont WindowFont(const char* family, bool bold)
{
    QFont font;
    font.setFamilies(InstalledFamilies(family));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

} // namespace kelvane
