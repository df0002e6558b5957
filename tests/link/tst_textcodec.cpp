#include "link/textcodec.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextCodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encodeList_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one empty line") << QStringList{QString()} << QByteArray("\r\n");
        QTest::newRow("euro is 0x80, not Latin-1") << QStringList{u"5,00 €"_s} << QByteArray("5,00 \x80\r\n");
        QTest::newRow("umlauts and every line ends") << QStringList{u"Prüfstück"_s, u"Öl"_s}
                                                     << QByteArray("Pr\xFC"
                                                                   "fst\xFC"
                                                                   "ck\r\n\xD6l\r\n");
        QTest::newRow("empty list") << QStringList{} << QByteArray();
    }
    void encodeList() {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextCodec::encodeList(lines), bytes);
        if (!lines.isEmpty())
            QCOMPARE(TextCodec::decodeList(bytes), lines);
    }

    void decodeList_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("ansi") << QByteArray("\x80 1\r\nB\xE4r\r\n") << QStringList{u"€ 1"_s, u"Bär"_s};
        QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC\r\nB\xC3\xA4r")
                                   << QStringList{u"€"_s, u"Bär"_s};
        QTest::newRow("utf-16 le bom")
            << QByteArray("\xFF\xFE\xAC\x20\r\0\n\0x\0", 10) << QStringList{u"€"_s, u"x"_s};
        QTest::newRow("utf-16 be bom")
            << QByteArray("\xFE\xFF\x20\xAC\0\n\0y", 8) << QStringList{u"€"_s, u"y"_s};
        QTest::newRow("cr, lf and cr lf")
            << QByteArray("a\rb\nc\r\nd") << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
        QTest::newRow("empty lines kept")
            << QByteArray("\r\n\r\nx\r\n") << QStringList{QString(), QString(), u"x"_s};
        QTest::newRow("nothing") << QByteArray() << QStringList{};
    }
    void decodeList() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TextCodec::decodeList(bytes), lines);
    }

    void protocolLinesAreUtf8() {
        QCOMPARE(TextCodec::encodeLine(u"Grüße €"_s), QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                                 "e \xE2\x82\xAC\r\n"));
        QCOMPARE(TextCodec::decodeLine("Gr\xC3\xBC\xC3\x9F"
                                       "e\r\n"),
                 u"Grüße"_s);
        QCOMPARE(TextCodec::decodeLine("x\n"), u"x"_s);
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
