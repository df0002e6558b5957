#include "settings/ui/formtranslator.h"

#include "settings/languagefile.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

namespace FormTranslator {
namespace {

// A page of a tab widget: its parent is the tab widget's stack.
QTabWidget* tabWidgetOf(const QWidget* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// Qt builds these of its own parts; the parts are not the program's controls.
bool isComposite(const QObject* o) {
    if (o->property("qtxRadioGroup").toBool())
        return true;
    return qobject_cast<const QTabBar*>(o) || qobject_cast<const QAbstractSpinBox*>(o) ||
           qobject_cast<const QAbstractItemView*>(o) || qobject_cast<const QComboBox*>(o) ||
           qobject_cast<const QCalendarWidget*>(o) || qobject_cast<const QLineEdit*>(o) ||
           qobject_cast<const QTextEdit*>(o) || qobject_cast<const QPlainTextEdit*>(o);
}

bool isControl(QObject* o) {
    // A submenu's own action is the menu itself.
    if (auto* a = qobject_cast<QAction*>(o))
        return !a->isSeparator() && !a->menu();
    // A menu is a control where it hangs in a menu bar or a menu; popups
    // of Qt's own (the menu bar's overflow) and context menus have no title.
    if (auto* m = qobject_cast<QMenu*>(o)) {
        const QList<QObject*> owners = m->menuAction()->associatedObjects();
        return std::any_of(owners.begin(), owners.end(), [](QObject* owner) {
            return qobject_cast<QMenuBar*>(owner) || qobject_cast<QMenu*>(owner);
        });
    }
    if (qobject_cast<QGroupBox*>(o) || qobject_cast<QAbstractButton*>(o) || qobject_cast<QLabel*>(o) ||
        qobject_cast<QComboBox*>(o) || qobject_cast<QListWidget*>(o) || qobject_cast<QPlainTextEdit*>(o) ||
        qobject_cast<QTextEdit*>(o))
        return true;
    auto* w = qobject_cast<QWidget*>(o);
    return w && tabWidgetOf(w);
}

void collect(QObject* parent, QList<QObject*>& out) {
    for (QObject* child : parent->children()) {
        // A window of its own has its own section; a menu pops up but belongs here.
        if (auto* w = qobject_cast<QWidget*>(child); w && w->isWindow() && !qobject_cast<QMenu*>(w))
            continue;
        // Qt's own parts (the tab widget's stack, ...) hold the program's controls.
        if (isControl(child) && !child->objectName().startsWith(u"qt_"))
            out << child;
        if (!isComposite(child))
            collect(child, out);
    }
}

bool keepsText(const QObject* o) {
    return o->property("tag").toInt() == 99;
}

void setHint(QObject* o, const QString& hint) {
    if (auto* a = qobject_cast<QAction*>(o)) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
        w->setToolTip(hint);
    }
}

void setItems(QObject* o, const QStringList& items) {
    if (auto* c = qobject_cast<QComboBox*>(o)) {
        if (c->count() == items.size()) {
            for (int i = 0; i < items.size(); ++i)
                c->setItemText(i, items.at(i));
        } else {
            const int index = c->currentIndex();
            c->clear();
            c->addItems(items);
            c->setCurrentIndex(qMin(index, c->count() - 1));
        }
    } else if (auto* l = qobject_cast<QListWidget*>(o)) {
        if (l->count() == items.size()) {
            for (int i = 0; i < items.size(); ++i)
                l->item(i)->setText(items.at(i));
        } else {
            l->clear();
            l->addItems(items);
        }
    } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
        // A radio group: its buttons in order.
        const QList<QRadioButton*> buttons = g->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < buttons.size() && i < items.size(); ++i)
            buttons.at(i)->setText(items.at(i));
    }
}

void translateControl(QObject* o, const LanguageFile& file, const QString& section) {
    const QString name = o->objectName();
    const auto value = [&](const QString& suffix) { return file.value(section, name + suffix); };
    const QString text = value(QString());
    const QString hint = value(QStringLiteral("Hint"));
    const QString items = value(QStringLiteral("Items"));
    const QString lines = value(QStringLiteral("Lines"));
    if (!text.isEmpty()) {
        const QString t = LanguageFile::controlText(text);
        if (auto* a = qobject_cast<QAction*>(o))
            a->setText(t);
        else if (auto* m = qobject_cast<QMenu*>(o))
            m->setTitle(t);
        else if (auto* g = qobject_cast<QGroupBox*>(o))
            g->setTitle(t);
        else if (auto* b = qobject_cast<QAbstractButton*>(o))
            b->setText(t);
        else if (auto* l = qobject_cast<QLabel*>(o))
            l->setText(t);
        else if (auto* w = qobject_cast<QWidget*>(o); w && tabWidgetOf(w))
            tabWidgetOf(w)->setTabText(tabWidgetOf(w)->indexOf(w), t);
    }
    const bool hasHint =
        !qobject_cast<QGroupBox*>(o) && (qobject_cast<QAction*>(o) || !tabWidgetOf(static_cast<QWidget*>(o)));
    if (!hint.isNull() && hasHint)
        setHint(o, LanguageFile::controlText(hint));
    if (!items.isEmpty())
        setItems(o, LanguageFile::entries(items));
    if (!lines.isNull()) {
        const QString joined = LanguageFile::entries(lines).join(u'\n');
        if (auto* p = qobject_cast<QPlainTextEdit*>(o))
            p->setPlainText(joined);
        else if (auto* t = qobject_cast<QTextEdit*>(o))
            t->setPlainText(joined);
    }
}

} // namespace

QList<QObject*> controls(QWidget* form) {
    QList<QObject*> out;
    if (form)
        collect(form, out);
    return out;
}

QStringList unreachable(QWidget* form) {
    QStringList out;
    QHash<QString, int> seen;
    const QList<QObject*> all = controls(form);
    for (QObject* o : all)
        ++seen[o->objectName()];
    for (QObject* o : all) {
        if (keepsText(o))
            continue;
        const QString name = o->objectName();
        QString where;
        for (QObject* p = o->parent(); p && p != form; p = p->parent()) {
            if (!p->objectName().isEmpty()) {
                where = p->objectName();
                break;
            }
        }
        QString label;
        if (auto* a = qobject_cast<QAction*>(o))
            label = a->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(o))
            label = b->text();
        else if (auto* l = qobject_cast<QLabel*>(o))
            label = l->text().left(30);
        else if (auto* g = qobject_cast<QGroupBox*>(o))
            label = g->title();
        if (name.isEmpty())
            out << QStringLiteral("%1: %2 \"%3\" in %4 has no name")
                       .arg(form->objectName(), QString::fromLatin1(o->metaObject()->className()), label,
                            where);
        else if (seen.value(name) > 1)
            out << QStringLiteral("%1: %2 \"%3\" in %4 shares its name")
                       .arg(form->objectName(), QString::fromLatin1(o->metaObject()->className()), name,
                            where);
    }
    return out;
}

bool translate(QWidget* form, const LanguageFile& file) {
    const QString section = form ? form->objectName() : QString();
    if (section.isEmpty() || !file.hasSection(section))
        return false;
    const QString caption = file.value(section, section);
    if (!caption.isEmpty())
        form->setWindowTitle(LanguageFile::controlText(caption));
    for (QObject* o : controls(form)) {
        if (!o->objectName().isEmpty() && !keepsText(o))
            translateControl(o, file, section);
    }
    return true;
}

int translateAll(const LanguageFile& file) {
    if (file.isEmpty())
        return 0;
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (translate(w, file))
            ++count;
    }
    return count;
}

} // namespace FormTranslator
