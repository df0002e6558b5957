#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text on the wire. Payload lists travel in the ANSI code page (Windows-1252,
// which is not Latin-1: 0x80 is the euro sign) with CR LF after every line;
// protocol lines (codes, counts, greeting) are UTF-8.
namespace TextCodec {

// Lines in Windows-1252, each followed by CR LF, the last one too. No BOM.
QByteArray encodeList(const QStringList& lines);

// Payload bytes back into lines: a UTF-8 or UTF-16 (LE/BE) byte-order mark
// selects that encoding, otherwise Windows-1252. A final line break does not
// give an extra empty line.
QStringList decodeList(const QByteArray& bytes);

// Bytes to text as decodeList does, without splitting.
QString decodeText(const QByteArray& bytes);

// Splits at CR LF, CR or LF. A trailing break ends the last line; it does
// not open a new one.
QStringList splitLines(const QString& text);

// One protocol line: UTF-8 plus CR LF.
QByteArray encodeLine(const QString& line);
// A received protocol line: UTF-8, the LF and one trailing CR removed.
QString decodeLine(const QByteArray& line);

QByteArray toAnsi(const QString& text);
QString fromAnsi(const QByteArray& bytes);

} // namespace TextCodec
