#include "model/codetables.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "model/servermessage.h"

#include <QTest>

// Code tables, server message normalisation, the tolerant conversions and the
// "de-DE" formats.
class TestCodeTables : public QObject {
    Q_OBJECT

private:
    static TLieferungArray lieferungen() {
        TLieferung zu;
        zu.CODE = QStringLiteral(" 10 ");
        zu.NAME = QStringLiteral("Zustellung Tour");
        TLieferung ab;
        ab.CODE = QStringLiteral("20");
        ab.NAME = QStringLiteral("Abholung");
        ab.ABHOL_ZIELFILIALE = QStringLiteral("F14");
        TLieferung ne;
        ne.CODE = QStringLiteral("30");
        ne.NAME = QStringLiteral("nachtexpress");
        TLieferung x;
        x.CODE = QStringLiteral("40");
        x.NAME = QStringLiteral("Spedition");
        return {zu, ab, ne, x};
    }
    static TFilialKurzArray2 filialen() {
        TFilialeKurz2 f;
        f.CODE = QStringLiteral("F14");
        f.BEZEICHNUNG = QStringLiteral("Filiale Nord");
        return {f};
    }
    static ModelContext context(const QString& mandant) {
        ModelContext c;
        c.mandant = mandant;
        c.hotline = QStringLiteral("Tel. 0800 4711");
        return c;
    }

private Q_SLOTS:
    void documentKinds_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lineText");
        QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("BE") << QStringLiteral("BE");
        QTest::newRow("2") << QStringLiteral("2") << QStringLiteral("PL") << QStringLiteral("PL");
        QTest::newRow("10") << QStringLiteral("10") << QStringLiteral("RL") << QStringLiteral("RL");
        QTest::newRow("13") << QStringLiteral("13") << QStringLiteral("LB") << QStringLiteral("LB");
        QTest::newRow("14") << QStringLiteral("14") << QStringLiteral("unbekannt")
                            << QStringLiteral("unbekannt");
        QTest::newRow("15") << QStringLiteral("15") << QStringLiteral("unbekannt") << QStringLiteral("BE");
        QTest::newRow("empty") << QString() << QStringLiteral("unbekannt") << QStringLiteral("unbekannt");
        QTest::newRow("02") << QStringLiteral("02") << QStringLiteral("unbekannt")
                            << QStringLiteral("unbekannt");
    }
    void documentKinds() {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, lineText);
        QCOMPARE(CodeTables::belegartText(code), text);
        QCOMPARE(CodeTables::zeilenartText(code), lineText);
    }

    void versions_data() {
        QTest::addColumn<QString>("ist");
        QTest::addColumn<QString>("soll");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("newer wanted") << QStringLiteral("1.2.3.4") << QStringLiteral("1.2.10.0") << 0
                                      << QStringLiteral("1") << QString();
        QTest::newRow("older wanted") << QStringLiteral("2.0.0.0") << QStringLiteral("1.9.9.9") << 0
                                      << QStringLiteral("-1") << QString();
        QTest::newRow("equal, quoted") << QStringLiteral("\"7.1.8000.1\"") << QStringLiteral("7.1.8000.1")
                                       << 0 << QStringLiteral("0") << QString();
        QTest::newRow("three parts") << QStringLiteral("1.2.3") << QStringLiteral("1.2.3.4") << 2
                                     << QStringLiteral("0")
                                     << QStringLiteral(
                                            "Ist-Versionsnummer \"1.2.3\" hat mehr als 4 Stellen.");
        QTest::newRow("wanted five parts")
            << QStringLiteral("1.2.3.4") << QStringLiteral("1.2.3.4.5") << 2 << QStringLiteral("0")
            << QStringLiteral("Soll-Versionsnummer \"1.2.3.4.5\" hat mehr als 4 Stellen.");
    }
    void versions() {
        QFETCH(QString, ist);
        QFETCH(QString, soll);
        QFETCH(int, code);
        QFETCH(QString, result);
        QFETCH(QString, message);
        const CodeTables::VersionCompare c = CodeTables::compareVersions(ist, soll);
        QCOMPARE(c.code, code);
        QCOMPARE(c.result, result);
        QCOMPARE(c.message, message);
    }

    void split() {
        QCOMPARE(CodeTables::splitAt(QStringLiteral("\"a;b;\""), u';'),
                 QStringList({QStringLiteral("a"), QStringLiteral("b"), QString()}));
        QCOMPARE(CodeTables::splitAt(QStringLiteral("\""), u';'), QStringList{QStringLiteral("\"")});
    }

    void deliveryText_data() {
        QTest::addColumn<QString>("mandant");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QString>("text");
        QTest::newRow("60 tenant 1") << QStringLiteral("1") << QStringLiteral("60") << QString()
                                     << QStringLiteral("ab Werk");
        QTest::newRow("60 tenant 2") << QStringLiteral("2") << QStringLiteral("60") << QString()
                                     << QStringLiteral("ab Werk");
        QTest::newRow("60 tenant 6") << QStringLiteral("6") << QStringLiteral("60") << QString()
                                     << QStringLiteral("Nachtexpress");
        QTest::newRow("main warehouse tenant 6") << QStringLiteral("6") << QStringLiteral("10")
                                                 << QStringLiteral("SL") << QStringLiteral("Nachtexpress");
        QTest::newRow("main warehouse tenant 2")
            << QStringLiteral("2") << QStringLiteral("10") << QStringLiteral("SL") << QStringLiteral("10 ");
        QTest::newRow("trimmed code") << QStringLiteral("6") << QStringLiteral(" 10") << QStringLiteral("F15")
                                      << QStringLiteral("Zustellung");
        QTest::newRow("night express by name") << QStringLiteral("1") << QStringLiteral("30")
                                               << QStringLiteral("SL") << QStringLiteral("Nachtexpress");
        QTest::newRow("other name keeps the code")
            << QStringLiteral("6") << QStringLiteral("40") << QStringLiteral("F15") << QStringLiteral("40 ");
        QTest::newRow("unknown code")
            << QStringLiteral("6") << QStringLiteral("99") << QStringLiteral("F15") << QStringLiteral("99 ");
    }
    void deliveryText() {
        QFETCH(QString, mandant);
        QFETCH(QString, code);
        QFETCH(QString, branch);
        QFETCH(QString, text);
        QCOMPARE(CodeTables::lieferText(code, branch, lieferungen(), context(mandant)), text);
    }

    void deliveryTextWithPickup_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pickup");
        QTest::newRow("pickup") << QStringLiteral("20") << QStringLiteral("Abholung Filiale Nord")
                                << QStringLiteral("F14");
        QTest::newRow("delivery") << QStringLiteral("10") << QStringLiteral("Zustellung") << QString();
        QTest::newRow("other name") << QStringLiteral("40") << QStringLiteral("40 Spedition") << QString();
        QTest::newRow("60 unknown") << QStringLiteral("60") << QStringLiteral("ab Werk ") << QString();
        QTest::newRow("empty") << QStringLiteral(" ") << QStringLiteral("  ") << QString();
    }
    void deliveryTextWithPickup() {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, pickup);
        QString branch = QStringLiteral("old");
        QCOMPARE(CodeTables::lieferTextMitAbholfiliale(code, lieferungen(), filialen(),
                                                       context(QStringLiteral("6")), &branch),
                 text);
        QCOMPARE(branch, pickup);
    }

    void uiTextsReplaceDefaults() {
        ModelContext c = context(QStringLiteral("1"));
        c.uiText = [](const QString& key, const QString& def) {
            return key == u"_Zustellung" ? QStringLiteral("Delivery") : def;
        };
        QCOMPARE(CodeTables::lieferText(QStringLiteral("10"), QString(), lieferungen(), c),
                 QStringLiteral("Delivery"));
    }

    void branchNames() {
        QCOMPARE(CodeTables::filialName(QStringLiteral("F14"), filialen()), QStringLiteral("Filiale Nord"));
        QCOMPARE(CodeTables::filialName(QStringLiteral("F99"), filialen()), QStringLiteral("F99"));
        QCOMPARE(CodeTables::filialCode(QStringLiteral("Filiale Nord"), filialen()), QStringLiteral("F14"));
        QVERIFY(CodeTables::filialCode(QStringLiteral("Süd"), filialen()).isEmpty());
    }

    void bookingGroupOptions() {
        const TBenutzerOptions options{{QStringLiteral("BUCHGRUPPE_A10"), QStringLiteral("0")},
                                       {QStringLiteral("BUCHGRUPPE_B20"), QStringLiteral("6")},
                                       {QStringLiteral("BUCHGRUPPE_C30"), QStringLiteral("x")},
                                       {QStringLiteral("_M_PREISFAKTOR_BGR_A10"), QStringLiteral("1,25")},
                                       {QStringLiteral("PING_INTERVAL"), QStringLiteral("5")}};
        const auto divisors = CodeTables::buchgruppenDivisoren(options);
        QCOMPARE(divisors,
                 (QList<Buchgruppe_divisor>{
                     {QStringLiteral("A10"), 1}, {QStringLiteral("B20"), 6}, {QStringLiteral("C30"), 1}}));
        QCOMPARE(CodeTables::divisorFuer(QStringLiteral("B20"), divisors), 6);
        QCOMPARE(CodeTables::divisorFuer(QStringLiteral("Z"), divisors), 1);
        const auto factors = CodeTables::buchgruppenFaktoren(options);
        QCOMPARE(factors.size(), 1);
        QCOMPARE(factors.first().BGruppe, QStringLiteral("A10"));
        QCOMPARE(factors.first().BFaktor, 1.25);
    }

    void serverMessages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("Menge fehlt") << QStringLiteral("Menge fehlt");
        QTest::newRow("gesamte") << QStringLiteral("VKKL: Es kann nicht die gesamte Menge geliefert werden")
                                 << QStringLiteral("Es kann nicht die gesamte Menge geliefert werden");
        QTest::newRow("gesperrt") << QStringLiteral("Fehler 7: Artikel 4711 ist gesperrt.")
                                  << QStringLiteral("Artikel 4711 ist gesperrt.");
        QTest::newRow("gesperrt before Artikel")
            << QStringLiteral("ist gesperrt. Artikel") << QStringLiteral("ist gesperrt. Artikel");
        QTest::newRow("backorder") << QStringLiteral("Der Artikel wurde in Rückstand genommen")
                                   << QStringLiteral(
                                          "Der Artikel wird bei Bestellung in Rückstand genommen.");
        QTest::newRow("customer") << QStringLiteral("Der Kunde erlaubt keine Rückstände")
                                  << QStringLiteral(
                                         "Auf Kundenwunsch ist kein Rückstand möglich, Artikel kann "
                                         "beschafft werden.");
        QTest::newRow("SEZ 0") << QStringLiteral("Artikel hat SEZ=0. Bitte anrufen")
                               << QStringLiteral("Artikel kann über Beschaffung bestellt werden, bitte "
                                                 "anrufen:\r\nTel. 0800 4711");
        QTest::newRow("branch backorders") << QStringLiteral("Filialrückstände sind nicht erlaubt")
                                           << QStringLiteral("Filialrückstände sind nicht erlaubt.");
        QTest::newRow("Oracle at start stays") << QStringLiteral("ORA-01400: cannot insert NULL")
                                               << QStringLiteral("ORA-01400: cannot insert NULL");
        QTest::newRow("Oracle behind a prefix")
            << QStringLiteral("Update: ORA-20001: Menge zu groß") << QStringLiteral(" Menge zu groß");
        QTest::newRow("Oracle overrides backorder")
            << QStringLiteral("x ORA-1: Der Artikel wurde in R") << QStringLiteral(" Der Artikel wurde in R");
        const QString tail(300, u'a');
        QTest::newRow("cut to 255") << QString(QStringLiteral("x Es kann nicht die gesamte ") + tail)
                                    << QString(QStringLiteral("Es kann nicht die gesamte ") + tail).left(255);
    }
    void serverMessages() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(ServerMessage::normalise(text, context(QStringLiteral("6"))), shown);
    }

    void conversions() {
        QCOMPARE(Convert::toIntDef(QStringLiteral(" 42 "), 0), 42);
        QCOMPARE(Convert::toIntDef(QStringLiteral("4,2"), -1), -1);
        QCOMPARE(Convert::toIntDef(QString(), 7), 7);
        QCOMPARE(Convert::toFloatDef(QStringLiteral("1234,56"), 0.0), 1234.56);
        QCOMPARE(Convert::toFloatDef(QStringLiteral("1.5"), 0.0), 1.5);
        QCOMPARE(Convert::toFloatDef(QStringLiteral("1.234,5"), -1.0), -1.0);
        QVERIFY(Convert::isFlagSet(QStringLiteral("ja")));
        QVERIFY(Convert::isFlagSet(QStringLiteral("ON")));
        QVERIFY(!Convert::isFlagSet(QStringLiteral("NEIN")));
        QVERIFY(!Convert::isFlagSet(QStringLiteral("0")));
    }

    void formats() {
        QCOMPARE(FormatDE::formatFloat(1234.5), QStringLiteral("1234,50"));
        QCOMPARE(FormatDE::formatFloat(-0.001), QStringLiteral("0,00"));
        QCOMPARE(FormatDE::formatFixed(3.14159, 8, 2), QStringLiteral("    3,14"));
        QCOMPARE(FormatDE::vatTotalsLine(QStringLiteral("16%"), 99.5),
                 QStringLiteral("inkl. 16% MWSt EUR    99,50"));
        QCOMPARE(FormatDE::formatDate(QDate(2026, 3, 7)), QStringLiteral("07.03.2026"));
        QCOMPARE(FormatDE::parseDate(QStringLiteral("7.3.2026")), QDate(2026, 3, 7));
        QVERIFY(!FormatDE::parseDate(QStringLiteral("31.02.2026")).isValid());
        QCOMPARE(FormatDE::parseDateTime(QStringLiteral("07.03.2026 08:15")),
                 QDateTime(QDate(2026, 3, 7), QTime(8, 15)));
        const QDateTime server(QDate(2012, 11, 12), QTime(15, 30, 59));
        QCOMPARE(FormatDE::parseServerDateTime(QStringLiteral("2012.11.12 15:30:59")), server);
        QCOMPARE(FormatDE::parseServerDateTime(QStringLiteral("2012/11/12 15:30:59")), server);
        QVERIFY(!FormatDE::parseServerDateTime(QStringLiteral("12.11.2012 15:30:59")).isValid());
        QVERIFY(!FormatDE::parseServerDateTime(QString()).isValid());
        QCOMPARE(FormatDE::parseTime(QStringLiteral("17:30")), QTime(17, 30));
    }
};

QTEST_GUILESS_MAIN(TestCodeTables)
#include "tst_codetables.moc"
