#include "fakes.h"
#include "platform/logger.h"
#include "session/counterfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCounterFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savesListAndStatisticsOncePerRun() {
        QTemporaryDir dir;
        ManualClock clock;
        Logger log(clock);
        log.setLogFile(dir.filePath(QStringLiteral("qtx.log")));
        CounterFile counters(log, dir.filePath(QStringLiteral("qtx.cnt")));
        QStringList infos;
        counters.saveStatistics = [&infos](const QString& info) { infos << info; };

        const QStringList list{QStringLiteral("_COUNTER_A=3"), QStringLiteral("Straße=1")};
        counters.save_counter(QStringLiteral("setTerminate x"), &list);
        counters.save_counter(QStringLiteral("second"), &list);
        QCOMPARE(infos, QStringList{QStringLiteral("setTerminate x")});

        QFile log1(log.logFile());
        QVERIFY(log1.open(QIODevice::ReadOnly));
        QVERIFY(log1.readAll().contains("SaveCountListe Anzahl=2"));
        QCOMPARE(counters.takeLastRun(), list);
        QVERIFY(!QFile::exists(counters.fileName()));
    }

    void emptyOrMissingListWritesNothing() {
        QTemporaryDir dir;
        ManualClock clock;
        Logger log(clock);
        CounterFile counters(log, dir.filePath(QStringLiteral("qtx.cnt")));
        const QStringList empty;
        counters.save_counter(QString(), &empty);
        counters.save_counter(QString(), nullptr);
        QVERIFY(!QFile::exists(counters.fileName()));
        QVERIFY(counters.takeLastRun().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCounterFile)
#include "tst_counterfile.moc"
