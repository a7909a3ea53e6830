// Picking an entry of a pick-only list by typing how it begins.
#include "kit/type_ahead.h"

#include <QApplication>
#include <QComboBox>

namespace kelvane {

int TypeAhead::entryFor(const QComboBox& box, const QString& typed)
{
    const bool goesOn = m_box == &box && m_sinceLastKey.isValid() &&
                        m_sinceLastKey.elapsed() <= QApplication::keyboardInputInterval();
    m_box = &box;
    m_sinceLastKey.start();
    m_typed = goesOn ? m_typed + typed : typed;
    for (int entry = 0; entry < box.count(); ++entry) {
        if (box.itemText(entry).startsWith(m_typed, Qt::CaseInsensitive)) {
            return entry;
        }
    }
    return -1;
}

} // namespace kelvane
