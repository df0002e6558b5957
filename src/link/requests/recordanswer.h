#pragma once

#include "link/serverlink.h"
#include "model/recordlayout.h"

// Cutting a list answer into records: a count line ("Num" + kind), then the
// records. A failure turns the answer into one with result 1 and a text.
namespace RecordAnswer {

// Name of the request in count messages ("GetArtikelInfo" for 130).
QString messageName(const RequestDescriptor& d);
// "StrToInt of Num<kind> \"<line>\" failed (<name>)!" for the command framing,
// "StrToInt of Num<kind> \"<line>\" failed!" for the others.
QString countFailedText(const RequestDescriptor& d, const QString& line);
// The answer announced more records than it holds.
QString tooShortText(const RequestDescriptor& d, qsizetype count, qsizetype lines);
void fail(LinkAnswer& a, const QString& text);

// Decodes lines[countIndex] and the records after it; blockLength defaults
// to the descriptor's lines per record, then to the record's field count.
template <class R>
bool decodeCounted(const RequestDescriptor& d, LinkAnswer& a, QList<R>& out, qsizetype blockLength = 0,
                   qsizetype countIndex = 0, FieldTable<R> fields = RecordLayout<R>::fields()) {
    out.clear();
    if (!a.ok())
        return false;
    if (blockLength <= 0)
        blockLength = d.linesPerRecord > 0 ? d.linesPerRecord : RecordCodec::fieldCount<R>();
    const QString countLine = a.lines.value(countIndex);
    bool ok = false;
    const qsizetype n = countLine.trimmed().toLongLong(&ok);
    if (!ok || n < 0) {
        fail(a, countFailedText(d, countLine));
        return false;
    }
    if (!RecordCodec::decodeCounted<R>(a.lines, countIndex, blockLength, out, fields)) {
        fail(a, tooShortText(d, n, a.lines.size() - countIndex - 1));
        return false;
    }
    return true;
}

} // namespace RecordAnswer
