#include "tst_serverfixture.h"

#include "model/clientrecords.h"
#include "model/documentrecords.h"
#include "model/formatde.h"
#include "model/recordlayout.h"
#include "model/scramble.h"
#include "store/offerstore.h"

#include <QSqlQuery>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The client's offer records in their field order.
// As the document browser reads offers: with more than one line the first is
// the count N, and each record has (remaining lines) / N fields.
template <class R, std::size_t K>
QList<R> decodeOffers(const QStringList& lines, QString R::*const (&fields)[K],
                      qsizetype* fieldCount = nullptr) {
    const qsizetype n = lines.size() > 1 ? lines.first().toLongLong() : 0;
    if (n <= 0)
        return {};
    if (fieldCount)
        *fieldCount = (lines.size() - 1) / n;
    return RecordCodec::decode<R>(lines, 1, n, (lines.size() - 1) / n, FieldTable<R>(fields));
}

QString today() {
    return FormatDE::formatDate(QDate::currentDate());
}

// The second customer's login, on its own connection or in its own header.
const QStringList juergenHeader{u"10001"_s, u"JÜRGEN"_s, u"Grüße€1"_s, u"0"_s};
const QStringList juergenLogin{u"0"_s, u"10001"_s, u"JÜRGEN"_s, u"Grüße€1"_s};

// The value at `field` of each record of a counted answer ("N", then N
// records of equal length); false when the answer is not of that form.
bool fieldOfRecords(const QStringList& lines, qsizetype field, QStringList* values) {
    values->clear();
    bool ok = false;
    const qsizetype n = lines.value(0).toLongLong(&ok);
    if (!ok || n < 0 || (n == 0 && lines.size() != 1) || (n > 0 && (lines.size() - 1) % n != 0))
        return false;
    for (qsizetype k = 0; k < n; ++k)
        values->append(lines.at(1 + k * ((lines.size() - 1) / n) + field));
    return true;
}

// The heads of customer 10000 over the last 90 days in one of the four head requests.
template <class R> QList<R> recentHeads(ServerFixture& server, const QString& code) {
    const QString from = FormatDE::formatDate(QDate::currentDate().addDays(-90));
    const QStringList lines = code == u"181"
                                  ? QStringList{u"1"_s, u"1"_s, {}, u"10000"_s, {}, from, today(), {}}
                                  : QStringList{u"1"_s, {}, {}, u"10000"_s, {}, from, today(), {}};
    QList<R> heads;
    const ServerReply r = server.tcp(code, lines);
    if (r.status != 0 || !RecordCodec::decodeCounted(r.lines, 0, RecordCodec::fieldCount<R>(), heads))
        heads.clear();
    return heads;
}

} // namespace

// Offers, document dispatch, price file and product-group filter, and card
// notes: the answers on both fronts, what they store and what they refuse.
class TestServerDocuments : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void offersOfTheCustomer();
    void offerRequestsAreChecked_data();
    void offerRequestsAreChecked();
    void documentDispatch_data();
    void documentDispatch();
    void headsCarryDeliveryAddresses_data();
    void headsCarryDeliveryAddresses();
    void sessionsSeeOnlyTheirOwnDocuments_data();
    void sessionsSeeOnlyTheirOwnDocuments();
    void aYearOfInvoicesComesWhole();
    void priceFileCopyLifecycle();
    void priceFileRequestsAreChecked_data();
    void priceFileRequestsAreChecked();
    void productGroupFilter();
    void productGroupFilterIsChecked_data();
    void productGroupFilterIsChecked();
    void cardNotes();

private:
    ServerReply call(bool soap, const QString& code, const QStringList& lines) {
        return soap ? m_server.soap(code, lines) : m_server.tcp(code, lines);
    }
    QString firstValue(const QString& sql);

    ServerFixture m_server;
};

void TestServerDocuments::initTestCase() {
    QString error;
    QVERIFY2(m_server.seedTemplate(&error), qPrintable(error));
}

void TestServerDocuments::init() {
    QString error;
    QVERIFY2(m_server.open(&error), qPrintable(error));
    QVERIFY(m_server.loginDemo());
}

void TestServerDocuments::cleanup() {
    m_server.close();
}

QString TestServerDocuments::firstValue(const QString& sql) {
    QSqlQuery q(m_server.store().database());
    return q.exec(sql) && q.next() ? q.value(0).toString() : QString();
}

