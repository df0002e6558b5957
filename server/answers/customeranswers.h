#pragma once

#include "session.h"

#include <optional>

class ServerStore;

// Login 104, the user options (105, 106, 108) and the customer data the
// login loads: customer 153, addresses 154, delivery codes 152, branches
// 221, suppliers 170, deadlines 175, delivery times 260.
class CustomerAnswers {
public:
    explicit CustomerAnswers(ServerStore& store)
        : m_store(store) {}

    std::optional<ServerReply> answer(const RequestContext& ctx);
    // The session a successful login 104 opens (filled by answer()).
    std::optional<Session> openedSession() const { return m_opened; }

private:
    ServerReply login(const RequestContext& ctx);
    ServerReply readOptions(const RequestContext& ctx);
    ServerReply writeOptions(const RequestContext& ctx);
    ServerReply checkMaster(const RequestContext& ctx);
    ServerReply debitor(const RequestContext& ctx);
    ServerReply addresses(const RequestContext& ctx);
    ServerReply deadlines(const RequestContext& ctx);
    ServerReply deliveryTime(const RequestContext& ctx);

    ServerStore& m_store;
    std::optional<Session> m_opened;
};
