#include "link/connectivity.h"
#include "link/requests/articlerequests.h"
#include "link/requests/customerrequests.h"
#include "link/requests/downloadrequest.h"
#include "link/requests/draftrequests.h"
#include "link/requests/miscrequests.h"
#include "link/requests/sessionrequests.h"
#include "link/soapnetwork.h"
#include "link/soaprequester.h"
#include "tst_catalogue_rig.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Wire;

namespace {

const QString e;
const QString z = u"0"_s;

// The SOAP side without HTTP: requests are recorded and answered as given,
// CheckAnswerLines is the requester's own.
struct FakeSoap {
    SoapNetwork network;
    Connectivity connectivity;
    SoapRequester requester;
    QList<QStringList> requests;
    ServerLink::SoapReply reply;

    explicit FakeSoap(CatalogueRig& rig)
        : connectivity(network, rig.logger, rig.clock)
        , requester(rig.logger, rig.clock, rig.dialogs, rig.ending, connectivity) {
        rig.link.setTransport(ServerLink::Transport::Soap);
        rig.link.setSoapCalls(
            [this](const QStringList& request) {
                requests.append(request);
                return reply;
            },
            [this](const QString& name, const QStringList& answer, int expected, QString* text) {
                return requester.CheckAnswerLines(false, name, answer, expected, text);
            });
    }
};

ScriptedPeer::Step answer(const QByteArray& request, const QByteArray& reply) {
    ScriptedPeer::Step step;
    step.expectBytes = request.size();
    step.chunks = ScriptedPeer::chunked(reply, 5);
    return step;
}

} // namespace

class TestCatalogueRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two readings of the draft order within 3 s send one request, but only
    // when the first answer had at least 129 lines.
    void draftOrderCache_data() {
        QTest::addColumn<int>("blockLength");
        QTest::addColumn<int>("laterMs");
        QTest::addColumn<QString>("secondId");
        QTest::addColumn<int>("requests");
        QTest::newRow("129 lines, 2999 ms") << 64 << 2999 << u"0"_s << 1;
        QTest::newRow("129 lines, 3000 ms") << 64 << 3000 << u"0"_s << 2;
        QTest::newRow("128 lines") << 63 << 100 << u"0"_s << 2;
        QTest::newRow("other line key") << 64 << 100 << u"5"_s << 2;
    }
    void draftOrderCache() {
        QFETCH(int, blockLength);
        QFETCH(int, laterMs);
        QFETCH(QString, secondId);
        QFETCH(int, requests);
        CatalogueRig rig(17);
        const QByteArray first = list("160", {e, z, z, u"MEIER"_s, u"4711"_s, e, z, z});
        const QByteArray second = list("160", {e, z, z, u"MEIER"_s, u"4711"_s, e, secondId, z});
        const QByteArray reply = statusOk(records(2, blockLength));
        QVERIFY(rig.connect({answer(first, reply), answer(second, reply)}));
        VkklAnswer v;
        QVERIFY(MyVKKLGet(rig.link, z, e, e, e, z, v).ok());
        QCOMPARE(v.lines.size(), 2);
        rig.clock.advance(laterMs);
        const LinkAnswer a = MyVKKLGet(rig.link, z, e, e, e, secondId, v);
        QVERIFY2(a.ok(), qPrintable(a.errorText));
        QCOMPARE(v.lines.size(), 2);
        QCOMPARE(rig.peer.received(), requests == 1 ? first : first + second);
    }

    // A change of draft lines makes the cached reading stale: the next
    // reading asks the server again, even within 3 s.
    void changeEmptiesTheDraftOrderCache() {
        CatalogueRig rig(17);
        const QByteArray read = list("160", {e, z, z, u"MEIER"_s, u"4711"_s, e, z, z});
        const QByteArray reply = statusOk(records(2, 64));
        const QByteArray remove = command("161", {u"77"_s, u"78"_s});
        QVERIFY(
            rig.connect({answer(read, reply), answer(remove, commandOk("161", {})), answer(read, reply)}));
        VkklAnswer v;
        QVERIFY(MyVKKLGet(rig.link, z, e, e, e, z, v).ok());
        QVERIFY(MyVKKLDelete(rig.link, QStringList{u"77"_s, u"78"_s}).ok());
        rig.clock.advance(100);
        QVERIFY(MyVKKLGet(rig.link, z, e, e, e, z, v).ok());
        QCOMPARE(rig.peer.received(), read + remove + read);
    }

    // A draft order without lines is the server's "no open lines", not a
    // malformed answer: the reading fails with 119 and the grid makes a line.
    void emptyDraftOrderIsNoOpenLines_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("160") << 17 << list("160", {e, z, z, u"MEIER"_s, u"4711"_s, e, z, z})
                             << statusOk(QStringList{z});
        QTest::newRow("169") << 16 << params("169", {z, u"MEIER"_s, u"4711"_s, z})
                             << paramsOk(QStringList{z});
    }
    void emptyDraftOrderIsNoOpenLines() {
        QFETCH(int, level);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        CatalogueRig rig(level);
        QVERIFY(rig.connect({answer(request, reply)}));
        VkklAnswer v;
        const LinkAnswer a = MyVKKLGet(rig.link, z, e, e, e, z, v);
        QCOMPARE(a.result, NoOpenDraftLines);
        QCOMPARE(a.errorText, u"Keine offenen Verkaufskladden gefunden"_s);
        QVERIFY(v.lines.isEmpty());
        QVERIFY(rig.ending.calls.isEmpty());
    }

    void serverTimeAtMostEveryFiveSeconds_data() {
        QTest::addColumn<int>("laterMs");
        QTest::addColumn<int>("requests");
        QTest::newRow("4999 ms") << 4999 << 1;
        QTest::newRow("5000 ms") << 5000 << 2;
    }
    void serverTimeAtMostEveryFiveSeconds() {
        QFETCH(int, laterMs);
        QFETCH(int, requests);
        CatalogueRig rig;
        const QByteArray reply = "OK\r\n2026.12.10 08:59:30\r\n\r\n";
        QVERIFY(rig.connect({answer("994\r\n", reply), answer("994\r\n", reply)}));
        QDateTime t;
        QVERIFY(MyGetServerTime(rig.link, u"A"_s, t).ok());
        QCOMPARE(t, QDateTime(QDate(2026, 12, 10), QTime(8, 59, 30)));
        // Local time of day 09:00:00 minus the server's 08:59:30.
        QCOMPARE(rig.link.serverTimeDifference(), 30);
        QCOMPARE(rig.clock.serverTimeOffsetMs(), -30000);
        rig.clock.advance(laterMs);
        QVERIFY(MyGetServerTime(rig.link, u"B"_s, t).ok());
        QCOMPARE(rig.peer.received(), QByteArray("994\r\n").repeated(requests));
    }

    void serverTimeFailures_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("error");
        QTest::newRow("no date") << QByteArray("OK\r\n\r\n\r\n") << u"IGetSysDate: Oracle Datum fehlt!"_s;
        QTest::newRow("no date at all") << QByteArray("OK\r\nmorgen\r\n\r\n")
                                        << u"MyGetServerTime 'morgen' is not a valid date and time"_s;
    }
    void serverTimeFailures() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, error);
        CatalogueRig rig;
        QVERIFY(rig.connect({answer("994\r\n", reply)}));
        QDateTime t;
        const LinkAnswer a = MyGetServerTime(rig.link, u"A"_s, t);
        QCOMPARE(a.result, 1);
        QCOMPARE(a.errorText, error);
        QVERIFY(!rig.link.serverTimeTick().has_value());
    }

    // "GetKladden" on SOAP: NUMKLADDEN and the count, then lines that must
    // divide into the records exactly.
    void getKladdenOverSoap_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("records");
        QTest::newRow("3 and 375") << 3 << 375 << 3;
        QTest::newRow("3 and 374") << 3 << 374 << -1;
        QTest::newRow("no NUMKLADDEN, 250 lines") << 0 << 250 << 2;
        QTest::newRow("NUMKLADDEN 0") << 0 << 0 << 0;
    }
    void getKladdenOverSoap() {
        QFETCH(int, count);
        QFETCH(int, lines);
        QFETCH(int, records);
        CatalogueRig rig;
        FakeSoap soap(rig);
        soap.reply.lines = QStringList(lines, z);
        if (count > 0 || lines == 0)
            soap.reply.lines = QStringList{u"NUMKLADDEN"_s, QString::number(count)} + soap.reply.lines;
        VkklAnswer v;
        const LinkAnswer a = MyVKKLGet(rig.link, z, e, e, e, u"0"_s, v);
        QCOMPARE(soap.requests.size(), 1);
        QCOMPARE(soap.requests.first(),
                 (QStringList{u"4711"_s, u"MEIER"_s, u"geheim"_s, z, u"169"_s, z, z, u"NUMKLADDEN"_s}));
        if (records <= 0) {
            QCOMPARE(a.result, records == 0 ? NoOpenDraftLines : 1);
            QVERIFY(v.lines.isEmpty());
        } else {
            QVERIFY2(a.ok(), qPrintable(a.errorText));
            QCOMPARE(v.lines.size(), records);
            QCOMPARE(v.fieldCount, 125);
        }
    }

    void soapAnswerTooShort() {
        CatalogueRig rig;
        FakeSoap soap(rig);
        soap.reply.lines = QStringList{u"1"_s} + QStringList(100, z);
        TArtikelArray out;
        const LinkAnswer a = MyGetArtikel(rig.link, z, u"OC 47"_s, e, e, out);
        QCOMPARE(soap.requests.first().mid(4), (QStringList{u"130"_s, z, u"OC 47"_s, e, z, e}));
        QCOMPARE(a.result, 1);
        QCOMPARE(a.errorText,
                 u"IGetArtikel \"OC 47\" sARTI_ID=\"\" GetArtikel Fehler: 1\r\n143 Zeilen erwartet, "
                 "101 Zeilen erhalten."_s);
        QVERIFY(out.isEmpty());
    }

    void soapLinesInPlaceOfHeaderAndCode() {
        CatalogueRig rig;
        FakeSoap soap(rig);
        soap.reply.lines = QStringList{u"KEIN UPDATE"_s};
        QVERIFY(MyCheckUpdate(rig.link, u"7.1.8000.1"_s).ok());
        QVERIFY(MyVKKLBuchen(rig.link).ok());
        QVERIFY(MyLogin2(rig.link, u"1"_s, u"4711"_s, u"MEIER"_s, u"H1"_s).ok());
        QCOMPARE(soap.requests.value(0), (QStringList{e, e, e, u"7.1.8000.1"_s, u"CheckUpdate"_s}));
        QCOMPARE(soap.requests.value(1),
                 (QStringList{u"4711"_s, u"MEIER"_s, u"geheim"_s, z, u"164"_s, u"4711"_s}));
        QCOMPARE(soap.requests.value(2), (QStringList{u"4711"_s, u"MEIER"_s, u"H1"_s, u"1"_s, u"104"_s}));
    }

    // Functions a server of too low a level lacks are answered locally.
    void tooOldServer_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("260 at 19") << 260 << 19 << 0 << u"\r\nServerfunktion fehlt"_s;
        QTest::newRow("175 at 17") << 175 << 17 << 1
                                   << u"Funktion \"GetBestellzeitliste2\" wird nicht unterstützt"_s;
        QTest::newRow("421 at 14") << 421 << 14 << 1 << u"Funktion GetPreisdateifilter nicht verfügbar."_s;
        QTest::newRow("422 at 14") << 422 << 14 << 1 << u"Funktion SetPreisdateifilter nicht verfügbar."_s;
        QTest::newRow("423 at 14") << 423 << 14 << 1 << u"Funktion Preisdateibatch nicht verfügbar."_s;
        QTest::newRow("501 at 14") << 501 << 14 << 1 << u"Funktion EAN_ArtikelInfo nicht verfügbar."_s;
        QTest::newRow("305 at 7") << 305 << 7 << 1
                                  << u"Funktion SaveStatistikData wird vom Server nicht unterstützt."_s;
    }
    void tooOldServer() {
        QFETCH(int, code);
        QFETCH(int, level);
        QFETCH(int, result);
        QFETCH(QString, text);
        CatalogueRig rig(level);
        QVERIFY(rig.connect({}));
        const QStringList lines{u"1"_s};
        LinkAnswer a;
        TArtikelLongInfoArray articles;
        switch (code) {
        case 260:
            a = MyGetZustellZeit(rig.link, lines);
            break;
        case 175:
            a = MyGetBestellzeitListe(rig.link, u"P"_s);
            break;
        case 421:
            a = MyGetDebitorWarengruppenfilter(rig.link, lines);
            break;
        case 422:
            a = MySetDebitorWarengruppenfilter(rig.link, lines);
            break;
        case 423:
            a = MyErstelleDebitorPDBatch(rig.link, lines);
            break;
        case 501:
            a = MySucheEAN_ArtikelAlle(rig.link, u"400"_s, articles);
            break;
        case 305:
            a = MySaveStatistikData(rig.link, lines);
            break;
        }
        QCOMPARE(a.result, result);
        if (result == 0)
            QCOMPARE(a.lines.join(u"\r\n"_s), text);
        else
            QCOMPARE(a.errorText, text);
        QTest::qWait(50);
        QCOMPARE(rig.peer.received(), QByteArray());
    }

    void statisticsSwitchedOff() {
        CatalogueRig rig;
        rig.link.setStatisticsActive(false);
        QVERIFY(rig.connect({}));
        const LinkAnswer a = MySaveStatistikData(rig.link, {u"x"_s});
        QCOMPARE(a.errorText, u"StatistikData nicht aktiv."_s);
        QCOMPARE(rig.peer.received(), QByteArray());
    }

    void graduatedPricesNeedTheTcpConnect() {
        CatalogueRig rig;
        rig.link.setTcpConnectSucceeded(false);
        QVERIFY(rig.connect({}));
        QCOMPARE(MyGetStaffelpreise(rig.link, u"OC 47"_s).result, -1);
        QCOMPARE(rig.peer.received(), QByteArray());
    }

    // Some wrappers turn "Socket Error" into "socket error" so that it does not end the program.
    void socketErrorRewrite_data() {
        QTest::addColumn<bool>("insert");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("ends");
        QTest::newRow("165 softens") << true << u"IVKKLInsert: socket error # 10054"_s << false;
        QTest::newRow("163 does not") << false << u"IVKKLUpdate: Socket Error # 10054"_s << true;
    }
    void socketErrorRewrite() {
        QFETCH(bool, insert);
        QFETCH(QString, error);
        QFETCH(bool, ends);
        CatalogueRig rig;
        VkklAnswer v;
        LineValues values;
        const QByteArray reply = "122\r\nSocket Error # 10054\r\n0\r\n";
        const QByteArray request = insert
                                       ? list("165", VkklRequests::insert165(u"MEIER"_s, u"4711"_s, values))
                                       : list("163", VkklRequests::update163(u"MEIER"_s, u"4711"_s, values));
        QVERIFY(rig.connect({answer(request, reply)}));
        const LinkAnswer a = insert ? MyVKKLInsert(rig.link, values, v) : MyVKKLUpdate(rig.link, values, v);
        QCOMPARE(a.result, 122);
        QCOMPARE(a.errorText, error);
        QCOMPARE(rig.ending.calls.isEmpty(), !ends);
    }

    void articleErrorNamesTheArticle() {
        CatalogueRig rig;
        const QByteArray request = Wire::command("130", {u"4"_s, e, e, z, u"A-9"_s});
        QVERIFY(rig.connect({answer(request, "130 OK\r\nERR_ARTIKEL_NOT_FOUND\r\n.\r\n")}));
        TArtikelArray out;
        const LinkAnswer a = MyGetArtikel(rig.link, u"4"_s, e, e, u"A-9"_s, out);
        QCOMPARE(a.result, 61);
        QCOMPARE(a.errorText,
                 u"IGetArtikel \"\" sARTI_ID=\"A-9\" Artikel nicht gefunden: \n\rERR_ARTIKEL_NOT_FOUND"_s);
    }

    void recordCountNotANumber() {
        CatalogueRig rig;
        QVERIFY(rig.connect({answer(Wire::command("131", {u"OC"_s}), commandOk("131", {u"viele"_s}))}));
        TArtikelShortInfoArray out;
        const LinkAnswer a = MySucheArtikelKurz(rig.link, u"OC"_s, out);
        QCOMPARE(a.result, 1);
        QCOMPARE(a.errorText,
                 u"ISucheArtikelKurz \"OC\" StrToInt of NumArtikel \"viele\" failed (ISucheArtikelKurz)!"_s);
    }

    // 301: the server's name is reduced to its base name with ".tmp", in the program folder.
    void download_data() {
        QTest::addColumn<QString>("serverName");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("landed");
        const QByteArray ok = "\r\n";
        QTest::newRow("../../x.exe") << u"../../x.exe"_s << QByteArray("5\r\nHallo") << 0 << QString()
                                     << u"x.tmp"_s;
        QTest::newRow("windows path")
            << u"..\\..\\Update\\qtx.1.zip"_s << QByteArray("5\r\nHallo") << 0 << QString() << u"qtx.1.tmp"_s;
        QTest::newRow("empty file") << u"x.exe"_s << QByteArray("0\r\n") << 1
                                    << u"Release file\"%1/x.tmp\" is empty (IDnldFile)!"_s << QString();
        QTest::newRow("count not a number")
            << u"x.exe"_s << QByteArray("fünf\r\n") << 1
            << u"StrToInt of sNumBytes \"fünf\" failed (IDnldFile)!"_s << QString();
    }
    void download() {
        QFETCH(QString, serverName);
        QFETCH(QByteArray, tail);
        QFETCH(int, result);
        QFETCH(QString, error);
        QFETCH(QString, landed);
        QTemporaryDir dir;
        CatalogueRig rig;
        rig.link.setProgramFolder(dir.path());
        const QByteArray request = Wire::command("301", {u"qtx.exe"_s});
        QVERIFY(rig.connect({answer(request, "301 OK\r\n\r\n" + serverName.toUtf8() + "\r\n" + tail)}));
        QString target;
        const LinkAnswer a = MyDnldFile(rig.link, u"qtx.exe"_s, &target);
        QCOMPARE(a.result, result);
        QCOMPARE(a.errorText, error.contains(u"%1"_s) ? error.arg(dir.path()) : error);
        if (!landed.isEmpty()) {
            QCOMPARE(target, dir.filePath(landed));
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("Hallo"));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), landed.isEmpty() ? 0 : 1);
    }

    void downloadRefused() {
        QTemporaryDir dir;
        CatalogueRig rig;
        rig.link.setProgramFolder(dir.path());
        const QByteArray request = Wire::command("301", {u"qtx.exe"_s});
        QVERIFY(rig.connect({answer(request, "301 OK\r\nDownload nicht möglich\r\n")}));
        const LinkAnswer a = MyDnldFile(rig.link, u"qtx.exe"_s);
        QCOMPARE(a.result, 171);
        QCOMPARE(a.errorText, u"Download File gescheitert(IDnldFile): \n\rDownload nicht möglich"_s);
    }
};

QTEST_GUILESS_MAIN(TestCatalogueRules)
#include "tst_catalogue_rules.moc"
