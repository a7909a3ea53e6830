// The viewer's UTF-8 copy of a saved report: where it goes, writing it safely, and the record of the
// copies the program wrote, by which alone old ones are removed.
#include "results/report_copy.h"

#include "report/code_page.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

#include <algorithm>
#include <optional>
#include <utility>

namespace kelvane {

namespace {

// The record of the copies, one line a copy as sha256sum writes it: the digest of the bytes the program
// wrote, two blanks, the file name. A file is a copy of the program's only while its name is listed with
// the digest of what it holds now, so a file the user saved or changed there is never one.
const QString kLedgerName = QStringLiteral(".copies.sha256");

struct LedgerEntry
{
    QByteArray digest; // hexadecimal
    QString name;
};
using Ledger = QList<LedgerEntry>;

constexpr QFileDevice::Permissions kReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions kWritable = kReadOnly | QFileDevice::WriteOwner | QFileDevice::WriteUser;

QByteArray Digest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

std::optional<QByteArray> FileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result().toHex();
}

Ledger ReadLedger(const QString& folder)
{
    Ledger ledger;
    QFile file(QDir(folder).filePath(kLedgerName));
    if (!file.open(QIODevice::ReadOnly))
        return ledger;
    constexpr qsizetype kDigestLength = 64;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.size() > kDigestLength + 2 && line.mid(kDigestLength, 2) == "  ")
            ledger.append({line.left(kDigestLength), QString::fromUtf8(line.mid(kDigestLength + 2))});
    }
    return ledger;
}

bool WriteLedger(const QString& folder, const Ledger& ledger)
{
    const QString path = QDir(folder).filePath(kLedgerName);
    if (ledger.isEmpty())
        return !QFileInfo::exists(path) || QFile::remove(path);
    QByteArray text;
    for (const LedgerEntry& entry : ledger)
        text += entry.digest + "  " + entry.name.toUtf8() + '\n';
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

bool IsListed(const Ledger& ledger, const QString& name, const QByteArray& digest)
{
    return std::any_of(ledger.begin(), ledger.end(), [&](const LedgerEntry& entry) {
        return entry.name == name && entry.digest == digest;
    });
}

bool IsCopy(const Ledger& ledger, const QString& folder, const QString& name)
{
    const std::optional<QByteArray> digest = FileDigest(QDir(folder).filePath(name));
    return digest && IsListed(ledger, name, *digest);
}

bool SameFile(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Whether `name` is what QSaveFile leaves beside `listed` when a write of it is cut short: the name
// followed by a point and six characters.
bool IsLeftoverOf(const QString& name, const QString& listed)
{
    return name.size() == listed.size() + 7 && name.startsWith(listed) && name.at(listed.size()) == u'.';
}

} // namespace

// ---- Where and whether: the one place the platforms differ ----
//
// Debian's text editors take a file without a byte-order mark for UTF-8, so there the viewer always
// gets a UTF-8 copy, in the user's cache. Windows' Notepad takes such a file, when it is no valid UTF-8,
// for text in the system's ANSI code page: under a Russian system locale (code page 1251) it shows the
// report itself as written, under any other its Russian letters and "±" come out wrong. There the copy
// is made only when the code page is another, in the user's local application data, and with a
// byte-order mark, which every Notepad reads as UTF-8 (older ones need it).

namespace {

#if defined(Q_OS_WIN)
constexpr bool kCopyHasByteOrderMark = true;
bool DesktopShowsTheReportAsItIs()
{
    return GetACP() == 1251;
}
#else
constexpr bool kCopyHasByteOrderMark = false;
bool DesktopShowsTheReportAsItIs()
{
    return false;
}
#endif

} // namespace

QString ReportCopyFolder()
{
#if defined(Q_OS_WIN)
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return local.isEmpty() ? QString() : QDir::cleanPath(local + QStringLiteral("/Kelvane/Report copies"));
#elif defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The XDG base-directory rules: a relative XDG_CACHE_HOME is invalid and ignored, and without a
    // home there is no cache at all (Qt would take the root folder for the home).
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(cache)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home) || QDir(home).isRoot())
            return {};
        cache = home + QStringLiteral("/.cache");
    }
    return QDir::cleanPath(cache + QStringLiteral("/kelvane"));
