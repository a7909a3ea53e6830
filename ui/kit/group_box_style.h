// Group boxes with their title on the frame line, so the controls placed just below the title have room.
#pragma once

#include <QHash>
#include <QProxyStyle>
#include <QRect>

class QStyleOptionGroupBox;

namespace kelvane {

class GroupBoxStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupBoxStyle)

public:
    explicit GroupBoxStyle(QObject* owner);
    ~GroupBoxStyle() override;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    struct RectKey;

private:
    QRect baseRect(const QStyleOptionGroupBox& option, SubControl sub, const QWidget* widget) const;

    mutable QHash<RectKey, QRect> m_measured;
};

} // namespace kelvane
