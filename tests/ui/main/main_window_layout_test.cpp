// The main window as it comes up: its controls, their places and contents, hints, fonts, Tab order, and
// the program ending with it.
#include "kit/message_box.h"
#include "kit/window_font.h"
#include "main/tform1.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kelvane;
using namespace kelvane::testing;

class MainWindowLayoutTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowIsFixedCentredAndTitled();
    void everyControlExistsUnderItsName();
    void settingsControlsSitWhereTheLayoutPutsThem();
    void valveControlsSitInTheirCylinderColumns();
    void freshWindowShowsTheDefaults();
    void shimBoxesOfferTheBlankEntryThenTheHondaNumbers();
    void fieldsKeepTheirFormat();
    void hintsOnExactlyTheListedControls();
    void captionsAreBoldEightPointAndNotClipped();
    void windowFontsNameOnlyInstalledFacesWantedFirst();
    void tabVisitsTheControlsInOrder();
    void tabReachesAThicknessFieldFromItsBlankBoxOnly();
    void tabStopsAtTheSelectedRadioItemOnly();
    void closingTheMainWindowEndsTheProgramWithOthersOpen();

private:
    std::unique_ptr<kelvane::Job> m_job; // outlives the window
    std::unique_ptr<TForm1> m_form;
};

void MainWindowLayoutTest::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    MessageBox::setTestMode(true);
}

void MainWindowLayoutTest::init()
{
    m_job = std::make_unique<kelvane::Job>();
    m_form = std::make_unique<TForm1>(*m_job);
    QVERIFY(ShowActive(*m_form));
}

void MainWindowLayoutTest::cleanup()
{
    m_form.reset();
    QCOMPARE(MessageBox::takeRecorded(), QStringList());
}

void MainWindowLayoutTest::windowIsFixedCentredAndTitled()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Kelvane v1.3"));
    QCOMPARE(m_form->size(), QSize(887, 705));
    QCOMPARE(m_form->minimumSize(), QSize(887, 705));
    QCOMPARE(m_form->maximumSize(), QSize(887, 705));
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QRect desktop = m_form->screen()->availableGeometry();
    QVERIFY(qAbs(m_form->frameGeometry().center().x() - desktop.center().x()) <= 3);
    QVERIFY(qAbs(m_form->frameGeometry().center().y() - desktop.center().y()) <= 3);
    QCOMPARE(m_form->palette().color(QPalette::Window), m_form->palette().color(QPalette::Button));
}

