// A filled circle or rectangle with a thin black outline, as the placement diagram and its legend draw them.
#pragma once

#include <QColor>
#include <QWidget>

namespace kelvane {

class ShapeWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShapeWidget)
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    enum class Form
    {
        Circle,
        Rectangle
    };

    ShapeWidget(Form form, QWidget* parent);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form m_form;
    QColor m_color = Qt::white;
};

} // namespace kelvane
