#include "dispatcher.h"
#include "serverstore.h"
#include "support/fakes.h"

#include "model/answerlayouts.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "model/records.h"
#include "model/vkklanswers.h"
#include "model/vkklrequests.h"
#include "platform/logger.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The dispatcher in-process on a fresh store with the small demo data: the
// client's request builders in, the client's decoders on the answers.
class TestServerDispatcher : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loginAnswers_data();
    void loginAnswers();
    void malformedRequestsGetErrors_data();
    void malformedRequestsGetErrors();
    void optionsPersist();
    void customerDataOfTheLogin();
    void articleStockAndPrice();
    void insertedLineCarriesServerValues();
    void refusedChangeReportsInTheLine();
    void bookingMakesAnOrderAndEmptiesTheDraft();
    void lineSurvivesRestart();
    void otherCustomersLinesStayHidden();
    void statisticsAndMail();

private:
    ServerReply tcp(const QString& code, const QStringList& parameters, const QString& session = u"c1"_s);
    ServerReply soap(const QString& code, const QStringList& parameters, const QStringList& header);
    QString insertLine(const QString& artikel, const QString& menge);
    TVerkaufskladdeArray readDraft();
    void openServer();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ServerStore> m_store;
    std::unique_ptr<Dispatcher> m_dispatcher;
    ManualClock m_clock;
    Logger m_logger{m_clock};
    RecordingEnding m_ending;
    ModelContext m_context;
    VkklEnvironment m_env{m_logger, m_ending, m_context};
};

void TestServerDispatcher::openServer() {
    m_dispatcher.reset();
    m_store = std::make_unique<ServerStore>();
    QString error;
    QVERIFY2(m_store->open(m_dir->filePath(u"server.sqlite"_s), &error), qPrintable(error));
    m_dispatcher = std::make_unique<Dispatcher>(*m_store);
}

void TestServerDispatcher::init() {
    m_logger.setWriteLogFile(false);
    m_dir = std::make_unique<QTemporaryDir>();
    openServer();
}

void TestServerDispatcher::cleanup() {
    m_dispatcher.reset();
    m_store.reset();
    m_dir.reset();
}

ServerReply TestServerDispatcher::tcp(const QString& code, const QStringList& parameters,
                                      const QString& session) {
    ServerRequest r;
    r.code = code;
    r.parameters = parameters;
    r.front = ServerRequest::Front::Tcp;
    r.session = session;
    return m_dispatcher->handle(r);
}

ServerReply TestServerDispatcher::soap(const QString& code, const QStringList& parameters,
                                       const QStringList& header) {
    ServerRequest r;
    r.code = code;
    r.parameters = parameters;
    r.loginHeader = header;
    r.front = ServerRequest::Front::Soap;
    return m_dispatcher->handle(r);
}

QString TestServerDispatcher::insertLine(const QString& artikel, const QString& menge) {
    LineValues v;
    v.set(LineValues::Client, u"TEST"_s);
    v.set(LineValues::ARTIKELNR, artikel);
    v.set(LineValues::MENGE, menge);
    const ServerReply r = tcp(u"165"_s, VkklRequests::insert165(u"DEMO"_s, u"10000"_s, v));
    const VkklAnswer a = VkklAnswers::readInsert165(r.lines, m_env);
    return r.status == 0 && a.code == 0 ? a.vkklId : QString();
}

TVerkaufskladdeArray TestServerDispatcher::readDraft() {
    const ServerReply r = tcp(u"160"_s, VkklRequests::get160Tcp(u"0"_s, u"DEMO"_s, u"10000"_s, QString()));
    if (r.status != 0)
        return {};
    return VkklAnswers::readGet160Tcp(r.lines, m_env).lines;
}

