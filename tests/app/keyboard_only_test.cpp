// A whole job with the keyboard alone: language, settings, sixteen valves (one shim given by its
// thickness), recalculation, selection, saving, printing and the About window.
#include "window_driver.h"

#include <QApplication>
#include <QTest>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

void Press(QKeySequence keys)
{
    QTest::keySequence(Focused(), keys);
}

// Types the valve's shim: by number with the arrow keys, or for valve 1 the blank entry and then the
// thickness of its shim 122 in the field Tab leads to.
void EnterShim(int valve)
{
    const ValveNames& names = kValves[valve - 1];
    auto* box = qobject_cast<QComboBox*>(Focused());
    QVERIFY2(box != nullptr && box->objectName() == QLatin1String(names.shimBox), qPrintable(FocusedName()));
    if (valve != 1) {
        QVERIFY(StepTo(box, QString::fromLatin1(kFourCylinderHondaJob[valve - 1].shim)));
        return;
    }
    QVERIFY(StepTo(box, QStringLiteral("   ")));
    KELVANE_STEP(TabTo(names.thickness));
    KELVANE_STEP(TypeHere(names.thickness, QStringLiteral("1225")));
}

} // namespace

class KeyboardOnlyTest final : public QObject
{
    Q_OBJECT

private slots:
    void wholeJob();
};

void KeyboardOnlyTest::wholeJob()
{
    SavingPlace place;
    QVERIFY(place.ok());
    int printDialogs = 0;
    TForm3::setPrintDialogRunner([&printDialogs](QPrinter&, QWidget*) {
        ++printDialogs;
        return false;
    });
    ShownProgram program;
    QVERIFY(program.activateMain());
    QTRY_COMPARE(FocusedName(), QStringLiteral("MaskEdit1"));

    // The language by its key; the lists are made in the language in force.
    Press(QKeySequence(Qt::CTRL | Qt::Key_L));
    QCOMPARE(program.job.language(), Language::English);

    // Settings: the nominal clearances and tolerances typed, the rest passed with Tab.
    KELVANE_STEP(TypeHere("MaskEdit1", QStringLiteral("020")));
    for (const char* next : {"MaskEdit5", "MaskEdit2", "MaskEdit7", "RadioGroup1Item0", "CheckBox1",
                             "RadioGroup2Item2", "ComboBox17", "RadioGroup3Item0"}) {
        KELVANE_STEP(TabTo(next));
    }

    // The valves by cylinder: both exhaust clearances, their shims, then the intake half alike.
    for (int cylinder = 1; cylinder <= 4; ++cylinder) {
        for (const int first : {4 * cylinder - 3, 4 * cylinder - 1}) {
            for (const int valve : {first, first + 1}) {
                KELVANE_STEP(TabTo(kValves[valve - 1].clearance));
                KELVANE_STEP(TypeHere(kValves[valve - 1].clearance,
                                      QString::fromLatin1(kFourCylinderHondaJob[valve - 1].clearance)));
            }
            for (const int valve : {first, first + 1}) {
                KELVANE_STEP(TabTo(kValves[valve - 1].shimBox));
                KELVANE_STEP(EnterShim(valve));
            }
        }
    }

    // Enter recalculates; Tab leads to "Make shim selection", which Enter presses.
    PressEnter();
    QCOMPARE(program.mainControl<QLabel>("Label33")->text(), QStringLiteral("122"));
    KELVANE_STEP(TabTo("Button1"));
    KELVANE_STEP(TabTo("Button2"));
    PressEnter();
    QVERIFY(QTest::qWaitForWindowActive(&program.results));

    // In the results window: Tab to "Save results to file", Enter saves.
    for (int step = 0; step < 4 && Focused()->objectName() != QLatin1String("Button2"); ++step)
        PressTab();
    QCOMPARE(Focused()->window(), &program.results);
    QCOMPARE(FocusedName(), QStringLiteral("Button2"));
    PressEnter();
    KELVANE_STEP(CompareReport(place, Language::English, QStringLiteral("report_4cyl_eng.txt")));

    // Ctrl+P asks where to print; Esc closes the window.
    Press(QKeySequence::Print);
    QCOMPARE(printDialogs, 1);
    QTest::keyClick(Focused(), Qt::Key_Escape);
    QVERIFY(!program.results.isVisible());

    // Back in the main window (the window system gives it the keyboard again): F1 opens the About window,
    // Esc closes it, and Ctrl+L goes back to Russian.
    QVERIFY(program.activateMain());
    Press(QKeySequence(Qt::Key_F1));
    QVERIFY(QTest::qWaitForWindowActive(&program.about));
    QTest::keyClick(Focused(), Qt::Key_Escape);
    QVERIFY(!program.about.isVisible());
    QVERIFY(program.activateMain());
    Press(QKeySequence(Qt::CTRL | Qt::Key_L));
    QCOMPARE(program.job.language(), Language::Russian);
    TForm3::setPrintDialogRunner({});
}

QTEST_MAIN(KeyboardOnlyTest)
#include "keyboard_only_test.moc"
