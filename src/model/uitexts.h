#pragma once

#include <QString>
#include <QVariantList>

// The message texts the program composes at run time. Each key has a German
// text built in; a language file may replace it for the run. Every message
// that has a key is read through here, never written as a literal.
namespace Txt {

enum Key : int {
#define QTX_UI_TEXT(name, text) name,
#include "model/uitextlist.h"
#undef QTX_UI_TEXT
    KeyCount
};

// The key as the language file names it: "_" and the name.
QString keyName(Key key);
// The key of a name ("_Zustellung"); KeyCount when there is none.
Key find(QStringView name);
// The built-in German text.
QString germanText(Key key);

// The text of the run.
QString get(Key key);
// Replaces the text of the run; the language file does this at start.
void set(Key key, const QString& text);
// Back to the German texts.
void resetAll();

// Delphi-style formatting of a text with %s, %d, %x.yd, %x.yf and %%, the
// arguments taken in order; decimals with a comma. A missing argument
// leaves its placeholder empty.
QString format(const QString& pattern, const QVariantList& args);
inline QString get(Key key, const QVariantList& args) {
    return format(get(key), args);
}

} // namespace Txt