void TestServerDispatcher::loginAnswers_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("status");
    QTest::newRow("password") << QStringList{u"0"_s, u"10000"_s, u"demo"_s, u"demo"_s} << 0;
    QTest::newRow("umlauts and euro") << QStringList{u"0"_s, u"10001"_s, u"JÜRGEN"_s, u"Grüße€1"_s} << 0;
    QTest::newRow("wrong password") << QStringList{u"0"_s, u"10000"_s, u"DEMO"_s, u"Demo"_s} << 60;
    QTest::newRow("unknown user") << QStringList{u"0"_s, u"10000"_s, u"NIEMAND"_s, u"demo"_s} << 60;
    QTest::newRow("blocked customer") << QStringList{u"0"_s, u"10003"_s, u"SPERRE"_s, u"sperre"_s} << 86;
    QTest::newRow("hash that was never issued") << QStringList{u"1"_s, u"10000"_s, u"DEMO"_s, u"ABC"_s} << 60;
    QTest::newRow("bad mode") << QStringList{u"7"_s, u"10000"_s, u"DEMO"_s, u"demo"_s} << 1;
}

void TestServerDispatcher::loginAnswers() {
    QFETCH(QStringList, lines);
    QFETCH(int, status);
    const ServerReply r = tcp(u"104"_s, lines);
    QCOMPARE(r.status, status);
    if (status != 0) {
        QVERIFY(!r.errorText.isEmpty());
        QVERIFY(!r.errorText.contains(lines.at(3)));
        return;
    }
    QVERIFY(r.lines.size() >= 13);
    TBenutzer2Kopf head;
    RecordCodec::decodeInto(head, r.lines, 0, 13);
    QCOMPARE(head.DEB_NR, lines.at(1));
    QVERIFY(head.BENU_PASSWORDHASH.size() >= 32);
    QCOMPARE((r.lines.size() - 13) / 2, head.sNumOptions.toInt());
    // The issued hash works for the automatic login, and over SOAP as login header.
    QCOMPARE(tcp(u"104"_s, {u"1"_s, lines.at(1), lines.at(2), head.BENU_PASSWORDHASH}, u"c2"_s).status, 0);
    QCOMPARE(soap(u"153"_s, {QString(), u"0"_s, lines.at(1), u"0"_s},
                  {lines.at(1), lines.at(2), lines.at(3), u"0"_s})
                 .status,
             0);
}

void TestServerDispatcher::malformedRequestsGetErrors_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("lines");
    const QStringList none;
    QTest::newRow("unknown code") << u"777"_s << none;
    QTest::newRow("code is text") << u"abc"_s << none;
    QTest::newRow("104 too few") << u"104"_s << QStringList{u"0"_s};
    QTest::newRow("105 too few") << u"105"_s << QStringList{u"0"_s, u"10000"_s};
    QTest::newRow("106 count no number")
        << u"106"_s << QStringList{u"10000"_s, u"DEMO"_s, u""_s, u""_s, u""_s, u"x"_s};
    QTest::newRow("106 count and pairs differ")
        << u"106"_s << QStringList{u"10000"_s, u"DEMO"_s, u""_s, u""_s, u""_s, u"2"_s, u"K"_s, u"V"_s};
    QTest::newRow("110 quantity no number")
        << u"110"_s << QStringList{u"10000"_s, u"X"_s, u"eins"_s, u"HEUTE"_s};
    QTest::newRow("121 too few") << u"121"_s << QStringList{u""_s, u""_s};
    QTest::newRow("130 bad mode") << u"130"_s << QStringList{u"9"_s, u"X"_s, u""_s, u"0"_s, u""_s};
    QTest::newRow("130 unknown article")
        << u"130"_s << QStringList{u"0"_s, u"GIBTSNICHT"_s, u""_s, u"0"_s, u""_s};
    QTest::newRow("131 no text") << u"131"_s << none;
    QTest::newRow("153 too few") << u"153"_s << QStringList{u""_s};
    QTest::newRow("160 too few") << u"160"_s << QStringList{u""_s, u"0"_s};
    QTest::newRow("161 unknown key") << u"161"_s << QStringList{u"999999"_s};
    QTest::newRow("163 too few") << u"163"_s << QStringList{u""_s, u"0"_s, u"DEMO"_s};
    QTest::newRow("164 too few") << u"164"_s << none;
    QTest::newRow("165 too few") << u"165"_s << QStringList(17, u"-1"_s);
    QTest::newRow("168 field code no number") << u"168"_s << QStringList(18, u"x"_s);
    QTest::newRow("174 mask length no number") << u"174"_s << QStringList{u""_s, u"1"_s, u"x"_s, u""_s};
    QTest::newRow("174 mask length too big") << u"174"_s << QStringList{u""_s, u"1"_s, u"99999"_s, u""_s};
    QTest::newRow("181 date no date")
        << u"181"_s << QStringList{u"1"_s, u"1"_s, u""_s, u"10000"_s, u""_s, u"gestern"_s, u""_s, u""_s};
    QTest::newRow("305 count no number") << u"305"_s << QStringList{u""_s, u"0"_s, u"0"_s, u"19"_s, u"x"_s};
    QTest::newRow("305 lines missing")
        << u"305"_s << QStringList{u""_s, u"0"_s, u"0"_s, u"19"_s, u"1"_s, u"a"_s};
    QTest::newRow("400 no lines") << u"400"_s << QStringList{u"100"_s, u""_s, u"a@b.de"_s, u"Betreff"_s};
    QTest::newRow("401 empty id") << u"401"_s << QStringList{u""_s};
    QTest::newRow("412 quantity no number")
        << u"412"_s
        << QStringList{u""_s, u"4"_s, u"0"_s, u"X"_s, u""_s, u""_s, u"viel"_s, u"0"_s, u"1.1.2026"_s};
    QTest::newRow("422 count no number") << u"422"_s << QStringList{u"0"_s, u"10000"_s, u"x"_s, u"0"_s};
}

