#include "documents/documenttable.h"

#include "documents/documentkinds.h"
#include "model/recordlayout.h"

#include <QHash>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// ---------------------------------------------------------------- counts

// The count line: a text that is no number counts as no records.
qsizetype countOf(const QStringList& answer) {
    bool ok = false;
    const qsizetype n = answer.value(0).trimmed().toLongLong(&ok);
    // More than the grid's int rows could ever show is no count either.
    return ok && n > 0 && n <= std::numeric_limits<int>::max() ? n : 0;
}

// Whole blocks of `block` lines after the count line, at most n.
qsizetype wholeBlocks(const QStringList& answer, qsizetype n, qsizetype block) {
    if (block <= 0 || answer.size() < 2)
        return 0;
    return std::min(n, (answer.size() - 1) / block);
}

QString incomplete(qsizetype announced, qsizetype complete) {
    return u"Die Antwort des Servers ist unvollständig: %1 Datensätze angekündigt, %2 vollständig erhalten."_s
        .arg(announced)
        .arg(complete);
}

// ---------------------------------------------------------------- headers

template <class R> QStringList fieldNames(const QHash<QString, QString>& renames) {
    QStringList names;
    names.reserve(RecordCodec::fieldCount<R>());
    for (qsizetype k = 0; k < RecordCodec::fieldCount<R>(); ++k) {
        const QString name = RecordCodec::fieldName<R>(k).toString();
        names.append(renames.value(name, name));
    }
    return names;
}

const QHash<QString, QString>& orderHeadNames() {
    static const QHash<QString, QString> names = {
        {u"IHRE_REFERENZ"_s, u"Ihre Referenz"_s},       {u"LIEFERNR"_s, u"Lieferadr"_s},
        {u"AUFTRAGSDATUM"_s, u"Auftragsdatum"_s},       {u"BUCHUNGSTEXT"_s, u"Buchungstext"_s},
        {u"AUFTRAGSART"_s, u"Auftragsart"_s},           {u"BENUTZER"_s, u"User-ID"_s},
        {u"PL_DRUCK_LETZ_ZEIT"_s, u"Packlistendruck"_s}};
    return names;
}

// Delivery notes, invoices and credit notes: the operator is the "User-ID".
const QHash<QString, QString>& ledgerHeadNames() {
    static const QHash<QString, QString> names = {{u"IHRE_REFERENZ"_s, u"Ihre Referenz"_s},
                                                  {u"LIEFERNR"_s, u"Lieferadr"_s},
                                                  {u"AUFTRAGSDATUM"_s, u"Auftragsdatum"_s},
                                                  {u"BUCHUNGSTEXT"_s, u"Buchungstext"_s},
                                                  {u"AUFTRAGSART"_s, u"Auftragsart"_s},
                                                  {u"BUCHUNGSDATUM"_s, u"Buchungsdatum"_s},
                                                  {u"BEDIENER"_s, u"User-ID"_s}};
    return names;
}

const QHash<QString, QString>& orderLineNames() {
    static const QHash<QString, QString> names = {{u"BELEGNR"_s, u"Belegnr"_s},
                                                  {u"NUMMER"_s, u"Artikelnummer"_s},
                                                  {u"FILIALE"_s, u"Filiale"_s},
                                                  {u"TEXT"_s, u"Bezeichnung"_s},
                                                  {u"TEXT_2"_s, u"Bezeichnung2"_s},
                                                  {u"EINHEIT"_s, u"Einheit"_s},
                                                  {u"MENGE"_s, u"Menge"_s},
                                                  {u"RESTAUFTRAG_MENGE"_s, u"Restmenge"_s},
                                                  {u"ZU_FAKTURIEREN"_s, u"zu_fakturieren"_s},
                                                  {u"ZU_LIEFERN"_s, u"zu_liefern"_s},
                                                  {u"RABATT_P"_s, u"Rabatt%"_s},
                                                  {u"NETTOBETRAG"_s, u"Nettobetrag"_s},
                                                  {u"BRUTTOBETRAG"_s, u"Bruttobetrag"_s},
                                                  {u"VK_PREIS"_s, u"VK-Preis"_s},
                                                  {u"GELIEFERT"_s, u"Geliefert"_s},
                                                  {u"FAKTURIERT"_s, u"Fakturiert"_s},
                                                  {u"BRUTTOPREIS"_s, u"Bruttopreis"_s},
                                                  {u"NETTOPREIS"_s, u"Nettopreis"_s},
                                                  {u"DIV_ART_NR"_s, u"Artikelnummer2"_s}};
    return names;
}

