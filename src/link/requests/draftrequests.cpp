#include "link/requests/draftrequests.h"

#include "link/errortable.h"
#include "link/tcpconnection.h"
#include "link/tcpframings.h"
#include "platform/dialogs.h"
#include "platform/logger.h"

namespace {

// A line answer that came back decoded but failed carries its own code and text.
void takeVkkl(LinkAnswer& a, const VkklAnswer& v) {
    if (a.ok() && v.code != 0) {
        a.result = v.code;
        a.errorText = v.message;
    }
}

QString orLogin(const QString& value, const QString& login) {
    return value.isEmpty() ? login : value;
}

// A draft order without open lines is answered with the count "0" (TCP) or
// "NUMKLADDEN" and "0" (SOAP). It is not malformed: it is the server's "no
// open lines", which the grid answers by creating a new line.
bool emptyDraft(const QStringList& lines, bool soap) {
    const qsizetype at = soap && lines.value(0) == u"NUMKLADDEN" ? 1 : 0;
    if (soap && at == 0)
        return false;
    bool ok = false;
    const qint64 n = lines.value(at).trimmed().toLongLong(&ok);
    return ok && n == 0 && lines.size() <= at + 1 + (soap ? 0 : 1);
}

// Every change of draft lines makes a cached reading stale: the next reading
// must ask the server.
LinkAnswer changeLines(ServerLink& link, const LinkRequest& request) {
    link.vkklCache().clear();
    return link.call(request);
}

void noOpenLines(LinkAnswer& a) {
    a.result = NoOpenDraftLines;
    a.errorText = ErrorTable::GetErrorText(NoOpenDraftLines);
}

} // namespace

LinkAnswer MyVKKLGet(ServerLink& link, const QString& mode, const QString& user, const QString& artiId,
                     const QString& kdnr, const QString& vkklId, VkklAnswer& out) {
    Q_UNUSED(artiId);
    out = VkklAnswer();
    const QString u = orLogin(user, link.login().User);
    const QString k = orLogin(kdnr, link.login().KdNr);
    const VkklEnvironment env = link.vkklEnvironment();

    if (link.soap()) {
        LinkAnswer a = link.sendSoap(
            Catalogue::get(169),
            LinkRequest(169).soap(VkklRequests::get169Soap(vkklId)).acceptShortSoap([](const QStringList& l) {
                return emptyDraft(l, true);
            }));
        if (a.ok() && emptyDraft(a.lines, true)) {
            noOpenLines(a);
            return a;
        }
        if (a.ok())
            out = VkklAnswers::readGetKladdenSoap(a.lines, env);
        takeVkkl(a, out);
        return a;
    }

    const bool older = link.serverLevel() < 17;
    const RequestDescriptor& d = Catalogue::get(older ? 169 : 160);
    VkklAnswerCache& cache = link.vkklCache();
    LinkAnswer a = link.bracketed(d, [&] {
        link.logger().Log(1, VkklRequests::getLogLine(mode, vkklId, link.client().isConnected()), 1);
        if (auto cached = cache.lookup(mode, vkklId)) {
            link.logger().Log(1, VkklAnswerCache::hitLogLine(mode, vkklId), 1);
            LinkAnswer hit;
            hit.lines = *cached;
            return hit;
        }
        LinkRequest request(d.code);
        request.lines =
            older ? VkklRequests::get169Tcp(mode, u, k, vkklId) : VkklRequests::get160Tcp(mode, u, k, vkklId);
        LinkAnswer sent = link.sendTcp(d, request);
        if (sent.ok() && !sent.lines.isEmpty())
            cache.store(mode, vkklId, sent.lines, 0);
        else
            cache.clear();
        return sent;
    });
    if (a.ok() && emptyDraft(a.lines, false)) {
        cache.clear();
        noOpenLines(a);
        return a;
    }
    if (a.ok())
        out = older ? VkklAnswers::readGet169Tcp(a.lines, env) : VkklAnswers::readGet160Tcp(a.lines, env);
    if (out.code != 0)
        cache.clear();
    takeVkkl(a, out);
    return a;
}

LinkAnswer MyVKKLDelete(ServerLink& link, const QString& vkklId) {
    return MyVKKLDelete(link, QStringList{vkklId});
}

LinkAnswer MyVKKLDelete(ServerLink& link, const QStringList& vkklIds) {
    return changeLines(link, LinkRequest(161, vkklIds));
}

LinkAnswer MyVKKLUpdate(ServerLink& link, const LineValues& values, VkklAnswer& out) {
    LinkAnswer a = changeLines(
        link, LinkRequest(163, VkklRequests::update163(link.login().User, link.login().KdNr, values)));
    out = a.ok() ? VkklAnswers::readUpdate163(a.lines, link.vkklEnvironment()) : VkklAnswer();
    takeVkkl(a, out);
    return a;
}

