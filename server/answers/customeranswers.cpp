#include "answers/customeranswers.h"

#include "model/answerlayouts.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "replies.h"
#include "serverstore.h"
#include "store/articlestore.h"
#include "store/customerstore.h"
#include "store/transaction.h"

#include <QDateTime>

namespace {

QStringList optionLines(const TBenutzerOptions& options) {
    QStringList out;
    for (const TBenutzerOption& o : options)
        out << o.BESE_KEY << o.BESE_VALUE;
    return out;
}

} // namespace

std::optional<ServerReply> CustomerAnswers::answer(const RequestContext& ctx) {
    m_opened.reset();
    const int code = Convert::toIntDef(ctx.request.code, -1);
    CustomerStore customers(m_store.database());
    switch (code) {
    case 104:
        return login(ctx);
    case 105:
        return readOptions(ctx);
    case 106:
        return writeOptions(ctx);
    case 108:
        return checkMaster(ctx);
    case 152: {
        const TLieferungArray codes = customers.deliveryCodes();
        if (codes.isEmpty())
            return Replies::error(158);
        return Replies::ok(Replies::counted(codes.size(), RecordCodec::encode(codes)));
    }
    case 153:
        return debitor(ctx);
    case 154:
        return addresses(ctx);
    case 170: {
        const QStringList suppliers = ArticleStore(m_store.database()).suppliers();
        if (suppliers.isEmpty())
            return Replies::error(74);
        // The client finds its columns by these headers.
        return Replies::ok(QStringList{QStringLiteral("Code;Name;Kurz;Mini;Micro")} + suppliers);
    }
    case 175:
        return deadlines(ctx);
    case 221:
        return Replies::ok(AnswerLayouts::encodeFilialen2(customers.branches()));
    case 260:
        return deliveryTime(ctx);
    default:
        return std::nullopt;
    }
}

ServerReply CustomerAnswers::login(const RequestContext& ctx) {
    // TCP: mode, customer, user, secret. SOAP: the login header holds
    // customer, user, secret and mode.
    QString mode, kdnr, user, secret;
    if (ctx.soap()) {
        const QStringList& h = ctx.request.loginHeader;
        if (h.size() < 4)
            return Replies::badRequest(QStringLiteral("ILogin2 braucht 4 Zeilen"));
        kdnr = h.at(0), user = h.at(1), secret = h.at(2), mode = h.at(3);
    } else {
        if (ctx.p().size() != 4)
            return Replies::badRequest(QStringLiteral("ILogin2 braucht 4 Zeilen"));
        mode = ctx.p().at(0), kdnr = ctx.p().at(1), user = ctx.p().at(2), secret = ctx.p().at(3);
    }
    mode = mode.trimmed();
    if (mode != u"0" && mode != u"1")
        return Replies::badRequest(QStringLiteral("Modus \"%1\"").arg(mode));
    ServerStore::User u;
    const ServerStore::Check check = m_store.checkUser(kdnr, user, secret, mode, &u);
    if (check == ServerStore::Check::Unknown || check == ServerStore::Check::WrongSecret)
        return Replies::error(60,
                              QStringLiteral("ERR_LOGIN_FAILED: Kunde, Benutzer oder Passwort ist falsch"));
    if (check == ServerStore::Check::Blocked)
        return Replies::error(60, QStringLiteral("ERR_LOGIN_FAILED: Benutzer ist gesperrt"));
    CustomerStore customers(m_store.database());
    const std::optional<TDebitor> debitor = customers.debitor(u.kdnr);
    if (!debitor)
        return Replies::error(84);
    if (Convert::isFlagSet(debitor->GESPERRT))
        return Replies::error(86);

    const TBenutzerOptions options = customers.options(u.kdnr, u.login);
    TBenutzer2Kopf head;
    head.BENU_LOGIN = u.login;
    head.BENU_PASSWORDHASH = u.loginHash;
    head.BENU_QTX = QStringLiteral("1");
    head.BENU_ERP = QStringLiteral("0");
    head.BENU_SOAP = QStringLiteral("1");
    head.BENU_WEBSHOP = QStringLiteral("0");
    head.BENU_NAME = u.name;
    head.BENU_VORNAME = u.vorname;
    head.BENU_LETZTER_LOGIN = u.letzterLogin;
    head.DEB_NR = u.debNr.isEmpty() ? u.kdnr : u.debNr;
    head.FILIALE = u.filiale.isEmpty() ? debitor->FILIALE : u.filiale;
    head.LIEFERUNGSCODE = u.lieferungscode.isEmpty() ? debitor->LIEFERUNGSCODE : u.lieferungscode;
    head.sNumOptions = QString::number(options.size());
    m_store.noteLogin(u, FormatDE::formatDateTime(QDateTime::currentDateTime()));
    m_opened = Session{u.kdnr, u.login, u.loginHash, true, u.debNr};

    QStringList lines;
    RecordCodec::encodeInto(lines, static_cast<const TBenutzer2Kopf&>(head));
    return Replies::ok(lines + optionLines(options));
}