void MainWindowLayoutTest::everyControlExistsUnderItsName()
{
    const auto expect = [this](const QString& name, const char* kind) {
        QWidget* control = Control(*m_form, name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QVERIFY2(control->inherits(kind), qPrintable(name + " is not a " + kind));
    };
    for (int i = 1; i <= 36; ++i) {
        expect(QStringLiteral("MaskEdit%1").arg(i), "QLineEdit");
    }
    for (int i = 1; i <= 17; ++i) {
        expect(QStringLiteral("ComboBox%1").arg(i), "QComboBox");
    }
    for (int i = 1; i <= 181; ++i) {
        expect(QStringLiteral("Label%1").arg(i), "QLabel");
    }
    for (int i = 1; i <= 9; ++i) {
        expect(QStringLiteral("GroupBox%1").arg(i), "QGroupBox");
    }
    for (int i = 1; i <= 3; ++i) {
        expect(QStringLiteral("RadioGroup%1").arg(i), "QGroupBox");
    }
    for (int i = 1; i <= 6; ++i) {
        expect(QStringLiteral("Image%1").arg(i), "QLabel");
    }
    expect(QStringLiteral("CheckBox1"), "QCheckBox");
    expect(QStringLiteral("Button1"), "QPushButton");
    expect(QStringLiteral("Button2"), "QPushButton");
}

void MainWindowLayoutTest::settingsControlsSitWhereTheLayoutPutsThem()
{
    struct Place
    {
        const char* name;
        int x, y, width, height; // 0: not fixed by the layout
    };
    const Place places[] = {
        {"GroupBox1", 9, 8, 870, 81},      {"MaskEdit1", 97, 18, 0, 0},
        {"MaskEdit5", 165, 18, 16, 0},     {"MaskEdit2", 97, 42, 0, 0},
        {"MaskEdit7", 165, 42, 16, 0},     {"RadioGroup1", 191, 9, 153, 66},
        {"CheckBox1", 347, 13, 0, 0},      {"RadioGroup2", 347, 34, 115, 41},
        {"Label181", 474, 12, 0, 0},       {"ComboBox17", 518, 9, 132, 0},
        {"RadioGroup3", 465, 34, 184, 41}, {"Image1", 653, 6, 217, 40},
        {"Image2", 653, 6, 217, 49},       {"Image3", 653, 6, 114, 75},
        {"Image4", 653, 6, 122, 74},       {"Image5", 835, 60, 34, 19},
        {"Image6", 835, 60, 35, 20},       {"GroupBox2", 8, 88, 213, 297},
        {"GroupBox3", 227, 88, 213, 297},  {"GroupBox5", 446, 88, 213, 297},
        {"GroupBox4", 665, 88, 213, 297},  {"GroupBox6", 8, 385, 213, 289},
        {"GroupBox7", 227, 385, 213, 289}, {"GroupBox8", 446, 385, 213, 289},
        {"GroupBox9", 665, 385, 214, 289}, {"Button1", 390, 680, 89, 21},
        {"Button2", 489, 680, 129, 21},
    };
    for (const Place& place : places) {
        const QWidget* control = Control(*m_form, place.name);
        QVERIFY2(control != nullptr, place.name);
        QCOMPARE(control->pos(), QPoint(place.x, place.y));
        if (place.width != 0) {
            QCOMPARE(control->width(), place.width);
        }
        if (place.height != 0) {
            QCOMPARE(control->height(), place.height);
        }
    }
    // The strip's inputs and the images are in the strip; the logos and flags share their places.
    for (const char* name : {"MaskEdit1", "MaskEdit5", "MaskEdit2", "MaskEdit7", "RadioGroup1", "CheckBox1",
                             "RadioGroup2", "Label181", "ComboBox17", "RadioGroup3", "Image1", "Image6"}) {
        QCOMPARE(Control(*m_form, name)->parentWidget()->objectName(), QStringLiteral("GroupBox1"));
    }
    // "±0.0" stands between each clearance field and its tolerance digit.
    for (const auto& [prefix, field] :
         {std::pair{"Label47", "MaskEdit1"}, std::pair{"Label48", "MaskEdit2"}}) {
        const QWidget* label = Control(*m_form, prefix);
        QCOMPARE(Text(*m_form, prefix), QStringLiteral("±0.0"));
        QVERIFY(label->x() >= Control(*m_form, field)->geometry().right());
        QVERIFY(label->geometry().right() < 165);
    }
}

void MainWindowLayoutTest::valveControlsSitInTheirCylinderColumns()
{
    const char* inputGroups[] = {"GroupBox2", "GroupBox3", "GroupBox5", "GroupBox4"};
    const char* resultGroups[] = {"GroupBox6", "GroupBox7", "GroupBox8", "GroupBox9"};
    for (int v = 0; v < 16; ++v) {
        const ValveNames& names = kValves[v];
        const bool exhaust = IsExhaust(v);
        const QWidget* clearance = Control(*m_form, names.clearance);
        const QWidget* box = Control(*m_form, names.shimBox);
        const QWidget* thickness = Control(*m_form, names.thickness);
        for (const QWidget* input : {clearance, box, thickness}) {
            QCOMPARE(input->parentWidget()->objectName(), QString::fromLatin1(inputGroups[v / 4]));
        }
        QCOMPARE(clearance->y(), exhaust ? 47 : 188);
        QCOMPARE(box->y(), exhaust ? 86 : 228);
        QCOMPARE(thickness->y(), exhaust ? 126 : 267);
        QCOMPARE(clearance->width(), 34);
        QCOMPARE(box->width(), 49);
        QCOMPARE(thickness->width(), 39);
        // Valve I on the left, valve II on the right, near x 24 and 119.
        const int columnX = v % 2 == 0 ? 24 : 119;
        for (const QWidget* input : {clearance, box, thickness}) {
            QVERIFY2(qAbs(input->x() - columnX) <= 8, names.clearance);
        }

        const int valueX = v % 2 == 0 ? 32 : 120;
        const int rows[4] = {exhaust ? 34 : 170, exhaust ? 65 : 206, exhaust ? 94 : 238, exhaust ? 122 : 266};
        const char* labels[4] = {names.deviation, names.installed, names.required, names.after};
        for (int row = 0; row < 4; ++row) {
            const QWidget* label = Control(*m_form, labels[row]);
            QCOMPARE(label->parentWidget()->objectName(), QString::fromLatin1(resultGroups[v / 4]));
            QCOMPARE(label->pos(), QPoint(valueX, rows[row]));
        }
    }
}

void MainWindowLayoutTest::freshWindowShowsTheDefaults()
{
    for (const char* group : {"GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6", "GroupBox7",
                              "GroupBox8", "GroupBox9"}) {
        QVERIFY2(Control(*m_form, group)->isVisible(), group);
        QVERIFY2(Control(*m_form, group)->isEnabled(), group);
    }
    for (int v = 0; v < 16; ++v) {
        const ValveNames& names = kValves[v];
        QCOMPARE(Text(*m_form, names.shimBox), QStringLiteral("120"));
        QCOMPARE(Control<QComboBox>(*m_form, names.shimBox)->currentIndex(), 1);
        QCOMPARE(Text(*m_form, names.thickness), QStringLiteral("1.200"));
        QVERIFY(!Control(*m_form, names.thickness)->isEnabled());
        QCOMPARE(Text(*m_form, names.clearance),
                 IsExhaust(v) ? QStringLiteral("0.20") : QStringLiteral("0.15"));
        QCOMPARE(Text(*m_form, names.deviation), QStringLiteral("-.--"));
        QCOMPARE(Text(*m_form, names.installed), QStringLiteral("---"));
        QCOMPARE(Text(*m_form, names.required), QStringLiteral("---"));
        QCOMPARE(Text(*m_form, names.after), QStringLiteral("-.--"));
        QVERIFY(!Control(*m_form, names.deviation)->autoFillBackground());
    }
    QCOMPARE(Text(*m_form, "MaskEdit1"), QStringLiteral("0.20"));
    QCOMPARE(Text(*m_form, "MaskEdit2"), QStringLiteral("0.15"));
    QCOMPARE(Text(*m_form, "MaskEdit5"), QStringLiteral("3"));
    QCOMPARE(Text(*m_form, "MaskEdit7"), QStringLiteral("3"));
    QVERIFY(Control(*m_form, "Image1")->isVisible());
    for (const char* hidden : {"Image2", "Image3", "Image4", "Image5"}) {
        QVERIFY2(!Control(*m_form, hidden)->isVisible(), hidden);
    }
    QVERIFY(Control(*m_form, "Image6")->isVisible());
    QVERIFY(!Control<QLabel>(*m_form, "Image1")->pixmap().isNull());
    QVERIFY(!Control<QLabel>(*m_form, "Image6")->pixmap().isNull());
    QCOMPARE(Control(*m_form, "Image1")->cursor().shape(), Qt::WhatsThisCursor);
    QCOMPARE(Control(*m_form, "Image6")->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(Control(*m_form, "Button1")->isEnabled());
    QVERIFY(!Control(*m_form, "Button2")->isEnabled());
    QCOMPARE(Control<QComboBox>(*m_form, "ComboBox17")->currentText(), QStringLiteral("Honda"));
    QCOMPARE(Control<QComboBox>(*m_form, "ComboBox17")->count(), 4);
    QVERIFY(!Control<QCheckBox>(*m_form, "CheckBox1")->isChecked());
    const auto radioTexts = [this](const char* group) {
        QStringList texts;
        for (const QRadioButton* item : Control(*m_form, group)->findChildren<QRadioButton*>()) {
            texts.append(item->text() + (item->isChecked() ? QStringLiteral("*") : QString()));
        }
        return texts;
    };
    QCOMPARE(radioTexts("RadioGroup2"), (QStringList{"1", "2", "4*"}));
    QCOMPARE(radioTexts("RadioGroup3"), (QStringList{"7.48 *", "9.48 ", "25"}));
    QCOMPARE(radioTexts("RadioGroup1"), (QStringList{"Только вне допуска*", "Полный подбор"}));
    QVERIFY(!m_form->job().snapshot().has_value());
    QCOMPARE(m_form->job().language(), Language::Russian);
    QCOMPARE(m_form->job().settings().catalogue, (CatalogueKey{Brand::Honda, ShimDiameter::D748}));
    QCOMPARE(static_cast<int>(m_form->job().settings().cylinders), 2);
}

void MainWindowLayoutTest::shimBoxesOfferTheBlankEntryThenTheHondaNumbers()
{
    QStringList expected{QStringLiteral("   ")};
    for (int tenths = 12; tenths < 29; ++tenths) {
        for (const int quarter : {0, 2, 5, 8}) {
            expected.append(QString::number(tenths * 10 + quarter));
        }
    }
    expected.append(QStringLiteral("290"));
    QCOMPARE(expected.size(), 70);
    for (const ValveNames& names : kValves) {
        const auto* box = Control<QComboBox>(*m_form, names.shimBox);
        QVERIFY(!box->isEditable());
        QStringList entries;
        for (int i = 0; i < box->count(); ++i) {
            entries.append(box->itemText(i));
        }
        QCOMPARE(entries, expected);
    }
}

// Blanks show as spaces and stay in the text the rules read; the point is always there.
void MainWindowLayoutTest::fieldsKeepTheirFormat()
{
    auto* clearance = Control<QLineEdit>(*m_form, "MaskEdit3");
    QVERIFY(ClickInto(clearance));
    TypeOver(clearance, QString());
    QCOMPARE(clearance->displayText(), QStringLiteral(" .  "));
    QTest::keyClicks(clearance, QStringLiteral("0.6"));
    QCOMPARE(clearance->displayText(), QStringLiteral("0.6 "));
    TypeOver(clearance, QStringLiteral("a7x"));
    QCOMPARE(clearance->displayText(), QStringLiteral("7.  "));

    auto* tolerance = Control<QLineEdit>(*m_form, "MaskEdit5");
    QVERIFY(ClickInto(tolerance));
    TypeOver(tolerance, QString());
    QCOMPARE(tolerance->displayText(), QStringLiteral(" "));
    QTest::keyClicks(tolerance, QStringLiteral("45"));
    QCOMPARE(tolerance->displayText(), QStringLiteral("4"));

    // A thickness field takes typing once its box shows the blank entry.
    auto* box = Control<QComboBox>(*m_form, "ComboBox1");
    QVERIFY(PickFromList(box, QStringLiteral("   ")));
    auto* thickness = Control<QLineEdit>(*m_form, "MaskEdit8");
    QVERIFY(thickness->isEnabled());
    QVERIFY(ClickInto(thickness));
    TypeOver(thickness, QStringLiteral("1.25"));
    QCOMPARE(thickness->displayText(), QStringLiteral("1.25 "));
}

void MainWindowLayoutTest::hintsOnExactlyTheListedControls()
{
    QSet<QString> expected{"MaskEdit1",   "MaskEdit2", "RadioGroup1", "CheckBox1",
                           "RadioGroup3", "Button1",   "Button2"};
    for (const ValveNames& names : kValves) {
        expected << names.clearance << names.thickness << names.shimBox;
    }
    // Result captions: deviation, number to install, deviation after; not the installed-number ones.
    for (const char* caption :
         {"Label11", "Label27", "Label70", "Label73", "Label134", "Label137", "Label158", "Label161",
          "Label38", "Label41", "Label81", "Label84", "Label145", "Label148", "Label169", "Label172",
          "Label44", "Label50", "Label87", "Label90", "Label151", "Label154", "Label175", "Label178"}) {
        expected << caption;
    }
    // The logos and flags, whose hints name their keys (F1, Ctrl+L).
    expected << "Image1"
             << "Image2"
             << "Image3"
             << "Image4"
             << "Image5"
             << "Image6";
    QCOMPARE(expected.size(), 85);
    QSet<QString> hinted;
    for (const QWidget* widget : m_form->findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty()) {
            hinted << widget->objectName();
        }
    }
    QCOMPARE(hinted, expected);
    QCOMPARE(
        Control(*m_form, "MaskEdit8")->toolTip(),
        QStringLiteral("Введите сюда измеренную толщину шайбы если не знаете (или не видно какой) номер"));
    QCOMPARE(Control(*m_form, "Label27")->toolTip(),
             QStringLiteral("Расчитанное отклонение зазора впускного клапана от нормального"));
}

// Every caption fits inside the control that shows it, in both languages.
void MainWindowLayoutTest::captionsAreBoldEightPointAndNotClipped()
{
    const auto check = [this] {
        for (const QWidget* widget : m_form->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
                continue;
            }
            QVERIFY2(widget->font().bold(), qPrintable(name));
            QCOMPARE(widget->font().pointSize(), 8);
            const QWidget* parent = widget->parentWidget();
            if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->pixmap().isNull()) {
                const int width = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(label->x() + width <= parent->width() - 2, qPrintable(name + ": " + label->text()));
                QVERIFY2(label->width() >= width, qPrintable(name));
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                QVERIFY2(button->sizeHint().width() <= button->width() + 1,
                         qPrintable(name + ": " + button->text()));
                QVERIFY2(button->geometry().right() < parent->width(), qPrintable(name));
            } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
                QVERIFY2(group->fontMetrics().horizontalAdvance(group->title()) + 16 <= group->width(),
                         qPrintable(name + ": " + group->title()));
            }
        }
    };
    check();
    QTest::mouseClick(Control(*m_form, "Image6"), Qt::LeftButton);
    QCOMPARE(m_form->job().language(), Language::English);
    check();
    // Families the desktop really has stand in for Tahoma and MS Sans Serif.
    QVERIFY(QFontInfo(Control(*m_form, "Label1")->font()).bold());
    QVERIFY(QFontInfo(Control(*m_form, "MaskEdit1")->font()).bold());
}

