#include "model/uitexts.h"
#include "session/clientoptions.h"
#include "session/lokalini.h"
#include "session/useroptions.h"
#include "settings/draftcolumnchoice.h"
#include "settings/languagefile.h"
#include "settings/productgroupfilter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Txt::resetAll(); }

    void messageText_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("two leading blanks") << u"#32#32Text"_s << u"  Text"_s;
        QTest::newRow("trailing blank") << u"Text#32"_s << u"Text "_s;
        QTest::newRow("two lines") << u"eins§~zwei"_s << u"eins\r\nzwei"_s;
        QTest::newRow("both") << u"#32a§~#32b"_s << u" a\r\n b"_s;
        QTest::newRow("plain") << u"Text"_s << u"Text"_s;
    }
    void messageText() {
        QFETCH(QString, raw);
        QFETCH(QString, text);
        QCOMPARE(LanguageFile::messageText(raw), text);
    }

    void fileReading() {
        const LanguageFile f =
            LanguageFile::fromText(u"; comment\r\n[GlobalStrings]\r\n_ZeilenLoeschen = Regels\r\n"
                                   "_ZEILENLOESCHEN=second\r\n_AlleLoeschen=\r\nno equals\r\n"
                                   "[optionenform]\r\nTSPREISE=Prijzen\r\n"_s);
        // Sections and keys regardless of case; the first entry of a key counts.
        QCOMPARE(f.value(u"globalstrings"_s, u"_zeilenloeschen"_s), u"Regels"_s);
        QCOMPARE(f.value(u"OptionenForm"_s, u"tsPreise"_s), u"Prijzen"_s);
        QVERIFY(f.value(u"OptionenForm"_s, u"tsLogin"_s).isNull());
        QVERIFY(f.value(u"Nichts"_s, u"tsLogin"_s).isNull());
        // A missing or empty key keeps the German text.
        QCOMPARE(f.loadMessages(), 1);
        QCOMPARE(Txt::get(Txt::ZeilenLoeschen), u"Regels"_s);
        QCOMPARE(Txt::get(Txt::AlleLoeschen), Txt::germanText(Txt::AlleLoeschen));
        QCOMPARE(f.message(u"_ZeilenLoeschen"_s, u"x"_s), u"Regels"_s);
        QCOMPARE(f.message(u"_Fehlt"_s, u"x"_s), u"x"_s);
    }

    // The file as the server stores it is Windows-1252; UTF-8 works too.
    void fileEncodings_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252")
            << QByteArray("[GlobalStrings]\r\n_KeinBestand=Geen \x80 voorraad\xa7~!\r\n");
        QTest::newRow("UTF-8") << QByteArray(
            "[GlobalStrings]\n_KeinBestand=Geen \xe2\x82\xac voorraad\xc2\xa7~!\n");
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xef\xbb\xbf[GlobalStrings]\n_KeinBestand=Geen \xe2\x82\xac voorraad\xc2\xa7~!\n");
    }
    void fileEncodings() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"NL.lng"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        LanguageFile::load(file.fileName()).loadMessages();
        QCOMPARE(Txt::get(Txt::KeinBestand), u"Geen € voorraad\r\n!"_s);
        QVERIFY(LanguageFile::load(dir.filePath(u"fehlt.lng"_s)).isEmpty());
    }

    void localDefaults() {
        QTemporaryDir dir;
        ClientOptions o;
        o.readLocal(LokalIni(dir.filePath(u"leer.ini"_s)));
        QCOMPARE(o, ClientOptions());
    }

    void localValues_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("important messages") << u"SHOWMESSAGE"_s << u"WICHTIG"_s << u"message"_s << u"1"_s;
        QTest::newRow("unknown word keeps all") << u"SHOWMESSAGE"_s << u"JA"_s << u"message"_s << u"2"_s;
        QTest::newRow("prices on mouse-over") << u"SHOWPREIS"_s << u"ONMOUSEOVER"_s << u"preis"_s << u"1"_s;
        QTest::newRow("ping Off") << u"PING"_s << u"Off"_s << u"ping"_s << u"0"_s;
        QTest::newRow("ping any other word") << u"PING"_s << u"ja"_s << u"ping"_s << u"1"_s;
        QTest::newRow("autologin off") << u"AUTOLOGIN"_s << u" off "_s << u"autologin"_s << u"0"_s;
        QTest::newRow("autologin other") << u"AUTOLOGIN"_s << u"nein"_s << u"autologin"_s << u"1"_s;
        QTest::newRow("password only ON")
            << u"LOGIN_PASSWORT_SPEICHERN"_s << u"ja"_s << u"password"_s << u"0"_s;
        QTest::newRow("branch F07") << u"ALTERNATIVFILIALE"_s << u"F07"_s << u"branch"_s << u"F07"_s;
        QTest::newRow("branch not F") << u"ALTERNATIVFILIALE"_s << u"X07"_s << u"branch"_s << QString();
        QTest::newRow("branch too short") << u"ALTERNATIVFILIALE"_s << u"F"_s << u"branch"_s << QString();
        QTest::newRow("font 14") << u"GRID_SCHRIFT_SIZE"_s << u"14"_s << u"font"_s << u"14"_s;
        QTest::newRow("font below 8") << u"GRID_SCHRIFT_SIZE"_s << u"6"_s << u"font"_s << u"12"_s;
    }
    void localValues() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        LokalIni ini(dir.filePath(u"qtx.ini"_s));
        ini.write(u"OPTIONS"_s, key, value);
        ClientOptions o;
        o.readLocal(ini);
        const QHash<QString, QString> fields{{u"message"_s, QString::number(o.showMessage)},
                                             {u"preis"_s, QString::number(o.showPreis)},
                                             {u"ping"_s, QString::number(o.ping)},
                                             {u"autologin"_s, QString::number(o.autoLogin)},
                                             {u"password"_s, QString::number(o.passwortSpeichern)},
                                             {u"branch"_s, o.alternativFiliale},
                                             {u"font"_s, QString::number(o.gridFontSize)}};
        QCOMPARE(fields.value(field), expected);
    }

    // The server's value wins; a master option answers for its plain key.
    void serverValues() {
        ClientOptions o;
        o.showPreis = 2;
        o.readServer(UserOptions(TBenutzerOptions{{u"_M_SHOWPREIS"_s, u"OFF"_s},
                                                  {u"EAN_AUTOMATIK"_s, u"OFF"_s},
                                                  {u"_M_EMAILSENDEN"_s, u"2"_s},
                                                  {u"BESTELLZEITEN_VERWENDEN"_s, u"ON"_s},
                                                  {u"_M_BELEGE_RECHNUNG_ZEIGEN"_s, u"OFF"_s}}));
        QCOMPARE(o.showPreis, 0);
        QCOMPARE(o.eanAutomatik, 1);
        QCOMPARE(o.emailSenden, 2);
        // Order times are used only when there is one.
        QVERIFY(!o.bestellzeitenVerwenden);
        QCOMPARE(o.belege.value(4), false);
        QCOMPARE(o.belege.value(0), true);
    }

    void pairs() {
        ClientOptions o;
        o.filialPrioritaet = 1;
        o.preisfaktor = u"0,5"_s;
        const QStringList plain = o.serverPairs(false, u"a@b.de"_s, u"EXTRA\tja\t\tleer\tOHNE\t\t"_s);
        QVERIFY(!plain.contains(u"_M_SHOWPREIS"_s));
        QCOMPARE(plain.mid(0, 4),
                 (QStringList{u"NOTIZ_EINGABE_ART"_s, u"0"_s, u"BELEG_EMAILADRESSE"_s, u"a@b.de"_s}));
        // The extra pairs need key and value; the branch priority comes last.
        QCOMPARE(plain.mid(plain.size() - 4),
                 (QStringList{u"EXTRA"_s, u"ja"_s, u"FILIALPRIORITAET"_s, u"KUNDENFILIALE"_s}));
        QCOMPARE(plain.size() % 2, 0);

        const QStringList master = o.serverPairs(true, QString());
        QCOMPARE(master.mid(0, 2), (QStringList{u"_M_BESTELLDATEI_SPEICHERN"_s, u"OFF"_s}));
        QCOMPARE(master.at(2), u"_M_BELEGE_BESTELLUNG_ZEIGEN"_s);
        // A factor below 1 is not sent; from 1 on with five decimals.
        QVERIFY(!master.contains(u"_M_PREISFAKTOR"_s));
        o.preisfaktor = u"1,25"_s;
        const QStringList withFactor = o.serverPairs(true, QString());
        QCOMPARE(withFactor.at(withFactor.indexOf(u"_M_PREISFAKTOR"_s) + 1), u"1,25000"_s);
    }

    void fontSizes_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("medium");
        QTest::newRow("6") << 6 << 0 << 12;
        QTest::newRow("10") << 10 << 0 << 12;
        QTest::newRow("12") << 12 << 1 << 12;
        QTest::newRow("14") << 14 << 1 << 14;
        QTest::newRow("17") << 17 << 1 << 17;
        QTest::newRow("18") << 18 << 2 << 12;
    }
    void fontSizes() {
        QFETCH(int, stored);
        QFETCH(int, index);
        QFETCH(int, medium);
        QCOMPARE(ClientOptions::fontSizeIndex(stored), index);
        QCOMPARE(ClientOptions::fontSizeOf(1, stored), medium);
        QCOMPARE(ClientOptions::fontSizeOf(0, stored), 8);
        QCOMPARE(ClientOptions::fontSizeOf(2, stored), 18);
    }

    void switches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("applies");
        QTest::addColumn<bool>("yq");
        QTest::addColumn<bool>("browser");
        QTest::newRow("both") << u"$*YQ**B*"_s << true << true << true;
        QTest::newRow("browser") << u"$x*B*"_s << true << false << true;
        QTest::newRow("no $") << u"*YQ**B*"_s << false << false << false;
        QTest::newRow("$ later") << u" $*YQ*"_s << false << false << false;
        QTest::newRow("empty") << QString() << false << false << false;
    }
    void switches() {
        QFETCH(QString, text);
        QFETCH(bool, applies);
        QFETCH(bool, yq);
        QFETCH(bool, browser);
        const ClientOptions::SysSwitches s = ClientOptions::sysSwitches(text);
        QCOMPARE(s.applies, applies);
        QCOMPARE(s.yq, yq);
        QCOMPARE(s.browser, browser);
    }

    void branchCodes_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("code");
        QTest::newRow("keine") << u"keine"_s << QString();
        QTest::newRow("F07") << u"F07 Bremen"_s << u"F07"_s;
        QTest::newRow("not a code") << u"Filiale"_s << QString();
    }
    void branchCodes() {
        QFETCH(QString, entry);
        QFETCH(QString, code);
        QCOMPARE(ClientOptions::branchCode(entry), code);
    }

    void filterItems_data() {
        QTest::addColumn<QString>("buchgruppe");
        QTest::addColumn<QString>("kurz");
        QTest::addColumn<QString>("text");
        QTest::newRow("short name differs") << u"7"_s << u"Brems."_s << u"  7  Bremsen\t Brems."_s;
        QTest::newRow("short name equal") << u"120"_s << u"Bremsen"_s << u"120  Bremsen\t"_s;
    }
    void filterItems() {
        QFETCH(QString, buchgruppe);
        QFETCH(QString, kurz);
        QFETCH(QString, text);
        QCOMPARE(ProductGroupFilter::itemText({u"1"_s, buchgruppe, u"Bremsen"_s, kurz, u"1"_s}), text);
    }

    void filterAnswer() {
        QList<TFilterListe> list;
        QVERIFY(ProductGroupFilter::decode(
            {u"1"_s, QString(), u"W1"_s, u"10"_s, u"Filter"_s, u"Filt."_s, u"0"_s}, list));
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().rWGR_ID, u"W1"_s);
        QCOMPARE(list.first().rAktiv, u"0"_s);
        // A count above the entries is no answer.
        QVERIFY(
            !ProductGroupFilter::decode({u"2"_s, QString(), u"W1"_s, u"10"_s, u"F"_s, u"F"_s, u"1"_s}, list));
        QVERIFY(!ProductGroupFilter::decode({u"x"_s}, list));
    }

    void columnWidths() {
        const QStringList headers{u"Artikelnummer"_s, u"Bezeichnung"_s,  u"Bestell-Info"_s,
                                  u"Nettopreis"_s,    u"BRUTTOBETRAG"_s, u"VKKL_ID"_s};
        const QList<int> standard{-1, -1, -1, -1, -1, 0};
        const QList<int> stored{0, 120, 0, 80, 0, 0};
        using DraftColumnChoice::Choice;
        // The important columns: the standard set with the stored widths.
        QCOMPARE(DraftColumnChoice::widths(headers, standard, stored, Choice{0, {}, true}, false),
                 (QList<int>{-1, 120, -1, 80, -1, 0}));
        // User-defined: the listed columns follow the checks; others keep the standard.
        QCOMPARE(
            DraftColumnChoice::widths(headers, standard, stored, Choice{1, {u"Nettopreis"_s}, true}, false),
            (QList<int>{-1, 0, 0, 80, 0, 0}));
        // Without prices always shown, the price columns go whatever is checked.
        QCOMPARE(DraftColumnChoice::widths(headers, standard, stored,
                                           Choice{1, {u"Nettopreis"_s, u"BRUTTOBETRAG"_s}, false}, false),
                 (QList<int>{-1, 0, 0, 0, 0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
