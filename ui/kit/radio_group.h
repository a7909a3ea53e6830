// A captioned group of radio buttons whose selection is an item index, laid out in columns.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

namespace kelvane {

class RadioGroup final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RadioGroup)

public:
    RadioGroup(const QString& name, int columns, const QStringList& items, QWidget* parent);

    QStringList items() const;
    // Replaces the item texts; afterwards no item is selected, as in an emptied and refilled list.
    void setItems(const QStringList& items);

    int itemIndex() const; // -1 when no item is selected
    void setItemIndex(int index);

    QRadioButton* button(int index) const;
    int count() const { return static_cast<int>(m_buttons.size()); }
    bool holds(const QWidget* widget) const;

signals:
    // The user picked an item, by mouse or by arrow key.
    void itemClicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuildButtons(int count);
    void layoutButtons();
    void updateTabStops();

    int m_columns;
    QList<QRadioButton*> m_buttons;
};

} // namespace kelvane
