// What the desktop is shown of a saved report: a read-only UTF-8 copy in the program's cache folder,
// while the saved file keeps its code page; the clean-up of old copies; and what the user is told when
// nothing opens the report.
#include "results/report_copy.h"
#include "window_driver.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using kelvane::TForm3;
using kelvane::testing::Entries;
using kelvane::testing::JobValve;
using kelvane::testing::kFourCylinderHondaJob;
using kelvane::testing::ReadAll;
using kelvane::testing::ScopedEnvironment;
using kelvane::testing::ShownProgram;
using kelvane::testing::WorkingDirectory;

namespace {

// The moment of the expected reports, which a day.month.year, 24-hour locale writes as they do.
const QDateTime kMoment(QDate(2026, 12, 7), QTime(14, 5, 9));
const QString kRussianName = QStringLiteral("Kelvane 07-12-2026_rus.txt");
const QString kEnglishName = QStringLiteral("Kelvane 07-12-2026_eng.txt");
// The copies' folder's record of the copies the program wrote there.
const QString kLedger = QStringLiteral(".copies.sha256");

QString ExpectedReportPath(const QString& name)
{
    return QStringLiteral(KELVANE_REPORT_DATA_DIR) + u'/' + name;
}

bool IsReadOnly(const QString& path)
{
    const QFileDevice::Permissions writable =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFileInfo::exists(path) && (QFile::permissions(path) & writable) == 0;
}

// Writes a file last changed `ageSeconds` before `now`.
bool WriteAged(const QString& path, const QDateTime& now, qint64 ageSeconds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("x") != 1 || !file.flush())
        return false;
    return file.setFileTime(now.addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

#ifndef Q_OS_WIN
// Lets no file of this process grow beyond `bytes` while it lives, as a full disk would; a write past
// it fails instead of ending the process.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        m_ok = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return m_ok; }

private:
    rlimit m_previous{};
    void (*m_signal)(int) = nullptr;
    bool m_ok = false;
};
#endif

} // namespace

class ReportCopyTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyFolder();
    void fourCylinderReports_data();
    void fourCylinderReports();
    void laterSaveReplacesTheCopy();
    void cacheThatCannotBeWritten();
    void oldCopiesRemoved();
    void startedInTheCopyFolder();
    void reportSavedOverACopy();
    void cacheOfTheXdgRules();
    void fullCacheKeepsTheEarlierCopy();
    void desktopWithoutAViewer_data();
    void desktopWithoutAViewer();

private:
    static bool typeFourCylinderJob(ShownProgram& job);
    static void save(ShownProgram& job);
    static void saveTwice(ShownProgram& job);
    QString cacheHome() const { return m_cache->path(); }

    QStringList m_opened;
    std::unique_ptr<QTemporaryDir> m_workingFolder;
    std::unique_ptr<WorkingDirectory> m_cwd;
    std::unique_ptr<kelvane::testing::TestCache> m_cache;
};

void ReportCopyTest::init()
{
    m_opened.clear();
    m_workingFolder = std::make_unique<QTemporaryDir>();
    m_cwd = std::make_unique<WorkingDirectory>(m_workingFolder->path());
    QVERIFY(m_cwd->ok());
    m_cache = std::make_unique<kelvane::testing::TestCache>();
    QVERIFY(m_cache->ok());
    TForm3::setDocumentOpener([this](const QString& path) {
        m_opened.append(path);
        return true;
    });
    TForm3::setClock([] { return kMoment; });
}

void ReportCopyTest::cleanup()
{
    TForm3::setDocumentOpener({});
    TForm3::setClock({});
    m_cache.reset();
    m_cwd.reset();
    m_workingFolder.reset();
}

bool ReportCopyTest::typeFourCylinderJob(ShownProgram& job)
{
    for (int valve = 1; valve <= 16; ++valve) {
        const JobValve& entry = kFourCylinderHondaJob[valve - 1];
        if (!job.typeClearance(valve, QString::fromLatin1(entry.clearance)) ||
            !job.pickShim(valve, QString::fromLatin1(entry.shim)))
            return false;
    }
    return job.recalculateAndSelect() && ShownProgram::rowsInUse(job.interchangeGrid()) == 5 &&
           ShownProgram::rowsInUse(job.purchaseGrid()) == 5;
}

void ReportCopyTest::save(ShownProgram& job)
{
    QTest::mouseClick(job.resultsControl<QPushButton>("Button2"), Qt::LeftButton);
}