ServerReply CustomerAnswers::readOptions(const RequestContext& ctx) {
    QString mode, kdnr, user, key;
    if (ctx.soap()) {
        if (ctx.p().size() < 2)
            return Replies::badRequest(QStringLiteral("IReadBenutzerOptions braucht Modus und Schlüssel"));
        mode = ctx.p().at(0), key = ctx.p().at(1);
    } else {
        if (ctx.p().size() != 4)
            return Replies::badRequest(QStringLiteral("IReadBenutzerOptions braucht 4 Zeilen"));
        mode = ctx.p().at(0), kdnr = ctx.p().at(1), user = ctx.p().at(2), key = ctx.p().at(3);
    }
    mode = mode.trimmed();
    if (mode != u"0" && mode != u"1")
        return Replies::badRequest(QStringLiteral("Modus \"%1\"").arg(mode));
    if (mode == u"1" && key.trimmed().isEmpty())
        return Replies::badRequest(QStringLiteral("Optionsschlüssel fehlt"));
    if (!ctx.customer(kdnr, &kdnr) || !ctx.user(user, &user))
        return Replies::notYours();
    const TBenutzerOptions options =
        CustomerStore(m_store.database()).options(kdnr, user, mode == u"1" ? key.trimmed() : QString());
    return Replies::ok(Replies::counted(options.size(), optionLines(options)));
}

ServerReply CustomerAnswers::writeOptions(const RequestContext& ctx) {
    // TCP: customer, user, hash, master user, master password, count, pairs.
    // SOAP: hash, master user, master password, count, pairs.
    const qsizetype head = ctx.soap() ? 4 : 6;
    if (ctx.p().size() < head)
        return Replies::error(133, QStringLiteral("IWriteBenutzerOptions: zu wenige Zeilen"));
    QString kdnr = ctx.soap() ? QString() : ctx.p().at(0);
    QString user = ctx.soap() ? QString() : ctx.p().at(1);
    const QString hash = ctx.p().at(head - 4);
    int count = 0;
    if (!Convert::tryToInt(ctx.p().at(head - 1), count) || count < 0)
        return Replies::error(
            133, QStringLiteral("Anzahl der Optionen \"%1\" ist keine Zahl").arg(ctx.p().at(head - 1)));
    const QStringList pairs = ctx.p().mid(head);
    if (pairs.size() != 2 * qsizetype(count))
        return Replies::error(
            133, QStringLiteral("%1 Optionen angekündigt, %2 Zeilen erhalten").arg(count).arg(pairs.size()));
    if (!ctx.customer(kdnr, &kdnr) || !ctx.user(user, &user))
        return Replies::notYours();
    if (ctx.session.known && !hash.trimmed().isEmpty() && hash.trimmed() != ctx.session.loginHash)
        return Replies::error(133, QStringLiteral("Benutzer nicht authorisiert"));
    TBenutzerOptions options, master;
    for (qsizetype k = 0; k + 1 < pairs.size(); k += 2) {
        const QString key = pairs.at(k).trimmed();
        if (key.isEmpty())
            return Replies::error(133, QStringLiteral("Leerer Optionsschlüssel"));
        (key.startsWith(u"_M_") ? master : options).append(TBenutzerOption{key, pairs.at(k + 1)});
    }
    // Master options hold for every user of the customer; only a master sets them.
    if (!master.isEmpty()) {
        const QString masterUser = ctx.p().at(head - 3).trimmed();
        const QString masterPassword = ctx.p().at(head - 2);
        if (masterUser.isEmpty() ||
            m_store.checkUser(kdnr, masterUser, masterPassword, QStringLiteral("0"), nullptr) !=
                ServerStore::Check::Ok ||
            !m_store.isMaster(kdnr, masterUser))
            return Replies::error(133, QStringLiteral("Master-Optionen nur mit Master-Berechtigung"));
    }
    Transaction t(m_store.database());
    CustomerStore store(m_store.database());
    if (!store.writeOptions(kdnr, user, options) ||
        (!master.isEmpty() && !store.writeOptions(kdnr, QStringLiteral("*"), master)) || !t.commit())
        return Replies::error(136);
    return Replies::ok({QStringLiteral("0")});
}

