#pragma once

// The answer layouts that are not the plain full form: articles of which only
// some columns are kept, the customer's selected-fields form, the block-length
// forms of delivery addresses and branches, the stock rows and the article-info
// list. Each has its decoder for the client and its encoder for the server.

#include "model/clientrecords.h"
#include "model/compositerecords.h"

class Logger;

namespace AnswerLayouts {

// Articles travel with all 143 columns; the client keeps 60 and leaves
// purchase prices, costs, budgets and turnover empty.
FieldTable<TArtikelInfo> artikelInfoKeptFields();
TArtikelArray decodeArtikelInfo(const QStringList& lines, qsizetype start, qsizetype count);
TArtikelArray decodeArtikelInfo(QStringList&& lines, qsizetype start, qsizetype count);

// Customer: one record after the count line, 21 lines, then DEBI_VERK_ID when
// more than 21 lines follow, then the four price-file fields when more than 25.
FieldTable<TDebitor> debitorFields();
TDebitor decodeDebitor(const QStringList& lines, qsizetype start);
QStringList encodeDebitor(const TDebitor& debitor);

// Delivery addresses: selector "0" below server level 19, else "1".
QString lieferadressenSelector(int serverLevel);
FieldTable<TLieferadresse> lieferadresseFields(const QString& selector);
// lines[countIndex] is the count; false when it is no integer.
bool decodeLieferadressen(const QStringList& lines, qsizetype countIndex, const QString& selector,
                          TLieferadresseArray& out);
QStringList encodeLieferadressen(const TLieferadresseArray& addresses, const QString& selector);

// Branches of the login in the block-length form.
bool decodeFilialen2(const QStringList& lines, qsizetype countIndex, TFilialKurzArray2& out);
QStringList encodeFilialen2(const TFilialKurzArray2& branches);

// Stock answer: line 0 the row count, row i in the 22 lines from 22*i + 1.
// A negative Verfuegbar is logged and set to "0"; GesamtVerfuegbar is the sum.
FieldTable<TBestandsInfoFiliale> bestandsZeileFields();
constexpr qsizetype bestandsZeileLength = 22;
TBestandsInfo decodeBestandsInfo(const QStringList& lines, Logger* logger);
QStringList encodeBestandsInfo(const TBestandsInfo& info);

// Article-info list: the head, then each Num... line followed by its array.
bool decodeArtikelInfoListe(const QStringList& lines, qsizetype start, TArtikelInfoListe& out);
QStringList encodeArtikelInfoListe(const TArtikelInfoListe& liste);

} // namespace AnswerLayouts
