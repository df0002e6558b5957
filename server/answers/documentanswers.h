#pragma once

#include "session.h"

#include <optional>

class ServerStore;

// Documents of the customer: order, delivery-note, invoice and credit-note
// heads and lines, open backorders 183, booking lines of invoices and credit
// notes (204, 215), offers, returnable articles and old parts.
class DocumentAnswers {
public:
    explicit DocumentAnswers(ServerStore& store)
        : m_store(store) {}

    std::optional<ServerReply> answer(const RequestContext& ctx);

private:
    ServerReply heads(const RequestContext& ctx, int code);
    ServerReply orderLines(const RequestContext& ctx);
    ServerReply shortLines(const RequestContext& ctx, int code);
    ServerReply backorders(const RequestContext& ctx);
    ServerReply offers(const RequestContext& ctx, int code);
    ServerReply bookingLines(const RequestContext& ctx, int code);
    ServerReply returnable(const RequestContext& ctx);
    ServerReply oldParts(const RequestContext& ctx);
    ServerReply oldPartUpdate(const RequestContext& ctx);

    ServerStore& m_store;
};
