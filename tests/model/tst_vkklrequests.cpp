#include "model/vkklcache.h"
#include "model/vkklrequests.h"

#include "fakes.h"

#include <QTest>

// The value lists and request lines with which draft lines are read and
// changed, and the cache of the last reading.
class TestVkklRequests : public QObject {
    Q_OBJECT

private:
    static LineValues sample() {
        LineValues v;
        for (int k = 1; k <= LineValues::count; ++k)
            v.set(k, QStringLiteral("P%1").arg(k));
        return v;
    }
    static QStringList p(std::initializer_list<int> ks) {
        QStringList out;
        for (int k : ks)
            out.append(k == 19 ? QStringLiteral("-1") : QStringLiteral("P%1").arg(k));
        return out;
    }
    static const QString U;
    static const QString K;

private Q_SLOTS:
    void quantityOnlyUpdateSendsUnchangedElsewhere() {
        LineValues v = LineValues::forLine(QStringLiteral("9001"));
        v.set(LineValues::MENGE, QStringLiteral("5"));
        const QStringList lines = VkklRequests::update163(U, K, v);
        QCOMPARE(lines.size(), 24);
        QStringList expected{QString(), QStringLiteral("0"),  U,
                             K,         QStringLiteral("-1"), QStringLiteral("9001")};
        for (int k = 3; k <= 19; ++k)
            expected.append(k == 6 ? QStringLiteral("5") : QStringLiteral("-1"));
        expected.append(QStringLiteral("0"));
        QCOMPARE(lines, expected);
    }

    void valueListRules() {
        LineValues v;
        v.set(LineValues::EXT_LAGER, QString());
        QCOMPARE(v.at(LineValues::EXT_LAGER), QStringLiteral(" "));
        v.set(LineValues::Reserved, QStringLiteral("x"));
        QCOMPARE(v.at(LineValues::Reserved), QStringLiteral("-1"));
        QCOMPARE(LineValues::backorderFlag(QStringLiteral("5"), QStringLiteral("3")), QStringLiteral("1"));
        QCOMPARE(LineValues::backorderFlag(QStringLiteral("5"), QStringLiteral("5")), QStringLiteral("0"));
        QCOMPARE(LineValues::backorderFlag(QStringLiteral("0"), QStringLiteral("3")), QStringLiteral("0"));
    }

