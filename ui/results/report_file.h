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

} // namespace kelvane
