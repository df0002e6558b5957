#include "settings/ui/optionenpage.h"

#include "settings/ui/radiogroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

OptionenPage::OptionenPage(const QString& name, const QString& caption, OptionsEditor& editor,
                           QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_caption(caption) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setAlignment(Qt::AlignTop);
}

RadioGroup* OptionenPage::radio(const QString& name, const QString& caption, const QStringList& items) {
    auto* g = new RadioGroup(name, caption, items, this);
    layout()->addWidget(g);
    return g;
}

QCheckBox* OptionenPage::check(const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption, this);
    c->setObjectName(name);
    layout()->addWidget(c);
    return c;
}

QLineEdit* OptionenPage::edit(const QString& name, const QString& label, const QString& labelName) {
    auto* l = new QLabel(label, this);
    l->setObjectName(labelName);
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    l->setBuddy(e);
    layout()->addWidget(l);
    layout()->addWidget(e);
    return e;
}
