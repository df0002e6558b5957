// The article search of the reference server against the plain scan it
// replaces, on the small demo catalogue: the same hits in the same order on
// both of its ways, after changes to articles, and on a database from before
// the text index. Also: every statement behind the common requests finds its
// rows by an index.

#include "model/answerlayouts.h"
#include "model/records.h"
#include "readpool.h"
#include "store/articlesearch.h"
#include "store/articlestore.h"
#include "store/recordtable.h"
#include "tst_serverfixture.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSet>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTest>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

class TestArticleSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sameHitsAsTheScan_data();
    void sameHitsAsTheScan();
    void manyTextsReadTogether();
    void followsArticleChanges();
    void olderDatabaseGetsItsTextIndex();
    void hitListCarriesTheStockOfAllBranches();
    void commonRequestsUseIndexes();
    void searchesRunBesideTheDispatcher();
    void searchRefusedWithoutAReader_data();
    void searchRefusedWithoutAReader();

private:
    // The search as a scan of the whole table: what the answer must be.
    QStringList scanned(const QString& text, int limit);
    QString firstValue(const QString& sql);

    ServerFixture m_server;
};

void TestArticleSearch::initTestCase() {
    QString error;
    QVERIFY2(m_server.seedTemplate(&error), qPrintable(error));
}

void TestArticleSearch::init() {
    QString error;
    QVERIFY2(m_server.open(&error), qPrintable(error));
    QVERIFY(m_server.loginDemo());
}

void TestArticleSearch::cleanup() {
    m_server.close();
}

QString TestArticleSearch::firstValue(const QString& sql) {
    QSqlQuery q(m_server.store().database());
    return q.exec(sql) && q.next() ? q.value(0).toString() : QString();
}

QStringList TestArticleSearch::scanned(const QString& text, int limit) {
    QString t = text.trimmed().toUpper();
    t.replace(u"\\"_s, u"\\\\"_s).replace(u"%"_s, u"\\%"_s).replace(u"_"_s, u"\\_"_s);
    QSqlQuery q(m_server.store().database());
    q.prepare(u"SELECT NUMMER FROM ARTIKEL NOT INDEXED WHERE NUMMER LIKE ? ESCAPE '\\' OR ARTIKELNR_KURZ "
              u"LIKE ? ESCAPE '\\' OR TECDOCNR LIKE ? ESCAPE '\\' OR SUCHTEXT LIKE ? ESCAPE '\\' "
              u"ORDER BY NUMMER LIMIT ?"_s);
    for (int i = 0; i < 3; ++i)
        q.addBindValue(QString(t + u'%'));
    q.addBindValue(QString(u'%' + t + u'%'));
    q.addBindValue(limit);
    QStringList out;
    if (q.exec()) {
        while (q.next())
            out << q.value(0).toString();
    }
    return out;
}

void TestArticleSearch::sameHitsAsTheScan_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("hits");
    // Texts from the data itself: an article's number, short and catalogue number.
    QTest::newRow("word, fewer hits than asked") << u"Bremsscheibe"_s << 200 << u"indexed"_s << true;
    QTest::newRow("word, more hits than asked") << u"Bremsscheibe"_s << 5 << u"ordered"_s << true;
    QTest::newRow("inside a word, umlaut") << u"DÄMPFER HI"_s << 200 << u"indexed"_s << true;
    QTest::newRow("two words over the vehicle") << u"vorne für VW"_s << 200 << u"indexed"_s << true;
    QTest::newRow("number with blank") << u"OC 47"_s << 200 << u"indexed"_s << true;
    QTest::newRow("short number without blank") << u"OC47"_s << 200 << u"indexed"_s << true;
    QTest::newRow("number prefix, common") << u"@number:3"_s << 3 << u"ordered"_s << true;
    QTest::newRow("number prefix, rare") << u"@number:9"_s << 200 << u"indexed"_s << true;
    QTest::newRow("short number") << u"@short:7"_s << 200 << u"indexed"_s << true;
    QTest::newRow("catalogue number with blanks") << u"@tecdoc:9"_s << 200 << u"indexed"_s << true;
    QTest::newRow("two characters") << u"VW"_s << 200 << u"ordered"_s << true;
    QTest::newRow("one digit") << u"1"_s << 200 << u"ordered"_s << true;
    QTest::newRow("nothing like it") << u"QQXQQX"_s << 200 << u"indexed"_s << false;
    QTest::newRow("percent is a character") << u"50%"_s << 200 << u"indexed"_s << false;
    QTest::newRow("underscore is a character") << u"A_B"_s << 200 << u"indexed"_s << false;
    QTest::newRow("quote and backslash") << u"\"\\x\""_s << 200 << u"indexed"_s << false;
    QTest::newRow("blanks only: no search") << u"   "_s << 200 << QString() << false;
}