void TestServerDocuments::offersOfTheCustomer() {
    // An offer that ran out yesterday is not listed any more.
    TAngebotsKopfSatz expired;
    expired.Angebotnummer = u"599999"_s;
    expired.kundennr = u"10000"_s;
    const QDate yesterday = QDate::currentDate().addDays(-1);
    QVERIFY(!OfferStore(m_server.store().database())
                 .insertHead(expired, yesterday.addDays(-30), yesterday)
                 .isEmpty());

    const ServerReply heads = m_server.tcp(u"184"_s, {u"0"_s, u"0"_s, u"10000"_s, u"0"_s});
    QCOMPARE(heads.status, 0);
    qsizetype fields = 0;
    const QList<TAngebotsKopf> offers = decodeOffers(heads.lines, TAngebotsKopfFields, &fields);
    QVERIFY(!offers.isEmpty());
    QCOMPARE(fields, 15); // the head's fields and the offer id
    for (const TAngebotsKopf& h : offers) {
        QCOMPARE(h.kundennr, u"10000"_s);
        QVERIFY(FormatDE::parseDate(h.gueltig_bis) >= QDate::currentDate());
        QVERIFY(h.Angebotnummer != expired.Angebotnummer);
        QVERIFY(!h.vkk_id.isEmpty());
    }

    // The lines of an offer are asked for by its id.
    const TAngebotsKopf& offer = offers.first();
    const ServerReply lines = m_server.tcp(u"185"_s, {u"0"_s, offer.vkk_id, u"10000"_s, u"0"_s});
    QCOMPARE(lines.status, 0);
    const QList<TAngebotsZeile> zeilen = decodeOffers(lines.lines, TAngebotsZeileFields, &fields);
    QVERIFY(!zeilen.isEmpty());
    QCOMPARE(fields, 23);
    for (qsizetype k = 0; k < zeilen.size(); ++k) {
        QCOMPARE(zeilen.at(k).vzbelegnr, offer.Angebotnummer);
        QCOMPARE(zeilen.at(k).vzlfd_nr, QString::number(k + 1));
        QVERIFY(!zeilen.at(k).vznummer.isEmpty());
    }
    // By the offer number instead of the id there is nothing.
    QCOMPARE(m_server.tcp(u"185"_s, {u"0"_s, offer.Angebotnummer, u"10000"_s, u"0"_s}).lines,
             QStringList{u"0"_s});

    // Another customer sees his own offers only, and none of these lines.
    QVERIFY(m_server.tcp(u"104"_s, {u"0"_s, u"10002"_s, u"LAGER"_s, u"lager"_s}, u"c9"_s).status == 0);
    const QList<TAngebotsKopf> others = decodeOffers(
        m_server.tcp(u"184"_s, {u"0"_s, u"0"_s, u"10002"_s, u"0"_s}, u"c9"_s).lines, TAngebotsKopfFields);
    for (const TAngebotsKopf& h : others)
        QCOMPARE(h.kundennr, u"10002"_s);
    QCOMPARE(m_server.tcp(u"185"_s, {u"0"_s, offer.vkk_id, u"10002"_s, u"0"_s}, u"c9"_s).lines,
             QStringList{u"0"_s});
    QCOMPARE(m_server.tcp(u"184"_s, {u"0"_s, u"0"_s, u"10000"_s, u"0"_s}, u"c9"_s).status, 60);
}

void TestServerDocuments::offerRequestsAreChecked_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("184 too few") << u"184"_s << QStringList{u"0"_s, u"0"_s, u"10000"_s};
    QTest::newRow("185 no offer id") << u"185"_s << QStringList{u"0"_s, u" "_s, u"10000"_s, u"0"_s};
    QTest::newRow("185 too many") << u"185"_s << QStringList{u"0"_s, u"1"_s, u"10000"_s, u"0"_s, u"0"_s};
}

void TestServerDocuments::offerRequestsAreChecked() {
    QFETCH(QString, code);
    QFETCH(QStringList, lines);
    const ServerReply r = m_server.tcp(code, lines);
    QVERIFY(r.status != 0);
    QVERIFY(!r.errorText.isEmpty());
}

