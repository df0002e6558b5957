#include "answers/draftanswers.h"

#include "draftrequests.h"
#include "draftrules.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "model/vkklcodec.h"
#include "model/vkklrequests.h"
#include "replies.h"
#include "serverstore.h"
#include "store/draftstore.h"
#include "store/transaction.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

ServerReply failed(const DraftRules::Outcome& o) {
    return Replies::error(o.status, o.error);
}

} // namespace

std::optional<ServerReply> DraftAnswers::answer(const RequestContext& ctx) {
    if (ctx.request.code == VkklRequests::MassUpdateCode)
        return massUpdate(ctx);
    switch (Convert::toIntDef(ctx.request.code, -1)) {
    case 160:
        return read160(ctx);
    case 161:
        return remove(ctx);
    case 163:
        return update163(ctx);
    case 164:
        return book(ctx);
    case 165:
        return insert(ctx, false);
    case 167:
        return init(ctx);
    case 168:
        return update168(ctx);
    case 169:
        return read169(ctx);
    case 172:
        return insert(ctx, true);
    case 174:
        return update174(ctx);
    default:
        return std::nullopt;
    }
}

bool DraftAnswers::ownLine(const RequestContext& ctx, const QString& vkklId, TVerkaufskladde* line) const {
    const std::optional<TVerkaufskladde> found = DraftStore(m_store.database()).line(vkklId);
    if (!found)
        return false;
    if (ctx.session.known && found->KUNDENNR != ctx.session.kdnr)
        return false;
    *line = *found;
    return true;
}

std::optional<ServerReply> DraftAnswers::readLines(const RequestContext& ctx, const QString& mode,
                                                   const QString& kdnr, const QString& user,
                                                   const QString& key, TVerkaufskladdeArray* lines) const {
    // One query for the whole draft order, however long it is.
    if (mode == u"0") {
        *lines = DraftStore(m_store.database()).lines(kdnr, user);
        return std::nullopt;
    }
    if (mode != u"4")
        return Replies::error(123);
    // An empty draft order is an answer too (the count "0"); only a single
    // line that is not there is a failure.
    TVerkaufskladde one;
    if (!ownLine(ctx, key, &one))
        return Replies::error(113);
    lines->append(one);
    return std::nullopt;
}

ServerReply DraftAnswers::read160(const RequestContext& ctx) {
    // "", "0", mode, user, customer, "", key, "0"
    if (ctx.p().size() != 8)
        return Replies::badRequest(QStringLiteral("IVKKLGet braucht 8 Zeilen"));
    const QString mode = ctx.p().at(2).trimmed();
    QString kdnr, user;
    if (!ctx.customer(ctx.p().at(4), &kdnr) || !ctx.user(ctx.p().at(3), &user))
        return Replies::notYours();
    TVerkaufskladdeArray lines;
    if (std::optional<ServerReply> failed = readLines(ctx, mode, kdnr, user, ctx.p().at(6), &lines))
        return *failed;
    return Replies::ok(VkklCodec::encodeShortForm(lines));
}

ServerReply DraftAnswers::read169(const RequestContext& ctx) {
    // TCP: mode, user, customer, key. SOAP: mode, key, "NUMKLADDEN".
    QString mode, user, kdnr, key;
    if (ctx.soap()) {
        if (ctx.p().size() != 3 || ctx.p().at(2) != u"NUMKLADDEN")
            return Replies::badRequest(QStringLiteral("GetKladden braucht Modus, Schlüssel, NUMKLADDEN"));
        mode = ctx.p().at(0).trimmed(), key = ctx.p().at(1);
    } else {
        if (ctx.p().size() != 4)
            return Replies::badRequest(QStringLiteral("IVKKLGet2 braucht 4 Zeilen"));
        mode = ctx.p().at(0).trimmed(), user = ctx.p().at(1), kdnr = ctx.p().at(2), key = ctx.p().at(3);
    }
    if (!ctx.customer(kdnr, &kdnr) || !ctx.user(user, &user))
        return Replies::notYours();
    TVerkaufskladdeArray lines;
    if (std::optional<ServerReply> failed = readLines(ctx, mode, kdnr, user, key, &lines))
        return *failed;
    QStringList out = VkklCodec::encodeFullForm(lines);
    if (ctx.soap())
        return Replies::ok(QStringList{QStringLiteral("NUMKLADDEN"), QString::number(lines.size())} + out);
    return Replies::ok(Replies::counted(lines.size(), out));
}

