// The input fields cleaning themselves up when the focus leaves them, and the shim-number boxes keeping
// their thickness fields in step.
#include "kit/message_box.h"
#include "main/tform1.h"
#include "window_driver.h"

#include <QtTest>

#include <memory>

using namespace kelvane;
using namespace kelvane::testing;

class InputEditingTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nominalClearanceFallsBackToItsDefault_data();
    void nominalClearanceFallsBackToItsDefault();
    void toleranceDigitIsNeverEmptyOrZero_data();
    void toleranceDigitIsNeverEmptyOrZero();
    void measuredClearanceIsCutAtNinetyHundredths_data();
    void measuredClearanceIsCutAtNinetyHundredths();
    void everyClearanceFieldFollowsTheRule();
    void thicknessIsClampedToTheRangeInTwoSteps();
    void everyThicknessFieldFollowsTheRule();
    void pickingANumberShowsItsThicknessAndLocksTheField();
    void arrowKeysPickEntryByEntry();
    void typingIntoAShimBoxPicksTheNumberThatBeginsSo();
    void typedKeysCountTogetherUntilAPause();
    void tabFromAThicknessFieldGoesOnAsFromItsBox();
    void onlyAMoveToAnotherControlNormalises();

private:
    QLineEdit* field(const char* name) const { return Control<QLineEdit>(*m_form, name); }
    QComboBox* box(const char* name) const { return Control<QComboBox>(*m_form, name); }
    // Types into the field and leaves it by Tab, as a user does; the field's text afterwards.
    QString typeAndTab(QLineEdit* target, const QString& typed)
    {
        if (!ClickInto(target)) {
            return QStringLiteral("<no focus>");
        }
        TypeOver(target, typed);
        PressTab();
        return target->displayText();
    }

    // The text of every field and box of the window, by name.
    QMap<QString, QString> inputTexts() const
    {
        QMap<QString, QString> texts;
        for (const QLineEdit* edit : m_form->findChildren<QLineEdit*>()) {
            texts.insert(edit->objectName(), edit->displayText());
        }
        for (const QComboBox* list : m_form->findChildren<QComboBox*>()) {
            texts.insert(list->objectName(), list->currentText());
        }
        return texts;
    }

    std::unique_ptr<kelvane::Job> m_job; // outlives the window
    std::unique_ptr<TForm1> m_form;
};

void InputEditingTest::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    MessageBox::setTestMode(true);
}

void InputEditingTest::init()
{
    m_job = std::make_unique<kelvane::Job>();
    m_form = std::make_unique<TForm1>(*m_job);
    QVERIFY(ShowActive(*m_form));
}

void InputEditingTest::cleanup()
{
    m_form.reset();
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
}

void InputEditingTest::nominalClearanceFallsBackToItsDefault_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("exhaust above 0.6") << "MaskEdit1"
                                       << "0.70"
                                       << "0.20";
    QTest::newRow("exhaust 0.60 is the limit") << "MaskEdit1"
                                               << "0.60"
                                               << "0.60";
    QTest::newRow("exhaust zero") << "MaskEdit1"
                                  << "0.00"
                                  << "0.20";
    QTest::newRow("exhaust emptied") << "MaskEdit1"
                                     << ""
                                     << "0.20";
    QTest::newRow("exhaust 0.6 and a blank") << "MaskEdit1"
                                             << "0.6"
                                             << "0.60";
    QTest::newRow("exhaust 9.99") << "MaskEdit1"
                                  << "9.99"
                                  << "0.20";
    QTest::newRow("exhaust 0.01") << "MaskEdit1"
                                  << "0.01"
                                  << "0.01";
    QTest::newRow("intake zero") << "MaskEdit2"
                                 << "0.00"
                                 << "0.15";
    QTest::newRow("intake 0.65") << "MaskEdit2"
                                 << "0.65"
                                 << "0.15";
    QTest::newRow("intake 0.1 and a blank") << "MaskEdit2"
                                            << "0.1"
                                            << "0.10";
    QTest::newRow("intake emptied") << "MaskEdit2"
                                    << ""
                                    << "0.15";
}

void InputEditingTest::nominalClearanceFallsBackToItsDefault()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QCOMPARE(typeAndTab(field(qPrintable(name)), typed), result);
}

void InputEditingTest::toleranceDigitIsNeverEmptyOrZero_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("exhaust emptied") << "MaskEdit5"
                                     << ""
                                     << "3";
    QTest::newRow("exhaust zero") << "MaskEdit5"
                                  << "0"
                                  << "1";
    QTest::newRow("exhaust nine") << "MaskEdit5"
                                  << "9"
                                  << "9";
    QTest::newRow("intake emptied") << "MaskEdit7"
                                    << ""
                                    << "3";
    QTest::newRow("intake zero") << "MaskEdit7"
                                 << "0"
                                 << "1";
    QTest::newRow("intake five") << "MaskEdit7"
                                 << "5"
                                 << "5";
}