void TestServerDocuments::documentDispatch_data() {
    // "$AB", "$LS", "$RG", "$GS": a document of the kind of customer 10000,
    // "$RG1": an invoice of customer 10001, "$ANG": an offer id of 10000.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("accepted");
    const QString mail = u"kunde@example.org"_s;
    const QString t = today();
    QTest::newRow("order confirmation by mail")
        << QStringList{u"0"_s, u"10000"_s, u"$AB"_s, u"2"_s, u"1"_s, mail, {}, t} << true;
    QTest::newRow("delivery note neutral")
        << QStringList{u"1"_s, u"10000"_s, u"$LS"_s, u"2"_s, u"1"_s, mail, {}, t} << true;
    QTest::newRow("invoice by post") << QStringList{u"2"_s, u"10000"_s, u"$RG"_s, u"0"_s, u"1"_s, {}, {}, t}
                                     << true;
    QTest::newRow("credit note by mail")
        << QStringList{u"3"_s, u"10000"_s, u"$GS"_s, u"2"_s, u"0"_s, mail, {}, t} << true;
    QTest::newRow("open items") << QStringList{u"4"_s, u"10000"_s, {}, u"2"_s, u"1"_s, mail, {}, t} << true;
    QTest::newRow("offer with serial ids")
        << QStringList{u"5"_s, u"10000"_s, u"$ANG"_s, u"2"_s, u"0"_s, mail, {}, u"J"_s} << true;
    QTest::newRow("order confirmation by post")
        << QStringList{u"0"_s, u"10000"_s, u"$AB"_s, u"0"_s, u"1"_s, {}, {}, t} << false;
    QTest::newRow("address without dot")
        << QStringList{u"2"_s, u"10000"_s, u"$RG"_s, u"2"_s, u"0"_s, u"kunde@example"_s, {}, t} << false;
    QTest::newRow("unknown type") << QStringList{u"?"_s, u"10000"_s, u"$RG"_s, u"2"_s, u"0"_s, mail, {}, t}
                                  << false;
    QTest::newRow("another customer's invoice")
        << QStringList{u"2"_s, u"10000"_s, u"$RG1"_s, u"2"_s, u"0"_s, mail, {}, t} << false;
    QTest::newRow("invoice that does not exist")
        << QStringList{u"2"_s, u"10000"_s, u"1"_s, u"2"_s, u"0"_s, mail, {}, t} << false;
    QTest::newRow("open items with a number")
        << QStringList{u"4"_s, u"10000"_s, u"$AB"_s, u"2"_s, u"1"_s, mail, {}, t} << false;
    QTest::newRow("offer flag no flag")
        << QStringList{u"5"_s, u"10000"_s, u"$ANG"_s, u"2"_s, u"0"_s, mail, {}, u"ja"_s} << false;
    QTest::newRow("date no date") << QStringList{u"2"_s, u"10000"_s, u"$RG"_s, u"2"_s,
                                                 u"0"_s, mail,       {},       u"heute"_s}
                                  << false;
    QTest::newRow("too few lines") << QStringList{u"2"_s, u"10000"_s, u"$RG"_s, u"2"_s} << false;
}

void TestServerDocuments::documentDispatch() {
    QFETCH(QStringList, lines);
    QFETCH(bool, accepted);
    const QHash<QString, QString> numbers = {
        {u"$AB"_s, firstValue(u"SELECT NUMMER FROM VERKAUFSKOPF WHERE KUNDENNR = '10000'"_s)},
        {u"$LS"_s, firstValue(u"SELECT NUMMER FROM DEBITORLIEFERKOPF WHERE KUNDENNR = '10000'"_s)},
        {u"$RG"_s, firstValue(u"SELECT NUMMER FROM DEBITORRECHNUNGSKOPF WHERE KUNDENNR = '10000'"_s)},
        {u"$GS"_s, firstValue(u"SELECT NUMMER FROM DEBITORGUTSCHRIFTSKOPF WHERE KUNDENNR = '10000'"_s)},
        {u"$RG1"_s, firstValue(u"SELECT NUMMER FROM DEBITORRECHNUNGSKOPF WHERE KUNDENNR = '10001'"_s)},
        {u"$ANG"_s, firstValue(u"SELECT VAK_ID FROM ANGEBOTSKOPF WHERE kundennr = '10000'"_s)},
    };
    if (numbers.contains(lines.at(2))) {
        QVERIFY2(!numbers.value(lines.at(2)).isEmpty(), qPrintable(lines.at(2)));
        lines[2] = numbers.value(lines.at(2));
    }
    QStringList ids;
    for (const bool soap : {false, true}) {
        const ServerReply r = call(soap, u"411"_s, lines);
        if (!accepted) {
            QVERIFY(r.status != 0);
            QVERIFY(!r.errorText.isEmpty());
            continue;
        }
        QVERIFY2(r.status == 0, qPrintable(r.errorText));
        // The first line is dropped by the client; the rest is the document id.
        QCOMPARE(r.lines.size(), 2);
        QCOMPARE(r.lines.first(), u"OK"_s);
        ids.append(r.lines.at(1));
        QSqlQuery q(m_server.store().database());
        q.prepare(
            u"SELECT KDNR, TYP, BELEGNR, VERSANDART, EMPFAENGER FROM DOKUMENTVERSAND WHERE VERSAND_ID = ?"_s);
        q.addBindValue(r.lines.at(1));
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(), u"10000"_s);
        QCOMPARE(q.value(1).toString(), lines.at(0));
        QCOMPARE(q.value(2).toString(), lines.at(2));
        QCOMPARE(q.value(3).toString(), lines.at(3));
        QCOMPARE(q.value(4).toString(), lines.at(3) == u"2" ? lines.at(5) : QString());
    }
    if (accepted)
        QVERIFY(ids.at(0) != ids.at(1));
    else
        QCOMPARE(firstValue(u"SELECT COUNT(*) FROM DOKUMENTVERSAND"_s), u"0"_s);
}