ServerReply DraftAnswers::remove(const RequestContext& ctx) {
    // One key or several ("Alle Zeilen löschen" sends them all at once), as
    // parameters of their own or in one separated by ";", "," or blanks.
    static const QRegularExpression separators(QStringLiteral("[;,\\s]+"));
    QStringList keys;
    for (const QString& p : ctx.p())
        keys += p.split(separators, Qt::SkipEmptyParts);
    keys.removeDuplicates();
    if (keys.isEmpty())
        return Replies::badRequest(QStringLiteral("IVKKLDelete braucht den Schlüssel"));
    // All or none go: a key that is unknown or not the session's deletes nothing.
    Transaction t(m_store.database());
    DraftRules rules(m_store);
    for (const QString& key : std::as_const(keys)) {
        TVerkaufskladde line;
        if (!ownLine(ctx, key, &line) || !rules.remove(line))
            return Replies::error(121, QStringLiteral("VKKL_ID %1 nicht gefunden").arg(key));
    }
    if (!t.commit())
        return Replies::error(121);
    return Replies::ok();
}

ServerReply DraftAnswers::insert(const RequestContext& ctx, bool import) {
    DraftChange change;
    const bool parsed = !import      ? DraftRequests::parse165(ctx.p(), change)
                        : ctx.soap() ? DraftRequests::parse172Soap(ctx.p(), change)
                                     : DraftRequests::parse172(ctx.p(), change);
    if (!parsed)
        return Replies::badRequest(import ? QStringLiteral("IVKKLInsert2: Zeilen passen nicht")
                                          : QStringLiteral("IVKKLInsert braucht 18 Zeilen"));
    QString kdnr, user;
    if (!ctx.customer(change.kdnr, &kdnr) || !ctx.user(change.user, &user))
        return Replies::notYours();
    Transaction t(m_store.database());
    const DraftRules::Outcome o = DraftRules(m_store).insert(kdnr, user, change.values);
    if (o.status != 0)
        return failed(o);
    if (!DraftStore(m_store.database()).recordClient(o.line.VKKL_ID, change.values.at(LineValues::Client)))
        return Replies::error(122);
    if (!t.commit())
        return Replies::error(122);
    if (import)
        return Replies::ok(QStringList{QStringLiteral("0"), o.line.VKKL_ID, QStringLiteral("1")} +
                           VkklCodec::encodeFullForm({o.line}));
    return Replies::ok(VkklCodec::encodeShortForm({o.line}));
}

ServerReply DraftAnswers::update163(const RequestContext& ctx) {
    DraftChange change;
    if (!DraftRequests::parse163(ctx.p(), change))
        return Replies::badRequest(QStringLiteral("IVKKLUpdate braucht 24 Zeilen"));
    QString kdnr, user;
    if (!ctx.customer(change.kdnr, &kdnr) || !ctx.user(change.user, &user))
        return Replies::notYours();
    Transaction t(m_store.database());
    TVerkaufskladde current;
    if (!ownLine(ctx, change.values.at(LineValues::VKKL_ID), &current) || current.KUNDENNR != kdnr)
        return Replies::error(113);
    const DraftRules::Outcome o = DraftRules(m_store).change(current, change.values);
    if (o.status != 0)
        return failed(o);
    if (!t.commit())
        return Replies::error(115);
    // At least 64 lines: the short form with one spare line per block.
    return Replies::ok(VkklCodec::encodeShortForm({o.line}, VkklCodec::shortFields + 1));
}

ServerReply DraftAnswers::update174(const RequestContext& ctx) {
    DraftChange change;
    if (!DraftRequests::parse174(ctx.p(), change))
        return Replies::badRequest(QStringLiteral("VKKLUpdate4: Zeilen passen nicht zur Maske"));
    Transaction t(m_store.database());
    TVerkaufskladde current;
    if (!ownLine(ctx, change.values.at(LineValues::VKKL_ID), &current))
        return Replies::error(113);
    const DraftRules::Outcome o = DraftRules(m_store).change(current, change.values, change.mask);
    if (o.status != 0)
        return failed(o);
    if (!t.commit())
        return Replies::error(115);
    // The leading line is the deliverable quantity; SOAP puts the result code before it.
    QStringList out{o.line.ZU_LIEFERN};
    out += VkklCodec::encodeFullForm({o.line});
    if (ctx.soap())
        out.prepend(QStringLiteral("0"));
    return Replies::ok(out);
}

