// A secondary window that makes its controls when first shown and fills them each time it is shown.
#pragma once

#include <QWidget>

class QFont;
class QSize;

namespace kelvane {

// The About and results windows: created at start-up but perhaps never opened, so their controls are
// made on the first showing and do not delay the main window's first appearance. Every showing by the
// program (not a restore by the window system) fills the window anew before it is displayed; the first
// one also centres it. Closing only hides it, and it never keeps the program alive.
class LazyWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LazyWindow)

public:
    void setVisible(bool visible) override;

protected:
    // A fixed-size window with a title bar, a system menu and a close button, plus `extraFlags`.
    LazyWindow(QSize size, const QFont& font, Qt::WindowFlags extraFlags, QWidget* parent);

    virtual void buildControls() = 0; // once, before the first showing
    virtual void FormShow() = 0;      // every showing, before the window is displayed

    void showEvent(QShowEvent* event) override;

private:
    bool m_built = false;
    bool m_placed = false;
};

} // namespace kelvane