QStringList frei(const QStringList& before, const QString& last) {
    return before + QStringList{u"frei1"_s, u"frei2"_s, u"frei3"_s, u"frei4"_s, u"frei5"_s, last};
}

QStringList bookingHeaders(bool credit) {
    QStringList h = {u"BArt"_s,       u"RG_NR"_s,
                     u"Kunde"_s,      u"Debitor"_s,
                     u"Name"_s,       u"Straße"_s,
                     u"PLZ Ort"_s,    u"Referenz"_s,
                     u"LAdr"_s,       u"Liefername"_s,
                     u"Lieferstr."_s, u"Lieferort"_s,
                     u"LCode"_s,      u"Buch.Datum"_s,
                     u"Mitgl.nr"_s,   u"LfdNr"_s,
                     u"gehörtzu"_s,   u"Lieferscheinnr"_s,
                     u"AuftragsNr"_s, u"L1"_s,
                     u"L2"_s,         u"L3"_s,
                     u"Art"_s,        u"ArtikelNr"_s,
                     u"DiverseNr"_s,  u"EAN_Nr"_s,
                     u"text"_s,       u"Buchgr"_s,
                     u"Menge"_s,      u"Einheit"_s,
                     u"PE"_s,         u"Bruttopreis"_s,
                     u"Nettopreis"_s, u"Nettobetrag"_s,
                     u"L"_s};
    if (credit) {
        h[1] = u"GU_NR"_s;
        h[12] = u"L1"_s;
        h[17] = u"L2"_s;
        h[18] = u"AuftragNr"_s;
        h[19] = u"RücksendeNr"_s;
        h[20] = u"AusgleichsNr"_s;
        h[21] = u"AusgleichsArt"_s;
    }
    return h;
}

const QStringList& deliveryLineHeaders() {
    static const QStringList h = {
        u"KUNDENNR"_s,       u"Belegnr"_s,     u"Artikelnummer"_s, u"Artikelnummer2"_s, u"BUCH_GR"_s,
        u"Bezeichnung"_s,    u"Zusatz"_s,      u"Einheit"_s,       u"Menge"_s,          u"Bruttopreis"_s,
        u"Rabatt%"_s,        u"DEBITORENNR"_s, u"Nettopreis"_s,    u"VK-Preis"_s,       u"VK-Preis"_s,
        u"Artikelnummer2"_s, u"DEBLZ_ID"_s,    u"DEBLZ_DEBLK_ID"_s};
    return h;
}

const QStringList& invoiceLineHeaders() {
    static const QStringList h = {u"KUNDENNR"_s,       u"Belegnr"_s,
                                  u"LFD_NR"_s,         u"ART"_s,
                                  u"Artikelnummer"_s,  u"Artikelnummer2"_s,
                                  u"BUCH_GR"_s,        u"Bezeichnung"_s,
                                  u"Zusatz"_s,         u"Einheit"_s,
                                  u"Menge"_s,          u"Bruttopreis"_s,
                                  u"Rabatt%"_s,        u"Nettopreis"_s,
                                  u"Nettobetrag"_s,    u"DEBITORENNR"_s,
                                  u"AUFTRAGSNR"_s,     u"LFD_NR_DES_AUFTRAG"_s,
                                  u"Bruttobetrag"_s,   u"VK-Preis"_s,
                                  u"Bruttopreis"_s,    u"PE"_s,
                                  u"Artikelnummer2"_s, u"DEBRZ_ID"_s,
                                  u"DEBRZ_DEBRK_ID"_s};
    return h;
}

