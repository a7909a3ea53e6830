// Placing the program's fixed-size windows on the desktop.
#include "kit/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace kelvane {

namespace {

// The frame the window system reports around a window; none before it has framed the window.
QMargins FrameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The window's own frame once known, otherwise that of another framed window of the program, whose
// title bar and borders the window manager draws alike.
QMargins ExpectedFrame(const QWidget& window)
{
    const QMargins own = FrameOf(window);
    if (!own.isNull() || window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible()) {
            const QMargins frame = FrameOf(*other);
            if (!frame.isNull())
                return frame;
        }
    }
    return own;
}

void Place(QWidget& window, QMargins frame)
{
    if (const QScreen* desktop = window.screen())
        window.setGeometry(CentredClientArea(window.size(), frame, desktop->availableGeometry()));
}

// Centres the window again when the window system first reports its frame, then goes away. A window
// manager frames a window after it is mapped and moves the client area into the frame, which the
// window hears of as a move; without a window manager no frame ever comes, and nothing moves.
class FrameWatcher final : public QObject
{
public:
    FrameWatcher(QWidget& window, QMargins expected)
        : QObject(&window), m_window(window), m_expected(expected)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window) {
            if (event->type() == QEvent::Hide) {
                deleteLater();
            } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                       event->type() == QEvent::WindowActivate) {
                const QMargins frame = FrameOf(m_window);
                if (!frame.isNull()) {
                    if (frame != m_expected)
                        Place(m_window, frame);
                    m_window.removeEventFilter(this);
                    deleteLater();
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
    QMargins m_expected;
};

} // namespace

QRect CentredClientArea(QSize client, QMargins frame, const QRect& available)
{
    QRect framed(QPoint(0, 0), client.grownBy(frame));
    framed.moveCenter(available.center());
    return QRect(framed.topLeft() + QPoint(frame.left(), frame.top()), client);
}

void CentreOnScreen(QWidget& window)
{
    const QMargins expected = ExpectedFrame(window);
    Place(window, expected);
    if (FrameOf(window).isNull() && !window.windowFlags().testFlag(Qt::FramelessWindowHint))
        new FrameWatcher(window, expected);
}

} // namespace kelvane