void TestServerDispatcher::malformedRequestsGetErrors() {
    QFETCH(QString, code);
    QFETCH(QStringList, lines);
    // Without a connection key the request's own lines decide, so the checks themselves answer.
    const ServerReply r = tcp(code, lines, QString());
    QVERIFY2(r.status != 0, qPrintable(code));
    QVERIFY(!r.errorText.isEmpty());
}

void TestServerDispatcher::optionsPersist() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    QCOMPARE(tcp(u"106"_s, {u"10000"_s, u"DEMO"_s, QString(), QString(), QString(), u"2"_s, u"FARBE"_s,
                            u"blau"_s, u"_M_LIMIT"_s, u"5"_s})
                 .status,
             0);
    openServer(); // a restart in between
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const ServerReply one = tcp(u"105"_s, {u"1"_s, u"10000"_s, u"DEMO"_s, u"FARBE"_s});
    QCOMPARE(one.lines, (QStringList{u"1"_s, u"FARBE"_s, u"blau"_s}));
    const ServerReply all = tcp(u"105"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, QString()});
    QVERIFY(all.lines.contains(u"_M_LIMIT"_s));
    // Another customer's options are not for this connection.
    QCOMPARE(tcp(u"105"_s, {u"0"_s, u"10001"_s, u"JÜRGEN"_s, QString()}).status, 60);
}

void TestServerDispatcher::customerDataOfTheLogin() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const ServerReply debitor = tcp(u"153"_s, {QString(), u"0"_s, u"10000"_s, u"0"_s});
    QCOMPARE(debitor.status, 0);
    QCOMPARE(AnswerLayouts::decodeDebitor(debitor.lines, 0).NUMMER, u"10000"_s);
    const ServerReply addresses = tcp(u"154"_s, {QString(), u"0"_s, u"0"_s, u"10000"_s, QString(), u"1"_s});
    TLieferadresseArray list;
    QVERIFY(AnswerLayouts::decodeLieferadressen(addresses.lines, 0, u"1"_s, list));
    QCOMPARE(list.size(), 3);
    QVERIFY(std::any_of(list.begin(), list.end(), [](const auto& a) { return a.LIEFERUNGSCODE == u"98"_s; }));
    TFilialKurzArray2 branches;
    QVERIFY(AnswerLayouts::decodeFilialen2(tcp(u"221"_s, {}).lines, 0, branches));
    QCOMPARE(branches.size(), 12);
    TLieferungArray codes;
    QVERIFY(RecordCodec::decodeCounted(tcp(u"152"_s, {u"0"_s}).lines, 0, 16, codes));
    QCOMPARE(codes.size(), 4);
    QVERIFY(tcp(u"170"_s, {}).lines.size() >= 5);
    const ServerReply nex = tcp(u"175"_s, {u"0"_s, u"1"_s, u"7"_s, u"0"_s});
    QCOMPARE((nex.lines.size() - 1) / 3, nex.lines.value(0).toInt());
    // Another customer's record is refused.
    QCOMPARE(tcp(u"153"_s, {QString(), u"0"_s, u"10001"_s, u"0"_s}).status, 60);
}