void InputEditingTest::toleranceDigitIsNeverEmptyOrZero()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QCOMPARE(typeAndTab(field(qPrintable(name)), typed), result);
}

void InputEditingTest::measuredClearanceIsCutAtNinetyHundredths_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("0.95") << "0.95"
                          << "0.90";
    QTest::newRow("9.99") << "9.99"
                          << "0.90";
    QTest::newRow("0.90 is the limit") << "0.90"
                                       << "0.90";
    QTest::newRow("zero stays") << "0.00"
                                << "0.00";
    QTest::newRow("0.1 and a blank") << "0.1"
                                     << "0.10";
    QTest::newRow("emptied") << ""
                             << "0.00";
    QTest::newRow("a blank between digits") << "0. 5"
                                            << "0.05";
}

void InputEditingTest::measuredClearanceIsCutAtNinetyHundredths()
{
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QCOMPARE(typeAndTab(field("MaskEdit9"), typed), result);
}

void InputEditingTest::everyClearanceFieldFollowsTheRule()
{
    for (const ValveNames& names : kValves) {
        QCOMPARE(typeAndTab(field(names.clearance), QStringLiteral("1.23")), QStringLiteral("0.90"));
    }
    for (const ValveNames& names : kValves) {
        QCOMPARE(typeAndTab(field(names.clearance), QStringLiteral("0.3")), QStringLiteral("0.30"));
    }
}

// Honda 7.48 mm: 1.2 to 2.9 mm. A bound is written in its shortest form and the blanks it leaves are
// filled at the field's next exit.
void InputEditingTest::thicknessIsClampedToTheRangeInTwoSteps()
{
    QVERIFY(PickFromList(box("ComboBox3"), QStringLiteral("   ")));
    QLineEdit* thickness = field("MaskEdit11");
    QVERIFY(thickness->isEnabled());
    QCOMPARE(typeAndTab(thickness, QStringLiteral("3.100")), QStringLiteral("2.9  "));
    QVERIFY(ClickInto(thickness));
    PressTab();
    QCOMPARE(thickness->displayText(), QStringLiteral("2.900"));

    QCOMPARE(typeAndTab(thickness, QStringLiteral("0.500")), QStringLiteral("1.2  "));
    QVERIFY(ClickInto(thickness));
    QVERIFY(ClickInto(field("MaskEdit1"))); // left by the mouse this time
    QCOMPARE(thickness->displayText(), QStringLiteral("1.200"));

    QCOMPARE(typeAndTab(thickness, QStringLiteral("1.25")), QStringLiteral("1.250"));
    QCOMPARE(typeAndTab(thickness, QStringLiteral("2.9")), QStringLiteral("2.900"));
    QCOMPARE(typeAndTab(thickness, QStringLiteral("1.2")), QStringLiteral("1.200"));
    QCOMPARE(typeAndTab(thickness, QStringLiteral("2.901")), QStringLiteral("2.9  "));
    QCOMPARE(typeAndTab(thickness, QStringLiteral("1.199")), QStringLiteral("1.2  "));
    QCOMPARE(typeAndTab(thickness, QString()), QStringLiteral("1.2  "));
    QCOMPARE(typeAndTab(thickness, QStringLiteral("1.7")), QStringLiteral("1.700"));
}

void InputEditingTest::everyThicknessFieldFollowsTheRule()
{
    for (const ValveNames& names : kValves) {
        QVERIFY(PickFromList(box(names.shimBox), QStringLiteral("   ")));
        QVERIFY2(field(names.thickness)->isEnabled(), names.thickness);
        QCOMPARE(typeAndTab(field(names.thickness), QStringLiteral("5.5")), QStringLiteral("2.9  "));
    }
}