ServerReply CustomerAnswers::checkMaster(const RequestContext& ctx) {
    // TCP: "1", customer, master user, master password; SOAP without the customer.
    const qsizetype n = ctx.soap() ? 3 : 4;
    if (ctx.p().size() != n)
        return Replies::badRequest(QStringLiteral("ICheckMasterOption braucht %1 Zeilen").arg(n));
    QString kdnr = ctx.soap() ? QString() : ctx.p().at(1);
    if (!ctx.customer(kdnr, &kdnr))
        return Replies::notYours();
    const QString master = ctx.p().at(n - 2);
    const QString password = ctx.p().at(n - 1);
    const bool ok =
        m_store.checkUser(kdnr, master, password, QStringLiteral("0"), nullptr) == ServerStore::Check::Ok &&
        m_store.isMaster(kdnr, master);
    return Replies::ok({ok ? QStringLiteral("1") : QStringLiteral("0"),
                        ok ? QStringLiteral("OK") : QStringLiteral("Master-Benutzer oder Passwort falsch")});
}

ServerReply CustomerAnswers::debitor(const RequestContext& ctx) {
    if (ctx.p().size() != 4)
        return Replies::badRequest(QStringLiteral("DebitorInfo2ID braucht 4 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(2), &kdnr))
        return Replies::notYours();
    const std::optional<TDebitor> d = CustomerStore(m_store.database()).debitor(kdnr);
    if (!d)
        return Replies::error(84);
    // One customer record after its count line, as every record list.
    return Replies::ok(Replies::counted(1, AnswerLayouts::encodeDebitor(*d)));
}

ServerReply CustomerAnswers::addresses(const RequestContext& ctx) {
    if (ctx.p().size() != 6)
        return Replies::badRequest(QStringLiteral("LieferadresseInfo2ID braucht 6 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(3), &kdnr))
        return Replies::notYours();
    const QString selector = ctx.p().at(5).trimmed();
    if (selector != u"0" && selector != u"1")
        return Replies::badRequest(QStringLiteral("Auswahl \"%1\"").arg(selector));
    const TLieferadresseArray list = CustomerStore(m_store.database()).addresses(kdnr);
    if (list.isEmpty())
        return Replies::error(137);
    return Replies::ok(AnswerLayouts::encodeLieferadressen(list, selector));
}

ServerReply CustomerAnswers::deadlines(const RequestContext& ctx) {
    if (ctx.p().size() != 4)
        return Replies::badRequest(QStringLiteral("IGetBestellzeitListe braucht 4 Zeilen"));
    const QString which = ctx.p().at(2).trimmed();
    QString kind;
    if (which == u"7")
        kind = QStringLiteral("N");
    else if (which == u"8")
        kind = QStringLiteral("P");
    else
        return Replies::badRequest(QStringLiteral("Parameter \"%1\"").arg(which));
    const QList<QStringList> rows = CustomerStore(m_store.database()).deadlines(kind);
    if (rows.isEmpty())
        return Replies::error(17);
    QStringList lines;
    for (const QStringList& row : rows)
        lines += row;
    return Replies::ok(Replies::counted(rows.size(), lines));
}

ServerReply CustomerAnswers::deliveryTime(const RequestContext& ctx) {
    // Address, key, warehouse, view branch, code, supplier, procurement, tour, "", "0".
    if (ctx.p().size() != 10)
        return Replies::badRequest(QStringLiteral("IGetZustellZeit braucht 10 Zeilen"));
    const QString branch =
        ctx.p().at(3).trimmed().isEmpty() ? ctx.p().at(2).trimmed() : ctx.p().at(3).trimmed();
    const QStringList tours = CustomerStore(m_store.database()).deliveryTimes(branch);
    if (tours.isEmpty())
        return Replies::error(198);
    const QStringList first = tours.first().split(QLatin1Char(';'));
    return Replies::ok({QStringLiteral("Tour %1 ab %2").arg(first.value(1), first.value(2)),
                        QStringLiteral("Zustellung ca. %1 Uhr").arg(first.value(3))});
}