ServerReply DraftAnswers::update168(const RequestContext& ctx) {
    VkklRequests::FieldUpdate update;
    const bool parsed =
        ctx.soap() ? VkklRequests::parse168Soap(ctx.p(), update) : VkklRequests::parse168Tcp(ctx.p(), update);
    if (!parsed || (ctx.soap() ? ctx.p().size() != 17 : ctx.p().size() != 18))
        return Replies::error(113, QStringLiteral("IVKKLUpdate3: Zeilen passen nicht"));
    Transaction t(m_store.database());
    TVerkaufskladde current;
    if (!ownLine(ctx, update.vkklId, &current))
        return Replies::error(113);
    const DraftRules::Outcome o = DraftRules(m_store).setField(current, update);
    if (o.status != 0)
        return failed(o);
    if (!t.commit())
        return Replies::error(115);
    return Replies::ok(Replies::counted(1, VkklCodec::encodeFullForm({o.line})));
}

ServerReply DraftAnswers::massUpdate(const RequestContext& ctx) {
    if (ctx.p().isEmpty() || ctx.p().size() % 4 != 0)
        return Replies::badRequest(QStringLiteral("MassenUpdate braucht Vierergruppen"));
    const QList<VkklRequests::MassUpdateItem> items = VkklRequests::parseMassUpdate(ctx.p());
    Transaction t(m_store.database());
    DraftRules rules(m_store);
    TVerkaufskladdeArray lines;
    QStringList messages;
    int failures = 0;
    for (const VkklRequests::MassUpdateItem& item : items) {
        TVerkaufskladde current;
        if (!ownLine(ctx, item.vkklId, &current)) {
            ++failures;
            current.VKKL_ID = item.vkklId;
            lines.append(current);
            messages.append(QStringLiteral("Zeile %1 nicht gefunden").arg(item.vkklId));
            continue;
        }
        VkklRequests::FieldUpdate u;
        u.fieldCode = item.fieldCode;
        u.value = item.value;
        u.vkklId = item.vkklId;
        const DraftRules::Outcome o = rules.setField(current, u);
        const bool ok = o.status == 0 && o.line.FEHLERNUMMER.trimmed() == u"0";
        failures += ok ? 0 : 1;
        lines.append(o.line);
        messages.append(ok ? QString() : (o.status ? o.error : o.line.FEHLERTEXT));
    }
    if (!t.commit())
        return Replies::error(115);
    ServerReply r = Replies::ok(VkklCodec::encodeMassUpdateForm(lines, messages));
    r.status = failures;
    return r;
}

std::optional<ServerReply> DraftAnswers::userAndCustomer(const RequestContext& ctx, qsizetype rest,
                                                         const QString& name, QString* kdnr,
                                                         QString* user) const {
    const qsizetype n = (ctx.soap() ? 1 : 2) + rest;
    if (ctx.p().size() != n)
        return Replies::badRequest(QStringLiteral("%1 braucht %2 Parameter").arg(name).arg(n));
    if (!ctx.customer(ctx.p().at(ctx.soap() ? 0 : 1), kdnr) ||
        !ctx.user(ctx.soap() ? QString() : ctx.p().at(0), user))
        return Replies::notYours();
    if (user->isEmpty())
        return Replies::badRequest(QStringLiteral("Benutzer fehlt"));
    return std::nullopt;
}

ServerReply DraftAnswers::init(const RequestContext& ctx) {
    // TCP: user, customer, address code. SOAP: customer, address code.
    QString kdnr, user;
    if (std::optional<ServerReply> refused = userAndCustomer(ctx, 1, QStringLiteral("Init2"), &kdnr, &user))
        return *refused;
    Transaction t(m_store.database());
    const QString id = DraftStore(m_store.database())
                           .init(kdnr, user, ctx.p().last().trimmed(),
                                 FormatDE::formatDateTime(QDateTime::currentDateTime()));
    if (id.isEmpty() || !t.commit())
        return Replies::error(114);
    return Replies::ok({id});
}

ServerReply DraftAnswers::book(const RequestContext& ctx) {
    // TCP: user, customer. SOAP: customer.
    QString kdnr, user;
    if (std::optional<ServerReply> refused =
            userAndCustomer(ctx, 0, QStringLiteral("IVKKLBuchen"), &kdnr, &user))
        return *refused;
    Transaction t(m_store.database(), Transaction::Sync::Full);
    const DraftRules::Booking b = DraftRules(m_store).book(kdnr, user, FormatDE::formatDate(ctx.today));
    if (b.status != 0)
        return Replies::error(b.status, b.error);
    if (!t.commit())
        return Replies::error(116);
    return Replies::ok();
}
