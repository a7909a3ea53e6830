// Placing the program's fixed-size windows on the desktop.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace kelvane {

// Centres the window, frame included, on the available area of its screen. The window system
// tells a window's frame only once it has framed the window (on X11, when the window manager has
// reparented it): until then the frame of another framed window of the program stands in for it,
// and the window is centred once more when its own frame first becomes known.
void CentreOnScreen(QWidget& window);

// Where the client area goes so that the client area with its frame is centred on `available`.
QRect CentredClientArea(QSize client, QMargins frame, const QRect& available);

} // namespace kelvane
