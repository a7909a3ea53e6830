// The lazy building, first-time centring and filling on show of the secondary windows.
#include "kit/lazy_window.h"

#include "kit/accessible_window.h"
#include "kit/window_placement.h"

#include <QFont>
#include <QShowEvent>
#include <QSize>

namespace kelvane {

LazyWindow::LazyWindow(QSize size, const QFont& font, Qt::WindowFlags extraFlags, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | extraFlags)
{
    // Closing this window only hides it; it must not keep the program alive once the main window
    // is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    InstallWindowAccessibility();
    setFixedSize(size);
    setFont(font);
}

// The controls are made here rather than in the show event: Qt shows a window's children before it
// sends the window that event, and controls made afterwards would stay hidden.
void LazyWindow::setVisible(bool visible)
{
    if (visible && !m_built) {
        m_built = true;
        buildControls();
    }
    QWidget::setVisible(visible);
}

// Showing an already visible window sends no show event, so showing it again only raises it; a show
// the window system reports (a restore) refills nothing either.
void LazyWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (!m_placed) {
            CentreOnScreen(*this);
            m_placed = true;
        }
        FormShow();
    }
    QWidget::showEvent(event);
}

} // namespace kelvane
