#include "app/pagecontrolrules.h"
#include "model/scramble.h"
#include "session/connectionoptions.h"
#include "session/customerdata.h"
#include "session/loginrules.h"
#include "session/session.h"
#include "session/tenantlibrary.h"
#include "session/useroptions.h"

#include <QFile>
#include <QTemporaryDir>
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

    // Without a PING option the start value (OPTIONS/PING) stays in force.
    void pingStartValueWithoutOption() {
        ConnectionSettings start;
        start.ping = true;
        QVERIFY(
            ConnectionOptions::apply(options({u"IDLE_DISCONNECT"_s, u"60000"_s}), start, 0, nullptr).ping);
        QVERIFY(!ConnectionOptions::apply(options({u"PING"_s, u"Off"_s}), start, 0, nullptr).ping);
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
        QCOMPARE(LoginRules::customerLogoHex(o), u"FFD8FFE0"_s);
    }

    void adminKeyIsPlainName() { QCOMPARE(LoginRules::adminModeKey(), u"ADMIN_MODUS"_s); }

    void alternativeBranch_data() {
        QTest::addColumn<int>("tenant");
        QTest::addColumn<QString>("kdnr");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("expected");
        QTest::newRow("11393 tenant 1, empty") << 1 << u"11393"_s << QString() << u"F03"_s;
        QTest::newRow("11393 tenant 1, own choice kept") << 1 << u"11393"_s << u"F07 Nord"_s << u"F07"_s;
        QTest::newRow("11393 other tenant") << 6 << u"11393"_s << QString() << QString();
        QTest::newRow("other customer") << 1 << u"11394"_s << QString() << QString();
        QTest::newRow("not a branch code") << 6 << u"10000"_s << u"X01"_s << QString();
        QTest::newRow("11393 with invalid INI value") << 1 << u" 11393 "_s << u"X"_s << u"F03"_s;
    }
    void alternativeBranch() {
        QFETCH(int, tenant);
        QFETCH(QString, kdnr);
        QFETCH(QString, ini);
        QTEST(LoginRules::alternativeBranchFor(tenant, kdnr, ini), "expected");
    }

    void leavingPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("changedElsewhere");
        QTest::addColumn<bool>("basket");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("log");
        using P = PageControlRules::Page;
        const QString basketText =
            u"Es sind noch Artikel im Warenkorb.\r\nBitte Artikel löschen oder Auftrag mit F10 absenden."_s;
        QTest::newRow("Belege always")
            << int(P::Belege) << true << true << false << true << QString() << QString();
        QTest::newRow("Shop changed elsewhere")
            << int(P::Shop) << true << false << true << false << QString() << QString();
        QTest::newRow("Shop with basket items")
            << int(P::Shop) << false << true << true << true << QString() << QString();
        QTest::newRow("returns with items")
            << int(P::Ruecklieferung) << false << true << true << false << basketText << QString();
        QTest::newRow("old parts with items")
            << int(P::Altteile) << false << true << true << false << basketText << QString();
        QTest::newRow("returns not ready") << int(P::Ruecklieferung) << false << false << false << false
                                           << QString() << u"Ruecklieferung noch nicht fertig"_s;
        QTest::newRow("old parts still loading") << int(P::Altteile) << false << false << false << false
                                                 << QString() << u"Altteile noch nicht fertig"_s;
        QTest::newRow("old parts empty and ready")
            << int(P::Altteile) << false << false << true << true << QString() << QString();
        QTest::newRow("Login not ready elsewhere")
            << int(P::Login) << false << false << false << true << QString() << QString();
    }
    void leavingPage() {
        QFETCH(int, page);
        QFETCH(bool, changedElsewhere);
        QFETCH(bool, basket);
        QFETCH(bool, ready);
        const PageControlRules rules({[&](PageControlRules::Page) { return changedElsewhere; },
                                      [&](PageControlRules::Page) { return basket; }, [&] { return ready; }});
        const PageControlRules::Leave leave = rules.changing(PageControlRules::Page(page));
        QTEST(leave.allowed, "allowed");
        QTEST(leave.message, "message");
        QTEST(leave.log, "log");
    }

    void enteringPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("all");
        QTest::addColumn<bool>("fenster");
        QTest::addColumn<bool>("import");
        using P = PageControlRules::Page;
        QTest::newRow("Shop") << int(P::Shop) << true << true << true;
        QTest::newRow("Rücklieferung") << int(P::Ruecklieferung) << true << false << false;
        QTest::newRow("Belege") << int(P::Belege) << false << false << false;
        QTest::newRow("Altteile") << int(P::Altteile) << false << false << false;
        QTest::newRow("Login") << int(P::Login) << false << false << false;
    }
    void enteringPage() {
        QFETCH(int, page);
        const PageControlRules::Menu m = PageControlRules::menuFor(PageControlRules::Page(page));
        QTEST(m.all, "all");
        QTEST(m.fenster, "fenster");
        QTEST(m.import, "import");
        // Options and help stay reachable on every tab.
        QVERIFY(m.optionen && m.hilfe);
        QCOMPARE(PageControlRules::entering(PageControlRules::Page(page), false),
                 PageControlRules::Page::Login);
        QCOMPARE(PageControlRules::entering(PageControlRules::Page(page), true),
                 PageControlRules::Page(page));
    }

    void supplierGrid_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("rows");
        QTest::newRow("server fields") << QStringList{u"BOS;Bosch;Stuttgart;1"_s, u"MAH;Mahle;;0"_s}
                                       << QStringList{u"Code"_s, u"Name"_s, u"Ort"_s, u"TecCom"_s} << 3;
        QTest::newRow("header line") << QStringList{u"Code;Name;Kurz;Mini;Micro"_s, u"BOS;Bosch;BO;B;b"_s}
                                     << QStringList{u"Code"_s, u"Name"_s, u"Kurz"_s, u"Mini"_s, u"Micro"_s}
                                     << 2;
        QTest::newRow("empty answer")
            << QStringList() << QStringList{u"Code"_s, u"Name"_s, u"Ort"_s, u"TecCom"_s} << 1;
    }
    void supplierGrid() {
        QFETCH(QStringList, lines);
        StringGrid grid;
        CustomerData::fillSuppliers(grid, lines);
        QTEST(grid.headers(), "headers");
        QTEST(grid.rowCount(), "rows");
        if (grid.rowCount() > 1) {
            QCOMPARE(grid.value(u"Code"_s, 1), u"BOS"_s);
            QCOMPARE(grid.value(u"Name"_s, 1), u"Bosch"_s);
        }
    }

    void tenantLibraryNames_data() {
        QTest::addColumn<int>("tenant");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("server");
        QTest::newRow("1") << 1 << u"ZelmorResource.dll"_s << u"RESOURCE/MANDANT1/ZELMOR.DLL"_s;
        QTest::newRow("2") << 2 << u"KantrelResource.dll"_s << u"RESOURCE/MANDANT2/KANTREL.DLL"_s;
        QTest::newRow("4") << 4 << u"VelkorResource.dll"_s << u"RESOURCE/MANDANT4/VELKOR/VELKOR.DLL"_s;
        QTest::newRow("6") << 6 << u"DurnakResource.dll"_s << u"RESOURCE/MANDANT6/DURNAK.DLL"_s;
        QTest::newRow("unknown") << 9 << QString() << QString();
    }
    void tenantLibraryNames() {
        QFETCH(int, tenant);
        QTEST(TenantLibrary::fileName(tenant), "file");
        QTEST(TenantLibrary::serverPath(tenant), "server");
    }

    void tenantLibraryBundles_data() {
        QTest::addColumn<int>("tenant");
        QTest::newRow("1") << 1;
        QTest::newRow("4") << 4;
        QTest::newRow("6") << 6;
    }
    // Every bundle the build makes is complete: all reads succeed.
    void tenantLibraryBundles() {
        QFETCH(int, tenant);
        const QString file =
            QStringLiteral(QTX_TENANT_LIBRARY_DIR "/%1/").arg(tenant) + TenantLibrary::fileName(tenant);
        QCOMPARE(TenantLibrary::version(file), u"1.0.0.0"_s);
        TenantTexts t;
        QVERIFY(TenantLibrary::GetExternResource(true, file, t, false, nullptr));
        QVERIFY(!t.logoKlein.isEmpty());
        QVERIFY(t.edvAnrufen.startsWith(u"Bitte rufen Sie"_s));
        QVERIFY(t.kreditmax.contains(u"%d"_s));
        QVERIFY(!t.debitorlagerDarfNex);
        // Released again: a second read works the same.
        QCOMPARE(TenantLibrary::version(file), u"1.0.0.0"_s);
    }

    void tenantLibraryRules() {
        const QString file = QStringLiteral(QTX_TENANT_LIBRARY_DIR "/6/DurnakResource.dll");
        // Without assignlogo the logo stays; with a language file its texts stay.
        TenantTexts t;
        t.schnellsuche = u"aus Sprachdatei"_s;
        t.express = u"Sprachdatei-Express"_s;
        QVERIFY(TenantLibrary::GetExternResource(false, file, t, true, nullptr));
        QVERIFY(t.logoKlein.isEmpty());
        QCOMPARE(t.schnellsuche, u"aus Sprachdatei"_s);
        QCOMPARE(t.express, u"Sprachdatei-Express"_s);
        QVERIFY(!t.firmenname.isEmpty());
        QVERIFY(!t.beschaffInfo2.isEmpty());

        // Missing file, or a file that is no bundle: nothing read, texts unchanged.
        QTemporaryDir dir;
        QFile junk(dir.filePath(u"DurnakResource.dll"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("MZ this is no bundle");
        junk.close();
        for (const QString& bad : {dir.filePath(u"missing.dll"_s), junk.fileName()}) {
            TenantTexts u;
            QVERIFY(!TenantLibrary::GetExternResource(true, bad, u, false, nullptr));
            QVERIFY(u.edvAnrufen.isEmpty());
            QCOMPARE(TenantLibrary::version(bad), QString());
        }
    }
};

QTEST_GUILESS_MAIN(TestSessionRules)
#include "tst_sessionrules.moc"
