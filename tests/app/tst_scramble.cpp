#include "model/scramble.h"

#include <QTest>

class TestScramble : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void knownForm() {
        // "AB": sum 65 + 66 = 131 = 0x0083, then 2*65 = 0x82 and 2*66 = 0x84.
        QCOMPARE(Scramble::scramble(QStringLiteral("AB")), QStringLiteral("00838284"));
        QCOMPARE(Scramble::unscramble(QStringLiteral("00838284")), QStringLiteral("AB"));
        QCOMPARE(Scramble::scramble(QString()), QStringLiteral("0000"));
    }

    void storedAndReadBack_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<bool>("scrambled");
        QTest::newRow("ascii password") << QStringLiteral("Geheim#2026") << true;
        QTest::newRow("guid") << QStringLiteral("3F2504E04F8911D39A0C0305E82C3301") << true;
        QTest::newRow("code 127") << QStringLiteral("a\x7f") << true;
        QTest::newRow("umlaut above 127") << QStringLiteral("Passwört") << false;
        QTest::newRow("euro sign") << QStringLiteral("5\u20ac") << false;
        QTest::newRow("hex-looking clear text") << QStringLiteral("ABCD") << true;
    }
    void storedAndReadBack() {
        QFETCH(QString, plain);
        QFETCH(bool, scrambled);
        const QString stored = Scramble::storedForm(plain);
        QCOMPARE(stored != plain, scrambled);
        QCOMPARE(Scramble::readStored(stored), plain);
    }

    void clearValuesAreNotMangled_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("odd length") << QStringLiteral("Passwört");
        QTest::newRow("lower case hex") << QStringLiteral("007af4");
        QTest::newRow("wrong checksum") << QStringLiteral("00848284");
        QTest::newRow("short") << QStringLiteral("abc");
    }
    void clearValuesAreNotMangled() {
        QFETCH(QString, stored);
        QCOMPARE(Scramble::readStored(stored), stored);
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
