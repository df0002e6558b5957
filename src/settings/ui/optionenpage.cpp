#include "settings/ui/optionenpage.h"

#include "settings/ui/radiogroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

OptionenPage::OptionenPage(const QString& name, const QString& caption, OptionsEditor& editor,
                           QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_caption(caption) {
    setObjectName(name);
    auto* layout = new QGridLayout(this);
    layout->setAlignment(Qt::AlignTop);
}

RadioGroup* OptionenPage::radio(const QString& name, const QString& caption, const QStringList& items) {
    auto* g = new RadioGroup(name, caption, items, this);
    place(g);
    return g;
}

QCheckBox* OptionenPage::check(const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption, this);
    c->setObjectName(name);
    place(c);
    return c;
}

QLineEdit* OptionenPage::edit(const QString& name, const QString& label, const QString& labelName) {
    // Label and field stay together in one cell.
    auto* cell = new QWidget(this);
    auto* v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    auto* l = new QLabel(label, cell);
    l->setObjectName(labelName);
    auto* e = new QLineEdit(cell);
    e->setObjectName(name);
    l->setBuddy(e);
    v->addWidget(l);
    v->addWidget(e);
    place(cell);
    return e;
}

void OptionenPage::place(QWidget* w, bool wide) {
    auto* grid = static_cast<QGridLayout*>(layout());
    if (wide) {
        if (m_column != 0) {
            ++m_row;
            m_column = 0;
        }
        grid->addWidget(w, m_row++, 0, 1, 2);
        return;
    }
    grid->addWidget(w, m_row, m_column);
    if (++m_column == 2) {
        m_column = 0;
        ++m_row;
    }
}
