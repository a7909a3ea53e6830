// Picking an entry of a pick-only list by typing how it begins.
#pragma once

#include <QElapsedTimer>
#include <QString>

class QComboBox;
class QObject;

namespace kelvane {

// Keys typed in quick succession into a closed pick-only box make up the start of the entry to pick, as
// pick-only lists do on the desktops; a pause longer than the application's keyboard input interval
// starts a new beginning, and so does typing into another box. One instance serves all boxes of a window.
class TypeAhead final
{
    Q_DISABLE_COPY_MOVE(TypeAhead)

public:
    TypeAhead() = default;

    // Adds `typed` to what was typed before and returns the first entry of `box` that begins with the
    // whole of it, case aside, or -1 when no entry does. The box itself is left as it is.
    int entryFor(const QComboBox& box, const QString& typed);

private:
    const QObject* m_box = nullptr; // compared only, never followed
    QString m_typed;
    QElapsedTimer m_sinceLastKey;
};

} // namespace kelvane
