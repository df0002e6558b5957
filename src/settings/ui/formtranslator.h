#pragma once

#include <QList>
#include <QObject>
#include <QString>

class LanguageFile;
class QWidget;

// Applies a language file to windows: the window's section names its
// caption (key = window name) and its controls by objectName: the text, and
// "Hint", "Items" or "Lines". A control with the property "tag" 99 is the
// program's own and keeps its text.
namespace FormTranslator {

// The controls of a window that a language file addresses: tab pages, group
// boxes, buttons, labels, actions, menus, lists and memos, without the
// parts Qt builds inside its own widgets and without menu separators.
QList<QObject*> controls(QWidget* form);

// Controls the file could not reach: no name, or a name used twice in the
// window. One line per control: class, name and where it sits.
QStringList unreachable(QWidget* form);

// Translates one window from its section; false when the file has none.
bool translate(QWidget* form, const LanguageFile& file);
// Every top-level window that has a name.
int translateAll(const LanguageFile& file);

} // namespace FormTranslator
