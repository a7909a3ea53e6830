// The main window's accessible names: what a screen reader says for each input, in the interface language.
#include "main/tform1.h"

#include "kit/accessible_names.h"
#include "kit/clickable_image.h"
#include "kit/radio_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvane {

namespace {

// The group's items are named after the group and their own text, which for the diameters changes with
// the brand; the trailing blanks of "7.48 " are not read out.
void NameItems(RadioGroup& group, const char* itemName)
{
    const QStringList items = group.items();
    for (int i = 0; i < group.count(); ++i) {
        group.button(i)->setAccessibleName(QString::fromUtf8(itemName).arg(items[i].trimmed()));
    }
}

} // namespace

void TForm1::applyAccessibleNames()
{
    const AccessibleNameTexts& names = AccessibleNames(m_job.language());

    SetAccessibleNames({{m_nominalExhaust, names.nominalExhaust},
                        {m_exhaustTolerance, names.exhaustTolerance},
                        {m_nominalIntake, names.nominalIntake},
                        {m_intakeTolerance, names.intakeTolerance},
                        {m_selectionMode, names.selectionMode}});
    for (int i = 0; i < m_selectionMode->count(); ++i) {
        m_selectionMode->button(i)->setAccessibleName(
            QString::fromUtf8(names.selectionModeItems.at(static_cast<std::size_t>(i))));
    }
    SetAccessibleNames({{m_allNew, names.allNew}, {m_cylinders, names.cylinderCount}});
    NameItems(*m_cylinders, names.cylinderCountItem);
    SetAccessibleNames({{m_brandBox, names.brand}, {m_diameters, names.shimDiameter}});
    NameItems(*m_diameters, names.shimDiameterItem);
    for (std::size_t i = 0; i < m_logos.size(); ++i) {
        m_logos[i]->setAccessibleName(QString::fromUtf8(names.logos[i]));
    }
    SetAccessibleNames({{m_russianFlag, names.russianFlag}, {m_englishFlag, names.englishFlag}});

    const QString valveField = QString::fromUtf8(names.valveField);
    for (int n = 1; n <= kValveTotal; ++n) {
        const QString kind = QString::fromUtf8(names.valveKind[KindOf(n) == ValveKind::Exhaust ? 0 : 1]);
        const QString column = IsValveI(n) ? QStringLiteral("I") : QStringLiteral("II");
        const auto name = [&](const char* field) {
            return valveField.arg(QString::number(CylinderOf(n)), kind, column, QString::fromUtf8(field));
        };
        ValveWidgets& widgets = valve(n);
        widgets.clearance->setAccessibleName(name(names.clearance));
        widgets.shimBox->setAccessibleName(name(names.shimNumber));
        widgets.thickness->setAccessibleName(name(names.thickness));
    }

    SetAccessibleNames({{m_recalculateButton, names.recalculate}, {m_selectButton, names.selectShims}});
    nameResultValues();
}

// The sixteen valves' results are bare numbers on screen, tied to their valve by place and to their
// verdict by colour; a screen reader hears both in words.
void TForm1::nameResultValues()
{
    const AccessibleNameTexts& names = AccessibleNames(m_job.language());
    const QString valveField = QString::fromUtf8(names.valveField);
    const QString resultValue = QString::fromUtf8(names.resultValue);
    for (int n = 1; n <= kValveTotal; ++n) {
        const QString kind = QString::fromUtf8(names.valveKind[KindOf(n) == ValveKind::Exhaust ? 0 : 1]);
        const QString column = IsValveI(n) ? QStringLiteral("I") : QStringLiteral("II");
        const ValveWidgets& widgets = valve(n);
        const auto nameValue = [&](QLabel* label, const char* quantity) {
            const QString field =
                valveField.arg(QString::number(CylinderOf(n)), kind, column, QString::fromUtf8(quantity));
            label->setAccessibleName(resultValue.arg(field, label->text()));
        };
        nameValue(widgets.deviation, names.deviation);
        nameValue(widgets.installed, names.installedShim);
        nameValue(widgets.required, names.requiredShim);
        nameValue(widgets.after, names.deviationAfter);
        if (const auto& snapshot = m_job.snapshot()) {
            const bool inTolerance = snapshot->valves[static_cast<std::size_t>(n - 1)].inTolerance;
            widgets.deviation->setAccessibleName(widgets.deviation->accessibleName() + QStringLiteral(", ") +
                                                 QString::fromUtf8(names.verdict[inTolerance ? 1 : 0]));
        }
    }
}

} // namespace kelvane
