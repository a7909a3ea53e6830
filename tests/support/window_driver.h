// Test support for the windows: a user's hands on them, the three windows as the program wires them, the
// saving place and the saved report.
#pragma once

#include "about/tform2.h"
#include "evaluation/shim_plan.h"
#include "job/job.h"
#include "kit/message_box.h"
#include "kit/radio_group.h"
#include "main/control_map.h"
#include "main/tform1.h"
#include "report/code_page.h"
#include "results/report_copy.h"
#include "results/report_file.h"
#include "results/tform3.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace kelvane::testing {

// ---- a user's hands on the main window -------------------------------------------------------------

// The controls of each valve as the window's documentation lists them, written out here on their own so
// a slip in the window's map shows up.
struct ValveNames
{
    const char* clearance;
    const char* shimBox;
    const char* thickness;
    const char* deviation;
    const char* installed;
    const char* required;
    const char* after;
};

inline constexpr ValveNames kValves[16] = {
    {"MaskEdit3", "ComboBox1", "MaskEdit8", "Label20", "Label33", "Label39", "Label45"},
    {"MaskEdit4", "ComboBox2", "MaskEdit6", "Label12", "Label34", "Label40", "Label46"},
    {"MaskEdit9", "ComboBox3", "MaskEdit11", "Label28", "Label35", "Label42", "Label51"},
    {"MaskEdit14", "ComboBox4", "MaskEdit13", "Label26", "Label36", "Label43", "Label52"},
    {"MaskEdit10", "ComboBox5", "MaskEdit12", "Label71", "Label76", "Label82", "Label88"},
    {"MaskEdit16", "ComboBox6", "MaskEdit15", "Label69", "Label77", "Label83", "Label89"},
    {"MaskEdit17", "ComboBox7", "MaskEdit18", "Label74", "Label78", "Label85", "Label91"},
    {"MaskEdit20", "ComboBox8", "MaskEdit19", "Label72", "Label79", "Label86", "Label92"},
    {"MaskEdit21", "ComboBox9", "MaskEdit22", "Label135", "Label140", "Label146", "Label152"},
    {"MaskEdit24", "ComboBox10", "MaskEdit23", "Label133", "Label141", "Label147", "Label153"},
    {"MaskEdit25", "ComboBox11", "MaskEdit26", "Label138", "Label142", "Label149", "Label155"},
    {"MaskEdit28", "ComboBox12", "MaskEdit27", "Label136", "Label143", "Label150", "Label156"},
    {"MaskEdit29", "ComboBox13", "MaskEdit30", "Label159", "Label164", "Label170", "Label176"},
    {"MaskEdit32", "ComboBox14", "MaskEdit31", "Label157", "Label165", "Label171", "Label177"},
    {"MaskEdit33", "ComboBox15", "MaskEdit34", "Label162", "Label166", "Label173", "Label179"},
    {"MaskEdit36", "ComboBox16", "MaskEdit35", "Label160", "Label167", "Label174", "Label180"},
};

inline bool IsExhaust(int valveIndex)
{
    return valveIndex % 4 < 2; // 0-based: exhaust I, exhaust II, intake I, intake II
}

template <typename T = QWidget> T* Control(const QWidget& form, const QString& name)
{
    return form.findChild<T*>(name);
}

inline QWidget* Focused()
{
    return QApplication::focusWidget();
}

inline QString FocusedName()
{
    const QWidget* focused = Focused();
    return focused != nullptr ? focused->objectName() : QStringLiteral("<no focus>");
}

// Shows the window and waits until it holds the keyboard.
[[nodiscard]] inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

[[nodiscard]] inline bool WaitForFocus(const QWidget* widget)
{
    return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 2000);
}

// A click at the left end of a field, so the cursor lands on its first position.
[[nodiscard]] inline bool ClickInto(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, widget->height() / 2));
    return WaitForFocus(widget);
}