const QStringList& creditLineHeaders() {
    static const QStringList h = {
        u"KUNDENNR"_s,       u"Belegnr"_s,       u"LFD_NR"_s,         u"ART"_s,        u"Artikelnummer"_s,
        u"Artikelnummer2"_s, u"BUCH_GR"_s,       u"Bezeichnung"_s,    u"Zusatz"_s,     u"Einheit"_s,
        u"Menge"_s,          u"Bruttopreis"_s,   u"Rabatt%"_s,        u"Nettopreis"_s, u"Nettobetrag"_s,
        u"Bruttobetrag"_s,   u"BUCHUNGSDATUM"_s, u"AT-Wert"_s,        u"AT-Steuer"_s,  u"Bruttopreis"_s,
        u"Nettopreis"_s,     u"VK-Preis"_s,      u"Artikelnummer2"_s, u"DEBGSZ_ID"_s,  u"DEBGSZ_DEBGSK_ID"_s};
    return h;
}

// ---------------------------------------------------------------- table work

struct Copy {
    int to;
    int from;
};

void copyColumns(QList<QStringList>& rows, std::initializer_list<Copy> copies, bool withHeader) {
    for (qsizetype r = withHeader ? 0 : 1; r < rows.size(); ++r) {
        QStringList& row = rows[r];
        for (const Copy& c : copies)
            row[c.to] = row.value(c.from);
    }
}

void cutColumns(DocumentTable& t, int columns) {
    for (QStringList& row : t.rows)
        row.resize(columns);
    t.columns = columns;
}

QStringList sized(QStringList row, int columns) {
    row.resize(columns);
    return row;
}

void start(DocumentTable& t, const QStringList& header) {
    t.columns = int(header.size());
    t.rows = {header};
}

void showNamed(DocumentTable& t, const QStringList& names) {
    const QStringList& header = t.rows.first();
    for (const QString& name : names) {
        const qsizetype c = header.indexOf(name);
        if (c >= 0)
            t.visible.insert(int(c));
    }
}

void showColumns(DocumentTable& t, std::initializer_list<int> columns) {
    for (int c : columns)
        t.visible.insert(c);
}

void showAll(DocumentTable& t) {
    for (int c = 0; c < t.columns; ++c)
        t.visible.insert(c);
}

// ---------------------------------------------------------------- heads

template <class R>
void heads(DocumentTable& t, const QStringList& answer, const DocumentOptions& o, QList<R>& out,
           const QStringList& header) {
    start(t, header);
    const qsizetype n = countOf(answer);
    const qsizetype block = RecordCodec::fieldCount<R>();
    const qsizetype complete = wholeBlocks(answer, n, block);
    if (complete < n)
        t.problem = incomplete(n, complete);
    out = RecordCodec::decode<R>(answer, 1, complete, block);
    t.rows.reserve(out.size() + 1);
    for (const R& r : out) {
        if (!o.addressFilter.isEmpty() && !o.addressFilter.contains(r.LIEFERNR))
            continue;
        QStringList row;
        row.reserve(block);
        RecordCodec::encodeInto(row, r);
        t.rows.append(std::move(row));
    }
    t.count = int(n);
}

// ---------------------------------------------------------------- lines

QString price(const QString& text, bool withPrices) {
    return withPrices ? FormatPreis(text) : u"-"_s;
}

void orderLinePrices(TVerkaufsZeile& z, bool withPrices) {
    z.VK_PREIS = FormatPreis(z.VK_PREIS);
    z.NETTOBETRAG = price(z.NETTOBETRAG, withPrices);
    z.BRUTTOBETRAG = price(z.BRUTTOBETRAG, withPrices);
    z.NETTOPREIS = price(z.NETTOPREIS, withPrices);
    z.BRUTTOPREIS = price(z.BRUTTOPREIS, withPrices);
    if (!withPrices)
        z.RABATT_P = u"-"_s;
}

