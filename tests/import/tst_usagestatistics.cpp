#include "fakes.h"
#include "import/usagestatistics.h"
#include "recordingservices.h"
#include "session/session.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A session that is logged in as 10000/MEIER without a server: the link's
// SOAP calls are answered here, and every upload (305) is kept.
struct Rig : FakeSeams {
    RecordingServices recorder;
    ClientServices services = recorder.services();
    std::unique_ptr<Session> session;
    std::unique_ptr<UsageStatistics> stats;
    QList<QStringList> uploads;
    QStringList logLines;
    QString serverTime = u"2026.12.10 09:15:30"_s;
    int timeError = 0;
    int uploadError = 0;
    int timeRequests = 0;

    explicit Rig(bool soap = false, int level = 20) {
        log.setWriteLogFile(false);
        QObject::connect(&log, &Logger::memoAppended, &log, [this](const QString& l) { logLines << l; });
        Session::Config c;
        c.soap = soap;
        c.programFolder = dir.path();
        c.clientIdent = u"PC-7 meier /opt/qtx 0815"_s;
        c.clientVersion = u"4.2.0.1"_s;
        session =
            std::make_unique<Session>(Session::Seams{platform, log, dialogs, ending, clock}, c, services);
        ServerLink& link = session->link();
        link.setServerLevel(level);
        Login_rec login;
        login.KdNr = u"10000"_s;
        login.User = u"MEIER"_s;
        login.text = QStringList{login.KdNr, login.User, u"pw"_s, u"0"_s};
        link.setLogin(login);
        // Whatever the client's mode, the requests go to this fake.
        link.setTransport(ServerLink::Transport::Soap);
        link.setSoapCalls([this](const QStringList& request) { return answer(request); }, {});
        stats = std::make_unique<UsageStatistics>(log, clock, *session, services);
    }

    ServerLink::SoapReply answer(const QStringList& request) {
        ServerLink::SoapReply r;
        const QString code = request.value(4);
        if (code == u"994") {
            ++timeRequests;
            r.errorCode = timeError;
            if (timeError)
                r.errorMessage = u"keine Zeit"_s;
            else
                r.lines = QStringList{serverTime};
        } else if (code == u"305") {
            uploads.append(request.mid(5));
            r.errorCode = uploadError;
            if (uploadError)
                r.errorMessage = u"abgelehnt"_s;
            else
                r.lines = QStringList{u"OK"_s};
        }
        return r;
    }

    QString file() const { return stats->localFile(); }
    void writeFile(const QString& text) const {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        QStringEncoder ansi("windows-1252");
        f.write(ansi.encode(text));
    }
    QString readFile() const {
        QFile f(file());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringDecoder ansi("windows-1252");
        return ansi.decode(f.readAll());
    }
    bool logged(const QString& line) const { return logLines.contains(line); }
};

TStatistik statistik(int aktion, const QString& vkkl, const QString& artikel, const QString& info = u"x"_s) {
    TStatistik e = set_statistik_record(aktion, info, u"Version 4.2.0.1"_s);
    e._VKKL_ID = vkkl;
    e._Artikel = artikel;
    e._DatumZeit = u"10.12.2026 09:00:00"_s;
    return e;
}

// A file line of 19 values, each followed by ";".
QString line(int aktion, const QString& artikel, const QString& info) {
    return u"%1;10000;MEIER;%2;12,50;7;3;2;1;F03;1;A1;09.12.2026 17:00:00;%3;a;b;c;d;PC-7 meier;"_s
        .arg(aktion)
        .arg(artikel, info);
}

} // namespace

