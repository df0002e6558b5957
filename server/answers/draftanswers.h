#pragma once

#include "model/clientrecords.h"
#include "session.h"

#include <optional>

class ServerStore;

// Draft lines: reading (160, 169), changes (161, 163, 165, 167, 168, 172,
// 174, the SOAP mass update) and booking 164. Every change runs in one
// transaction and answers the stored line with the server's values.
class DraftAnswers {
public:
    explicit DraftAnswers(ServerStore& store)
        : m_store(store) {}

    std::optional<ServerReply> answer(const RequestContext& ctx);

private:
    ServerReply read160(const RequestContext& ctx);
    ServerReply read169(const RequestContext& ctx);
    ServerReply remove(const RequestContext& ctx);
    ServerReply insert(const RequestContext& ctx, bool import);
    ServerReply update163(const RequestContext& ctx);
    ServerReply update174(const RequestContext& ctx);
    ServerReply update168(const RequestContext& ctx);
    ServerReply massUpdate(const RequestContext& ctx);
    ServerReply init(const RequestContext& ctx);
    ServerReply book(const RequestContext& ctx);
    // Mode "0" all lines of the customer and user, "4" the line with the key.
    std::optional<ServerReply> readLines(const RequestContext& ctx, const QString& mode, const QString& kdnr,
                                         const QString& user, const QString& key,
                                         TVerkaufskladdeArray* lines) const;
    // 164 and 167 begin with the user and the customer on TCP, with the
    // customer alone on SOAP; `rest` lines follow.
    std::optional<ServerReply> userAndCustomer(const RequestContext& ctx, qsizetype rest, const QString& name,
                                               QString* kdnr, QString* user) const;
    // The line with this key when the session may touch it.
    bool ownLine(const RequestContext& ctx, const QString& vkklId, TVerkaufskladde* line) const;

    ServerStore& m_store;
};