#else
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : QDir::cleanPath(cache + QStringLiteral("/kelvane"));
#endif
}

QByteArray ReportCopyBytes(const QByteArray& savedBytes)
{
    const QByteArray text = QByteArray::fromStdString(Windows1251ToUtf8(savedBytes.toStdString()));
    return kCopyHasByteOrderMark ? QByteArray("\xEF\xBB\xBF") + text : text;
}

std::optional<QString> WriteReportCopy(const QString& folder, const QString& savedPath,
                                       const QByteArray& bytes)
{
    if (folder.isEmpty() || DesktopShowsTheReportAsItIs() || !QDir().mkpath(folder))
        return std::nullopt;
    const QString name = QFileInfo(savedPath).fileName();
    const QString path = QDir(folder).absoluteFilePath(name);
    if (SameFile(path, savedPath))
        return std::nullopt;

    Ledger ledger = ReadLedger(folder);
    const QFileInfo existing(path);
    const bool replacing = existing.exists() || existing.isSymLink();
    if (replacing && !IsCopy(ledger, folder, name))
        return std::nullopt;

    // Listed before it is written, so that no copy of the program's ever stands unlisted; an entry whose
    // file never came is dropped by the clean-up.
    const QByteArray digest = Digest(bytes);
    if (!IsListed(ledger, name, digest)) {
        ledger.append({digest, name});
        if (!WriteLedger(folder, ledger))
            return std::nullopt;
    }

    // The earlier copy is read-only, and QSaveFile will not replace a file it may not write. It stays
    // until the new one has been written completely, so a full disk leaves it as it was.
    if (replacing)
        QFile::setPermissions(path, kWritable);
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit();
    QFile::setPermissions(path, kReadOnly);
    if (!written)
        return std::nullopt;

    // The replaced copy's entry is no longer needed; if it cannot be dropped now, the clean-up will.
    const qsizetype before = ledger.size();
    ledger.removeIf([&](const LedgerEntry& entry) { return entry.name == name && entry.digest != digest; });
    if (ledger.size() != before)
        WriteLedger(folder, ledger);
    return path;
}

void ReleaseReportCopy(const QString& folder, const QString& path)
{
    if (folder.isEmpty() || !SameFile(QFileInfo(path).absolutePath(), folder))
        return;
    const QString name = QFileInfo(path).fileName();
    if (IsCopy(ReadLedger(folder), folder, name))
        QFile::setPermissions(path, kWritable);
}

void RemoveOldReportCopies(const QString& folder, const QDateTime& now)
{
    if (folder.isEmpty())
        return;
    const Ledger ledger = ReadLedger(folder);
    if (ledger.isEmpty())
        return;
    const QDateTime oldest = now.addDays(-kReportCopyDays);
    const QDir dir(folder);

    Ledger kept;
    for (const LedgerEntry& entry : ledger) {
        const QString path = dir.filePath(entry.name);
        if (FileDigest(path) != entry.digest)
            continue; // gone, or no longer what the program wrote: not its copy any more
        if (QFileInfo(path).lastModified() < oldest) {
            QFile::setPermissions(path, kWritable); // a read-only file cannot be removed everywhere
            if (QFile::remove(path))
                continue;
            QFile::setPermissions(path, kReadOnly);
        }
        kept.append(entry);
    }

    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const bool leftover = std::any_of(ledger.begin(), ledger.end(), [&](const LedgerEntry& listed) {
            return IsLeftoverOf(entry.fileName(), listed.name);
        });
        if (leftover && entry.lastModified() < oldest)
            QFile::remove(entry.absoluteFilePath());
    }

    if (kept.size() != ledger.size())
        WriteLedger(folder, kept);
}

} // namespace kelvane
