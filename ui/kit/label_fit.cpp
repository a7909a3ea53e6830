// Sizing text labels to their text, with one measurement for every label of the same text and look.
#include "kit/label_fit.h"

#include <QFont>
#include <QHash>
#include <QHashFunctions>
#include <QLabel>
#include <QSize>
#include <QString>
#include <QStyle>

#include <utility>

namespace kelvane {

namespace {

// Everything a text label's size hint depends on.
struct MeasureKey
{
    const QMetaObject* type;
    QString style;
    QFont font;
    int dpiX, dpiY, margin, indent;
    QMargins contents;
    Qt::TextFormat format;
    QString text;

    explicit MeasureKey(const QLabel& label)
        : type(label.metaObject()), style(label.style()->name()), font(label.font()),
          dpiX(label.logicalDpiX()), dpiY(label.logicalDpiY()), margin(label.margin()),
          indent(label.indent()), contents(label.contentsMargins()), format(label.textFormat()),
          text(label.text())
    {}

    bool operator==(const MeasureKey& other) const
    {
        return type == other.type && style == other.style && font == other.font && dpiX == other.dpiX &&
               dpiY == other.dpiY && margin == other.margin && indent == other.indent &&
               contents == other.contents && format == other.format && text == other.text;
    }
};

size_t qHash(const MeasureKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font, key.dpiY, key.margin, key.indent);
}

} // namespace

void FitLabelToText(QLabel& label)
{
    // A picture or a wrapped text is sized as it comes.
    if (!label.pixmap().isNull() || label.wordWrap()) {
        label.adjustSize();
        return;
    }
    // The labels only ever show a bounded set of texts; the bound keeps a long session from growing it.
    constexpr qsizetype kMaxMeasured = 4096;
    static QHash<MeasureKey, QSize> measured;
    label.ensurePolished(); // as adjustSize() does: the style may still change the label's font
    MeasureKey key(label);
    if (const auto found = measured.constFind(key); found != measured.constEnd()) {
        label.resize(*found);
        return;
    }
    label.adjustSize();
    // adjustSize() leaves a label without a valid size hint as it was; such a label is not remembered.
    const QSize size = label.sizeHint();
    if (!size.isValid() || size != label.size()) {
        return;
    }
    if (measured.size() >= kMaxMeasured) {
        measured.clear();
    }
    measured.insert(std::move(key), size);
}

} // namespace kelvane
