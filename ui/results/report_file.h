// Writing the report file: the date and time it carries, its bytes, and the failures the user is told of.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QDate;
class QDateTime;
class QLocale;
class QTime;

namespace kelvane {

// The user's short date with its fields in their order and widths, but always joined by "-", so
// the text can stand in a file name ("07-12-2026" for dd.MM.yyyy). Digits are plain ASCII, as the
// report's code page needs.
QString ReportDateText(const QLocale& locale, const QDate& date);

// Hours, minutes and seconds as the user's long time format writes them, without the time zone.
QString ReportTimeText(const QLocale& locale, const QTime& time);

// The report's bytes: every line in Windows-1251 followed by CR LF, no byte-order mark.
QByteArray EncodeReport(const std::vector<std::string>& lines);

// The text of the error box for the errno of a failed file operation.
QString ReportErrorText(int errorNumber);

// Writes the bytes through a temporary file beside the target, so an earlier file of the same name
// is replaced only by a complete report and a failure leaves nothing half-written behind. Returns
// the error box text of the first failure.
std::optional<QString> WriteReportFile(const QString& fileName, const QByteArray& bytes);

// ---- The copy the desktop shows ----
// The saved report stays Windows-1251, but the desktop's text editors read a file without a
// byte-order mark as UTF-8. So the viewer gets a copy of the same text in UTF-8, with the same name,
// in a folder of the program's own under the user's cache.

// Days a copy is kept; the clean-up at start-up removes older ones.
inline constexpr int kReportCopyDays = 7;

// The copies' folder: "kelvane" in the user's cache folder (XDG_CACHE_HOME, or ~/.cache).
QString ReportCopyFolder();

// The saved report's bytes as UTF-8, line ends and every character as they were.
QByteArray ReportCopyBytes(const QByteArray& savedBytes);

// Writes the copy into the folder, making the folder if need be, replacing an earlier copy of the
// same name, and leaves it read-only so that an editor cannot quietly keep changes in it. Returns
// its absolute path, or nothing when it could not be written.
std::optional<QString> WriteReportCopy(const QString& folder, const QString& fileName,
                                       const QByteArray& bytes);

// Removes the copies in the folder last written more than kReportCopyDays before `now`.
void RemoveOldReportCopies(const QString& folder, const QDateTime& now);

} // namespace kelvane
