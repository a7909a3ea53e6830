// Saving the report from the results window: its name, its bytes, replacing it, failures to write, and
// a desktop that cannot show it.
#include "results/report_file.h"
#include "window_driver.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <memory>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using kelvane::TForm3;
using kelvane::testing::Entries;
using kelvane::testing::ReadAll;
using kelvane::testing::ShownProgram;
using kelvane::testing::ToCp1251;
using kelvane::testing::WorkingDirectory;

namespace {

const QDateTime kMoment(QDate(2026, 12, 7), QTime(13, 5, 9));
// What the user's settings of this test (en_US: M/d/yy, h:mm:ss AP; Windows' own US format has a
// four-digit year) make of that moment.
#ifdef Q_OS_WIN
const QByteArray kDateText = "12-7-2026";
#else
const QByteArray kDateText = "12-7-26";
#endif
const QString kRussianName = QStringLiteral("Kelvane %1_rus.txt").arg(QLatin1String(kDateText));
const QString kEnglishName = QStringLiteral("Kelvane %1_eng.txt").arg(QLatin1String(kDateText));

#ifndef Q_OS_WIN
// A small memory file system mounted for one test; only root may mount.
class Tmpfs final
{
public:
    Tmpfs(const QString& path, const char* options) : m_path(QFile::encodeName(path))
    {
        m_mounted = geteuid() == 0 && ::mount("tmpfs", m_path.constData(), "tmpfs", 0, options) == 0;
    }
    ~Tmpfs()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    bool remountReadOnly() const
    {
        return m_mounted &&
               ::mount("tmpfs", m_path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
};

#endif

// Where the desktop is shown a saved report: its UTF-8 copy in the program's cache folder.
QString CopyPath(const QString& name)
{
    return QDir(kelvane::ReportCopyFolder()).absoluteFilePath(name);
}

#ifndef Q_OS_WIN
// Writes until the file system has no room left.
bool FillDisk(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    int error = 0;
    while (true) {
        if (::write(fd, block.constData(), std::size_t(block.size())) < 0) {
            error = errno;
            break;
        }
    }
    ::close(fd);
    return error == ENOSPC;
}
#endif

} // namespace

class ReportSaveTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dateAndTimeTexts_data();
    void dateAndTimeTexts();
    void savesDatedFileAndOpensIt();
    void englishAndRussianAreTwoFiles();
    void secondSaveReplacesTheFirst();
    void readOnlyDirectory();
    void directoryInTheFilesPlace();
    void fullDisk();
    void tooManyOpenFiles();
    void linkIntoMissingFolder();
    void removedWorkingFolder();
    void savedButNotOpened_data();
    void savedButNotOpened();

private:
    // A job with both lists in use: valves 1 and 2 swap shims, valve 5 needs a new 125.
    static bool prepareJob(ShownProgram& job);
    static void save(ShownProgram& job);
    // Saves while `provoke` holds the failing condition; `release` ends it before the checks.
    void expectFailure(ShownProgram& job, const QString& directory, const QString& text,
                       const std::function<void()>& provoke = {}, const std::function<void()>& release = {});

