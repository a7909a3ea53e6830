// The engine settings of the main window: brand, shim diameter and cylinder count reconfiguring it.
#include "kit/message_box.h"
#include "main/tform1.h"
#include "window_driver.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

QStringList Entries(const QComboBox* box)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) {
        entries.append(box->itemText(i));
    }
    return entries;
}

// Step 5 from first to last, after the blank entry.
QStringList StepFiveList(int first, int last)
{
    QStringList entries{QStringLiteral("   ")};
    for (int number = first; number <= last; number += 5) {
        entries.append(QString::number(number));
    }
    return entries;
}

} // namespace

class EngineSettingsTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void kawasakiTakesEffectWhenTheBrandBoxIsLeft();
    void kawasakiKeepsTheThirdDiameterPosition();
    void enterInTheBrandBoxRecalculatesWithTheBrandInForce();
    void enterInTheDiameterGroupRecalculatesWithTheDiameterInForce();
    void diameterTakesEffectWhenTheGroupIsLeft();
    void yamahaDiametersKeepEveryNumber();
    void eachBrandShowsItsLogoAndThirdDiameter();
    void brandBoxIsPickOnly();
    void typedLettersPickABrandAsTheListDoes();
    void cylinderCountHidesAndBringsBackGroupsUnchanged();
    void everyLogoOpensTheAboutWindow();

private:
    QLineEdit* field(const char* name) const { return Control<QLineEdit>(*m_form, name); }
    QComboBox* box(const char* name) const { return Control<QComboBox>(*m_form, name); }
    QWidget* widget(const char* name) const { return Control(*m_form, name); }
    QStringList diameterItems() const
    {
        QStringList items;
        for (const QRadioButton* item : widget("RadioGroup3")->findChildren<QRadioButton*>()) {
            items.append(item->text() + (item->isChecked() ? QStringLiteral("*") : QString()));
        }
        return items;
    }
    QString visibleLogo() const
    {
        QString shown;
        for (const char* logo : {"Image1", "Image2", "Image3", "Image4"}) {
            if (widget(logo)->isVisible()) {
                shown += QString::fromLatin1(logo);
            }
        }
        return shown;
    }
    // A thickness typed into valve 1's field behind the blank entry, left by Tab.
    void typeThickness(const QString& typed)
    {
        QVERIFY(PickFromList(box("ComboBox1"), QStringLiteral("   ")));
        QVERIFY(ClickInto(field("MaskEdit8")));
        TypeOver(field("MaskEdit8"), typed);
        PressTab();
    }
    QString typeAndTab(QLineEdit* target, const QString& typed)
    {
        if (!ClickInto(target)) {
            return QStringLiteral("<no focus>");
        }
        TypeOver(target, typed);
        PressTab();
        return target->displayText();
    }
    // Picks a brand from the list and leaves the box with Tab.
    void chooseBrand(const QString& brand)
    {
        QVERIFY(PickFromList(box("ComboBox17"), brand));
        PressTab();
        QVERIFY(!box("ComboBox17")->hasFocus());
    }
    // Clicks a diameter item and leaves the group with Tab.
    void chooseDiameter(int index)
    {
        const QString name = QStringLiteral("RadioGroup3Item%1").arg(index);
        QTest::mouseClick(Control(*m_form, name), Qt::LeftButton);
        QVERIFY(WaitForFocus(Control(*m_form, name)));
        PressTab();
    }

    std::unique_ptr<kelvane::Job> m_job; // outlives the window
    std::unique_ptr<TForm1> m_form;
};

void EngineSettingsTest::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    MessageBox::setTestMode(true);
}

void EngineSettingsTest::init()
{
    m_job = std::make_unique<kelvane::Job>();
    m_form = std::make_unique<TForm1>(*m_job);
    QVERIFY(ShowActive(*m_form));
}

void EngineSettingsTest::cleanup()
{
    m_form.reset();
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
}

