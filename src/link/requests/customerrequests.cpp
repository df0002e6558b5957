#include "link/requests/customerrequests.h"

#include "link/requests/recordanswer.h"
#include "model/answerlayouts.h"

LinkAnswer MyLogin2(ServerLink& link, const QString& mode, const QString& kdnr, const QString& user,
                    const QString& passwordOrHash) {
    // On SOAP the login travels in place of the header it creates.
    return link.call(LinkRequest(104, {mode, kdnr, user, passwordOrHash})
                         .soap(QStringList())
                         .header(QStringList{kdnr, user, passwordOrHash, mode}));
}

LinkAnswer MyReadBenutzerOptions(ServerLink& link, const QString& mode, const QString& key,
                                 QList<TBenutzerOption>& out) {
    const Login_rec& l = link.login();
    LinkAnswer a =
        link.call(LinkRequest(105, {mode, l.KdNr, l.User, key}).soap(QStringList{mode, key, QString()}));
    RecordAnswer::decodeCounted(Catalogue::get(105), a, out);
    return a;
}

LinkAnswer MyWriteBenutzerOptions(ServerLink& link, const QString& masterUser, const QString& masterPassword,
                                  const QList<TBenutzerOption>& options) {
    const Login_rec& l = link.login();
    const QString count = QString::number(options.size());
    const QStringList list = RecordCodec::encode(options);
    return link.call(LinkRequest(106, {l.KdNr, l.User, l.Hash, masterUser, masterPassword, count})
                         .withList(list)
                         .soap(QStringList{l.Hash, masterUser, masterPassword, count} + list));
}

LinkAnswer MyCheckMasterOption(ServerLink& link, const QString& masterUser, const QString& masterPassword) {
    return link.call(LinkRequest(108, {QStringLiteral("1"), link.login().KdNr, masterUser, masterPassword})
                         .soap(QStringList{QStringLiteral("1"), masterUser, masterPassword}));
}

LinkAnswer MyGetLieferCodes(ServerLink& link, TLieferungArray& out) {
    LinkAnswer a = link.call(LinkRequest(152, {QStringLiteral("0")}));
    RecordAnswer::decodeCounted(Catalogue::get(152), a, out);
    return a;
}

LinkAnswer MyDebitorInfo2ID(ServerLink& link, const QString& kdnr, TDebitor& out) {
    out = TDebitor();
    LinkAnswer a = link.call(LinkRequest(153, {QString(), QStringLiteral("0"), kdnr, QStringLiteral("0")}));
    if (!a.ok())
        return a;
    bool ok = false;
    const int n = a.lines.value(0).trimmed().toInt(&ok);
    if (!ok || n < 1) {
        RecordAnswer::fail(a, QStringLiteral("IGetDebitor2: ") + QStringLiteral("Debitor \"") +
                                  link.login().KdNr + QStringLiteral("\" nicht gefunden."));
        return a;
    }
    out = AnswerLayouts::decodeDebitor(a.lines, 1);
    return a;
}

LinkAnswer MyLieferadresseInfo2ID(ServerLink& link, const QString& nummer, TLieferadresseArray& out) {
    out.clear();
    const QString selector = AnswerLayouts::lieferadressenSelector(link.serverLevel());
    const QString z = QStringLiteral("0");
    LinkAnswer a = link.call(LinkRequest(154, {QString(), z, z, nummer, QString(), selector}));
    if (a.ok() && !AnswerLayouts::decodeLieferadressen(a.lines, 0, selector, out))
        RecordAnswer::fail(a, RecordAnswer::countFailedText(Catalogue::get(154), a.lines.value(0)));
    return a;
}

LinkAnswer MyGetEinspeiserListe(ServerLink& link) {
    return link.call(LinkRequest(170));
}

LinkAnswer MyGetFilialen(ServerLink& link, TFilialKurzArray2& out) {
    out.clear();
    const QString e;
    const QString z = QStringLiteral("0");
    LinkAnswer a = link.call(LinkRequest(221, {e, z, QStringLiteral("1"), e, e, e, e, e, e, z}));
    if (a.ok() && !AnswerLayouts::decodeFilialen2(a.lines, 0, out))
        RecordAnswer::fail(a, RecordAnswer::countFailedText(Catalogue::get(221), a.lines.value(0)));
    return a;
}

LinkAnswer MyGetBestellzeitListe(ServerLink& link, const QString& parameter) {
    const QString z = QStringLiteral("0");
    return link.call(LinkRequest(175, {z, QStringLiteral("1"), parameter, z}));
}

LinkAnswer MyGetZustellZeit(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(260, lines));
}