    QStringList m_opened;
    bool m_desktopOpens = true;
    // Each test's own cache folder, so no copy lands in the user's.
    std::unique_ptr<kelvane::testing::TestCache> m_cache;
};

void ReportSaveTest::init()
{
    m_opened.clear();
    m_desktopOpens = true;
    m_cache = std::make_unique<kelvane::testing::TestCache>();
    QVERIFY(m_cache->ok());
    TForm3::setDocumentOpener([this](const QString& path) {
        m_opened.append(path);
        return m_desktopOpens;
    });
    TForm3::setClock([] { return kMoment; });
}

void ReportSaveTest::cleanup()
{
    TForm3::setDocumentOpener({});
    TForm3::setClock({});
    m_cache.reset();
}

bool ReportSaveTest::prepareJob(ShownProgram& job)
{
    return job.typeClearance(1, QStringLiteral("025")) && job.pickShim(2, QStringLiteral("125")) &&
           job.typeClearance(2, QStringLiteral("015")) && job.typeClearance(5, QStringLiteral("025")) &&
           job.recalculateAndSelect() && ShownProgram::rowsInUse(job.interchangeGrid()) == 2 &&
           ShownProgram::rowsInUse(job.purchaseGrid()) == 1;
}

void ReportSaveTest::save(ShownProgram& job)
{
    QTest::mouseClick(job.resultsControl<QPushButton>("Button2"), Qt::LeftButton);
}

// The failure is told in the application's error box, nothing is opened, the directory holds what
// it held, and the program goes on with its windows as they were.
void ReportSaveTest::expectFailure(ShownProgram& job, const QString& directory, const QString& text,
                                   const std::function<void()>& provoke, const std::function<void()>& release)
{
    const QStringList before = Entries(directory);
    QHash<QString, QByteArray> contents;
    for (const QString& entry : before)
        contents.insert(entry, ReadAll(directory + u'/' + entry));
    m_opened.clear();

    if (provoke)
        provoke();
    save(job);
    if (release)
        release();

    QCOMPARE(kelvane::MessageBox::takeRecorded(), QStringList{QStringLiteral("Kelvane|") + text});
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(Entries(directory), before);
    for (const QString& entry : before)
        QCOMPARE(ReadAll(directory + u'/' + entry), contents.value(entry));
    QVERIFY(job.results.isVisible());
    QVERIFY(job.main.isVisible());
}

void ReportSaveTest::dateAndTimeTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("en_US M/d/yy") << "en_US"
                                  << "12-7-26"
                                  << "1:05:09 PM";
    QTest::newRow("en_GB dd/MM/yyyy") << "en_GB"
                                      << "07-12-2026"
                                      << "13:05:09";
    QTest::newRow("ru_RU dd.MM.yyyy") << "ru_RU"
                                      << "07-12-2026"
                                      << "13:05:09";
    QTest::newRow("hu_HU yyyy. MM. dd.") << "hu_HU"
                                         << "2026-12-07"
                                         << "13:05:09";
    QTest::newRow("bg_BG quoted year mark") << "bg_BG"
                                            << "7-12-26"
                                            << "13:05:09 ч.";
    QTest::newRow("fa_IR zone in brackets") << "fa_IR"
                                            << "2026-12-7"
                                            << "13:05:09";
    QTest::newRow("ar_EG native digits") << "ar_EG"
                                         << "7-12-2026"
                                         << "1:05:09 PM";
}

void ReportSaveTest::dateAndTimeTexts()
{
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    const QLocale user(locale);
    const QString dateText = kelvane::ReportDateText(user, kMoment.date());
    QCOMPARE(dateText, date);
    QVERIFY(!dateText.contains(u'/'));
    QCOMPARE(kelvane::ReportTimeText(user, kMoment.time()), time);
}

void ReportSaveTest::savesDatedFileAndOpensIt()
{
    QVERIFY2(QLocale::system().dateFormat(QLocale::ShortFormat).contains(u'/'),
             "the test runs with a short date written with slashes");
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    WorkingDirectory cwd(directory.path());
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    save(job);

    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    QCOMPARE(Entries(directory.path()), QStringList{kRussianName});
    const QString path = QDir(directory.path()).absoluteFilePath(kRussianName);
    QCOMPARE(m_opened, QStringList{CopyPath(kRussianName)});

    const QByteArray bytes = ReadAll(path);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    QCOMPARE(bytes.count("\r"), bytes.count("\r\n"));
    QVERIFY(bytes.contains(" " + kDateText + "\r\n"));
    QVERIFY(bytes.contains("1:05:09 PM\r\n"));

    // The lists come from the grids: source, shim number and destination of every row in use.
    const QString blanks5(5, u' ');
    const QString blanks7(7, u' ');
    const QString firstInterchange = QStringLiteral("Цилиндр 1 вып. II   ") + blanks5 +
                                     QStringLiteral("125                 ") + QStringLiteral(" 1.250") +
                                     blanks7 + QStringLiteral("Цилиндр 1 вып. I    ");
    const QString secondInterchange = QStringLiteral("Цилиндр 1 вып. I    ") + blanks5 +
                                      QStringLiteral("120                 ") + QStringLiteral(" 1.200") +
                                      blanks7 + QStringLiteral("Цилиндр 1 вып. II   ");
    QVERIFY(bytes.contains(ToCp1251(firstInterchange) + "\r\n"));
    QVERIFY(bytes.contains(ToCp1251(secondInterchange) + "\r\n"));
    const QString purchaseTail = blanks5 + QStringLiteral("125                 ") + QStringLiteral(" 1.250") +
                                 blanks7 + QStringLiteral("Цилиндр 2 вып. I    ");
    QVERIFY(bytes.contains(ToCp1251(purchaseTail) + "\r\n"));
    QVERIFY(bytes.contains(ToCp1251(QStringLiteral("Список новых шайб на заказ"))));
}

