// "Пересчитать": the recalculation run from the main window by click or Enter, its warnings and errors,
// the results it writes, and the selection and About windows it hands over to.
#include "kit/message_box.h"
#include "main/tform1.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <clocale>
#include <cstring>
#include <memory>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);

const QString kWarningPrefix =
    QStringLiteral("Ошибка ввода|Проверьте поля ввода номера или толщины шайбы, которая установлена. ");

} // namespace

class MainWindowRecalculateTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaultInputsGiveNoDeviationEverywhere();
    void workedExampleOfAChosenShim();
    void toleranceDecidesTheColour();
    void enterRecalculatesWithTheFieldAsTyped();
    void enterInAnyControlRecalculatesButAFocusedButtonTakesItself();
    void enterInAnOpenListPicksTheEntryOnly();
    void invalidTextShowsTheErrorAndChangesNothing();
    void lowThicknessWarningIsRussianAndTheValveStillCounts();
    void warningBoxIsAModalWarningAnsweredWithOk();
    void recalculationHidesTheResultsWindowAndSelectionShowsItOnce();
    void selectionReadsModeAndAllNewAtTheClick();
    void logoOpensTheAboutWindowWithoutBlockingTheMainWindow();
    void reportInputCarriesTheWindowsState();
    void pointIsTheSeparatorUnderACommaLocale();

private:
    QLineEdit* field(const char* name) const { return Control<QLineEdit>(*m_form, name); }
    QComboBox* box(const char* name) const { return Control<QComboBox>(*m_form, name); }
    QWidget* widget(const char* name) const { return Control(*m_form, name); }
    void clickRecalculate() { QTest::mouseClick(widget("Button1"), Qt::LeftButton); }
    QColor background(const char* label) const
    {
        const QWidget* w = widget(label);
        return w->autoFillBackground() ? w->palette().color(QPalette::Window) : QColor();
    }

    std::unique_ptr<kelvane::Job> m_job; // outlives the window
    std::unique_ptr<TForm1> m_form;
};

void MainWindowRecalculateTest::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
}

void MainWindowRecalculateTest::init()
{
    MessageBox::setTestMode(true);
    m_job = std::make_unique<kelvane::Job>();
    m_form = std::make_unique<TForm1>(*m_job);
    QVERIFY(ShowActive(*m_form));
}

void MainWindowRecalculateTest::cleanup()
{
    m_form.reset();
    MessageBox::setTestMode(true);
}

void MainWindowRecalculateTest::defaultInputsGiveNoDeviationEverywhere()
{
    clickRecalculate();
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
    for (const ValveNames& names : kValves) {
        QCOMPARE(Text(*m_form, names.installed), QStringLiteral("120"));
        QCOMPARE(Text(*m_form, names.deviation), QStringLiteral("0 мм"));
        QCOMPARE(background(names.deviation), kLime);
        QCOMPARE(Text(*m_form, names.required), QStringLiteral("120"));
        QCOMPARE(Text(*m_form, names.after), QStringLiteral("0"));
    }
    QVERIFY(widget("Button2")->isEnabled());
    QVERIFY(m_form->job().snapshot().has_value());
    for (const SnapshotValve& valve : m_form->job().snapshot()->valves) {
        QCOMPARE(valve.installedNumber, 120);
        QCOMPARE(valve.requiredNumber, 120);
        QVERIFY(valve.inTolerance);
    }
    QCOMPARE(static_cast<double>(m_form->job().snapshot()->nominalIntake), 0.15);

    // A second press gives the same labels.
    clickRecalculate();
    for (const ValveNames& names : kValves) {
        QCOMPARE(Text(*m_form, names.deviation), QStringLiteral("0 мм"));
        QCOMPARE(background(names.deviation), kLime);
    }
}

// Honda 7.48 mm, nominal 0.20, tolerance 3: shim 122 and 0.27 mm measured on valve 1.
void MainWindowRecalculateTest::workedExampleOfAChosenShim()
{
    QVERIFY(PickFromList(box("ComboBox1"), QStringLiteral("122")));
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.27"));
    clickRecalculate();
    QCOMPARE(Text(*m_form, "Label33"), QStringLiteral("122"));
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.07 мм"));
    QCOMPARE(background("Label20"), kRed);
    QCOMPARE(Text(*m_form, "Label39"), QStringLiteral("130"));
    QCOMPARE(Text(*m_form, "Label45"), QStringLiteral("-0.005"));
    // Valve 2 is untouched.
    QCOMPARE(Text(*m_form, "Label12"), QStringLiteral("0 мм"));
    QCOMPARE(background("Label12"), kLime);
}

