#pragma once

// Field order of the records that travel as lines, and the one routine that
// cuts lines into records and writes records back into lines.
//
// A record is declared once with an X-macro list of its fields:
//
//   #define TBEISPIEL_FIELDS(X) X(NUMMER) X(NAME)
//   QTX_RECORD(TBeispiel, TBEISPIEL_FIELDS)
//
// which gives a plain struct of QString members in that order and a
// RecordLayout<TBeispiel> with the member pointers and the column names.
// Server and client both use these tables, so their lines agree by
// construction.

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <span>
#include <type_traits>

template <class R> struct RecordLayout;

// A list of member pointers in travel order. A null entry is a line that is
// skipped on reading and written empty.
template <class R> using FieldTable = std::span<QString R::*const>;

#define QTX_FIELD_DECLARE(name) QString name;
#define QTX_FIELD_POINTER(name) &Record::name,
#define QTX_FIELD_NAME(name) #name,

#define QTX_RECORD(Rec, FIELDS)                                                                              \
    struct Rec {                                                                                             \
        FIELDS(QTX_FIELD_DECLARE)                                                                            \
        friend bool operator==(const Rec&, const Rec&) = default;                                            \
    };                                                                                                       \
    template <> struct RecordLayout<Rec> {                                                                   \
        using Record = Rec;                                                                                  \
        static constexpr QString Rec::*members[] = {FIELDS(QTX_FIELD_POINTER)};                              \
        static constexpr const char* names[] = {FIELDS(QTX_FIELD_NAME)};                                     \
        static constexpr qsizetype count = std::size(members);                                               \
        static FieldTable<Rec> fields() { return FieldTable<Rec>(members); }                                 \
    };

namespace RecordCodec {

// Field count of a record type.
template <class R> constexpr qsizetype fieldCount() {
    return RecordLayout<R>::count;
}

// Column name of field k (from 0) of a record type.
template <class R> QLatin1StringView fieldName(qsizetype k) {
    return QLatin1StringView(RecordLayout<R>::names[k]);
}

namespace detail {

// Copies (const list) or moves (list handed over) lines into fields.
template <class R, class List>
void fill(R& record, List& lines, qsizetype start, qsizetype available, FieldTable<R> fields) {
    if (start < 0 || start >= lines.size())
        return;
    qsizetype n = std::min<qsizetype>(available, qsizetype(fields.size()));
    n = std::min(n, lines.size() - start);
    if constexpr (std::is_const_v<List>) {
        const QString* line = lines.constData() + start;
        for (qsizetype k = 0; k < n; ++k) {
            if (QString R::*member = fields[k])
                record.*member = line[k];
        }
    } else {
        QString* line = lines.data() + start;
        for (qsizetype k = 0; k < n; ++k) {
            if (QString R::*member = fields[k])
                record.*member = std::move(line[k]);
        }
    }
}

template <class R, class List>
QList<R> cut(List& lines, qsizetype start, qsizetype count, qsizetype blockLength, FieldTable<R> fields) {
    QList<R> records;
    if (count <= 0 || blockLength <= 0 || start < 0 || start >= lines.size())
        return records;
    const qsizetype blocks = (lines.size() - start + blockLength - 1) / blockLength;
    count = std::min(count, blocks);
    records.resize(count);
    R* record = records.data();
    for (qsizetype i = 0; i < count; ++i)
        fill(record[i], lines, start + i * blockLength, blockLength, fields);
    return records;
}

} // namespace detail

// Fills the fields of one record from lines[start ...]. Only the first
// min(available, fields.size()) entries are read; lines missing at the end of
// the list leave their fields as they are.
template <class R>
void decodeInto(R& record, const QStringList& lines, qsizetype start, qsizetype available,
                FieldTable<R> fields = RecordLayout<R>::fields()) {
    detail::fill(record, lines, start, available, fields);
}

// Cuts `count` records out of lines, record i beginning at start + i*blockLength
// and carrying its first min(blockLength, fields.size()) fields. Fields beyond
// the block, or beyond the end of the list, stay empty. The count is bounded by
// the blocks that begin inside the list, so a count line from the wire cannot
// make the array larger than the answer.
template <class R>
QList<R> decode(const QStringList& lines, qsizetype start, qsizetype count, qsizetype blockLength,
                FieldTable<R> fields = RecordLayout<R>::fields()) {
    return detail::cut(lines, start, count, blockLength, fields);
}

// The same for an answer that is handed over: its lines are moved into the
// records, which saves touching every text twice on large answers.
template <class R>
QList<R> decode(QStringList&& lines, qsizetype start, qsizetype count, qsizetype blockLength,
                FieldTable<R> fields = RecordLayout<R>::fields()) {
    return detail::cut(lines, start, count, blockLength, fields);
}

// Appends the fields of one record in table order; a null entry writes an
// empty line.
template <class R>
void encodeInto(QStringList& out, const R& record, FieldTable<R> fields = RecordLayout<R>::fields()) {
    for (QString R::*member : fields)
        out.append(member ? record.*member : QString());
}

template <class R>
QStringList encode(const QList<R>& records, FieldTable<R> fields = RecordLayout<R>::fields()) {
    QStringList out;
    out.reserve(records.size() * qsizetype(fields.size()));
    for (const R& record : records)
        encodeInto(out, record, fields);
    return out;
}

// Full form with a leading count line: lines[countIndex] is N, the records
// follow in blocks of blockLength lines. Returns false, with an empty array,
// when the count is no integer or the answer is shorter than N whole blocks.
template <class R>
bool decodeCounted(const QStringList& lines, qsizetype countIndex, qsizetype blockLength, QList<R>& out,
                   FieldTable<R> fields = RecordLayout<R>::fields()) {
    out.clear();
    if (countIndex < 0 || countIndex >= lines.size())
        return false;
    bool ok = false;
    const qsizetype n = lines.at(countIndex).trimmed().toLongLong(&ok);
    if (!ok || n < 0)
        return false;
    const qsizetype start = countIndex + 1;
    if (n > 0 && (blockLength <= 0 || (lines.size() - start) / blockLength < n))
        return false;
    out = decode<R>(lines, start, n, blockLength, fields);
    return true;
}

} // namespace RecordCodec
