#include "app/endingroutines.h"
#include "app/endingtarget.h"
#include "fakes.h"
#include "platform/logger.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

class TestEndingRoutines : public QObject {
    Q_OBJECT

    struct Recorder final : EndingTarget {
        QStringList steps;
        bool tcp = false;
        bool closing = false;
        bool throwOnDisconnect = false;

        Recorder(bool t, bool c = false, bool throws = false)
            : tcp(t)
            , closing(c)
            , throwOnDisconnect(throws) {}
        bool isTcp() const override { return tcp; }
        void setTimeoutsTo100() override { steps << QStringLiteral("timeouts100"); }
        bool connectionClosing() const override { return closing; }
        void disconnect() override {
            steps << QStringLiteral("disconnect");
            if (throwOnDisconnect)
                throw std::runtime_error("Socket Error # 10054\r\nConnection reset by peer.");
        }
        void saveCounter(const QString& text) override { steps << QStringLiteral("save:") + text; }
        void quit() override { steps << QStringLiteral("quit"); }
    };

    static QString readLog(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

private Q_SLOTS:
    void myterminate_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("silent") << QString();
        QTest::newRow("with text") << QStringLiteral("Connect nicht erfolgreich!");
    }
    void myterminate() {
        QFETCH(QString, text);
        QTemporaryDir dir;
        ManualClock clock;
        Logger log(clock);
        log.setLogFile(dir.filePath(QStringLiteral("x.log")));
        ScriptedDialogs dialogs;
        Recorder rec(false);
        EndingRoutines ending(log, dialogs);
        ending.setTarget(&rec);
        QCOMPARE(ending.destroyStatus(), int(Ending::Running));
        ending.myterminate(QStringLiteral("OnCreate"), text);
        QCOMPARE(ending.destroyStatus(), int(Ending::EndRequested));
        QVERIFY(ending.closing());
        QCOMPARE(rec.steps, QStringList{QStringLiteral("quit")});
        QCOMPARE(dialogs.shown.size(), text.isEmpty() ? 0 : 1);
        QVERIFY(readLog(log.logFile()).contains(QStringLiteral("_destroyStatus=1 myterminate OnCreate")));
    }

    void stateNeverGoesBack() {
        ManualClock clock;
        Logger log(clock);
        ScriptedDialogs dialogs;
        EndingRoutines ending(log, dialogs);
        ending.setDestroyStatus(Ending::Destroyed);
        ending.setDestroyStatus(Ending::Running);
        QCOMPARE(ending.destroyStatus(), int(Ending::Destroyed));
    }

    void halt_data() {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("disconnect");
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("closing");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("info");
        const QString tcpInfo = QStringLiteral("TCP setTerminateTimeout_halt");
        QTest::newRow("TCP with disconnect and save")
            << true << QStringLiteral("Server wird gewartet.") << true << true << false
            << QStringList{QStringLiteral("timeouts100"), QStringLiteral("disconnect"),
                           QStringLiteral("save:setTerminate Server wird gewartet."), QStringLiteral("quit")}
            << tcpInfo;
        QTest::newRow("TCP connection already closing")
            << true << QString() << true << false << true
            << QStringList{QStringLiteral("timeouts100"), QStringLiteral("quit")} << tcpInfo;
        QTest::newRow("empty message still ends")
            << false << QString() << false << false << false << QStringList{QStringLiteral("quit")}
            << QStringLiteral("SOAP setTerminateTimeout_halt");
        QTest::newRow("SOAP takes no network step")
            << false << QStringLiteral("Ende") << true << true << false
            << QStringList{QStringLiteral("save:setTerminate Ende"), QStringLiteral("quit")}
            << QStringLiteral("SOAP setTerminateTimeout_halt");
    }
    void halt() {
        QFETCH(bool, tcp);
        QFETCH(QString, message);
        QFETCH(bool, disconnect);
        QFETCH(bool, save);
        QFETCH(bool, closing);
        QFETCH(QStringList, steps);
        QFETCH(QString, info);
        QTemporaryDir dir;
        ManualClock clock;
        Logger log(clock);
        log.setLogFile(dir.filePath(QStringLiteral("x.log")));
        ScriptedDialogs dialogs;
        Recorder rec(tcp, closing);
        EndingRoutines ending(log, dialogs);
        ending.setTarget(&rec);
        ending.SetTerminateTimeout_halt(message, disconnect, save);
        QCOMPARE(rec.steps, steps);
        QCOMPARE(dialogs.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(dialogs.shown.first().title, QStringLiteral("Anwendung wird beendet."));
            QCOMPARE(dialogs.shown.first().text, message);
        }
        QCOMPARE(ending.destroyStatus(), int(Ending::EndRequested));
        const QString logText = readLog(log.logFile());
        QVERIFY(logText.contains(QStringLiteral("_destroyStatus=1 myterminate ") + info));
        QCOMPARE(logText.contains(QStringLiteral("Terminate Timeout=100 setzen:")), tcp);
        QVERIFY(logText.contains(QStringLiteral("Application.Terminate 10.12.2026 09:00:00")));
    }

    void exceptionOnTheWayIsShownAndEndStillHappens() {
        ManualClock clock;
        Logger log(clock);
        ScriptedDialogs dialogs;
        Recorder rec(true, false, true);
        EndingRoutines ending(log, dialogs);
        ending.setTarget(&rec);
        ending.SetTerminateTimeout_halt(QStringLiteral("Verbindung weg"), true, true);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(
            dialogs.shown.first().text,
            QStringLiteral("Verbindung weg\r\nException Socket Error # 10054 Connection reset by peer."));
        QCOMPARE(rec.steps.last(), QStringLiteral("quit"));
        QVERIFY(rec.steps.contains(QStringLiteral("save:setTerminate Verbindung weg")));
    }
};

QTEST_GUILESS_MAIN(TestEndingRoutines)
#include "tst_endingroutines.moc"
