// Opening a document with the desktop's program for its type, and learning whether that worked.
#pragma once

#include <QString>

#include <functional>

class QObject;

namespace kelvane {

// Asks the desktop to open the file with the program it keeps for the file's type, and calls `done`
// with whether it was opened, without keeping the caller waiting: at once where the desktop answers at
// once, later where a helper program must finish first. `done` is not called once `context` is gone.
void OpenDocument(const QString& absolutePath, QObject* context, std::function<void(bool opened)> done);

} // namespace kelvane