void MainWindowRecalculateTest::toleranceDecidesTheColour()
{
    const struct
    {
        const char* field;
        const char* label;
        const char* typed;
        const char* deviation;
        bool lime;
    } cases[] = {
        {"MaskEdit3", "Label20", "0.22", "0.02 мм", true},
        {"MaskEdit4", "Label12", "0.18", "-0.02 мм", true},
        {"MaskEdit10", "Label71", "0.24", "0.04 мм", false},
        {"MaskEdit16", "Label69", "0.15", "-0.05 мм", false},
        {"MaskEdit21", "Label135", "0.23", "0.03 мм", false},
    };
    for (const auto& c : cases) {
        QVERIFY(ClickInto(field(c.field)));
        TypeOver(field(c.field), QString::fromLatin1(c.typed));
    }
    clickRecalculate();
    for (const auto& c : cases) {
        QCOMPARE(Text(*m_form, c.label), QString::fromUtf8(c.deviation));
        QCOMPARE(background(c.label), c.lime ? kLime : kRed);
    }

    // Tolerance 0 makes every valve red, even one right on nominal.
    for (const char* tolerance : {"MaskEdit5", "MaskEdit7"}) {
        QVERIFY(ClickInto(field(tolerance)));
        TypeOver(field(tolerance), QStringLiteral("0"));
    }
    PressEnter(); // still in MaskEdit7, so its exit rule has not turned the 0 into 1
    QCOMPARE(Text(*m_form, "MaskEdit7"), QStringLiteral("0"));
    QCOMPARE(Text(*m_form, "Label160"), QStringLiteral("0 мм"));
    QCOMPARE(background("Label160"), kRed);
}

