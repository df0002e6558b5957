#pragma once

// Update check, batch task, newsletter, help text, statistics, TecCom and
// the price file.

#include "link/serverlink.h"

// 300: on SOAP three empty lines and the version go in place of the header,
// "CheckUpdate" in place of the code.
LinkAnswer MyCheckUpdate(ServerLink& link, const QString& clientVersion);
// 302: the executable's file name.
LinkAnswer MyLoadBatchTask(ServerLink& link, const QString& exeName);
// 303: newsletter selector.
LinkAnswer MyLoadNewsLetter(ServerLink& link, const QString& selector);
// 304
LinkAnswer MyLoadHilfeText(ServerLink& link);
// 305: the statistics lines.
LinkAnswer MySaveStatistikData(ServerLink& link, const QStringList& lines);
// 412, 420 to 423: lists built by the using windows.
LinkAnswer MyTeccomRequest(ServerLink& link, const QStringList& lines);
LinkAnswer MyGetPreisdatei(ServerLink& link, const QStringList& lines);
LinkAnswer MyGetDebitorWarengruppenfilter(ServerLink& link, const QStringList& lines);
LinkAnswer MySetDebitorWarengruppenfilter(ServerLink& link, const QStringList& lines);
LinkAnswer MyErstelleDebitorPDBatch(ServerLink& link, const QStringList& lines);