void TestServerDocuments::headsCarryDeliveryAddresses_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("orders") << u"181"_s;
    QTest::newRow("delivery notes") << u"191"_s;
    QTest::newRow("invoices") << u"200"_s;
    QTest::newRow("credit notes") << u"210"_s;
}

// The heads name where they were delivered, and addresses differ from head
// to head: a filter on delivery addresses keeps some and drops others.
void TestServerDocuments::headsCarryDeliveryAddresses() {
    QFETCH(QString, code);
    struct Head {
        QString liefernr, name, strasse, ort, lieferungscode, filiale;
    };
    QList<Head> heads;
    const auto take = [&heads](const auto& list) {
        for (const auto& h : list) {
            // Credit notes are delivered nowhere: they have no delivery code.
            QString lieferungscode = u"-"_s;
            if constexpr (requires { h.LIEFERUNGSCODE; })
                lieferungscode = h.LIEFERUNGSCODE;
            heads.append(
                {h.LIEFERNR, h.LIEFERNAME, h.LIEFERSTRASSE, h.LIEFERORT, lieferungscode, h.AUFTRAGSFILIALE});
        }
    };
    if (code == u"181")
        take(recentHeads<TVerkaufsKopf>(m_server, code));
    else if (code == u"191")
        take(recentHeads<TDebitorLieferKopf>(m_server, code));
    else if (code == u"200")
        take(recentHeads<TDebitorRechnungsKopf>(m_server, code));
    else
        take(recentHeads<TDebitorGutschriftsKopf>(m_server, code));
    QVERIFY(!heads.isEmpty());
    const QStringList filter{u"1"_s, u"3"_s};
    qsizetype kept = 0;
    for (const Head& h : heads) {
        QVERIFY2(QStringList({u"0"_s, u"1"_s, u"2"_s, u"3"_s}).contains(h.liefernr), qPrintable(h.liefernr));
        QVERIFY(!h.name.isEmpty() && !h.strasse.isEmpty() && !h.ort.isEmpty());
        QVERIFY(!h.lieferungscode.isEmpty());
        QCOMPARE(h.filiale, u"F03"_s);
        kept += filter.contains(h.liefernr);
    }
    QVERIFY2(kept > 0 && kept < heads.size(), qPrintable(u"%1 of %2"_s.arg(kept).arg(heads.size())));
}

void TestServerDocuments::sessionsSeeOnlyTheirOwnDocuments_data() {
    // request: the request's lines from the customer "$KD", the document
    // number "$NR" and the date range "$VON"/"$BIS"; byNumber: the same
    // request for one head by its number (heads only); numbers: SQL for a
    // document number of customer %1 (none: the request takes no number);
    // customerField: where a record of the answer has its customer number.
    QTest::addColumn<bool>("soap");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("request");
    QTest::addColumn<QStringList>("byNumber");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("customerField");
    const QStringList head181{u"1"_s, u"1"_s, {}, u"$KD"_s, {}, u"$VON"_s, u"$BIS"_s, {}};
    const QStringList number181{u"2"_s, u"1"_s, u"$NR"_s, u"$KD"_s, {}, {}, {}, {}};
    const QStringList head{u"1"_s, {}, {}, u"$KD"_s, {}, u"$VON"_s, u"$BIS"_s, {}};
    const QStringList number{u"2"_s, u"$NR"_s, {}, u"$KD"_s, {}, {}, {}, {}};
    const QStringList shortLines{{}, u"0"_s, u"0"_s, u"$NR"_s, u"$KD"_s, {}, {}, {}, {}, u"0"_s};
    const QStringList booking{{}, u"0"_s, {}, u"$KD"_s, u"$VON"_s, u"$BIS"_s, {}, {}, u"0"_s};
    const auto newest = [](const char* table) {
        return u"SELECT NUMMER FROM %1 WHERE KUNDENNR = '%2' ORDER BY SORTDATUM DESC"_s.arg(
            QLatin1String(table), u"%1"_s);
    };
    for (const bool soap : {false, true}) {
        const auto row = [soap](const char* name) -> QTestData& {
            return QTest::addRow("%s %s", soap ? "SOAP" : "TCP", name);
        };
        row("181 order heads") << soap << u"181"_s << head181 << number181 << newest("VERKAUFSKOPF") << 1;
        row("191 delivery note heads")
            << soap << u"191"_s << head << number << newest("DEBITORLIEFERKOPF") << 0;
        row("200 invoice heads") << soap << u"200"_s << head << number << newest("DEBITORRECHNUNGSKOPF") << 0;
        row("210 credit note heads") << soap << u"210"_s << head << number << newest("DEBITORGUTSCHRIFTSKOPF")
                                     << 0;
        row("180 order lines") << soap << u"180"_s << QStringList{u"0"_s, u"1"_s, u"$NR"_s, {}}
                               << QStringList() << newest("VERKAUFSKOPF") << 1;
        row("193 delivery note lines")
            << soap << u"193"_s << shortLines << QStringList() << newest("DEBITORLIEFERKOPF") << 0;
        row("203 invoice lines") << soap << u"203"_s << shortLines << QStringList()
                                 << newest("DEBITORRECHNUNGSKOPF") << 0;
        row("213 credit note lines") << soap << u"213"_s << shortLines << QStringList()
                                     << newest("DEBITORGUTSCHRIFTSKOPF") << 0;
        row("185 offer lines") << soap << u"185"_s << QStringList{u"0"_s, u"$NR"_s, u"$KD"_s, u"0"_s}
                               << QStringList() << u"SELECT VAK_ID FROM ANGEBOTSKOPF WHERE kundennr = '%1'"_s
                               << 1;
        row("204 invoice booking lines") << soap << u"204"_s << booking << QStringList() << QString() << 1;
        row("215 credit note booking lines")
            << soap << u"215"_s << booking << QStringList() << QString() << 1;
    }
}

