// The main window's controls rebuilt as plain Qt widgets, from a description written by the parent.
#include "plain_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QStringList>

#include <vector>

namespace kelvane::bench {

namespace {

enum class Kind : qint32
{
    Widget,
    GroupBox,
    Label,
    LineEdit,
    ComboBox,
    RadioButton,
    CheckBox,
    PushButton
};

struct Control
{
    Kind kind = Kind::Widget;
    qint32 parent = -1; // index of an earlier control; -1 for the window
    QRect geometry;
    QString text;
    QString inputMask;
    QStringList entries;
    qint32 current = -1;
    QPixmap picture;
    bool ownFont = false;
    QFont font;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
};

QDataStream& operator<<(QDataStream& out, const Control& c)
{
    return out << qint32(c.kind) << c.parent << c.geometry << c.text << c.inputMask << c.entries << c.current
               << c.picture << c.ownFont << c.font << c.visible << c.enabled << c.checked;
}

QDataStream& operator>>(QDataStream& in, Control& c)
{
    qint32 kind = 0;
    in >> kind >> c.parent >> c.geometry >> c.text >> c.inputMask >> c.entries >> c.current >> c.picture >>
        c.ownFont >> c.font >> c.visible >> c.enabled >> c.checked;
    c.kind = Kind(kind);
    return in;
}

Control Describe(const QWidget& widget, qint32 parent)
{
    Control c;
    c.parent = parent;
    c.geometry = widget.geometry();
    c.ownFont = widget.testAttribute(Qt::WA_SetFont);
    c.font = widget.font();
    c.visible = !widget.isHidden();
    c.enabled = widget.isEnabled();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        c.kind = Kind::GroupBox;
        c.text = group->title();
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        c.kind = Kind::Label;
        c.text = label->text();
        c.picture = label->pixmap();
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        c.kind = Kind::LineEdit;
        c.inputMask = edit->inputMask();
        c.text = edit->text();
    } else if (const auto* box = qobject_cast<const QComboBox*>(&widget)) {
        c.kind = Kind::ComboBox;
        for (int i = 0; i < box->count(); ++i) {
            c.entries.append(box->itemText(i));
        }
        c.current = box->currentIndex();
    } else if (const auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
        c.kind = Kind::RadioButton;
        c.text = radio->text();
        c.checked = radio->isChecked();
    } else if (const auto* check = qobject_cast<const QCheckBox*>(&widget)) {
        c.kind = Kind::CheckBox;
        c.text = check->text();
        c.checked = check->isChecked();
    } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        c.kind = Kind::PushButton;
        c.text = button->text();
    }
    return c;
}

// The controls below widget, parents before children; the parts a control makes for itself (a combo
// box's list, a line edit's buttons) are its own business and not copied.
void Collect(const QWidget& widget, qint32 index, std::vector<Control>& controls)
{
    if (qobject_cast<const QComboBox*>(&widget) != nullptr ||
        qobject_cast<const QLineEdit*>(&widget) != nullptr) {
        return;
    }
    for (const QObject* child : widget.children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control == nullptr || control->isWindow() ||
            control->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        controls.push_back(Describe(*control, index));
        Collect(*control, qint32(controls.size() - 1), controls);
    }
}

QWidget* Make(const Control& c, QWidget* parent)
{
    switch (c.kind) {
    case Kind::GroupBox:
        return new QGroupBox(c.text, parent);
    case Kind::Label: {
        auto* label = new QLabel(c.text, parent);
        if (!c.picture.isNull()) {
            label->setPixmap(c.picture);
        }
        return label;
    }
    case Kind::LineEdit: {
        auto* edit = new QLineEdit(parent);
        edit->setInputMask(c.inputMask);
        edit->setText(c.text);
        return edit;
    }
    case Kind::ComboBox: {
        auto* box = new QComboBox(parent);
        box->addItems(c.entries);
        box->setCurrentIndex(c.current);
        return box;
    }
    case Kind::RadioButton: {
        auto* radio = new QRadioButton(c.text, parent);
        radio->setChecked(c.checked);
        return radio;
    }
    case Kind::CheckBox: {
        auto* check = new QCheckBox(c.text, parent);
        check->setChecked(c.checked);
        return check;
    }
    case Kind::PushButton:
        return new QPushButton(c.text, parent);
    case Kind::Widget:
        break;
    }
    return new QWidget(parent);
}

} // namespace

bool SaveControlTree(const QWidget& window, const QString& path)
{
    std::vector<Control> controls;
    Collect(window, -1, controls);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    QDataStream out(&file);
    out << window.size() << window.windowTitle() << window.font() << window.palette()
        << window.autoFillBackground() << qint32(controls.size());
    for (const Control& c : controls) {
        out << c;
    }
    return out.status() == QDataStream::Ok;
}

std::unique_ptr<QWidget> MakePlainCopy(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    QDataStream in(&file);
    QSize size;
    QString title;
    QFont font;
    QPalette palette;
    bool fillBackground = false;
    qint32 count = 0;
    in >> size >> title >> font >> palette >> fillBackground >> count;
    if (in.status() != QDataStream::Ok || count < 0) {
        return nullptr;
    }
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(title);
    window->setFixedSize(size);
    window->setFont(font);
    window->setPalette(palette);
    window->setAutoFillBackground(fillBackground);
    std::vector<QWidget*> made;
    made.reserve(std::size_t(count));
    for (qint32 i = 0; i < count; ++i) {
        Control c;
        in >> c;
        if (in.status() != QDataStream::Ok || c.parent >= i) {
            return nullptr;
        }
        QWidget* widget = Make(c, c.parent < 0 ? window.get() : made[std::size_t(c.parent)]);
        if (c.ownFont) {
            widget->setFont(c.font);
        }
        widget->setGeometry(c.geometry);
        widget->setEnabled(c.enabled);
        if (!c.visible) {
            widget->hide();
        }
        made.push_back(widget);
    }
    return window;
}

} // namespace kelvane::bench
