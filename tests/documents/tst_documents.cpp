#include "documents/belegcsv.h"
#include "documents/belegformular.h"
#include "documents/belegrequest.h"
#include "documents/documentkinds.h"
#include "documents/documentloader.h"
#include "documents/documenttable.h"
#include "grid/stringgrid.h"
#include "model/modelcontext.h"
#include "model/recordlayout.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The document answers as the server sends them, decoded into the records
// and the grids of the "Belege" tab; the preview text, the CSV file and the
// request lines built from them.
class TestDocuments : public QObject {
    Q_OBJECT
private:
    // A head answer: the count line, then each record field by field.
    template <class R> static QStringList answer(const QList<R>& records, qsizetype announced = -1) {
        QStringList out{QString::number(announced < 0 ? records.size() : announced)};
        for (const R& r : records)
            RecordCodec::encodeInto(out, r);
        return out;
    }

    template <class R> static R head(const QString& nummer, const QString& liefernr) {
        R h;
        h.NUMMER = nummer;
        h.KUNDENNR = u"10000"_s;
        h.LIEFERNR = liefernr;
        h.IHRE_REFERENZ = u"Ref "_s + nummer;
        h.BUCHUNGSTEXT = u"Text "_s + nummer;
        return h;
    }

    static QStringList visibleHeaders(const DocumentTable& t) {
        QStringList out;
        for (int c = 0; c < t.columns; ++c)
            if (t.visible.contains(c))
                out << t.rows.first().at(c);
        return out;
    }

    // The shown value of a visible column by its header.
    static QString shown(const DocumentTable& t, const QString& header, int row = 1) {
        for (int c = 0; c < t.columns; ++c)
            if (t.visible.contains(c) && t.rows.first().at(c) == header)
                return t.rows.at(row).at(c);
        return u"<hidden>"_s;
    }

    // A short line answer: the count, then the given lines of fields.
    static QStringList lines(const QList<QStringList>& records, qsizetype announced = -1) {
        QStringList out{QString::number(announced < 0 ? records.size() : announced)};
        for (const QStringList& r : records)
            out += r;
        return out;
    }

