#pragma once

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
    ServerReply cardNote(const RequestContext& ctx);
    ServerReply logistics(const RequestContext& ctx);
    QString priceGroup(const QString& kdnr) const;

    ServerStore& m_store;
};
