#pragma once

#include "session.h"

#include <optional>

class ServerStore;

// Update answer 300, files 301, batch 302, newsletter 303, help 304,
// statistics 305, mails 400/401, document dispatch 411 and TecCom 412.
class ServiceAnswers {
public:
    explicit ServiceAnswers(ServerStore& store)
        : m_store(store) {}

    std::optional<ServerReply> answer(const RequestContext& ctx);

private:
    ServerReply text(const RequestContext& ctx, const QString& art, int failCode);
    ServerReply file(const RequestContext& ctx);
    ServerReply statistics(const RequestContext& ctx);
    ServerReply sendMail(const RequestContext& ctx);
    ServerReply checkMail(const RequestContext& ctx);
    ServerReply teccom(const RequestContext& ctx);
    ServerReply sendDocument(const RequestContext& ctx);

    ServerStore& m_store;
};