// Types the job and saves it, and again a minute later.
void ReportCopyTest::saveTwice(ShownProgram& job)
{
    QVERIFY(typeFourCylinderJob(job));
    save(job);
    TForm3::setClock([] { return kMoment.addSecs(61); });
    save(job);
}

// The program's own folder in the user's cache, whatever the application is called.
void ReportCopyTest::copyFolder()
{
#ifdef Q_OS_WIN
    QSKIP("the XDG cache folder belongs to the free desktops; Windows uses local application data");
#else
    QCOMPARE(kelvane::ReportCopyFolder(), cacheHome() + QStringLiteral("/kelvane"));
    const QString home = QDir::homePath();
    {
        ScopedEnvironment noCacheHome("XDG_CACHE_HOME", QByteArray());
        QCOMPARE(kelvane::ReportCopyFolder(), home + QStringLiteral("/.cache/kelvane"));
    }
    // A relative XDG_CACHE_HOME is invalid and ignored.
    ScopedEnvironment relative("XDG_CACHE_HOME", "relcache");
    QCOMPARE(kelvane::ReportCopyFolder(), home + QStringLiteral("/.cache/kelvane"));
    // Without a home there is no cache, and nothing goes to the top of the file system.
    ScopedEnvironment noHome("HOME", QByteArray());
    QCOMPARE(kelvane::ReportCopyFolder(), QString());
    ScopedEnvironment rootHome("HOME", "/");
    QCOMPARE(kelvane::ReportCopyFolder(), QString());
#endif
}

void ReportCopyTest::fourCylinderReports_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("sample");
    QTest::newRow("Russian") << false << kRussianName << QStringLiteral("report_4cyl_rus.txt")
                             << QStringLiteral("Нормальный зазор на выпуск:0.20 ±0.03");
    QTest::newRow("English") << true << kEnglishName << QStringLiteral("report_4cyl_eng.txt")
                             << QStringLiteral("Normal clearance for exhaust valves:0.20 ±0.03");
}

// The saved file is the expected report byte for byte; the desktop is shown a copy that reads as the
// same text in UTF-8, and that an editor cannot quietly change.
void ReportCopyTest::fourCylinderReports()
{
    QFETCH(bool, english);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(QString, sample);

    ShownProgram job;
    // The lists take the language the results window was opened in, so it is chosen first.
    if (english) {
        QVERIFY(job.chooseEnglish());
    }
    QVERIFY(typeFourCylinderJob(job));
    save(job);
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());

    QCOMPARE(Entries(m_workingFolder->path()), QStringList{name});
    const QByteArray saved = ReadAll(name);
    const QByteArray golden = ReadAll(ExpectedReportPath(expected));
    QVERIFY(!golden.isEmpty());
    const QList<QByteArray> savedLines = saved.split('\n');
    const QList<QByteArray> goldenLines = golden.split('\n');
    for (qsizetype i = 0; i < std::min(savedLines.size(), goldenLines.size()); ++i)
        QVERIFY2(savedLines[i] == goldenLines[i], qPrintable(QStringLiteral("line %1: [%2] instead of [%3]")
                                                                 .arg(i + 1)
                                                                 .arg(QString::fromLatin1(savedLines[i]),
                                                                      QString::fromLatin1(goldenLines[i]))));
    QCOMPARE(saved, golden);

    const QString copy = cacheHome() + QStringLiteral("/kelvane/") + name;
    QCOMPARE(m_opened, QStringList{copy});
    QCOMPARE(Entries(cacheHome() + QStringLiteral("/kelvane")), (QStringList{kLedger, name}));
    const QByteArray copyBytes = ReadAll(copy);
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString copyText = utf8.decode(copyBytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(!copyBytes.startsWith("\xEF\xBB\xBF"));
    const QString savedText = kelvane::testing::FromCp1251(saved);
    QCOMPARE(copyText, savedText);
    QVERIFY(copyText.contains(sample + QStringLiteral("\r\n")));
    QVERIFY(copyBytes.contains("\xC2\xB1")); // "±" in UTF-8
    QCOMPARE(copyBytes.count("\r\n"), saved.count("\r\n"));
    QCOMPARE(copyBytes.count('\n'), copyBytes.count("\r\n"));
    if (!english) {
        QVERIFY(copyText.contains(QStringLiteral("Список новых шайб на заказ\r\n")));
        QVERIFY(copyBytes.contains(QStringLiteral("Цилиндр").toUtf8()));
    } else {
        // The one Cyrillic letter of the English report lies in the two-cylinder table only.
        QVERIFY(copyText.contains(QStringLiteral("List of new shims to buy\r\n")));
    }
    QVERIFY(IsReadOnly(copy));
    QVERIFY(!IsReadOnly(name));
}

