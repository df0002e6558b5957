#include "fakes.h"
#include "platform/logger.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestLogger : public QObject {
    Q_OBJECT

private:
    static QStringList fileLines(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromLatin1(f.readAll());
        QStringList lines = text.split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    static void writeOldLog(const QString& path, const QDateTime& written) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old line\r\n");
        f.flush();
        f.setFileTime(written, QFileDevice::FileModificationTime);
        f.close();
    }

private Q_SLOTS:
    void startLineAgeRule_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("written");
        QTest::addColumn<bool>("kept");
        const QDate day(2026, 12, 10);
        QTest::newRow("same day, an hour ago")
            << QDateTime(day, QTime(9, 0)) << QDateTime(day, QTime(8, 0)) << true;
        QTest::newRow("yesterday, few hours ago")
            << QDateTime(day, QTime(6, 0)) << QDateTime(day.addDays(-1), QTime(22, 0)) << false;
        QTest::newRow("same day, older than half a day")
            << QDateTime(day, QTime(23, 0)) << QDateTime(day, QTime(7, 0)) << false;
        QTest::newRow("same weekday a week ago")
            << QDateTime(day, QTime(9, 0)) << QDateTime(day.addDays(-7), QTime(8, 0)) << false;
    }
    void startLineAgeRule() {
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, written);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qtx.log"));
        writeOldLog(path, written);
        ManualClock clock(now);
        Logger log(clock);
        log.setLogFile(path);
        log.writeStartLine(QStringLiteral("10.12.2026 09:00:00 START"), 321);
        const QStringList lines = fileLines(path);
        QCOMPARE(lines.contains(QStringLiteral("old line")), kept);
        QCOMPARE(lines.last(), QStringLiteral("10.12.2026 09:00:00 START oncreate ProcessID=321"));
    }

    void halfDayRuleOfNegativeToFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("qtx.log"));
        const QDateTime now(QDate(2026, 12, 10), QTime(23, 0));
        writeOldLog(path, now.addSecs(-13 * 3600));
        ManualClock clock(now);
        Logger log(clock);
        log.setLogFile(path);
        log.Log(0, QStringLiteral("positive keeps"), 1);
        QCOMPARE(fileLines(path).size(), 2);
        writeOldLog(path, now.addSecs(-13 * 3600));
        log.Log(0, QStringLiteral("OnCreate INI lesen"), -1);
        QCOMPARE(fileLines(path), QStringList{QStringLiteral("OnCreate INI lesen")});
    }

    // The log stays open between lines: each line is in the file at once,
    // a removed file is made again, and a new file name is followed.
    void openLogFollowsTheFile() {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("qtx.log"));
        const QString second = dir.filePath(QStringLiteral("other.log"));
        ManualClock clock;
        Logger log(clock);
        log.setLogFile(first);
        log.Log(0, QStringLiteral("eins"), 1);
        QCOMPARE(fileLines(first), QStringList{QStringLiteral("eins")});
        QVERIFY(QFile::remove(first));
        log.Log(0, QStringLiteral("zwei"), 1);
        QCOMPARE(fileLines(first), QStringList{QStringLiteral("zwei")});
        log.setLogFile(second);
        log.Log(0, QStringLiteral("drei"), 1);
        QCOMPARE(fileLines(first), QStringList{QStringLiteral("zwei")});
        QCOMPARE(fileLines(second), QStringList{QStringLiteral("drei")});
    }

    void switches_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("writeLogFile");
        QTest::addColumn<bool>("exitLog");
        QTest::addColumn<int>("expectedFileLines");
        QTest::addColumn<int>("expectedMemoLines");
        // The start and single-instance lines are always written.
        QTest::newRow("all on") << true << true << false << 3 << 1;
        QTest::newRow("WRITE_LOGFILE OFF") << true << false << false << 2 << 1;
        QTest::newRow("not writable") << false << true << false << 2 << 1;
        QTest::newRow("_EXIT_LOG on") << true << true << true << 2 << 0;
    }
    void switches() {
        QFETCH(bool, writable);
        QFETCH(bool, writeLogFile);
        QFETCH(bool, exitLog);
        QFETCH(int, expectedFileLines);
        QFETCH(int, expectedMemoLines);
        QTemporaryDir dir;
        ManualClock clock;
        Logger log(clock);
        log.setLogFile(dir.filePath(QStringLiteral("qtx.log")));
        log.setWritable(writable);
        log.setWriteLogFile(writeLogFile);
        log.setExitLog(exitLog);
        QSignalSpy memo(&log, &Logger::memoAppended);
        log.writeStartLine(QStringLiteral("START"), 1);
        log.Log(1, QStringLiteral("a line"), 1);
        log.writeSingleInstanceLine(QStringLiteral("Classname=TQTXMainForm x"), 2);
        QCOMPARE(fileLines(log.logFile()).size(), expectedFileLines);
        QCOMPARE(fileLines(log.logFile()).last(), QStringLiteral("Classname=TQTXMainForm x ProcessID=2"));
        QCOMPARE(memo.size(), expectedMemoLines);
    }

    void memoModes_data() {
        QTest::addColumn<int>("toMemo");
        QTest::addColumn<int>("clears");
        QTest::addColumn<int>("appends");
        QTest::newRow("none") << 0 << 0 << 0;
        QTest::newRow("append") << 1 << 0 << 1;
        QTest::newRow("clear first") << -1 << 1 << 1;
    }
    void memoModes() {
        QFETCH(int, toMemo);
        QFETCH(int, clears);
        QFETCH(int, appends);
        ManualClock clock;
        Logger log(clock);
        QSignalSpy cleared(&log, &Logger::memoCleared);
        QSignalSpy appended(&log, &Logger::memoAppended);
        log.Log(QStringLiteral("btLogin"), toMemo, QStringLiteral("Text"), 0);
        QCOMPARE(cleared.size(), clears);
        QCOMPARE(appended.size(), appends);
        if (appends)
            QCOMPARE(appended.first().first().toString(), QStringLiteral("btLogin Text"));
    }

    void exitLogToggle() {
        QTemporaryDir dir;
        ManualClock clock;
        Logger log(clock);
        log.setLogFile(dir.filePath(QStringLiteral("qtx.log")));
        QCOMPARE(log.toggleExitLog(), QStringLiteral("_EXIT_LOG jetzt=TRUE "));
        QVERIFY(log.exitLog());
        log.Log(1, QStringLiteral("swallowed"), 1);
        QCOMPARE(log.toggleExitLog(), QStringLiteral("_EXIT_LOG jetzt=FALSE "));
        QCOMPARE(fileLines(log.logFile()), (QStringList{QStringLiteral("_EXIT_LOG jetzt=TRUE "),
                                                        QStringLiteral("_EXIT_LOG jetzt=FALSE ")}));
    }

    void appendLineEncodingAndErrors() {
        QString error;
        QVERIFY(!Logger::appendLine(QString(), QStringLiteral("x"), &error));
        QCOMPARE(error, QStringLiteral("Logfilename ist leer"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.log"));
        QVERIFY(Logger::appendLine(path, QStringLiteral("Preis 5 \u20ac, Gr\u00fc\u00dfe")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("Preis 5 \x80, Gr\xfc\xdf"
                                         "e\r\n"));
    }

    void stampFormat() {
        QCOMPARE(Logger::stamp(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))),
                 QStringLiteral("04.03.2026 05:06:07"));
    }
};

QTEST_GUILESS_MAIN(TestLogger)
#include "tst_logger.moc"
