// Placing the program's fixed-size windows on the desktop.
#pragma once

class QWidget;

namespace kelvane {

// Centres the window, frame included, on the available area of its screen.
void CentreOnScreen(QWidget& window);

} // namespace kelvane
