// The accessible interface of combo boxes: name from the accessible name, value from the shown entry.
#include "kit/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace kelvane {

namespace {

class ComboBoxAccessible final : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString name = box()->accessibleName();
            return name.isEmpty() ? shownText() : name;
        }
        if (kind == QAccessible::Value) {
            return shownText();
        }
        return QAccessibleWidget::text(kind);
    }

    // The children are the drop-down list and, in an editable box, its line edit, as with Qt's own
    // interface, so a screen reader follows the list when it opens.
    int childCount() const override { return box()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(box()->view());
        }
        if (index == 1 && box()->isEditable()) {
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        }
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr) {
            return -1;
        }
        if (child->object() == box()->view()) {
            return 0;
        }
        if (box()->isEditable() && child->object() == box()->lineEdit()) {
            return 1;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (box()->isEditable() && box()->lineEdit()->rect().contains(x, y)) {
            return child(1);
        }
        return nullptr;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            if (box()->view()->isVisible()) {
                box()->hidePopup();
            } else {
                box()->showPopup();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString shownText() const
    {
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }
};

QAccessibleInterface* ComboBoxFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QComboBox")) {
        return nullptr;
    }
    auto* box = qobject_cast<QComboBox*>(object);
    return box != nullptr ? new ComboBoxAccessible(box) : nullptr;
}

} // namespace

void InstallComboBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ComboBoxFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace kelvane
