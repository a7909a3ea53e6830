// Test support: the three windows as start-up makes them, the user's hands on them, the saved report.
#pragma once

#include "about/tform2.h"
#include "kit/message_box.h"
#include "main/tform1.h"
#include "main_window_driver.h"
#include "results/report_file.h"
#include "results/tform3.h"

#include <QApplication>
#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace kelvane::testing {

// The three windows created in the order and wiring of main().
struct Program
{
    Program() : main(job), about(job), results(job, main)
    {
        main.setAboutWindow(&about);
        main.setResultsWindow(&results);
    }

    template <typename T = QWidget> T* mainControl(const char* name) const
    {
        return main.findChild<T*>(QString::fromLatin1(name));
    }
    template <typename T = QWidget> T* resultsControl(const char* name) const
    {
        return results.findChild<T*>(QString::fromLatin1(name));
    }

    kelvane::Job job; // shared by the three windows, made before them
    TForm1 main;
    TForm2 about;
    TForm3 results;
};

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
        : m_cwd(m_directory.path()), m_hadCache(qEnvironmentVariableIsSet("XDG_CACHE_HOME")),
          m_previousCache(qgetenv("XDG_CACHE_HOME"))
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
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
        if (m_hadCache)
            qputenv("XDG_CACHE_HOME", m_previousCache);
        else
            qunsetenv("XDG_CACHE_HOME");
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
    bool m_hadCache;
    QByteArray m_previousCache;
    QStringList m_opened;
};

// Runs a helper step and leaves the test function as soon as a check inside it failed.
#define KELVANE_STEP(step)                                                                                   \
    do {                                                                                                     \
        step;                                                                                                \
        if (QTest::currentTestFailed())                                                                      \
            return;                                                                                          \
    } while (false)

// ---- the user's hands ------------------------------------------------------------------------------

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

inline QString FromCp1251(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

inline QByteArray ToCp1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
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
