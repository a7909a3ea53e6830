// Group boxes with their title on the frame line.
#include "group_box_style.h"

#include <QPainter>
#include <QRegion>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace kelvane {

GroupBoxStyle::GroupBoxStyle(QObject* owner) : QProxyStyle(nullptr)
{
    setParent(owner);
}

QRect GroupBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                    const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control == CC_GroupBox && sub == SC_GroupBoxFrame) {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (group != nullptr && !group->text.isEmpty()) {
            const QRect label = QProxyStyle::subControlRect(control, option, SC_GroupBoxLabel, widget);
            rect.setTop(label.center().y());
        }
    }
    return rect;
}

// An etched frame from the middle of the title down, broken where the title is, then the title itself.
void GroupBoxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const
{
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || group == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    if (group->subControls & SC_GroupBoxFrame) {
        const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
        painter->save();
        QRegion outside(group->rect);
        if (!group->text.isEmpty()) {
            outside -= subControlRect(control, option, SC_GroupBoxLabel, widget).adjusted(-2, 0, 2, 0);
        }
        painter->setClipRegion(outside);
        qDrawShadeRect(painter, frame, group->palette, true, 1, 0);
        painter->restore();
    }
    QStyleOptionGroupBox title(*group);
    title.subControls = group->subControls & ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &title, painter, widget);
}

} // namespace kelvane
