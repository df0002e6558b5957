#pragma once

// Reading and changing the draft order (Verkaufskladde) on the server.

#include "link/serverlink.h"
#include "model/linevalues.h"
#include "model/vkklanswers.h"
#include "model/vkklrequests.h"

// The result of a reading that found no open lines ("Keine offenen
// Verkaufskladden gefunden").
inline constexpr int NoOpenDraftLines = 119;

// Reads the draft order: mode "0" all open lines, "4" the line vkklId. An
// empty user or customer number means the login's. Below server level 17
// TCP reads with 169, from 17 on with 160; SOAP reads with 169 ("GetKladden").
// A draft order without lines gives NoOpenDraftLines.
LinkAnswer MyVKKLGet(ServerLink& link, const QString& mode, const QString& user, const QString& artiId,
                     const QString& kdnr, const QString& vkklId, VkklAnswer& out);
// 161: deletes one line, or several in one request. Like every change of
// draft lines below, it empties the answer cache of MyVKKLGet.
LinkAnswer MyVKKLDelete(ServerLink& link, const QString& vkklId);
LinkAnswer MyVKKLDelete(ServerLink& link, const QStringList& vkklIds);
// 163: changes a line by its value list.
LinkAnswer MyVKKLUpdate(ServerLink& link, const LineValues& values, VkklAnswer& out);
// 164: books the draft order.
LinkAnswer MyVKKLBuchen(ServerLink& link);
// 165: inserts a line.
LinkAnswer MyVKKLInsert(ServerLink& link, const LineValues& values, VkklAnswer& out);
// 167: creates an empty draft order for a delivery address; out.vkklId is its id.
LinkAnswer MyVKKLInit2(ServerLink& link, const QString& lieferadresse, VkklAnswer& out);
// 168: one field of one line.
LinkAnswer MyVKKLUpdate3(ServerLink& link, const VkklRequests::FieldUpdate& update, VkklAnswer& out);
// Several field updates: one "MassenUpdate168" on SOAP, one 168 each on TCP.
LinkAnswer MyMassenUpdate(ServerLink& link, const QList<VkklRequests::MassUpdateItem>& items,
                          VkklAnswer& out);
// 172: the import insert. A failure "von NULL" asks whether to end the
// program; *endRequested tells the caller the user said yes.
LinkAnswer MyVKKLInsert2(ServerLink& link, const LineValues& values, VkklAnswer& out,
                         bool* endRequested = nullptr);
// 174: the masked update.
LinkAnswer MyVKKLUpdate4(ServerLink& link, const LineValues& values, const QString& mask, VkklAnswer& out);
