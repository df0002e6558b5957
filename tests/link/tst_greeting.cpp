#include "link/greeting.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestGreeting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void interpret_data() {
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("description");
        const QString d = u"ServerIP=10.0.0.1 Port=52017 "_s;
        QTest::newRow("note appended, level 18")
            << u"(7.1.6554.0)Willkommen (x)"_s << 18 << false << false << d + u"(x)"_s;
        QTest::newRow("threshold itself is not newer")
            << u"(7.0.6193.0)Willkommen"_s << 0 << false << false << d;
        QTest::newRow("just above 7.0.6193.0") << u"(7.0.6193.1)Willkommen"_s << 17 << false << false << d;
        QTest::newRow("19") << u"(7.1.6554.1)Willkommen"_s << 19 << false << false << d;
        QTest::newRow("restart and 20") << u"990 ***(7.1.7327.0)Willkommen"_s << 20 << true << false << d;
        QTest::newRow("old server") << u"Hallo (4)(7.0.1.0)Willkommen (alt)"_s << 4 << false << false
                                    << d + u"(alt)"_s;
        QTest::newRow("refused") << u"X gesperrt"_s << 0 << false << true << d;
        QTest::newRow("refused during restart") << u"990 ***X"_s << 0 << true << true << d;
        QTest::newRow("no welcome") << u"(7.1.7327.0) hallo"_s << 0 << false << false << d;
        QTest::newRow("malformed version") << u"(7.1)Willkommen"_s << 0 << false << false << d;
        QTest::newRow("empty (time-out)") << QString() << 0 << false << false << d;
        QTest::newRow("bracket never closed")
            << u"(7.1.7327.0)Willkommen (offen"_s << 20 << false << false << d + u"(offen"_s;
    }
    void interpret() {
        QFETCH(QString, greeting);
        QFETCH(int, level);
        QFETCH(bool, restart);
        QFETCH(bool, refused);
        QFETCH(QString, description);
        const GreetingInfo info = Greeting::interpret(greeting, u"ServerIP=10.0.0.1 Port=52017 "_s);
        QCOMPARE(info.serverLevel, level);
        QCOMPARE(info.restart, restart);
        QCOMPARE(info.refused, refused);
        QCOMPARE(info.description, description);
    }
};

QTEST_GUILESS_MAIN(TestGreeting)
#include "tst_greeting.moc"