inline void PressTab()
{
    QTest::keyClick(Focused(), Qt::Key_Tab);
}

inline void PressBacktab()
{
    QTest::keyClick(Focused(), Qt::Key_Backtab);
}

inline void PressEnter()
{
    QTest::keyClick(Focused(), Qt::Key_Return);
}

// Selects the field's whole text and types over it, as a user retyping a value.
inline void TypeOver(QLineEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, text);
    }
}

// Opens the box's list (a click on the box, or F4 when it has the focus already), walks to the entry with
// the arrow keys and takes it with Enter, as a user picks from a drop-down list.
[[nodiscard]] inline bool PickFromList(QComboBox* box, const QString& entry)
{
    const int row = box->findText(entry);
    if (row < 0) {
        return false;
    }
    if (box->hasFocus()) {
        QTest::keyClick(box, Qt::Key_F4);
    } else {
        QTest::mouseClick(box, Qt::LeftButton);
    }
    QAbstractItemView* list = box->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }, 2000)) {
        return false;
    }
    for (int at = list->currentIndex().row(); at != row; at += at < row ? 1 : -1) {
        QTest::keyClick(list, at < row ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(list, Qt::Key_Return);
    return QTest::qWaitFor([list] { return !list->isVisible(); }, 2000) && box->currentIndex() == row &&
           WaitForFocus(box);
}

// Steps the closed box to the entry with the arrow keys; every step is a pick of its own.
[[nodiscard]] inline bool StepTo(QComboBox* box, const QString& entry)
{
    const int row = box->findText(entry);
    if (row < 0 || !box->hasFocus()) {
        return false;
    }
    while (box->currentIndex() != row) {
        const int before = box->currentIndex();
        QTest::keyClick(box, before < row ? Qt::Key_Down : Qt::Key_Up);
        if (box->currentIndex() == before) {
            return false;
        }
    }
    return true;
}

// For as long as it lives, keys that a test types into a pick-only list count together however slow the
// machine is, as a user's keys in quick succession do, until typeAfterPause() pauses before its keys.
class TypingPace final
{
    Q_DISABLE_COPY_MOVE(TypingPace)

public:
    TypingPace() : m_before(QApplication::keyboardInputInterval())
    {
        QApplication::setKeyboardInputInterval(kTogether);
    }
    ~TypingPace() { QApplication::setKeyboardInputInterval(m_before); }

    // Pauses, then types `text` into the widget; its first key begins a new search.
    static void typeAfterPause(QWidget* widget, const QString& text)
    {
        QApplication::setKeyboardInputInterval(kPause);
        QTest::qWait(3 * kPause);
        QTest::keyClicks(widget, text.left(1));
        QApplication::setKeyboardInputInterval(kTogether);
        QTest::keyClicks(widget, text.mid(1));
    }

private:
    static constexpr int kTogether = 60000;
    static constexpr int kPause = 20;
    int m_before;
};

inline QString Text(const QWidget& form, const QString& name)
{
    if (const auto* field = Control<QLineEdit>(form, name)) {
        return field->displayText();
    }
    if (const auto* box = Control<QComboBox>(form, name)) {
        return box->currentText();
    }
    if (const auto* label = Control<QLabel>(form, name)) {
        return label->text();
    }
    return QStringLiteral("<no control %1>").arg(name);
}

// ---- the three windows -----------------------------------------------------------------------------

// The three windows as main() makes and wires them, sharing one job, and a user's steps on them.
class Program
{
    Q_DISABLE_COPY_MOVE(Program)

public:
    Program() : main(job), about(job), results(job, main)
    {
        main.setAboutWindow(&about);
        main.setResultsWindow(&results);
    }

    template <typename T = QWidget> T* mainControl(const char* name) const
    {
        return main.findChild<T*>(QString::fromLatin1(name));
    }
    // The main window to act on; tests hold the program by const reference while they drive it.
    QWidget& mainWindow() const { return *main.window(); }

    template <typename T = QWidget> T* resultsControl(const char* name) const
    {
        return results.findChild<T*>(QString::fromLatin1(name));
    }

    // The user works in the main window: bring it to the front first.
    bool activateMain() const
    {
        mainWindow().activateWindow();
        return QTest::qWaitForWindowActive(&mainWindow());
    }

    // Clicks into the valve's clearance field and types the digits over its text ("025" gives 0.25).
    bool typeClearance(int valve, const QString& digits) const
    {
        return typeInto(kValveControls[std::size_t(valve - 1)].clearance, digits);
    }

    bool typeInto(const char* name, const QString& digits) const
    {
        auto* field = mainControl<QLineEdit>(name);
        if (field == nullptr || !activateMain())
            return false;
        QTest::mouseClick(field, Qt::LeftButton);
        if (!QTest::qWaitFor([field] { return field->hasFocus(); }))
            return false;
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, digits);
        return true;
    }

    // Picks a shim number in the valve's box with the arrow keys, as a user stepping through its list.
    bool pickShim(int valve, const QString& number) const
    {
        auto* box = mainControl<QComboBox>(kValveControls[std::size_t(valve - 1)].shimBox);
        if (box == nullptr || !activateMain())
            return false;
        const int wanted = box->findText(number);
        if (wanted < 0)
            return false;
        box->setFocus(Qt::TabFocusReason);
        if (!QTest::qWaitFor([box] { return box->hasFocus(); }))
            return false;
        for (int steps = 0; steps < box->count() && box->currentIndex() != wanted; ++steps)
            QTest::keyClick(box, box->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
        return box->currentText() == number;
    }

    // The English flag of the main window.
    bool chooseEnglish() const
    {
        auto* flag = mainControl<QWidget>("Image6");
        if (flag == nullptr || !activateMain())
            return false;
        QTest::mouseClick(flag, Qt::LeftButton);
        return main.job().language() == Language::English;
    }

    bool chooseCylinders(int index) const { return clickRadio("RadioGroup2", index); }
    bool chooseSelectionMode(int index) const { return clickRadio("RadioGroup1", index); }

    bool clickRadio(const char* group, int index) const
    {
        auto* radios = mainControl<RadioGroup>(group);
        if (radios == nullptr || !activateMain())
            return false;
        QTest::mouseClick(radios->button(index), Qt::LeftButton);
        return radios->itemIndex() == index;
    }

    bool setAllNew(bool checked) const
    {
        auto* box = mainControl<QCheckBox>("CheckBox1");
        if (box == nullptr || !activateMain())
            return false;
        if (box->isChecked() != checked)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        return box->isChecked() == checked;
    }

    // "Пересчитать" and then "Подобрать шайбы", by mouse; true when the results window came up.
    bool recalculateAndSelect() const
    {
        if (!recalculate())
            return false;
        auto* select = mainControl<QPushButton>("Button2");
        if (select == nullptr || !select->isEnabled())
            return false;
        QTest::mouseClick(select, Qt::LeftButton);
        return results.isVisible();
    }

    bool recalculate() const
    {
        auto* recalc = mainControl<QPushButton>("Button1");
        if (recalc == nullptr || !activateMain())
            return false;
        QTest::mouseClick(recalc, Qt::LeftButton);
        return true;
    }

    QTableWidget* purchaseGrid() const { return resultsControl<QTableWidget>("StringGrid1"); }
    QTableWidget* interchangeGrid() const { return resultsControl<QTableWidget>("StringGrid2"); }

    static QString cell(const QTableWidget* grid, int row, int column)
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item != nullptr ? item->text() : QString();
    }

    // Rows of a list in use: those with a shim number.
    static int rowsInUse(const QTableWidget* grid)
    {
        int rows = 0;
        for (int row = 1; row <= 16; ++row) {
            if (!cell(grid, row, 2).isEmpty())
                ++rows;
        }
        return rows;
    }

    kelvane::Job job; // shared by the three windows, made before them
    TForm1 main;
    TForm2 about;
    TForm3 results;
};