void orderLines(DocumentTable& t, const QStringList& answer, const DocumentOptions& o, DocumentArrays& a) {
    start(t, fieldNames<TVerkaufsZeile>(orderLineNames()));
    const qsizetype n = countOf(answer);
    const qsizetype complete = wholeBlocks(answer, n, 127);
    if (complete < n)
        t.problem = incomplete(n, complete);
    a.orderLines = RecordCodec::decode<TVerkaufsZeile>(answer, 1, complete, 127);
    for (TVerkaufsZeile& z : a.orderLines) {
        orderLinePrices(z, o.orderPrices);
        QStringList row;
        RecordCodec::encodeInto(row, z);
        t.rows.append(std::move(row));
    }
    copyColumns(t.rows, {{20, 87}, {21, 22}, {22, 88}, {7, 95}, {26, 29}, {27, 49}, {28, 50}}, true);
    cutColumns(t, 29);
    showColumns(t, {3, 5, 6, 7, 10, 11, 12, 13, 26, 27, 28});
    if (o.orderPrices)
        showColumns(t, {20, 22, 24, 25});
    t.count = int(a.orderLines.size());
    t.hint = u"Anzahl Bestell-Zeilen  "_s + QString::number(t.count);
}

// Short lines: answer field i in column i, prices formatted, then the copies.
template <class R>
void shortLines(DocumentTable& t, const QStringList& answer, const QStringList& header, qsizetype block,
                std::initializer_list<int> priceFields, bool withPrices, QList<R>& out) {
    start(t, header);
    const qsizetype n = countOf(answer);
    const qsizetype complete = wholeBlocks(answer, n, block);
    if (complete < n)
        t.problem = incomplete(n, complete);
    out = RecordCodec::decode<R>(answer, 1, complete, block);
    t.rows.reserve(complete + 1);
    for (qsizetype i = 0; i < complete; ++i) {
        QStringList row = answer.mid(1 + i * block, block);
        for (int f : priceFields)
            row[f] = price(row.at(f), withPrices);
        t.rows.append(sized(std::move(row), t.columns));
    }
    t.count = int(complete);
}

void deliveryLines(DocumentTable& t, const QStringList& answer, const DocumentOptions& o, DocumentArrays& a) {
    shortLines(t, answer, deliveryLineHeaders(), 18, {10, 12, 13}, o.deliveryPrices, a.deliveryLines);
    copyColumns(t.rows, {{3, 15}, {14, 10}, {0, 9}, {9, 12}, {12, 13}, {10, 0}}, false);
    showColumns(t, {2, 3, 5, 6, 7, 8, 14});
    if (o.deliveryPrices)
        showColumns(t, {9, 12});
    t.hint = u"Anzahl Lieferzeilen  "_s + QString::number(t.count);
}

void invoiceLines(DocumentTable& t, const QStringList& answer, DocumentArrays& a) {
    shortLines(t, answer, invoiceLineHeaders(), 25, {12, 13, 14, 19, 20}, true, a.invoiceLines);
    copyColumns(t.rows, {{5, 22}, {0, 11}, {11, 19}, {19, 14}, {18, 13}, {13, 20}, {14, 12}, {12, 0}}, false);
    showColumns(t, {4, 5, 7, 8, 9, 10, 11, 13, 14, 18, 19});
    t.hint = u"Anzahl Rechnungszeilen  "_s + QString::number(t.count);
}

void creditLines(DocumentTable& t, const QStringList& answer, DocumentArrays& a) {
    shortLines(t, answer, creditLineHeaders(), 25, {12, 13, 14, 19, 20}, true, a.creditLines);
    copyColumns(t.rows, {{5, 22}, {21, 14}, {0, 11}, {11, 19}, {14, 12}, {15, 13}, {13, 20}, {12, 0}}, false);
    showColumns(t, {4, 5, 7, 8, 9, 10, 11, 13, 14, 17, 18, 21});
    t.hint = u"Anzahl Gutschriftszeilen  "_s + QString::number(t.count);
}