void ReportSaveTest::englishAndRussianAreTwoFiles()
{
    QTemporaryDir directory;
    WorkingDirectory cwd(directory.path());
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    save(job);
    // The report follows the main window's language at the click, even with the window unchanged.
    QVERIFY(job.activateMain());
    QTest::mouseClick(job.mainControl<QWidget>("Image6"), Qt::LeftButton);
    save(job);

    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    QCOMPARE(Entries(directory.path()), (QStringList{kEnglishName, kRussianName}));
    QCOMPARE(m_opened.size(), 2);
    QVERIFY(ReadAll(kEnglishName).contains("List of new shims to buy"));
    QVERIFY(ReadAll(kRussianName).contains(ToCp1251(QStringLiteral("Список новых шайб на заказ"))));
}

void ReportSaveTest::secondSaveReplacesTheFirst()
{
    QTemporaryDir directory;
    WorkingDirectory cwd(directory.path());
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    save(job);
    QVERIFY(ReadAll(kRussianName).contains("1:05:09 PM"));

    TForm3::setClock([] { return kMoment.addSecs(61); });
    save(job);

    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    QCOMPARE(Entries(directory.path()), QStringList{kRussianName});
    const QByteArray second = ReadAll(kRussianName);
    QVERIFY(second.contains("1:06:10 PM"));
    QVERIFY(!second.contains("1:05:09 PM"));
    QCOMPARE(m_opened.size(), 2);
}

void ReportSaveTest::readOnlyDirectory()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no read-only mount and ignores a folder's read-only attribute for writing");
#else
    QTemporaryDir scratch;
    const QString disk = scratch.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    // Root writes into any directory whatever its permissions, so it needs a read-only file system.
    Tmpfs tmpfs(disk, "size=256k");
    WorkingDirectory cwd(disk);
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    save(job); // the earlier report of the day
    QCOMPARE(Entries(disk), QStringList{kRussianName});

    if (geteuid() == 0) {
        if (!tmpfs.remountReadOnly())
            QSKIP("running as root without the right to mount a read-only file system");
    } else {
        QVERIFY(QFile::setPermissions(disk, QFile::ReadOwner | QFile::ExeOwner));
    }
    expectFailure(job, disk, QStringLiteral("File access denied"));
    if (geteuid() != 0)
        QFile::setPermissions(disk, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
}

void ReportSaveTest::directoryInTheFilesPlace()
{
    QTemporaryDir directory;
    WorkingDirectory cwd(directory.path());
    QVERIFY(cwd.ok());
    QVERIFY(QDir().mkdir(kRussianName));

    ShownProgram job;
    QVERIFY(prepareJob(job));
    expectFailure(job, directory.path(), QStringLiteral("File access denied"));
    QVERIFY(QFileInfo(kRussianName).isDir());
    QVERIFY(Entries(kRussianName).isEmpty());

    // Once the way is clear the same click writes the report.
    QVERIFY(QDir().rmdir(kRussianName));
    save(job);
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
    QVERIFY(QFileInfo(kRussianName).isFile());
    QCOMPARE(m_opened.size(), 1);
}

void ReportSaveTest::fullDisk()
{
#ifdef Q_OS_WIN
    QSKIP("filling a small file system needs mount or a file-size limit, which Windows lacks");
#else
    QTemporaryDir scratch;
    const QString disk = scratch.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    Tmpfs tmpfs(disk, "size=64k");
    WorkingDirectory cwd(disk);
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    save(job); // the earlier report of the day
    QCOMPARE(Entries(disk), QStringList{kRussianName});
    TForm3::setClock([] { return kMoment.addSecs(61); });

    if (tmpfs.mounted()) {
        QVERIFY(FillDisk(disk + QStringLiteral("/filler")));
        expectFailure(job, disk, QStringLiteral("Disk full"));
        return;
    }
    // Without a file system of its own (no right to mount) the test lets no file grow beyond a few
    // bytes, which the system reports as a write that cannot be completed.
    rlimit previous{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &previous) == 0);
    void (*previousHandler)(int) = SIG_DFL;
    const auto limitFiles = [&] {
        rlimit tiny = previous;
        tiny.rlim_cur = 512;
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    };
    const auto unlimitFiles = [&] {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    };
    expectFailure(job, disk, QStringLiteral("Disk full"), limitFiles, unlimitFiles);
#endif
}