    void insertLines() {
        const LineValues v = sample();
        QCOMPARE(VkklRequests::insert165(U, K, v), QStringList({QString(), QStringLiteral("0"), U, K}) +
                                                       p({1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}) +
                                                       QStringList{QStringLiteral("0")});

        LineValues longArticle = v;
        longArticle.set(LineValues::ARTIKELNR, QStringLiteral("1234567890123456789012345678"));
        const QStringList lines172 = VkklRequests::insert172(U, K, longArticle);
        QCOMPARE(lines172, QStringList({U, K, QStringLiteral("P3"), QStringLiteral("P4"),
                                        QStringLiteral("1234567890123456789012345"), QStringLiteral("P6"),
                                        QStringLiteral("P7"), QStringLiteral("P8"), QStringLiteral("P9"),
                                        QStringLiteral("P10"), QStringLiteral("0"), QString(), QString(),
                                        QStringLiteral("1")}));
        const QStringList soap = VkklRequests::insert172Soap(U, K, longArticle);
        QCOMPARE(soap.size(), 2);
        QCOMPARE(soap.at(0), K);
        QCOMPARE(soap.at(1), lines172.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

    void maskedUpdate_data() {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("maskLength");
        QTest::addColumn<bool>("withP19");
        QTest::newRow("18 chars") << VkklRequests::MaskStandard << 20 << 18 << false;
        QTest::newRow("19 chars, level 13") << VkklRequests::MaskStandard + u'1' << 13 << 19 << true;
        QTest::newRow("19 chars cut at level 12") << VkklRequests::MaskStandard + u'1' << 12 << 18 << false;
    }
    void maskedUpdate() {
        QFETCH(QString, mask);
        QFETCH(int, level);
        QFETCH(int, maskLength);
        QFETCH(bool, withP19);
        const QStringList lines = VkklRequests::update174(sample(), mask, level);
        QStringList expected{QString(), QStringLiteral("P2"), QString::number(maskLength)};
        for (int k = 0; k < maskLength; ++k)
            expected.append(mask.mid(k, 1));
        expected += p({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18});
        if (withP19)
            expected.append(QStringLiteral("-1"));
        expected.append(QString());
        QCOMPARE(lines, expected);
    }

    void fieldUpdate_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("tcpIndex");
        QTest::addColumn<int>("soapIndex");
        QTest::newRow("order mark") << QStringLiteral("2") << 3 << 1;
        QTest::newRow("quantity") << QStringLiteral("6") << 7 << 5;
        QTest::newRow("branch") << QStringLiteral("8") << 9 << 7;
        QTest::newRow("reference") << QStringLiteral("9") << 10 << 8;
        QTest::newRow("code 12") << QStringLiteral("12") << 14 << 12;
    }
    void fieldUpdate() {
        QFETCH(QString, code);
        QFETCH(int, tcpIndex);
        QFETCH(int, soapIndex);
        const VkklRequests::FieldUpdate u{code, QStringLiteral("NEU"), QString(), QStringLiteral("77")};
        const QStringList tcp = VkklRequests::update168Tcp(u);
        QCOMPARE(tcp.size(), 18);
        QCOMPARE(tcp.first(), code);
        QCOMPARE(tcp.at(tcpIndex), QStringLiteral("NEU"));
        QCOMPARE(tcp.at(12), QStringLiteral("0"));
        QCOMPARE(tcp.last(), QStringLiteral("77"));
        QCOMPARE(tcp.count(QStringLiteral("-1")), 13);
        const QStringList soap = VkklRequests::update168Soap(u);
        QCOMPARE(soap.size(), 17);
        QCOMPARE(soap.at(soapIndex), QStringLiteral("NEU"));
        QCOMPARE(soap.at(10), QStringLiteral("0"));
        QCOMPARE(soap.last(), QStringLiteral("77"));
        VkklRequests::FieldUpdate back;
        QVERIFY(VkklRequests::parse168Tcp(tcp, back));
        QCOMPARE(back, u);
        QVERIFY(VkklRequests::parse168Soap(soap, back));
        QCOMPARE(back, u);
    }

    void ownerMove() {
        const VkklRequests::FieldUpdate u{QStringLiteral("0"), QString(), QStringLiteral("MAYER"),
                                          QStringLiteral("77")};
        const QStringList tcp = VkklRequests::update168Tcp(u);
        QCOMPARE(tcp.at(1), QStringLiteral("MAYER"));
        QCOMPARE(tcp.at(12), QStringLiteral("1"));
        VkklRequests::FieldUpdate back;
        QVERIFY(VkklRequests::parse168Tcp(tcp, back));
        QCOMPARE(back, u);
        QVERIFY(VkklRequests::parse168Soap(VkklRequests::update168Soap(u), back));
        QCOMPARE(back, u);
        QVERIFY(!VkklRequests::parse168Tcp(tcp.mid(0, 17), back));
    }

    void massUpdate() {
        const QList<VkklRequests::MassUpdateItem> items{
            {QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("3"), QStringLiteral("0")},
            {QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")}};
        const QStringList lines = VkklRequests::massUpdate(items);
        QCOMPARE(lines, QStringList({QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("3"),
                                     QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("2"),
                                     QStringLiteral("0"), QStringLiteral("1")}));
        QCOMPARE(VkklRequests::parseMassUpdate(lines + QStringList{QStringLiteral("3")}), items);
    }

    void readingLines() {
        QCOMPARE(VkklRequests::get160Tcp(QStringLiteral("4"), U, K, QStringLiteral("55")),
                 QStringList({QString(), QStringLiteral("0"), QStringLiteral("4"), U, K, QString(),
                              QStringLiteral("55"), QStringLiteral("0")}));
        QCOMPARE(VkklRequests::get169Soap(QStringLiteral("55")).first(), QStringLiteral("4"));
        QCOMPARE(VkklRequests::get169Soap(QStringLiteral("0")).first(), QStringLiteral("0"));
        QCOMPARE(VkklRequests::get169Soap(QString()).last(), QStringLiteral("NUMKLADDEN"));
        QCOMPARE(VkklRequests::getLogLine(QStringLiteral("0"), QStringLiteral("0"), true),
                 QStringLiteral("IVKKLGet2 Mode=0 ID=0 connected=TRUE "));
    }

    void answerCache_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<qint64>("after");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("hit");
        QTest::newRow("second reading within 3 s") << 129 << qint64(2999) << QStringLiteral("4") << true;
        QTest::newRow("3 s passed") << 129 << qint64(3000) << QStringLiteral("4") << false;
        QTest::newRow("fewer than 129 lines") << 128 << qint64(10) << QStringLiteral("4") << false;
        QTest::newRow("other mode") << 129 << qint64(10) << QStringLiteral("0") << false;
    }
    void answerCache() {
        QFETCH(int, lines);
        QFETCH(qint64, after);
        QFETCH(QString, mode);
        QFETCH(bool, hit);
        ManualClock clock;
        VkklAnswerCache cache(clock);
        cache.store(QStringLiteral("4"), QStringLiteral("55"), QStringList(lines, QStringLiteral("x")), 1);
        clock.advance(after);
        QCOMPARE(cache.lookup(mode, QStringLiteral("55")).has_value(), hit);
        cache.clear();
        QVERIFY(!cache.lookup(mode, QStringLiteral("55")).has_value());
        QCOMPARE(VkklAnswerCache::hitLogLine(QStringLiteral("4"), QStringLiteral("55")),
                 QStringLiteral("MyVKKLGet from Liste Mode=4 ID=55"));
    }
};

const QString TestVkklRequests::U = QStringLiteral("MAYER");
const QString TestVkklRequests::K = QStringLiteral("10042");

QTEST_GUILESS_MAIN(TestVkklRequests)
#include "tst_vkklrequests.moc"