// ---------------------------------------------------------------- offers, booking lines

// Answers whose record length follows from the line count; lines left over
// after the last whole record are reported.
qsizetype answerDefined(const QStringList& answer, qsizetype* fields, QString* problem) {
    const qsizetype n = answer.size() > 1 ? countOf(answer) : 0;
    *fields = n > 0 ? (answer.size() - 1) / n : 0;
    if (n > 0 && (*fields == 0 || (answer.size() - 1) % n != 0))
        *problem = incomplete(n, *fields == 0 ? 0 : n);
    return *fields > 0 ? n : 0;
}

template <class R, std::size_t N>
void fillMembers(R& r, const QStringList& row, QString R::*const (&members)[N]) {
    for (std::size_t k = 0; k < N && qsizetype(k) < row.size(); ++k)
        r.*members[k] = row.at(qsizetype(k));
}

void offers(DocumentTable& t, int kind, const QStringList& answer, const DocumentOptions& o,
            DocumentArrays& a) {
    const bool head = kind == DocumentKind::Offers;
    start(t, DocumentDecoder::headers(kind));
    qsizetype fields = 0;
    const qsizetype n = answerDefined(answer, &fields, &t.problem);
    for (qsizetype i = 0; i < n; ++i) {
        const QStringList row = answer.mid(1 + i * fields, fields);
        if (head)
            fillMembers(a.offerHeads.emplace_back(), row, TAngebotsKopfFields);
        else
            fillMembers(a.offerLines.emplace_back(), row, TAngebotsZeileFields);
        if (row.size() > t.columns) {
            t.columns = int(row.size());
            for (QStringList& r : t.rows)
                r.resize(t.columns);
        }
        t.rows.append(sized(row, t.columns));
    }
    if (head) {
        showNamed(t, {u"ID"_s, u"NUMMER"_s, u"KdNr"_s, u"Name1"_s, u"Name2"_s, u"Str1"_s, u"Adr1"_s,
                      u"Ihre Referenz"_s, u"Gültig bis"_s});
    } else {
        showNamed(t, {u"Diverse"_s, u"SerialID"_s, u"Text"_s, u"Text2"_s, u"Menge"_s, u"Einheit"_s, u"PE"_s,
                      u"MWST"_s, u"Netto"_s, u"Betrag"_s, u"VK-Preis"_s});
        if (!o.offerSerialIds)
            showNamed(t, {u"Artikel"_s});
    }
    t.count = int(n);
}

void bookingLines(DocumentTable& t, int kind, const QStringList& answer, const DocumentOptions& o) {
    const bool credit = kind == DocumentKind::CreditBookings;
    start(t, bookingHeaders(credit));
    qsizetype fields = 0;
    const qsizetype n = answerDefined(answer, &fields, &t.problem);
    const QString bart = credit ? u"GU"_s : u"RE"_s;
    t.rows.reserve(n + 1);
    for (qsizetype i = 0; i < n; ++i) {
        QStringList row{bart};
        row += answer.mid(1 + i * fields, fields);
        for (int f : {27, 30, 31, 32})
            if (f + 1 < row.size())
                row[f + 1] = row.at(f + 1).trimmed();
        t.rows.append(sized(std::move(row), t.columns));
    }
    showAll(t);
    t.visible.subtract(o.bookingHidden);
    t.count = int(n);
}

