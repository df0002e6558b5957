#include "link/errortable.h"
#include "link/versioncompare.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestErrorTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lookup_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << u"OK"_s;
        QTest::newRow("59 with umlaut") << 59 << u"Anfrage beim Zelmor Server z.Zt. nicht möglich"_s;
        QTest::newRow("88 before the early 197") << 88 << u"ERR_FILIALEN_NOT_FOUND"_s;
        QTest::newRow("197 first entry wins") << 197 << u"Filialartikel nicht gefunden"_s;
        QTest::newRow("102 padded") << 102 << u"ERR_ADRESSKLASSENWERTE_1            "_s;
        QTest::newRow("106 padded") << 106 << u"ERR_ADRESSKLASSENWERTE_5            "_s;
        QTest::newRow("177 after the DRZ block") << 177 << u"ERR_VKZ_NOT_FOUND"_s;
        QTest::newRow("202 last") << 202 << u"JSON Ausgabeformat falsch"_s;
        QTest::newRow("201 missing") << 201 << u"Fehler nicht gefunden!"_s;
        QTest::newRow("negative") << -3 << u"Fehler nicht gefunden!"_s;
    }
    void lookup() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(ErrorTable::GetErrorText(code), text);
    }

    void tableShape() {
        QCOMPARE(ErrorTable::entryCount(), 203);
        // 197 is the only code listed twice; 201 is the only gap up to 202.
        QSet<int> codes;
        int twice = -1;
        for (int i = 0; i < ErrorTable::entryCount(); ++i) {
            const int code = ErrorTable::entries()[i].code;
            if (codes.contains(code))
                twice = code;
            codes.insert(code);
        }
        QCOMPARE(twice, 197);
        QCOMPARE(codes.size(), 202);
        QVERIFY(!codes.contains(201));
        QCOMPARE(ErrorTable::entries()[89].code, 197);
    }

    void versionCompare_data() {
        QTest::addColumn<QString>("ist");
        QTest::addColumn<QString>("soll");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("error");
        QTest::newRow("greater") << u"7.1.6554.1"_s << u"7.1.6554.0"_s << true << -1 << QString();
        QTest::newRow("smaller, numeric not textual")
            << u"7.1.999.0"_s << u"7.1.6554.0"_s << true << 1 << QString();
        QTest::newRow("equal, quoted") << u"\"7.0.6193.0\""_s << u"7.0.6193.0"_s << true << 0 << QString();
        QTest::newRow("ist has five parts") << u"7.1.2.3.4"_s << u"7.1.2.3"_s << false << 0
                                            << u"Ist-Versionsnummer \"7.1.2.3.4\" hat mehr als 4 Stellen."_s;
        QTest::newRow("soll has three parts") << u"7.1.2.3"_s << u"7.1.2"_s << false << 0
                                              << u"Soll-Versionsnummer \"7.1.2\" hat mehr als 4 Stellen."_s;
    }
    void versionCompare() {
        QFETCH(QString, ist);
        QFETCH(QString, soll);
        QFETCH(bool, ok);
        QFETCH(int, result);
        QFETCH(QString, error);
        const VersionComparison c = VersionCompare::compare(ist, soll);
        QCOMPARE(c.ok, ok);
        QCOMPARE(c.errorText, error);
        if (ok)
            QCOMPARE(c.result, result);
    }
};

QTEST_GUILESS_MAIN(TestErrorTable)
#include "tst_errortable.moc"
