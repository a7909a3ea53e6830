// A reference window for the start-up figures: the main window's controls rebuilt as plain Qt widgets.
#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace kelvane::bench {

// Writes what a plain copy of window needs: every control's kind, parent, place, text, entries, font,
// state and visibility, in the order they were made. Returns false when the file cannot be written.
bool SaveControlTree(const QWidget& window, const QString& path);

// The same controls made the ordinary way, as a form designer's generated code makes them: each one
// created, placed and given its text, with none of the program's own code. Null when the file cannot
// be read.
std::unique_ptr<QWidget> MakePlainCopy(const QString& path);

} // namespace kelvane::bench