// A face the desktop lacks is left out of the list; one it has leads it; with none of the wanted faces
// the stand-ins follow in their order.
void MainWindowLayoutTest::windowFontsNameOnlyInstalledFacesWantedFirst()
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Tahoma", "MS Sans Serif", "DejaVu Sans", "No Such Face"}) {
        const QFont font = WindowFont(family, false);
        QCOMPARE(font.pointSize(), 8);
        QVERIFY(!font.bold());
        QVERIFY(WindowFont(family, true).bold());
        QVERIFY(!font.families().isEmpty());
        for (const QString& name : font.families()) {
            QVERIFY2(installed.contains(name, Qt::CaseInsensitive), qPrintable(name));
        }
        QCOMPARE(font.families().first() == QLatin1String(family),
                 installed.contains(QLatin1String(family), Qt::CaseInsensitive));
        QCOMPARE(font.families().count(QStringLiteral("DejaVu Sans")), 1);
    }
    QCOMPARE(WindowFont("No Such Face", true).families(),
             (QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}));

    // As on a desktop with DejaVu Sans only, and back to this desktop's faces.
    AssumeInstalledFamilies({QStringLiteral("DejaVu Sans")});
    const QStringList dejaVu = WindowFont("Tahoma", true).families();
    AssumeInstalledFamilies({});
    QCOMPARE(dejaVu, QStringList{QStringLiteral("DejaVu Sans")});
    QCOMPARE(WindowFont("Tahoma", true).families().first() == QLatin1String("Tahoma"),
             installed.contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive));
    QVERIFY(WindowFont("No Such Face", true).families().contains(QStringLiteral("Liberation Sans")));
}

