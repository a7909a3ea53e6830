// A picture that reports a left click, for the brand logos and the language flags.
#pragma once

#include <QLabel>

namespace kelvane {

class ClickableImage final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableImage)

public:
    // imagePath names a PNG picture.
    ClickableImage(const QString& imagePath, Qt::CursorShape cursor, QWidget* parent);

    void setVisible(bool visible) override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_imagePath; // still to be read; empty once the picture is in
    bool m_pressed = false;
};

} // namespace kelvane
