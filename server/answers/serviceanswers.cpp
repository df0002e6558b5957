#include "answers/serviceanswers.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "replies.h"
#include "serverstore.h"
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
        if (ctx.p().isEmpty())
            return Replies::badRequest(QStringLiteral("DokumentVersenden ohne Zeilen"));
        return Replies::ok({QStringLiteral("OK")});
    case 412:
        return teccom(ctx);
    case 420:
        return priceFile(ctx);
    case 421:
        return filter(ctx);
    case 422:
        return setFilter(ctx);
    case 423:
        return batch(ctx);
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

ServerReply ServiceAnswers::priceFile(const RequestContext& ctx) {
    // "", "0", mode, customer, file name, extension, "0"
    if (ctx.p().size() != 7)
        return Replies::badRequest(QStringLiteral("IGetPreisdatei braucht 7 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(3), &kdnr))
        return Replies::notYours();
    const QString mode = ctx.p().at(2).trimmed();
    ServiceStore services(m_store.database());
    const QString extension =
        ctx.p().at(5).trimmed().isEmpty() ? QStringLiteral("zip") : ctx.p().at(5).trimmed();
    const QString name =
        QStringLiteral("PD_%1.%2")
            .arg(kdnr, extension.startsWith(QLatin1String("_M_")) ? QStringLiteral("zip") : extension);
    Transaction t(m_store.database());
    if (mode == u"0") {
        std::optional<ServiceStore::PriceFile> f = services.priceFile(kdnr);
        if (!f) {
            f = ServiceStore::PriceFile{name, QStringLiteral("bereit"), nowText()};
            services.setPriceFile(kdnr, *f);
            t.commit();
        }
        return Replies::ok(
            {m_store.config(QStringLiteral("WEBDAV_ROOT"), QStringLiteral("https://127.0.0.1/dav/")), f->name,
             QStringLiteral("1048576"), f->created});
    }
    if (mode == u"1") {
        const QString copy = QStringLiteral("DL_") + name;
        services.setPriceFile(kdnr, ServiceStore::PriceFile{copy, QStringLiteral("kopiert"), nowText()});
        if (!t.commit())
            return Replies::error(1);
        return Replies::ok({QStringLiteral("OK"), copy, QStringLiteral("1048576"), nowText()});
    }
    if (mode == u"2") {
        if (ctx.p().at(4).trimmed().isEmpty())
            return Replies::badRequest(QStringLiteral("Dateiname fehlt"));
        services.deletePriceFile(kdnr);
        if (!t.commit())
            return Replies::error(1);
        return Replies::ok({QStringLiteral("OK")});
    }
    return Replies::badRequest(QStringLiteral("Unbekannte Funktion WebDAV-Preisdatei: ") + mode);
}

ServerReply ServiceAnswers::filter(const RequestContext& ctx) {
    // "0", customer, "0"
    if (ctx.p().size() != 3)
        return Replies::badRequest(QStringLiteral("GetPreisdateifilter braucht 3 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(1), &kdnr))
        return Replies::notYours();
    const QStringList active = ServiceStore(m_store.database()).filter(kdnr);
    QSqlQuery q(m_store.database());
    q.exec(QStringLiteral("SELECT BUCH_GR, min(BEZEICHNUNG) FROM ARTIKEL GROUP BY BUCH_GR ORDER BY BUCH_GR"));
    QStringList out;
    int n = 0;
    while (q.next()) {
        const QString group = q.value(0).toString();
        out << QString() << group << group << q.value(1).toString() << q.value(1).toString().left(10)
            << (active.isEmpty() || active.contains(group) ? QStringLiteral("1") : QStringLiteral("0"));
        ++n;
    }
    return Replies::ok(Replies::counted(n, out));
}

ServerReply ServiceAnswers::setFilter(const RequestContext& ctx) {
    // "0", customer, N, N times (id, checked, one-shot), "0"
    int n = 0;
    if (ctx.p().size() < 4 || !Convert::tryToInt(ctx.p().at(2), n) || n < 0 ||
        ctx.p().size() != 4 + qsizetype(n) * 3)
        return Replies::badRequest(QStringLiteral("SetPreisdateifilter: Zeilen passen nicht"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(1), &kdnr))
        return Replies::notYours();
    QStringList groups;
    bool oneShot = false;
    for (int i = 0; i < n; ++i) {
        if (ctx.p().at(3 + i * 3 + 1).trimmed() == u"1")
            groups.append(ctx.p().at(3 + i * 3).trimmed());
        oneShot = oneShot || ctx.p().at(3 + i * 3 + 2).trimmed() == u"1";
    }
    Transaction t(m_store.database());
    // A one-shot filter is kept apart from the standard filter.
    if (!ServiceStore(m_store.database()).setFilter(oneShot ? kdnr + QStringLiteral("#1") : kdnr, groups) ||
        !t.commit())
        return Replies::error(1);
    return Replies::ok({QStringLiteral("OK")});
}

ServerReply ServiceAnswers::batch(const RequestContext& ctx) {
    if (ctx.p().size() != 3)
        return Replies::badRequest(QStringLiteral("Preisdateibatch braucht 3 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(1), &kdnr))
        return Replies::notYours();
    Transaction t(m_store.database());
    ServiceStore(m_store.database())
        .setPriceFile(kdnr, ServiceStore::PriceFile{QStringLiteral("PD_%1.zip").arg(kdnr),
                                                    QStringLiteral("in Arbeit"), nowText()});
    if (!t.commit())
        return Replies::error(1);
    return Replies::ok({QStringLiteral("OK")});
}