void InputEditingTest::pickingANumberShowsItsThicknessAndLocksTheField()
{
    QComboBox* number = box("ComboBox1");
    QLineEdit* thickness = field("MaskEdit8");
    QVERIFY(PickFromList(number, QStringLiteral("122")));
    QVERIFY(!thickness->isEnabled());
    QCOMPARE(thickness->displayText(), QStringLiteral("1.225"));

    QVERIFY(PickFromList(number, QStringLiteral("   ")));
    QVERIFY(thickness->isEnabled());
    QCOMPARE(thickness->displayText(), QStringLiteral("1.225"));

    QVERIFY(PickFromList(number, QStringLiteral("120")));
    QVERIFY(!thickness->isEnabled());
    QCOMPARE(thickness->displayText(), QStringLiteral("1.2  "));

    QVERIFY(PickFromList(number, QStringLiteral("288")));
    QCOMPARE(thickness->displayText(), QStringLiteral("2.875"));
    QVERIFY(PickFromList(number, QStringLiteral("145")));
    QCOMPARE(thickness->displayText(), QStringLiteral("1.45 "));

    // The box's own exit keeps a listed number.
    PressTab();
    QCOMPARE(number->currentText(), QStringLiteral("145"));
    QVERIFY(!thickness->isEnabled());
}

void InputEditingTest::arrowKeysPickEntryByEntry()
{
    QVERIFY(ClickInto(field("MaskEdit14")));
    PressTab(); // ComboBox3
    PressTab(); // ComboBox4
    QComboBox* number = box("ComboBox4");
    QTRY_VERIFY(number->hasFocus());
    QTest::keyClick(number, Qt::Key_Down);
    QCOMPARE(number->currentText(), QStringLiteral("122"));
    QCOMPARE(field("MaskEdit13")->displayText(), QStringLiteral("1.225"));
    QTest::keyClick(number, Qt::Key_Down);
    QCOMPARE(field("MaskEdit13")->displayText(), QStringLiteral("1.25 "));
    QVERIFY(StepTo(number, QStringLiteral("   ")));
    QVERIFY(field("MaskEdit13")->isEnabled());
    QCOMPARE(field("MaskEdit13")->displayText(), QStringLiteral("1.2  "));
    // The blank entry is the top of the list.
    QTest::keyClick(number, Qt::Key_Up);
    QCOMPARE(number->currentIndex(), 0);
}

// The boxes are pick-only: typed digits pick the number that begins with them, as a pick from the list
// does, and never stand in the box as text of their own.
void InputEditingTest::typingIntoAShimBoxPicksTheNumberThatBeginsSo()
{
    const TypingPace pace;
    QComboBox* number = box("ComboBox1");
    QLineEdit* thickness = field("MaskEdit8");
    QVERIFY(PickFromList(number, QStringLiteral("   ")));
    QVERIFY(thickness->isEnabled());
    QTest::keyClicks(number, QStringLiteral("265"));
    QCOMPARE(number->currentText(), QStringLiteral("265"));
    QVERIFY(!thickness->isEnabled());
    QCOMPARE(thickness->displayText(), QStringLiteral("2.65 "));
    // Keys that no entry begins with leave the box and its field as they were.
    for (const QChar key : QStringLiteral("5x9-.")) {
        QTest::keyClicks(number, QString(key));
        QCOMPARE(number->currentText(), QStringLiteral("265"));
        QCOMPARE(number->currentIndex(), number->findText(QStringLiteral("265")));
    }
    QCOMPARE(thickness->displayText(), QStringLiteral("2.65 "));
    QVERIFY(!number->isEditable());
    PressTab();
    QCOMPARE(number->currentText(), QStringLiteral("265"));

    // From the blank entry, "1" is the first number beginning with 1.
    QVERIFY(PickFromList(box("ComboBox2"), QStringLiteral("   ")));
    QTest::keyClicks(box("ComboBox2"), QStringLiteral("1"));
    QCOMPARE(box("ComboBox2")->currentText(), QStringLiteral("120"));
    QVERIFY(!field("MaskEdit6")->isEnabled());
    QCOMPARE(field("MaskEdit6")->displayText(), QStringLiteral("1.2  "));
    // No number begins with what was typed ("10", or "0" alone): the blank entry stays, its field open.
    QVERIFY(PickFromList(box("ComboBox2"), QStringLiteral("   ")));
    QTest::keyClicks(box("ComboBox2"), QStringLiteral("0"));
    QCOMPARE(box("ComboBox2")->currentIndex(), 0);
    QVERIFY(field("MaskEdit6")->isEnabled());

    // Space opens the list, where the arrow keys and Enter pick.
    QVERIFY(PickFromList(number, QStringLiteral("128")));
    QTest::keyClick(number, Qt::Key_Space);
    QTRY_VERIFY(number->view()->isVisible());
    QTest::keyClick(number->view(), Qt::Key_Escape);
    QTRY_VERIFY(!number->view()->isVisible());
    QCOMPARE(number->currentText(), QStringLiteral("128"));
    QVERIFY(!thickness->isEnabled());
    QCOMPARE(thickness->displayText(), QStringLiteral("1.275"));
}

