#include "app/startupsettings.h"
#include "session/lokalini.h"

#include <QTemporaryDir>
#include <QTest>

using Entries = QList<std::pair<QString, QString>>; // "SECTION/key", value

class TestStartupSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    const QRect m_workArea{0, 0, 1600, 1000};
    const QRect m_desktop{0, 0, 1600, 1040};

    StartupSettings readWith(const Entries& entries) {
        LokalIni ini(m_dir.filePath(QStringLiteral("case.ini")));
        QFile::remove(ini.fileName());
        for (const auto& [key, value] : entries)
            ini.write(key.section(QLatin1Char('/'), 0, 0), key.section(QLatin1Char('/'), 1), value);
        return StartupSettings::read(ini, m_workArea, m_desktop);
    }

private Q_SLOTS:
    void defaults() {
        const StartupSettings s = readWith({});
        QCOMPARE(s.geometry, QRect(10, 10, 1140, 790));
        QVERIFY(!s.maximized);
        QCOMPARE(s.connectTimeout, 7000);
        QCOMPARE(s.readTimeout, 180000);
        QCOMPARE(s.pingInterval, 300000);
        QCOMPARE(s.pingTimeout, 20000);
        QCOMPARE(s.nightlyThreshold, 999);
        QVERIFY(s.autoLogin);
        QVERIFY(s.keepPassword);
        QVERIFY(!s.ping);
        QVERIFY(s.writeLogFile);
        QVERIFY(s.computerNameOn && s.winUserOn);
        QVERIFY(s.emailIds.isEmpty());
    }

    void placement_data() {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("maximized");
        const QString top = QStringLiteral("MAINFORM/Top");
        const QString left = QStringLiteral("MAINFORM/Left");
        QTest::newRow("stored values stay")
            << Entries{{top, QStringLiteral("40")}, {left, QStringLiteral("300")}}
            << QRect(300, 40, 1140, 790) << false;
        QTest::newRow("negative top gives 10")
            << Entries{{top, QStringLiteral("-5")}} << QRect(10, 10, 1140, 790) << false;
        QTest::newRow("top below the work area")
            << Entries{{top, QStringLiteral("951")}} << QRect(10, 10, 1140, 790) << false;
        QTest::newRow("left beyond the desktop")
            << Entries{{left, QStringLiteral("2000")}} << QRect(10, 10, 1140, 790) << false;
        QTest::newRow("less than 100 pixels visible")
            << Entries{{left, QStringLiteral("1550")}} << QRect(10, 10, 1140, 790) << false;
        QTest::newRow("left of the desktop")
            << Entries{{left, QStringLiteral("-300")}} << QRect(10, 10, 1140, 790) << false;
        QTest::newRow("size capped by the work area")
            << Entries{{QStringLiteral("MAINFORM/Width"), QStringLiteral("3000")},
                       {QStringLiteral("MAINFORM/Height"), QStringLiteral("2000")}}
            << QRect(10, 10, 1580, 980) << false;
        QTest::newRow("maximised stays")
            << Entries{{QStringLiteral("MAINFORM/WindowState"), QStringLiteral("2")}}
            << QRect(10, 10, 1140, 790) << true;
        QTest::newRow("minimised gives normal")
            << Entries{{QStringLiteral("MAINFORM/WindowState"), QStringLiteral("1")}}
            << QRect(10, 10, 1140, 790) << false;
    }
    void placement() {
        QFETCH(Entries, entries);
        QFETCH(QRect, geometry);
        QFETCH(bool, maximized);
        const StartupSettings s = readWith(entries);
        QCOMPARE(s.geometry, geometry);
        QCOMPARE(s.maximized, maximized);
    }

    void timeouts_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("connect negative")
            << QStringLiteral("CONNECT_TIMEOUT") << QStringLiteral("-1") << 7000;
        QTest::newRow("read negative gives 20000")
            << QStringLiteral("READ_TIMEOUT") << QStringLiteral("-5") << 20000;
        QTest::newRow("read stored") << QStringLiteral("READ_TIMEOUT") << QStringLiteral("5001") << 5001;
        QTest::newRow("read not a number")
            << QStringLiteral("READ_TIMEOUT") << QStringLiteral("abc") << 180000;
        QTest::newRow("ping interval negative")
            << QStringLiteral("PING_INTERVAL") << QStringLiteral("-1") << 300000;
        QTest::newRow("ping timeout negative")
            << QStringLiteral("PING_TIMEOUT") << QStringLiteral("-1") << 20000;
    }
    void timeouts() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, expected);
        const StartupSettings s = readWith({{QStringLiteral("RUNTIME/") + key, value}});
        const int actual = key == QLatin1String("CONNECT_TIMEOUT") ? s.connectTimeout
                           : key == QLatin1String("READ_TIMEOUT")  ? s.readTimeout
                           : key == QLatin1String("PING_INTERVAL") ? s.pingInterval
                                                                   : s.pingTimeout;
        QCOMPARE(actual, expected);
    }

    void emailIdsStopAtFirstGap() {
        const StartupSettings s = readWith({{QStringLiteral("EMailIDs/0"), QStringLiteral("M100")},
                                            {QStringLiteral("EMailIDs/1"), QStringLiteral("M101")},
                                            {QStringLiteral("EMailIDs/3"), QStringLiteral("M103")}});
        QCOMPARE(s.emailIds, (QStringList{QStringLiteral("M100"), QStringLiteral("M101")}));
    }

    void switches_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("AUTOLOGIN off, padded lower case")
            << QStringLiteral("OPTIONS/AUTOLOGIN") << QStringLiteral(" off ") << false;
        QTest::newRow("AUTOLOGIN anything else")
            << QStringLiteral("OPTIONS/AUTOLOGIN") << QStringLiteral("NEIN") << true;
        QTest::newRow("keep password only for ON")
            << QStringLiteral("OPTIONS/LOGIN_PASSWORT_SPEICHERN") << QStringLiteral("JA") << false;
        QTest::newRow("PING on") << QStringLiteral("OPTIONS/PING") << QStringLiteral("On") << true;
        QTest::newRow("PING Off") << QStringLiteral("OPTIONS/PING") << QStringLiteral("Off") << false;
        QTest::newRow("WRITE_LOGFILE OFF")
            << QStringLiteral("LOG/WRITE_LOGFILE") << QStringLiteral("OFF") << false;
        QTest::newRow("COMPUTERNAME OFF")
            << QStringLiteral("RUNTIME/COMPUTERNAME") << QStringLiteral("OFF") << false;
        QTest::newRow("AutoOrder mode") << QStringLiteral("MODE/AutoOrder") << QStringLiteral("ON") << true;
    }
    void switches() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, on);
        const StartupSettings s = readWith({{key, value}});
        const QString k = key.section(QLatin1Char('/'), 1);
        const bool actual = k == QLatin1String("AUTOLOGIN")                  ? s.autoLogin
                            : k == QLatin1String("LOGIN_PASSWORT_SPEICHERN") ? s.keepPassword
                            : k == QLatin1String("PING")                     ? s.ping
                            : k == QLatin1String("WRITE_LOGFILE")            ? s.writeLogFile
                            : k == QLatin1String("COMPUTERNAME")             ? s.computerNameOn
                                                                             : s.autoOrderMode;
        QCOMPARE(actual, on);
    }

    void commaValuesStayText() {
        LokalIni ini(m_dir.filePath(QStringLiteral("comma.ini")));
        QFile f(ini.fileName());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[PROXY]\nURL=http://proxy:8080/a,b\n");
        f.close();
        QCOMPARE(ini.read(QStringLiteral("PROXY"), QStringLiteral("URL")),
                 QStringLiteral("http://proxy:8080/a,b"));
    }
};

QTEST_GUILESS_MAIN(TestStartupSettings)
#include "tst_startupsettings.moc"
