// A captioned group of radio buttons whose selection is an item index.
#include "kit/radio_group.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>

namespace kelvane {

// The items are named after the group ("RadioGroup3Item0" …), so they can be told apart in the focus chain.
RadioGroup::RadioGroup(const QString& name, int columns, const QStringList& items, QWidget* parent)
    : QGroupBox(parent), m_columns(columns < 1 ? 1 : columns)
{
    setObjectName(name);
    setItems(items);
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (const QRadioButton* button : m_buttons) {
        texts.append(button->text());
    }
    return texts;
}

void RadioGroup::setItems(const QStringList& items)
{
    // The buttons are kept when the count stays, so the focus chain and the event filters that the
    // window put on them survive a change of texts.
    if (items.size() != m_buttons.size()) {
        rebuildButtons(static_cast<int>(items.size()));
    }
    setItemIndex(-1);
    for (int i = 0; i < items.size(); ++i) {
        m_buttons[i]->setText(items[i]);
    }
    layoutButtons(); // widths follow the texts
}

int RadioGroup::itemIndex() const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->isChecked()) {
            return i;
        }
    }
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < m_buttons.size()) {
        m_buttons[index]->setChecked(true);
    } else {
        // Auto-exclusive buttons refuse to clear the last checked one; lift that for a moment.
        for (QRadioButton* button : m_buttons) {
            if (button->isChecked()) {
                button->setAutoExclusive(false);
                button->setChecked(false);
                button->setAutoExclusive(true);
            }
        }
    }
    updateTabStops();
}

QRadioButton* RadioGroup::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

bool RadioGroup::holds(const QWidget* widget) const
{
    return widget != nullptr && (widget == this || isAncestorOf(widget));
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    layoutButtons();
}

void RadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layoutButtons();
    }
}

void RadioGroup::rebuildButtons(int count)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(this);
        button->setObjectName(objectName() + QStringLiteral("Item") + QString::number(i));
        connect(button, &QRadioButton::clicked, this, [this, i] { emit itemClicked(i); });
        connect(button, &QRadioButton::toggled, this, [this] { updateTabStops(); });
        button->show();
        m_buttons.append(button);
    }
}

// Buttons fill the columns top to bottom, below the caption, each column an equal share of the width.
void RadioGroup::layoutButtons()
{
    if (m_buttons.isEmpty()) {
        return;
    }
    const int count = static_cast<int>(m_buttons.size());
    const int perColumn = (count + m_columns - 1) / m_columns;
    const int captionHeight = QFontMetrics(font()).height();
    const int columnWidth = (width() - 10) / m_columns;
    const int spare = height() - captionHeight - 5;
    const int rowHeight = spare / perColumn;
    const int top = captionHeight + 1 + (spare % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        // An item whose text is wider than its column reaches into the next one rather than being cut;
        // the next item's circle is drawn over blank space only.
        const int left = (i / perColumn) * columnWidth + 8;
        const int itemWidth = qMin(qMax(columnWidth, m_buttons[i]->sizeHint().width()), width() - 2 - left);
        m_buttons[i]->setGeometry(left, (i % perColumn) * rowHeight + top, itemWidth, rowHeight);
    }
}

// Tab stops only at the selected item (the first one while none is selected); the arrow keys move
// between the items, and a click reaches any of them.
void RadioGroup::updateTabStops()
{
    const int selected = itemIndex();
    for (int i = 0; i < m_buttons.size(); ++i) {
        const bool stop = selected < 0 ? i == 0 : i == selected;
        m_buttons[i]->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace kelvane