void backorders(DocumentTable& t, const QStringList& answer, const DocumentOptions& o, DocumentArrays& a) {
    start(t, fieldNames<TVerkaufsZeile>(orderLineNames()));
    const qsizetype block = o.outputType == u"2" ? 42 : 43;
    const qsizetype n = countOf(answer);
    const qsizetype complete = wholeBlocks(answer, n, block);
    if (complete < n)
        t.problem = incomplete(n, complete);
    const TVKZ_KURZ_QTXArray shortLines = RecordCodec::decode<TVKZ_KURZ_QTX>(answer, 1, complete, block);
    a.orderLines.clear();
    for (qsizetype i = 0; i < shortLines.size(); ++i) {
        const TVKZ_KURZ_QTX& k = shortLines.at(i);
        if (k.MENGE == u"0" || k.RESTAUFTRAG_MENGE == u"0")
            continue;
        TVerkaufsZeile z;
        z.BELEGART = k.BELEGART;
        z.KUNDENNR = k.KUNDENNR;
        z.BELEGNR = k.BELEGNR;
        z.LFD_NR = k.LFD_NR;
        z.ART = k.ART;
        z.NUMMER = k.NUMMER;
        z.FILIALE = k.FILIALE;
        z.BUCH_GR = k.BUCH_GR;
        z.MENGENRABATTCODE = k.MENGENRABATTCODE;
        z.LIEFERDATUM = k.LIEFERDATUM;
        z.TEXT = k.TEXT;
        z.TEXT_2 = k.TEXT_2;
        z.EINHEIT = k.EINHEIT;
        z.MENGE = k.MENGE;
        z.RESTAUFTRAG_MENGE = k.RESTAUFTRAG_MENGE;
        z.STUECKPREIS = k.STUECKPREIS;
        z.MENGENRABATT_P = k.MENGENRABATT_P;
        z.RABATT_P = k.RABATT_P;
        z.RABATTBETRAG = k.RABATTBETRAG;
        z.NETTOBETRAG = k.NETTOBETRAG;
        z.BRUTTOBETRAG = k.BRUTTOBETRAG;
        z.VK_PREIS = k.VK_PREIS;
        z.GELIEFERT = k.GELIEFERT;
        z.FAKTURIERT = k.FAKTURIERT;
        z.LIEFERUNGSNR = k.LIEFERUNGSNR;
        z.ALTTEILEWERT = k.ALTTEILEWERT;
        z.ALTTEILESTEUER = k.ALTTEILESTEUER;
        z.DIV_ART_NR = k.DIV_ART_NR;
        // The block's last line is the order date.
        z.AUFTRAGSDATUM = answer.value(1 + (i + 1) * block - 1);
        orderLinePrices(z, o.orderPrices);
        QStringList row;
        RecordCodec::encodeInto(row, z);
        t.rows.append(std::move(row));
        a.orderLines.append(std::move(z));
    }
    copyColumns(t.rows, {{7, 95}, {30, 49}, {3, 74}}, true);
    t.rows[0][3] = u"Auftragsdatum"_s;
    cutColumns(t, 32);
    showColumns(t, {2, 5, 7, 10, 11, 12, 13, 14, 29, 30});
    if (o.orderPrices)
        showColumns(t, {24, 25});
    if (o.interfaceVersion > 12)
        showColumns(t, {3});
    t.count = int(a.orderLines.size());
    t.hint = u"Anzahl Rückstandszeilen "_s + QString::number(t.count);
}

} // namespace

