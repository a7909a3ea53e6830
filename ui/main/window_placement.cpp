// Placing the program's fixed-size windows on the desktop.
#include "window_placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace kelvane {

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* desktop = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace kelvane
