#include "link/connectivity.h"
#include "link/requestbracket.h"
#include "link/requests/articlerequests.h"
#include "link/requests/customerrequests.h"
#include "link/requests/documentrequests.h"
#include "link/requests/downloadrequest.h"
#include "link/requests/draftrequests.h"
#include "link/requests/mailrequests.h"
#include "link/requests/miscrequests.h"
#include "link/requests/sessionrequests.h"
#include "link/serverlink.h"
#include "link/soapnetwork.h"
#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "link/tcpconnect.h"
#include "link/tcpconnection.h"
#include "model/modelcontext.h"
#include "platform/logger.h"
#include "soapserverprocess.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString e;
const QString z = u"0"_s;
const QString o = u"1"_s;

// One logged-in session of the client on either transport.
struct Session {
    QTemporaryDir dir;
    ManualClock clock;
    Logger logger{clock};
    ScriptedDialogs dialogs;
    RecordingEnding ending;
    ModelContext context;
    FakePlatform platform{dir.filePath(u"registry.ini"_s)};
    TcpConnection client;
    RequestBracket bracket{client, logger, ending, clock};
    ServerLink link{client, bracket, logger, clock, ending, dialogs, context};
    SoapNetwork network;
    Connectivity connectivity{network, logger, clock};
    SoapRequester requester{logger, clock, dialogs, ending, connectivity};
    IQTX_SoapServer proxy{network};
    QString article; // an article number the server knows

    Session() {
        logger.setWriteLogFile(false);
        link.setProgramFolder(dir.path());
        Login_rec login;
        login.KdNr = u"10000"_s;
        login.User = u"DEMO"_s;
        login.PW = u"demo"_s;
        login.text = QStringList{login.KdNr, login.User, login.PW, z};
        link.setLogin(login);
    }

    QString open(const SoapServerProcess& server, bool soap) {
        if (soap) {
            connectivity.setConnectUrl(server.soapUrl());
            proxy.setUrl(server.soapUrl());
            link.setSoap(requester, proxy);
            link.setTransport(ServerLink::Transport::Soap);
            bracket.setSoapMode(true);
            link.setServerLevel(20);
        } else {
            TcpConnect tcp(client, logger, dialogs, ending, platform, clock);
            const ConnectResult c = tcp.do_connect(u"127.0.0.1"_s, QString::number(server.tcpPort()), 5000,
                                                   20000, u"Test"_s, false);
            if (!c.connected)
                return u"no TCP connection"_s;
            link.setServerLevel(c.greeting.serverLevel);
            link.setTcpConnectSucceeded(true);
        }
        const LinkAnswer login = MyLogin2(link, z, link.login().KdNr, link.login().User, link.login().PW);
        if (!login.ok())
            return u"login: "_s + login.errorText;
        for (const QString& text : {u"OC 47"_s, u"1"_s, u"0"_s, u"A"_s}) {
            TArtikelShortInfoArray found;
            if (MySucheArtikelKurz(link, text, found).ok() && !found.isEmpty()) {
                article = found.first().NUMMER;
                break;
            }
        }
        return {};
    }
};

struct Outcome {
    LinkAnswer answer;
    bool plausible = true;
};

using Call = std::function<Outcome(Session&)>;

template <class R> Outcome nonEmpty(const LinkAnswer& a, const QList<R>& records) {
    return {a, !records.isEmpty()};
}
Outcome lines(const LinkAnswer& a) {
    return {a, !a.lines.isEmpty()};
}

struct Row {
    int code;
    const char* name;
    Call call;
};