namespace DocumentDecoder {

QStringList headers(int kind) {
    switch (kind) {
    case DocumentKind::Orders:
        return fieldNames<TVerkaufsKopf>(orderHeadNames());
    case DocumentKind::DeliveryNotes:
        return fieldNames<TDebitorLieferKopf>(ledgerHeadNames());
    case DocumentKind::Invoices:
        return fieldNames<TDebitorRechnungsKopf>(ledgerHeadNames());
    case DocumentKind::CreditNotes:
        return fieldNames<TDebitorGutschriftsKopf>(ledgerHeadNames());
    case DocumentKind::OrderLines:
    case DocumentKind::Backorders:
        return fieldNames<TVerkaufsZeile>(orderLineNames());
    case DocumentKind::DeliveryLines:
        return deliveryLineHeaders();
    case DocumentKind::InvoiceLines:
        return invoiceLineHeaders();
    case DocumentKind::CreditLines:
        return creditLineHeaders();
    case DocumentKind::Offers:
        return frei({u"ID"_s, u"NUMMER"_s, u"KdNr"_s, u"Name1"_s, u"Name2"_s, u"Str1"_s, u"Adr1"_s,
                     u"Ihre Referenz"_s, u"Gültig bis"_s},
                    u"VAK_ID"_s);
    case DocumentKind::OfferLines:
        return frei({u"NUMMER"_s, u"KdNr"_s, u"LfdNr"_s, u"Art"_s, u"BGR"_s, u"Artikel"_s, u"Diverse"_s,
                     u"SerialID"_s, u"Text"_s, u"Text2"_s, u"Menge"_s, u"Einheit"_s, u"PE"_s, u"MWST"_s,
                     u"Netto"_s, u"Betrag"_s, u"VK-Preis"_s},
                    u"VAZ_ID"_s);
    case DocumentKind::InvoiceBookings:
        return bookingHeaders(false);
    case DocumentKind::CreditBookings:
        return bookingHeaders(true);
    default:
        return {};
    }
}

DocumentTable empty(int kind) {
    DocumentTable t;
    start(t, headers(kind));
    return t;
}

DocumentTable decode(int kind, const QStringList& answer, const DocumentOptions& o, DocumentArrays& a) {
    DocumentTable t;
    switch (kind) {
    case DocumentKind::Orders:
        heads(t, answer, o, a.orderHeads, headers(kind));
        // The packing-list time and the user move next to the order kind.
        copyColumns(t.rows, {{67, 98}, {68, 73}}, true);
        cutColumns(t, 69);
        showNamed(t, {u"NUMMER"_s, u"Ihre Referenz"_s, u"Lieferadr"_s, u"Auftragsdatum"_s, u"Buchungstext"_s,
                      u"Auftragsart"_s, u"Packlistendruck"_s, u"User-ID"_s});
        break;
    case DocumentKind::DeliveryNotes:
        heads(t, answer, o, a.deliveryHeads, headers(kind));
        showNamed(t, {u"NUMMER"_s, u"Ihre Referenz"_s, u"Lieferadr"_s, u"Auftragsdatum"_s, u"Buchungsdatum"_s,
                      u"Buchungstext"_s, u"Auftragsart"_s, u"User-ID"_s});
        break;
    case DocumentKind::Invoices:
        heads(t, answer, o, a.invoiceHeads, headers(kind));
        showNamed(t, {u"NUMMER"_s, u"Ihre Referenz"_s, u"Lieferadr"_s, u"Auftragsdatum"_s, u"Buchungsdatum"_s,
                      u"Buchungstext"_s});
        break;
    case DocumentKind::CreditNotes:
        heads(t, answer, o, a.creditHeads, headers(kind));
        showNamed(t,
                  {u"NUMMER"_s, u"Ihre Referenz"_s, u"Lieferadr"_s, u"Buchungsdatum"_s, u"Buchungstext"_s});
        break;
    case DocumentKind::OrderLines:
        orderLines(t, answer, o, a);
        break;
    case DocumentKind::DeliveryLines:
        deliveryLines(t, answer, o, a);
        break;
    case DocumentKind::InvoiceLines:
        invoiceLines(t, answer, a);
        break;
    case DocumentKind::CreditLines:
        creditLines(t, answer, a);
        break;
    case DocumentKind::Offers:
        a.offerHeads.clear();
        offers(t, kind, answer, o, a);
        break;
    case DocumentKind::OfferLines:
        a.offerLines.clear();
        offers(t, kind, answer, o, a);
        break;
    case DocumentKind::InvoiceBookings:
    case DocumentKind::CreditBookings:
        bookingLines(t, kind, answer, o);
        break;
    case DocumentKind::Backorders:
        backorders(t, answer, o, a);
        break;
    default:
        break;
    }
    return t;
}

} // namespace DocumentDecoder