void TestServerDispatcher::articleStockAndPrice() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const ServerReply search = tcp(u"131"_s, {u"Bremsscheibe"_s});
    QCOMPARE(search.status, 0);
    TArtikelShortInfoArray hits;
    QVERIFY(RecordCodec::decodeCounted(search.lines, 0, 16, hits));
    QVERIFY(!hits.isEmpty());
    const QString nummer = hits.first().NUMMER;
    const ServerReply info = tcp(u"130"_s, {u"0"_s, nummer, QString(), u"0"_s, QString()});
    const TArtikelArray articles = AnswerLayouts::decodeArtikelInfo(info.lines, 1, 1);
    QCOMPARE(articles.value(0).NUMMER, nummer);
    QCOMPARE(tcp(u"501"_s, {u"0"_s, articles.value(0).EAN, u"0"_s}).lines.value(0), u"1"_s);

    const ServerReply stock =
        tcp(u"121"_s, {QString(), QString(), u"F03"_s, u"0"_s, u"1"_s, nummer, u"0"_s, QString()});
    const TBestandsInfo bestand = AnswerLayouts::decodeBestandsInfo(stock.lines, &m_logger);
    QCOMPARE(bestand.FilialBestand.size(), 12);
    int sum = 0;
    for (const TBestandsInfoFiliale& f : bestand.FilialBestand)
        sum += f.Verfuegbar.toInt();
    QCOMPARE(bestand.GesamtVerfuegbar.toInt(), sum);

    const ServerReply price = tcp(u"110"_s, {u"10000"_s, nummer, u"1"_s, u"HEUTE"_s});
    QCOMPARE(price.lines.size(), 11);
    TPreisInfo p;
    RecordCodec::decodeInto(p, price.lines, 0, 11);
    QCOMPARE(p.VkPreis, articles.value(0).VK_PREIS);
    QVERIFY(Convert::toFloatDef(p.Nettopreis, 0) <= Convert::toFloatDef(p.Bruttopreis, 0));
}

void TestServerDispatcher::insertedLineCarriesServerValues() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const TArtikelShortInfoArray hits = [&] {
        TArtikelShortInfoArray h;
        RecordCodec::decodeCounted(tcp(u"131"_s, {u"Ölfilter"_s}).lines, 0, 16, h);
        return h;
    }();
    QVERIFY(!hits.isEmpty());
    const QString id = insertLine(hits.first().NUMMER, u"100"_s);
    QVERIFY(!id.isEmpty());
    const TVerkaufskladdeArray draft = readDraft();
    QCOMPARE(draft.size(), 1);
    const TVerkaufskladde& line = draft.first();
    QCOMPARE(line.VKKL_ID, id);
    QCOMPARE(line.FEHLERNUMMER, u"0"_s);
    QCOMPARE(line.FILIALE, u"F03"_s);
    QVERIFY(!line.NETTOPREIS.isEmpty());
    // 100 pieces are more than any branch holds: the deliverable quantity is what F03 has.
    QVERIFY(line.ZU_LIEFERN.toInt() < 100);
    const ServerReply stock =
        tcp(u"121"_s, {QString(), QString(), u"F03"_s, u"0"_s, u"1"_s, line.ARTIKELNR, u"0"_s, QString()});
    const TBestandsInfo bestand = AnswerLayouts::decodeBestandsInfo(stock.lines, &m_logger);
    const auto f03 = std::find_if(bestand.FilialBestand.begin(), bestand.FilialBestand.end(),
                                  [](const auto& f) { return f.Code == u"F03"_s; });
    QCOMPARE(f03->Verfuegbar, u"0"_s);
    QCOMPARE(f03->Reserviert.toInt() >= line.ZU_LIEFERN.toInt(), true);
}

