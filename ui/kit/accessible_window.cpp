// Accessibility for the program's plain top-level windows: the role of a window.
#include "kit/accessible_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace kelvane {

namespace {

QAccessibleInterface* WindowFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    // Asked once for each class up the object's chain; answered for the object's own class only.
    if (widget == nullptr || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (!widget->isWindow() || widget->windowType() != Qt::Window)
        return nullptr;
    // Only a window made straight from QWidget: Qt's own widgets, a combo box or a dialog shown as a
    // window of its own included, keep the interface Qt gives them.
    const QMetaObject* qtClass = object->metaObject();
    while (qtClass != nullptr && qtClass->className()[0] != 'Q')
        qtClass = qtClass->superClass();
    if (qtClass != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void InstallWindowAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&WindowFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace kelvane
