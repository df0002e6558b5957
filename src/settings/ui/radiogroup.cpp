#include "settings/ui/radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this)) {
    setObjectName(name);
    // The buttons are the group's own parts: the items, not controls of their own.
    setProperty("qtxRadioGroup", true);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        m_buttons->addButton(b, i);
        layout->addWidget(b);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::itemChosen);
}

int RadioGroup::itemIndex() const {
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* b = m_buttons->button(index)) {
        b->setChecked(true);
        return;
    }
    m_buttons->setExclusive(false);
    for (QAbstractButton* b : m_buttons->buttons())
        b->setChecked(false);
    m_buttons->setExclusive(true);
}

QStringList RadioGroup::items() const {
    QStringList out;
    for (QAbstractButton* b : m_buttons->buttons())
        out << b->text();
    return out;
}

void RadioGroup::setItemText(int index, const QString& text) {
    if (QAbstractButton* b = m_buttons->button(index))
        b->setText(text);
}

void RadioGroup::setItemEnabled(int index, bool enabled) {
    if (QAbstractButton* b = m_buttons->button(index))
        b->setEnabled(enabled);
}