void MainWindowLayoutTest::tabVisitsTheControlsInOrder()
{
    const QStringList order{"MaskEdit1", "MaskEdit5", "MaskEdit2", "MaskEdit7", "RadioGroup1Item0",
                            "CheckBox1", "RadioGroup2Item2", "ComboBox17", "RadioGroup3Item0",
                            // cylinder 1
                            "MaskEdit3", "MaskEdit4", "ComboBox1", "ComboBox2", "MaskEdit9", "MaskEdit14",
                            "ComboBox3", "ComboBox4",
                            // cylinder 2
                            "MaskEdit10", "MaskEdit16", "ComboBox5", "ComboBox6", "MaskEdit17", "MaskEdit20",
                            "ComboBox7", "ComboBox8",
                            // cylinder 3
                            "MaskEdit21", "MaskEdit24", "ComboBox9", "ComboBox10", "MaskEdit25", "MaskEdit28",
                            "ComboBox11", "ComboBox12",
                            // cylinder 4
                            "MaskEdit29", "MaskEdit32", "ComboBox13", "ComboBox14", "MaskEdit33",
                            "MaskEdit36", "ComboBox15", "ComboBox16", "Button1"};
    QVERIFY(ClickInto(Control(*m_form, "MaskEdit1")));
    QStringList visited{Focused()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        PressTab();
        visited.append(Focused()->objectName());
    }
    QCOMPARE(visited, order);
    // Button2 is disabled, so Tab wraps round to the first field.
    PressTab();
    QCOMPARE(Focused()->objectName(), QStringLiteral("MaskEdit1"));

    // Once a recalculation has enabled Button2 it is the last stop; Shift+Tab walks back.
    QTest::mouseClick(Control(*m_form, "Button1"), Qt::LeftButton);
    QVERIFY(Control(*m_form, "Button2")->isEnabled());
    QTRY_COMPARE(Focused()->objectName(), QStringLiteral("Button1"));
    PressTab();
    QCOMPARE(Focused()->objectName(), QStringLiteral("Button2"));
    QTest::keyClick(Focused(), Qt::Key_Backtab);
    QTest::keyClick(Focused(), Qt::Key_Backtab);
    QCOMPARE(Focused()->objectName(), QStringLiteral("ComboBox16"));
}

