// Whole jobs in each language, by keyboard and mouse on the program's windows, down to the saved report.
#include "window_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace kelvane;
using namespace kelvane::testing;

class EndToEndTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void russianKawasakiFourCylinders();
    void englishYamahaFourCylinders();

private:
    QLineEdit* field(const char* name) const { return m_program->mainControl<QLineEdit>(name); }
    QComboBox* box(const char* name) const { return m_program->mainControl<QComboBox>(name); }

    std::unique_ptr<Program> m_program;
};

void EndToEndTest::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    MessageBox::setTestMode(true);
}

void EndToEndTest::init()
{
    m_program = std::make_unique<Program>();
    QVERIFY(ShowActive(m_program->main));
}

void EndToEndTest::cleanup()
{
    m_program.reset();
    MessageBox::takeRecorded();
}

// Kawasaki 9.48 mm: quarter steps only in the middle of the range, so the required shims round both
// ways; two typed thicknesses, one of them above the range; pairs of valves that swap shims, donors
// that serve a lower and a higher valve, removed shims that fit no one, a shim beyond the catalogue.
void EndToEndTest::russianKawasakiFourCylinders()
{
    SavingPlace place;
    QVERIFY(place.ok());
    const Program& p = *m_program;

    // A number picked in the Honda list that the Kawasaki lists also offer stays through both changes.
    KELVANE_STEP(Pick(p, "ComboBox16", QStringLiteral("255")));
    KELVANE_STEP(ChooseBrand(p, QStringLiteral("Kawasaki")));
    QCOMPARE(m_program->job.settings().catalogue, (CatalogueKey{Brand::Kawasaki, ShimDiameter::D748}));
    QCOMPARE(box("ComboBox1")->currentText(), QStringLiteral("250")); // 120 is gone: the list's first
    QCOMPARE(box("ComboBox16")->currentText(), QStringLiteral("255"));
    KELVANE_STEP(ChooseDiameter(p, 1));
    QCOMPARE(m_program->job.settings().catalogue, (CatalogueKey{Brand::Kawasaki, ShimDiameter::D948}));
    QCOMPARE(box("ComboBox1")->currentText(), QStringLiteral("250"));
    QCOMPARE(box("ComboBox16")->currentText(), QStringLiteral("255"));

    KELVANE_STEP(ClickAndType(p, "MaskEdit2", QStringLiteral("018")));
    KELVANE_STEP(TabTo("MaskEdit7"));
    QCOMPARE(field("MaskEdit2")->displayText(), QStringLiteral("0.18"));

    // Cylinder 1, along the Tab order: clearances I and II, numbers I and II, exhaust then intake.
    KELVANE_STEP(ClickAndType(p, "MaskEdit3", QStringLiteral("013")));
    KELVANE_STEP(TabTo("MaskEdit4"));
    KELVANE_STEP(TypeHere("MaskEdit4", QStringLiteral("028")));
    KELVANE_STEP(TabTo("ComboBox1"));
    KELVANE_STEP(Pick(p, "ComboBox1", QStringLiteral("258")));
    KELVANE_STEP(TabTo("ComboBox2")); // keeps 250
    KELVANE_STEP(TabTo("MaskEdit9"));
    KELVANE_STEP(TypeHere("MaskEdit9", QStringLiteral("018")));
    KELVANE_STEP(TabTo("MaskEdit14"));
    KELVANE_STEP(TypeHere("MaskEdit14", QStringLiteral("030")));
    KELVANE_STEP(TabTo("ComboBox3"));
    KELVANE_STEP(Step(p, "ComboBox3", QStringLiteral("242")));
    KELVANE_STEP(TabTo("ComboBox4"));
    KELVANE_STEP(Pick(p, "ComboBox4", QStringLiteral("300")));

    // Cylinder 2; valve 6's shim is measured: the blank entry, then its thickness typed.
    KELVANE_STEP(TabTo("MaskEdit10"));
    KELVANE_STEP(TypeHere("MaskEdit10", QStringLiteral("022")));
    KELVANE_STEP(TabTo("MaskEdit16"));
    KELVANE_STEP(TypeHere("MaskEdit16", QStringLiteral("031")));
    KELVANE_STEP(TabTo("ComboBox5"));
    KELVANE_STEP(Pick(p, "ComboBox5", QStringLiteral("240")));
    KELVANE_STEP(TabTo("ComboBox6"));
    KELVANE_STEP(Pick(p, "ComboBox6", QStringLiteral("   ")));
    QVERIFY(field("MaskEdit15")->isEnabled());
    KELVANE_STEP(ClickAndType(p, "MaskEdit15", QStringLiteral("243")));
    KELVANE_STEP(ClickAndType(p, "MaskEdit17", QStringLiteral("010")));
    QCOMPARE(field("MaskEdit15")->displayText(), QStringLiteral("2.430"));
    KELVANE_STEP(TabTo("MaskEdit20"));
    KELVANE_STEP(TypeHere("MaskEdit20", QStringLiteral("025")));
    KELVANE_STEP(TabTo("ComboBox7"));
    KELVANE_STEP(Pick(p, "ComboBox7", QStringLiteral("255")));
    KELVANE_STEP(TabTo("ComboBox8"));
    KELVANE_STEP(Step(p, "ComboBox8", QStringLiteral("248")));

    // Cylinder 3; valve 10's typed thickness lies above the range and is brought down to it.
    KELVANE_STEP(TabTo("MaskEdit21"));
    KELVANE_STEP(TypeHere("MaskEdit21", QStringLiteral("008")));
    KELVANE_STEP(TabTo("MaskEdit24"));
    KELVANE_STEP(TypeHere("MaskEdit24", QStringLiteral("014")));
    KELVANE_STEP(TabTo("ComboBox9"));
    KELVANE_STEP(Pick(p, "ComboBox9", QStringLiteral("210")));
    KELVANE_STEP(TabTo("ComboBox10"));
    KELVANE_STEP(Pick(p, "ComboBox10", QStringLiteral("   ")));
    KELVANE_STEP(ClickAndType(p, "MaskEdit23", QStringLiteral("3100")));
    KELVANE_STEP(ClickAndType(p, "MaskEdit25", QStringLiteral("026")));
    QCOMPARE(field("MaskEdit23")->displayText(), QStringLiteral("3.   "));
    KELVANE_STEP(TabTo("MaskEdit28"));
    KELVANE_STEP(TypeHere("MaskEdit28", QStringLiteral("021")));
    KELVANE_STEP(TabTo("ComboBox11"));
    KELVANE_STEP(Pick(p, "ComboBox11", QStringLiteral("230")));
    KELVANE_STEP(TabTo("ComboBox12"));
    KELVANE_STEP(Pick(p, "ComboBox12", QStringLiteral("252")));

    // Cylinder 4.
    KELVANE_STEP(TabTo("MaskEdit29"));
    KELVANE_STEP(TypeHere("MaskEdit29", QStringLiteral("027")));
    KELVANE_STEP(TabTo("MaskEdit32"));
    KELVANE_STEP(TypeHere("MaskEdit32", QStringLiteral("015")));
    KELVANE_STEP(TabTo("ComboBox13"));
    KELVANE_STEP(Pick(p, "ComboBox13", QStringLiteral("285")));
    KELVANE_STEP(TabTo("ComboBox14"));
    KELVANE_STEP(Pick(p, "ComboBox14", QStringLiteral("290")));
    KELVANE_STEP(TabTo("MaskEdit33"));
    KELVANE_STEP(TypeHere("MaskEdit33", QStringLiteral("013")));
    KELVANE_STEP(TabTo("MaskEdit36"));
    KELVANE_STEP(TypeHere("MaskEdit36", QStringLiteral("019")));
    KELVANE_STEP(TabTo("ComboBox15"));
    KELVANE_STEP(Pick(p, "ComboBox15", QStringLiteral("215")));
    KELVANE_STEP(TabTo("ComboBox16"));

    // Enter recalculates; every input was normalised on its way out already.
    PressEnter();
    QVERIFY(box("ComboBox16")->hasFocus());
    KELVANE_STEP(SelectAndSave(p));
    KELVANE_STEP(CompareReport(place, Language::Russian, QStringLiteral("end_to_end_kawasaki_4cyl_rus.txt")));
}

