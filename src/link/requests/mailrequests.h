#pragma once

// Mails the server sends for the client, and the check that one was sent.

#include "link/serverlink.h"

// 400: kind "100" order confirmation, "200" error report; the sender tag is
// empty or "QTX_CLIENT". On success lines holds the mail id.
LinkAnswer ISendMail(ServerLink& link, const QString& kind, const QString& senderTag,
                     const QString& recipient, const QString& subject, const QStringList& mailLines);
// 401 (TCP only): 0 when the server answers "Ok", otherwise 20 with the line.
LinkAnswer ICheckMail(ServerLink& link, const QString& mailId);
