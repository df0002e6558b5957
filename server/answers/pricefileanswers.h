#pragma once

#include "session.h"

#include <optional>

class ServerStore;

// The price file: file info, provided copy and its deletion (420), the
// product-group filter (421, 422) and the one-shot build (423). The WebDAV
// store itself is not here; the answers tell what it would hold.
class PriceFileAnswers {
public:
    explicit PriceFileAnswers(ServerStore& store)
        : m_store(store) {}

    std::optional<ServerReply> answer(const RequestContext& ctx);

private:
    ServerReply priceFile(const RequestContext& ctx);
    ServerReply filter(const QString& kdnr);
    ServerReply setFilter(const RequestContext& ctx);
    // Builds the file once with the one-shot filter.
    ServerReply batch(const QString& kdnr);

    ServerStore& m_store;
};