// Keys typed in quick succession make one beginning; after a pause the next key begins anew. Another
// box begins anew as well.
void InputEditingTest::typedKeysCountTogetherUntilAPause()
{
    const TypingPace pace;
    QComboBox* number = box("ComboBox3");
    QVERIFY(ClickInto(field("MaskEdit14")));
    PressTab();
    QTRY_VERIFY(number->hasFocus());
    QTest::keyClicks(number, QStringLiteral("14"));
    QCOMPARE(number->currentText(), QStringLiteral("140"));
    TypingPace::typeAfterPause(number, QStringLiteral("2"));
    QCOMPARE(number->currentText(), QStringLiteral("200")); // not "142"
    QCOMPARE(field("MaskEdit11")->displayText(), QStringLiteral("2.   "));
    QTest::keyClicks(number, QStringLiteral("8"));
    QCOMPARE(number->currentText(), QStringLiteral("280"));
    PressTab(); // ComboBox4
    QTRY_VERIFY(box("ComboBox4")->hasFocus());
    QTest::keyClicks(box("ComboBox4"), QStringLiteral("2"));
    QCOMPARE(box("ComboBox4")->currentText(), QStringLiteral("200"));
    QCOMPARE(number->currentText(), QStringLiteral("280"));
}

// A thickness field is no Tab stop, but Tab from it goes on as Tab from its box does and Shift+Tab goes
// back to the box, with the field's exit rule run either way and no other input touched. Every valve.
void InputEditingTest::tabFromAThicknessFieldGoesOnAsFromItsBox()
{
    // The Tab stops of the cylinder groups in order, then the recalculate button.
    QStringList order;
    for (int first = 0; first < 16; first += 2) {
        order << kValves[first].clearance << kValves[first + 1].clearance << kValves[first].shimBox
              << kValves[first + 1].shimBox;
    }
    order << QStringLiteral("Button1");
    for (const ValveNames& names : kValves) {
        const QString shimBox = QString::fromLatin1(names.shimBox);
        QVERIFY(PickFromList(box(names.shimBox), QStringLiteral("   ")));
        QLineEdit* thickness = field(names.thickness);
        QVERIFY(ClickInto(thickness));
        TypeOver(thickness, QStringLiteral("5.5"));
        QMap<QString, QString> others = inputTexts();
        PressTab();
        QCOMPARE(FocusedName(), order.value(order.indexOf(shimBox) + 1));
        QCOMPARE(thickness->displayText(), QStringLiteral("2.9  "));
        others.insert(QString::fromLatin1(names.thickness), thickness->displayText());
        QCOMPARE(inputTexts(), others);

        QVERIFY(ClickInto(thickness));
        TypeOver(thickness, QStringLiteral("0.5"));
        others = inputTexts();
        PressBacktab();
        QCOMPARE(FocusedName(), shimBox);
        QCOMPARE(thickness->displayText(), QStringLiteral("1.2  "));
        others.insert(QString::fromLatin1(names.thickness), thickness->displayText());
        QCOMPARE(inputTexts(), others);
        QCOMPARE(box(names.shimBox)->currentIndex(), 0);
        QVERIFY(thickness->isEnabled());
    }
}

// Clicks on labels, logos or flags, Enter, and a box's own list leave the field as typed.
void InputEditingTest::onlyAMoveToAnotherControlNormalises()
{
    QLineEdit* nominal = field("MaskEdit1");
    QVERIFY(ClickInto(nominal));
    TypeOver(nominal, QStringLiteral("0.7"));
    QTest::mouseClick(Control(*m_form, "Label20"), Qt::LeftButton);
    QTest::mouseClick(Control(*m_form, "Image6"), Qt::LeftButton);
    QTest::mouseClick(Control(*m_form, "Image5"), Qt::LeftButton);
    QTest::mouseClick(Control(*m_form, "GroupBox2"), Qt::LeftButton, Qt::NoModifier, QPoint(200, 290));
    QVERIFY(nominal->hasFocus());
    QCOMPARE(nominal->displayText(), QStringLiteral("0.7 "));
    QVERIFY(ClickInto(field("MaskEdit2")));
    QCOMPARE(nominal->displayText(), QStringLiteral("0.20"));

    // A shim box keeps its number while its own list is open and shut again.
    QVERIFY(PickFromList(box("ComboBox5"), QStringLiteral("130")));
    QVERIFY(PickFromList(box("ComboBox5"), QStringLiteral("130")));
    QCOMPARE(box("ComboBox5")->currentText(), QStringLiteral("130"));
    QCOMPARE(field("MaskEdit12")->displayText(), QStringLiteral("1.3  "));
}

QTEST_MAIN(InputEditingTest)
#include "input_editing_test.moc"