QList<Row> rows() {
    return {
        {105, "options",
         [](Session& s) {
             QList<TBenutzerOption> out;
             return Outcome{MyReadBenutzerOptions(s.link, z, e, out), true};
         }},
        {106, "write options",
         [](Session& s) {
             return lines(MyWriteBenutzerOptions(s.link, e, e, {{u"PING"_s, u"OFF"_s}}));
         }},
        {108, "master option",
         [](Session& s) { return lines(MyCheckMasterOption(s.link, u"CHEF"_s, u"chef"_s)); }},
        {110, "price",
         [](Session& s) {
             TPreisInfo p;
             const LinkAnswer a = MyGetPreis(s.link, s.link.login().KdNr, s.article, p);
             return Outcome{a, !p.Nettopreis.isEmpty()};
         }},
        {112, "graduated prices",
         [](Session& s) {
             return Outcome{MyGetStaffelpreise(s.link, s.article), true};
         }},
        {121, "stock",
         [](Session& s) {
             TBestandsInfo b;
             const LinkAnswer a = MyGetArtikelBestand2(s.link, u"F03"_s, e, s.article, b);
             return Outcome{a, !b.FilialBestand.isEmpty()};
         }},
        {130, "article",
         [](Session& s) {
             TArtikelArray out;
             const LinkAnswer a = MyGetArtikel(s.link, z, s.article, e, e, out);
             return Outcome{a, out.size() == 1 && out.first().NUMMER == s.article};
         }},
        {131, "short search",
         [](Session& s) {
             TArtikelShortInfoArray out;
             return nonEmpty(MySucheArtikelKurz(s.link, s.article, out), out);
         }},
        {134, "search all",
         [](Session& s) {
             TArtikelLongInfoArray out;
             return nonEmpty(MySucheArtikelAlle(s.link, s.article, out), out);
         }},
        {135, "net search",
         [](Session& s) {
             TArtikelnetzArray out;
             LinkAnswer a = MySucheNetzArtikelKurz2(s.link, s.article, o, out);
             // An article without net articles is a proper answer too.
             if (a.result == 61)
                 a = LinkAnswer();
             return Outcome{a, true};
         }},
        {136, "article info list",
         [](Session& s) {
             TArtikelInfoListe out;
             return Outcome{MyGetArtikelInfoListe(s.link, {s.link.login().KdNr, e, e, {o, o, o, o}, e},
                                                  {s.article}, out),
                            true};
         }},
        {137, "search all 2",
         [](Session& s) { return lines(MySucheArtikelAlle2(s.link, QStringList(5, o), {s.article})); }},
        {139, "search all 3",
         [](Session& s) { return lines(MySucheArtikelAlle3(s.link, QStringList(10, o), s.article)); }},
        {142, "web-shop check",
         [](Session& s) {
             const LinkAnswer a = MySetzeWebShopArtikel(s.link, {o, e, s.article, e, e, e, u"J"_s});
             return Outcome{a, a.lines == QStringList{o, s.article}};
         }},
        {152, "delivery codes",
         [](Session& s) {
             TLieferungArray out;
             return nonEmpty(MyGetLieferCodes(s.link, out), out);
         }},
        {153, "customer",
         [](Session& s) {
             TDebitor d;
             const LinkAnswer a = MyDebitorInfo2ID(s.link, s.link.login().KdNr, d);
             return Outcome{a, d.NUMMER == s.link.login().KdNr && !d.NAME.isEmpty()};
         }},
        {154, "delivery addresses",
         [](Session& s) {
             TLieferadresseArray out;
             return nonEmpty(MyLieferadresseInfo2ID(s.link, s.link.login().KdNr, out), out);
         }},
        {160, "draft order",
         [](Session& s) {
             VkklAnswer v;
             LineValues values;
             values.set(LineValues::ARTIKELNR, s.article).set(LineValues::MENGE, o);
             const LinkAnswer inserted = MyVKKLInsert(s.link, values, v);
             if (!inserted.ok())
                 return Outcome{inserted, false};
             const LinkAnswer a = MyVKKLGet(s.link, z, e, e, e, z, v);
             return nonEmpty(a, v.lines);
         }},
        {165, "insert line",
         [](Session& s) {
             VkklAnswer v;
             LineValues values;
             values.set(LineValues::ARTIKELNR, s.article).set(LineValues::MENGE, o);
             const LinkAnswer a = MyVKKLInsert(s.link, values, v);
             return Outcome{a, !v.vkklId.isEmpty()};
         }},
        {170, "suppliers", [](Session& s) { return lines(MyGetEinspeiserListe(s.link)); }},
        {175, "order deadlines", [](Session& s) { return lines(MyGetBestellzeitListe(s.link, u"7"_s)); }},
        {181, "order heads",
         [](Session& s) {
             TVerkaufsKopfArray out;
             return Outcome{MyGetVKKInfo2(s.link, {z, o, e, s.link.login().KdNr, e, e, e, e}, out), true};
         }},
        {183, "backorders",
         [](Session& s) {
             return lines(MyDocumentRequest(
                 s.link, 183, {e, z, o, u"2"_s, e, s.link.login().KdNr, e, e, e, e, e, e, e, e, u"3"_s}));
         }},
        {204, "invoice booking lines",
         [](Session& s) {
             return lines(
                 MyDocumentRequest(s.link, 204, {e, z, e, s.link.login().KdNr, e, e, u"-1"_s, e, z}));
         }},
        {215, "credit-note booking lines",
         [](Session& s) {
             return lines(
                 MyDocumentRequest(s.link, 215, {e, z, e, s.link.login().KdNr, e, e, u"-1"_s, e, z}));
         }},
        {221, "branches",
         [](Session& s) {
             TFilialKurzArray2 out;
             return nonEmpty(MyGetFilialen(s.link, out), out);
         }},
        {300, "update check", [](Session& s) { return lines(MyCheckUpdate(s.link, u"7.1.8000.1"_s)); }},
        {304, "help text", [](Session& s) { return lines(MyLoadHilfeText(s.link)); }},
        {305, "statistics",
         [](Session& s) {
             return Outcome{MySaveStatistikData(s.link, {u"10000"_s, u"DEMO"_s, e, u"19"_s, z}), true};
         }},
        {400, "send mail",
         [](Session& s) {
             const LinkAnswer a =
                 ISendMail(s.link, u"100"_s, e, u"demo@example.org"_s, u"Test"_s, {u"Text"_s});
             return Outcome{a, !a.lines.value(0).isEmpty()};
         }},
        {425, "card note",
         [](Session& s) {
             const LinkAnswer a = MyGetKarteiBemerkung(s.link, {e, z, s.link.login().KdNr, s.article, z});
             return Outcome{a, a.lines.size() == a.lines.value(0).toInt() + 1};
         }},
        {426, "logistics",
         [](Session& s) {
             const LinkAnswer a = MyGetArtikelLogistik(s.link, {e, z, s.link.login().KdNr, s.article, z});
             return Outcome{a, a.lines.size() == 14 && a.lines.at(0) == s.article};
         }},
        {994, "server time",
         [](Session& s) {
             QDateTime t;
             const LinkAnswer a = MyGetServerTime(s.link, u"Test"_s, t);
             return Outcome{a, t.isValid()};
         }},
        {999, "logout",
         [](Session& s) {
             return Outcome{MyLogout(s.link), true};
         }},
    };
}