// For the length of one test: the program with its main window shown and its message boxes recorded.
class ShownProgram final : public Program
{
public:
    ShownProgram()
    {
        MessageBox::setTestMode(true);
        main.show();
    }
    ~ShownProgram() { MessageBox::setTestMode(false); }
};

// Two exhaust clearances out of tolerance, a recalculation and the selection, all by mouse and keys;
// whether the results window came up.
[[nodiscard]] inline bool SelectShims(const Program& program)
{
    const TForm1& form = program.main;
    program.mainWindow().activateWindow();
    if (!QTest::qWaitForWindowActive(&program.mainWindow())) {
        return false;
    }
    for (const char* name : {"MaskEdit3", "MaskEdit4"}) {
        auto* field = Control<QLineEdit>(form, QString::fromLatin1(name));
        if (!ClickInto(field)) {
            return false;
        }
        TypeOver(field, QStringLiteral("035"));
    }
    QTest::mouseClick(Control(form, QStringLiteral("Button1")), Qt::LeftButton);
    auto* select = Control<QPushButton>(form, QStringLiteral("Button2"));
    if (!select->isEnabled()) {
        return false;
    }
    QTest::mouseClick(select, Qt::LeftButton);
    return program.results.isVisible();
}

// ---- a user's steps through the program ---------------------------------------------------------

