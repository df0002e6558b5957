#include "model/vkklrequests.h"

#include "model/conversions.h"

namespace VkklRequests {

QStringList get169Tcp(const QString& mode, const QString& user, const QString& kdnr, const QString& vkklId) {
    return {mode, user, kdnr, vkklId};
}

QStringList get160Tcp(const QString& mode, const QString& user, const QString& kdnr, const QString& vkklId) {
    return {QString(), QStringLiteral("0"), mode, user, kdnr, QString(), vkklId, QStringLiteral("0")};
}

QStringList get169Soap(const QString& vkklId) {
    const bool single = !vkklId.isEmpty() && vkklId != u"0";
    return {single ? QStringLiteral("4") : QStringLiteral("0"), vkklId, QStringLiteral("NUMKLADDEN")};
}

QString getLogLine(const QString& mode, const QString& vkklId, bool connected) {
    return QStringLiteral("IVKKLGet2 Mode=") + mode + QStringLiteral(" ID=") + vkklId +
           QStringLiteral(" connected=") + (connected ? QStringLiteral("TRUE ") : QStringLiteral("FALSE "));
}

QStringList insert165(const QString& user, const QString& kdnr, const LineValues& v) {
    QStringList out{QString(), QStringLiteral("0"), user, kdnr, v.at(1)};
    for (int k = 3; k <= 14; ++k)
        out.append(v.at(k));
    out.append(QStringLiteral("0"));
    return out;
}

QStringList insert172(const QString& user, const QString& kdnr, const LineValues& v) {
    return {user,
            kdnr,
            v.at(3),
            v.at(4),
            v.at(5).left(25),
            v.at(6),
            v.at(7),
            v.at(8),
            v.at(9),
            v.at(10),
            QStringLiteral("0"),
            QString(),
            QString(),
            QStringLiteral("1")};
}

QStringList insert172Soap(const QString& user, const QString& kdnr, const LineValues& values) {
    // One text as a string list gives it: every line ends with CR LF.
    return {kdnr, insert172(user, kdnr, values).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")};
}

QStringList update163(const QString& user, const QString& kdnr, const LineValues& v) {
    QStringList out{QString(), QStringLiteral("0"), user, kdnr, LineValues::unchanged()};
    for (int k = 2; k <= LineValues::count; ++k)
        out.append(v.at(k));
    out.append(QStringLiteral("0"));
    return out;
}

QStringList update174(const LineValues& v, const QString& mask, int serverLevel) {
    const QString m = serverLevel <= 12 ? mask.left(18) : mask;
    QStringList out{QString(), v.at(2), QString::number(m.size())};
    for (QChar c : m)
        out.append(QString(c));
    for (int k = 1; k <= 18; ++k)
        out.append(v.at(k));
    if (m.size() > 18 && serverLevel > 12)
        out.append(v.at(19));
    out.append(QString());
    return out;
}

namespace {

QString valueFor(const FieldUpdate& u, int code) {
    return Convert::toIntDef(u.fieldCode, -1) == code ? u.value : LineValues::unchanged();
}

QString flagFor(const FieldUpdate& u) {
    return u.fieldCode == FieldCode::Besitzer ? QStringLiteral("1") : QStringLiteral("0");
}

QString ownerFor(const FieldUpdate& u) {
    return u.fieldCode == FieldCode::Besitzer ? u.newOwner : QString();
}

constexpr qsizetype tcpLength = 18;
constexpr qsizetype soapSlots = 15;

} // namespace

// field code, new owner, codes 1 to 10, flag, codes 11 to 14, P2
QStringList update168Tcp(const FieldUpdate& u) {
    QStringList out{u.fieldCode, ownerFor(u)};
    for (int code = 1; code <= 10; ++code)
        out.append(valueFor(u, code));
    out.append(flagFor(u));
    for (int code = 11; code <= 14; ++code)
        out.append(valueFor(u, code));
    out.append(u.vkklId);
    return out;
}

// field code, slots 1 to 15, P2: code a (2..10) at slot a-1, the flag at slot
// 10, code a (11..14) at slot a. Slot 15 carries the new owner of code "0",
// which has no slot of its own in this form.
QStringList update168Soap(const FieldUpdate& u) {
    QStringList out{u.fieldCode};
    for (int slot = 1; slot <= soapSlots; ++slot) {
        if (slot <= 9)
            out.append(valueFor(u, slot + 1));
        else if (slot == 10)
            out.append(flagFor(u));
        else if (slot <= 14)
            out.append(valueFor(u, slot));
        else
            out.append(ownerFor(u));
    }
    out.append(u.vkklId);
    return out;
}

bool parse168Tcp(const QStringList& lines, FieldUpdate& u) {
    if (lines.size() < tcpLength)
        return false;
    u = FieldUpdate();
    u.fieldCode = lines.at(0);
    u.vkklId = lines.at(17);
    const int code = Convert::toIntDef(u.fieldCode, -1);
    if (code == 0)
        u.newOwner = lines.at(1);
    else if (code >= 1 && code <= 10)
        u.value = lines.at(1 + code);
    else if (code >= 11 && code <= 14)
        u.value = lines.at(2 + code);
    else
        return false;
    return true;
}

bool parse168Soap(const QStringList& lines, FieldUpdate& u) {
    if (lines.size() < soapSlots + 2)
        return false;
    u = FieldUpdate();
    u.fieldCode = lines.at(0);
    u.vkklId = lines.at(soapSlots + 1);
    const int code = Convert::toIntDef(u.fieldCode, -1);
    if (code == 0)
        u.newOwner = lines.at(soapSlots);
    else if (code >= 2 && code <= 10)
        u.value = lines.at(code - 1);
    else if (code >= 11 && code <= 14)
        u.value = lines.at(code);
    else
        return false;
    return true;
}

QStringList massUpdate(const QList<MassUpdateItem>& items) {
    QStringList out;
    out.reserve(items.size() * 4);
    for (const MassUpdateItem& i : items)
        out << i.vkklId << i.fieldCode << i.value << i.backorder;
    return out;
}

QList<MassUpdateItem> parseMassUpdate(const QStringList& lines) {
    QList<MassUpdateItem> items;
    for (qsizetype k = 0; k + 3 < lines.size(); k += 4)
        items.append({lines.at(k), lines.at(k + 1), lines.at(k + 2), lines.at(k + 3)});
    return items;
}

} // namespace VkklRequests
