#include "tst_serverfixture.h"

#include "model/clientrecords.h"
#include "model/formatde.h"
#include "model/recordlayout.h"
#include "model/scramble.h"
#include "store/offerstore.h"

#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The client's offer records in their field order.
constexpr QString TAngebotsKopf::*kopfFields[] = {
    &TAngebotsKopf::vkk_id,     &TAngebotsKopf::Angebotnummer, &TAngebotsKopf::kundennr,
    &TAngebotsKopf::KdNAME,     &TAngebotsKopf::Kdname_2,      &TAngebotsKopf::Kd_strasse,
    &TAngebotsKopf::Kd_plz_ort, &TAngebotsKopf::KD_referenz,   &TAngebotsKopf::gueltig_bis,
    &TAngebotsKopf::frei1,      &TAngebotsKopf::frei2,         &TAngebotsKopf::frei3,
    &TAngebotsKopf::frei4,      &TAngebotsKopf::frei5};
constexpr QString TAngebotsZeile::*zeileFields[] = {
    &TAngebotsZeile::vzbelegnr,      &TAngebotsZeile::vzkundennr,  &TAngebotsZeile::vzlfd_nr,
    &TAngebotsZeile::vzart,          &TAngebotsZeile::vzbuch_gr,   &TAngebotsZeile::vznummer,
    &TAngebotsZeile::vzdiv_art_nr,   &TAngebotsZeile::vz_serialid, &TAngebotsZeile::vztext,
    &TAngebotsZeile::vztext_2,       &TAngebotsZeile::vz_menge,    &TAngebotsZeile::vz_einheit,
    &TAngebotsZeile::vz_PE,          &TAngebotsZeile::vz_MWST,     &TAngebotsZeile::vz_nettopreis,
    &TAngebotsZeile::vz_nettobetrag, &TAngebotsZeile::vz_VK_Preis, &TAngebotsZeile::frei1,
    &TAngebotsZeile::frei2,          &TAngebotsZeile::frei3,       &TAngebotsZeile::frei4,
    &TAngebotsZeile::frei5};

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
    const QList<TAngebotsKopf> offers = decodeOffers(heads.lines, kopfFields, &fields);
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
    const QList<TAngebotsZeile> zeilen = decodeOffers(lines.lines, zeileFields, &fields);
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
    const QList<TAngebotsKopf> others =
        decodeOffers(m_server.tcp(u"184"_s, {u"0"_s, u"0"_s, u"10002"_s, u"0"_s}, u"c9"_s).lines, kopfFields);
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