// Runs a helper step and leaves the test function as soon as a check inside it failed.
#define KELVANE_STEP(step)                                                                                   \
    do {                                                                                                     \
        step;                                                                                                \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

// Types over the text of the field that holds the focus, after checking it is the one meant.
inline void TypeHere(const char* field, const QString& digits)
{
    QWidget* focused = Focused();
    QVERIFY2(focused != nullptr && focused->objectName() == QLatin1String(field),
             qPrintable(QStringLiteral("the focus is on %1, not on %2")
                            .arg(focused != nullptr ? focused->objectName() : QStringLiteral("nothing"),
                                 QLatin1String(field))));
    TypeOver(static_cast<QLineEdit*>(focused), digits);
}

// Clicks into a field and types over its text.
inline void ClickAndType(const Program& program, const char* field, const QString& digits)
{
    auto* edit = program.mainControl<QLineEdit>(field);
    QVERIFY2(edit != nullptr && edit->isEnabled(), field);
    QVERIFY2(ClickInto(edit), field);
    TypeOver(edit, digits);
}

// Tab to the next control, which must be `expected`.
inline void TabTo(const char* expected)
{
    PressTab();
    QWidget* focused = Focused();
    QVERIFY2(focused != nullptr && focused->objectName() == QLatin1String(expected),
             qPrintable(QStringLiteral("Tab reached %1, not %2")
                            .arg(focused != nullptr ? focused->objectName() : QStringLiteral("nothing"),
                                 QLatin1String(expected))));
}

// Picks an entry of a drop-down list: by F4 when the box holds the focus, by a click otherwise.
inline void Pick(const Program& program, const char* box, const QString& entry)
{
    auto* combo = program.mainControl<QComboBox>(box);
    QVERIFY2(combo != nullptr, box);
    QVERIFY2(PickFromList(combo, entry), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(box), entry)));
}

// Steps the focused, closed box to the entry with the arrow keys.
inline void Step(const Program& program, const char* box, const QString& entry)
{
    auto* combo = program.mainControl<QComboBox>(box);
    QVERIFY2(combo != nullptr, box);
    QVERIFY2(StepTo(combo, entry), qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(box), entry)));
}

inline void ClickControl(const Program& program, const char* name)
{
    QWidget* control = program.mainControl(name);
    QVERIFY2(control != nullptr && control->isVisible() && control->isEnabled(), name);
    QTest::mouseClick(control, Qt::LeftButton);
}