// Saving again replaces the copy of the same name, read-only again; nothing else piles up.
void ReportCopyTest::laterSaveReplacesTheCopy()
{
    ShownProgram job;
    KELVANE_STEP(saveTwice(job));
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());

    const QString folder = cacheHome() + QStringLiteral("/kelvane");
    const QString copy = folder + u'/' + kRussianName;
    QCOMPARE(m_opened, (QStringList{copy, copy}));
    QCOMPARE(Entries(folder), (QStringList{kLedger, kRussianName}));
    const QByteArray copyBytes = ReadAll(copy);
    QVERIFY(copyBytes.contains("14:06:10\r\n"));
    QVERIFY(!copyBytes.contains("14:05:09"));
    QCOMPARE(copyBytes, kelvane::ReportCopyBytes(ReadAll(kRussianName)));
    QVERIFY(IsReadOnly(copy));

    // The English report of the day is a copy of its own beside it.
    QVERIFY(job.chooseEnglish());
    save(job);
    QCOMPARE(Entries(folder), (QStringList{kLedger, kEnglishName, kRussianName}));
    // The record lists the two copies and no earlier one.
    QCOMPARE(ReadAll(folder + u'/' + kLedger).count('\n'), 2);
}

// When no copy can be written the desktop is shown the saved file itself, and the save, which did
// not fail, says nothing.
void ReportCopyTest::cacheThatCannotBeWritten()
{
    // A regular file stands where the cache's folder would be made: not even root can make it.
    QVERIFY(WriteAged(cacheHome() + QStringLiteral("/blocked"), QDateTime::currentDateTime(), 0));
    ScopedEnvironment blocked("XDG_CACHE_HOME",
                              QFile::encodeName(cacheHome() + QStringLiteral("/blocked/cache")));

    ShownProgram job;
    QVERIFY(typeFourCylinderJob(job));
    save(job);

    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    const QString saved = QDir(m_workingFolder->path()).absoluteFilePath(kRussianName);
    QCOMPARE(m_opened, QStringList{saved});
    QCOMPARE(ReadAll(saved), ReadAll(ExpectedReportPath(QStringLiteral("report_4cyl_rus.txt"))));
    QCOMPARE(Entries(cacheHome()), QStringList{QStringLiteral("blocked")});
}

// Copies last written more than a week ago go, with what an interrupted write of one left; newer ones
// stay, and so does every file the program did not write: a report saved there under a copy's name, a
// copy changed since, anything else.
void ReportCopyTest::oldCopiesRemoved()
{
    const QString folder = cacheHome() + QStringLiteral("/kelvane");
    const QDateTime now = QDateTime::currentDateTime();
    constexpr qint64 kDay = 24 * 60 * 60;
    const auto age = [&](const char* name, qint64 seconds) {
        const QString path = folder + u'/' + QString::fromLatin1(name);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(now.addSecs(-seconds), QFileDevice::FileModificationTime));
    };
    const auto copy = [&](const char* name, qint64 seconds) {
        QVERIFY(kelvane::WriteReportCopy(folder, QString::fromLatin1(name), QByteArray("copy of ") + name));
        age(name, seconds);
    };
    KELVANE_STEP(copy("Kelvane 01-11-2026_rus.txt", 30 * kDay));
    KELVANE_STEP(copy("Kelvane 29-11-2026_eng.txt", 7 * kDay + 60));
    KELVANE_STEP(copy("Kelvane 01-12-2026_rus.txt", 7 * kDay - 60));
    KELVANE_STEP(copy("Kelvane 07-12-2026_eng.txt", 0));
    KELVANE_STEP(copy("Kelvane 20-11-2026_eng.txt", 20 * kDay));
    QVERIFY(WriteAged(folder + QStringLiteral("/Kelvane 20-11-2026_eng.txt"), now, 20 * kDay)); // changed
    QVERIFY(WriteAged(folder + QStringLiteral("/Kelvane 29-11-2026_eng.txt.aBc123"), now, 8 * kDay));
    QVERIFY(WriteAged(folder + QStringLiteral("/Kelvane 01-12-2026_rus.txt.aBc123"), now, 0));
    QVERIFY(WriteAged(folder + QStringLiteral("/Kelvane 02-11-2026_rus.txt"), now, 30 * kDay)); // a report
    QVERIFY(WriteAged(folder + QStringLiteral("/notes.txt"), now, 30 * kDay));

    kelvane::RemoveOldReportCopies(folder, now);

    QCOMPARE(Entries(folder),
             (QStringList{kLedger, "Kelvane 01-12-2026_rus.txt", "Kelvane 01-12-2026_rus.txt.aBc123",
                          "Kelvane 02-11-2026_rus.txt", "Kelvane 07-12-2026_eng.txt",
                          "Kelvane 20-11-2026_eng.txt", "notes.txt"}));
    // Only the copies that stay are listed still.
    QCOMPARE(ReadAll(folder + u'/' + kLedger).count('\n'), 2);

    // A folder that is not there yet is no error.
    kelvane::RemoveOldReportCopies(cacheHome() + QStringLiteral("/missing"), now);
    QVERIFY(!QFileInfo::exists(cacheHome() + QStringLiteral("/missing")));
}

