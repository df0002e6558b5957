#include "tst_serverfixture.h"

#include "model/answerlayouts.h"
#include "model/compositerecords.h"
#include "model/records.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

// What the quick search and the alternatives of the client find in the demo
// data: the article network, the articles with special rules and the
// supplier list, through the dispatcher and read with the client's decoders.
class TestServerArticles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void netArticlesNameTheRelatedArticle_data();
    void netArticlesNameTheRelatedArticle();
    void demoArticlesHaveAlternativesWithStock();
    void quickSearchCases_data();
    void quickSearchCases();
    void supplierListCarriesItsHeader();

private:
    ServerReply tcp(const QString& code, const QStringList& parameters) {
        return m_server.tcp(code, parameters);
    }

    ServerFixture m_server;
};

void TestServerArticles::initTestCase() {
    QString error;
    QVERIFY2(m_server.seedTemplate(&error), qPrintable(error));
}

void TestServerArticles::init() {
    QString error;
    QVERIFY2(m_server.open(&error), qPrintable(error));
    QVERIFY(m_server.loginDemo());
}

void TestServerArticles::cleanup() {
    m_server.close();
}

void TestServerArticles::netArticlesNameTheRelatedArticle_data() {
    // Selector "1" by number, "4" by ARTI_ID ("$ID" stands for the key's id),
    // "2" the other way round: whose net article the key is.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("related");
    QTest::addColumn<QString>("owner");
    QTest::newRow("successor by number") << u"TL 300"_s << u"1"_s << 0 << u"TL 300#1"_s << u"TL 300"_s;
    QTest::newRow("typed without blank") << u"NS52"_s << u"1"_s << 0 << u"NS 52#2"_s << u"NS 52"_s;
    QTest::newRow("successor by id") << u"$ID"_s << u"4"_s << 0 << u"TL 300#1"_s << u"TL 300"_s;
    QTest::newRow("whose successor") << u"TL 300#1"_s << u"2"_s << 0 << u"TL 300#1"_s << u"TL 300"_s;
    QTest::newRow("article without net") << u"OC 47"_s << u"1"_s << 61 << QString() << QString();
    QTest::newRow("nobody's net article") << u"OC 47"_s << u"2"_s << 61 << QString() << QString();
    QTest::newRow("unknown article") << u"GIBTSNICHT"_s << u"1"_s << 61 << QString() << QString();
}

void TestServerArticles::netArticlesNameTheRelatedArticle() {
    QFETCH(QString, key);
    QFETCH(QString, selector);
    QFETCH(QString, related);
    QFETCH(QString, owner);
    if (key == u"$ID") {
        const ServerReply info = tcp(u"130"_s, {u"0"_s, u"TL 300"_s, QString(), u"0"_s, QString()});
        key = AnswerLayouts::decodeArtikelInfo(info.lines, 1, 1).value(0).ARTI_ID;
        QVERIFY(!key.isEmpty());
    }
    const ServerReply r = tcp(u"135"_s, {key, selector});
    QTEST(r.status, "status");
    if (r.status != 0)
        return;
    TArtikelnetzArray net;
    QVERIFY(RecordCodec::decodeCounted(r.lines, 0, 15, net));
    QVERIFY(!net.isEmpty());
    // The client takes ARTIKELNR of the first entry as the successor.
    QCOMPARE(net.first().ARTIKELNR, related);
    QCOMPARE(net.first().NETZARTIKELNR, owner);
    QCOMPARE(net.first().TYP, u"1"_s);
    QCOMPARE(net.first().HINWEIS_BEZEICHNUNG.isEmpty(), false);
}

void TestServerArticles::demoArticlesHaveAlternativesWithStock() {
    TArtikelShortInfoArray hits;
    QVERIFY(RecordCodec::decodeCounted(tcp(u"131"_s, {u"Filter"_s}).lines, 0, 16, hits));
    QVERIFY(hits.size() >= 40);
    const QSet<int> alternatives{1, 2, 3, 5, 7};
    int withAlternatives = 0;
    int withCoSale = 0;
    QStringList related;
    for (const TArtikelShortInfo& hit : hits) {
        // The info list as the alternatives search asks it, net articles included.
        const ServerReply r =
            tcp(u"136"_s, QStringList{u"10000"_s, QString(), QString(), u"1"_s, u"1"_s, u"1"_s, u"0"_s,
                                      u"0"_s, QString(), QString(), QString(), hit.NUMMER});
        QVERIFY2(r.status == 0, qPrintable(r.errorText));
        TArtikelInfoListe liste;
        QVERIFY(AnswerLayouts::decodeArtikelInfoListe(r.lines, 0, liste));
        QCOMPARE(liste.Netzartikel.size() % 9, 0);
        QStringList fromList;
        bool alternative = false;
        bool coSale = false;
        for (qsizetype i = 0; i < liste.Netzartikel.size(); i += 9) {
            const QString number = liste.Netzartikel.at(i);
            bool isNumber = false;
            const int typ = liste.Netzartikel.at(i + 2).toInt(&isNumber);
            QVERIFY2(isNumber && typ >= 1 && typ <= 9, qPrintable(liste.Netzartikel.at(i + 2)));
            QVERIFY(number != hit.NUMMER);
            QCOMPARE(liste.Netzartikel.at(i + 4), hit.NUMMER);
            alternative = alternative || alternatives.contains(typ);
            coSale = coSale || typ == 4;
            fromList << number;
            related << number;
        }
        withAlternatives += alternative ? 1 : 0;
        withCoSale += coSale ? 1 : 0;
        // 135 lists the same articles, in ARTIKELNR.
        TArtikelnetzArray net;
        RecordCodec::decodeCounted(tcp(u"135"_s, {hit.NUMMER, u"1"_s}).lines, 0, 15, net);
        QStringList fromSearch;
        for (const TArtikelnetz& n : net)
            fromSearch << n.ARTIKELNR;
        QCOMPARE(fromSearch, fromList);
    }
    QVERIFY2(withAlternatives * 4 >= hits.size(), qPrintable(QString::number(withAlternatives)));
    QVERIFY(withCoSale > 0);
    // Every related article is one of ours, orderable and in stock somewhere.
    related.removeDuplicates();
    QStringList ask{u"10000"_s, QString(), QString(), u"1"_s,    u"0"_s,   u"0"_s,
                    u"0"_s,     u"0"_s,    QString(), QString(), QString()};
    const ServerReply r = tcp(u"136"_s, ask + related);
    TArtikelInfoListe liste;
    QVERIFY(AnswerLayouts::decodeArtikelInfoListe(r.lines, 0, liste));
    QCOMPARE(liste.ArtikelInfo.size(), related.size());
    for (const TArtikelInfoExtended& a : liste.ArtikelInfo) {
        QCOMPARE(a.GESPERRT, u"0"_s);
        int stock = 0;
        for (const TArtikelBestand& b : liste.Artikelbestand)
            stock += b.ARTIKELNR == a.NUMMER ? b.Verfuegbar.toInt() : 0;
        QVERIFY2(stock > 0, qPrintable(a.NUMMER));
    }
}