// Kawasaki 7.48 mm offers 250 … 350 in steps of 5 and the range 2.5 … 3.5 mm.
void EngineSettingsTest::kawasakiTakesEffectWhenTheBrandBoxIsLeft()
{
    typeThickness(QStringLiteral("1.500"));
    QVERIFY(PickFromList(box("ComboBox2"), QStringLiteral("   ")));
    QCOMPARE(typeAndTab(field("MaskEdit6"), QStringLiteral("2.800")), QStringLiteral("2.800"));

    QVERIFY(PickFromList(box("ComboBox17"), QStringLiteral("Kawasaki")));
    // Shown at once, in force only later.
    QCOMPARE(visibleLogo(), QStringLiteral("Image4"));
    QCOMPARE(diameterItems(), (QStringList{"7.48*", "9.48", "13"}));
    QCOMPARE(m_form->job().settings().catalogue.brand, Brand::Honda);
    QCOMPARE(box("ComboBox5")->count(), 70);

    PressTab();
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Kawasaki, ShimDiameter::D748}));
    QCOMPARE(Focused()->objectName(), QStringLiteral("RadioGroup3Item0"));
    const QStringList kawasaki = StepFiveList(250, 350);
    for (int v = 0; v < 16; ++v) {
        const ValveNames& names = kValves[v];
        QCOMPARE(Entries(box(names.shimBox)), kawasaki);
        if (v >= 2) {
            QCOMPARE(box(names.shimBox)->currentText(), QStringLiteral("250"));
            QVERIFY(!field(names.thickness)->isEnabled());
            QCOMPARE(field(names.thickness)->displayText(), QStringLiteral("2.5  "));
        }
    }
    // The blank entries stay, their thicknesses only clamped into the new range.
    QCOMPARE(box("ComboBox1")->currentIndex(), 0);
    QVERIFY(field("MaskEdit8")->isEnabled());
    QCOMPARE(field("MaskEdit8")->displayText(), QStringLiteral("2.5  "));
    QCOMPARE(box("ComboBox2")->currentIndex(), 0);
    QCOMPARE(field("MaskEdit6")->displayText(), QStringLiteral("2.800"));
    QCOMPARE(typeAndTab(field("MaskEdit6"), QStringLiteral("3.600")), QStringLiteral("3.5  "));
    QCOMPARE(typeAndTab(field("MaskEdit6"), QStringLiteral("2.400")), QStringLiteral("2.5  "));
    // A number of the new list shows its Kawasaki thickness.
    QVERIFY(PickFromList(box("ComboBox7"), QStringLiteral("335")));
    QCOMPARE(field("MaskEdit18")->displayText(), QStringLiteral("3.35 "));
}

void EngineSettingsTest::kawasakiKeepsTheThirdDiameterPosition()
{
    QVERIFY(PickFromList(box("ComboBox3"), QStringLiteral("   ")));
    QCOMPARE(typeAndTab(field("MaskEdit11"), QStringLiteral("2.9")), QStringLiteral("2.900"));
    chooseDiameter(2); // Honda 25 mm: 230 … 350, 2.3 … 3.5 mm
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::Third}));
    QCOMPARE(box("ComboBox1")->currentText(), QStringLiteral("230"));
    QCOMPARE(typeAndTab(field("MaskEdit11"), QStringLiteral("3.400")), QStringLiteral("3.400"));

    QVERIFY(PickFromList(box("ComboBox17"), QStringLiteral("Kawasaki")));
    QCOMPARE(diameterItems(), (QStringList{"7.48", "9.48", "13*"}));
    PressTab();
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Kawasaki, ShimDiameter::Third}));
    // Kawasaki 13 mm: 200 … 320, 2.0 … 3.2 mm; 230 is still listed.
    for (const ValveNames& names : kValves) {
        QCOMPARE(Entries(box(names.shimBox)), StepFiveList(200, 320));
    }
    QCOMPARE(box("ComboBox1")->currentText(), QStringLiteral("230"));
    QCOMPARE(box("ComboBox16")->currentText(), QStringLiteral("230"));
    QCOMPARE(field("MaskEdit11")->displayText(), QStringLiteral("3.2  "));
    // Back to Honda: the position is kept once more, and "25" returns.
    chooseBrand(QStringLiteral("Honda"));
    QCOMPARE(diameterItems(), (QStringList{"7.48", "9.48", "25*"}));
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::Third}));
    QCOMPARE(box("ComboBox1")->currentText(), QStringLiteral("230"));
    QCOMPARE(field("MaskEdit11")->displayText(), QStringLiteral("3.200"));
}

