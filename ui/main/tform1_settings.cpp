// The engine settings of the main window: brand, shim diameter and cylinder count.
#include "main/tform1.h"

#include "kit/clickable_image.h"
#include "kit/radio_group.h"
#include "main/control_map.h"

#include <QCheckBox>
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
        QStringList items;
        for (const ShimDiameter size : {ShimDiameter::D748, ShimDiameter::D948, ShimDiameter::Third}) {
            const std::string_view text = ShimDiameterText(*brand, size);
            items.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
        m_diameters->setItems(items);
        applyAccessibleNames(); // the third diameter item is named by its new text
    }
    m_diameters->setItemIndex(diameter);
}

void TForm1::ComboBox17Change()
{
    if (const std::optional<Brand> brand = BrandFromIndex(m_brandBox->currentIndex())) {
        m_job.applyCatalogue({*brand, m_job.settings().catalogue.diameter});
    }
    RadioGroup3Exit();
}

// Re-applies the catalogue in full even when nothing changed: the lists come out identical and every
// valid input survives.
void TForm1::RadioGroup3Exit()
{
    CatalogueKey catalogue = m_job.settings().catalogue;
    if (const std::optional<ShimDiameter> diameter = ShimDiameterFromIndex(m_diameters->itemIndex())) {
        catalogue.diameter = *diameter;
    }
    m_job.applyCatalogue(catalogue); // its thickness range with it
    refillShimBoxes();
    RevalidateShimInputs();
}

// The boxes keep the number they show when the new list has it; a box whose number is gone shows
// nothing until RevalidateShimInputs gives it the list's first number.
void TForm1::refillShimBoxes()
{
    QStringList entries{
        QString::fromUtf8(kBlankShimEntry.data(), static_cast<qsizetype>(kBlankShimEntry.size()))};
    for (const ShimNumber number : CatalogueFor(m_job.settings().catalogue).selectableNumbers) {
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

// The report and the results window read these from the job as the controls show them.
void TForm1::takeChoices()
{
    m_job.setSelectionMode(m_selectionMode->itemIndex() == 1 ? SelectionMode::Full
                                                             : SelectionMode::OutOfToleranceOnly);
    m_job.setAllNew(m_allNew->isChecked());
    if (const std::optional<CylinderCount> cylinders = CylinderCountFromIndex(m_cylinders->itemIndex())) {
        m_job.setCylinders(*cylinders);
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