void TestServerArticles::quickSearchCases_data() {
    // The search all 134 of the quick search: hits in server order with their
    // blocked flags and booking groups.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("blocked");
    QTest::addColumn<QStringList>("groups");
    QTest::newRow("stored with blanks, typed without")
        << u"OC47"_s << QStringList{u"OC 47"_s, u"OC 470"_s} << QStringList{u"0"_s, u"0"_s}
        << QStringList{u"FI10"_s, u"FI10"_s};
    QTest::newRow("blocked, then successor with #")
        << u"TL30"_s << QStringList{u"TL 300"_s, u"TL 300#1"_s} << QStringList{u"1"_s, u"0"_s}
        << QStringList{u"MO50"_s, u"MO50"_s};
    QTest::newRow("second blocked pair") << u"NS5"_s << QStringList{u"NS 52"_s, u"NS 52#2"_s}
                                         << QStringList{u"1"_s, u"0"_s} << QStringList{u"EL50"_s, u"EL50"_s};
    QTest::newRow("phone only") << u"AM1600"_s << QStringList{u"AM 1600"_s} << QStringList{u"0"_s}
                                << QStringList{u"HX80"_s};
    QTest::newRow("service numbers") << u"DLP"_s << QStringList{u"DLP0815"_s, u"DLP1200"_s, u"DLP3300"_s}
                                     << QStringList(3, u"0"_s) << QStringList(3, u"DL10"_s);
}

void TestServerArticles::quickSearchCases() {
    QFETCH(QString, text);
    const ServerReply r = tcp(u"134"_s, {text, QString()});
    QVERIFY2(r.status == 0, qPrintable(r.errorText));
    TArtikelLongInfoArray hits;
    QVERIFY(RecordCodec::decodeCounted(r.lines, 0, 23, hits));
    QStringList numbers, blocked, groups;
    for (const TArtikelLongInfo& h : hits) {
        numbers << h.NUMMER;
        blocked << h.GESPERRT;
        groups << h.BUCH_GR;
    }
    QTEST(numbers, "numbers");
    QTEST(blocked, "blocked");
    QTEST(groups, "groups");
    // What the client then asks for the article itself is there too.
    const ServerReply one = tcp(u"130"_s, {u"0"_s, numbers.first(), QString(), u"0"_s, QString()});
    QCOMPARE(AnswerLayouts::decodeArtikelInfo(one.lines, 1, 1).value(0).NUMMER, numbers.first());
}

void TestServerArticles::supplierListCarriesItsHeader() {
    const ServerReply r = tcp(u"170"_s, {});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines.value(0), u"Code;Name;Kurz;Mini;Micro"_s);
    QVERIFY(r.lines.size() > 5);
    // Imports find a supplier by its short names: each must name one supplier.
    QList<QSet<QString>> seen(5);
    for (const QString& line : r.lines.mid(1)) {
        const QStringList cells = line.split(u';');
        QCOMPARE(cells.size(), 5);
        for (int c = 0; c < 5; ++c) {
            QVERIFY2(!cells.at(c).isEmpty(), qPrintable(line));
            QVERIFY2(!seen[c].contains(cells.at(c)), qPrintable(line));
            seen[c].insert(cells.at(c));
        }
        QVERIFY(cells.at(2).startsWith(cells.at(3)) && cells.at(3).startsWith(cells.at(4)));
    }
    QVERIFY(r.lines.contains(u"E003;Zündkraft Elektrik KG;ZÜNDKRAFT;ZÜNDK;ZÜN"_s));
}

QTEST_GUILESS_MAIN(TestServerArticles)
#include "tst_serverarticles.moc"