// A thickness field is no Tab stop: Tab reaches it only from its own box while that box shows the blank
// entry, and goes on from it as from the box.
void MainWindowLayoutTest::tabReachesAThicknessFieldFromItsBlankBoxOnly()
{
    auto* box = Control<QComboBox>(*m_form, "ComboBox1");
    QVERIFY(PickFromList(box, QStringLiteral("   ")));
    QVERIFY(Control(*m_form, "MaskEdit8")->isEnabled());
    QVERIFY(ClickInto(Control(*m_form, "MaskEdit4")));
    for (const char* next : {"ComboBox1", "MaskEdit8", "ComboBox2", "MaskEdit9"}) {
        PressTab();
        QCOMPARE(Focused()->objectName(), QString::fromLatin1(next));
    }
    // Shift+Tab from the field goes back to its box.
    QVERIFY(ClickInto(Control(*m_form, "MaskEdit8")));
    QTest::keyClick(Focused(), Qt::Key_Backtab);
    QCOMPARE(Focused()->objectName(), QStringLiteral("ComboBox1"));
    // With a number picked again, Tab passes the disabled field by.
    QVERIFY(StepTo(box, QStringLiteral("120")));
    PressTab();
    QCOMPARE(Focused()->objectName(), QStringLiteral("ComboBox2"));
    // The mouse reaches it too.
    QVERIFY(PickFromList(box, QStringLiteral("   ")));
    QVERIFY(ClickInto(Control(*m_form, "MaskEdit8")));
}

