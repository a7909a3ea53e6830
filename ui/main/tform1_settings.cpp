// The engine settings of the main window: brand, shim diameter and cylinder count.
#include "main/tform1.h"

#include "kit/clickable_image.h"
#include "kit/radio_group.h"
#include "main/control_map.h"

#include <QComboBox>
#include <QGroupBox>
#include <QStringList>

namespace kelvane {

namespace {

// The logo of each brand in the order of the brand box: Image1 Honda, Image2 Yamaha, Image4 Kawasaki,
// Image3 Suzuki (indexes into the window's logo array, which runs Image1 … Image4).
constexpr std::array<std::size_t, 4> kLogoOfBrand{0, 1, 3, 2};

} // namespace

// Shows the picked brand at once (logo, third diameter) and keeps the diameter position; the brand in
// force and its catalogue change only when the focus leaves the box.
void TForm1::ComboBox17Click()
{
    const int diameter = m_diameters->itemIndex();
    if (const std::optional<Brand> brand = BrandFromIndex(m_brandBox->currentIndex())) {
        const std::size_t shown = kLogoOfBrand[static_cast<std::size_t>(*brand)];
        for (std::size_t i = 0; i < m_logos.size(); ++i) {
            m_logos[i]->setVisible(i == shown);
        }
        const std::string_view third = ThirdDiameterText(*brand);
        m_diameters->setItems({QStringLiteral("7.48"), QStringLiteral("9.48"),
                               QString::fromUtf8(third.data(), static_cast<qsizetype>(third.size()))});
        applyAccessibleNames(); // the third diameter item is named by its new text
    }
    m_diameters->setItemIndex(diameter);
}

void TForm1::ComboBox17Change()
{
    if (const std::optional<Brand> brand = BrandFromIndex(m_brandBox->currentIndex())) {
        m_brand = *brand;
    }
    RadioGroup3Exit();
}

// Re-applies the catalogue in full even when nothing changed: the lists come out identical and every
// valid input survives.
void TForm1::RadioGroup3Exit()
{
    if (const std::optional<ShimDiameter> diameter = ShimDiameterFromIndex(m_diameters->itemIndex())) {
        m_diameter = *diameter;
    }
    ApplyCatalogue();
    refillShimBoxes();
    RevalidateShimInputs();
}

void TForm1::ApplyCatalogue()
{
    const ShimCatalogue& catalogue = CatalogueFor({m_brand, m_diameter});
    m_minThickness = catalogue.minThickness;
    m_maxThickness = catalogue.maxThickness;
}

// The boxes keep the number they show when the new list has it; a box whose number is gone shows
// nothing until RevalidateShimInputs gives it the list's first number.
void TForm1::refillShimBoxes()
{
    QStringList entries{
        QString::fromUtf8(kBlankShimEntry.data(), static_cast<qsizetype>(kBlankShimEntry.size()))};
    for (const ShimNumber number : CatalogueFor({m_brand, m_diameter}).selectableNumbers) {
        entries.append(QString::number(number));
    }
    for (const ValveWidgets& widgets : m_valves) {
        QComboBox* box = widgets.shimBox;
        const QString shown = box->currentText();
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(box->findText(shown));
    }
}

// Hidden groups keep every text, so going back to more cylinders shows them as they were.
void TForm1::RadioGroup2Click()
{
    const int index = m_cylinders->itemIndex();
    if (index < 0 || index >= static_cast<int>(kCylinderVisibility.size())) {
        return;
    }
    const CylinderVisibility& visibility = kCylinderVisibility[static_cast<std::size_t>(index)];
    for (std::size_t cylinder = 1; cylinder < kCylinderTotal; ++cylinder) {
        const bool shown = visibility.shown[cylinder - 1];
        for (QGroupBox* group : {m_inputGroups[cylinder], m_resultGroups[cylinder]}) {
            group->setVisible(shown);
            group->setEnabled(shown);
        }
    }
}

} // namespace kelvane