// Picked but not yet left, Kawasaki is only shown: the recalculation runs with Honda 7.48 mm, whose
// range takes 1.3 mm without a warning and whose quarter steps turn 1.22 mm into 122.
void EngineSettingsTest::enterInTheBrandBoxRecalculatesWithTheBrandInForce()
{
    typeThickness(QStringLiteral("1.300"));
    QCOMPARE(typeAndTab(field("MaskEdit4"), QStringLiteral("0.22")), QStringLiteral("0.22"));
    QVERIFY(PickFromList(box("ComboBox17"), QStringLiteral("Kawasaki")));
    QCOMPARE(visibleLogo(), QStringLiteral("Image4"));
    PressEnter();
    QVERIFY(box("ComboBox17")->hasFocus());
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
    QCOMPARE(Text(*m_form, "Label33"), QStringLiteral("130"));
    QCOMPARE(Text(*m_form, "Label40"), QStringLiteral("122"));
    QCOMPARE(m_form->job().settings().catalogue.brand, Brand::Honda);

    // Leaving the box puts Kawasaki in force: 250 installed, and 2.52 mm rounds by half steps to 250
    // (Honda's quarter steps would give 252).
    PressTab();
    PressEnter();
    QCOMPARE(Text(*m_form, "Label34"), QStringLiteral("250"));
    QCOMPARE(Text(*m_form, "Label40"), QStringLiteral("250"));
    QCOMPARE(Text(*m_form, "Label33"), QStringLiteral("250"));
}

void EngineSettingsTest::enterInTheDiameterGroupRecalculatesWithTheDiameterInForce()
{
    QCOMPARE(typeAndTab(field("MaskEdit4"), QStringLiteral("0.22")), QStringLiteral("0.22"));
    QTest::mouseClick(widget("RadioGroup3Item2"), Qt::LeftButton);
    QVERIFY(WaitForFocus(widget("RadioGroup3Item2")));
    PressEnter();
    QVERIFY(widget("RadioGroup3Item2")->hasFocus());
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::D748}));
    QCOMPARE(Text(*m_form, "Label40"), QStringLiteral("122"));

    PressTab();
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::Third}));
    PressEnter(); // 2.32 mm: half steps give 230, where 7.48 mm's quarter steps would give 232
    QCOMPARE(Text(*m_form, "Label34"), QStringLiteral("230"));
    QCOMPARE(Text(*m_form, "Label40"), QStringLiteral("230"));
}

// Moving between the items does nothing yet; leaving the group applies Honda 9.48 mm (120 … 300,
// 1.2 … 3.0 mm).
void EngineSettingsTest::diameterTakesEffectWhenTheGroupIsLeft()
{
    typeThickness(QStringLiteral("2.900"));
    QTest::mouseClick(widget("RadioGroup3Item1"), Qt::LeftButton);
    QVERIFY(WaitForFocus(widget("RadioGroup3Item1")));
    QTest::keyClick(Focused(), Qt::Key_Right);
    QTest::keyClick(Focused(), Qt::Key_Left);
    QCOMPARE(Focused()->objectName(), QStringLiteral("RadioGroup3Item1"));
    QCOMPARE(m_form->job().settings().catalogue.diameter, ShimDiameter::D748);
    QCOMPARE(box("ComboBox1")->count(), 70);

    QVERIFY(ClickInto(field("MaskEdit1"))); // left by the mouse
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::D948}));
    for (const ValveNames& names : kValves) {
        const QComboBox* number = box(names.shimBox);
        QCOMPARE(number->count(), 74);
        QCOMPARE(number->itemText(73), QStringLiteral("300"));
    }
    QCOMPARE(box("ComboBox2")->currentText(), QStringLiteral("120"));
    QCOMPARE(box("ComboBox1")->currentIndex(), 0);
    QCOMPARE(typeAndTab(field("MaskEdit8"), QStringLiteral("3.000")), QStringLiteral("3.000"));
    QVERIFY(PickFromList(box("ComboBox2"), QStringLiteral("298")));
    QCOMPARE(field("MaskEdit6")->displayText(), QStringLiteral("2.975"));

    chooseDiameter(0);
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::D748}));
    QCOMPARE(field("MaskEdit8")->displayText(), QStringLiteral("2.9  "));
    QCOMPARE(box("ComboBox2")->currentText(), QStringLiteral("120")); // 298 is gone: the first number
    QCOMPARE(field("MaskEdit6")->displayText(), QStringLiteral("1.2  "));
}