// Two customers at the same time, their calls interleaved: each sees its own
// documents only, is refused the other's customer number and finds nothing
// under the other's document numbers.
void TestServerDocuments::sessionsSeeOnlyTheirOwnDocuments() {
    QFETCH(bool, soap);
    QFETCH(QString, code);
    QFETCH(QStringList, request);
    QFETCH(QStringList, byNumber);
    QFETCH(QString, numbers);
    QFETCH(int, customerField);
    QCOMPARE(m_server.tcp(u"104"_s, juergenLogin, u"c2"_s).status, 0);

    struct Party {
        QString kdnr, number;
        std::function<ServerReply(const QStringList&)> call;
    };
    Party demo{u"10000"_s, {}, [this, soap, code](const QStringList& lines) {
                   return soap ? m_server.soap(code, lines) : m_server.tcp(code, lines);
               }};
    Party juergen{u"10001"_s, {}, [this, soap, code](const QStringList& lines) {
                      return soap ? m_server.soap(code, lines, juergenHeader)
                                  : m_server.tcp(code, lines, u"c2"_s);
                  }};
    for (Party* p : {&demo, &juergen}) {
        if (numbers.isEmpty())
            continue;
        p->number = firstValue(numbers.arg(p->kdnr));
        QVERIFY2(!p->number.isEmpty(), qPrintable(numbers.arg(p->kdnr)));
    }
    const auto fill = [](QStringList pattern, const QString& kdnr, const QString& nr) {
        for (QString& line : pattern) {
            if (line == u"$KD")
                line = kdnr;
            else if (line == u"$NR")
                line = nr;
            else if (line == u"$VON")
                line = FormatDE::formatDate(QDate::currentDate().addDays(-100));
            else if (line == u"$BIS")
                line = today();
        }
        return pattern;
    };
    const auto customersIn = [customerField](const ServerReply& r) {
        QStringList values;
        if (r.status != 0 || !fieldOfRecords(r.lines, customerField, &values))
            values = {u"status %1: %2"_s.arg(r.status).arg(r.errorText)};
        return values;
    };

    // Each asks for its own, in turn; the answers are its own and not empty.
    QHash<QString, QStringList> own;
    for (int round = 0; round < 2; ++round) {
        for (const Party* p : {&demo, &juergen}) {
            const ServerReply r = p->call(fill(request, p->kdnr, p->number));
            const QStringList found = customersIn(r);
            QVERIFY2(!found.isEmpty(), qPrintable(p->kdnr));
            QCOMPARE(found, QStringList(found.size(), p->kdnr));
            // The second round is answered as the first.
            if (round == 0)
                own.insert(p->kdnr, r.lines);
            else
                QCOMPARE(r.lines, own.value(p->kdnr));
        }
    }
    for (const auto& [asking, other] : {std::pair{&demo, &juergen}, std::pair{&juergen, &demo}}) {
        // The other's customer number in the customer line is refused.
        if (request.contains(u"$KD"_s)) {
            const ServerReply r = asking->call(fill(request, other->kdnr, other->number));
            QCOMPARE(r.status, 60);
            QVERIFY(r.lines.isEmpty());
        }
        // The other's document number with the own customer line: nothing.
        if (request.contains(u"$NR"_s)) {
            const ServerReply r = asking->call(fill(request, asking->kdnr, other->number));
            QVERIFY2(r.status != 0 || r.lines == QStringList{u"0"_s},
                     qPrintable(u"%1 lines from %2"_s.arg(r.lines.value(0), other->number)));
        }
        // A head by its number: the own is found, the other's is not.
        if (!byNumber.isEmpty()) {
            const ServerReply mine = asking->call(fill(byNumber, asking->kdnr, asking->number));
            QCOMPARE(customersIn(mine), QStringList{asking->kdnr});
            QVERIFY(mine.lines.contains(asking->number));
            const ServerReply theirs = asking->call(fill(byNumber, asking->kdnr, other->number));
            QCOMPARE(theirs.status, 0);
            QCOMPARE(theirs.lines, QStringList{u"0"_s});
        }
    }
}

