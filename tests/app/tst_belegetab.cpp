#include "app/startup.h"
#include "app/ui/belegetab.h"
#include "clientrig.h"
#include "documents/documentbrowser.h"
#include "documents/documentkinds.h"
#include "documents/ui/belegepage.h"
#include "documents/ui/belegversendenform.h"
#include "recordingservices.h"
#include "session/lokalini.h"

#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

// The "Belege" tab of the real main window against qtx-server: searches of
// every kind, the lines of a head, the gates and filters of the options,
// sorting, printing, the CSV export and the document request.
class TestBelegeTab : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    struct Tab {
        ClientRig& rig;
        DocumentBrowser& browser;
        BelegePage& page;
    };

    static bool open(ClientRig& s, const QString& kdnr = u"10000"_s, const QString& user = u"DEMO"_s,
                     const QString& password = u"demo"_s) {
        if (!s.start()) {
            qWarning("start failed");
            return false;
        }
        if (!s.login(kdnr, user, password)) {
            qWarning("login failed: %s", qPrintable(s.boxes() + s.lastLog(10)));
            return false;
        }
        if (!s.showWindow())
            return false;
        s.dialogs.shown.clear();
        auto* pages = s.child<QTabWidget>(u"PageControl"_s);
        pages->setCurrentWidget(&s.client->belege()->belegePage());
        if (pages->currentWidget()->objectName() != u"tsBelege")
            qWarning("page %s: %s", qPrintable(pages->currentWidget()->objectName()),
                     qPrintable(s.boxes() + s.lastLog(10)));
        return pages->currentWidget()->objectName() == u"tsBelege";
    }

    static Tab tab(ClientRig& s) {
        return {s, s.client->belege()->browser(), s.client->belege()->belegePage()};
    }

    // A search over the last year by a click on the kind's label.
    static void searchYear(ClientRig& s, const QString& label, int days = 365) {
        s.child<QDateEdit>(u"vonDatum"_s)->setDate(QDate::currentDate().addDays(-days));
        s.child<QDateEdit>(u"bisDatum"_s)->setDate(QDate::currentDate());
        s.child<QPushButton>(label)->click();
    }

    static QStringList column(const StringGrid& grid, const QString& header) {
        QStringList cells;
        const int c = grid.column(header);
        for (int r = 1; r < grid.rowCount(); ++r)
            cells << grid.cell(c, r);
        return cells;
    }

    static void clickHead(ClientRig& s, int row) {
        QTableView* view = s.child<QTableView>(u"sgBelege"_s);
        int visible = 0;
        while (view->isColumnHidden(visible))
            ++visible;
        const QRect r = view->visualRect(view->model()->index(row - 1, visible));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }

    static QString pdfText(const QString& file) {
        QProcess p;
        p.start(u"pdftotext"_s, {u"-layout"_s, file, u"-"_s});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }
    // Leaving the Shop tab compares the draft order with the server's.
    void init() { QVERIFY(ClientRig::clearDraft(m_server)); }
    void cleanup() {
        ClientRig::setOption(m_server, u"_M_BELEGE_BESTELLUNG_ZEIGEN"_s, u"ON"_s);
        ClientRig::setOption(m_server, u"_M_BELEGE_BESTELLUNGPREISE_ZEIGEN"_s, u"ON"_s);
        ClientRig::clearOption(m_server, u"BELEG_LIEFERADRESSE_FILTER"_s);
    }

    // Every head kind by date range, and a click on a head that shows its lines.
    void headsAndLines_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("lineColumn");
        for (const bool soap : {false, true}) {
            const char* t = soap ? "SOAP" : "TCP";
            QTest::addRow("%s: orders", t) << soap << u"L_Bestellungen"_s << 0 << u"Artikelnummer"_s;
            QTest::addRow("%s: delivery notes", t) << soap << u"L_Lieferscheine"_s << 2 << u"Artikelnummer"_s;
            QTest::addRow("%s: invoices", t) << soap << u"L_Rechnungen"_s << 4 << u"Artikelnummer"_s;
            QTest::addRow("%s: credit notes", t) << soap << u"L_Gutschriften"_s << 6 << u"Artikelnummer"_s;
            QTest::addRow("%s: offers", t) << soap << u"L_Angebote"_s << 10 << u"Artikel"_s;
        }
    }
    void headsAndLines() {
        QFETCH(bool, soap);
        QFETCH(QString, label);
        QFETCH(int, kind);
        QFETCH(QString, lineColumn);
        ClientRig s(m_server, soap);
        QVERIFY(open(s));
        Tab t = tab(s);
        searchYear(s, label);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.boxes() + s.lastLog(15)));
        QCOMPARE(t.browser.currentKind(), kind);
        QVERIFY(t.browser.heads().rowCount() > 1);
        QVERIFY(s.child<QTableView>(u"sgBelege"_s)->isVisible());
        QCOMPARE(s.child<QLabel>(u"PanBelegArt"_s)->text(),
                 u"Aktuelle Belegart: "_s + DocumentKind::info(kind).label);
        // Every head is the customer's.
        if (kind != 10) {
            const int kdnr = t.browser.heads().column(u"KUNDENNR"_s);
            for (int r = 1; r < t.browser.heads().rowCount(); ++r)
                QCOMPARE(t.browser.heads().cell(kdnr, r), u"10000"_s);
        }
        clickHead(s, 1);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.boxes()));
        QTableView* lines = s.child<QTableView>(u"sgBelegZeilen"_s);
        QVERIFY(lines->isVisible());
        QVERIFY(t.browser.lines().rowCount() > 1);
        const int c = t.browser.lines().column(lineColumn);
        QVERIFY(c >= 0);
        QVERIFY(!lines->isColumnHidden(c));
        QVERIFY(!t.browser.lines().cell(c, 1).isEmpty());
        QVERIFY(s.child<QPushButton>(u"BtSaveCSV"_s)->isEnabled());
        QVERIFY(s.child<QPushButton>(u"BtBelegAnfordern"_s)->isEnabled());
        // The number of the head went into edBelegnr.
        QVERIFY(!s.child<QLineEdit>(u"edBelegnr"_s)->text().isEmpty());
    }

    // Booking lines of a date range (kind 13) fill the lines grid directly.
    void bookingLines_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<bool>("credits");
        QTest::newRow("TCP: invoice lines") << false << false;
        QTest::newRow("SOAP: invoice lines") << true << false;
        QTest::newRow("TCP: credit-note lines") << false << true;
    }
    void bookingLines() {
        QFETCH(bool, soap);
        QFETCH(bool, credits);
        ClientRig s(m_server, soap);
        QVERIFY(open(s));
        Tab t = tab(s);
        const auto radios = s.form->findChildren<QRadioButton*>();
        for (QRadioButton* r : radios)
            if (r->text() == (credits ? u"Gutschriften"_s : u"Rechnungen"_s))
                r->setChecked(true);
        searchYear(s, u"L_Buchungen"_s);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.boxes()));
        QCOMPARE(t.browser.currentKind(), credits ? 15 : 13);
        QVERIFY(!s.child<QTableView>(u"sgBelege"_s)->isVisible());
        QVERIFY(s.child<QTableView>(u"sgBelegZeilen"_s)->isVisible());
        QVERIFY(t.browser.lines().rowCount() > 1);
        QCOMPARE(t.browser.lines().cell(0, 1), credits ? u"GU"_s : u"RE"_s);
        QCOMPARE(t.browser.lines().header(1), credits ? u"GU_NR"_s : u"RG_NR"_s);
    }

    // The hover preview of a selected invoice head, in a fixed-width font.
    void preview() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        Tab t = tab(s);
        searchYear(s, u"L_Rechnungen"_s);
        clickHead(s, 2);
        const QString number = s.child<QLineEdit>(u"edBelegnr"_s)->text();
        const QString text = t.page.previewText();
        QVERIFY2(text.startsWith(u"R E C H N U N G"_s.rightJustified(55)), qPrintable(text));
        QVERIFY(text.contains(u"Rechnungsnummer:"_s.leftJustified(22) + number.rightJustified(21)));
        QVERIFY(text.contains(u"Leistungsdatum ist Lieferscheindatum"_s));
        QTableView* view = s.child<QTableView>(u"sgBelege"_s);
        QVERIFY(view->toolTip().contains(u"Courier New"_s));
        QVERIFY(view->toolTip().contains(number));
        // Over the selected row the preview shows at once; over another row it goes.
        const QRect selected = view->visualRect(view->currentIndex());
        QTest::mouseMove(view->viewport(), selected.center());
        auto* hint = t.page.findChild<QLabel*>(u"PreviewHint"_s);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), text);
        QVERIFY2(
            QFontInfo(hint->font()).fixedPitch(),
            qPrintable(QFontInfo(hint->font()).family() + u" / "_s + hint->font().families().join(u',')));
        QTest::mouseMove(view->viewport(), selected.center() + QPoint(0, selected.height()));
        QVERIFY(!hint->isVisible());
        // A new search drops the preview.
        searchYear(s, u"L_Gutschriften"_s);
        QCOMPARE(t.page.previewText(), QString());
    }

    // Open backorder lines of the customer, in the lines grid.
    void backorders_data() {
        QTest::addColumn<bool>("soap");
        QTest::newRow("TCP") << false;
        QTest::newRow("SOAP") << true;
    }
    void backorders() {
        QFETCH(bool, soap);
        ClientRig s(m_server, soap);
        QVERIFY(open(s));
        Tab t = tab(s);
        QCOMPARE(s.child<QPushButton>(u"L_Rueckstaende"_s)->text(), u"Besorgungen"_s);
        searchYear(s, u"L_Rueckstaende"_s);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.boxes()));
        QCOMPARE(s.child<QLabel>(u"PanBelegArt"_s)->text(), u"Aktuelle Belegart: Besorgungen"_s);
        QVERIFY(!s.child<QTableView>(u"sgBelege"_s)->isVisible());
        const StringGrid& lines = t.browser.lines();
        QVERIFY(lines.rowCount() > 1);
        for (int r = 1; r < lines.rowCount(); ++r) {
            QVERIFY(lines.value(u"Menge"_s, r) != u"0");
            QVERIFY(lines.value(u"Restmenge"_s, r) != u"0");
        }
        QVERIFY(!s.child<QTableView>(u"sgBelegZeilen"_s)->isColumnHidden(lines.column(u"Auftragsdatum"_s)));
        QCOMPARE(t.browser.view().linesHint,
                 u"Anzahl Rückstandszeilen "_s + QString::number(lines.rowCount() - 1));
    }

    // The column popup of booking lines: hide a column, keep it for the next login.
    void bookingColumns() {
        {
            ClientRig s(m_server, false);
            QVERIFY(open(s));
            Tab t = tab(s);
            searchYear(s, u"L_Buchungen"_s);
            t.browser.hideColumn(u"Straße"_s);
            QVERIFY(s.child<QTableView>(u"sgBelegZeilen"_s)->isColumnHidden(5));
            t.browser.showColumn(u"PLZ"_s);
            QVERIFY(!s.child<QTableView>(u"sgBelegZeilen"_s)->isColumnHidden(5));
            t.browser.hideColumn(u"Straße"_s);
            t.browser.hideColumn(u"Mitgl"_s);
            s.dialogs.shown.clear();
            t.browser.hideColumn(u"Gibtsnicht"_s);
            QCOMPARE(s.boxes(), u"Spalte \"Gibtsnicht\" nicht gefunden, kann nicht ausgeblendet werden."_s);
            t.browser.saveColumnConfig();
        }
        QCOMPARE(
            ClientRig::serverSql(
                m_server,
                u"SELECT BESE_VALUE FROM BENUTZER_OPTION WHERE BESE_KEY = 'BUCHUNGSZEILEN_SPALTEN_CONFIG'"_s),
            u"5;14;"_s);
        ClientRig s(m_server, true);
        QVERIFY(open(s));
        searchYear(s, u"L_Buchungen"_s);
        QTableView* view = s.child<QTableView>(u"sgBelegZeilen"_s);
        QVERIFY(view->isColumnHidden(5) && view->isColumnHidden(14) && !view->isColumnHidden(6));
        ClientRig::clearOption(m_server, u"BUCHUNGSZEILEN_SPALTEN_CONFIG"_s);
    }

    // The date pickers keep from before to.
    void datePickers() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        auto* from = s.child<QDateEdit>(u"vonDatum"_s);
        auto* to = s.child<QDateEdit>(u"bisDatum"_s);
        to->setDate(QDate(2026, 11, 30));
        from->setDate(QDate(2026, 12, 5));
        Q_EMIT from->editingFinished();
        QCOMPARE(to->date(), QDate(2026, 12, 5));
        to->setDate(QDate(2026, 11, 1));
        Q_EMIT to->editingFinished();
        QCOMPARE(from->date(), QDate(2026, 11, 1));
    }

    void numberNotFound() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        s.child<QLineEdit>(u"edBelegnr"_s)->setText(u"999999"_s);
        for (QRadioButton* r : s.form->findChildren<QRadioButton*>())
            if (r->text() == u"Suche nach Belegnummer")
                r->setChecked(true);
        s.child<QPushButton>(u"L_Rechnungen"_s)->click();
        QCOMPARE(s.boxes(), u"Belegnummer \"999999\" nicht gefunden."_s);
        QCOMPARE(tab(s).browser.heads().rowCount(), 1);
    }

    // A number of another customer is not found either.
    void anotherCustomersNumberIsNotFound() {
        const QString other = ClientRig::serverSql(
            m_server, u"SELECT NUMMER FROM DEBITORRECHNUNGSKOPF WHERE KUNDENNR = '10001'"_s);
        QVERIFY(!other.isEmpty());
        ClientRig s(m_server, true);
        QVERIFY(open(s));
        s.child<QLineEdit>(u"edBelegnr"_s)->setText(other);
        for (QRadioButton* r : s.form->findChildren<QRadioButton*>())
            if (r->text() == u"Suche nach Belegnummer")
                r->setChecked(true);
        s.child<QPushButton>(u"L_Rechnungen"_s)->click();
        QCOMPARE(s.boxes(), u"Belegnummer \"%1\" nicht gefunden."_s.arg(other));
    }

    void gateOff() {
        QVERIFY(ClientRig::setOption(m_server, u"_M_BELEGE_BESTELLUNG_ZEIGEN"_s, u"OFF"_s));
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        for (const QString& label : {u"L_Bestellungen"_s, u"L_Rueckstaende"_s}) {
            s.dialogs.shown.clear();
            searchYear(s, label);
            QCOMPARE(s.boxes(), u"Diese Belegabfrage ist derzeit nicht freigegeben.\r\nSie können die "
                                u"Einstellungen im Menü \"Optionen\" unter \"Belege\" ändern."_s);
            QCOMPARE(s.child<QLabel>(u"PanBelegArt"_s)->text(), QString());
        }
        // Offers are never gated.
        s.dialogs.shown.clear();
        searchYear(s, u"L_Angebote"_s);
        QVERIFY2(s.dialogs.shown.isEmpty(), qPrintable(s.boxes()));
    }

    void addressFilter() {
        QVERIFY(ClientRig::setOption(m_server, u"BELEG_LIEFERADRESSE_FILTER"_s, u"1;3"_s));
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        Tab t = tab(s);
        for (const QString& label : {u"L_Bestellungen"_s, u"L_Lieferscheine"_s, u"L_Rechnungen"_s}) {
            searchYear(s, label, 90);
            const QStringList addresses = column(t.browser.heads(), u"Lieferadr"_s);
            QVERIFY2(!addresses.isEmpty(), qPrintable(label));
            for (const QString& a : addresses)
                QVERIFY2(a == u"1" || a == u"3", qPrintable(label + u' ' + a));
            // The server reported more than are shown.
            QVERIFY(t.browser.view().captionHint.section(u' ', 0, 0).toInt() > addresses.size());
        }
    }

    // A header click sorts one way, the next the other; dates as dates.
    void sortByDate() {
        ClientRig s(m_server, false);
        QVERIFY(open(s));
        Tab t = tab(s);
        searchYear(s, u"L_Rechnungen"_s);
        QHeaderView* header = s.child<QTableView>(u"sgBelege"_s)->horizontalHeader();
        const int c = t.browser.heads().column(u"Auftragsdatum"_s);
        QVERIFY(c >= 0);
        auto dates = [&] {
            QList<QDate> out;
            for (const QString& d : column(t.browser.heads(), u"Auftragsdatum"_s))
                out << QDate::fromString(d, u"dd.MM.yyyy"_s);
            return out;
        };
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(c) + 5, header->height() / 2));
        QList<QDate> first = dates();
        QVERIFY(first.size() > 20);
        // The first click sorts descending (the direction flips from ascending).
        QVERIFY(std::is_sorted(first.rbegin(), first.rend()));
        QVERIFY(first.first().year() != first.last().year() || first.first() > first.last());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(c) + 5, header->height() / 2));
        const QList<QDate> second = dates();
        QVERIFY(std::is_sorted(second.begin(), second.end()));
        QVERIFY(second.first() < second.last());
    }

    // Booking lines of a year run over several pages: page 2 has its footer and no header row.
    void printToPdf() {
        ClientRig s(m_server, false);
        const QString pdf = s.dir.filePath(u"beleg.pdf"_s);
        s.platform.env.insert(u"QTX_PRINT_TO_PDF"_s, pdf);
        // The document printer's own settings: landscape paper.
        s.writeIni(u"Belegdrucker"_s, u"Seitenformat"_s, u"Querformat"_s);
        QVERIFY(open(s));
        searchYear(s, u"L_Buchungen"_s);
        QVERIFY2(tab(s).browser.lines().rowCount() > 60,
                 qPrintable(QString::number(tab(s).browser.lines().rowCount())));
        s.child<QPushButton>(u"BtZeilenDrucken"_s)->click();
        TBelegDruckForm* form = s.client->belege()->belegePage().printForm();
        QVERIFY(form && form->isVisible());
        QVERIFY(form->memoText().startsWith(u"Buchungszeilen vom "_s));
        QCOMPARE(form->findChild<QLabel*>(u"LbDruckerOrient"_s)->text(),
                 u"Aktuelle Ausrichtung: Querformat"_s);
        form->findChild<QPushButton*>(u"BtJetztDrucken"_s)->click();
        QVERIFY2(QFile::exists(pdf), qPrintable(s.boxes()));
        QVERIFY(s.boxes().endsWith(u"Druckauftrag wurde ausgeführt."_s));
        const QStringList pages = pdfText(pdf).split(u'\f');
        QVERIFY(pages.size() >= 3);
        QVERIFY(pages.at(0).contains(u"Buchungszeilen vom"_s));
        QVERIFY(pages.at(0).contains(u"Lieferscheinnr"_s));
        QVERIFY(pages.at(0).contains(u"Seite 1 "_s));
        QVERIFY(pages.at(1).contains(u"Seite 2 "_s));
        QVERIFY(!pages.at(1).contains(u"Lieferscheinnr"_s));
        QProcess info;
        info.start(u"pdfinfo"_s, {pdf});
        info.waitForFinished(30000);
        const QString size =
            QString::fromUtf8(info.readAllStandardOutput()).section(u"Page size:"_s, 1).trimmed();
        QVERIFY2(size.section(u' ', 0, 0).toDouble() > size.section(u' ', 2, 2).toDouble(), qPrintable(size));
        form->close();
    }

    // Searches, head clicks and dispatches are counted by the statistics service.
    void statistics() {
        RecordingServices recorder;
        ClientRig s(m_server, false);
        s.client->services().statistics = &recorder;
        QVERIFY(open(s));
        searchYear(s, u"L_Rechnungen"_s);
        clickHead(s, 1);
        const QString number = s.child<QLineEdit>(u"edBelegnr"_s)->text();
        QCOMPARE(recorder.events.size(), 2);
        QCOMPARE(recorder.events.at(0)._Aktion, 31);
        QCOMPARE(recorder.events.at(0)._Info, u"Beleg-Abfrage Rechnungen"_s);
        QCOMPARE(recorder.events.at(0)._KdNummer, u"10000"_s);
        QCOMPARE(recorder.events.at(1)._Aktion, 31);
        QCOMPARE(recorder.events.at(1)._Info, u"Beleg-Abfrage"_s);
        const TStatistik& e = recorder.events.at(1);
        QCOMPARE(e._dummy1 + e._dummy2 + e._dummy3, u"Aktuelle Belegart: Rechnungen Nr."_s + number);
        searchYear(s, u"L_Angebote"_s);
        QCOMPARE(recorder.events.last()._Aktion, 37);
    }

    // The line selection and the sort direction come from the INI and go back to it.
    void iniSettings() {
        ClientRig s(m_server, false);
        s.writeIni(u"OPTIONS"_s, u"SORTBELEGE"_s, u"1"_s);
        s.writeIni(u"OPTIONS"_s, u"BELEGE_ALLEZEILEN"_s, u"1"_s);
        QVERIFY(open(s));
        Tab t = tab(s);
        QCOMPARE(t.browser.lineSelection(), 1);
        searchYear(s, u"L_Rechnungen"_s);
        const QStringList numbers = column(t.browser.heads(), u"NUMMER"_s);
        QVERIFY(numbers.size() > 2);
        QVERIFY(std::is_sorted(numbers.rbegin(), numbers.rend()));
        t.browser.setSortDirection(0);
        const QString ini = s.client->mainForm().startUp().ini().fileName();
        // The program ends.
        s.client.reset();
        LokalIni after(ini);
        QCOMPARE(after.read(u"OPTIONS"_s, u"SORTBELEGE"_s), u"0"_s);
        QCOMPARE(after.read(u"OPTIONS"_s, u"BELEGE_ALLEZEILEN"_s), u"1"_s);
    }

    // Columns the caller names are right-aligned on screen as on paper.
    void printFormAlignsRight() {
        ScriptedDialogs dialogs;
        TBelegDruckForm form(dialogs, nullptr, u"Belegdrucker"_s, {}, 2);
        StringGrid grid;
        grid.setHeaders({u"Artikel"_s, u"Wert in Euro einschließlich Pfand"_s});
        grid.appendRow({u"A"_s, u"1"_s});
        grid.appendRow({u"B"_s, u"2"_s});
        form.initgrid(grid, {}, true, {1}, u"Altteile"_s, QString());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* view = form.findChild<QTableView*>(u"DruckGrid"_s);
        view->clearSelection();
        view->setCurrentIndex(QModelIndex());
        const QRect cell = view->visualRect(view->model()->index(1, 1)).adjusted(2, 2, -2, -2);
        const QImage image = view->viewport()->grab(cell).toImage();
        int leftmost = image.width();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    leftmost = std::min(leftmost, x);
        QVERIFY2(leftmost < image.width() && leftmost > image.width() * 3 / 4,
                 qPrintable(QString::number(leftmost) + u'/' + QString::number(image.width())));
    }

    // The exported file has the visible columns of the lines grid, nothing hidden.
    void csvExport() {
        ClientRig s(m_server, true);
        QVERIFY(open(s));
        Tab t = tab(s);
        searchYear(s, u"L_Rechnungen"_s);
        clickHead(s, 1);
        const QString file = s.dir.filePath(u"zeilen.csv"_s);
        s.dialogs.fileNames.enqueue(file);
        s.child<QPushButton>(u"BtSaveCSV"_s)->click();
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(f.readAll()).split(u"\r\n"_s);
        QCOMPARE(lines.at(0), QString());
        const StringGrid& grid = t.browser.lines();
        QStringList visible;
        for (int c = 0; c < grid.columnCount(); ++c)
            if (!grid.isColumnHidden(c))
                visible << grid.header(c);
        QStringList header = lines.at(1).split(u';');
        QCOMPARE(header.takeLast(), QString());
        QCOMPARE(header, visible);
        // The hidden first columns are left out: a line starts with the article number.
        QCOMPARE(lines.at(2).section(u';', 0, 0), grid.value(u"Artikelnummer"_s, 1));
        QCOMPARE(lines.size() - 3, grid.rowCount() - 1);
    }

    // "Beleg anfordern" through its window; what the server stored.
    void documentRequest_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("type");
        QTest::newRow("TCP: invoice") << false << u"L_Rechnungen"_s << u"2"_s;
        QTest::newRow("SOAP: delivery note") << true << u"L_Lieferscheine"_s << u"1"_s;
        QTest::newRow("TCP: offer") << false << u"L_Angebote"_s << u"5"_s;
        QTest::newRow("TCP: open items") << false << u"L_OffenePosten"_s << u"4"_s;
    }
    void documentRequest() {
        QFETCH(bool, soap);
        QFETCH(QString, label);
        QFETCH(QString, type);
        ClientRig::serverSql(m_server, u"DELETE FROM DOKUMENTVERSAND"_s);
        ClientRig s(m_server, soap);
        QVERIFY(open(s));
        Tab t = tab(s);
        const bool openItems = type == u"4";
        QString shownNumber;
        QStringList seen;
        // The window: first an address without a dot, then a good one.
        auto* form = s.form->findChild<TBelegversendenForm*>();
        QVERIFY(form);
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (!form->isVisible())
                return;
            poll.stop();
            auto* ziel = form->findChild<QLineEdit*>(u"EdZiel"_s);
            seen << ziel->text();
            ziel->setText(u"buchhaltung@werkstatt"_s);
            form->findChild<QPushButton*>(u"PanOK"_s)->click();
            seen << s.boxes();
            seen << (form->isVisible() ? u"open"_s : u"closed"_s);
            ziel->setText(u"buchhaltung@werkstatt.de"_s);
            form->findChild<QPushButton*>(u"PanOK"_s)->click();
        });
        poll.start();
        if (openItems) {
            s.child<QPushButton>(label)->click();
        } else {
            searchYear(s, label);
            clickHead(s, 1);
            shownNumber = s.child<QLineEdit>(u"edBelegnr"_s)->text();
            s.child<QPushButton>(u"BtBelegAnfordern"_s)->click();
        }
        QCOMPARE(seen.value(0), u"einkauf@werkstatt-demo.de"_s);
        QCOMPARE(seen.value(1), u"Emailadresse ungültig: buchhaltung@werkstatt"_s);
        QCOMPARE(seen.value(2), u"open"_s);
        QVERIFY2(s.boxes().contains(u"Dokumenten-ID="_s), qPrintable(s.boxes()));
        bool ok = false;
        const QString stored = ClientRig::serverSql(
            m_server,
            u"SELECT TYP || '|' || BELEGNR || '|' || EMPFAENGER || '|' || ZUSATZ FROM DOKUMENTVERSAND"_s, {},
            &ok);
        QVERIFY(ok);
        const QStringList f = stored.split(u'|');
        QCOMPARE(f.value(0), type);
        QCOMPARE(f.value(2), u"buchhaltung@werkstatt.de"_s);
        if (openItems) {
            QCOMPARE(f.value(1), QString());
            QCOMPARE(f.value(3), s.clock.now().date().toString(u"dd.MM.yyyy"_s));
            QVERIFY(s.boxes().contains(u"Belegversand wurde durchgeführt.\r\n"_s));
        } else if (type == u"5") {
            // The offer goes by its id, not by the number shown.
            const QString id = ClientRig::serverSql(
                m_server, u"SELECT VAK_ID FROM ANGEBOTSKOPF WHERE Angebotnummer = ?"_s, {shownNumber});
            QCOMPARE(f.value(1), id);
            QVERIFY(f.value(1) != shownNumber);
        } else {
            QCOMPARE(f.value(1), shownNumber);
        }
        QVERIFY(!form->isVisible());
        QVERIFY(t.browser.view().requestEnabled);
    }
};

QTEST_MAIN(TestBelegeTab)
#include "tst_belegetab.moc"