void TestArticleSearch::sameHitsAsTheScan() {
    QFETCH(QString, text);
    QFETCH(int, limit);
    if (text.startsWith(u'@')) {
        const QString column = text.section(u':', 0, 0).mid(1);
        const int length = text.section(u':', 1).toInt();
        const QString sql =
            column == u"number"_s  ? u"SELECT NUMMER FROM ARTIKEL WHERE NUMMER GLOB '[A-Z]*' "_s
            : column == u"short"_s ? u"SELECT ARTIKELNR_KURZ FROM ARTIKEL WHERE 1 "_s
                                   : u"SELECT TECDOCNR FROM ARTIKEL WHERE TECDOCNR LIKE '% %' "_s;
        text = firstValue(sql + u"ORDER BY ROW_ID DESC LIMIT 1"_s).left(length).toLower();
        QVERIFY(!text.isEmpty());
    }
    ArticleSearch search(m_server.store().database());
    const TArtikelShortInfoArray found = search.find<TArtikelShortInfo>(text, limit);
    QStringList numbers;
    for (const TArtikelShortInfo& a : found)
        numbers << a.NUMMER;
    QFETCH(bool, hits);
    if (text.trimmed().isEmpty())
        QVERIFY(numbers.isEmpty());
    else
        QCOMPARE(numbers, scanned(text, limit));
    QCOMPARE(!numbers.isEmpty(), hits);
    QFETCH(QString, path);
    if (!path.isEmpty())
        QCOMPARE(search.lastPath(), path);
}

void TestArticleSearch::manyTextsReadTogether() {
    // Texts whose hits overlap, a text without hits, a common one that is cut.
    const QStringList texts{u"Bremsscheibe"_s, u"scheibe vorne"_s, u"QQXQQX"_s, u"OC47"_s, u"für"_s};
    ArticleSearch search(m_server.store().database());
    const QList<TArtikelShortInfoArray> together = search.findEach<TArtikelShortInfo>(texts, 20);
    QCOMPARE(together.size(), texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QStringList numbers;
        for (const TArtikelShortInfo& a : together.at(i))
            numbers << a.NUMMER;
        QCOMPARE(numbers, scanned(texts.at(i), 20));
    }
}

void TestArticleSearch::followsArticleChanges() {
    QSqlDatabase db = m_server.store().database();
    QSqlQuery q(db);
    QVERIFY(q.exec(u"INSERT INTO ARTIKEL (NUMMER, ARTIKELNR_KURZ, SUCHTEXT) VALUES ('ZZ 1', 'ZZ1', "
                   u"'SONDERTEIL KLAPPERSCHLANGE')"_s));
    ArticleSearch search(db);
    QCOMPARE(search.find<TArtikelInfo>(u"klapperschlange"_s, 200).value(0).NUMMER, u"ZZ 1"_s);
    QVERIFY(q.exec(u"UPDATE ARTIKEL SET SUCHTEXT = 'SONDERTEIL BLINDSCHLEICHE' WHERE NUMMER = 'ZZ 1'"_s));
    QVERIFY(search.find<TArtikelInfo>(u"klapperschlange"_s, 200).isEmpty());
    QCOMPARE(search.find<TArtikelInfo>(u"schleiche"_s, 200).value(0).NUMMER, u"ZZ 1"_s);
    QVERIFY(q.exec(u"DELETE FROM ARTIKEL WHERE NUMMER = 'ZZ 1'"_s));
    QVERIFY(search.find<TArtikelInfo>(u"schleiche"_s, 200).isEmpty());
}

