#include "answers/serviceanswers.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "replies.h"
#include "serverstore.h"
#include "store/documentstore.h"
#include "store/offerstore.h"
#include "store/servicestore.h"
#include "store/transaction.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlQuery>

namespace {

QStringList splitText(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.isEmpty() ? QStringList() : text.split(lineBreak);
}

QString nowText() {
    return FormatDE::formatDateTime(QDateTime::currentDateTime());
}

constexpr int statisticsFields = 19;

} // namespace

std::optional<ServerReply> ServiceAnswers::answer(const RequestContext& ctx) {
    const QString& code = ctx.request.code;
    if (code == u"CheckUpdate")
        return text(ctx, QStringLiteral("UPDATE"), 2);
    switch (Convert::toIntDef(code, -1)) {
    case 300:
        return text(ctx, QStringLiteral("UPDATE"), 2);
    case 301:
        return file(ctx);
    case 302:
        return text(ctx, QStringLiteral("BATCH"), 2);
    case 303:
        return text(ctx, QStringLiteral("NEWSLETTER"), 18);
    case 304:
        return text(ctx, QStringLiteral("HILFE"), 19);
    case 305:
        return statistics(ctx);
    case 400:
        return sendMail(ctx);
    case 401:
        return checkMail(ctx);
    case 411:
        return sendDocument(ctx);
    case 412:
        return teccom(ctx);
    default:
        return std::nullopt;
    }
}

ServerReply ServiceAnswers::text(const RequestContext& ctx, const QString& art, int failCode) {
    // One parameter: the client version (300), executable (302), selector (303) or empty (304).
    if (ctx.p().size() > 1)
        return Replies::badRequest(QStringLiteral("ein Parameter erwartet"));
    const QString key = art == u"NEWSLETTER" ? ctx.p().value(0).trimmed() : QString();
    const std::optional<QString> t = ServiceStore(m_store.database()).text(art, key);
    if (!t)
        return Replies::error(failCode);
    return Replies::ok(splitText(*t));
}

ServerReply ServiceAnswers::file(const RequestContext& ctx) {
    if (ctx.p().size() != 1 || ctx.p().at(0).trimmed().isEmpty())
        return Replies::badRequest(QStringLiteral("IDnldFile braucht den Dateinamen"));
    // Files are looked up by their stored name; nothing is read from disk.
    const QString name = ctx.p().at(0).trimmed();
    ServerReply r;
    if (!m_store.file(name, &r.fileData))
        return Replies::error(171);
    r.lines = QStringList{name};
    return r;
}

ServerReply ServiceAnswers::statistics(const RequestContext& ctx) {
    // "", "0", "0", "19", count, then count times 19 values.
    const QStringList& p = ctx.p();
    int count = 0;
    if (p.size() < 5 || p.at(3).trimmed() != u"19" || !Convert::tryToInt(p.at(4), count) || count < 0)
        return Replies::badRequest(QStringLiteral("SaveStatistikData: Kopf passt nicht"));
    if (p.size() != 5 + qsizetype(count) * statisticsFields)
        return Replies::badRequest(QStringLiteral("SaveStatistikData: %1 Ereignisse angekündigt, %2 Zeilen")
                                       .arg(count)
                                       .arg(p.size() - 5));
    const QString kdnr = ctx.session.known ? ctx.session.kdnr : p.value(5 + 1);
    const QString user = ctx.session.known ? ctx.session.user : p.value(5 + 2);
    Transaction t(m_store.database());
    ServiceStore services(m_store.database());
    for (int i = 0; i < count; ++i) {
        if (!services.addStatistics(kdnr, user, nowText(), p.mid(5 + i * statisticsFields, statisticsFields)))
            return Replies::error(1, QStringLiteral("StatistikData nicht gespeichert"));
    }
    if (!t.commit())
        return Replies::error(1, QStringLiteral("StatistikData nicht gespeichert"));
    return Replies::ok({QStringLiteral("OK")});
}

ServerReply ServiceAnswers::sendMail(const RequestContext& ctx) {
    // kind, sender tag, recipient, subject, then the mail lines.
    if (ctx.p().size() < 4)
        return Replies::badRequest(QStringLiteral("Mail hat keinen Inhalt (ISendMail)!"));
    const QString kind = ctx.p().at(0).trimmed();
    if (kind != u"100" && kind != u"200")
        return Replies::badRequest(QStringLiteral("Mailart \"%1\"").arg(kind));
    const QString to = ctx.p().at(2).trimmed();
    if (kind == u"100" && !to.contains(QLatin1Char('@')))
        return Replies::error(171, QStringLiteral("Empfängeradresse \"%1\" ist ungültig").arg(to));
    const QStringList text = ctx.p().mid(4);
    if (text.isEmpty())
        return Replies::error(171, QStringLiteral("Mail enthält keine Zeilen (ISendMail)!"));
    const QString kdnr = ctx.session.known ? ctx.session.kdnr : QString();
    Transaction t(m_store.database());
    const QString id = ServiceStore(m_store.database())
                           .addMail(kdnr, kind, ctx.p().at(1), to, ctx.p().at(3), text, nowText());
    if (id.isEmpty() || !t.commit())
        return Replies::error(171);
    return Replies::ok({id});
}

