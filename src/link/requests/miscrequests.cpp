#include "link/requests/miscrequests.h"

LinkAnswer MyCheckUpdate(ServerLink& link, const QString& clientVersion) {
    return link.call(LinkRequest(300, {clientVersion})
                         .soap(QStringList())
                         .header(QStringList{QString(), QString(), QString(), clientVersion})
                         .soapCodeLine(QStringLiteral("CheckUpdate")));
}

LinkAnswer MyLoadBatchTask(ServerLink& link, const QString& exeName) {
    return link.call(LinkRequest(302, {exeName}));
}

LinkAnswer MyLoadNewsLetter(ServerLink& link, const QString& selector) {
    return link.call(LinkRequest(303, {selector}));
}

LinkAnswer MyLoadHilfeText(ServerLink& link) {
    return link.call(LinkRequest(304, {QString()}));
}

LinkAnswer MySaveStatistikData(ServerLink& link, const QStringList& lines) {
    if (auto local = link.localAnswer(Catalogue::get(305)))
        return *local;
    if (!link.statisticsActive()) {
        LinkAnswer a;
        a.result = 1;
        a.errorText = QStringLiteral("StatistikData nicht aktiv.");
        return a;
    }
    return link.call(LinkRequest(305, lines));
}

LinkAnswer MyTeccomRequest(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(412, lines));
}

LinkAnswer MyGetPreisdatei(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(420, lines));
}

LinkAnswer MyGetDebitorWarengruppenfilter(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(421, lines));
}

LinkAnswer MySetDebitorWarengruppenfilter(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(422, lines));
}

LinkAnswer MyErstelleDebitorPDBatch(ServerLink& link, const QStringList& lines) {
    return link.call(LinkRequest(423, lines));
}
