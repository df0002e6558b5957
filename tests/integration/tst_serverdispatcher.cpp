#include "support/fakes.h"
#include "tst_serverfixture.h"

#include "model/answerlayouts.h"
#include "model/compositerecords.h"
#include "model/conversions.h"
#include "model/documentrecords.h"
#include "model/formatde.h"
#include "model/records.h"
#include "model/vkklanswers.h"
#include "model/vkklrequests.h"
#include "platform/logger.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The dispatcher in-process on a fresh store with the small demo data: the
// client's request builders in, the client's decoders on the answers.
class TestServerDispatcher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
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
    void listAnswersDecode_data();
    void listAnswersDecode();
    void emptyDraftIsAnAnswer();

private:
    ServerReply tcp(const QString& code, const QStringList& parameters, const QString& session = u"c1"_s) {
        return m_server.tcp(code, parameters, session);
    }
    ServerReply soap(const QString& code, const QStringList& parameters, const QStringList& header) {
        return m_server.soap(code, parameters, header);
    }
    QString insertLine(const QString& artikel, const QString& menge);
    TVerkaufskladdeArray readDraft();
    void openServer();

    ServerFixture m_server;
    ManualClock m_clock;
    Logger m_logger{m_clock};
    RecordingEnding m_ending;
    ModelContext m_context;
    VkklEnvironment m_env{m_logger, m_ending, m_context};
};

void TestServerDispatcher::openServer() {
    QString error;
    QVERIFY2(m_server.reopen(&error), qPrintable(error));
}

void TestServerDispatcher::initTestCase() {
    QString error;
    QVERIFY2(m_server.seedTemplate(&error), qPrintable(error));
}

void TestServerDispatcher::init() {
    m_logger.setWriteLogFile(false);
    QString error;
    QVERIFY2(m_server.open(&error), qPrintable(error));
}

void TestServerDispatcher::cleanup() {
    m_server.close();
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
    QTest::newRow("136 flag no flag")
        << u"136"_s << QStringList{u"10000"_s, u""_s, u""_s, u"x"_s, u"1"_s, u"1"_s,
                                   u"0"_s,     u""_s, u""_s, u""_s,  u""_s,  u"A"_s};
    QTest::newRow("136 no articles") << u"136"_s << QStringList(11, u"0"_s);
    QTest::newRow("136 unknown article") << u"136"_s << (QStringList(11, u"0"_s) << u"GIBTSNICHT"_s);
    QTest::newRow("137 no search texts") << u"137"_s << QStringList(10, u"0"_s);
    QTest::newRow("139 too few") << u"139"_s << QStringList(10, u"0"_s);
    QTest::newRow("139 empty text") << u"139"_s << (QStringList(10, u"0"_s) << u" "_s);
    QTest::newRow("142 count no number") << u"142"_s << QStringList{u"x"_s, u""_s, u"A"_s};
    QTest::newRow("142 blocks uneven") << u"142"_s << QStringList{u"2"_s, u""_s, u"A"_s, u""_s};
    QTest::newRow("183 bad output type") << u"183"_s << QStringList(15, u"9"_s);
    QTest::newRow("183 date no date")
        << u"183"_s << QStringList{u""_s, u"0"_s,      u"1"_s, u"2"_s, u""_s, u"10000"_s, u""_s, u""_s,
                                   u""_s, u"morgen"_s, u""_s,  u""_s,  u""_s, u""_s,      u"3"_s};
    QTest::newRow("204 too few") << u"204"_s << QStringList{u""_s, u"0"_s};
    QTest::newRow("215 address no number")
        << u"215"_s
        << QStringList{u""_s, u"0"_s, u""_s, u"10000"_s, u""_s, u""_s, u"irgendwo"_s, u""_s, u"0"_s};
    QTest::newRow("425 no article") << u"425"_s << QStringList{u""_s, u"0"_s, u"10000"_s, u""_s, u"0"_s};
    QTest::newRow("426 unknown article")
        << u"426"_s << QStringList{u""_s, u"0"_s, u"10000"_s, u"GIBTSNICHT"_s, u"0"_s};
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
    // Master options need a master: a user cannot lift a lock himself.
    QCOMPARE(tcp(u"106"_s, {u"10000"_s, u"DEMO"_s, QString(), QString(), QString(), u"2"_s, u"FARBE"_s,
                            u"blau"_s, u"_M_LIMIT"_s, u"5"_s})
                 .status,
             133);
    QCOMPARE(tcp(u"106"_s, {u"10000"_s, u"DEMO"_s, QString(), u"DEMO"_s, u"demo"_s, u"2"_s, u"FARBE"_s,
                            u"blau"_s, u"_M_LIMIT"_s, u"5"_s})
                 .status,
             133);
    QCOMPARE(tcp(u"106"_s, {u"10000"_s, u"DEMO"_s, QString(), u"CHEF"_s, u"chef"_s, u"2"_s, u"FARBE"_s,
                            u"blau"_s, u"_M_LIMIT"_s, u"5"_s})
                 .status,
             0);
    openServer(); // a restart in between
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const ServerReply one = tcp(u"105"_s, {u"1"_s, u"10000"_s, u"DEMO"_s, u"FARBE"_s});
    QCOMPARE(one.lines, (QStringList{u"1"_s, u"FARBE"_s, u"blau"_s}));
    const ServerReply all = tcp(u"105"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, QString()});
    QVERIFY(all.lines.contains(u"_M_LIMIT"_s));
    // The master's options hold for every user of the customer, and come first.
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"CHEF"_s, u"chef"_s}).status, 0);
    const ServerReply chef = tcp(u"105"_s, {u"0"_s, u"10000"_s, u"CHEF"_s, QString()});
    QCOMPARE(chef.lines.mid(1, 2), (QStringList{u"_M_LIMIT"_s, u"5"_s}));
    QVERIFY(!chef.lines.contains(u"FARBE"_s));
    // Another customer's options are not for this connection.
    QCOMPARE(tcp(u"105"_s, {u"0"_s, u"10001"_s, u"JÜRGEN"_s, QString()}).status, 60);
}

