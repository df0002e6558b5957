#include "app/connectionoptions.h"
#include "app/customerdata.h"
#include "app/scramble.h"
#include "app/session.h"
#include "app/useroptions.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

UserOptions options(const QStringList& pairs) {
    TBenutzerOptions list;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        list.append({pairs.at(i), pairs.at(i + 1)});
    return UserOptions(list);
}

TFilialeKurz2 branch(const QString& code, const QString& central, const QString& index = u"1"_s) {
    TFilialeKurz2 f;
    f.CODE = code;
    f.KURZNAME = u"Kurz "_s + code;
    f.ZUGEORDNETE_ZENTRALE = central;
    f.LAGERMASKENINDEX = index;
    return f;
}

TLieferadresse address(const QString& code) {
    TLieferadresse a;
    a.CODE = code;
    return a;
}

} // namespace

class TestSessionRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void connectionOptions_data() {
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<int>("settingsIdle");
        QTest::addColumn<int>("idleTime");
        QTest::addColumn<bool>("disconnectErlaubt");
        QTest::addColumn<bool>("ping");
        QTest::addColumn<QStringList>("writes"); // "SECTION/KEY=VALUE"

        QTest::newRow("nothing") << QStringList() << 180000 << 180000 << true << false << QStringList();
        QTest::newRow("idle 5000 ignored, get_settings value")
            << QStringList{u"IDLE_DISCONNECT"_s, u"5000"_s} << 240000 << 240000 << true << false
            << QStringList();
        QTest::newRow("idle 5000 ignored, default")
            << QStringList{u"IDLE_DISCONNECT"_s, u"5000"_s} << 0 << 180000 << true << false << QStringList();
        QTest::newRow("idle 60000 taken") << QStringList{u"IDLE_DISCONNECT"_s, u"60000"_s} << 180000 << 60000
                                          << true << false << QStringList{u"RUNTIME/IDLE_DISCONNECT=60000"_s};
        QTest::newRow("OFF and On: keep-alive")
            << QStringList{u"DISCONNECT_ERLAUBT"_s, u"OFF"_s, u"PING"_s, u"On"_s} << 180000 << 180000 << false
            << true << QStringList{u"RUNTIME/DISCONNECT_ERLAUBT=OFF"_s, u"OPTIONS/PING=On"_s};
        QTest::newRow("allowed: no keep-alive")
            << QStringList{u"DISCONNECT_ERLAUBT"_s, u"ON"_s, u"PING"_s, u"On"_s} << 180000 << 180000 << true
            << false << QStringList{u"OPTIONS/PING=On"_s};
        QTest::newRow("empty PING counts as Off")
            << QStringList{u"DISCONNECT_ERLAUBT"_s, u"OFF"_s, u"PING"_s, QString()} << 180000 << 180000
            << false << false << QStringList{u"RUNTIME/DISCONNECT_ERLAUBT=OFF"_s, u"OPTIONS/PING="_s};
        QTest::newRow("time-outs, unchanged one not written")
            << QStringList{u"CONNECT_TIMEOUT"_s, u"9000"_s,          u"READ_TIMEOUT"_s,
                           u"180000"_s,          u"PING_INTERVAL"_s, u"abc"_s}
            << 180000 << 180000 << true << false << QStringList{u"RUNTIME/CONNECT_TIMEOUT=9000"_s};
    }
    void connectionOptions() {
        QFETCH(QStringList, pairs);
        QFETCH(int, settingsIdle);
        QList<ConnectionOptions::IniWrite> writes;
        const ConnectionSettings start;
        const ConnectionSettings s = ConnectionOptions::apply(options(pairs), start, settingsIdle, &writes);
        QTEST(s.idleTime, "idleTime");
        QTEST(s.disconnectErlaubt, "disconnectErlaubt");
        QTEST(s.ping, "ping");
        QStringList written;
        for (const auto& w : writes)
            written << w.section + u'/' + w.key + u'=' + w.value;
        QTEST(written, "writes");
        if (pairs.contains(u"CONNECT_TIMEOUT"_s))
            QCOMPARE(s.connectTimeout, 9000);
    }

    void validBranches_data() {
        QTest::addColumn<QString>("debi");
        QTest::addColumn<QString>("land");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both") << u"1"_s << u"1"_s << u"F03;Z01;"_s;
        QTest::newRow("land only") << u"0"_s << u"1"_s << u"F03;"_s;
        QTest::newRow("debi only") << u"1"_s << u"0"_s << u"F01;F03;Z01;"_s;
        QTest::newRow("neither: no restriction") << u"0"_s << u"0"_s << QString();
    }
    void validBranches() {
        QFETCH(QString, debi);
        QFETCH(QString, land);
        TDebitor d;
        d.FILIALE = u"F03"_s;
        d.DEBI_DEBI_ID = debi;
        d.DEBI_LAND_ID = land;
        const TFilialKurzArray2 kept{branch(u"F01"_s, u"Z01"_s), branch(u"F02"_s, u"Z02"_s),
                                     branch(u"F03"_s, u"Z01"_s), branch(u"Z01"_s, u"Z00"_s)};
        const QString central = CustomerData::centralBranch(kept, d.FILIALE);
        QCOMPARE(central, u"Z01"_s);
        QTEST(CustomerData::validBranches(d, central, kept), "expected");
    }

    void centralWithoutEntry() {
        QCOMPARE(CustomerData::centralBranch({branch(u"F01"_s, u"Z01"_s)}, u"F09"_s), u"F09"_s);
    }

    void fixedAddresses_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("2;5 in server order") << u"2;5"_s << QStringList{u"5"_s, u"2"_s} << u"2"_s;
        QTest::newRow("no option: all")
            << QString() << QStringList{u"1"_s, u"5"_s, u"3"_s, u"2"_s} << QString();
        QTest::newRow("unknown code") << u"9"_s << QStringList() << u"9"_s;
    }
    void fixedAddresses() {
        QFETCH(QString, option);
        const TLieferadresseArray all{address(u"1"_s), address(u"5"_s), address(u"3"_s), address(u"2"_s)};
        QString fixed;
        QStringList codes;
        for (const TLieferadresse& a : CustomerData::workingAddresses(all, option, &fixed))
            codes << a.CODE;
        QTEST(codes, "codes");
        QTEST(fixed, "fixed");
    }

    void procurementCost_data() {
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << u"4,5"_s << u"4,50"_s;
        QTest::newRow("no comma") << u"4"_s << u"4,00"_s;
        QTest::newRow("two decimals") << u"4,50"_s << u"4,50"_s;
    }
    void procurementCost() {
        QFETCH(QString, cost);
        QTEST(CustomerData::procurementCost(cost), "text");
    }

    void deliveryKinds() {
        QCOMPARE(CustomerData::deliveryKinds(false),
                 (QStringList{u"Zustellung"_s, u"Abholung"_s, u"Nachtexpress"_s}));
        QCOMPARE(CustomerData::deliveryKinds(true).size(), 4);
        QCOMPARE(CustomerData::deliveryKinds(true).last(), u"Paketdienst"_s);
    }

    void branchWithIndexZeroLeftOut() {
        const TFilialKurzArray2 kept =
            CustomerData::keptBranches({branch(u"F01"_s, u"Z01"_s), branch(u"F02"_s, u"Z01"_s, u"0"_s),
                                        branch(u"F03"_s, u"Z01"_s, u" 0 "_s)});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.first().CODE, u"F01"_s);
    }

    void optionLookup_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("fallback");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("usedFallback");
        QTest::newRow("exact") << u"PING"_s << false << u"On"_s << false;
        QTest::newRow("master exact") << u"_M_DATEI_IMPORT_ERLAUBT"_s << false << u"OFF"_s << false;
        QTest::newRow("master by fallback") << u"DATEI_IMPORT_ERLAUBT"_s << true << u"OFF"_s << true;
        QTest::newRow("plain by fallback") << u"_M_PING"_s << true << u"On"_s << true;
        QTest::newRow("no fallback") << u"_M_PING"_s << false << QString() << false;
    }
    void optionLookup() {
        QFETCH(QString, key);
        QFETCH(bool, fallback);
        const UserOptions o = options({u"PING"_s, u"On"_s, u"_M_DATEI_IMPORT_ERLAUBT"_s, u"OFF"_s});
        bool used = false;
        QTEST(o.value(key, fallback, nullptr, &used), "value");
        QTEST(used, "usedFallback");
    }

    void customerLogo() {
        const UserOptions o = options({u"CUSTOMER_LOGO_ZEILEN"_s, u"3"_s, u"CUSTOMER_LOGO1"_s, u"FFD8"_s,
                                       u"CUSTOMER_LOGO2"_s, u"FFE0"_s, u"CUSTOMER_LOGO3"_s, QString()});
        QCOMPARE(Session::customerLogoHex(o), u"FFD8FFE0"_s);
    }

    void adminKeyIsPlainName() { QCOMPARE(Session::adminModeKey(), u"ADMIN_MODUS"_s); }
};

QTEST_GUILESS_MAIN(TestSessionRules)
#include "tst_sessionrules.moc"
