#include "link/requests/documentrequests.h"

#include "link/requests/recordanswer.h"

namespace {

template <class R> LinkAnswer heads(ServerLink& link, int code, const QStringList& lines, QList<R>& out) {
    LinkAnswer a = link.call(LinkRequest(code, lines));
    RecordAnswer::decodeCounted(Catalogue::get(code), a, out);
    return a;
}

} // namespace

LinkAnswer MyGetVKZInfo(ServerLink& link, const QStringList& parameters, TVerkaufsZeileArray& out) {
    return heads(link, 180, parameters, out);
}

LinkAnswer MyGetVKKInfo2(ServerLink& link, const QStringList& lines, TVerkaufsKopfArray& out) {
    return heads(link, 181, lines, out);
}

LinkAnswer MyGetDLKInfo2(ServerLink& link, const QStringList& lines, TDebitorLieferKopfArray& out) {
    return heads(link, 191, lines, out);
}

LinkAnswer MyGetDRKInfo2(ServerLink& link, const QStringList& lines, TDebitorRechnungsKopfArray& out) {
    return heads(link, 200, lines, out);
}

LinkAnswer MyGetDGKInfo2(ServerLink& link, const QStringList& lines, TDebitorGutschriftsKopfArray& out) {
    return heads(link, 210, lines, out);
}

LinkAnswer MyDocumentRequest(ServerLink& link, int code, const QStringList& lines) {
    return link.call(LinkRequest(code, lines));
}