// Yamaha's 7.48 and 9.48 mm shims share one list (120 … 240 in quarter steps): switching between them
// changes nothing in the boxes.
void EngineSettingsTest::yamahaDiametersKeepEveryNumber()
{
    QVERIFY(PickFromList(box("ComboBox1"), QStringLiteral("122")));
    QVERIFY(PickFromList(box("ComboBox2"), QStringLiteral("128")));
    QVERIFY(PickFromList(box("ComboBox3"), QStringLiteral("240")));
    QVERIFY(PickFromList(box("ComboBox5"), QStringLiteral("245")));
    QVERIFY(PickFromList(box("ComboBox4"), QStringLiteral("   ")));
    QCOMPARE(typeAndTab(field("MaskEdit13"), QStringLiteral("2.000")), QStringLiteral("2.000"));

    QVERIFY(PickFromList(box("ComboBox17"), QStringLiteral("Yamaha")));
    QVERIFY(ClickInto(field("MaskEdit1"))); // the brand box left by the mouse
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Yamaha, ShimDiameter::D748}));
    QCOMPARE(visibleLogo(), QStringLiteral("Image2"));
    QCOMPARE(box("ComboBox1")->count(), 50);
    QCOMPARE(box("ComboBox1")->currentText(), QStringLiteral("122"));
    QCOMPARE(box("ComboBox2")->currentText(), QStringLiteral("128"));
    QCOMPARE(box("ComboBox3")->currentText(), QStringLiteral("240"));
    QCOMPARE(box("ComboBox4")->currentIndex(), 0);
    QCOMPARE(box("ComboBox5")->currentText(), QStringLiteral("120"));
    QCOMPARE(field("MaskEdit8")->displayText(), QStringLiteral("1.225"));

    const auto state = [this] {
        QStringList texts;
        for (const ValveNames& names : kValves) {
            // A thickness written as "1.2" with two blanks is filled to "1.200" by any re-application.
            texts << Entries(box(names.shimBox)).join(QLatin1Char(',')) << box(names.shimBox)->currentText()
                  << field(names.thickness)->displayText().replace(QLatin1Char(' '), QLatin1Char('0'))
                  << (field(names.thickness)->isEnabled() ? QStringLiteral("on") : QStringLiteral("off"));
        }
        return texts;
    };
    const QStringList before = state();
    chooseDiameter(1);
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Yamaha, ShimDiameter::D948}));
    QCOMPARE(state(), before);
    chooseDiameter(0);
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Yamaha, ShimDiameter::D748}));
    QCOMPARE(state(), before);
}