void TestServerDispatcher::refusedChangeReportsInTheLine() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    TArtikelShortInfoArray hits;
    RecordCodec::decodeCounted(tcp(u"131"_s, {u"Zündkerze"_s}).lines, 0, 16, hits);
    QVERIFY(!hits.isEmpty());
    const QString id = insertLine(hits.first().NUMMER, u"2"_s);
    LineValues change = LineValues::forLine(id);
    change.set(LineValues::MENGE, u"-5"_s);
    const VkklAnswer a = VkklAnswers::readUpdate163(
        tcp(u"163"_s, VkklRequests::update163(u"DEMO"_s, u"10000"_s, change)).lines, m_env);
    QCOMPARE(a.code, 120);
    QVERIFY(!a.message.isEmpty());
    QCOMPARE(readDraft().value(0).MENGE, u"2"_s);

    LineValues branch = LineValues::forLine(id);
    branch.set(LineValues::FILIALE, u"F01"_s);
    const VkklAnswer b = VkklAnswers::readUpdate174(
        tcp(u"174"_s, VkklRequests::update174(branch, VkklRequests::MaskStandard, 20)).lines, false, m_env);
    QCOMPARE(b.code, 0);
    QCOMPARE(b.lines.value(0).FILIALE, u"F01"_s);

    VkklRequests::FieldUpdate menge{VkklRequests::FieldCode::Menge, u"3"_s, QString(), id};
    const VkklAnswer c =
        VkklAnswers::readUpdate168(tcp(u"168"_s, VkklRequests::update168Tcp(menge)).lines, m_env);
    QCOMPARE(c.code, 0);
    QCOMPARE(c.lines.value(0).MENGE, u"3"_s);
}

void TestServerDispatcher::bookingMakesAnOrderAndEmptiesTheDraft() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    TArtikelShortInfoArray hits;
    RecordCodec::decodeCounted(tcp(u"131"_s, {u"Luftfilter"_s}).lines, 0, 16, hits);
    QVERIFY(hits.size() >= 2);
    const QString booked = insertLine(hits.at(0).NUMMER, u"1"_s);
    const QString kept = insertLine(hits.at(1).NUMMER, u"1"_s);
    VkklRequests::FieldUpdate unmark{VkklRequests::FieldCode::Bestellen, u"0"_s, QString(), kept};
    QCOMPARE(tcp(u"168"_s, VkklRequests::update168Tcp(unmark)).status, 0);

    QCOMPARE(tcp(u"164"_s, {u"DEMO"_s, u"10000"_s}).status, 0);
    const TVerkaufskladdeArray draft = readDraft();
    QCOMPARE(draft.size(), 1);
    QCOMPARE(draft.first().VKKL_ID, kept);

    const QString today = FormatDE::formatDate(QDate::currentDate());
    const ServerReply heads =
        tcp(u"181"_s, {u"1"_s, u"1"_s, QString(), u"10000"_s, QString(), today, today, QString()});
    QList<TVerkaufsKopf> orders;
    QVERIFY(RecordCodec::decodeCounted(heads.lines, 0, 106, orders));
    QVERIFY(!orders.isEmpty());
    const TVerkaufsKopf& order = orders.first();
    QCOMPARE(order.ART, u"AB"_s);
    const ServerReply lines = tcp(u"180"_s, {u"0"_s, u"1"_s, order.NUMMER, QString()});
    QList<TVerkaufsZeile> orderLines;
    QVERIFY(RecordCodec::decodeCounted(lines.lines, 0, 127, orderLines));
    QCOMPARE(orderLines.size(), 1);
    QCOMPARE(orderLines.first().NUMMER, hits.at(0).NUMMER);
    Q_UNUSED(booked);
    // Nothing marked any more: a second booking is refused.
    VkklRequests::FieldUpdate stillUnmarked{VkklRequests::FieldCode::Bestellen, u"0"_s, QString(), kept};
    QCOMPARE(tcp(u"168"_s, VkklRequests::update168Tcp(stillUnmarked)).status, 0);
    QCOMPARE(tcp(u"164"_s, {u"DEMO"_s, u"10000"_s}).status, 116);
}

