#include "platform/registrystore.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestRegistryStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rootsAreSeparateAndPersist() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("registry.ini"));
        const QString key = QStringLiteral("Software\\Durnak\\QTX-Client");
        {
            RegistryStore reg(file);
            QVERIFY(!reg.keyExists(RegistryStore::HKEY_CURRENT_USER, key));
            QVERIFY(reg.writeString(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("PATH"),
                                    QStringLiteral("/opt/qtx/qtx-client")));
            QVERIFY(reg.keyExists(RegistryStore::HKEY_CURRENT_USER, key));
            QVERIFY(!reg.keyExists(RegistryStore::HKEY_LOCAL_MACHINE, key));
        }
        RegistryStore again(file);
        QCOMPARE(again.readString(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("PATH")),
                 QStringLiteral("/opt/qtx/qtx-client"));
        QVERIFY(again.readString(RegistryStore::HKEY_LOCAL_MACHINE, key, QStringLiteral("PATH")).isEmpty());
        QVERIFY(again.deleteValue(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("PATH")));
        QVERIFY(!again.valueExists(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("PATH")));
        QVERIFY(!again.deleteValue(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("PATH")));
    }

    void openKeyCreatesEmptyKey() {
        QTemporaryDir dir;
        RegistryStore reg(dir.filePath(QStringLiteral("r.ini")));
        const QString key = QStringLiteral("Software\\WinRAR SFX");
        QVERIFY(reg.openKey(RegistryStore::HKEY_CURRENT_USER, key));
        QVERIFY(reg.keyExists(RegistryStore::HKEY_CURRENT_USER, key));
        QVERIFY(!reg.valueExists(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("C%%DURNAK%QTX")));
    }

    void guidIsStoredInBracesAndReadStripped() {
        QTemporaryDir dir;
        RegistryStore reg(dir.filePath(QStringLiteral("r.ini")));
        const QString key = QStringLiteral("Software\\Durnak\\QTX-Client");
        QString status;
        const QString guid =
            reg.createGuid(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("GUID"), &status);
        QCOMPARE(status, QStringLiteral("OK next Openkey"));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(guid).hasMatch());
        const QString stored = reg.readString(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("GUID"));
        QVERIFY(stored.startsWith(QLatin1Char('{')) && stored.endsWith(QLatin1Char('}')));
        QCOMPARE(stored.count(QLatin1Char('-')), 4);
        QCOMPARE(reg.readGuid(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("GUID")), guid);
        reg.createGuid(RegistryStore::HKEY_CURRENT_USER, key, QStringLiteral("PC_GUID"), &status);
        QCOMPARE(status, QStringLiteral("OK"));
    }
};

QTEST_GUILESS_MAIN(TestRegistryStore)
#include "tst_registrystore.moc"
