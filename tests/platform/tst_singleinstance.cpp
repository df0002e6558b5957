#include "platform/singleinstance.h"

#include <QSignalSpy>
#include <QTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void semaphoreName() {
        QCOMPARE(SingleInstance::semaphoreName(QStringLiteral("C:\\Programme\\QTX\\QTX.exe")),
                 QStringLiteral("C:-Programme-QTX-QTX.exe"));
        QCOMPARE(SingleInstance::semaphoreName(QStringLiteral("/opt/qtx/qtx-client")),
                 QStringLiteral("-opt-qtx-qtx-client"));
    }

    void secondInstanceHandsOver() {
        const QString exe =
            QStringLiteral("/tmp/tst_singleinstance/") + QString::number(QCoreApplication::applicationPid());
        SingleInstance first(exe);
        QVERIFY(first.acquire());
        QSignalSpy imports(&first, &SingleInstance::importMessageReceived);
        QSignalSpy activations(&first, &SingleInstance::activateRequested);

        SingleInstance second(exe);
        QVERIFY(!second.acquire());
        QVERIFY(second.sendImportMessage(662, 0));
        QVERIFY(imports.wait(2000));
        QCOMPARE(imports.first().at(0).toInt(), 662);
        QCOMPARE(imports.first().at(1).toInt(), 0);
        QVERIFY(second.sendActivate());
        QVERIFY(activations.wait(2000));

        SingleInstance other(exe + QStringLiteral("-other"));
        QVERIFY(other.acquire());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