// A brand picked in the list takes effect once the box is left with Tab.
inline void ChooseBrand(const Program& program, const QString& brand)
{
    Pick(program, "ComboBox17", brand);
    if (QTest::currentTestFailed())
        return;
    PressTab();
    QVERIFY(!program.mainControl("ComboBox17")->hasFocus());
}

// A diameter item clicked takes effect once the group is left with Tab.
inline void ChooseDiameter(const Program& program, int index)
{
    const QByteArray name = "RadioGroup3Item" + QByteArray::number(index);
    QWidget* item = program.mainControl(name.constData());
    QVERIFY(item != nullptr);
    QTest::mouseClick(item, Qt::LeftButton);
    QVERIFY(WaitForFocus(item));
    PressTab();
    QVERIFY(!program.mainControl("RadioGroup3")->isAncestorOf(Focused()));
}

// "Подобрать шайбы" / "Make shim selection", then the results window's save button.
inline void SelectAndSave(const Program& program)
{
    auto* select = program.mainControl<QPushButton>("Button2");
    QVERIFY(select->isEnabled());
    QTest::mouseClick(select, Qt::LeftButton);
    QVERIFY(program.results.isVisible());
    QVERIFY(!select->isEnabled());
    QTest::mouseClick(program.resultsControl<QPushButton>("Button2"), Qt::LeftButton);
}

// ---- files, environment and colours ---------------------------------------------------------------

// A folder's entries by name, hidden ones included.
inline QStringList Entries(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

// A file's bytes; none when it cannot be read.
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets an environment variable for one test and puts back what was there.
class ScopedEnvironment final
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_wasSet)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

// A scratch cache folder standing for the user's (XDG_CACHE_HOME) while it lives, so that no report
// copy of a test lands in the real one.
class TestCache final
{
public:
    TestCache() : m_home("XDG_CACHE_HOME", QFile::encodeName(m_folder.path())) {}
    TestCache(const TestCache&) = delete;
    TestCache& operator=(const TestCache&) = delete;
    bool ok() const { return m_folder.isValid(); }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    ScopedEnvironment m_home;
};

// A colour of the evaluation's 0x00BBGGRR form, as it must appear on screen.
inline QColor Rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

// The four-cylinder Honda job of the core's expected reports (report_4cyl_*.txt): clearance digits and
// installed shim number by valve.
struct JobValve
{
    const char* clearance;
    const char* shim;
};
inline constexpr JobValve kFourCylinderHondaJob[16] = {
    {"027", "122"}, {"020", "120"}, {"005", "130"}, {"010", "125"}, {"030", "120"}, {"018", "130"},
    {"025", "195"}, {"015", "150"}, {"010", "135"}, {"033", "200"}, {"004", "210"}, {"016", "140"},
    {"028", "120"}, {"021", "220"}, {"022", "125"}, {"015", "160"},
};

// ---- the saving place ------------------------------------------------------------------------------

// The moment every report of these tests is stamped with.
inline const QDateTime kReportMoment(QDate(2026, 12, 7), QTime(13, 5, 9));