bool unknownToServer(const LinkAnswer& a) {
    return a.errorText.contains(u"ERR_UNKNOWN_REQUEST"_s) || a.message.contains(u"ERR_UNKNOWN_REQUEST"_s);
}

} // namespace

// Every wrapper against a real qtx-server, on TCP and on SOAP.
class TestCatalogueServer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    void everyWrapper_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<int>("index");
        const QList<Row> all = rows();
        for (bool soap : {false, true}) {
            for (qsizetype i = 0; i < all.size(); ++i)
                QTest::addRow("%s %d %s", soap ? "SOAP" : "TCP", all[i].code, all[i].name) << soap << int(i);
        }
    }
    void everyWrapper() {
        QFETCH(bool, soap);
        QFETCH(int, index);
        const Row row = rows().at(index);
        const RequestDescriptor& d = Catalogue::get(row.code);
        if (soap && !d.soapLabel && row.code != 999)
            QSKIP("exists only on TCP");
        Session session;
        const QString opened = session.open(m_server, soap);
        QVERIFY2(opened.isEmpty(), qPrintable(opened));
        QVERIFY2(!session.article.isEmpty(), "the short search found no article");
        const Outcome out = row.call(session);
        QVERIFY2(!unknownToServer(out.answer), qPrintable(u"code %1 unknown to qtx-server"_s.arg(row.code)));
        QVERIFY2(
            out.answer.ok(),
            qPrintable(u"code %1: %2 (%3)"_s.arg(row.code).arg(out.answer.errorText).arg(out.answer.result)));
        QVERIFY2(out.plausible,
                 qPrintable(u"code %1: %2"_s.arg(row.code).arg(out.answer.lines.mid(0, 5).join(u'|'))));
        QVERIFY(session.ending.calls.isEmpty());
    }

private:
    SoapServerProcess m_server;
};

QTEST_GUILESS_MAIN(TestCatalogueServer)
#include "tst_catalogueserver.moc"