void MainWindowLayoutTest::tabStopsAtTheSelectedRadioItemOnly()
{
    QTest::mouseClick(Control(*m_form, "RadioGroup3Item2"), Qt::LeftButton);
    QVERIFY(WaitForFocus(Control(*m_form, "RadioGroup3Item2")));
    QTest::keyClick(Focused(), Qt::Key_Backtab);
    QCOMPARE(Focused()->objectName(), QStringLiteral("ComboBox17"));
    PressTab();
    QCOMPARE(Focused()->objectName(), QStringLiteral("RadioGroup3Item2"));
    // Arrow keys move the selection inside the group.
    QTest::keyClick(Focused(), Qt::Key_Left);
    QCOMPARE(Focused()->objectName(), QStringLiteral("RadioGroup3Item1"));
    QVERIFY(Control<QRadioButton>(*m_form, "RadioGroup3Item1")->isChecked());
    PressTab();
    QCOMPARE(Focused()->objectName(), QStringLiteral("MaskEdit3"));
}

void MainWindowLayoutTest::closingTheMainWindowEndsTheProgramWithOthersOpen()
{
    QWidget about;
    QWidget results;
    m_form->setAboutWindow(&about);
    m_form->setResultsWindow(&results);
    about.show();
    results.show();
    QTimer::singleShot(0, m_form.get(), [this] { m_form->close(); });
    QTimer guard;
    guard.setSingleShot(true);
    bool stuck = false;
    connect(&guard, &QTimer::timeout, this, [&stuck] {
        stuck = true;
        QCoreApplication::exit(1);
    });
    guard.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
    guard.stop();
    QVERIFY(!stuck);
    QVERIFY(!m_form->isVisible());
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