    static QStringList numbered(int count, const QString& prefix) {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << prefix + QString::number(i);
        return out;
    }

private Q_SLOTS:
    void heads_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("answer");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("problem");
        QTest::addColumn<QStringList>("visible");
        const QList<TVerkaufsKopf> orders = {head<TVerkaufsKopf>(u"100001"_s, u"0"_s),
                                             head<TVerkaufsKopf>(u"100002"_s, u"1"_s)};
        const QList<TDebitorLieferKopf> notes = {head<TDebitorLieferKopf>(u"200001"_s, u"0"_s),
                                                 head<TDebitorLieferKopf>(u"200002"_s, u"3"_s)};
        const QList<TDebitorRechnungsKopf> invoices = {head<TDebitorRechnungsKopf>(u"300001"_s, u"2"_s)};
        const QList<TDebitorGutschriftsKopf> credits = {head<TDebitorGutschriftsKopf>(u"400001"_s, u"0"_s),
                                                        head<TDebitorGutschriftsKopf>(u"400002"_s, u"1"_s)};
        const QStringList orderCols = {u"NUMMER"_s,          u"Ihre Referenz"_s, u"Lieferadr"_s,
                                       u"Auftragsdatum"_s,   u"Buchungstext"_s,  u"Auftragsart"_s,
                                       u"Packlistendruck"_s, u"User-ID"_s};
        const QStringList noteCols = {u"NUMMER"_s,        u"Ihre Referenz"_s, u"Lieferadr"_s,
                                      u"Auftragsdatum"_s, u"Buchungsdatum"_s, u"Buchungstext"_s,
                                      u"Auftragsart"_s,   u"User-ID"_s};
        const QStringList invoiceCols = {u"NUMMER"_s,        u"Ihre Referenz"_s, u"Lieferadr"_s,
                                         u"Auftragsdatum"_s, u"Buchungsdatum"_s, u"Buchungstext"_s};
        const QStringList creditCols = {u"NUMMER"_s, u"Ihre Referenz"_s, u"Lieferadr"_s, u"Buchungsdatum"_s,
                                        u"Buchungstext"_s};
        QTest::newRow("orders") << 0 << answer(orders) << 3 << 2 << false << orderCols;
        QTest::newRow("delivery notes") << 2 << answer(notes) << 3 << 2 << false << noteCols;
        QTest::newRow("invoices") << 4 << answer(invoices) << 2 << 1 << false << invoiceCols;
        QTest::newRow("credit notes") << 6 << answer(credits) << 3 << 2 << false << creditCols;
        // A trailing incomplete record is left out, and said.
        QStringList cut = answer(notes, 3);
        cut += QStringList(20, u"x"_s);
        QTest::newRow("trailing incomplete block") << 2 << cut << 3 << 3 << true << noteCols;
        QTest::newRow("count above the records") << 4 << answer(invoices, 5) << 2 << 5 << true << invoiceCols;
        QStringList noNumber = answer(invoices);
        noNumber[0] = u"NumDRK"_s;
        QTest::newRow("count that is no number") << 4 << noNumber << 1 << 0 << false << invoiceCols;
        QStringList huge = answer(invoices);
        huge[0] = u"4294967297"_s;
        QTest::newRow("count beyond any grid") << 4 << huge << 1 << 0 << false << invoiceCols;
        QTest::newRow("empty answer") << 6 << QStringList() << 1 << 0 << false << creditCols;
    }
    void heads() {
        QFETCH(int, kind);
        QFETCH(QStringList, answer);
        QFETCH(int, rows);
        QFETCH(int, count);
        QFETCH(bool, problem);
        QFETCH(QStringList, visible);
        DocumentArrays arrays;
        const DocumentTable t = DocumentDecoder::decode(kind, answer, DocumentOptions(), arrays);
        QCOMPARE(t.rows.size(), rows);
        QCOMPARE(t.count, count);
        QCOMPARE(!t.problem.isEmpty(), problem);
        QCOMPARE(visibleHeaders(t), visible);
        for (const QStringList& row : t.rows)
            QCOMPARE(row.size(), t.columns);
        if (rows > 1) {
            QCOMPARE(shown(t, u"NUMMER"_s).left(1), QString::number(kind / 2 + 1));
            QCOMPARE(shown(t, u"Ihre Referenz"_s), u"Ref "_s + shown(t, u"NUMMER"_s));
        }
    }

    // The order heads move the packing-list time and the user next to the order kind.
    void orderHeadColumns() {
        TVerkaufsKopf h = head<TVerkaufsKopf>(u"100001"_s, u"0"_s);
        h.PL_DRUCK_LETZ_ZEIT = u"14:02"_s;
        h.BENUTZER = u"DEMO"_s;
        h.AUFTRAGSART = u"Normal"_s;
        DocumentArrays arrays;
        const DocumentTable t = DocumentDecoder::decode(0, answer(QList{h}), DocumentOptions(), arrays);
        QCOMPARE(t.columns, 69);
        QCOMPARE(shown(t, u"Packlistendruck"_s), u"14:02"_s);
        QCOMPARE(shown(t, u"User-ID"_s), u"DEMO"_s);
        QCOMPARE(shown(t, u"Auftragsart"_s), u"Normal"_s);
        QCOMPARE(arrays.orderHeads.size(), 1);
        QCOMPARE(DocumentKind::info(0).dateColumn, 18);
        QCOMPARE(t.rows.first().at(18), u"Auftragsdatum"_s);
    }

    // Heads of delivery addresses outside the filter are kept but not shown.
    void addressFilter() {
        QList<TDebitorRechnungsKopf> invoices;
        for (const QString& adr : {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"13"_s})
            invoices << head<TDebitorRechnungsKopf>(u"3000"_s + adr, adr);
        DocumentOptions o;
        o.addressFilter = {u"1"_s, u"3"_s};
        DocumentArrays arrays;
        const DocumentTable t = DocumentDecoder::decode(4, answer(invoices), o, arrays);
        QCOMPARE(t.count, 5);
        QCOMPARE(arrays.invoiceHeads.size(), 5);
        QStringList shownAddresses;
        for (int r = 1; r < t.rows.size(); ++r)
            shownAddresses << t.rows.at(r).at(10);
        QCOMPARE(shownAddresses, (QStringList{u"1"_s, u"3"_s}));
    }

    // Short lines: answer field i lands in column i, then the columns move.
    void shortLines_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("fields");
        QTest::addColumn<bool>("prices");
        QTest::addColumn<QStringList>("expect"); // header=answer field or a literal value
        QTest::newRow("delivery-note lines")
            << 3 << 18 << true
            << QStringList{u"Artikelnummer=f2"_s,  u"Artikelnummer2=f15"_s, u"Bezeichnung=f5"_s,
                           u"Zusatz=f6"_s,         u"Einheit=f7"_s,         u"Menge=f8"_s,
                           u"Bruttopreis=12,50"_s, u"Nettopreis=9,00"_s,    u"VK-Preis=20,00"_s};
        QTest::newRow("delivery-note lines without prices")
            << 3 << 18 << false
            << QStringList{u"Artikelnummer=f2"_s, u"Bruttopreis=<hidden>"_s, u"Nettopreis=<hidden>"_s,
                           u"VK-Preis=-"_s};
        QTest::newRow("invoice lines")
            << 5 << 25 << true
            << QStringList{u"Artikelnummer=f4"_s,   u"Artikelnummer2=f22"_s, u"Bezeichnung=f7"_s,
                           u"Zusatz=f8"_s,          u"Einheit=f9"_s,         u"Menge=f10"_s,
                           u"Bruttopreis=12,50"_s,  u"Nettopreis=9,00"_s,    u"Nettobetrag=18,00"_s,
                           u"Bruttobetrag=25,00"_s, u"VK-Preis=20,00"_s};
        QTest::newRow("credit-note lines")
            << 7 << 25 << true
            << QStringList{u"Artikelnummer=f4"_s,  u"Artikelnummer2=f22"_s, u"Menge=f10"_s,
                           u"Bruttopreis=12,50"_s, u"Nettopreis=9,00"_s,    u"Nettobetrag=18,00"_s,
                           u"AT-Wert=f17"_s,       u"AT-Steuer=f18"_s,      u"VK-Preis=20,00"_s};
    }
    void shortLines() {
        QFETCH(int, kind);
        QFETCH(int, fields);
        QFETCH(bool, prices);
        QFETCH(QStringList, expect);
        // Field i holds "f<i>"; the price fields hold prices to format.
        QStringList line = numbered(fields, u"f"_s);
        if (kind == 3) {
            line[10] = u"20"_s;
            line[12] = u"12,5"_s;
            line[13] = u"9"_s;
        } else {
            line[12] = u"18"_s;
            line[13] = u"25,0"_s;
            line[14] = u"20"_s;
            line[19] = u"12,5"_s;
            line[20] = u"9,000"_s;
        }
        // Two whole lines and the start of a third.
        QStringList a = lines({line, line}, 3);
        a += line.mid(0, 5);
        DocumentOptions o;
        o.deliveryPrices = prices;
        DocumentArrays arrays;
        const DocumentTable t = DocumentDecoder::decode(kind, a, o, arrays);
        QCOMPARE(t.count, 2);
        QCOMPARE(t.rows.size(), 3);
        QVERIFY(!t.problem.isEmpty());
        for (const QString& e : expect) {
            const QString header = e.section(u'=', 0, 0);
            const QString value = e.section(u'=', 1);
            QCOMPARE(shown(t, header), value);
        }
        // The header row keeps its names.
        QCOMPARE(t.rows.first(), DocumentDecoder::headers(kind));
        const qsizetype stored = kind == 3   ? arrays.deliveryLines.size()
                                 : kind == 5 ? arrays.invoiceLines.size()
                                             : arrays.creditLines.size();
        QCOMPARE(stored, 2);
    }

    void orderLines_data() {
        QTest::addColumn<bool>("prices");
        QTest::newRow("with prices") << true;
        QTest::newRow("without prices") << false;
    }
    void orderLines() {
        QFETCH(bool, prices);
        TVerkaufsZeile z;
        z.LFD_NR = u"1"_s;
        z.NUMMER = u"BS 300"_s;
        z.DIV_ART_NR = u"0 986 494 123"_s;
        z.TEXT = u"Bremsscheibe"_s;
        z.MENGE = u"2"_s;
        z.VK_PREIS = u"49,9"_s;
        z.BRUTTOPREIS = u"60"_s;
        z.NETTOPREIS = u"49,123"_s;
        z.NETTOBETRAG = u"98,25"_s;
        z.RABATT_P = u"18"_s;
        z.GELIEFERT = u"2"_s;
        DocumentOptions o;
        o.orderPrices = prices;
        DocumentArrays arrays;
        const DocumentTable t = DocumentDecoder::decode(1, answer(QList{z}), o, arrays);
        QCOMPARE(t.columns, 29);
        QCOMPARE(shown(t, u"Artikelnummer"_s), u"BS 300"_s);
        QCOMPARE(shown(t, u"Artikelnummer2"_s), u"0 986 494 123"_s);
        QCOMPARE(shown(t, u"VK-Preis"_s), u"49,90"_s);
        QCOMPARE(shown(t, u"Geliefert"_s), u"2"_s);
        QCOMPARE(shown(t, u"Bruttopreis"_s), prices ? u"60,00"_s : u"<hidden>"_s);
        QCOMPARE(shown(t, u"Nettopreis"_s), prices ? u"49,12"_s : u"<hidden>"_s);
        // Without prices the arrays hold "-" too.
        QCOMPARE(arrays.orderLines.first().NETTOPREIS, prices ? u"49,12"_s : u"-"_s);
        QCOMPARE(arrays.orderLines.first().RABATT_P, prices ? u"18"_s : u"-"_s);
        QCOMPARE(t.hint, u"Anzahl Bestell-Zeilen  1"_s);
    }

    void backorders_data() {
        QTest::addColumn<QString>("outputType");
        QTest::addColumn<int>("interfaceVersion");
        QTest::newRow("output type 3, dates shown") << u"3"_s << 17;
        QTest::newRow("output type 2, older server") << u"2"_s << 12;
    }
    void backorders() {
        QFETCH(QString, outputType);
        QFETCH(int, interfaceVersion);
        auto line = [&](const QString& menge, const QString& rest, const QString& belegnr) {
            TVKZ_KURZ_QTX k;
            k.BELEGNR = belegnr;
            k.NUMMER = u"BS 300"_s;
            k.MENGE = menge;
            k.RESTAUFTRAG_MENGE = rest;
            k.VK_PREIS = u"10"_s;
            QStringList f;
            RecordCodec::encodeInto(f, k);
            f.resize(outputType == u"3" ? 43 : 42);
            if (outputType == u"3")
                f[42] = u"01.12.2026"_s;
            return f;
        };
        DocumentOptions o;
        o.outputType = outputType;
        o.interfaceVersion = interfaceVersion;
        DocumentArrays arrays;
        const DocumentTable t =
            DocumentDecoder::decode(101,
                                    lines({line(u"2"_s, u"1"_s, u"A1"_s), line(u"0"_s, u"1"_s, u"A2"_s),
                                           line(u"3"_s, u"0"_s, u"A3"_s)}),
                                    o, arrays);
        QCOMPARE(t.count, 1);
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(t.columns, 32);
        QCOMPARE(shown(t, u"Belegnr"_s), u"A1"_s);
        QCOMPARE(shown(t, u"Restmenge"_s), u"1"_s);
        QCOMPARE(shown(t, u"VK-Preis"_s), u"10,00"_s);
        QCOMPARE(shown(t, u"Auftragsdatum"_s), interfaceVersion > 12 ? u"01.12.2026"_s : u"<hidden>"_s);
        QCOMPARE(t.hint, u"Anzahl Rückstandszeilen 1"_s);
    }

    // Offers and booking lines take their record length from the answer.
    void answerDefined() {
        const QStringList offer = {u"77"_s,    u"500001"_s, u"10000"_s,   u"Kunde"_s,     QString(),
                                   u"Weg 1"_s, u"Ort"_s,    u"Anfrage"_s, u"01.06.2027"_s};
        DocumentArrays arrays;
        DocumentTable t = DocumentDecoder::decode(10, lines({offer, offer}), DocumentOptions(), arrays);
        QCOMPARE(t.count, 2);
        QCOMPARE(arrays.offerHeads.size(), 2);
        QCOMPARE(arrays.offerHeads.first().Angebotnummer, u"500001"_s);
        QCOMPARE(shown(t, u"Gültig bis"_s), u"01.06.2027"_s);

        const QStringList offerLine = numbered(17, u"z"_s);
        DocumentOptions serial;
        serial.offerSerialIds = true;
        t = DocumentDecoder::decode(11, lines({offerLine}), serial, arrays);
        QCOMPARE(shown(t, u"Artikel"_s), u"<hidden>"_s);
        QCOMPARE(shown(t, u"SerialID"_s), u"z7"_s);
        t = DocumentDecoder::decode(11, lines({offerLine}), DocumentOptions(), arrays);
        QCOMPARE(shown(t, u"Artikel"_s), u"z5"_s);

        QStringList booking = numbered(34, u"b"_s);
        booking[27] = u"  2 "_s;
        booking[32] = u" 18,00"_s;
        DocumentOptions hidden;
        hidden.bookingHidden = {2, 3};
        t = DocumentDecoder::decode(15, lines({booking}), hidden, arrays);
        QCOMPARE(t.rows.at(1).at(0), u"GU"_s);
        QCOMPARE(t.rows.at(1).at(1), u"b0"_s);
        QCOMPARE(shown(t, u"Menge"_s), u"2"_s);
        QCOMPARE(shown(t, u"Nettobetrag"_s), u"18,00"_s);
        QVERIFY(!t.visible.contains(2) && !t.visible.contains(3) && t.visible.contains(4));
        // Lines left over after the last whole record are said.
        QStringList odd = lines({booking, booking});
        odd.append(u"x"_s);
        t = DocumentDecoder::decode(13, odd, DocumentOptions(), arrays);
        QVERIFY(!t.problem.isEmpty());
        QCOMPARE(t.rows.at(1).at(0), u"RE"_s);
    }

    void formatPreis_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("no comma") << u"12"_s << u"12,00"_s;
        QTest::newRow("one decimal") << u"12,5"_s << u"12,50"_s;
        QTest::newRow("two decimals stay") << u"12,34"_s << u"12,34"_s;
        QTest::newRow("three decimals round") << u"12,345"_s << u"12,35"_s;
        QTest::newRow("thousands") << u"1.234,567"_s << u"1234,57"_s;
        QTest::newRow("negative") << u"-3,1"_s << u"-3,10"_s;
        QTest::newRow("empty stays empty") << QString() << QString();
    }
    void formatPreis() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(FormatPreis(in), out);
    }

    void preview_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("expected"); // lines that must appear as they stand
        QTest::newRow("invoice without Z_H")
            << 4
            << QStringList{u"R E C H N U N G"_s.rightJustified(55),
                           QString(40, u' ') + u"Ihre Referenz:"_s.leftJustified(22) +
                               u"Ref 300001"_s.rightJustified(21)};
        QTest::newRow("credit note without a blank in its text")
            << 6
            << QStringList{u"Z. Hd. Meier"_s.leftJustified(40) + u"Kulanz:"_s.leftJustified(26) +
                           QString(17, u' ')};
        QTest::newRow("order with its delivery text")
            << 0
            << QStringList{u"A U F T R A G"_s.rightJustified(53),
                           QString(40, u' ') + u"Lieferart:"_s.leftJustified(20) +
                               u"Zustellung"_s.rightJustified(21),
                           u"Rech-Adr:   Werkstatt, Weg 1, 30159 Hannover"_s};
        QTest::newRow("another document")
            << 2 << QStringList{u"L I E F E R S C H E I N"_s.rightJustified(63)};
    }
    void preview() {
        QFETCH(int, kind);
        QFETCH(QStringList, expected);
        DocumentArrays a;
        TVerkaufsKopf order = head<TVerkaufsKopf>(u"100001"_s, u"0"_s);
        order.NAME = u"Werkstatt"_s;
        order.STRASSE = u"Weg 1"_s;
        order.PLZ_ORT = u"30159 Hannover"_s;
        order.LIEFERUNGSCODE = u"20"_s;
        a.orderHeads << order;
        a.deliveryHeads << head<TDebitorLieferKopf>(u"200001"_s, u"0"_s);
        a.invoiceHeads << head<TDebitorRechnungsKopf>(u"300001"_s, u"0"_s);
        TDebitorGutschriftsKopf credit = head<TDebitorGutschriftsKopf>(u"400001"_s, u"0"_s);
        credit.Z_H = u"Z. Hd. Meier"_s;
        credit.BUCHUNGSTEXT = u"Kulanz"_s;
        a.creditHeads << credit;
        TLieferungArray codes(1);
        codes[0].CODE = u"20"_s;
        codes[0].NAME = u"Zustellung"_s;
        StringGrid heads;
        heads.setHeaders({u"NUMMER"_s});
        heads.appendRow({u"x"_s});
        const QString number = QString::number(kind / 2 + 1) + u"00001"_s;
        QString text;
        QVERIFY(MakeBelegFormular(kind, number, a, codes, ModelContext(), heads, 1, text));
        const QStringList got = text.split(u"\r\n"_s);
        for (const QString& line : expected)
            QVERIFY2(got.contains(line), qPrintable(u"missing: ["_s + line + u"]\n"_s + text));
        // A head that was not loaded gives no text; without lines there is no preview.
        QVERIFY(MakeBelegFormular(kind, u"999"_s, a, codes, ModelContext(), heads, 1, text));
        QCOMPARE(text, QString());
        QVERIFY(!MakeBelegFormular(kind, number, a, codes, ModelContext(), heads, 1, text, 1));
    }

    void csv() {
        StringGrid grid;
        grid.setHeaders({u"KUNDENNR"_s, u"Artikel"_s, u"Text"_s, u"Betrag"_s});
        grid.appendRow({u"10000"_s, u"BS 300"_s, u"=HYPERLINK(\"x\")"_s, u"-12,50"_s});
        grid.appendRow({u"10000"_s, u"@SUM"_s, u"-"_s, u"+1"_s});
        grid.appendRow({u"10000"_s, u"A;B"_s, u"Zeile 1\r\nZeile 2"_s, u"\t=1"_s});
        grid.setColumnWidth(0, 0);
        grid.setColumnWidth(1, 40);
        grid.setColumnWidth(2, 40);
        grid.setColumnWidth(3, 40);
        const QStringList lines = BelegCsv::text(grid).split(u"\r\n"_s);
        QCOMPARE(lines,
                 (QStringList{QString(), u"Artikel;Text;Betrag;"_s, u"BS 300;'=HYPERLINK(\"x\");-12,50;"_s,
                              u"'@SUM;-;'+1;"_s, u"A,B;Zeile 1 Zeile 2;'\t=1;"_s, QString()}));
    }

    void csvName_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("tenant");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("invoice") << 4 << 6 << u"Rechnungszeilen_300001"_s;
        QTest::newRow("order") << 0 << 6 << u"Bestellzeilen_300001"_s;
        QTest::newRow("backorders, tenant 1") << 101 << 1 << u"Rückstandzeilen_"_s;
        QTest::newRow("backorders, other tenant") << 101 << 6 << u"Besorgungszeilen_"_s;
        QTest::newRow("booking lines") << 15 << 6 << u"Buchungszeilen_"_s;
    }
    void csvName() {
        QFETCH(int, kind);
        QFETCH(int, tenant);
        QFETCH(QString, prefix);
        const QString name =
            BelegCsv::suggestedName(kind, tenant, u"300001"_s, QDate(2026, 11, 1), QDate(2026, 11, 30));
        QVERIFY2(name.startsWith(prefix) && name.endsWith(u".csv"_s), qPrintable(name));
        QVERIFY(!name.contains(u'/'));
    }

    void requestLines_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("lines");
        const QString from = u"01.11.2026"_s, to = u"30.11.2026"_s;
        QTest::newRow("orders by date")
            << 0 << 1 << QStringList{u"1"_s, u"1"_s, u"N"_s, u"K"_s, {}, from, to, {}};
        QTest::newRow("invoices by number")
            << 4 << 2 << QStringList{u"2"_s, u"N"_s, {}, u"K"_s, {}, {}, {}, {}};
        QTest::newRow("order lines") << 1 << 2 << QStringList{u"0"_s, u"1"_s, u"N"_s, {}};
        QTest::newRow("credit-note lines")
            << 7 << 2 << QStringList{{}, u"0"_s, u"0"_s, u"N"_s, u"K"_s, {}, {}, {}, {}, u"0"_s};
        QTest::newRow("offers") << 10 << 1 << QStringList{u"0"_s, u"0"_s, u"K"_s, u"0"_s};
        QTest::newRow("offer lines") << 11 << 2 << QStringList{u"0"_s, u"N"_s, u"K"_s, u"0"_s};
        QTest::newRow("booking lines, address -2 means all")
            << 13 << 1 << QStringList{{}, u"0"_s, u"D"_s, u"K"_s, from, to, u"-1"_s, {}, u"0"_s};
        QTest::newRow("backorders") << 101 << 1
                                    << QStringList{u"N"_s, u"0"_s, u"1"_s, u"2"_s, {}, u"K"_s, {},    {},
                                                   {},     from,   to,     {},     {}, {},     u"3"_s};
    }
    void requestLines() {
        QFETCH(int, kind);
        QFETCH(int, mode);
        QFETCH(QStringList, lines);
        DocumentQuery q;
        q.kind = kind;
        q.mode = mode;
        q.number = u"N"_s;
        q.customer = u"K"_s;
        q.durchfakturierer = u"D"_s;
        q.deliveryAddress = u"-2"_s;
        q.from = QDate(2026, 11, 1);
        q.to = QDate(2026, 11, 30);
        QCOMPARE(DocumentLoader::parameters(q), lines);
    }

    void dispatchRules_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("at sign and dot") << u"a@b.de"_s << true;
        QTest::newRow("dot before the at sign") << u"a.b@c"_s << true;
        QTest::newRow("at sign without dot") << u"a@b"_s << false;
        QTest::newRow("dot without at sign") << u"a.b"_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void dispatchRules() {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QCOMPARE(BelegRequest::validAddress(address), valid);
    }

    void backgroundFlag() {
        QCOMPARE(BelegRequest::backgroundFlag(true, u"2"_s, 0), u"1"_s);
        QCOMPARE(BelegRequest::backgroundFlag(false, u"1"_s, 0), u"0"_s);
        QCOMPARE(BelegRequest::backgroundFlag(false, u"1"_s, 1), u"1"_s);
        for (const QString& typ : {u"2"_s, u"3"_s, u"5"_s})
            QCOMPARE(BelegRequest::backgroundFlag(false, typ, 1), u"0"_s);
        for (const QString& typ : {u"0"_s, u"4"_s})
            QCOMPARE(BelegRequest::backgroundFlag(false, typ, 0), u"1"_s);
        QCOMPARE(BelegRequest::typeCode(8), u"4"_s);
        QCOMPARE(BelegRequest::typeCode(13), u"?"_s);
        QCOMPARE(BelegRequest::typeName(13), u"unbekannt"_s);
    }
};

QTEST_GUILESS_MAIN(TestDocuments)
#include "tst_documents.moc"