void TestServerDispatcher::customerDataOfTheLogin() {
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const ServerReply debitor = tcp(u"153"_s, {QString(), u"0"_s, u"10000"_s, u"0"_s});
    QCOMPARE(debitor.status, 0);
    QCOMPARE(debitor.lines.value(0), u"1"_s);
    QCOMPARE(AnswerLayouts::decodeDebitor(debitor.lines, 1).NUMMER, u"10000"_s);
    const ServerReply addresses = tcp(u"154"_s, {QString(), u"0"_s, u"0"_s, u"10000"_s, QString(), u"1"_s});
    TLieferadresseArray list;
    QVERIFY(AnswerLayouts::decodeLieferadressen(addresses.lines, 0, u"1"_s, list));
    QCOMPARE(list.size(), 3);
    QVERIFY(std::any_of(list.begin(), list.end(), [](const auto& a) { return a.LIEFERUNGSCODE == u"98"_s; }));
    TFilialKurzArray2 branches;
    QVERIFY(AnswerLayouts::decodeFilialen2(tcp(u"221"_s, {}).lines, 0, branches));
    QCOMPARE(branches.size(), 14);
    TLieferungArray codes;
    QVERIFY(RecordCodec::decodeCounted(tcp(u"152"_s, {u"0"_s}).lines, 0, 16, codes));
    QCOMPARE(codes.size(), 6);
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
    QCOMPARE(bestand.FilialBestand.size(), 14);
    int sum = 0;
    QStringList kinds;
    for (const TBestandsInfoFiliale& f : bestand.FilialBestand) {
        sum += f.Verfuegbar.toInt();
        kinds << f.Code + u'=' + f.Auftrag;
    }
    // Every kind of branch: wholesaler, virtual, not for delivery, own and external warehouse.
    for (const QString& k : {u"F01=1"_s, u"F99=2"_s, u"F10=3"_s, u"L77=4"_s, u"F20=5"_s})
        QVERIFY2(kinds.contains(k), qPrintable(kinds.join(u' ')));
    QCOMPARE(bestand.FilialBestand.first().Zentrale, u"F01"_s);
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

    // Night express from a branch without it (F02) is refused; from Hannover it is taken.
    for (const auto& [filiale, status] : {std::pair{u"F02"_s, 158}, std::pair{u"F03"_s, 0}}) {
        LineValues nex = LineValues::forLine(id);
        nex.set(LineValues::LIEFERUNGSCODE, u"97"_s);
        nex.set(LineValues::FILIALE, filiale);
        const VkklAnswer n = VkklAnswers::readUpdate163(
            tcp(u"163"_s, VkklRequests::update163(u"DEMO"_s, u"10000"_s, nex)).lines, m_env);
        QCOMPARE(n.code, status);
    }
    QCOMPARE(readDraft().value(0).LIEFERUNGSCODE, u"97"_s);
    QCOMPARE(readDraft().value(0).FILIALE, u"F03"_s);

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

void TestServerDispatcher::listAnswersDecode_data() {
    // "$A" stands for an article the demo holds, "$F" and "$T" for a date range
    // that covers the demo's documents.
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("lines");
    const QString e;
    const QString z = u"0"_s;
    const QString o = u"1"_s;
    QTest::newRow("136 info list") << u"136"_s
                                   << QStringList{u"10000"_s, e, e, o, o, o, z, e, e, e, e, u"$A"_s, u"$A"_s};
    QTest::newRow("137 search all 2") << u"137"_s << QStringList{o, o, o, o, o, e, e, e, e, e, u"$A"_s};
    QTest::newRow("139 search all 3") << u"139"_s << (QStringList(10, o) << u"$A"_s);
    QTest::newRow("142 web shop") << u"142"_s
                                  << QStringList{u"2"_s,          e, u"$A"_s, e, e,     e, u"J"_s, e,
                                                 u"GIBTSNICHT"_s, e, e,       e, u"J"_s};
    QTest::newRow("183 backorders") << u"183"_s
                                    << QStringList{e, z,       o,       u"2"_s, e, u"10000"_s, e,     e,
                                                   e, u"$F"_s, u"$T"_s, e,      e, e,          u"3"_s};
    QTest::newRow("204 invoice lines")
        << u"204"_s << QStringList{e, z, e, u"10000"_s, u"$F"_s, u"$T"_s, u"-1"_s, e, z};
    QTest::newRow("215 credit-note lines")
        << u"215"_s << QStringList{e, z, e, u"10000"_s, u"$F"_s, u"$T"_s, u"-1"_s, e, z};
    QTest::newRow("425 card note") << u"425"_s << QStringList{e, z, u"10000"_s, u"$A"_s, e, z};
    QTest::newRow("426 logistics") << u"426"_s << QStringList{e, z, u"10000"_s, u"$A"_s, z};
}

void TestServerDispatcher::listAnswersDecode() {
    QFETCH(QString, code);
    QFETCH(QStringList, lines);
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    TArtikelShortInfoArray hits;
    RecordCodec::decodeCounted(tcp(u"131"_s, {u"Bremsscheibe"_s}).lines, 0, 16, hits);
    QVERIFY(!hits.isEmpty());
    const QString article = hits.first().NUMMER;
    for (QString& line : lines) {
        if (line == u"$A")
            line = article;
        else if (line == u"$F")
            line = FormatDE::formatDate(QDate::currentDate().addYears(-1));
        else if (line == u"$T")
            line = FormatDE::formatDate(QDate::currentDate().addDays(1));
    }
    const ServerReply r = tcp(code, lines);
    QVERIFY2(r.status == 0, qPrintable(r.errorText));
    const auto countLine = [&r] { return r.lines.value(0).toInt(); };

    if (code == u"136") {
        TArtikelInfoListe liste;
        QVERIFY(AnswerLayouts::decodeArtikelInfoListe(r.lines, 0, liste));
        QCOMPARE(liste.ArtikelInfo.size(), 1); // asked twice, listed once
        QCOMPARE(liste.ArtikelInfo.first().NUMMER, article);
        QCOMPARE(liste.NUMMER, u"10000"_s);
        QCOMPARE(liste.ArtikelPreise.size(), 1);
        QVERIFY(!liste.Filialen.isEmpty());
        QCOMPARE(liste.Artikelbestand.size(), liste.Filialen.size());
        QCOMPARE(liste.Netzartikel.size() % 9, 0);
        // Each section index points at that section's count line.
        QCOMPARE(r.lines.value(liste.FilialenIndex.toInt()), liste.NumFilialen);
        QCOMPARE(r.lines.value(liste.ArtikelIndex.toInt()), liste.NumArtikel);
        QCOMPARE(r.lines.value(liste.PreiseIndex.toInt()), liste.NumPreise);
        QCOMPARE(r.lines.value(liste.BestandIndex.toInt()), liste.NumBestand);
        QCOMPARE(r.lines.value(liste.NetzartikelIndex.toInt()), liste.NumNetzartikel);
    } else if (code == u"137" || code == u"139") {
        // Name line, count line, data lines; 139 counts one more than it sends.
        QCOMPARE(r.lines.value(0), article);
        const int data = int(r.lines.size()) - 2;
        QVERIFY(data >= 1);
        QCOMPARE(r.lines.value(1).toInt(), code == u"139" ? data + 1 : data);
        QCOMPARE(r.lines.value(2).split(u';').value(0), article);
        QCOMPARE(r.lines.value(2).split(u';').size(), 7);
    } else if (code == u"142") {
        QCOMPARE(r.lines, (QStringList{u"1"_s, article}));
    } else if (code == u"183") {
        QVERIFY(countLine() > 0);
        QCOMPARE(r.lines.size() - 1, countLine() * 43);
        for (qsizetype k = 1; k < r.lines.size(); k += 43) {
            TVKZ_KURZ_QTX line;
            RecordCodec::decodeInto(line, r.lines, k, 42);
            QCOMPARE(line.KUNDENNR, u"10000"_s);
            QVERIFY(line.RESTAUFTRAG_MENGE.toInt() > 0);
            QVERIFY(FormatDE::parseDate(r.lines.at(k + 42)).isValid());
        }
    } else if (code == u"204" || code == u"215") {
        // Count line, then 34 fields per booking line.
        QVERIFY(countLine() >= 1);
        QCOMPARE(r.lines.size() - 1, countLine() * 34);
        if (countLine() > 0)
            QCOMPARE(r.lines.at(2), u"10000"_s);
    } else if (code == u"425") {
        QCOMPARE(r.lines.size() - 1, countLine());
    } else if (code == u"426") {
        QCOMPARE(r.lines.size(), 14);
        QCOMPARE(r.lines.at(0), article);
        QVERIFY(r.lines.at(3) == u"0"_s || r.lines.at(3) == u"1"_s);
        QVERIFY(r.lines.at(4) == u"0"_s || r.lines.at(4) == u"1"_s);
    }
    // Another customer's data is refused where the request names a customer.
    if (code == u"183" || code == u"204" || code == u"425" || code == u"426") {
        QStringList other = lines;
        other.replaceInStrings(u"10000"_s, u"10001"_s);
        QCOMPARE(tcp(code, other).status, 60);
    }
}

void TestServerDispatcher::emptyDraftIsAnAnswer() {
    // An empty draft order is a count "0", not a failure, on both fronts.
    QCOMPARE(tcp(u"104"_s, {u"0"_s, u"10000"_s, u"DEMO"_s, u"demo"_s}).status, 0);
    const ServerReply r = tcp(u"160"_s, VkklRequests::get160Tcp(u"0"_s, u"DEMO"_s, u"10000"_s, QString()));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines, QStringList{u"0"_s});
    const ServerReply older =
        tcp(u"169"_s, VkklRequests::get169Tcp(u"0"_s, u"DEMO"_s, u"10000"_s, QString()));
    QCOMPARE(older.status, 0);
    QCOMPARE(older.lines, QStringList{u"0"_s});
    const QStringList header{u"10000"_s, u"DEMO"_s, u"demo"_s, u"0"_s};
    const ServerReply overSoap = soap(u"169"_s, VkklRequests::get169Soap(QString()), header);
    QCOMPARE(overSoap.status, 0);
    QCOMPARE(overSoap.lines, (QStringList{u"NUMKLADDEN"_s, u"0"_s}));
    // A single line that does not exist stays a failure.
    QCOMPARE(tcp(u"160"_s, VkklRequests::get160Tcp(u"4"_s, u"DEMO"_s, u"10000"_s, u"999999"_s)).status, 113);
    QCOMPARE(soap(u"169"_s, VkklRequests::get169Soap(u"999999"_s), header).status, 113);
}

QTEST_GUILESS_MAIN(TestServerDispatcher)
#include "tst_serverdispatcher.moc"
