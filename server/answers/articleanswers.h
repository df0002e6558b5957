#pragma once

#include "model/articlerecords.h"
#include "session.h"

#include <optional>

class ServerStore;

// Articles and searches (130, 131, 134, 135, 137, 139, 501), the article
// info list 136, the web-shop check 142, card notes 425, logistics 426,
// stock 121 and prices (110, 112).
class ArticleAnswers {
public:
    explicit ArticleAnswers(ServerStore& store)
        : m_store(store) {}

    std::optional<ServerReply> answer(const RequestContext& ctx);

private:
    ServerReply article(const RequestContext& ctx);
    ServerReply searchShort(const RequestContext& ctx);
    ServerReply searchLong(const RequestContext& ctx, bool byEan);
    ServerReply network(const RequestContext& ctx);
    ServerReply stock(const RequestContext& ctx);
    ServerReply price(const RequestContext& ctx);
    ServerReply graduated(const RequestContext& ctx);
    ServerReply infoList(const RequestContext& ctx);
    ServerReply searchAll(const RequestContext& ctx, bool third);
    ServerReply webShop(const RequestContext& ctx);
    // 425 and 426: an empty line, "0", the customer and the article, then their own lines.
    ServerReply customerArticle(const RequestContext& ctx);
    ServerReply cardNote(const TArtikelInfo& a, const QString& kdnr, const QString& kind);
    ServerReply logistics(const TArtikelInfo& a);
    QString priceGroup(const QString& kdnr) const;

    ServerStore& m_store;
};
