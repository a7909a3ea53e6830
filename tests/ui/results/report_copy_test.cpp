// What the desktop is shown of a saved report: a read-only UTF-8 copy in the program's cache folder,
// while the saved file keeps its code page, and the clean-up of old copies.
#include "results/report_file.h"
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
#include <memory>

using kelvane::TForm3;
using kelvane::testing::Entries;
using kelvane::testing::ReadAll;
using kelvane::testing::ScopedEnvironment;
using kelvane::testing::ShownProgram;
using kelvane::testing::WorkingDirectory;

namespace {

// The moment of the expected reports, which a day.month.year, 24-hour locale writes as they do.
const QDateTime kMoment(QDate(2026, 12, 7), QTime(14, 5, 9));
const QString kRussianName = QStringLiteral("Kelvane 07-12-2026_rus.txt");
const QString kEnglishName = QStringLiteral("Kelvane 07-12-2026_eng.txt");

// The four-cylinder Honda job of the expected reports: clearance digits and installed shim by valve.
struct ValveEntry
{
    const char* clearance;
    const char* shim;
};
constexpr ValveEntry kFourCylinderJob[16] = {
    {"027", "122"}, {"020", "120"}, {"005", "130"}, {"010", "125"}, {"030", "120"}, {"018", "130"},
    {"025", "195"}, {"015", "150"}, {"010", "135"}, {"033", "200"}, {"004", "210"}, {"016", "140"},
    {"028", "120"}, {"021", "220"}, {"022", "125"}, {"015", "160"},
};

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

private:
    static bool typeFourCylinderJob(ShownProgram& job);
    static void save(ShownProgram& job);
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
        const ValveEntry& entry = kFourCylinderJob[valve - 1];
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

// The program's own folder in the user's cache, whatever the application is called.
void ReportCopyTest::copyFolder()
{
    QCOMPARE(kelvane::ReportCopyFolder(), cacheHome() + QStringLiteral("/kelvane"));
    ScopedEnvironment noCacheHome("XDG_CACHE_HOME", QByteArray());
    QCOMPARE(kelvane::ReportCopyFolder(), QDir::homePath() + QStringLiteral("/.cache/kelvane"));
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
    QCOMPARE(Entries(cacheHome() + QStringLiteral("/kelvane")), QStringList{name});
    const QByteArray copyBytes = ReadAll(copy);
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString copyText = utf8.decode(copyBytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(!copyBytes.startsWith("\xEF\xBB\xBF"));
    QStringDecoder cp1251("windows-1251");
    const QString savedText = cp1251.decode(saved);
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
    QVERIFY(typeFourCylinderJob(job));
    save(job);
    TForm3::setClock([] { return kMoment.addSecs(61); });
    save(job);
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());

    const QString folder = cacheHome() + QStringLiteral("/kelvane");
    const QString copy = folder + u'/' + kRussianName;
    QCOMPARE(m_opened, (QStringList{copy, copy}));
    QCOMPARE(Entries(folder), QStringList{kRussianName});
    const QByteArray copyBytes = ReadAll(copy);
    QVERIFY(copyBytes.contains("14:06:10\r\n"));
    QVERIFY(!copyBytes.contains("14:05:09"));
    QCOMPARE(copyBytes, kelvane::ReportCopyBytes(ReadAll(kRussianName)));
    QVERIFY(IsReadOnly(copy));

    // The English report of the day is a copy of its own beside it.
    QVERIFY(job.chooseEnglish());
    save(job);
    QCOMPARE(Entries(folder), (QStringList{kEnglishName, kRussianName}));
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

// Copies last written more than a week ago go; newer ones and files that are not copies stay.
void ReportCopyTest::oldCopiesRemoved()
{
    const QString folder = cacheHome() + QStringLiteral("/kelvane");
    QVERIFY(QDir().mkpath(folder));
    const QDateTime now = QDateTime::currentDateTime();
    constexpr qint64 kDay = 24 * 60 * 60;
    const struct
    {
        const char* name;
        qint64 age;
        bool kept;
    } files[] = {
        {"Kelvane 01-11-2026_rus.txt", 30 * kDay, false},
        {"Kelvane 29-11-2026_eng.txt", 7 * kDay + 60, false},
        {"Kelvane 29-11-2026_rus.txt.aBc123", 8 * kDay, false}, // left by an interrupted write
        {"Kelvane 01-12-2026_rus.txt", 7 * kDay - 60, true},
        {"Kelvane 07-12-2026_eng.txt", 0, true},
        {"notes.txt", 30 * kDay, true},
    };
    for (const auto& file : files) {
        const QString path = folder + u'/' + QString::fromLatin1(file.name);
        QVERIFY2(WriteAged(path, now, file.age), file.name);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner)); // copies are read-only
    }

    kelvane::RemoveOldReportCopies(folder, now);

    QStringList kept;
    for (const auto& file : files) {
        if (file.kept)
            kept.append(QString::fromLatin1(file.name));
    }
    kept.sort();
    QCOMPARE(Entries(folder), kept);

    // A folder that is not there yet is no error.
    kelvane::RemoveOldReportCopies(cacheHome() + QStringLiteral("/missing"), now);
    QVERIFY(!QFileInfo::exists(cacheHome() + QStringLiteral("/missing")));
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
