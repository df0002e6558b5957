#include "model/uitexts.h"

#include <QSet>
#include <QTest>

#include <limits>

// The message text table: its keys and names, and the Delphi-style formatting
// the texts of the language files are written for.
class TestUiTexts : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Txt::resetAll(); }

    void keysHaveUniqueNamesThatFindThemselves() {
        QCOMPARE(int(Txt::KeyCount), 193);
        QSet<QString> names;
        for (int k = 0; k < Txt::KeyCount; ++k) {
            const Txt::Key key = Txt::Key(k);
            const QString name = Txt::keyName(key);
            QVERIFY2(name.startsWith(u'_') && name.size() > 1, qPrintable(name));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QCOMPARE(Txt::find(name), key);
            QVERIFY2(!Txt::germanText(key).isEmpty(), qPrintable(name));
        }
    }

    void unknownNamesAndKeys() {
        QCOMPARE(Txt::find(u"Zustellung"), Txt::KeyCount); // without the "_"
        QCOMPARE(Txt::find(u"_zustellung"), Txt::KeyCount);
        QCOMPARE(Txt::find(u""), Txt::KeyCount);
        QVERIFY(Txt::keyName(Txt::KeyCount).isEmpty());
        QVERIFY(Txt::get(Txt::KeyCount).isEmpty());
        Txt::set(Txt::KeyCount, QStringLiteral("x")); // ignored
        QVERIFY(Txt::get(Txt::KeyCount).isEmpty());
    }

    void setReplacesUntilReset() {
        QCOMPARE(Txt::get(Txt::Querformat), QStringLiteral("Querformat"));
        Txt::set(Txt::Querformat, QStringLiteral("Liggend"));
        QCOMPARE(Txt::get(Txt::Querformat), QStringLiteral("Liggend"));
        QCOMPARE(Txt::germanText(Txt::Querformat), QStringLiteral("Querformat"));
        QCOMPARE(Txt::get(Txt::keinBelegNr, {QStringLiteral("A1")}),
                 QStringLiteral("Belegnummer \"A1\" nicht gefunden."));
        Txt::resetAll();
        QCOMPARE(Txt::get(Txt::Querformat), QStringLiteral("Querformat"));
    }

    void format_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QString>("text");
        QTest::newRow("%s") << QStringLiteral("Artikel \"%s\"") << QVariantList{QStringLiteral("4711")}
                            << QStringLiteral("Artikel \"4711\"");
        QTest::newRow("%s twice, in order")
            << QStringLiteral("%s durch %s") << QVariantList{QStringLiteral("A"), QStringLiteral("B")}
            << QStringLiteral("A durch B");
        QTest::newRow("%d") << QStringLiteral("Es sind %d Positionen") << QVariantList{42}
                            << QStringLiteral("Es sind 42 Positionen");
        QTest::newRow("%d negative") << QStringLiteral("%d") << QVariantList{-7} << QStringLiteral("-7");
        QTest::newRow("%2.2d pads with zeros")
            << QStringLiteral("max. %2.2d Zeichen") << QVariantList{5} << QStringLiteral("max. 05 Zeichen");
        QTest::newRow("%2.2d wider number")
            << QStringLiteral("%2.2d") << QVariantList{123} << QStringLiteral("123");
        QTest::newRow("%8.2f comma, no grouping")
            << QStringLiteral("netto: %8.2f EUR") << QVariantList{1234.5}
            << QStringLiteral("netto:  1234,50 EUR");
        QTest::newRow("%8.2f beyond the width")
            << QStringLiteral("%8.2f") << QVariantList{1234567.891} << QStringLiteral("1234567,89");
        QTest::newRow("%1.3f") << QStringLiteral("%1.3f Sekunden.") << QVariantList{0.25}
                               << QStringLiteral("0,250 Sekunden.");
        QTest::newRow("%%") << QStringLiteral("inkl. %s%% MWSt.") << QVariantList{QStringLiteral("19")}
                            << QStringLiteral("inkl. 19% MWSt.");
        QTest::newRow("missing argument stays empty")
            << QStringLiteral("Gefundene Artikel: %d | Zeit benötigt: %s ") << QVariantList{3}
            << QStringLiteral("Gefundene Artikel: 3 | Zeit benötigt:  ");
        QTest::newRow("no arguments at all")
            << QStringLiteral("[%s|%2.2d|%8.2f]") << QVariantList{} << QStringLiteral("[||]");
        QTest::newRow("argument text is not a pattern")
            << QStringLiteral("\"%s\"") << QVariantList{QStringLiteral("50%s %d")}
            << QStringLiteral("\"50%s %d\"");
        QTest::newRow("unknown type kept")
            << QStringLiteral("%x und %s") << QVariantList{QStringLiteral("a")} << QStringLiteral("%x und a");
        QTest::newRow("lone % at the end")
            << QStringLiteral("100%") << QVariantList{} << QStringLiteral("100%");
        QTest::newRow("%d smallest number")
            << QStringLiteral("%3.3d") << QVariantList{std::numeric_limits<qlonglong>::min()}
            << QStringLiteral("-9223372036854775808");
        QTest::newRow("left-justified")
            << QStringLiteral("[%-4s]") << QVariantList{QStringLiteral("ab")} << QStringLiteral("[ab  ]");
    }
    void format() {
        QFETCH(QString, pattern);
        QFETCH(QVariantList, args);
        QFETCH(QString, text);
        QCOMPARE(Txt::format(pattern, args), text);
    }

    // A language file's pattern with an absurd width neither overflows nor
    // pads to gigabytes.
    void hugeWidthIsBounded() {
        const QString text = Txt::format(QStringLiteral("%99999999999999999999.99999999999999999999d|"), {7});
        QVERIFY(text.size() <= 1100);
        QVERIFY(text.endsWith(QStringLiteral("7|")));
    }
};

QTEST_GUILESS_MAIN(TestUiTexts)
#include "tst_uitexts.moc"
