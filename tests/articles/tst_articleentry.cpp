#include "articlefixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestArticleEntry : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    static void transports() { addTransportRows(); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        QString error;
        QVERIFY2(addSpecialArticles(m_server, &error), qPrintable(error));
    }

    // How a typed text resolves from the quick search field.
    void resolve_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("gefunden");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<int>("listed");
        for (bool soap : {false, true}) {
            const char* t = soap ? "SOAP " : "TCP ";
            auto row = [&](const char* name) -> QTestData& { return QTest::addRow("%s%s", t, name) << soap; };
            row("blocked first, successor with # taken") << u"ZZSUC"_s << u"ZZSUC 100#1"_s << u"OK"_s << 2;
            row("blocked first, successor blocked too")
                << u"ZZBLK"_s << u"?"_s << u"2 Artikel gefunden"_s << 2;
            row("exact match at hit 1") << u"ZZTWO"_s << u"ZZTWO"_s << u"OK"_s << 2;
            row("exact match at hit 2 not seen") << u"ZZPOS3"_s << u"?"_s << u"3 Artikel gefunden"_s << 3;
            row("typed without blanks, stored with") << u"ZZBL47"_s << u"ZZ BL 47"_s << u"OK"_s << 2;
            row("lower case typed") << u"zzbl47"_s << u"ZZ BL 47"_s << u"OK"_s << 2;
            row("blanks in the typed text stay")
                << u"ZZ BL47"_s << QString() << u"Artikel nicht gefunden: \"ZZ BL47\"."_s << 0;
            row("blocked single hit") << u"ZZALTE"_s << u"ZZALTE"_s << u"Gesperrt"_s << 1;
            row("nothing") << u"ZZNICHTDA"_s << QString() << u"Artikel nicht gefunden: \"ZZNICHTDA\"."_s << 0;
        }
    }
    void resolve() {
        QFETCH(bool, soap);
        QFETCH(QString, typed);
        QFETCH(QString, gefunden);
        QFETCH(QString, fehler);
        QFETCH(int, listed);
        ArticleHarness h(m_server, soap);
        QVERIFY2(h.login(), qPrintable(h.shown()));
        QSignalSpy hints(h.entry.get(), &ArticleEntry::fieldHintChanged);
        const ArticleResolver::Result r = h.entry->ArtikelNummerChange(u"edArtikel"_s, typed);
        QCOMPARE(r.Artikelgefunden, gefunden);
        QCOMPARE(r.FehlerMessage, fehler);
        QCOMPARE(h.entry->hitListVisible(), listed > 0);
        QCOMPARE(h.entry->hitList().rowCount(), listed);
        QCOMPARE(h.entry->hitListOwner(), u"edArtikel"_s);
        // A failure goes into the field's hint, never into a dialog.
        QCOMPARE(hints.size(), listed == 0 ? 1 : 0);
        QVERIFY(h.dialogs.shown.isEmpty());
        QVERIFY(h.draft.updates.isEmpty());
    }

    void ean_data() { transports(); }
    void ean() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        h.entry->typeAhead().setEanMode(true);
        ArticleResolver::Result r = h.entry->ArtikelNummerChange(u"edArtikel"_s, testEan());
        QCOMPARE(r.Artikelgefunden, u"ZZBL470"_s);
        QVERIFY(h.hasEvent(18, u"Artikel Schnellsuche"_s));
        QCOMPARE(h.events.last()._dummy1, u"EAN=TRUE "_s);

        // Servers below level 15 know no EAN search: nothing is asked, no list.
        h.entry->hidePopups();
        h.session->link().setServerLevel(14);
        r = h.entry->ArtikelNummerChange(u"edArtikel"_s, testEan());
        QVERIFY2(r.FehlerMessage.contains(u"Funktion EAN_ArtikelInfo nicht verfügbar."_s),
                 qPrintable(r.FehlerMessage));
        QVERIFY(r.FehlerMessage.endsWith(u"\r\nEAN-Eingabe (Barcodenummer) ist aktiviert"_s));
        QVERIFY(r.Artikelgefunden.isEmpty());
        QVERIFY(!h.entry->hitListVisible());
    }

    // A number typed into the draft grid goes straight into the line.
    void fromGrid_data() { transports(); }
    void fromGrid() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        const QString id = h.newLine();
        QVERIFY(!id.isEmpty());
        h.draft.grid.setValue(u"Artikelnummer"_s, 1, u"ZZBL47"_s);
        const ArticleResolver::Result r = h.entry->ArtikelNummerChange(u"sgVKKL"_s, u"ZZBL47"_s);
        QCOMPARE(r.FehlerMessage, QString());
        QCOMPARE(r.ArtikelLong.NUMMER, u"ZZ BL 47"_s);
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), u"ZZ BL 47"_s);
        QCOMPARE(h.draft.updates.size(), 1);
        QCOMPARE(h.draft.updates.first().mode, u"4"_s);
        QCOMPARE(h.draft.updates.first().vkklId, id);
        QVERIFY(!h.entry->hitListVisible());

        // Not found: the typed text stays, the message goes into the line.
        const ArticleResolver::Result n = h.entry->ArtikelNummerChange(u"sgVKKL"_s, u"zznichtda"_s);
        QCOMPARE(n.FehlerMessage, u"Artikel nicht gefunden: \"ZZNICHTDA\"."_s);
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), u"zznichtda"_s);
        QCOMPARE(h.draft.grid.value(u"ErrorMessage"_s, 1), n.FehlerMessage);
        QVERIFY(h.dialogs.shown.isEmpty());

        // Blocked: the confirmed article comes back, nothing is written.
        h.draft.grid.setValue(u"Artikelnummer"_s, 1, u"ZZALTE"_s);
        const ArticleResolver::Result b = h.entry->ArtikelNummerChange(u"sgVKKL"_s, u"ZZALTE"_s);
        QCOMPARE(b.FehlerMessage, u"Artikel ZZALTE ist gesperrt oder nicht lieferbar."_s);
        QCOMPARE(h.shown(), b.FehlerMessage + u"\r\nKeine Alternativartikel mit Bestand gefunden."_s);
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), u"ZZ BL 47"_s);
        QCOMPARE(h.draft.updates.size(), 1);
    }

    // Phone-only articles are refused on every way in.
    void phoneOnly_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("path");
        for (bool soap : {false, true}) {
            for (const char* path : {"grid", "hit list", "field"})
                QTest::addRow("%s %s", soap ? "SOAP" : "TCP", path) << soap << QString::fromLatin1(path);
        }
    }
    void phoneOnly() {
        QFETCH(bool, soap);
        QFETCH(QString, path);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        QVERIFY(!h.newLine().isEmpty());
        if (path == u"grid") {
            h.draft.grid.setValue(u"Artikelnummer"_s, 1, u"ZZHX80"_s);
            h.entry->ArtikelNummerChange(u"sgVKKL"_s, u"ZZHX80"_s);
        } else {
            h.entry->ArtikelNummerChange(u"edArtikel"_s, u"ZZHX80"_s);
            if (path == u"hit list")
                h.search->takeHit(0);
            else
                h.search->fieldEnter(u"ZZHX80"_s, 0);
        }
        QCOMPARE(h.dialogs.shown.size(), 1);
        QVERIFY(h.shown().startsWith(u"Artikel ist nur telefonisch bestellbar, bitte anrufen:\r\n"_s));
        QCOMPARE(h.shown().left(56), h.session->phoneOnlyText().left(56));
        QVERIFY(h.draft.updates.isEmpty());
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), QString());
    }

    // "DLP" articles are refused from the hit list, while the grid takes them.
    void dlp_data() { transports(); }
    void dlp() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        QVERIFY(!h.newLine().isEmpty());
        h.entry->ArtikelNummerChange(u"edArtikel"_s, u"DLP4711"_s);
        QVERIFY(h.entry->hitListVisible());
        h.search->takeHit(0);
        QCOMPARE(h.shown(),
                 u"Artikel DLP4711 ist gesperrt oder nicht lieferbar.\r\nKeine Alternativartikel mit "
                 "Bestand gefunden."_s);
        QVERIFY(h.draft.updates.isEmpty());

        h.session->setOption(u"ALTERNATIVARTIKEL_MIT_BESTAND"_s, u"1"_s);
        h.dialogs.shown.clear();
        h.search->takeHit(0);
        QCOMPARE(h.shown(), u"Artikel DLP4711 ist gesperrt oder nicht lieferbar.\r\nKeine Alternativartikel "
                            "gefunden."_s);

        h.draft.grid.setValue(u"Artikelnummer"_s, 1, u"DLP4711"_s);
        h.entry->ArtikelNummerChange(u"sgVKKL"_s, u"DLP4711"_s);
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), u"DLP4711"_s);
        QCOMPARE(h.draft.updates.size(), 1);
    }

    void infoPanelPrice_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("showPreis");
        for (bool soap : {false, true}) {
            for (const char* mode : {"ON", "ONMOUSEOVER", "OFF"})
                QTest::addRow("%s %s", soap ? "SOAP" : "TCP", mode) << soap << QString::fromLatin1(mode);
        }
    }
    void infoPanelPrice() {
        QFETCH(bool, soap);
        QFETCH(QString, showPreis);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        h.session->setOption(u"SHOWPREIS"_s, showPreis);
        h.entry->ArtikelNummerChange(u"edArtikel"_s, u"ZZBL470"_s);
        h.search->browse(0);
        QVERIFY(h.entry->infoVisible());
        const QList<ArticleInfoRow>& rows = h.entry->infoRows();
        QCOMPARE(rows.size(), 13);
        QCOMPARE(rows.first().value, u"ZZBL470"_s);
        const ArticleInfoRow net = rows.at(10);
        QCOMPARE(net.caption, u"Nettopreis"_s);
        if (showPreis == u"ON") {
            QVERIFY2(net.value.endsWith(u" €"_s) && net.value.size() > 2, qPrintable(net.value));
            QVERIFY(net.tip.isEmpty());
        } else if (showPreis == u"ONMOUSEOVER") {
            QCOMPARE(net.value, u"?"_s);
            QVERIFY2(net.tip.endsWith(u" €"_s) && net.tip.size() > 2, qPrintable(net.tip));
        } else {
            QCOMPARE(net.value, u"-"_s);
            QVERIFY(net.tip.isEmpty());
        }
        QCOMPARE(rows.at(1).value, u"Filtertechnik Weser AG"_s);
        QVERIFY(h.hasEvent(14, u"Schnellsuche gefunden"_s));
    }

    // F11: alternatives of a draft row, highest stock first, equal stock by text descending.
    void alternatives_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("mitBestand");
        QTest::addColumn<QStringList>("numbers");
        for (bool soap : {false, true}) {
            const char* t = soap ? "SOAP" : "TCP";
            QTest::addRow("%s only with stock", t)
                << soap << u"0"_s << QStringList{u"ZZALTC"_s, u"ZZALTB"_s, u"ZZALTA"_s};
            QTest::addRow("%s also without stock", t)
                << soap << u"1"_s << QStringList{u"ZZALTC"_s, u"ZZALTB"_s, u"ZZALTA"_s, u"ZZALTF"_s};
        }
    }
    void alternatives() {
        QFETCH(bool, soap);
        QFETCH(QString, mitBestand);
        QFETCH(QStringList, numbers);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        h.session->setOption(u"ALTERNATIVARTIKEL_MIT_BESTAND"_s, mitBestand);
        h.draft.setLine(1, u"1"_s, u"ZZMAIN"_s, u"1"_s);
        QSignalSpy focus(h.entry.get(), &ArticleEntry::focusRequested);
        h.search->alternativesForRow(1, QPoint(10, 20));
        const StringGrid& g = h.entry->alternatives().grid();
        QCOMPARE(g.cell(0, 0), u"Alternativartikel für \"ZZMAIN\":"_s);
        QStringList listed;
        for (int row = 1; row < g.rowCount(); ++row)
            listed << AlternativeSearch::numberOf(g.cell(0, row));
        QCOMPARE(listed, numbers);
        QVERIFY2(g.cell(0, 1).startsWith(u"ZZALTC | Netto="_s), qPrintable(g.cell(0, 1)));
        QVERIFY2(g.cell(0, 1).endsWith(u" | Menge=9 Austauschbar"_s), qPrintable(g.cell(0, 1)));
        QVERIFY(g.cell(0, 3).endsWith(u" | Menge=5 Ersetzt"_s));
        QVERIFY(h.entry->alternatives().visible());
        QCOMPARE(focus.last().at(0).value<ArticleEntry::Focus>(), ArticleEntry::Focus::Alternatives);
        // Without a target the successor is only reported.
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown.first().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(h.shown(), u"Artikel \"ZZMAIN\" wurde abgelöst durch \"ZZALTA\""_s);
    }

    // Taking a hit writes the article into the line and opens the quantity.
    void takeHit_data() { transports(); }
    void takeHit() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        QVERIFY(!h.newLine().isEmpty());
        QSignalSpy cells(h.search.get(), &QuickSearch::activateCell);
        QVERIFY(h.search->typeDelayElapsed(u"ZZBL47"_s, true));
        QCOMPARE(h.entry->hitList().rowCount(), 2);
        h.search->takeHit(0);
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), u"ZZ BL 47"_s);
        // A changed technical unit gives one unit of it.
        QVERIFY2(h.dialogs.shown.isEmpty(), qPrintable(h.shown() + h.draft.grid.row(1).join(u"|"_s)));
        QCOMPARE(h.draft.grid.value(u"Menge"_s, 1), u"2"_s);
        QCOMPARE(h.search->fieldText(), u"ZZ BL 47"_s);
        QVERIFY(h.hasEvent(18, u"Artikel in Warenkorb"_s));
        QVERIFY(!h.entry->hitListVisible());
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells.first().at(0).toString(), u"Menge"_s);
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    // Enter in the field: first the list, then the article.
    void fieldEnter_data() { transports(); }
    void fieldEnter() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        QVERIFY(!h.newLine().isEmpty());
        QSignalSpy selected(h.search.get(), &QuickSearch::selectHit);
        QVERIFY(h.search->typeDelayElapsed(u"ZZBL470"_s, true));
        h.search->fieldEnter(u"ZZBL470"_s, -1);
        QCOMPARE(selected.size(), 1);
        QVERIFY(h.entry->infoVisible());
        QVERIFY(h.draft.updates.isEmpty());
        h.search->fieldEnter(u"ZZBL470"_s, 0);
        QCOMPARE(h.draft.grid.value(u"Artikelnummer"_s, 1), u"ZZBL470"_s);
        QCOMPARE(h.draft.grid.value(u"Menge"_s, 1), u"1"_s);
        QVERIFY(h.hasEvent(18, u"Artikel in Warenkorb"_s));
        QCOMPARE(h.events.last()._dummy1, u"EAN=FALSE "_s);
        QCOMPARE(h.events.last()._dummy2, u"ROW=1 TOTAL=1"_s);
        QVERIFY(!h.entry->hitListVisible());
    }

    void typeAhead_data() { transports(); }
    void typeAhead() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(!h.search->typeDelayElapsed(u"ZZBL47"_s, true)); // not logged in
        QVERIFY(h.login());
        QVERIFY(!h.search->typeDelayElapsed(u"ZZB"_s, false));
        QVERIFY(!h.search->typeDelayElapsed(u"ZZ"_s, true));
        QVERIFY(h.search->typeDelayElapsed(u"ZZBL47"_s, true));
        QVERIFY(!h.search->typeDelayElapsed(u"ZZBL47"_s, true));
        QVERIFY(h.events.isEmpty());

        const QString missing = soap ? u"ZZMISS-S"_s : u"ZZMISS-T"_s;
        QVERIFY(h.search->typeDelayElapsed(missing, true));
        QVERIFY(h.hasEvent(15, u"Schnellsuche nicht gefunden"_s));
        QCOMPARE(h.events.last()._Artikel, missing);
        // The text was added to the server's list of texts that found nothing.
        const QString list = h.session->read_inkrement(u"_COUNTER_NOTFOUND_SCHNELLSUCHE"_s, u"X"_s);
        QVERIFY2(list.contains(missing + u";X"_s), qPrintable(list));

        // Switching the EAN mode forgets the last text.
        QVERIFY(h.search->typeDelayElapsed(u"ZZBL47"_s, true));
        h.dialogs.answers.enqueue(Dialogs::Answer::No);
        QVERIFY(!h.search->setEanMode(true, true));
        QVERIFY(h.search->typeDelayElapsed(u"ZZBL47"_s, true));
        QCOMPARE(h.dialogs.shown.last().title, u"EAN-Suche aktivieren"_s);
    }

    // Browsing an article without stock in the customer's branch offers its successor.
    void successorWhileBrowsing_data() { transports(); }
    void successorWhileBrowsing() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        QSignalSpy later(h.search.get(), &QuickSearch::enterLater);
        h.entry->ArtikelNummerChange(u"edArtikel"_s, u"ZZMAIN"_s);
        h.dialogs.answers.enqueue(Dialogs::Answer::No);
        h.search->browse(0);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown.first().title, u"Abgelöster Artikel"_s);
        QCOMPARE(h.shown(),
                 u"Artikel \"ZZMAIN\" wurde abgelöst durch \"ZZALTA\"\r\nAbgelösten Artikel verwenden?"_s);
        QCOMPARE(later.size(), 0);
        // Declined: the alternatives are listed, collapsed to the heading.
        QVERIFY(h.entry->alternatives().visible());
        QVERIFY(!h.entry->alternatives().expanded());

        h.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        h.search->browse(0);
        QCOMPARE(later.size(), 1);
        QCOMPARE(h.search->fieldText(), u"ZZALTA"_s);
        QCOMPARE(h.entry->hitList().cell(0, u"NUMMER"_s), u"ZZALTA"_s);
    }

    void setArtikelError_data() { transports(); }
    void setArtikelError() {
        QFETCH(bool, soap);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login());
        h.draft.setLine(1, u"987654321"_s);
        QSignalSpy status(h.entry.get(), &ArticleEntry::statusText);
        const QString error = h.entry->set_Artikel(1, u"ZZBL47"_s, u"3"_s, false);
        QVERIFY2(error.endsWith(u" Zeile 1"_s) && error.size() > 8, qPrintable(error));
        QCOMPARE(h.shown(), error);
        QVERIFY(status.last().at(1).toString().startsWith(u"ERR: \""_s));
        // The quantity is only written on success.
        QCOMPARE(h.draft.grid.value(u"Menge"_s, 1), QString());

        h.session->setOption(u"SHOWMESSAGE"_s, u"OFF"_s);
        h.dialogs.shown.clear();
        QVERIFY(!h.entry->set_Artikel(1, u"ZZBL47"_s, QString(), false).isEmpty());
        QVERIFY(h.dialogs.shown.isEmpty());
    }

    // The multiple-login check only runs over SOAP.
    void multipleLogin_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("alleHolen");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("finding");
        const QString shop = u"tsVerkaufskladde"_s;
        const QString returns = u"tsRuecklieferung"_s;
        QTest::newRow("TCP never") << false << u"RL"_s << true << shop << QString();
        QTest::newRow("return line in the shop")
            << true << u"RL"_s << false << shop << u"Im Warenkorb wurden Rücklieferzeilen gefunden."_s;
        QTest::newRow("return line on the returns tab") << true << u"RL"_s << false << returns << QString();
        QTest::newRow("sale line on the returns tab")
            << true << u"VK"_s << false << returns
            << u"Im Rücklieferungsmodus wurden Verkaufszeilen gefunden."_s;
        QTest::newRow("sale line, server has none")
            << true << u"VK"_s << true << shop << u"Unterschiedliche Anzahl der Zeilen."_s;
        QTest::newRow("sale line, not compared") << true << u"VK"_s << false << shop << QString();
    }
    void multipleLogin() {
        QFETCH(bool, soap);
        QFETCH(QString, art);
        QFETCH(bool, alleHolen);
        QFETCH(QString, page);
        QFETCH(QString, finding);
        ArticleHarness h(m_server, soap);
        QVERIFY(h.login(u"CHEF"_s, u"chef"_s));
        h.draft.grid.setValue(u"Bezeichnung"_s, 1, u"Ölfilter"_s);
        h.draft.grid.setValue(u"ART"_s, 1, art);
        h.dialogs.answers.enqueue(Dialogs::Answer::No);
        QCOMPARE(h.entry->mehrfach_gefunden(u"Test"_s, page, alleHolen, false), !finding.isEmpty());
        QVERIFY(h.ending.calls.isEmpty());
        if (finding.isEmpty()) {
            QVERIFY(h.dialogs.shown.isEmpty());
            return;
        }
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown.first().title, u"Programm beenden"_s);
        QVERIFY(h.shown().startsWith(finding +
                                     u"\r\nDer Warenkorb hat sich geändert.\r\nBenutzer \"CHEF\" ist "
                                     "vermutlich mehrfach angemeldet!\r\n"_s));
        QVERIFY(h.shown().endsWith(u"\r\nSoll das Programm beendet werden ?"_s));
        // Yes ends the program.
        h.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(h.entry->mehrfach_gefunden(u"Test"_s, page, alleHolen, false));
        QCOMPARE(h.ending.calls.size(), 1);
        QCOMPARE(h.ending.calls.first().info, u"mehrfach_gefunden "_s);
    }
};

QTEST_GUILESS_MAIN(TestArticleEntry)
#include "tst_articleentry.moc"