void TestArticleSearch::olderDatabaseGetsItsTextIndex() {
    {
        QSqlQuery q(m_server.store().database());
        for (const QString& drop : {u"DROP TRIGGER ARTIKEL_TEXT_EIN"_s, u"DROP TRIGGER ARTIKEL_TEXT_AUS"_s,
                                    u"DROP TRIGGER ARTIKEL_TEXT_NEU"_s, u"DROP TABLE ARTIKEL_TEXT"_s})
            QVERIFY2(q.exec(drop), qPrintable(drop));
    }
    QString error;
    QVERIFY2(m_server.reopen(&error), qPrintable(error));
    ArticleSearch search(m_server.store().database());
    QCOMPARE(search.find<TArtikelInfo>(u"Lambdasonde"_s, 200).size(), scanned(u"Lambdasonde"_s, 200).size());
    QCOMPARE(search.lastPath(), u"indexed"_s);
    QVERIFY(!search.find<TArtikelInfo>(u"Lambdasonde"_s, 200).isEmpty());
}

void TestArticleSearch::hitListCarriesTheStockOfAllBranches() {
    const ServerReply r = m_server.tcp(u"134"_s, {u"Luftfilter"_s, QString()});
    QCOMPARE(r.status, 0);
    TArtikelLongInfoArray hits;
    QVERIFY(RecordCodec::decodeCounted(r.lines, 0, 23, hits));
    QVERIFY(hits.size() > 3);
    const ArticleStore articles(m_server.store().database());
    for (const TArtikelLongInfo& h : hits) {
        int total = 0;
        for (const ArticleStore::Stock& s : articles.stock(h.NUMMER))
            total += std::max(0, s.verfuegbar);
        QCOMPARE(h.VERFUEGBAR, QString::number(total));
    }
}

namespace {

QStringList* traced = nullptr;

int traceStatement(unsigned, void*, void* statement, void* sql) {
    if (traced && !QByteArray(static_cast<const char*>(sql)).startsWith("--")) {
        char* expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
        traced->append(QString::fromUtf8(expanded));
        sqlite3_free(expanded);
    }
    return 0;
}

} // namespace