// A warehouse customer has thousands of invoices a year; the client lists
// what comes, so none may be cut off.
void TestServerDocuments::aYearOfInvoicesComesWhole() {
    QSqlQuery q(m_server.store().database());
    QVERIFY(q.exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4000) "
                   "INSERT INTO DEBITORRECHNUNGSKOPF (KUNDENNR, NUMMER, SORTDATUM) "
                   "SELECT '10000', 900000 + i, date('now', '-' || (i % 350 + 2) || ' days') FROM n"_s));
    const QDate from = QDate::currentDate().addDays(-365);
    const int stored = firstValue(u"SELECT COUNT(*) FROM DEBITORRECHNUNGSKOPF WHERE KUNDENNR = '10000' AND "
                                  "SORTDATUM >= '%1'"_s.arg(from.toString(Qt::ISODate)))
                           .toInt();
    QVERIFY(stored > 4000);
    const ServerReply r =
        m_server.tcp(u"200"_s, {u"1"_s, {}, {}, u"10000"_s, {}, FormatDE::formatDate(from), today(), {}});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines.value(0).toInt(), stored);
    QCOMPARE(r.lines.size(), 1 + stored * RecordCodec::fieldCount<TDebitorRechnungsKopf>());
}

void TestServerDocuments::priceFileCopyLifecycle() {
    const auto request = [](const QString& mode, const QString& name, const QString& extension) {
        return QStringList{{}, u"0"_s, mode, u"10000"_s, name, extension, u"0"_s};
    };
    for (const bool soap : {false, true}) {
        const ServerReply info = call(soap, u"420"_s, request(u"0"_s, {}, u".zip"_s));
        QCOMPARE(info.status, 0);
        QCOMPARE(info.lines.size(), 4);
        QCOMPARE(Scramble::unscramble(info.lines.at(0)), u"https://127.0.0.1/dav/"_s);
        QCOMPARE(info.lines.at(1), u"PD_10000.zip"_s);
        QCOMPARE(info.lines.at(2), u"2483117"_s);
        QVERIFY(FormatDE::parseDateTime(info.lines.at(3)).isValid());
        // Nothing provided yet: nothing to delete.
        QVERIFY(call(soap, u"420"_s, request(u"2"_s, u"PD_10000.zip"_s, {})).status != 0);

        const ServerReply copy = call(soap, u"420"_s, request(u"1"_s, {}, u".zip"_s));
        QCOMPARE(copy.status, 0);
        QVERIFY(copy.lines.size() >= 4);
        const QString provided = copy.lines.at(1);
        QVERIFY(provided.startsWith(u"DL_"_s) && provided.endsWith(u"PD_10000.zip"_s));
        // The provided copy outlives a restart and is deleted by its own name only.
        QString error;
        QVERIFY2(m_server.reopen(&error), qPrintable(error));
        QVERIFY(m_server.loginDemo());
        QVERIFY(call(soap, u"420"_s, request(u"2"_s, u"PD_10000.zip"_s, {})).status != 0);
        QCOMPARE(call(soap, u"420"_s, request(u"2"_s, provided, {})).status, 0);
        QVERIFY(call(soap, u"420"_s, request(u"2"_s, provided, {})).status != 0);
        // The offered file itself stays.
        QCOMPARE(call(soap, u"420"_s, request(u"0"_s, {}, u".zip"_s)).lines.value(1), u"PD_10000.zip"_s);
    }
}