LinkAnswer MyVKKLBuchen(ServerLink& link) {
    return changeLines(
        link, LinkRequest(164, {link.login().User, link.login().KdNr}).soap(QStringList{link.login().KdNr}));
}

LinkAnswer MyVKKLInsert(ServerLink& link, const LineValues& values, VkklAnswer& out) {
    LinkAnswer a = changeLines(
        link, LinkRequest(165, VkklRequests::insert165(link.login().User, link.login().KdNr, values)));
    out = a.ok() ? VkklAnswers::readInsert165(a.lines, link.vkklEnvironment()) : VkklAnswer();
    takeVkkl(a, out);
    return a;
}

LinkAnswer MyVKKLInit2(ServerLink& link, const QString& lieferadresse, VkklAnswer& out) {
    out = VkklAnswer();
    const Login_rec& l = link.login();
    LinkAnswer a = changeLines(
        link, LinkRequest(167, {l.User, l.KdNr, lieferadresse}).soap(QStringList{l.KdNr, lieferadresse}));
    if (a.ok())
        out.vkklId = a.lines.value(0).trimmed();
    return a;
}

LinkAnswer MyVKKLUpdate3(ServerLink& link, const VkklRequests::FieldUpdate& update, VkklAnswer& out) {
    LinkAnswer a = changeLines(
        link, LinkRequest(168, VkklRequests::update168Tcp(update)).soap(VkklRequests::update168Soap(update)));
    out = a.ok() ? VkklAnswers::readUpdate168(a.lines, link.vkklEnvironment()) : VkklAnswer();
    takeVkkl(a, out);
    return a;
}

LinkAnswer MyMassenUpdate(ServerLink& link, const QList<VkklRequests::MassUpdateItem>& items,
                          VkklAnswer& out) {
    out = VkklAnswer();
    link.vkklCache().clear();
    if (link.soap()) {
        LinkAnswer a = link.sendSoap(Catalogue::get(168), LinkRequest(168)
                                                              .soap(VkklRequests::massUpdate(items))
                                                              .soapCodeLine(VkklRequests::MassUpdateCode));
        if (a.result < 0)
            return a;
        // ErrorCode counts the failed quadruples; the lines still hold the rest.
        out = VkklAnswers::readMassUpdate(a.lines, a.result);
        if (out.code != 0) {
            a.result = out.code;
            a.errorText = out.message;
        }
        return a;
    }
    // TCP has no bulk form: one field update after the other.
    LinkAnswer total;
    QStringList messages;
    int failed = 0;
    for (const VkklRequests::MassUpdateItem& item : items) {
        VkklAnswer one;
        const LinkAnswer a = MyVKKLUpdate3(link, {item.fieldCode, item.value, QString(), item.vkklId}, one);
        out.lines += one.lines;
        if (!a.ok()) {
            ++failed;
            messages.append(a.errorText);
        }
    }
    if (failed > 0) {
        total.result = failed;
        total.errorText = VkklAnswers::massUpdateReport(failed, messages);
    }
    return total;
}

LinkAnswer MyVKKLInsert2(ServerLink& link, const LineValues& values, VkklAnswer& out, bool* endRequested) {
    if (endRequested)
        *endRequested = false;
    const Login_rec& l = link.login();
    LinkAnswer a = changeLines(link, LinkRequest(172, VkklRequests::insert172(l.User, l.KdNr, values))
                                         .soap(VkklRequests::insert172Soap(l.User, l.KdNr, values)));
    out = a.ok() ? VkklAnswers::readInsert172(a.lines, link.vkklEnvironment()) : VkklAnswer();
    takeVkkl(a, out);
    if (a.ok() && out.reread) {
        const QString id = out.vkklId;
        VkklAnswer line;
        a = MyVKKLGet(link, QStringLiteral("4"), QString(), QString(), QString(), id, line);
        out.lines = line.lines;
        out.fieldCount = line.fieldCount;
        out.vkklId = id;
    }
    if (!a.ok() && a.errorText.contains(QStringLiteral("von NULL"))) {
        const QString question = VkklAnswers::insert2Question(a.errorText);
        link.logger().Log(1, QStringLiteral("MyVKKLInsert2 ") + question, 1);
        const bool yes =
            link.dialogs().question(VkklAnswers::Insert2QuestionTitle, question) == Dialogs::Answer::Yes;
        if (endRequested)
            *endRequested = yes;
    }
    return a;
}

LinkAnswer MyVKKLUpdate4(ServerLink& link, const LineValues& values, const QString& mask, VkklAnswer& out) {
    LinkAnswer a =
        changeLines(link, LinkRequest(174, VkklRequests::update174(values, mask, link.serverLevel())));
    out = a.ok() ? VkklAnswers::readUpdate174(a.lines, link.soap(), link.vkklEnvironment()) : VkklAnswer();
    takeVkkl(a, out);
    return a;
}
