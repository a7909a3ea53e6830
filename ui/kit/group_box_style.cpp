// Group boxes with their title on the frame line.
#include "kit/group_box_style.h"

#include <QHashFunctions>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <qdrawutil.h>

#include <utility>

namespace kelvane {

// Everything the base style's title and check-box rectangles of a group box depend on: the title is
// measured with the widget's font on the widget's screen.
struct GroupBoxStyle::RectKey
{
    SubControl sub;
    QRect rect;
    QString text;
    QFont font;
    int dpi;
    int alignment;
    int subControls;
    int features;
    Qt::LayoutDirection direction;

    bool operator==(const RectKey& other) const
    {
        return sub == other.sub && rect == other.rect && text == other.text && font == other.font &&
               dpi == other.dpi && alignment == other.alignment && subControls == other.subControls &&
               features == other.features && direction == other.direction;
    }
};

size_t qHash(const GroupBoxStyle::RectKey& key, size_t seed)
{
    return qHashMulti(seed, int(key.sub), key.rect.width(), key.rect.height(), key.text, key.font);
}

GroupBoxStyle::GroupBoxStyle(QObject* owner) : QProxyStyle(nullptr)
{
    setParent(owner);
}

GroupBoxStyle::~GroupBoxStyle() = default;

// The base style measures the title text for the title and the check-box rectangle alike, and a single
// paint of a group box asks for them four times. The window's few titles are measured once each.
QRect GroupBoxStyle::baseRect(const QStyleOptionGroupBox& option, SubControl sub, const QWidget* widget) const
{
    if (widget == nullptr || (sub != SC_GroupBoxLabel && sub != SC_GroupBoxCheckBox)) {
        return QProxyStyle::subControlRect(CC_GroupBox, &option, sub, widget);
    }
    RectKey key{sub,
                option.rect,
                option.text,
                widget->font(),
                widget->logicalDpiY(),
                int(option.textAlignment),
                int(option.subControls),
                int(option.features),
                option.direction};
    if (const auto found = m_measured.constFind(key); found != m_measured.constEnd()) {
        return *found;
    }
    const QRect rect = QProxyStyle::subControlRect(CC_GroupBox, &option, sub, widget);
    // The titles change only with the language; the bound keeps anything unforeseen from growing it.
    constexpr qsizetype kMaxMeasured = 256;
    if (m_measured.size() >= kMaxMeasured) {
        m_measured.clear();
    }
    m_measured.insert(std::move(key), rect);
    return rect;
}

QRect GroupBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                    const QWidget* widget) const
{
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || group == nullptr) {
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
    QRect rect = baseRect(*group, sub, widget);
    if (sub == SC_GroupBoxFrame && !group->text.isEmpty()) {
        rect.setTop(baseRect(*group, SC_GroupBoxLabel, widget).center().y());
    }
    return rect;
}

// An etched frame from the middle of the title down, broken where the title is, then the title itself.
// The break is painted over with the background rather than clipped out, which spares the painter a
// clip region with a hole in it for every paint.
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
        qDrawShadeRect(painter, frame, group->palette, true, 1, 0);
        if (!group->text.isEmpty()) {
            const QRect gap = subControlRect(control, option, SC_GroupBoxLabel, widget).adjusted(-2, 0, 2, 0);
            painter->fillRect(gap & group->rect, group->palette.window());
        }
    }
    QStyleOptionGroupBox title(*group);
    title.subControls = group->subControls & ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &title, painter, widget);
}

} // namespace kelvane