class TestUsageStatistics : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One event per draft line and article: a later one replaces the
    // earlier at its place, keeping its stock; a deletion is added and
    // carries the stock the line's earlier event had.
    void sameLine_data() {
        QTest::addColumn<int>("aktion");
        QTest::addColumn<QString>("vkkl");
        QTest::addColumn<QString>("artikel");
        QTest::addColumn<QStringList>("infos");
        QTest::addColumn<QStringList>("lastStock");
        const QStringList earlier{u"7"_s, u"3"_s, u"2"_s};
        QTest::newRow("same line and article: the later only")
            << 18 << u"55"_s << u"OC 47"_s << QStringList{u"later"_s, u"other"_s}
            << QStringList{u"7"_s, u"3"_s, u""_s};
        QTest::newRow("deletion: both, with the earlier's stock")
            << 19 << u"55"_s << u"OC 47"_s << QStringList{u"earlier"_s, u"other"_s, u"later"_s} << earlier;
        QTest::newRow("other article on the line: both")
            << 18 << u"55"_s << u"OC 48"_s << QStringList{u"earlier"_s, u"other"_s, u"later"_s}
            << QStringList{u""_s, u""_s, u""_s};
        QTest::newRow("no line key: both")
            << 18 << u""_s << u"OC 47"_s << QStringList{u"earlier"_s, u"other"_s, u"later"_s}
            << QStringList{u""_s, u""_s, u""_s};
    }
    void sameLine() {
        QFETCH(int, aktion);
        QFETCH(QString, vkkl);
        QFETCH(QString, artikel);
        QFETCH(QStringList, infos);
        QFETCH(QStringList, lastStock);
        Rig r;
        TStatistik first = statistik(18, u"55"_s, u"OC 47"_s, u"earlier"_s);
        first._BestandGes = u"7"_s;
        first._BestandKdFil = u"3"_s;
        first._BestandTourFil = u"2"_s;
        r.stats->record(first);
        r.stats->record(statistik(14, QString(), u"OC 99"_s, u"other"_s));
        r.stats->record(statistik(aktion, vkkl, artikel, u"later"_s));
        QStringList seen;
        for (const TStatistik& e : r.stats->liste().events())
            seen << e._Info;
        QCOMPARE(seen, infos);
        const TStatistik& last = r.stats->liste().events().at(infos.indexOf(u"later"_s));
        QCOMPARE((QStringList{last._BestandGes, last._BestandKdFil, last._BestandTourFil}), lastStock);
    }

    // An event of the draft grid is named by its info text and carries the
    // row as detail; taking an article fetches its stock, a deletion does not.
    void draftEvents() {
        Rig r;
        r.recorder.statistikStock = {u"40"_s, u"12"_s, QString(), u"9"_s};
        TStatistik s;
        s._Aktion = 18;
        s._VKKL_ID = u"55"_s;
        s._Artikel = u"OC 47"_s;
        s._Info = u"ROW=1 TOTAL=1"_s;
        r.stats->recordDraft({u"Artikel in Warenkorb Menge"_s, s});
        s._Aktion = StatistikAktion::Geloescht;
        r.stats->recordDraft({u"Gelöscht"_s, s});
        QCOMPARE(r.recorder.calls, QStringList{u"statistikBestand(OC 47)"_s});
        const QList<TStatistik>& events = r.stats->liste().events();
        QCOMPARE(events.size(), 2);
        for (const TStatistik& e : events) {
            QCOMPARE(e._dummy1, u"ROW=1 TOTAL=1"_s);
            QCOMPARE((QStringList{e._BestandGes, e._BestandKdFil, e._BestandTourFil}),
                     (QStringList{u"40"_s, u"12"_s, u"9"_s}));
            QCOMPARE(e._KdNummer, u"10000"_s);
            QCOMPARE(e._Benutzer, u"MEIER"_s);
        }
        QCOMPARE(events.at(0)._Info, u"Artikel in Warenkorb Menge"_s);
        QCOMPARE(events.at(1)._Info, u"Gelöscht"_s);
    }

    // The cuts and completions of a stored event.
    void fields_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("dummy4");
        QTest::addColumn<QStringList>("expected"); // _Info, _dummy1 to _dummy5
        const QString d45 = u"123456789A123456789B123456789C123456789D12345"_s;
        const QString pc = u"PC-7 meier"_s;
        QTest::newRow("45-character detail")
            << false << u"i"_s << d45 << QString()
            << QStringList{u"i"_s, d45.mid(0, 20), d45.mid(20, 20), u"12345"_s, QString(), pc};
        QTest::newRow("SOAP: marker appended")
            << true << u"i"_s << QString() << QString()
            << QStringList{u"i"_s, QString(), QString(), QString(), u" SOAP_CLIENT"_s, pc};
        QTest::newRow("SOAP: marker already there")
            << true << u"i"_s << QString() << u"SOAP_CLIENT"_s
            << QStringList{u"i"_s, QString(), QString(), QString(), u"SOAP_CLIENT"_s, pc};
        QTest::newRow("SOAP: marked in an earlier run")
            << true << u"i"_s << QString() << u"ab SOAP_CLIENT"_s
            << QStringList{u"i"_s, QString(), QString(), QString(), u"ab SOAP_CLIENT"_s, pc};
        QTest::newRow("SOAP: full _dummy4 keeps its text")
            << true << u"i"_s << QString() << u"ABCDEFGHIJKLMNOPQRST"_s
            << QStringList{u"i"_s, QString(), QString(), QString(), u"ABCDEFGHIJKLMNOPQRST"_s, pc};
        QTest::newRow("TCP: no marker") << false << u"i"_s << QString() << u"abc"_s
                                        << QStringList{u"i"_s, QString(), QString(), QString(), u"abc"_s, pc};
        QTest::newRow("info cut to 30")
            << false << u"Alternativ:Teilehandel Nord und Sued"_s << QString() << QString()
            << QStringList{
                   u"Alternativ:Teilehandel Nord un"_s, QString(), QString(), QString(), QString(), pc};
        // A ";" or a line break would split the file's line: blanks instead.
        QTest::newRow("separators in texts")
            << false << u"Belegversand A;B"_s << u"Status\nLAN;x"_s << QString()
            << QStringList{u"Belegversand A B"_s, u"Status LAN x"_s, QString(), QString(), QString(), pc};
    }
    void fields() {
        QFETCH(bool, soap);
        QFETCH(QString, info);
        QFETCH(QString, detail);
        QFETCH(QString, dummy4);
        QFETCH(QStringList, expected);
        Rig r(soap);
        TStatistik e = set_statistik_record(14, info, detail);
        e._DatumZeit = u"10.12.2026 09:00:00"_s;
        if (!dummy4.isEmpty())
            e._dummy4 = dummy4;
        r.stats->record(e);
        const TStatistik& s = r.stats->liste().events().value(0);
        QCOMPARE((QStringList{s._Info, s._dummy1, s._dummy2, s._dummy3, s._dummy4, s._dummy5}), expected);
    }

    void customerNumber_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("stored");
        QTest::newRow("given") << u"20000"_s << u"20000"_s;
        QTest::newRow("empty") << QString() << u"0"_s;
    }
    void customerNumber() {
        QFETCH(QString, given);
        QFETCH(QString, stored);
        Rig r;
        r.stats->log_statistik(statistik(14, QString(), u"A"_s), false, given);
        QCOMPARE(r.stats->liste().events().value(0)._KdNummer, stored);
    }

    // The time of an event: the caller's, else the server's, else the local one.
    void time_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("timeError");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("server time") << QString() << 0 << u"10.12.2026 09:15:30"_s << QString();
        QTest::newRow("server fails: local time")
            << QString() << 5 << u"10.12.2026 09:00:00"_s
            << u"log_statistik getservertime ERR=5 now=10.12.2026 09:00:00"_s;
        QTest::newRow("set by the caller: no request")
            << u"01.12.2026 08:00:00"_s << 0 << u"01.12.2026 08:00:00"_s << QString();
    }
    void time() {
        QFETCH(QString, preset);
        QFETCH(int, timeError);
        QFETCH(QString, stored);
        QFETCH(QString, logLine);
        Rig r;
        r.timeError = timeError;
        TStatistik e = set_statistik_record(15, u"Schnellsuche nicht gefunden"_s, u"d"_s);
        e._DatumZeit = preset;
        r.stats->record(e);
        QCOMPARE(r.stats->liste().events().value(0)._DatumZeit, stored);
        QCOMPARE(r.timeRequests, preset.isEmpty() ? 1 : 0);
        if (!logLine.isEmpty())
            QVERIFY2(r.logged(logLine), qPrintable(r.logLines.join(u'\n')));
    }

    // The file and the upload hold the events with an action above 0, in
    // the same order of values; the list is empty afterwards.
    void sendWritesAndUploads() {
        Rig r;
        r.stats->record(statistik(14, QString(), u"OC 47"_s, u"Schnellsuche gefunden"_s));
        r.stats->record(statistik(0, QString(), u"OC 48"_s, u"nichts"_s));
        TStatistik deleted = statistik(19, u"55"_s, u"OC 49"_s, u"Gelöscht"_s);
        deleted._Nettopreis = u"9,95 €"_s;
        r.stats->record(deleted);
        r.stats->send_statistik(r.file(), true);
        QVERIFY(r.stats->liste().isEmpty());

        const QString v14 = u"14;10000;MEIER;OC 47;0;;;;0;;;;10.12.2026 09:00:00;Schnellsuche gefunden;"
                            "Version 4.2.0.1;;;;PC-7 meier;"_s;
        const QString v19 = u"19;10000;MEIER;OC 49;9,95 €;;;;0;;;;10.12.2026 09:00:00;Gelöscht;"
                            "Version 4.2.0.1;;;;PC-7 meier;"_s;
        QCOMPARE(r.readFile(), u"AnzahlFelder=19\r\n"_s + v14 + u"\r\n"_s + v19 + u"\r\n"_s);
        // The € is Windows-1252, not Latin-1.
        QFile raw(r.file());
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QVERIFY(raw.readAll().contains("9,95 \x80"));

        QCOMPARE(r.uploads.size(), 1);
        QStringList expected{QString(), u"0"_s, u"0"_s, u"19"_s, u"2"_s};
        expected += v14.chopped(1).split(u';');
        expected += v19.chopped(1).split(u';');
        QCOMPARE(r.uploads.first(), expected);
        QVERIFY2(r.logged(u"SaveStatiskData ERR=0  Anzahl=2"_s), qPrintable(r.logLines.join(u'\n')));
    }

    // A refused or failed upload is logged; the events are gone either way.
    void uploadRefused_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("serverError");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("server too old")
            << 7 << true << 0 << 0
            << u"SaveStatiskData ERR=1 Funktion SaveStatistikData wird vom Server nicht unterstützt. Anzahl=1"_s;
        QTest::newRow("switched off")
            << 20 << false << 0 << 0 << u"SaveStatiskData ERR=1 StatistikData nicht aktiv. Anzahl=1"_s;
        QTest::newRow("server error")
            << 20 << true << 4 << 1 << u"SaveStatiskData ERR=4 abgelehnt Anzahl=1"_s;
    }
    void uploadRefused() {
        QFETCH(int, level);
        QFETCH(bool, active);
        QFETCH(int, serverError);
        QFETCH(int, sent);
        QFETCH(QString, logLine);
        Rig r(false, level);
        r.session->link().setStatisticsActive(active);
        r.uploadError = serverError;
        r.stats->record(statistik(14, QString(), u"OC 47"_s));
        r.stats->send();
        QCOMPARE(r.uploads.size(), sent);
        QVERIFY2(r.logged(logLine), qPrintable(r.logLines.join(u'\n')));
        QVERIFY(r.stats->liste().isEmpty());
        QVERIFY(!QFile::exists(r.file()));
    }

    // The local file of an earlier run: read, sent when every line is good,
    // deleted in any case.
    void readLocalFile_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("kept"); // _Info of the events read and not sent
        QTest::addColumn<int>("sentEvents");   // -1: no upload
        QTest::addColumn<QString>("logLine");
        const QString header = u"AnzahlFelder=19\r\n"_s;
        const QString l1 = line(18, u"OC 47"_s, u"Artikel in Warenkorb"_s);
        const QString l2 = line(19, u"OC 47"_s, u"Gelöscht"_s);
        QTest::newRow("good lines are sent") << header + l1 + u"\r\n"_s + l2 + u"\r\n"_s << QStringList() << 2
                                             << u"ReadStatiskData an Server senden, Anzahl Records=2"_s;
        QTest::newRow("last value without its ';'")
            << header + l1.chopped(1) + u"\r\n"_s << QStringList() << 1
            << u"ReadStatiskData an Server senden, Anzahl Records=1"_s;
        QTest::newRow("a line of 18 fields stops the reading")
            << header + l1 + u"\r\n"_s + l2.section(u';', 0, 17) + u";\r\n"_s + l2 + u"\r\n"_s
            << QStringList{u"Artikel in Warenkorb"_s} << -1
            << u"Anzahl Statistikfelder fehlerhaft in Zeile 2. Soll=19 Hat=18"_s;
        QTest::newRow("wrong header") << u"AnzahlFelder=18\r\n"_s + l1 + u"\r\n"_s << QStringList() << -1
                                      << u"Statistikformat ungültig:AnzahlFelder=18 Soll:AnzahlFelder=19"_s;
        QTest::newRow("header only") << header << QStringList() << -1 << QString();
    }
    void readLocalFile() {
        QFETCH(QString, text);
        QFETCH(QStringList, kept);
        QFETCH(int, sentEvents);
        QFETCH(QString, logLine);
        Rig r;
        r.writeFile(text);
        r.stats->read_statistik_fromcsv(true, true);
        QStringList infos;
        for (const TStatistik& e : r.stats->liste().events())
            infos << e._Info;
        QCOMPARE(infos, kept);
        QCOMPARE(r.uploads.size(), sentEvents < 0 ? 0 : 1);
        if (sentEvents >= 0)
            QCOMPARE(r.uploads.first().value(4), QString::number(sentEvents));
        if (!logLine.isEmpty())
            QVERIFY2(r.logged(logLine), qPrintable(r.logLines.join(u'\n')));
        QVERIFY(!QFile::exists(r.file()));
        QVERIFY(r.logged(u"CSV-Datei gelöscht:"_s + r.file()));
        // The events of the file keep their own time: no server asked.
        QCOMPARE(r.timeRequests, 0);
    }

    // What one run saves locally the next run's first login sends: every
    // value as it was, the umlauts and € of the ANSI file included.
    void savedFileIsSentByTheNextLogin() {
        QStringList uploaded;
        QString fileName;
        {
            Rig first;
            TStatistik e = statistik(19, u"55"_s, u"OC 47"_s, u"Gelöscht"_s);
            e._Nettopreis = u"9,95 €"_s;
            first.stats->record(e);
            first.stats->send_statistik(first.file(), false);
            QVERIFY(first.uploads.isEmpty());
            first.stats->recordNoInternet(u"Keine Internetverbindung Status=$0"_s);
            // save_counter on the way down adds to what the lost connection saved.
            first.stats->record(statistik(14, QString(), u"OC 48"_s, u"Schnellsuche gefunden"_s));
            first.stats->saveLocally(u"setTerminate weg"_s);
            const QStringList lines = StatistikListe::lines(first.readFile());
            QCOMPARE(lines.size(), 5);
            QCOMPARE(lines.first(), u"AnzahlFelder=19"_s);
            QCOMPARE(lines.at(2).section(u';', 0, 0), u"53"_s);
            QCOMPARE(lines.at(4).section(u';', 0, 0), u"100"_s);
            QCOMPARE(lines.at(4).section(u';', 13, 13), u"Exception Version 4.2.0.1"_s);
            QCOMPARE(lines.at(4).section(u';', 14, 14), u"setTerminate weg"_s);
            uploaded = lines.mid(1);
            fileName = first.file();

            Rig next;
            QFile::copy(fileName, next.file());
            next.stats->recordProgramLogin();
            QVERIFY(!QFile::exists(next.file()));
            QCOMPARE(next.uploads.size(), 1);
            const QStringList payload = next.uploads.first();
            QCOMPARE(payload.value(4), u"4"_s);
            for (int i = 0; i < uploaded.size(); ++i)
                QCOMPARE(payload.mid(5 + i * 19, 19).join(u';') + u';', uploaded.at(i));
            // The login event follows the upload.
            QCOMPARE(next.stats->liste().events().size(), 1);
            QCOMPARE(next.stats->liste().events().first()._Aktion, 11);
            QCOMPARE(next.stats->liste().events().first()._Info, u"Programm-Login"_s);
        }
    }

    // The window's close records "Programm-Ende" and uploads once; when the
    // server cannot take it, the file keeps the events instead.
    void programEnd_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<int>("timeError");
        QTest::addColumn<int>("uploads");
        QTest::newRow("uploaded") << true << 0 << 1;
        QTest::newRow("server time unreachable: kept locally") << true << -3 << 0;
        QTest::newRow("TCP connection closed: kept locally") << false << 0 << 0;
    }
    void programEnd() {
        QFETCH(bool, soap);
        QFETCH(int, timeError);
        QFETCH(int, uploads);
        Rig r(soap);
        r.timeError = timeError;
        r.session->client().setHost(u"qtx.example"_s);
        r.session->client().setPort(52017);
        r.stats->record(statistik(14, QString(), u"OC 47"_s));
        r.stats->recordProgramEnd();
        r.stats->recordProgramEnd();
        QCOMPARE(r.uploads.size(), uploads);
        QCOMPARE(QFile::exists(r.file()), uploads == 0);
        const QStringList last = uploads ? r.uploads.first().mid(5 + 19, 19)
                                         : StatistikListe::lines(r.readFile()).value(2).split(u';');
        QCOMPARE(last.value(0), u"12"_s);
        QCOMPARE(last.value(13), u"Programm-Ende"_s);
        // TCP: host and port; SOAP: the request address (none here).
        QCOMPARE(last.value(15), soap ? QString() : u"qtx.example:52017"_s);
        QCOMPARE(r.timeRequests, soap ? 1 : 0);
        QVERIFY(r.stats->liste().isEmpty());
    }

    // Nothing recorded: save_counter leaves no file.
    void nothingToSave() {
        Rig r;
        r.stats->saveLocally(u"setTerminate"_s);
        QVERIFY(!QFile::exists(r.file()));
    }
};

QTEST_GUILESS_MAIN(TestUsageStatistics)
#include "tst_usagestatistics.moc"