void ReportSaveTest::tooManyOpenFiles()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no per-process limit of open files to exhaust");
#else
    QTemporaryDir directory;
    WorkingDirectory cwd(directory.path());
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    save(job);
    QCOMPARE(m_opened.size(), 1);

    // Every descriptor the limit allows is taken, so the report's file cannot be opened.
    rlimit previous{};
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &previous) == 0);
    QList<int> taken;
    const auto takeAll = [&] {
        int highest = 2;
        const QStringList open =
            QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System);
        for (const QString& entry : open)
            highest = std::max(highest, entry.toInt());
        rlimit narrow = previous;
        narrow.rlim_cur = rlim_t(highest + 2);
        ::setrlimit(RLIMIT_NOFILE, &narrow);
        for (int fd = ::open("/dev/null", O_RDONLY); fd >= 0; fd = ::open("/dev/null", O_RDONLY))
            taken.append(fd);
    };
    const auto releaseAll = [&] {
        for (const int fd : taken)
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &previous);
    };
    expectFailure(job, directory.path(), QStringLiteral("Too many open files"), takeAll, releaseAll);
    QVERIFY(!taken.isEmpty());
#endif
}

void ReportSaveTest::linkIntoMissingFolder()
{
#ifdef Q_OS_WIN
    QSKIP("symbolic links need privileges on Windows");
#else
    QTemporaryDir directory;
    WorkingDirectory cwd(directory.path());
    QVERIFY(cwd.ok());
    // The report's name is a link into a folder that is gone: the path cannot be found.
    QVERIFY(QFile::link(QStringLiteral("removed-folder/report.txt"), kRussianName));

    ShownProgram job;
    QVERIFY(prepareJob(job));
    expectFailure(job, directory.path(), QStringLiteral("Invalid filename"));
    QVERIFY(QFileInfo(kRussianName).isSymLink());
    QVERIFY(!QFileInfo::exists(QStringLiteral("removed-folder")));
#endif
}

void ReportSaveTest::removedWorkingFolder()
{
#ifdef Q_OS_WIN
    QSKIP("Windows does not let a folder in use as a working folder be removed");
#else
    QTemporaryDir scratch;
    const QString folder = scratch.filePath(QStringLiteral("job"));
    QVERIFY(QDir().mkpath(folder));
    WorkingDirectory cwd(folder);
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    // The folder goes while the program stands in it, as when another program deletes it.
    const auto removeFolder = [&] { QVERIFY(QDir().rmdir(folder)); };
    expectFailure(job, folder, QStringLiteral("Invalid filename"), removeFolder);
    QVERIFY(!QFileInfo::exists(folder));
#endif
}

void ReportSaveTest::savedButNotOpened_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saidBefore");
    QTest::addColumn<QString>("saidAfter");
    QTest::newRow("Russian") << false << kRussianName << QStringLiteral("Отчет сохранен в файл\n")
                             << QStringLiteral("\n(кодировка Windows-1251), но открыть его не удалось: не "
                                               "нашлось программы для просмотра текстовых файлов.");
    QTest::newRow("English") << true << kEnglishName << QStringLiteral("The report was saved to\n")
                             << QStringLiteral("\n(Windows-1251 text), but it could not be opened: no "
                                               "program to view text files was found.");
}

// The report is written, so the save did not fail; but the desktop has nothing to show it with, and
// the user is told where the file is, in the interface language.
void ReportSaveTest::savedButNotOpened()
{
    QFETCH(bool, english);
    QFETCH(QString, name);
    QFETCH(QString, saidBefore);
    QFETCH(QString, saidAfter);
    QTemporaryDir directory;
    WorkingDirectory cwd(directory.path());
    QVERIFY(cwd.ok());

    ShownProgram job;
    QVERIFY(prepareJob(job));
    if (english) {
        QVERIFY(job.chooseEnglish());
    }
    m_desktopOpens = false;
    save(job);

    const QString path = QDir(directory.path()).absoluteFilePath(name);
    QCOMPARE(kelvane::MessageBox::takeRecorded(),
             QStringList{QStringLiteral("Kelvane|") + saidBefore + path + saidAfter});
    QCOMPARE(Entries(directory.path()), QStringList{name});
    QVERIFY(ReadAll(path).contains(english ? QByteArray("List of new shims to buy")
                                           : ToCp1251(QStringLiteral("Список новых шайб на заказ"))));
    QCOMPARE(m_opened, QStringList{CopyPath(name)});
    QVERIFY(job.results.isVisible());

    // Once the desktop can show it, the next save says nothing.
    m_desktopOpens = true;
    save(job);
    QVERIFY(kelvane::MessageBox::takeRecorded().isEmpty());
}

int main(int argc, char* argv[])
{
    // A short date written with slashes and a twelve-hour clock, the hardest case for a file name.
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    ReportSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "report_save_test.moc"