void TestServerDocuments::priceFileRequestsAreChecked_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("session");
    QTest::addColumn<int>("status");
    QTest::newRow("unknown mode") << QStringList{{}, u"0"_s, u"7"_s, u"10000"_s, {}, {}, u"0"_s} << u"c1"_s
                                  << 1;
    QTest::newRow("too few lines") << QStringList{{}, u"0"_s, u"0"_s, u"10000"_s} << u"c1"_s << 1;
    QTest::newRow("another customer")
        << QStringList{{}, u"0"_s, u"0"_s, u"10001"_s, {}, {}, u"0"_s} << u"c1"_s << 60;
    QTest::newRow("customer without price file")
        << QStringList{{}, u"0"_s, u"0"_s, u"10002"_s, {}, u".zip"_s, u"0"_s} << u"c9"_s << 1;
}

void TestServerDocuments::priceFileRequestsAreChecked() {
    QFETCH(QStringList, lines);
    QFETCH(QString, session);
    QFETCH(int, status);
    QCOMPARE(m_server.tcp(u"104"_s, {u"0"_s, u"10002"_s, u"LAGER"_s, u"lager"_s}, u"c9"_s).status, 0);
    const ServerReply r = m_server.tcp(u"420"_s, lines, session);
    QCOMPARE(r.status, status);
    // The client tells "no price file" by this text.
    if (QTest::currentDataTag() == QByteArray("customer without price file"))
        QVERIFY(r.errorText.contains(u"404 Not Found"_s));
}

void TestServerDocuments::productGroupFilter() {
    const QStringList get{u"0"_s, u"10000"_s, u"0"_s};
    const auto entries = [](const ServerReply& r) {
        // Count line, then per group: an unused line, id, book group, description, short description, active.
        QList<QStringList> out;
        for (qsizetype k = 1; k + 6 <= r.lines.size(); k += 6)
            out.append(r.lines.mid(k + 1, 5));
        return out;
    };
    const ServerReply first = m_server.tcp(u"421"_s, get);
    QCOMPARE(first.status, 0);
    const QList<QStringList> groups = entries(first);
    QVERIFY(groups.size() >= 3);
    QCOMPARE(groups.size(), first.lines.value(0).toInt());
    QCOMPARE(first.lines.size(), 1 + groups.size() * 6);
    for (const QStringList& g : groups)
        QCOMPARE(g.at(4), u"1"_s); // never chosen: everything is in the file
    QCOMPARE(m_server.soap(u"421"_s, get).lines, first.lines);

    // The standard filter without the first two groups, over SOAP.
    QStringList standard{u"0"_s, u"10000"_s, QString::number(groups.size())};
    for (qsizetype k = 0; k < groups.size(); ++k)
        standard << groups.at(k).at(0) << (k < 2 ? u"0"_s : u"1"_s) << u"0"_s;
    standard << u"0"_s;
    QCOMPARE(m_server.soap(u"422"_s, standard).status, 0);
    QString error;
    QVERIFY2(m_server.reopen(&error), qPrintable(error));
    QVERIFY(m_server.loginDemo());
    const QList<QStringList> saved = entries(m_server.tcp(u"421"_s, get));
    QCOMPARE(saved.size(), groups.size());
    for (qsizetype k = 0; k < saved.size(); ++k)
        QCOMPARE(saved.at(k).at(4), k < 2 ? u"0"_s : u"1"_s);

    // A one-shot build needs its own filter, which leaves the standard alone.
    QVERIFY(m_server.tcp(u"423"_s, get).status != 0);
    QStringList once{u"0"_s, u"10000"_s, u"2"_s, groups.at(0).at(0), u"0"_s, u"1"_s, groups.at(2).at(0),
                     u"1"_s, u"1"_s,     u"0"_s};
    QCOMPARE(m_server.tcp(u"422"_s, once).status, 0);
    QCOMPARE(entries(m_server.tcp(u"421"_s, get)), saved);
    const ServerReply batch = m_server.soap(u"423"_s, get);
    QCOMPARE(batch.status, 0);
    QCOMPARE(batch.lines.value(0), u"OK"_s);
    QSqlQuery q(m_server.store().database());
    q.prepare(u"SELECT KDNR, WARENGRUPPEN FROM DEBITOR_PD_BATCH WHERE BATCH_ID = ?"_s);
    q.addBindValue(batch.lines.value(1));
    QVERIFY(q.exec() && q.next());
    QCOMPARE(q.value(0).toString(), u"10000"_s);
    QCOMPARE(q.value(1).toString(), groups.at(2).at(0));
    // A one-shot filter with nothing chosen builds nothing.
    QCOMPARE(m_server.tcp(u"422"_s, {u"0"_s, u"10000"_s, u"1"_s, groups.at(2).at(0), u"0"_s, u"1"_s, u"0"_s})
                 .status,
             0);
    QVERIFY(m_server.tcp(u"423"_s, get).status != 0);
}

