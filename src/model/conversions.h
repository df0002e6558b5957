#pragma once

#include <QString>
#include <QStringView>

// Tolerant conversions of the text fields that the server sends: a value that
// does not convert gives the default instead of an error.
namespace Convert {

// Integer text, surrounding blanks allowed.
int toIntDef(QStringView text, int defaultValue);
qint64 toInt64Def(QStringView text, qint64 defaultValue);
bool tryToInt(QStringView text, int& value);

// Decimal number with a decimal comma (a point is accepted too); no grouping.
double toFloatDef(QStringView text, double defaultValue);

// Flag texts: "1", "J", "JA", "ON", "TRUE" (any case) are set, anything else is not.
bool isFlagSet(QStringView text);

} // namespace Convert
