#include "answers/pricefileanswers.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "model/scramble.h"
#include "replies.h"
#include "serverstore.h"
#include "store/pricefilestore.h"
#include "store/transaction.h"

#include <QDateTime>

namespace {

QString nowText() {
    return FormatDE::formatDateTime(QDateTime::currentDateTime());
}

// The client shows its "no price file" text for this answer.
ServerReply noFile(const QString& kdnr) {
    return Replies::error(1, QStringLiteral("404 Not Found: keine Preisdatei für Kunde %1").arg(kdnr));
}

bool isFlag(const QString& text) {
    const QString t = text.trimmed();
    return t == u"0" || t == u"1";
}

} // namespace

std::optional<ServerReply> PriceFileAnswers::answer(const RequestContext& ctx) {
    switch (Convert::toIntDef(ctx.request.code, -1)) {
    case 420:
        return priceFile(ctx);
    case 421:
    case 423: {
        // "0", customer, "0"
        if (ctx.p().size() != 3)
            return Replies::badRequest(QStringLiteral("%1 braucht 3 Zeilen")
                                           .arg(ctx.request.code == u"421"
                                                    ? QStringLiteral("GetPreisdateifilter")
                                                    : QStringLiteral("Preisdateibatch")));
        QString kdnr;
        if (!ctx.customer(ctx.p().at(1), &kdnr))
            return Replies::notYours();
        return ctx.request.code == u"421" ? filter(kdnr) : batch(kdnr);
    }
    case 422:
        return setFilter(ctx);
    default:
        return std::nullopt;
    }
}

ServerReply PriceFileAnswers::priceFile(const RequestContext& ctx) {
    // "", "0", mode, customer, file name, extension, "0"
    if (ctx.p().size() != 7)
        return Replies::badRequest(QStringLiteral("IGetPreisdatei braucht 7 Zeilen"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(3), &kdnr))
        return Replies::notYours();
    const QString mode = ctx.p().at(2).trimmed();
    if (mode != u"0" && mode != u"1" && mode != u"2")
        return Replies::badRequest(QStringLiteral("Unbekannte Funktion WebDAV-Preisdatei: ") +
                                   ctx.p().join(QLatin1Char(' ')));
    PriceFileStore files(m_store.database());
    const std::optional<PriceFileStore::PriceFile> f = files.file(kdnr);
    if (!f)
        return noFile(kdnr);
    const QString size = QString::number(f->size);
    if (mode == u"0") {
        // The client unscrambles the store's root address with its own routine.
        const QString root =
            m_store.config(QStringLiteral("WEBDAV_ROOT"), QStringLiteral("https://127.0.0.1/dav/"));
        return Replies::ok({Scramble::scramble(root), f->name, size, f->created});
    }
    Transaction t(m_store.database());
    if (mode == u"1") {
        // One copy per download, so that deleting it never touches the offered file.
        const QString copy =
            QStringLiteral("DL_%1_%2")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmsszzz")), f->name);
        if (!files.setCopy(kdnr, copy) || !t.commit())
            return Replies::error(1,
                                  QStringLiteral("WebDAV-Datei bereitstellen für %1 gescheitert").arg(kdnr));
        return Replies::ok({QStringLiteral("OK"), copy, size, f->created});
    }
    const QString name = ctx.p().at(4).trimmed();
    if (name.isEmpty() || name != f->copy)
        return Replies::error(1, QStringLiteral("Datei \"%1\" ist nicht bereitgestellt").arg(name));
    if (!files.setCopy(kdnr, QString()) || !t.commit())
        return Replies::error(1);
    return Replies::ok({QStringLiteral("OK")});
}

ServerReply PriceFileAnswers::filter(const QString& kdnr) {
    const PriceFileStore files(m_store.database());
    const QHash<QString, bool> active = files.filter(kdnr, PriceFileStore::standard());
    const QList<PriceFileStore::Group> groups = files.groups();
    QStringList out;
    for (const PriceFileStore::Group& g : groups) {
        // A group the customer never chose about is in the file.
        out << QString() << g.id << g.buchgruppe << g.bezeichnung << g.kurzbez
            << (active.value(g.id, true) ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return Replies::ok(Replies::counted(groups.size(), out));
}

ServerReply PriceFileAnswers::setFilter(const RequestContext& ctx) {
    // "0", customer, N, N times (group id, checked, one-shot), "0"
    int n = 0;
    if (ctx.p().size() < 4 || !Convert::tryToInt(ctx.p().at(2), n) || n < 0 ||
        ctx.p().size() != 4 + qsizetype(n) * 3)
        return Replies::badRequest(QStringLiteral("SetPreisdateifilter: Zeilen passen nicht"));
    QString kdnr;
    if (!ctx.customer(ctx.p().at(1), &kdnr))
        return Replies::notYours();
    PriceFileStore files(m_store.database());
    QSet<QString> known;
    for (const PriceFileStore::Group& g : files.groups())
        known.insert(g.id);
    QList<QPair<QString, bool>> entries;
    QSet<QString> oneShotFlags;
    for (int i = 0; i < n; ++i) {
        const QString id = ctx.p().at(3 + i * 3).trimmed();
        const QString checked = ctx.p().at(3 + i * 3 + 1);
        const QString oneShot = ctx.p().at(3 + i * 3 + 2);
        if (!known.contains(id) || !isFlag(checked) || !isFlag(oneShot))
            return Replies::badRequest(
                QStringLiteral("SetPreisdateifilter: Eintrag %1 (\"%2\", \"%3\", \"%4\")")
                    .arg(i + 1)
                    .arg(id, checked, oneShot));
        entries.append({id, checked.trimmed() == u"1"});
        oneShotFlags.insert(oneShot.trimmed());
    }
    // One request sets one filter: the standard or the one-shot one.
    if (oneShotFlags.size() > 1)
        return Replies::badRequest(QStringLiteral("SetPreisdateifilter: Standard und einmalig gemischt"));
    const QString kind =
        oneShotFlags.contains(QStringLiteral("1")) ? PriceFileStore::oneShot() : PriceFileStore::standard();
    Transaction t(m_store.database());
    if (!files.setFilter(kdnr, kind, entries) || !t.commit())
        return Replies::error(1);
    return Replies::ok({QStringLiteral("OK")});
}

ServerReply PriceFileAnswers::batch(const QString& kdnr) {
    PriceFileStore files(m_store.database());
    const QHash<QString, bool> oneShot = files.filter(kdnr, PriceFileStore::oneShot());
    if (oneShot.isEmpty())
        return Replies::error(1, QStringLiteral("Kein einmaliger Warengruppenfilter gesetzt"));
    QStringList groups;
    for (auto it = oneShot.cbegin(); it != oneShot.cend(); ++it) {
        if (it.value())
            groups.append(it.key());
    }
    if (groups.isEmpty())
        return Replies::error(1, QStringLiteral("Keine Warengruppe für die Preisdatei ausgewählt"));
    groups.sort();
    Transaction t(m_store.database());
    const QString id = files.addBatch(kdnr, groups, nowText());
    if (id.isEmpty() || !t.commit())
        return Replies::error(1);
    return Replies::ok({QStringLiteral("OK"), id});
}