// Yamaha 25 mm after switching to English: installed shims on quarter steps but required ones on half
// steps with part numbers only for those; typed nominal and tolerances, full selection; a thickness
// below the range and a clearance above the limit brought into range, a clearance with an empty last
// position.
void EndToEndTest::englishYamahaFourCylinders()
{
    SavingPlace place;
    QVERIFY(place.ok());
    const Program& p = *m_program;

    QTest::mouseClick(p.mainControl("Image6"), Qt::LeftButton);
    QCOMPARE(m_program->job.language(), Language::English);
    KELVANE_STEP(ChooseBrand(p, QStringLiteral("Yamaha")));
    QCOMPARE(m_program->job.settings().catalogue, (CatalogueKey{Brand::Yamaha, ShimDiameter::D748}));
    KELVANE_STEP(ChooseDiameter(p, 2));
    QCOMPARE(m_program->job.settings().catalogue, (CatalogueKey{Brand::Yamaha, ShimDiameter::Third}));
    QCOMPARE(box("ComboBox16")->currentText(), QStringLiteral("200")); // 120 is gone: the list's first

    KELVANE_STEP(ClickAndType(p, "MaskEdit1", QStringLiteral("025")));
    KELVANE_STEP(TabTo("MaskEdit5"));
    KELVANE_STEP(TypeHere("MaskEdit5", QStringLiteral("4")));
    KELVANE_STEP(TabTo("MaskEdit2"));
    KELVANE_STEP(TabTo("MaskEdit7"));
    KELVANE_STEP(TypeHere("MaskEdit7", QStringLiteral("2")));
    KELVANE_STEP(ClickControl(p, "RadioGroup1Item1")); // full selection

    // Cylinder 1; valve 4's shim is measured.
    KELVANE_STEP(ClickAndType(p, "MaskEdit3", QStringLiteral("030")));
    KELVANE_STEP(TabTo("MaskEdit4"));
    KELVANE_STEP(TypeHere("MaskEdit4", QStringLiteral("027")));
    KELVANE_STEP(TabTo("ComboBox1"));
    KELVANE_STEP(Step(p, "ComboBox1", QStringLiteral("212")));
    KELVANE_STEP(TabTo("ComboBox2"));
    KELVANE_STEP(Pick(p, "ComboBox2", QStringLiteral("220")));
    KELVANE_STEP(TabTo("MaskEdit9"));
    KELVANE_STEP(TypeHere("MaskEdit9", QStringLiteral("008")));
    KELVANE_STEP(TabTo("MaskEdit14"));
    KELVANE_STEP(TypeHere("MaskEdit14", QStringLiteral("017")));
    KELVANE_STEP(TabTo("ComboBox3"));
    KELVANE_STEP(Pick(p, "ComboBox3", QStringLiteral("220")));
    KELVANE_STEP(TabTo("ComboBox4"));
    KELVANE_STEP(Pick(p, "ComboBox4", QStringLiteral("   ")));
    KELVANE_STEP(ClickAndType(p, "MaskEdit13", QStringLiteral("216")));

    // Cylinder 2; valve 8's clearance typed as 0.1, valve 7's thickness below the range.
    KELVANE_STEP(ClickAndType(p, "MaskEdit10", QStringLiteral("025")));
    QCOMPARE(field("MaskEdit13")->displayText(), QStringLiteral("2.160"));
    KELVANE_STEP(TabTo("MaskEdit16"));
    KELVANE_STEP(TypeHere("MaskEdit16", QStringLiteral("018")));
    KELVANE_STEP(TabTo("ComboBox5"));
    KELVANE_STEP(Pick(p, "ComboBox5", QStringLiteral("245")));
    KELVANE_STEP(TabTo("ComboBox6"));
    KELVANE_STEP(Pick(p, "ComboBox6", QStringLiteral("230")));
    KELVANE_STEP(TabTo("MaskEdit17"));
    KELVANE_STEP(TypeHere("MaskEdit17", QStringLiteral("022")));
    KELVANE_STEP(TabTo("MaskEdit20"));
    KELVANE_STEP(TypeHere("MaskEdit20", QStringLiteral("01")));
    KELVANE_STEP(TabTo("ComboBox7"));
    QCOMPARE(field("MaskEdit20")->displayText(), QStringLiteral("0.10"));
    KELVANE_STEP(Pick(p, "ComboBox7", QStringLiteral("   ")));
    KELVANE_STEP(TabTo("MaskEdit18")); // the blank entry asks for the thickness
    KELVANE_STEP(TabTo("ComboBox8"));
    KELVANE_STEP(Step(p, "ComboBox8", QStringLiteral("228")));
    KELVANE_STEP(ClickAndType(p, "MaskEdit18", QStringLiteral("1800")));

    // Cylinder 3, the numbers picked with the mouse.
    KELVANE_STEP(ClickAndType(p, "MaskEdit21", QStringLiteral("025")));
    QCOMPARE(field("MaskEdit18")->displayText(), QStringLiteral("2.   "));
    KELVANE_STEP(TabTo("MaskEdit24"));
    KELVANE_STEP(TypeHere("MaskEdit24", QStringLiteral("024")));
    KELVANE_STEP(ClickAndType(p, "MaskEdit25", QStringLiteral("015")));
    KELVANE_STEP(TabTo("MaskEdit28"));
    KELVANE_STEP(TypeHere("MaskEdit28", QStringLiteral("020")));
    KELVANE_STEP(ClickAndType(p, "MaskEdit29", QStringLiteral("035"))); // cylinder 4 before the numbers
    QVERIFY(box("ComboBox9")->isVisible());
    KELVANE_STEP(Pick(p, "ComboBox9", QStringLiteral("300")));
    KELVANE_STEP(Pick(p, "ComboBox10", QStringLiteral("298")));
    KELVANE_STEP(Pick(p, "ComboBox11", QStringLiteral("205")));
    KELVANE_STEP(Pick(p, "ComboBox12", QStringLiteral("225")));

    // Cylinder 4; valve 16's clearance is typed above the limit.
    KELVANE_STEP(ClickAndType(p, "MaskEdit32", QStringLiteral("029")));
    KELVANE_STEP(TabTo("ComboBox13"));
    KELVANE_STEP(Pick(p, "ComboBox13", QStringLiteral("320")));
    KELVANE_STEP(TabTo("ComboBox14"));
    KELVANE_STEP(Pick(p, "ComboBox14", QStringLiteral("250")));
    KELVANE_STEP(TabTo("MaskEdit33"));
    KELVANE_STEP(TypeHere("MaskEdit33", QStringLiteral("005")));
    KELVANE_STEP(TabTo("MaskEdit36"));
    KELVANE_STEP(TypeHere("MaskEdit36", QStringLiteral("099")));
    KELVANE_STEP(TabTo("ComboBox15"));
    QCOMPARE(field("MaskEdit36")->displayText(), QStringLiteral("0.90"));
    KELVANE_STEP(Pick(p, "ComboBox15", QStringLiteral("210")));
    QCOMPARE(box("ComboBox16")->currentText(), QStringLiteral("200"));

    KELVANE_STEP(ClickControl(p, "Button1"));
    KELVANE_STEP(SelectAndSave(p));
    KELVANE_STEP(CompareReport(place, Language::English, QStringLiteral("end_to_end_yamaha_4cyl_eng.txt")));
}

QTEST_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
