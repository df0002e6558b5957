#pragma once

// Server time and logout.

#include "link/serverlink.h"

#include <QDateTime>

// 994, at most once per 5 seconds: a call within 4999 ms of the last
// successful one returns that time. Stores the difference between local and
// server time of day.
LinkAnswer MyGetServerTime(ServerLink& link, const QString& caller, QDateTime& serverTime);
// 999: the lines the server sends back go to the log memo. SOAP needs no logout.
LinkAnswer MyLogout(ServerLink& link);
