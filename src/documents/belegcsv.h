#pragma once

#include <QDate>
#include <QString>

class StringGrid;

// "Zeilen lokal speichern": the lines grid as a CSV file.
namespace BelegCsv {

// The suggested file name by the current kind: prefix, "_", the head's
// number (booking lines and backorders: the date range), ".csv".
QString suggestedName(int kind, int tenant, const QString& number, const QDate& from, const QDate& to);
// A cell as written: ";" becomes "," and a line break a blank; one that a
// spreadsheet would take for a formula ("=", "+", "@", a tab, or "-" before
// anything but a number) gets a leading "'".
QString guarded(const QString& cell);
// The file's text: an empty line, then one line per grid row, header first,
// with the cell of every visible column followed by ";".
QString text(const StringGrid& grid);
// Writes the text in the ANSI code page; false with *error when it could not be written.
bool write(const QString& fileName, const StringGrid& grid, QString* error);

} // namespace BelegCsv
