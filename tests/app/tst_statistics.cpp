#include "app/ui/shoptab.h"
#include "articles/ui/quicksearchwidgets.h"
#include "clientrig.h"
#include "import/usagestatistics.h"
#include "order/ui/draftgridview.h"
#include "transportrows.h"

#include <QFile>
#include <QLineEdit>
#include <QStringEncoder>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The usage statistics of the real client against qtx-server: what a run
// records reaches the server's table at the program end, in order, and a
// file left by an earlier run goes there at the first login.
class TestStatistics : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    // The events the server stored for 10000, oldest first: the values of each.
    QList<QStringList> stored() const {
        const QString all = ClientRig::serverSql(
            m_server, u"SELECT group_concat(WERTE, char(10)) FROM (SELECT WERTE FROM STATISTIK "
                      "WHERE KDNR = '10000' ORDER BY ID)"_s);
        QList<QStringList> out;
        for (const QString& line : all.split(u'\n', Qt::SkipEmptyParts))
            out << line.split(u'\t');
        return out;
    }
    static QStringList actions(const QList<QStringList>& events) {
        QStringList out;
        for (const QStringList& e : events)
            out << e.value(0) + u' ' + e.value(13);
        return out;
    }
    static const StatistikListe& recorded(ClientRig& s) {
        return dynamic_cast<UsageStatistics&>(*s.client->services().statistics).liste();
    }
    static bool hasEvent(ClientRig& s, int aktion) {
        for (const TStatistik& e : recorded(s).events()) {
            if (e._Aktion == aktion)
                return true;
        }
        return false;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        // The demo server leaves the statistics off (second flag of get_settings).
        bool ok = false;
        ClientRig::serverSql(m_server, u"INSERT OR REPLACE INTO CONFIG (KEY, VALUE) VALUES ('SETTINGS', ?)"_s,
                             {u"0;1;1;0;1;19%;180000;000"_s}, &ok);
        QVERIFY(ok);
    }
    void init() {
        QVERIFY(ClientRig::clearDraft(m_server));
        bool ok = false;
        ClientRig::serverSql(m_server, u"DELETE FROM STATISTIK"_s, {}, &ok);
        QVERIFY(ok);
    }

    // Login, a search that finds nothing, one that finds an article taken
    // into the draft order with a quantity, the line deleted, the window closed.
    void runReachesServer_data() { addTransportRows(); }
    void runReachesServer() {
        QFETCH(bool, soap);
        ClientRig s(m_server, soap);
        QVERIFY(s.openShop());
        QCOMPARE(actions(stored()), QStringList());
        const QString nummer = s.articles(u"LUFTFILTER"_s).value(0);
        QVERIFY(!nummer.isEmpty());
        auto* ed = s.child<QLineEdit>(u"edArtikel"_s);
        auto* list = s.child<QTableView>(u"lvArtikelsuche"_s);
        ed->setFocus();
        QTRY_VERIFY(ed->hasFocus());

        QTest::keyClicks(ed, u"QQ0000000"_s);
        QTRY_VERIFY_WITH_TIMEOUT(hasEvent(s, 15), 10000);
        ed->clear();
        QTest::keyClicks(ed, nummer);
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 10000);
        QTest::keyClick(ed, Qt::Key_Return);
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(s.shown(u"Artikelnummer"_s, 1), nummer);
        QVERIFY(s.typeIntoCell(u"Menge"_s, 1, u"2"_s));
        QTRY_COMPARE(s.serverLine(1).MENGE.trimmed(), u"2"_s);
        const QString vkkl = s.serverLine(1).VKKL_ID;
        s.grid()->setFocus();
        s.grid()->setCurrentCell(s.grid()->grid().column(u"Artikelnummer"_s), 1);
        QTest::keyClick(s.grid(), Qt::Key_F4);
        QTRY_VERIFY(s.serverLines().isEmpty() || s.serverLine(1).VKKL_ID != vkkl);
        // Nothing reaches the server before the end.
        QCOMPARE(stored().size(), 0);

        s.form->close();
        const QList<QStringList> events = stored();
        // The hit taken from the list names no line; the quantity's event
        // names it and fetches the stock, which the deletion then carries.
        QCOMPARE(actions(events),
                 (QStringList{u"11 Programm-Login"_s, u"11 Login-Info"_s, u"15 Schnellsuche nicht gefunden"_s,
                              u"14 Schnellsuche gefunden"_s, u"18 Artikel in Warenkorb"_s,
                              u"18 Artikel in Warenkorb Menge"_s, u"19 Gelöscht"_s, u"12 Programm-Ende"_s}));
        for (const QStringList& e : events) {
            QCOMPARE(e.size(), 19);
            QCOMPARE(e.value(1), u"10000"_s);
            QCOMPARE(e.value(2), u"DEMO"_s);
        }
        // The SOAP client marks its events.
        QCOMPARE(events.at(3).value(17), soap ? u" SOAP_CLIENT"_s : QString());
        QCOMPARE(events.at(2).value(3), u"QQ0000000"_s);
        QCOMPARE(events.at(4).value(3), nummer);
        const QStringList& taken = events.at(5);
        const QStringList& deleted = events.at(6);
        QCOMPARE(taken.value(3), nummer);
        QCOMPARE(deleted.value(3), nummer);
        QCOMPARE(deleted.value(8), u"2"_s);
        // The line's stock of the moment, and the deletion carries it.
        QVERIFY(!taken.value(5).isEmpty());
        QCOMPARE(deleted.mid(5, 3), taken.mid(5, 3));
        QCOMPARE(events.last().value(15),
                 soap ? m_server.soapUrl().left(20) : u"127.0.0.1:%1"_s.arg(m_server.tcpPort()).left(20));
        QVERIFY(recorded(s).isEmpty());
    }

    // save_counter on the way down keeps the run's events beside the program
    // with the record of kind 100; the next run's login sends them.
    void localSaveSentByNextRun_data() { addTransportRows(); }
    void localSaveSentByNextRun() {
        QFETCH(bool, soap);
        ClientRig first(m_server, soap);
        QVERIFY(first.openShop());
        auto* ed = first.child<QLineEdit>(u"edArtikel"_s);
        ed->setFocus();
        QTRY_VERIFY(ed->hasFocus());
        QTest::keyClicks(ed, u"QQ0000000"_s);
        QTRY_VERIFY_WITH_TIMEOUT(hasEvent(first, 15), 10000);
        first.form->session()->saveCounter(u"setTerminate weg"_s);
        const QString file = first.dir.filePath(u"10000_DEMO.csv"_s);
        QVERIFY(QFile::exists(file));
        QCOMPARE(stored().size(), 0);

        ClientRig next(m_server, soap);
        QVERIFY(QFile::copy(file, next.dir.filePath(u"10000_DEMO.csv"_s)));
        QVERIFY(next.start());
        QVERIFY(next.login());
        QVERIFY(!QFile::exists(next.dir.filePath(u"10000_DEMO.csv"_s)));
        const QList<QStringList> events = stored();
        QCOMPARE(actions(events),
                 (QStringList{u"11 Programm-Login"_s, u"11 Login-Info"_s, u"15 Schnellsuche nicht gefunden"_s,
                              u"100 Exception Version "_s + first.form->session()->clientVersion()}));
        QCOMPARE(events.last().value(14), u"setTerminate weg"_s);
    }

    // A file of an earlier run is sent at the first login and deleted; the
    // login event follows it.
    void fileOfEarlierRunSentAtLogin_data() { addTransportRows(); }
    void fileOfEarlierRunSentAtLogin() {
        QFETCH(bool, soap);
        ClientRig s(m_server, soap);
        const QString file = s.dir.filePath(u"10000_DEMO.csv"_s);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QStringEncoder ansi("windows-1252");
            f.write(ansi.encode(u"AnzahlFelder=19\r\n"
                                "53;10000;DEMO;;0;;;;0;;;;09.12.2026 17:00:00;Internetverbindung;Keine "
                                "Verbindung;;;;PC-7 demo;\r\n"
                                "100;10000;DEMO;;0;;;;0;;;;09.12.2026 17:00:01;Exception Version "
                                "1.0.0.0;setTerminate;;;;PC-7 "
                                "demo;\r\n"_s));
        }
        QVERIFY(s.start());
        QVERIFY(s.login());
        QVERIFY(!QFile::exists(file));
        const QList<QStringList> events = stored();
        QCOMPARE(actions(events),
                 (QStringList{u"53 Internetverbindung"_s, u"100 Exception Version 1.0.0.0"_s}));
        QCOMPARE(events.first().value(12), u"09.12.2026 17:00:00"_s);
        QCOMPARE(events.first().value(14), u"Keine Verbindung"_s);
        QCOMPARE(recorded(s).events().value(0)._Info, u"Programm-Login"_s);
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