void TestArticleSearch::commonRequestsUseIndexes() {
    QSqlDatabase db = m_server.store().database();
    const QVariant handle = db.driver()->handle();
    QCOMPARE(handle.typeName(), "sqlite3*");
    sqlite3* sqlite = *static_cast<sqlite3* const*>(handle.constData());
    const QString nummer = firstValue(u"SELECT NUMMER FROM ARTIKEL WHERE ROW_ID = 7"_s);
    const QString ean = firstValue(u"SELECT EAN FROM ARTIKEL WHERE ROW_ID = 7"_s);
    const QString beleg = firstValue(u"SELECT NUMMER FROM DEBITORRECHNUNGSKOPF WHERE KUNDENNR = '10000'"_s);
    QVERIFY(!beleg.isEmpty());

    QStringList statements;
    traced = &statements;
    sqlite3_trace_v2(sqlite, SQLITE_TRACE_STMT, traceStatement, nullptr);
    const QList<std::pair<QString, QStringList>> requests{
        {u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}},
        {u"131"_s, {u"OC 47"_s}},
        {u"131"_s, {u"Bremsscheibe"_s}},
        {u"131"_s, {u"VW"_s}},
        {u"134"_s, {nummer, QString()}},
        {u"137"_s, QStringList(5, u"0"_s) + QStringList(5, QString()) + QStringList{nummer, u"OC 47"_s}},
        {u"501"_s, {u"0"_s, ean, u"0"_s}},
        {u"130"_s, {u"0"_s, nummer, QString(), u"0"_s, QString()}},
        {u"130"_s, {u"1"_s, nummer, u"BOS"_s, u"0"_s, QString()}},
        {u"135"_s, {nummer, u"1"_s}},
        {u"121"_s, {QString(), QString(), u"F03"_s, u"0"_s, u"1"_s, nummer, u"0"_s, QString()}},
        {u"110"_s, {u"10000"_s, nummer, u"1"_s, u"HEUTE"_s}},
        {u"153"_s, {QString(), u"0"_s, u"10000"_s, u"0"_s}},
        {u"154"_s, {QString(), u"0"_s, u"0"_s, u"10000"_s, QString(), u"1"_s}},
        {u"200"_s, {u"0"_s, QString(), QString(), u"10000"_s, QString(), QString(), QString(), QString()}},
        {u"200"_s, {u"0"_s, beleg, QString(), u"10000"_s, QString(), QString(), QString(), QString()}},
        {u"203"_s,
         {QString(), u"0"_s, u"0"_s, beleg, u"10000"_s, QString(), QString(), QString(), QString(), u"0"_s}},
        {u"184"_s, {u"0"_s, u"0"_s, u"10000"_s, u"0"_s}},
    };
    for (const auto& [code, lines] : requests)
        QVERIFY2(m_server.tcp(code, lines).status >= 0, qPrintable(code));
    sqlite3_trace_v2(sqlite, 0, nullptr, nullptr);
    traced = nullptr;
    QVERIFY(statements.size() > requests.size());

    // Tables that stay small whatever the catalogue and the customers.
    const QSet<QString> small{u"FILIALE"_s,   u"f"_s,          u"EINSPEISER"_s,  u"LIEFERUNG"_s,
                              u"LIEFERART"_s, u"CONFIG"_s,     u"BESTELLZEIT"_s, u"ZUSTELLZEIT"_s,
                              u"TEXTE"_s,     u"WARENGRUPPE"_s};
    static const QRegularExpression scan(u"^SCAN (\\w+)( USING COVERING INDEX ARTIKEL_SUCHE)?"_s);
    QSqlQuery plan(db);
    for (const QString& sql : QSet<QString>(statements.begin(), statements.end())) {
        // The text index's own statements on its shadow tables are SQLite's affair.
        if (!sql.startsWith(u"SELECT"_s, Qt::CaseInsensitive) || sql.contains(u"'main'."_s))
            continue;
        QVERIFY2(plan.exec(u"EXPLAIN QUERY PLAN "_s + sql), qPrintable(sql));
        while (plan.next()) {
            const QString detail = plan.value(3).toString();
            const QRegularExpressionMatch m = scan.match(detail);
            if (!m.hasMatch() || small.contains(m.captured(1)) || detail.contains(u"VIRTUAL TABLE"_s) ||
                m.hasCaptured(2))
                continue;
            QFAIL(qPrintable(detail + u" in "_s + sql.left(300)));
        }
    }
}

namespace {

// An answer that comes through Dispatcher::handleAsync, now or later. Shared,
// so that a late answer never writes into a finished test.
struct Pending {
    bool answered = false;
    ServerReply reply;
};

std::shared_ptr<Pending> ask(Dispatcher& dispatcher, const ServerRequest& request) {
    auto pending = std::make_shared<Pending>();
    dispatcher.handleAsync(request, [pending](const ServerReply& r) {
        pending->reply = r;
        pending->answered = true;
    });
    return pending;
}

} // namespace

