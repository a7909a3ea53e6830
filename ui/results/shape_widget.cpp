// Painting of the diagram's circles and the legend's rectangles.
#include "results/shape_widget.h"

#include <QPainter>

namespace kelvane {

// No background is filled, so the corners outside a circle show what lies beneath.
ShapeWidget::ShapeWidget(Form form, QWidget* parent) : QWidget(parent), m_form(form) {}

void ShapeWidget::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_color);
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    if (m_form == Form::Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        painter.drawRect(outline);
    }
}

} // namespace kelvane
