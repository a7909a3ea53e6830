// The copy of a saved report that the desktop's viewer is shown, and the clean-up of old copies.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QDateTime;

namespace kelvane {

// The saved report stays Windows-1251, but the desktop's text editors read a file without a byte-order
// mark as UTF-8. So the viewer gets a copy of the same text in UTF-8, with the same name, in a folder of
// the program's own under the user's cache. The folder records every copy the program wrote there (its
// name and a digest of its bytes), so that nothing else that stands in it, a report saved there
// included, is ever taken for a copy: no copy replaces, removes or shadows another file.

// Days a copy is kept; the clean-up at start-up removes older ones.
inline constexpr int kReportCopyDays = 7;

// The copies' folder: "kelvane" in the user's cache folder (an absolute XDG_CACHE_HOME, or ~/.cache);
// on Windows "Kelvane\Report copies" in the user's local application data. Empty when the user has no
// such folder (no home), so that nothing is written elsewhere.
QString ReportCopyFolder();

// The saved report's bytes as UTF-8, line ends and every character as they were; on Windows after a
// byte-order mark, by which Notepad knows UTF-8.
QByteArray ReportCopyBytes(const QByteArray& savedBytes);

// Writes the copy of the report saved at `savedPath` into the folder under the report's name, making the
// folder if need be, and leaves it read-only so that an editor cannot quietly keep changes in it. An
// earlier copy of the same name is replaced only once the new one is completely written. Returns the
// copy's absolute path, or nothing when no copy is wanted or can stand there: the desktop shows the report
// as it is (Windows in code page 1251), the folder cannot be written, the report itself was saved there,
// or a file that is no copy has the name.
std::optional<QString> WriteReportCopy(const QString& folder, const QString& savedPath,
                                       const QByteArray& bytes);

// A report is about to be saved at `path`. Where a copy of the program's own stands there (the program
// was started in the copies' folder), it is made writable so the report can take its place.
void ReleaseReportCopy(const QString& folder, const QString& path);

// Removes the copies in the folder last written more than kReportCopyDays before `now`, and what an
// interrupted write of one of them left beside it. Files the program did not write stay.
void RemoveOldReportCopies(const QString& folder, const QDateTime& now);

} // namespace kelvane
