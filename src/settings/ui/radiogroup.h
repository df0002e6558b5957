#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A group box of radio buttons, one per item, with an item index. A
// language file reaches its items by the group's name and "Items".
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& caption, const QStringList& items,
               QWidget* parent = nullptr);

    int itemIndex() const;
    // Selects an item without the changed signal; -1 clears.
    void setItemIndex(int index);
    QStringList items() const;
    void setItemText(int index, const QString& text);
    void setItemEnabled(int index, bool enabled);

Q_SIGNALS:
    // The user chose an item.
    void itemChosen(int index);

private:
    QButtonGroup* m_buttons = nullptr;
};
