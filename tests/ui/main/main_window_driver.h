// Drives the main window the way a user does: clicks, Tab, arrow keys and typing into the focused control.
#pragma once

#include "main/tform1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace kelvane::testing {

// The controls of each valve as the window's documentation lists them, written out here on their own so
// a slip in the window's map shows up.
struct ValveNames
{
    const char* clearance;
    const char* shimBox;
    const char* thickness;
    const char* deviation;
    const char* installed;
    const char* required;
    const char* after;
};

inline constexpr ValveNames kValves[16] = {
    {"MaskEdit3", "ComboBox1", "MaskEdit8", "Label20", "Label33", "Label39", "Label45"},
    {"MaskEdit4", "ComboBox2", "MaskEdit6", "Label12", "Label34", "Label40", "Label46"},
    {"MaskEdit9", "ComboBox3", "MaskEdit11", "Label28", "Label35", "Label42", "Label51"},
    {"MaskEdit14", "ComboBox4", "MaskEdit13", "Label26", "Label36", "Label43", "Label52"},
    {"MaskEdit10", "ComboBox5", "MaskEdit12", "Label71", "Label76", "Label82", "Label88"},
    {"MaskEdit16", "ComboBox6", "MaskEdit15", "Label69", "Label77", "Label83", "Label89"},
    {"MaskEdit17", "ComboBox7", "MaskEdit18", "Label74", "Label78", "Label85", "Label91"},
    {"MaskEdit20", "ComboBox8", "MaskEdit19", "Label72", "Label79", "Label86", "Label92"},
    {"MaskEdit21", "ComboBox9", "MaskEdit22", "Label135", "Label140", "Label146", "Label152"},
    {"MaskEdit24", "ComboBox10", "MaskEdit23", "Label133", "Label141", "Label147", "Label153"},
    {"MaskEdit25", "ComboBox11", "MaskEdit26", "Label138", "Label142", "Label149", "Label155"},
    {"MaskEdit28", "ComboBox12", "MaskEdit27", "Label136", "Label143", "Label150", "Label156"},
    {"MaskEdit29", "ComboBox13", "MaskEdit30", "Label159", "Label164", "Label170", "Label176"},
    {"MaskEdit32", "ComboBox14", "MaskEdit31", "Label157", "Label165", "Label171", "Label177"},
    {"MaskEdit33", "ComboBox15", "MaskEdit34", "Label162", "Label166", "Label173", "Label179"},
    {"MaskEdit36", "ComboBox16", "MaskEdit35", "Label160", "Label167", "Label174", "Label180"},
};

inline bool IsExhaust(int valveIndex)
{
    return valveIndex % 4 < 2; // 0-based: exhaust I, exhaust II, intake I, intake II
}

template <typename T = QWidget> T* Control(const QWidget& form, const QString& name)
{
    return form.findChild<T*>(name);
}

inline QWidget* Focused()
{
    return QApplication::focusWidget();
}

inline QString FocusedName()
{
    const QWidget* focused = Focused();
    return focused != nullptr ? focused->objectName() : QStringLiteral("<no focus>");
}

// Shows the window and waits until it holds the keyboard.
[[nodiscard]] inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

[[nodiscard]] inline bool WaitForFocus(const QWidget* widget)
{
    return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 2000);
}

// A click at the left end of a field, so the cursor lands on its first position.
[[nodiscard]] inline bool ClickInto(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, widget->height() / 2));
    return WaitForFocus(widget);
}

inline void PressTab()
{
    QTest::keyClick(Focused(), Qt::Key_Tab);
}

inline void PressBacktab()
{
    QTest::keyClick(Focused(), Qt::Key_Backtab);
}

inline void PressEnter()
{
    QTest::keyClick(Focused(), Qt::Key_Return);
}

// Selects the field's whole text and types over it, as a user retyping a value.
inline void TypeOver(QLineEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, text);
    }
}

// Opens the box's list (a click on the box, or F4 when it has the focus already), walks to the entry with
// the arrow keys and takes it with Enter, as a user picks from a drop-down list.
[[nodiscard]] inline bool PickFromList(QComboBox* box, const QString& entry)
{
    const int row = box->findText(entry);
    if (row < 0) {
        return false;
    }
    if (box->hasFocus()) {
        QTest::keyClick(box, Qt::Key_F4);
    } else {
        QTest::mouseClick(box, Qt::LeftButton);
    }
    QAbstractItemView* list = box->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }, 2000)) {
        return false;
    }
    for (int at = list->currentIndex().row(); at != row; at += at < row ? 1 : -1) {
        QTest::keyClick(list, at < row ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(list, Qt::Key_Return);
    return QTest::qWaitFor([list] { return !list->isVisible(); }, 2000) && box->currentIndex() == row &&
           WaitForFocus(box);
}

// Steps the closed box to the entry with the arrow keys; every step is a pick of its own.
[[nodiscard]] inline bool StepTo(QComboBox* box, const QString& entry)
{
    const int row = box->findText(entry);
    if (row < 0 || !box->hasFocus()) {
        return false;
    }
    while (box->currentIndex() != row) {
        const int before = box->currentIndex();
        QTest::keyClick(box, before < row ? Qt::Key_Down : Qt::Key_Up);
        if (box->currentIndex() == before) {
            return false;
        }
    }
    return true;
}

// For as long as it lives, keys that a test types into a pick-only list count together however slow the
// machine is, as a user's keys in quick succession do, until typeAfterPause() pauses before its keys.
class TypingPace final
{
    Q_DISABLE_COPY_MOVE(TypingPace)

public:
    TypingPace() : m_before(QApplication::keyboardInputInterval())
    {
        QApplication::setKeyboardInputInterval(kTogether);
    }
    ~TypingPace() { QApplication::setKeyboardInputInterval(m_before); }

    // Pauses, then types `text` into the widget; its first key begins a new search.
    static void typeAfterPause(QWidget* widget, const QString& text)
    {
        QApplication::setKeyboardInputInterval(kPause);
        QTest::qWait(3 * kPause);
        QTest::keyClicks(widget, text.left(1));
        QApplication::setKeyboardInputInterval(kTogether);
        QTest::keyClicks(widget, text.mid(1));
    }

private:
    static constexpr int kTogether = 60000;
    static constexpr int kPause = 20;
    int m_before;
};

inline QString Text(const QWidget& form, const QString& name)
{
    if (const auto* field = Control<QLineEdit>(form, name)) {
        return field->displayText();
    }
    if (const auto* box = Control<QComboBox>(form, name)) {
        return box->currentText();
    }
    if (const auto* label = Control<QLabel>(form, name)) {
        return label->text();
    }
    return QStringLiteral("<no control %1>").arg(name);
}

} // namespace kelvane::testing