void TestServerDispatcher::lineSurvivesRestart() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    TArtikelShortInfoArray hits;
    RecordCodec::decodeCounted(tcp(u"131"_s, {u"Wasserpumpe"_s}).lines, 0, 16, hits);
    QVERIFY(!hits.isEmpty());
    const QString id = insertLine(hits.first().NUMMER, u"2"_s);
    QVERIFY(!id.isEmpty());
    openServer();
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const TVerkaufskladdeArray draft = readDraft();
    QCOMPARE(draft.size(), 1);
    QCOMPARE(draft.first().VKKL_ID, id);
}

void TestServerDispatcher::otherCustomersLinesStayHidden() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    TArtikelShortInfoArray hits;
    RecordCodec::decodeCounted(tcp(u"131"_s, {u"Anlasser"_s}).lines, 0, 16, hits);
    QVERIFY(!hits.isEmpty());
    const QString id = insertLine(hits.first().NUMMER, u"1"_s);
    // A second connection logged in as another customer.
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10002"_s, u"LAGER"_s, u"lager"_s}, u"c9"_s).status, 0);
    QCOMPARE(tcp(u"161"_s, {id}, u"c9"_s).status, 121);
    QCOMPARE(tcp(u"160"_s, VkklRequests::get160Tcp(u"4"_s, u"LAGER"_s, u"10002"_s, id), u"c9"_s).status, 113);
    QCOMPARE(tcp(u"160"_s, VkklRequests::get160Tcp(u"0"_s, u"DEMO"_s, u"10000"_s, QString()), u"c9"_s).status,
             60);
    // A connection that never logged in gets nothing.
    QCOMPARE(tcp(u"160"_s, VkklRequests::get160Tcp(u"0"_s, u"DEMO"_s, u"10000"_s, QString()), u"c8"_s).status,
             60);
    QCOMPARE(readDraft().size(), 1);
}

void TestServerDispatcher::statisticsAndMail() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    QStringList stats{QString(), u"0"_s, u"0"_s, u"19"_s, u"2"_s};
    for (int i = 0; i < 38; ++i)
        stats.append(QString::number(i));
    QCOMPARE(tcp(u"305"_s, stats).lines, QStringList{u"OK"_s});
    const ServerReply mail = tcp(
        u"400"_s, {u"100"_s, QString(), u"kunde@example.org"_s, u"Bestellung"_s, u"Zeile 1"_s, u"Zeile 2"_s});
    QCOMPARE(mail.status, 0);
    const QString id = mail.lines.value(0);
    QVERIFY(!id.isEmpty());
    QCOMPARE(tcp(u"401"_s, {id}).lines, QStringList{u"Ok"_s});
    QCOMPARE(tcp(u"401"_s, {u"999999"_s}).status, 20);
    // Over SOAP with the login header.
    const QStringList header{u"10000"_s, u"DEMO"_s, u"demo"_s, u"0"_s};
    QCOMPARE(soap(u"401"_s, {id}, header).lines, QStringList{u"Ok"_s});
    QCOMPARE(soap(u"401"_s, {id}, {u"10000"_s, u"DEMO"_s, u"falsch"_s, u"0"_s}).status, 60);
}

QTEST_GUILESS_MAIN(TestServerDispatcher)
#include "tst_serverdispatcher.moc"
