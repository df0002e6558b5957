#pragma once

#include "model/recordlayout.h"

// Records whose every field holds its own text, so that a field that lands in
// the wrong place shows up in a compare.
template <class R> R distinctRecord(int seed) {
    R record;
    const auto fields = RecordLayout<R>::fields();
    for (qsizetype k = 0; k < qsizetype(fields.size()); ++k)
        record.*fields[k] = QStringLiteral("%1:%2=%3").arg(seed).arg(k + 1).arg(RecordCodec::fieldName<R>(k));
    return record;
}

template <class R> QList<R> distinctRecords(int n) {
    QList<R> records;
    for (int i = 0; i < n; ++i)
        records.append(distinctRecord<R>(i));
    return records;
}

// Index of a column in a record's travel order, -1 when it has none.
template <class R> qsizetype fieldIndex(QLatin1StringView name) {
    for (qsizetype k = 0; k < RecordCodec::fieldCount<R>(); ++k) {
        if (RecordCodec::fieldName<R>(k) == name)
            return k;
    }
    return -1;
}