ServerReply ServiceAnswers::checkMail(const RequestContext& ctx) {
    if (ctx.p().size() != 1 || ctx.p().at(0).trimmed().isEmpty())
        return Replies::error(20, QStringLiteral("Mail ID is leer (ICheckMail)!"));
    const QString kdnr = ctx.session.known ? ctx.session.kdnr : QString();
    const std::optional<QString> status = ServiceStore(m_store.database()).mailStatus(kdnr, ctx.p().at(0));
    if (!status)
        return Replies::error(20, QStringLiteral("Mail %1 unbekannt").arg(ctx.p().at(0)));
    return Replies::ok({*status});
}

ServerReply ServiceAnswers::teccom(const RequestContext& ctx) {
    // "", "4", "0", article, "", "", quantity, "0", date
    if (ctx.p().size() != 9 || ctx.p().at(3).trimmed().isEmpty())
        return Replies::badRequest(QStringLiteral("ITeccomRequest braucht 9 Zeilen und einen Artikel"));
    int wanted = 0;
    if (!Convert::tryToInt(ctx.p().at(6), wanted) || wanted <= 0)
        return Replies::badRequest(QStringLiteral("Wunschmenge \"%1\"").arg(ctx.p().at(6)));
    QSqlQuery q(m_store.database());
    q.prepare(QStringLiteral("SELECT EINSPEISERCODE, NUMMER FROM ARTIKEL WHERE NUMMER = ?"));
    q.addBindValue(ctx.p().at(3).trimmed().toUpper());
    if (!q.exec() || !q.next())
        return Replies::error(61);
    const auto availability =
        ServiceStore(m_store.database()).teccom(q.value(0).toString(), q.value(1).toString());
    const int confirmed = availability ? std::min(wanted, availability->first) : 0;
    const QString date = availability ? availability->second : FormatDE::formatDate(ctx.today.addDays(7));
    return Replies::ok(
        {QString::number(confirmed), date + QStringLiteral(" 18:30:00"), date + QStringLiteral(" 15:00:00")});
}

namespace {

struct DocumentKind {
    const char16_t* name;
    const char16_t* table; // the head table; empty for open items and offers
    bool byPost;           // dispatch by post may be chosen
};

// By type code "0" to "5".
const DocumentKind documentKinds[] = {
    {u"Auftragsbestätigung", u"VERKAUFSKOPF", false},
    {u"Lieferschein", u"DEBITORLIEFERKOPF", false},
    {u"Rechnung", u"DEBITORRECHNUNGSKOPF", true},
    {u"Gutschrift", u"DEBITORGUTSCHRIFTSKOPF", true},
    {u"Offene Posten", u"", false},
    {u"Angebot", u"", true},
};

} // namespace

ServerReply ServiceAnswers::sendDocument(const RequestContext& ctx) {
    // type, customer, number, way ("2" e-mail, "0" post), background flag, address, "",
    // then a date, or for offers "J"/"N" (serial ids on the document)
    const QStringList& p = ctx.p();
    if (p.size() != 8)
        return Replies::badRequest(QStringLiteral("DokumentVersenden braucht 8 Zeilen"));
    int type = -1;
    if (!Convert::tryToInt(p.at(0), type) || type < 0 || type >= int(std::size(documentKinds)))
        return Replies::badRequest(QStringLiteral("Dokumentenart \"%1\" ist unbekannt").arg(p.at(0)));
    const DocumentKind& kind = documentKinds[type];
    const QString name = QString::fromUtf16(kind.name);
    QString kdnr;
    if (!ctx.customer(p.at(1), &kdnr))
        return Replies::notYours();
    const QString number = p.at(2).trimmed();
    const QString way = p.at(3).trimmed();
    const QString address = p.at(5).trimmed();
    const QString extra = p.at(7).trimmed();
    if ((type == 4) != number.isEmpty())
        return Replies::badRequest(QStringLiteral("Belegnummer \"%1\" passt nicht zu %2").arg(number, name));
    if ((way != u"2" && way != u"0") || (way == u"0" && !kind.byPost))
        return Replies::badRequest(
            QStringLiteral("Versandart \"%1\" ist für %2 nicht möglich").arg(way, name));
    if (p.at(4).trimmed() != u"0" && p.at(4).trimmed() != u"1")
        return Replies::badRequest(QStringLiteral("Dokumentenhintergrund \"%1\"").arg(p.at(4)));
    if (way == u"2" && (!address.contains(QLatin1Char('@')) || !address.contains(QLatin1Char('.'))))
        return Replies::error(1, QStringLiteral("Emailadresse ungültig: ") + address);
    const bool extraOk = type == 5 ? (extra == u"J" || extra == u"N") : FormatDE::parseDate(extra).isValid();
    if (!extraOk)
        return Replies::badRequest(QStringLiteral("Zeile 8 \"%1\" passt nicht zu %2").arg(extra, name));
    const bool found =
        type == 4 ? true
        : type == 5
            ? OfferStore(m_store.database()).head(kdnr, number).has_value()
            : DocumentStore(m_store.database()).headExists(QString::fromUtf16(kind.table), kdnr, number);
    if (!found)
        return Replies::error(1, QStringLiteral("%1 mit Belegnummer %2 nicht gefunden.").arg(name, number));
    Transaction t(m_store.database());
    const QString id = ServiceStore(m_store.database())
                           .addDispatch(kdnr, QString::number(type), number, way, p.at(4).trimmed(),
                                        way == u"2" ? address : QString(), extra, nowText());
    if (id.isEmpty() || !t.commit())
        return Replies::error(1, QStringLiteral("DokumentVersenden: Auftrag nicht gespeichert"));
    // The first line is the status; the rest is the id of the document produced.
    return Replies::ok({QStringLiteral("OK"), id});
}