// Enter does not move the focus, so the field is read as typed: 0.95 is not yet cut to 0.90, and a
// half-typed "0.3" counts as 0.3.
void MainWindowRecalculateTest::enterRecalculatesWithTheFieldAsTyped()
{
    QVERIFY(ClickInto(field("MaskEdit4")));
    TypeOver(field("MaskEdit4"), QStringLiteral("0.3"));
    QCOMPARE(field("MaskEdit4")->displayText(), QStringLiteral("0.3 "));
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.95"));
    PressEnter();
    QVERIFY(field("MaskEdit3")->hasFocus());
    QCOMPARE(field("MaskEdit3")->displayText(), QStringLiteral("0.95"));
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.75 мм"));
    QCOMPARE(background("Label20"), kRed);
    QCOMPARE(Text(*m_form, "Label39"), QStringLiteral("195"));
    QCOMPARE(Text(*m_form, "Label45"), QStringLiteral("0"));
    // MaskEdit4 was left by the click, so it had become "0.30".
    QCOMPARE(field("MaskEdit4")->displayText(), QStringLiteral("0.30"));
    QCOMPARE(Text(*m_form, "Label12"), QStringLiteral("0.1 мм"));
    QVERIFY(widget("Button2")->isEnabled());

    // The keypad's Enter does the same.
    TypeOver(field("MaskEdit3"), QStringLiteral("0.2"));
    QTest::keyClick(field("MaskEdit3"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0 мм"));
    QVERIFY(field("MaskEdit3")->hasFocus());
}

void MainWindowRecalculateTest::enterInAnyControlRecalculatesButAFocusedButtonTakesItself()
{
    QWidget results;
    m_form->setResultsWindow(&results);
    const char* controls[] = {"MaskEdit1",        "MaskEdit5",        "RadioGroup1Item0",
                              "CheckBox1",        "RadioGroup2Item2", "ComboBox17",
                              "RadioGroup3Item0", "ComboBox9",        "Button1"};
    int run = 0;
    for (const char* name : controls) {
        // Each recalculation is seen by a changed nominal clearance showing up in valve 1's deviation.
        ++run;
        QVERIFY(ClickInto(field("MaskEdit3")));
        TypeOver(field("MaskEdit3"), QStringLiteral("0.%1").arg(20 + run));
        if (QString::fromLatin1(name).startsWith(QLatin1String("ComboBox"))) {
            PressTab(); // leave the field; then reach the box without opening its list
            widget(name)->setFocus(Qt::TabFocusReason);
        } else if (qobject_cast<QPushButton*>(widget(name)) == nullptr) {
            QTest::mouseClick(widget(name), Qt::LeftButton);
            if (qobject_cast<QCheckBox*>(widget(name)) != nullptr) {
                QTest::mouseClick(widget(name), Qt::LeftButton); // back to unchecked
            }
        } else {
            widget(name)->setFocus(Qt::TabFocusReason);
        }
        QTRY_VERIFY2(widget(name)->hasFocus(), name);
        PressEnter();
        QVERIFY2(widget(name)->hasFocus(), name);
        QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.0%1 мм").arg(run));
    }

    // Enter on the focused, enabled Button2 makes the selection instead of recalculating.
    widget("Button2")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget("Button2")->hasFocus());
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.31"));
    widget("Button2")->setFocus(Qt::TabFocusReason);
    PressEnter();
    QVERIFY(results.isVisible());
    QVERIFY(!widget("Button2")->isEnabled());
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.0%1 мм").arg(run)); // not recalculated
}

void MainWindowRecalculateTest::enterInAnOpenListPicksTheEntryOnly()
{
    QVERIFY(PickFromList(box("ComboBox2"), QStringLiteral("125")));
    QCOMPARE(Text(*m_form, "Label34"), QStringLiteral("---"));
    QVERIFY(!widget("Button2")->isEnabled());
    // With the list closed, Enter recalculates.
    PressEnter();
    QCOMPARE(Text(*m_form, "Label34"), QStringLiteral("125"));
}

void MainWindowRecalculateTest::invalidTextShowsTheErrorAndChangesNothing()
{
    QWidget results;
    m_form->setResultsWindow(&results);
    clickRecalculate();
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QVERIFY(results.isVisible());
    QVERIFY(!widget("Button2")->isEnabled());
    const auto snapshotBefore = m_form->job().snapshot()->valves[1].measuredClearance;

    // A blank between digits: "0. 5".
    QVERIFY(ClickInto(field("MaskEdit4")));
    TypeOver(field("MaskEdit4"), QStringLiteral("0."));
    QTest::keyClick(field("MaskEdit4"), Qt::Key_Right);
    QTest::keyClicks(field("MaskEdit4"), QStringLiteral("5"));
    QCOMPARE(field("MaskEdit4")->displayText(), QStringLiteral("0. 5"));
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.33"));
    PressEnter(); // MaskEdit4 was normalised when it was left; MaskEdit3 is valid
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.13 мм"));
    QCOMPARE(Text(*m_form, "Label12"), QStringLiteral("-0.15 мм"));
    QVERIFY(!results.isVisible());
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QVERIFY(results.isVisible());

    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0."));
    QTest::keyClick(field("MaskEdit3"), Qt::Key_Right);
    QTest::keyClicks(field("MaskEdit3"), QStringLiteral("5"));
    PressEnter();
    QCOMPARE(MessageBox::takeRecorded(),
             QStringList{QStringLiteral("Kelvane|'0. 5' is not a valid floating point value")});
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.13 мм"));
    QVERIFY(!widget("Button2")->isEnabled());
    QVERIFY(results.isVisible());
    QVERIFY(m_form->job().snapshot()->valves[1].measuredClearance != snapshotBefore);
    QCOMPARE(static_cast<double>(m_form->job().snapshot()->valves[0].measuredClearance), 0.33);

    // An emptied tolerance digit is no integer.
    QVERIFY(ClickInto(field("MaskEdit7")));
    TypeOver(field("MaskEdit7"), QString());
    PressEnter();
    QCOMPARE(MessageBox::takeRecorded(),
             QStringList{QStringLiteral("Kelvane|' ' is not a valid integer value")});
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.13 мм"));
}

// A typed thickness below 1.2 mm, Enter pressed before the field was left (leaving it would lift it to
// 1.2): the warning is Russian in either language, and the valve is evaluated all the same.
void MainWindowRecalculateTest::lowThicknessWarningIsRussianAndTheValveStillCounts()
{
    QVERIFY(PickFromList(box("ComboBox1"), QStringLiteral("   ")));
    QVERIFY(ClickInto(field("MaskEdit8")));
    TypeOver(field("MaskEdit8"), QStringLiteral("1.15"));
    QTest::mouseClick(widget("Image6"), Qt::LeftButton);
    QCOMPARE(m_form->job().language(), Language::English);
    PressEnter();
    QCOMPARE(MessageBox::takeRecorded(), QStringList{kWarningPrefix + QStringLiteral("Ц.1 выпуск I")});
    QCOMPARE(Text(*m_form, "Label33"), QStringLiteral("115"));
    QCOMPARE(Text(*m_form, "Label39"), QStringLiteral("115"));
    QVERIFY(widget("Button2")->isEnabled());

    // Once the field is left it holds the range's lower end, and no warning comes.
    PressTab();
    QCOMPARE(field("MaskEdit8")->displayText(), QStringLiteral("1.2  "));
    PressEnter();
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
    QCOMPARE(Text(*m_form, "Label33"), QStringLiteral("120"));
}

// The real box, answered by pressing its OK button.
void MainWindowRecalculateTest::warningBoxIsAModalWarningAnsweredWithOk()
{
    QVERIFY(PickFromList(box("ComboBox13"), QStringLiteral("   ")));
    QVERIFY(ClickInto(field("MaskEdit30")));
    TypeOver(field("MaskEdit30"), QStringLiteral("0.900"));

    MessageBox::setTestMode(false);
    QStringList answered;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&answered, this] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (shown == nullptr) {
            return;
        }
        answered.append(shown->windowTitle() + QLatin1Char('|') + shown->text());
        QVERIFY(shown->icon() == QMessageBox::Warning);
        QVERIFY(shown->parentWidget() == m_form.get());
        QCOMPARE(shown->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QTest::mouseClick(shown->button(QMessageBox::Ok), Qt::LeftButton);
    });
    answer.start(20);
    PressEnter();
    answer.stop();
    MessageBox::setTestMode(true);
    QCOMPARE(answered, QStringList{kWarningPrefix + QStringLiteral("Ц.4 выпуск I")});
    QCOMPARE(Text(*m_form, "Label164"), QStringLiteral("90"));
    // The box took the keyboard away and gave it back; that is no exit from the field.
    m_form->activateWindow();
    QTRY_VERIFY(field("MaskEdit30")->hasFocus());
    QCOMPARE(field("MaskEdit30")->displayText(), QStringLiteral("0.900"));
}