// Each pick by arrow key in the closed box is shown at once.
void EngineSettingsTest::eachBrandShowsItsLogoAndThirdDiameter()
{
    QVERIFY(ClickInto(field("MaskEdit7")));
    PressTab(); // RadioGroup1
    PressTab(); // CheckBox1
    PressTab(); // RadioGroup2
    PressTab();
    QComboBox* brand = box("ComboBox17");
    QTRY_VERIFY(brand->hasFocus());
    const struct
    {
        const char* name;
        const char* logo;
        const char* third;
    } brands[] = {{"Yamaha", "Image2", "25"},
                  {"Kawasaki", "Image4", "13"},
                  {"Suzuki", "Image3", "29.5"},
                  {"Honda", "Image1", "25"}};
    for (const auto& entry : brands) {
        QVERIFY(StepTo(brand, QString::fromLatin1(entry.name)));
        QCOMPARE(visibleLogo(), QString::fromLatin1(entry.logo));
        QCOMPARE(diameterItems(), (QStringList{"7.48*", "9.48", QString::fromLatin1(entry.third)}));
    }
    QVERIFY(StepTo(brand, QStringLiteral("Suzuki")));
    PressTab();
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Suzuki, ShimDiameter::D748}));
    QCOMPARE(Entries(box("ComboBox9")), StepFiveList(120, 220));
    QCOMPARE(box("ComboBox9")->currentText(), QStringLiteral("120"));
    QVERIFY(PickFromList(box("ComboBox9"), QStringLiteral("215")));
    QCOMPARE(field("MaskEdit22")->displayText(), QStringLiteral("2.15 "));
}

void EngineSettingsTest::brandBoxIsPickOnly()
{
    QComboBox* brand = box("ComboBox17");
    QVERIFY(!brand->isEditable());
    brand->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(brand->hasFocus());
    QTest::keyClicks(brand, QStringLiteral("xyz"));
    QCOMPARE(brand->currentIndex(), 0);
    PressTab();
    QCOMPARE(m_form->job().settings().catalogue.brand, Brand::Honda);
    QCOMPARE(box("ComboBox1")->count(), 70);
    // Typing an initial picks that brand, as a pick from the list does.
    brand->setFocus(Qt::BacktabFocusReason);
    QTRY_VERIFY(brand->hasFocus());
    QTest::qWait(QApplication::keyboardInputInterval() + 100); // a fresh search, not "xyzk"
    QTest::keyClicks(brand, QStringLiteral("K"));
    QCOMPARE(brand->currentText(), QStringLiteral("Kawasaki"));
    QCOMPARE(visibleLogo(), QStringLiteral("Image4"));
    PressTab();
    QCOMPARE(m_form->job().settings().catalogue.brand, Brand::Kawasaki);
}

// Letters typed in quick succession pick the brand beginning with them, in any case, with the logo and
// diameter items following as after a pick from the list; a pause starts a new beginning. The shim lists
// and the brand in force wait for the box to be left, as after any pick.
void EngineSettingsTest::typedLettersPickABrandAsTheListDoes()
{
    const TypingPace pace;
    QComboBox* brand = box("ComboBox17");
    brand->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(brand->hasFocus());
    const struct
    {
        const char* typed;
        const char* name;
        const char* logo;
        const char* third;
    } brands[] = {{"s", "Suzuki", "Image3", "29.5"},
                  {"Ya", "Yamaha", "Image2", "25"},
                  {"KAW", "Kawasaki", "Image4", "13"},
                  {"h", "Honda", "Image1", "25"},
                  {"Suz", "Suzuki", "Image3", "29.5"}};
    for (const auto& entry : brands) {
        TypingPace::typeAfterPause(brand, QString::fromLatin1(entry.typed));
        QCOMPARE(brand->currentText(), QString::fromLatin1(entry.name));
        QCOMPARE(visibleLogo(), QString::fromLatin1(entry.logo));
        QCOMPARE(diameterItems(), (QStringList{"7.48*", "9.48", QString::fromLatin1(entry.third)}));
        QCOMPARE(m_form->job().settings().catalogue.brand, Brand::Honda);
    }
    // Without a pause the keys run on: "Suzx" begins no brand, and the box stays on Suzuki.
    QTest::keyClicks(brand, QStringLiteral("x"));
    QCOMPARE(brand->currentText(), QStringLiteral("Suzuki"));
    PressTab();
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Suzuki, ShimDiameter::D748}));
    QCOMPARE(Entries(box("ComboBox9")), StepFiveList(120, 220));
}

