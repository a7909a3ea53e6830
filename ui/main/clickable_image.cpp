// A picture that reports a left click.
#include "clickable_image.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

namespace kelvane {

ClickableImage::ClickableImage(const QString& imagePath, Qt::CursorShape cursor, QWidget* parent)
    : QLabel(parent)
{
    // The pictures are PNG files: naming the format spares asking every image plugin about them first,
    // which loads them all.
    QImageReader reader(imagePath, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    setPixmap(QPixmap::fromImageReader(&reader));
    setCursor(cursor);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