void MainWindowRecalculateTest::recalculationHidesTheResultsWindowAndSelectionShowsItOnce()
{
    QWidget results;
    m_form->setResultsWindow(&results);
    QVERIFY(!widget("Button2")->isEnabled());
    clickRecalculate();
    QVERIFY(widget("Button2")->isEnabled());
    QVERIFY(!results.isVisible());

    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QVERIFY(results.isVisible());
    QVERIFY(!widget("Button2")->isEnabled());
    // A disabled button does nothing; editing inputs leaves the button as it is.
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QVERIFY(results.isVisible());
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.30"));
    PressTab();
    QVERIFY(!widget("Button2")->isEnabled());
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0 мм"));

    clickRecalculate();
    QVERIFY(!results.isVisible());
    QVERIFY(widget("Button2")->isEnabled());
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.1 мм"));
}

// Valve 1 at 0.22 mm is in tolerance and needs 122: only a full selection changes it, and with "all new"
// its removed shim is not offered to other valves.
void MainWindowRecalculateTest::selectionReadsModeAndAllNewAtTheClick()
{
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.22"));
    clickRecalculate();
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QCOMPARE(m_form->job().valvePlan().targetNumber[0], 120);
    QCOMPARE(m_form->job().valvePlan().removedNumber[0], 0);

    clickRecalculate();
    QTest::mouseClick(widget("RadioGroup1Item1"), Qt::LeftButton);
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QCOMPARE(m_form->job().valvePlan().targetNumber[0], 122);
    QCOMPARE(m_form->job().valvePlan().removedNumber[0], 120);
    QCOMPARE(m_form->job().valvePlan().removedAvailable[0], 1);

    clickRecalculate();
    QTest::mouseClick(widget("CheckBox1"), Qt::LeftButton);
    QVERIFY(Control<QCheckBox>(*m_form, "CheckBox1")->isChecked());
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QCOMPARE(m_form->job().valvePlan().targetNumber[0], 122);
    QCOMPARE(m_form->job().valvePlan().removedAvailable[0], 0);
}