// Changes the working directory for one test and returns to the earlier one.
class WorkingDirectory final
{
public:
    explicit WorkingDirectory(const QString& path)
        : m_previous(QDir::currentPath()), m_ok(QDir::setCurrent(path))
    {}
    ~WorkingDirectory() { QDir::setCurrent(m_previous); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_previous;
    bool m_ok;
};

// A scratch working directory and cache, the report clock fixed and the desktop's viewer replaced by a
// list of what would have been opened; everything goes back to normal when it ends.
class SavingPlace final
{
public:
    SavingPlace()
        : m_cwd(m_directory.path()), m_cacheHome("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()))
    {
        TForm3::setClock([] { return kReportMoment; });
        TForm3::setDocumentOpener([this](const QString& path) {
            m_opened.append(path);
            return true;
        });
    }
    ~SavingPlace()
    {
        TForm3::setDocumentOpener({});
        TForm3::setClock({});
    }
    SavingPlace(const SavingPlace&) = delete;
    SavingPlace& operator=(const SavingPlace&) = delete;

    bool ok() const { return m_directory.isValid() && m_cwd.ok(); }
    QString path() const { return m_directory.path(); }
    const QStringList& opened() const { return m_opened; }

private:
    QTemporaryDir m_directory;
    WorkingDirectory m_cwd;
    QTemporaryDir m_cache;
    ScopedEnvironment m_cacheHome;
    QStringList m_opened;
};

// ---- the saved report ------------------------------------------------------------------------------

inline QList<QByteArray> CrLfLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// The report's code page, by the program's own table (a Qt without ICU has no converter for it).
inline QString FromCp1251(const QByteArray& bytes)
{
    return QString::fromStdString(Windows1251ToUtf8(bytes.toStdString()));
}

inline QByteArray ToCp1251(const QString& text)
{
    return QByteArray::fromStdString(Utf8ToWindows1251(text.toStdString()));
}

inline QString TestDataPath(const QString& name)
{
    QString directory = qEnvironmentVariable("KELVANE_TEST_DATA");
#ifdef KELVANE_APP_TEST_DATA
    if (directory.isEmpty())
        directory = QStringLiteral(KELVANE_APP_TEST_DATA);
#endif
    return directory + u'/' + name;
}

// The one report in the saving place, in `language`, must be the expected file byte for byte. Its
// date (also in the file name) and time follow the locale the test runs under, so those two lines are
// checked against that locale's texts of the fixed moment and then taken from the expected file.
inline void CompareReport(const SavingPlace& place, Language language, const QString& expectedFile)
{
    QVERIFY(MessageBox::takeRecorded().isEmpty());
    const bool english = language == Language::English;
    const QLocale user = QLocale::system();
    const QString date = ReportDateText(user, kReportMoment.date());
    const QString time = ReportTimeText(user, kReportMoment.time());
    QVERIFY(!date.contains(u'/'));

    const QString name = QStringLiteral("Kelvane ") + date +
                         (english ? QStringLiteral("_eng.txt") : QStringLiteral("_rus.txt"));
    QCOMPARE(QDir(place.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{name});
    const QString path = QDir(place.path()).absoluteFilePath(name);
    // The desktop is shown the report's UTF-8 copy.
    QCOMPARE(place.opened(), QStringList{QDir(ReportCopyFolder()).absoluteFilePath(name)});

    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QFile expectedSource(TestDataPath(expectedFile));
    QVERIFY2(expectedSource.open(QIODevice::ReadOnly), qPrintable(expectedSource.fileName()));
    const QByteArray expected = expectedSource.readAll();

    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

    QList<QByteArray> lines = CrLfLines(bytes);
    const QList<QByteArray> expectedLines = CrLfLines(expected);
    QVERIFY(lines.size() > 4 && expectedLines.size() > 4);
    QCOMPARE(FromCp1251(lines[2]), (english ? QStringLiteral("Date: ") : QStringLiteral("Дата: ")) + date);
    QCOMPARE(FromCp1251(lines[3]), (english ? QStringLiteral("Time: ") : QStringLiteral("Время: ")) + time);
    lines[2] = expectedLines[2];
    lines[3] = expectedLines[3];

    for (qsizetype i = 0; i < std::min(lines.size(), expectedLines.size()); ++i) {
        QVERIFY2(lines[i] == expectedLines[i],
                 qPrintable(QStringLiteral("line %1\n   written: [%2]\n  expected: [%3]")
                                .arg(i + 1)
                                .arg(FromCp1251(lines[i]), FromCp1251(expectedLines[i]))));
    }
    QCOMPARE(lines.size(), expectedLines.size());
    QCOMPARE(lines.join("\r\n"), expected);
}

} // namespace kelvane::testing