// Started in the copies' folder, where the user keeps a report of the month before: the clean-up leaves
// that report alone, each save keeps the Windows-1251 report, which the desktop is shown itself, and a
// second save replaces it without a word.
void ReportCopyTest::startedInTheCopyFolder()
{
    const QString folder = cacheHome() + QStringLiteral("/kelvane");
    QVERIFY(QDir().mkpath(folder));
    const QString older = folder + QStringLiteral("/Kelvane 01-11-2026_rus.txt");
    QVERIFY(WriteAged(older, QDateTime::currentDateTime(), 30 * 24 * 60 * 60));
    WorkingDirectory there(folder);
    QVERIFY(there.ok());
    kelvane::RemoveOldReportCopies(kelvane::ReportCopyFolder(), QDateTime::currentDateTime());
    QVERIFY(QFileInfo::exists(older));

    ShownProgram job;
    KELVANE_STEP(saveTwice(job));

    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    const QString saved = folder + u'/' + kRussianName;
    QCOMPARE(m_opened, (QStringList{saved, saved}));
    QVERIFY(!IsReadOnly(saved));
    QVERIFY(ReadAll(saved).contains("14:06:10\r\n"));
    QCOMPARE(Entries(folder), (QStringList{QFileInfo(older).fileName(), kRussianName}));
}

// A copy of the day's earlier save stands in the copies' folder when the program is started there: the
// report takes its place (it is the program's own copy, not the user's file), and the viewer is shown
// the report.
void ReportCopyTest::reportSavedOverACopy()
{
    {
        ShownProgram job;
        QVERIFY(typeFourCylinderJob(job));
        save(job); // from the working folder: a copy in the cache
    }
    const QString folder = cacheHome() + QStringLiteral("/kelvane");
    QVERIFY(IsReadOnly(folder + u'/' + kRussianName));
    WorkingDirectory there(folder);
    QVERIFY(there.ok());
    m_opened.clear();
    TForm3::setClock([] { return kMoment.addSecs(61); });
    ShownProgram job;
    QVERIFY(typeFourCylinderJob(job));
    save(job);

    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    const QString saved = folder + u'/' + kRussianName;
    QCOMPARE(m_opened, QStringList{saved});
    QVERIFY(ReadAll(saved).contains("14:06:10\r\n"));
    QVERIFY(!IsReadOnly(saved));
    // No longer the program's copy: the clean-up a month on leaves it.
    kelvane::RemoveOldReportCopies(folder, QDateTime::currentDateTime().addDays(30));
    QVERIFY(QFileInfo::exists(saved));
}

// A relative XDG_CACHE_HOME puts no folder into the working folder, and without a home nothing is
// written outside it; in both cases the report itself is saved as always.
void ReportCopyTest::cacheOfTheXdgRules()
{
#ifdef Q_OS_WIN
    QSKIP("the XDG cache folder belongs to the free desktops; Windows uses local application data");
#else
    QTemporaryDir home;
    QVERIFY(home.isValid());
    {
        ScopedEnvironment relative("XDG_CACHE_HOME", "relcache");
        ScopedEnvironment homeFolder("HOME", QFile::encodeName(home.path()));
        ShownProgram job;
        QVERIFY(typeFourCylinderJob(job));
        save(job);
        QCOMPARE(m_opened, QStringList{home.path() + QStringLiteral("/.cache/kelvane/") + kRussianName});
        QCOMPARE(Entries(m_workingFolder->path()), QStringList{kRussianName});
    }
    m_opened.clear();
    const bool rootCacheWasThere = QFileInfo::exists(QStringLiteral("/.cache/kelvane"));
    ScopedEnvironment noCache("XDG_CACHE_HOME", QByteArray());
    ScopedEnvironment noHome("HOME", QByteArray());
    ShownProgram job;
    QVERIFY(typeFourCylinderJob(job));
    save(job);
    QCOMPARE(m_opened, QStringList{QDir(m_workingFolder->path()).absoluteFilePath(kRussianName)});
    QCOMPARE(QFileInfo::exists(QStringLiteral("/.cache/kelvane")), rootCacheWasThere);
#endif
}