void TestServerDocuments::productGroupFilterIsChecked_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("unknown group") << QStringList{u"0"_s, u"10000"_s, u"1"_s, u"9999"_s,
                                                  u"1"_s, u"0"_s,     u"0"_s};
    QTest::newRow("checked no flag") << QStringList{u"0"_s,  u"10000"_s, u"1"_s, u"1"_s,
                                                    u"ja"_s, u"0"_s,     u"0"_s};
    QTest::newRow("standard and one-shot mixed")
        << QStringList{u"0"_s, u"10000"_s, u"2"_s, u"1"_s, u"1"_s, u"0"_s, u"2"_s, u"1"_s, u"1"_s, u"0"_s};
    QTest::newRow("count and entries differ")
        << QStringList{u"0"_s, u"10000"_s, u"2"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s};
    QTest::newRow("another customer")
        << QStringList{u"0"_s, u"10001"_s, u"1"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s};
}

void TestServerDocuments::productGroupFilterIsChecked() {
    QFETCH(QStringList, lines);
    QVERIFY(m_server.tcp(u"422"_s, lines).status != 0);
    QCOMPARE(firstValue(u"SELECT COUNT(*) FROM DEBITOR_WARENGRUPPENFILTER"_s), u"0"_s);
}

void TestServerDocuments::cardNotes() {
    const QString withNotes =
        firstValue(u"SELECT ARTIKELNR FROM KARTEIBEMERKUNG WHERE PARAMETER = 'EINBAU' AND ARTIKELNR IN "
                   "(SELECT ARTIKELNR FROM KARTEIBEMERKUNG WHERE KDNR = '10000')"_s);
    QVERIFY(!withNotes.isEmpty());
    const int general =
        firstValue(
            u"SELECT COUNT(*) FROM KARTEIBEMERKUNG WHERE KDNR = '' AND ARTIKELNR = '%1'"_s.arg(withNotes))
            .toInt();
    const QString without = firstValue(
        u"SELECT NUMMER FROM ARTIKEL WHERE NUMMER NOT IN (SELECT ARTIKELNR FROM KARTEIBEMERKUNG)"_s);
    const auto request = [](const QString& kdnr, const QString& article, const QString& parameter) {
        return QStringList{{}, u"0"_s, kdnr, article, parameter, u"0"_s};
    };
    for (const bool soap : {false, true}) {
        // Count line, then the notes: those for everyone, then the customer's own.
        const ServerReply all = call(soap, u"425"_s, request(u"10000"_s, withNotes, {}));
        QCOMPARE(all.status, 0);
        QCOMPARE(all.lines.value(0).toInt(), general + 1);
        QCOMPARE(all.lines.size(), general + 2);
        QCOMPARE(all.lines.last(), u"Sonderpreis nach Absprache mit dem Außendienst."_s);
        const ServerReply mounting = call(soap, u"425"_s, request(u"10000"_s, withNotes, u"EINBAU"_s));
        QCOMPARE(mounting.lines, (QStringList{u"1"_s, u"Anzugsdrehmoment laut Herstellerangabe."_s}));
        QCOMPARE(call(soap, u"425"_s, request(u"10000"_s, without, {})).lines, QStringList{u"0"_s});
    }
    // Another customer does not read 10000's own note.
    QCOMPARE(m_server.tcp(u"104"_s, {u"0"_s, u"10002"_s, u"LAGER"_s, u"lager"_s}, u"c9"_s).status, 0);
    const ServerReply other = m_server.tcp(u"425"_s, request(u"10002"_s, withNotes, {}), u"c9"_s);
    QCOMPARE(other.lines.value(0).toInt(), general);
    QVERIFY(!other.lines.contains(u"Sonderpreis nach Absprache mit dem Außendienst."_s));
    // Without the kind line every note comes; an unknown article is refused.
    QCOMPARE(m_server.tcp(u"425"_s, {{}, u"0"_s, u"10000"_s, withNotes, u"0"_s}).lines,
             m_server.tcp(u"425"_s, request(u"10000"_s, withNotes, {})).lines);
    QVERIFY(m_server.tcp(u"425"_s, {{}, u"0"_s, u"10000"_s, withNotes, {}, {}, u"0"_s}).status != 0);
    QCOMPARE(m_server.tcp(u"425"_s, request(u"10000"_s, u"GIBTSNICHT"_s, {})).status, 61);
}

QTEST_GUILESS_MAIN(TestServerDocuments)
#include "tst_serverdocuments.moc"
