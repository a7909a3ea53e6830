// Date and time texts of the report, its encoding, and writing it safely with errors the user can read.
#include "results/report_file.h"

#include "report/code_page.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QTime>

#include <cerrno>
#include <sys/stat.h>

namespace kelvane {

namespace {

bool IsDateField(QChar c)
{
    return c == u'd' || c == u'M' || c == u'y';
}

// A quoted literal of a date-time format: 'text', where '' stands for one quote. Returns the
// index just past it.
qsizetype SkipQuoted(const QString& format, qsizetype i)
{
    ++i;
    while (i < format.size()) {
        if (format[i] == u'\'') {
            if (i + 1 < format.size() && format[i + 1] == u'\'') {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

// Hands each piece of a date-time format to `visit` in order: a quoted literal with its quotes, a run of
// one letter (a field), or any other single character.
template <typename Visit> void ForEachFormatPiece(const QString& format, Visit visit)
{
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        const bool quoted = c == u'\'';
        qsizetype end = i + 1;
        if (quoted) {
            end = SkipQuoted(format, i);
        } else if (c.isLetter()) {
            while (end < format.size() && format[end] == c)
                ++end;
        }
        visit(QStringView(format).mid(i, end - i), quoted);
        i = end;
    }
}

bool IsZoneOpening(QChar c)
{
    return c.isSpace() || c == u'(' || c == u'[';
}
bool IsZoneClosing(QChar c)
{
    return c.isSpace() || c == u')' || c == u']';
}

// Whether the folder the file goes into is gone: not there at all, or removed while the process still
// stands in it (a removed directory keeps no links).
bool FolderIsGone(const QString& fileName)
{
    struct stat status;
    const QByteArray folder = QFile::encodeName(QFileInfo(fileName).path());
    if (::stat(folder.constData(), &status) != 0)
        return errno == ENOENT;
    return status.st_nlink == 0;
}

} // namespace

QString ReportDateText(const QLocale& locale, const QDate& date)
{
    // Every run of the date letters is a field; whatever stands between two fields (separators,
    // blanks, quoted words, direction marks) becomes one "-".
    QStringList fields;
    ForEachFormatPiece(locale.dateFormat(QLocale::ShortFormat), [&](QStringView piece, bool quoted) {
        if (!quoted && IsDateField(piece.front()))
            fields.append(piece.toString());
    });
    // The C locale keeps digits ASCII and any month name in plain letters.
    return QLocale::c().toString(date, fields.join(u'-'));
}

QString ReportTimeText(const QLocale& locale, const QTime& time)
{
    // The format unchanged, except that the time-zone field goes together with the blanks and
    // brackets that set it apart ("HH:mm:ss t", "H:mm:ss (t)"); what follows it is set off by one blank.
    QString kept;
    bool afterZone = false;
    ForEachFormatPiece(locale.timeFormat(QLocale::LongFormat), [&](QStringView piece, bool quoted) {
        if (!quoted && piece.front() == u't') {
            while (!kept.isEmpty() && IsZoneOpening(kept.back()))
                kept.chop(1);
            afterZone = true;
            return;
        }
        if (afterZone) {
            if (!quoted && piece.size() == 1 && IsZoneClosing(piece.front()))
                return;
            if (!kept.isEmpty())
                kept += u' ';
            afterZone = false;
        }
        kept += piece;
    });
    return QLocale::c().toString(time, kept.trimmed());
}

QByteArray EncodeReport(const std::vector<std::string>& lines)
{
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += QByteArray::fromStdString(Utf8ToWindows1251(line));
        bytes += "\r\n";
    }
    return bytes;
}

QString ReportErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return QStringLiteral("File access denied");
    case ENOSPC:
#ifdef EDQUOT // no disk quotas on Windows
    case EDQUOT:
#endif
    case EFBIG:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(errorNumber);
    }
}

std::optional<QString> WriteReportFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);

    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        int error = errno;
        // A working folder removed since start-up refuses the temporary file with EPERM before any
        // ENOENT can show; the folder is missing all the same.
        if (FolderIsGone(fileName))
            error = ENOTDIR;
        // QSaveFile turns a directory in the file's place away before asking the system, so no
        // errno tells of it; creating a file over a directory is refused access.
        if (QFileInfo(fileName).isDir())
            error = EISDIR;
        // Creating a file fails with ENOENT only when a directory on its way is missing (a removed
        // working directory, a link into a removed folder): the path, not the file, is not found.
        if (error == ENOENT)
            error = ENOTDIR;
        return ReportErrorText(error != 0 ? error : EIO);
    }

    // Write and flush here rather than leave the flush to commit(): commit() would still rename a
    // temporary file whose last buffered bytes did not fit on the disk.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        file.cancelWriting();
        // A write that cannot be completed without an errno is a short write: the disk is full.
        return ReportErrorText(error != 0 ? error : ENOSPC);
    }

    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return ReportErrorText(error != 0 ? error : EIO);
    }
    return std::nullopt;
}

} // namespace kelvane
