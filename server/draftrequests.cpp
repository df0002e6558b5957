#include "draftrequests.h"

#include "model/conversions.h"

#include <QRegularExpression>

namespace DraftRequests {

namespace {

// Values from the wire go in as they are: "-1" unchanged, " " empty.
void put(LineValues& v, int k, const QString& value) {
    v.set(k, value.isEmpty() ? LineValues::empty() : value);
}

} // namespace

bool parse165(const QStringList& l, DraftChange& out) {
    // "", "0", user, customer, P1, P3 ... P14, "0"
    if (l.size() != 18)
        return false;
    out = DraftChange();
    out.user = l.at(2).trimmed();
    out.kdnr = l.at(3).trimmed();
    put(out.values, 1, l.at(4));
    for (int k = 3; k <= 14; ++k)
        put(out.values, k, l.at(k + 2));
    return true;
}

bool parse163(const QStringList& l, DraftChange& out) {
    // "", "0", user, customer, "-1", P2 ... P19, "0"
    if (l.size() != 24)
        return false;
    out = DraftChange();
    out.user = l.at(2).trimmed();
    out.kdnr = l.at(3).trimmed();
    for (int k = 2; k <= 18; ++k)
        put(out.values, k, l.at(k + 3));
    return !out.values.at(LineValues::VKKL_ID).trimmed().isEmpty();
}

bool parse174(const QStringList& l, DraftChange& out) {
    // "", P2, mask length L, L mask characters, P1 ... P18 [, P19], ""
    if (l.size() < 3)
        return false;
    int length = 0;
    if (!Convert::tryToInt(l.at(2), length) || length < 1 || length > LineValues::count)
        return false;
    const qsizetype values = length > 18 ? 19 : 18;
    if (l.size() != 3 + length + values + 1)
        return false;
    out = DraftChange();
    for (int k = 0; k < length; ++k) {
        const QString c = l.at(3 + k).trimmed();
        if (c != u"0" && c != u"1")
            return false;
        out.mask += c;
    }
    for (int k = 1; k <= 18; ++k)
        put(out.values, k, l.at(3 + length + k - 1));
    put(out.values, LineValues::VKKL_ID, l.at(1));
    return !l.at(1).trimmed().isEmpty();
}

bool parse172(const QStringList& l, DraftChange& out) {
    // user, customer, P3 ... P10, "0", "", "", "1"
    if (l.size() != 14)
        return false;
    out = DraftChange();
    out.user = l.at(0).trimmed();
    out.kdnr = l.at(1).trimmed();
    for (int k = 3; k <= 10; ++k)
        put(out.values, k, l.at(k - 1));
    return true;
}

bool parse172Soap(const QStringList& l, DraftChange& out) {
    if (l.size() < 2)
        return false;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList inner = l.mid(1).join(QStringLiteral("\r\n")).split(lineBreak);
    while (!inner.isEmpty() && inner.last().isEmpty() && inner.size() > 14)
        inner.removeLast();
    if (!parse172(inner, out))
        return false;
    return out.kdnr == l.at(0).trimmed();
}

} // namespace DraftRequests