// The cache has room for the report but not for its larger UTF-8 copy: the copy of the earlier save
// stays whole, and the viewer is shown the saved report.
void ReportCopyTest::fullCacheKeepsTheEarlierCopy()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no file-size limit to stand for a full disk");
#else
    ShownProgram job;
    QVERIFY(typeFourCylinderJob(job));
    save(job);
    const QString copy = cacheHome() + QStringLiteral("/kelvane/") + kRussianName;
    const QByteArray earlier = ReadAll(copy);
    const qint64 reportSize = QFileInfo(kRussianName).size();
    QVERIFY(earlier.size() > reportSize + 100);

    TForm3::setClock([] { return kMoment.addSecs(61); });
    {
        FileSizeLimit limit(reportSize + 50);
        QVERIFY(limit.ok());
        save(job);
    }

    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    QVERIFY(ReadAll(kRussianName).contains("14:06:10\r\n"));
    QCOMPARE(ReadAll(copy), earlier);
    QVERIFY(IsReadOnly(copy));
    QCOMPARE(m_opened.last(), QDir(m_workingFolder->path()).absoluteFilePath(kRussianName));
    QCOMPARE(Entries(cacheHome() + QStringLiteral("/kelvane")), (QStringList{kLedger, kRussianName}));
#endif
}

// With the desktop's own opener: xdg-open that finds no program for the file (exit status 3) brings the
// message that names the saved file; one that opens it brings none. The window is never held up.
void ReportCopyTest::desktopWithoutAViewer_data()
{
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<bool>("told");
    QTest::newRow("no program for text files") << 3 << true;
    QTest::newRow("opened") << 0 << false;
}

void ReportCopyTest::desktopWithoutAViewer()
{
#ifdef Q_OS_WIN
    QSKIP("xdg-open belongs to the free desktops; Windows answers at once through ShellExecute");
#else
    QFETCH(int, exitStatus);
    QFETCH(bool, told);
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    const QString xdgOpen = bin.path() + QStringLiteral("/xdg-open");
    {
        QFile script(xdgOpen);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$1\" > \"%1/asked\"\nexit %2\n")
                         .arg(bin.path())
                         .arg(exitStatus)
                         .toUtf8());
    }
    QVERIFY(QFile::setPermissions(xdgOpen, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ScopedEnvironment path("PATH", QFile::encodeName(bin.path()) + ':' + qgetenv("PATH"));
    TForm3::setDocumentOpener({});

    ShownProgram job;
    QVERIFY(typeFourCylinderJob(job));
    save(job);
    const QString copy = cacheHome() + QStringLiteral("/kelvane/") + kRussianName;
    QTRY_COMPARE(ReadAll(bin.path() + QStringLiteral("/asked")), QFile::encodeName(copy) + '\n');
    const QString saved = QDir(m_workingFolder->path()).absoluteFilePath(kRussianName);
    if (told) {
        QStringList recorded;
        QTRY_VERIFY((recorded += kelvane::MessageBox::takeRecorded(), !recorded.isEmpty()));
        QCOMPARE(recorded,
                 QStringList{QStringLiteral("Kelvane|Отчет сохранен в файл\n%1\n(кодировка Windows-1251), но "
                                            "открыть его не удалось: не нашлось программы для просмотра "
                                            "текстовых файлов.")
                                 .arg(saved)});
    } else {
        QTest::qWait(200);
        QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    }
#endif
}

int main(int argc, char* argv[])
{
    // A short date written day.month.year and a 24-hour clock, as in the expected reports.
    qputenv("LC_ALL", "en_GB.UTF-8");
    qputenv("LANG", "en_GB.UTF-8");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    ReportCopyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_copy_test.moc"
