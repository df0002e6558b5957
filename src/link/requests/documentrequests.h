#pragma once

// Documents: order, delivery-note, invoice and credit-note heads and lines,
// returnable articles and dispatch. The using windows build the request lines.

#include "link/serverlink.h"
#include "model/documentrecords.h"

// 180: order lines by the four command parameters.
LinkAnswer MyGetVKZInfo(ServerLink& link, const QStringList& parameters, TVerkaufsZeileArray& out);
// Heads: eight parameter lines, then a "Num..." count line and the heads.
LinkAnswer MyGetVKKInfo2(ServerLink& link, const QStringList& lines, TVerkaufsKopfArray& out);
LinkAnswer MyGetDLKInfo2(ServerLink& link, const QStringList& lines, TDebitorLieferKopfArray& out);
LinkAnswer MyGetDRKInfo2(ServerLink& link, const QStringList& lines, TDebitorRechnungsKopfArray& out);
LinkAnswer MyGetDGKInfo2(ServerLink& link, const QStringList& lines, TDebitorGutschriftsKopfArray& out);
// The other document requests (141, 183, 184, 185, 193, 203, 204, 213, 215,
// 411): their lines in, the answer lines out.
LinkAnswer MyDocumentRequest(ServerLink& link, int code, const QStringList& lines);