void MainWindowRecalculateTest::logoOpensTheAboutWindowWithoutBlockingTheMainWindow()
{
    QWidget about;
    m_form->setAboutWindow(&about);
    QTest::mouseClick(widget("Image1"), Qt::LeftButton);
    QVERIFY(about.isVisible());
    QVERIFY(!about.isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QTest::mouseClick(widget("Image1"), Qt::LeftButton);
    QVERIFY(about.isVisible());
    // The main window keeps working.
    clickRecalculate();
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0 мм"));
}

void MainWindowRecalculateTest::reportInputCarriesTheWindowsState()
{
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.27"));
    QVERIFY(PickFromList(box("ComboBox1"), QStringLiteral("122")));
    clickRecalculate();
    QVERIFY(ClickInto(field("MaskEdit2")));
    TypeOver(field("MaskEdit2"), QStringLiteral("0.1")); // typed after the recalculation, not yet left
    QTest::mouseClick(widget("CheckBox1"), Qt::LeftButton);
    QTest::mouseClick(widget("RadioGroup2Item1"), Qt::LeftButton);
    QTest::mouseClick(widget("Image6"), Qt::LeftButton);

    const ReportInput input = m_form->job().reportInput(*m_form);
    QCOMPARE(input.language, Language::English);
    QCOMPARE(input.nominalExhaustText, std::string("0.20"));
    QCOMPARE(input.nominalIntakeText, std::string("0.10")); // left by the click on the check box
    QCOMPARE(input.exhaustToleranceText, std::string("3"));
    QCOMPARE(input.intakeToleranceText, std::string("3"));
    QCOMPARE(input.brand, std::optional<Brand>(Brand::Honda));
    QCOMPARE(input.diameter, ShimDiameter::D748);
    QCOMPARE(input.cylinders, CylinderCount::Two);
    QCOMPARE(input.selectionMode, SelectionMode::OutOfToleranceOnly);
    QVERIFY(input.allNew);
    QCOMPARE(input.valves[0].clearanceText, std::string("0.27"));
    QCOMPARE(input.valves[0].installedLabel, std::string("122"));
    QCOMPARE(input.valves[0].requiredLabel, std::string("130"));
    QCOMPARE(input.valves[0].deviationAfterLabel, std::string("-0.005"));
    QCOMPARE(static_cast<double>(input.valves[0].measuredClearance), 0.27);
    QCOMPARE(input.valves[15].clearanceText, std::string("0.15"));
    QCOMPARE(static_cast<double>(input.nominalExhaust), 0.2);
    QCOMPARE(static_cast<double>(input.nominalIntake), 0.15); // as the recalculation read it
    QCOMPARE(input.thicknessBrand, Brand::Honda);
}

// Numbers keep the point whatever the user's locale: Qt's default locale and, where the system has one,
// a C library numeric locale with a decimal comma.
void MainWindowRecalculateTest::pointIsTheSeparatorUnderACommaLocale()
{
    m_form.reset();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    bool commaLocale = false;
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "ru_RU.UTF-8", "ru_RU.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr &&
            std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            commaLocale = true;
            break;
        }
    }
    m_job = std::make_unique<kelvane::Job>();
    m_form = std::make_unique<TForm1>(*m_job);
    QVERIFY(ShowActive(*m_form));
    if (commaLocale) {
        QCOMPARE(std::localeconv()->decimal_point, ".");
    }
    QVERIFY(ClickInto(field("MaskEdit3")));
    TypeOver(field("MaskEdit3"), QStringLiteral("0.25"));
    QVERIFY(PickFromList(box("ComboBox2"), QStringLiteral("   ")));
    QVERIFY(ClickInto(field("MaskEdit6")));
    TypeOver(field("MaskEdit6"), QStringLiteral("1.340"));
    PressEnter();
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
    QCOMPARE(Text(*m_form, "Label20"), QStringLiteral("0.05 мм"));
    QCOMPARE(Text(*m_form, "Label39"), QStringLiteral("125"));
    QCOMPARE(Text(*m_form, "Label34"), QStringLiteral("135"));
    QCOMPARE(Text(*m_form, "Label40"), QStringLiteral("135"));
    QCOMPARE(Text(*m_form, "Label46"), QStringLiteral("-0.01"));
    QVERIFY(PickFromList(box("ComboBox5"), QStringLiteral("122")));
    QCOMPARE(Text(*m_form, "MaskEdit12"), QStringLiteral("1.225"));
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
}

QTEST_MAIN(MainWindowRecalculateTest)
#include "main_window_recalculate_test.moc"