void TestArticleSearch::searchesRunBesideTheDispatcher() {
    Dispatcher& dispatcher = m_server.dispatcher();
    ReadPool* pool = dispatcher.readers();
    QVERIFY(pool);
    const int threads = pool->threads();
    QVERIFY(threads >= 2);
    // Readers held by the test: a search may wait for them, nothing else may.
    QSemaphore started;
    QSemaphore gate;
    const auto release = qScopeGuard([&] { gate.release(threads); });
    const auto hold = [&](int count) {
        for (int i = 0; i < count; ++i) {
            pool->run([&](ServerStore*) {
                started.release();
                gate.acquire();
            });
        }
        return started.tryAcquire(count, 10000);
    };
    QVERIFY(hold(threads - 1));

    // The one free reader answers as the dispatcher itself would.
    const ServerRequest search = ServerFixture::tcpRequest(u"131"_s, {u"OC 47"_s});
    const ServerReply expected = dispatcher.handle(search);
    QVERIFY(expected.lines.size() > 1);
    std::shared_ptr<Pending> p = ask(dispatcher, search);
    QTRY_VERIFY(p->answered);
    QCOMPARE(p->reply.status, 0);
    QCOMPARE(p->reply.lines, expected.lines);

    // A reader sees what was committed after its first read.
    QSqlQuery q(m_server.store().database());
    QVERIFY(q.exec(u"INSERT INTO ARTIKEL (NUMMER, ARTIKELNR_KURZ, SUCHTEXT) VALUES ('ZZ 1', 'ZZ1', "
                   u"'SONDERTEIL KLAPPERSCHLANGE')"_s));
    p = ask(dispatcher, ServerFixture::soapRequest(u"131"_s, {u"klapperschlange"_s}));
    QTRY_VERIFY(p->answered);
    QCOMPARE(p->reply.status, 0);
    QVERIFY2(p->reply.lines.join(u'|').contains(u"ZZ 1"_s), qPrintable(p->reply.lines.join(u'|')));

    // Every reader busy: the search waits, the dispatcher goes on.
    QVERIFY(hold(1));
    p = ask(dispatcher, ServerFixture::tcpRequest(u"137"_s, QStringList(5, u"0"_s) + QStringList(5, QString())
                                                                << u"OC 47"_s));
    QCoreApplication::processEvents();
    QVERIFY(!p->answered);
    const std::shared_ptr<Pending> time = ask(dispatcher, ServerFixture::tcpRequest(u"994"_s, {}));
    QVERIFY(time->answered);
    QCOMPARE(time->reply.status, 0);
    gate.release();
    QTRY_VERIFY(p->answered);
    QCOMPARE(p->reply.status, 0);
    QVERIFY2(p->reply.lines.join(u'|').contains(u"OC 47"_s), qPrintable(p->reply.lines.join(u'|')));
}

void TestArticleSearch::searchRefusedWithoutAReader_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("soap");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QString>("session");
    QTest::newRow("tcp, connection not logged in") << u"131"_s << false << QStringList() << u"c2"_s;
    QTest::newRow("soap, wrong password")
        << u"134"_s << true << QStringList{u"10000"_s, u"DEMO"_s, u"falsch"_s, u"0"_s} << QString();
    QTest::newRow("soap, no login header") << u"137"_s << true << QStringList() << QString();
}

void TestArticleSearch::searchRefusedWithoutAReader() {
    QFETCH(QString, code);
    QFETCH(bool, soap);
    QFETCH(QStringList, header);
    QFETCH(QString, session);
    const QStringList parameters{u"OC 47"_s};
    const ServerRequest request = soap ? ServerFixture::soapRequest(code, parameters, header)
                                       : ServerFixture::tcpRequest(code, parameters, session);
    // Refused on the dispatcher's thread, before any reader reads a row.
    const std::shared_ptr<Pending> p = ask(m_server.dispatcher(), request);
    QVERIFY(p->answered);
    QCOMPARE(p->reply.status, 60);
    QVERIFY(p->reply.lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestArticleSearch)
#include "tst_articlesearch.moc"
