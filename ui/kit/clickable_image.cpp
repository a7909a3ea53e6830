// A picture that reports a left click.
#include "kit/clickable_image.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

namespace kelvane {

ClickableImage::ClickableImage(const QString& imagePath, Qt::CursorShape cursor, QWidget* parent)
    : QLabel(parent), m_imagePath(imagePath)
{
    setCursor(cursor);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// A picture is read when it is first shown: of the four logos and two flags only one of each is ever
// on screen, and most users never see the others.
void ClickableImage::setVisible(bool visible)
{
    if (visible && !m_imagePath.isEmpty()) {
        // The pictures are PNG files: naming the format spares asking every image plugin about them
        // first, which loads them all.
        QImageReader reader(m_imagePath, QByteArrayLiteral("png"));
        reader.setAutoDetectImageFormat(false);
        setPixmap(QPixmap::fromImageReader(&reader));
        m_imagePath.clear();
    }
    QLabel::setVisible(visible);
}

void ClickableImage::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click counts when the button goes up over the picture it went down on.
void ClickableImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
    }
}

} // namespace kelvane