void EngineSettingsTest::cylinderCountHidesAndBringsBackGroupsUnchanged()
{
    QCOMPARE(typeAndTab(field("MaskEdit10"), QStringLiteral("0.33")), QStringLiteral("0.33"));
    QVERIFY(PickFromList(box("ComboBox9"), QStringLiteral("   ")));
    QCOMPARE(typeAndTab(field("MaskEdit22"), QStringLiteral("2.000")), QStringLiteral("2.000"));
    QVERIFY(PickFromList(box("ComboBox16"), QStringLiteral("130")));
    QTest::mouseClick(widget("Button1"), Qt::LeftButton);
    QCOMPARE(Text(*m_form, "Label71"), QStringLiteral("0.13 мм"));

    const char* later[] = {"GroupBox3", "GroupBox5", "GroupBox4", "GroupBox7", "GroupBox8", "GroupBox9"};
    const auto contents = [this, &later] {
        QStringList texts;
        for (const char* group : later) {
            for (const QWidget* child : widget(group)->findChildren<QWidget*>()) {
                QString text = child->objectName() + QLatin1Char('=');
                if (const auto* edit = qobject_cast<const QLineEdit*>(child)) {
                    text += edit->displayText() + (edit->isEnabled() ? QString() : QStringLiteral("(off)"));
                } else if (const auto* number = qobject_cast<const QComboBox*>(child)) {
                    text += number->currentText();
                } else if (const auto* label = qobject_cast<const QLabel*>(child)) {
                    text += label->text();
                }
                texts.append(text);
            }
        }
        return texts;
    };
    const QStringList before = contents();
    const auto shown = [this, &later] {
        // 1 shown and enabled, 0 hidden and disabled, ? anything else.
        QString states;
        for (const char* group : later) {
            const bool visible = widget(group)->isVisible();
            states += visible != widget(group)->isEnabled() ? QLatin1Char('?')
                      : visible                             ? QLatin1Char('1')
                                                            : QLatin1Char('0');
        }
        if (!widget("GroupBox2")->isVisible() || !widget("GroupBox6")->isVisible()) {
            states += QStringLiteral(" cylinder 1 hidden");
        }
        return states;
    };

    QTest::mouseClick(widget("RadioGroup2Item0"), Qt::LeftButton);
    QCOMPARE(static_cast<int>(m_form->job().settings().cylinders), 0);
    QCOMPARE(shown(), QStringLiteral("000000"));
    // Hidden cylinders drop out of the Tab order, but the recalculation still evaluates them.
    QVERIFY(ClickInto(field("MaskEdit14")));
    PressTab();
    PressTab();
    PressTab();
    QCOMPARE(Focused()->objectName(), QStringLiteral("Button1"));
    PressEnter();
    QCOMPARE(Text(*m_form, "Label167"), QStringLiteral("130"));

    QTest::mouseClick(widget("RadioGroup2Item1"), Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("100100"));
    QTest::mouseClick(widget("RadioGroup2Item2"), Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("111111"));
    QCOMPARE(contents(), before);
    QVERIFY(field("MaskEdit22")->isEnabled());
    QVERIFY(!field("MaskEdit23")->isEnabled());

    // The arrow keys pick a count as well.
    QTest::keyClick(Focused(), Qt::Key_Left);
    QCOMPARE(static_cast<int>(m_form->job().settings().cylinders), 1);
    QCOMPARE(shown(), QStringLiteral("100100"));
    QTest::keyClick(Focused(), Qt::Key_Right);
    QCOMPARE(shown(), QStringLiteral("111111"));
}

void EngineSettingsTest::everyLogoOpensTheAboutWindow()
{
    QWidget about;
    m_form->setAboutWindow(&about);
    QComboBox* brand = box("ComboBox17");
    for (const auto& [name, logo] : {std::pair{"Yamaha", "Image2"}, std::pair{"Kawasaki", "Image4"},
                                     std::pair{"Suzuki", "Image3"}, std::pair{"Honda", "Image1"}}) {
        QVERIFY(PickFromList(brand, QString::fromLatin1(name)));
        QCOMPARE(widget(logo)->cursor().shape(), Qt::WhatsThisCursor);
        QTest::mouseClick(widget(logo), Qt::LeftButton);
        QVERIFY2(about.isVisible(), logo);
        about.hide();
    }
}

QTEST_MAIN(EngineSettingsTest)
#include "engine_settings_test.moc"
