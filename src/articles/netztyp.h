#pragma once

#include <QSet>
#include <QString>

// Relation types of net articles: 1 to 9, named from one ";"-separated text.
namespace Netztyp {

// The names of the run, from the message text NetzTypInfo.
QString typeNames();
// The display name of a type; "???" outside 1 to 9.
QString name(int typ, const QString& names = typeNames());
// The type of a net article's type text; 0 when it is no number.
int fromText(const QString& text);

// Types offered as alternatives, and the add-on sale.
inline const QSet<int> alternatives{1, 2, 3, 5, 7};
inline const QSet<int> mitverkauf{4};

} // namespace Netztyp
