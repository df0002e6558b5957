#include "link/requests/articlerequests.h"
#include "link/requests/draftrequests.h"
#include "order/deliverychoice.h"
#include "order/draftorder.h"
#include "serversession.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "soapserverprocess.h"
#include "support/fakes.h"
#include "support/recordingservices.h"
#include "transportrows.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

namespace {

// A logged-in session against qtx-server with the draft order on top.
struct Harness : FakeSeams {
    LokalIni ini{beside(u".ini"_s)};
    std::unique_ptr<Session> session;
    std::unique_ptr<DraftOrder> order;
    RecordingServices recorder;
    ClientServices services = recorder.services();
    QList<StatistikEvent>& events = recorder.draftEvents;
    QStringList articles;

    Harness(const SoapServerProcess& server, bool soap) {
        session = std::make_unique<Session>(Session::Seams{platform, log, dialogs, ending, clock},
                                            serverSessionConfig(server, soap, dir.path(), &ini), services);
        order =
            std::make_unique<DraftOrder>(link(), services, DraftOrder::Seams{log, dialogs, clock, ending});
    }
    ServerLink& link() { return session->link(); }
    StringGrid& grid() { return order->visibleGrid(); }
    StringGrid& shadow() { return order->shadowGrid(); }

    bool login() {
        if (!session->login({u"10000"_s, u"DEMO"_s, u"demo"_s, QString()}))
            return false;
        order->setCustomerData(&session->customerData());
        TArtikelShortInfoArray hits;
        if (!MySucheArtikelKurz(link(), u"Bremsbelagsatz"_s, hits).ok())
            return false;
        for (const TArtikelShortInfo& a : hits)
            articles.append(a.NUMMER);
        return articles.size() >= 3;
    }
    TVerkaufskladdeArray serverLines() {
        link().vkklCache().clear();
        VkklAnswer out;
        MyVKKLGet(link(), u"0"_s, QString(), QString(), QString(), u"0"_s, out);
        return out.lines;
    }
    // An empty draft order on the server, then n lines with articles.
    void prepare(int n, const QString& menge = u"2"_s) {
        for (const TVerkaufskladde& l : serverLines())
            MyVKKLDelete(link(), l.VKKL_ID);
        for (int i = 0; i < n; ++i) {
            LineValues v;
            v.set(LineValues::ART, u"2"_s);
            v.set(LineValues::ARTIKELNR, articles.at(i % articles.size()));
            v.set(LineValues::MENGE, menge);
            v.set(LineValues::BESTELLEN, u"0"_s);
            VkklAnswer out;
            MyVKKLInsert(link(), v, out);
        }
        link().vkklCache().clear();
        dialogs.shown.clear();
    }
    QString shown() const {
        QStringList texts;
        for (const auto& s : dialogs.shown)
            texts << s.text;
        return texts.join(u" | "_s);
    }
};

} // namespace

class TestDraftOrder : public QObject {
    Q_OBJECT
private:
    SoapServerProcess m_server;

    void transports() { addTransportRows(); }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    // The delivery details of an address: which branch serves it, its tour,
    // and the code it gives a line.
    void deliveryDetails_data() {
        QTest::addColumn<QString>("addresses"); // "code:tour branch:tour:own code", ... (first is address 0)
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("kdnr");
        QTest::addColumn<QString>("expected"); // address|code|branch|tour|tour branch
        const QString list = u"0::T1:20,2:F05:12:20,3:F07:14:97,4:X:9:20,5:F02:7:03"_s;
        QTest::newRow("no address") << QString() << u"2"_s << QString() << u"10000"_s << u"||||"_s;
        QTest::newRow("delivery on the address's tour")
            << list << u"2"_s << QString() << u"10000"_s << u"2|20|F03|12|F05"_s;
        QTest::newRow("pick-up asked: the tour branch serves")
            << list << u"2"_s << u"Abholung"_s << u"10000"_s << u"2|20|F05|12|F05"_s;
        QTest::newRow("night-express address: no tour, the default branch")
            << list << u"3"_s << QString() << u"10000"_s << u"3|97|F03||F15"_s;
        QTest::newRow("tour branch too short: the default branch")
            << list << u"4"_s << QString() << u"10000"_s << u"4|20|F03||F15"_s;
        QTest::newRow("pick-up address: its pick-up branch serves and is the tour branch")
            << list << u"5"_s << QString() << u"10000"_s << u"5|03|F15|7|F15"_s;
        QTest::newRow("pick-up address of customer 11393 keeps its tour branch")
            << list << u"5"_s << QString() << u"11393"_s << u"5|03|F15|7|F02"_s;
        QTest::newRow("unknown address: the first, with the customer's tour branch")
            << list << u"9"_s << QString() << u"10000"_s << u"0|20|F03|T1|F04"_s;
    }
    void deliveryDetails() {
        QFETCH(QString, addresses);
        QFETCH(QString, address);
        QFETCH(QString, kind);
        QFETCH(QString, kdnr);
        QFETCH(QString, expected);
        Harness h(m_server, false);
        CustomerData data;
        data.customer.FILIALE = u"F03"_s;
        data.customer.TOURFILIALE = u"F04"_s;
        data.customer.LIEFERUNGSCODE = u"20"_s;
        for (const QString& a : addresses.split(u',', Qt::SkipEmptyParts)) {
            TLieferadresse l;
            l.CODE = a.section(u':', 0, 0);
            l.TOURFILIALE = a.section(u':', 1, 1);
            l.TOURNR = a.section(u':', 2, 2);
            l.LIEFERUNGSCODE = a.section(u':', 3, 3);
            data.LAdr.append(l);
        }
        TLieferung pickup;
        pickup.CODE = u"03"_s;
        pickup.NAME = u"Abholung Ostrand"_s;
        pickup.ABHOL_ZIELFILIALE = u"F15"_s;
        pickup.HAENDLER_J_N = u"1"_s;
        TLieferung delivery;
        delivery.CODE = u"20"_s;
        delivery.NAME = u"Zustellung"_s;
        data.deliveryCodes = {delivery, pickup};
        h.order->setCustomerData(&data);
        DraftSettings settings = h.order->settings();
        settings.defaultBranch = u"F15"_s;
        settings.kdnr = kdnr;
        h.order->setSettings(settings);
        const DeliveryChoice::Details d = h.order->deliveryChoice().GetLieferungDetails(address, kind);
        QCOMPARE(QStringList({d.addressCode, d.code, d.branch, d.tourNr, d.tourBranch}).join(u'|'), expected);
    }

    void loadBuildsRows_data() { transports(); }
    void loadBuildsRows() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(3);
        h.order->load();
        QCOMPARE(h.grid().rowCount(), 4);
        QCOMPARE(h.shadow().rowCount(), 4);
        QCOMPARE(h.shadow().columnCount(), h.grid().columnCount() + 1);
        const TVerkaufskladdeArray lines = h.serverLines();
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(h.grid().value(Pos, r), QString::number(r).rightJustified(4));
            QCOMPARE(h.grid().value(VkklId, r), lines.at(r - 1).VKKL_ID);
            QCOMPARE(h.grid().value(Artikelnummer, r), lines.at(r - 1).ARTIKELNR);
            QCOMPARE(h.grid().value(Menge, r), u"2"_s);
            QCOMPARE(h.grid().value(Art, r), u"PL"_s);
            QCOMPARE(h.shadow().row(r).mid(0, count), h.grid().row(r));
        }
        // What the client keeps of a line survives a reload.
        h.shadow().setValue(Fahrt, 2, u"1"_s);
        h.grid().setValue(Fahrt, 2, u"1"_s);
        h.order->load();
        QCOMPARE(h.grid().value(Fahrt, 2), u"1"_s);
        QVERIFY(h.order->summenLabel().startsWith(u"  Gesamt netto EUR "_s));
    }

    void emptyDraftGetsOneLine_data() { transports(); }
    void emptyDraftGetsOneLine() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(0);
        h.order->load();
        QCOMPARE(h.grid().rowCount(), 2);
        QVERIFY(!h.grid().value(VkklId, 1).isEmpty());
        QVERIFY(h.grid().value(Artikelnummer, 1).isEmpty());
        QCOMPARE(h.serverLines().size(), 1);
    }

    void refusedChangeKeepsConfirmedValues_data() { transports(); }
    void refusedChangeKeepsConfirmedValues() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(2);
        h.order->load();
        const QString text = h.grid().value(Bezeichnung, 1);

        // A negative quantity never reaches the server: the typed value goes.
        h.grid().setValue(Menge, 1, u"-5"_s);
        h.order->commitCell(h.grid().column(Menge), 1, u"-5"_s);
        QCOMPARE(h.grid().value(Menge, 1), u"2"_s);
        QCOMPARE(h.serverLines().at(0).MENGE, u"2"_s);
        // The server refuses an unknown branch: the branch stays, the error shows.
        const QString branch = h.grid().value(Filiale, 1);
        QVERIFY(!h.order->set_Filiale(1, u"XQ8"_s, true).isEmpty());
        QCOMPARE(h.grid().value(Filiale, 1), branch);
        QCOMPARE(h.shadow().value(Menge, 1), u"2"_s);
        QVERIFY(h.grid().value(ErrorCode, 1) != u"0");
        QVERIFY(!h.grid().value(ErrorMessage, 1).isEmpty());

        // A refused line given to mode "4": only the shadow's values show.
        TVerkaufskladde refused = h.serverLines().at(1);
        refused.TEXT = u"Anderer Text"_s;
        refused.MENGE = u"9"_s;
        refused.FEHLERNUMMER = u"115"_s;
        refused.FEHLERTEXT = u"ERR_VERKAUFSKLADDE_UPDATE"_s;
        QCOMPARE(h.order->UpdateVKKL(Bestellen, {refused}, 2, refused.VKKL_ID, u"4"_s), 0);
        QCOMPARE(h.grid().value(Menge, 2), u"2"_s);
        QCOMPARE(h.grid().value(Bezeichnung, 2), h.shadow().value(Bezeichnung, 2));
        QVERIFY(h.grid().value(Bezeichnung, 2) != u"Anderer Text"_s);
        QCOMPARE(h.grid().value(ErrorCode, 2), u"115"_s);
        QVERIFY(h.grid().value(ErrorMessage, 2).contains(u"ERR_VERKAUFSKLADDE_UPDATE"_s));

        // An accepted one replaces the row.
        TVerkaufskladde accepted = h.serverLines().at(1);
        accepted.TEXT = u"Neuer Text"_s;
        QCOMPARE(h.order->UpdateVKKL(Bestellen, {accepted}, 2, accepted.VKKL_ID, u"4"_s), 0);
        QCOMPARE(h.grid().value(Bezeichnung, 2), u"Neuer Text"_s);
        QCOMPARE(h.grid().value(ErrorCode, 2), u"0"_s);
        QCOMPARE(h.grid().value(Bezeichnung, 1), text);
    }

    void reloadKeepsRefusedRow_data() { transports(); }
    void reloadKeepsRefusedRow() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(1);
        // A line the server keeps with its own error: an unknown branch.
        LineValues v;
        v.set(LineValues::ART, u"2"_s);
        v.set(LineValues::ARTIKELNR, h.articles.first());
        v.set(LineValues::MENGE, u"2"_s);
        v.set(LineValues::FILIALE, u"XQ9"_s);
        VkklAnswer out;
        MyVKKLInsert(h.link(), v, out);
        h.link().vkklCache().clear();
        h.order->load();
        QCOMPARE(h.grid().rowCount(), 3);
        QCOMPARE(h.grid().value(ErrorCode, 2), u"89"_s);
        const QString branchError = h.grid().value(ErrorMessage, 2);
        QVERIFY(branchError.contains(u"XQ9"_s));

        // A refused change on that row, then a reload: the row keeps the
        // confirmed values and both messages, once each.
        QVERIFY(!h.order->set_Filiale(2, u"XQ8"_s, true).isEmpty());
        QCOMPARE(h.grid().value(Menge, 2), u"2"_s);
        h.order->load();
        h.order->load();
        QCOMPARE(h.grid().value(Menge, 2), u"2"_s);
        QCOMPARE(h.grid().value(Filiale, 2), u"XQ9"_s);
        const QString message = h.grid().value(ErrorMessage, 2);
        QCOMPARE(message.count(branchError), 1);
        QVERIFY(message.contains(u"XQ8"_s));
        QCOMPARE(h.shadow().value(ErrorMessage, 2), message);

        // Selecting a cell of the row names the error; the hint too.
        const QString status = h.order->selectionStatus(h.grid().column(Menge), 2);
        const QString code = h.grid().value(ErrorCode, 2);
        QCOMPARE(status, u"Menge: \"2\"  ERR ["_s + code + u"]: "_s + message);
        QCOMPARE(h.order->hintFor(h.grid().column(Menge), 2),
                 u"Zeile    2:\r\n ["_s + code + u"]"_s + message);
        QCOMPARE(h.order->hintFor(h.grid().column(Menge), 0), u"Bestellmenge"_s);

        // The clean row shows no error after the reload.
        QCOMPARE(h.grid().value(ErrorCode, 1), u"0"_s);
        QCOMPARE(h.grid().value(ErrorMessage, 1), QString());
    }

    // Tenant "1" words the backorder notice after where the row is served
    // from; the status prefers the outside warehouse, the hint the procurement.
    void backorderNoticeOfTenantOne_data() {
        QTest::addColumn<int>("tenant");
        QTest::addColumn<QString>("logo");
        QTest::addColumn<QString>("externeFiliale");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("hint");
        const QString notice = u"Der Artikel wird bei Bestellung in Rückstand genommen."_s;
        QTest::newRow("tenant 6 keeps it") << 6 << u"LA-Auftrag"_s << u"Lager Nord"_s << notice << notice;
        QTest::newRow("outside warehouse") << 1 << QString() << u"Lager Nord"_s << u"AUSSEN"_s << u"AUSSEN"_s;
        QTest::newRow("procured") << 1 << u"LA-Auftrag"_s << QString() << u"BESORGT"_s << u"BESORGT"_s;
        QTest::newRow("both") << 1 << u"LA-Auftrag"_s << u"Lager Nord"_s << u"AUSSEN"_s << u"BESORGT"_s;
        QTest::newRow("neither") << 1 << QString() << QString() << notice << notice;
    }
    void backorderNoticeOfTenantOne() {
        QFETCH(int, tenant);
        QFETCH(QString, logo);
        QFETCH(QString, externeFiliale);
        QFETCH(QString, status);
        QFETCH(QString, hint);
        Harness h(m_server, false);
        DraftSettings s = h.order->settings();
        s.tenant = tenant;
        s.lagerauftragText = u"LA-Auftrag"_s;
        s.aussenlagerText = u"AUSSEN"_s;
        s.besorgtText = u"BESORGT"_s;
        h.order->setSettings(s);
        StringGrid& g = h.grid();
        g.setRowCount(2);
        g.setValue(u"POS."_s, 1, u"   1"_s);
        g.setValue(u"Logo"_s, 1, logo);
        g.setValue(u"ExterneFiliale"_s, 1, externeFiliale);
        g.setValue(u"ErrorCode"_s, 1, u"0"_s);
        g.setValue(ErrorMessage, 1, u"Der Artikel wird bei Bestellung in Rückstand genommen."_s);
        QCOMPARE(h.order->selectionStatus(g.column(Menge), 1), u"Menge: \"\"  "_s + status);
        QCOMPARE(h.order->hintFor(g.column(Menge), 1), u"Zeile    1:\r\n"_s + hint);
    }

    void fillQuantities() {
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(2, u"0"_s);
        h.order->load();
        h.order->Neue_Zeile();
        QCOMPARE(h.grid().value(Menge, 1), u"0"_s);
        h.order->fillQuantities();
        for (int r = 1; r <= 2; ++r) {
            QCOMPARE(h.grid().value(Menge, r), u"1"_s);
            QCOMPARE(h.grid().value(Bestellen, r), u"JA"_s);
        }
        // The empty line has no article and stays as it is.
        QCOMPARE(h.grid().value(Menge, 3), u"0"_s);
        QCOMPARE(h.grid().value(Bestellen, 3), QString());
    }

    void updateRefusesBadArguments_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number") << u"x"_s << 1 << u"5"_s
                                   << u"StrToInt of Mode \"x\" failed (UpdateVKKL)!"_s;
        QTest::newRow("mode 3") << u"3"_s << 1 << u"5"_s << u"Mode \"3\" not supported (UpdateVKKL)."_s;
        QTest::newRow("header") << u"4"_s << 0 << u"5"_s
                                << u"Header Zeile kann nicht geändert werden (UpdateVKKL)."_s;
        QTest::newRow("no key") << u"4"_s << 1 << QString() << u"sVKKL_ID \"\" ist leer (UpdateVKKL)."_s;
    }
    void updateRefusesBadArguments() {
        QFETCH(QString, mode);
        QFETCH(int, row);
        QFETCH(QString, id);
        QFETCH(QString, message);
        Harness h(m_server, false);
        QVERIFY(h.order->UpdateVKKL(QString(), {}, row, id, mode) != 0);
        QCOMPARE(h.shown(), message);
    }

    void zeroQuantityShowsNoAmounts() {
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(1);
        h.order->load();
        TVerkaufskladde l = h.serverLines().first();
        l.MENGE = u"0"_s;
        l.NETTOBETRAG = u"12,50"_s;
        l.BRUTTOBETRAG = u"14,88"_s;
        h.order->UpdateVKKL(Menge, {l}, 1, l.VKKL_ID, u"4"_s);
        QCOMPARE(h.grid().value(Nettobetrag, 1), u"0,00"_s);
        QCOMPARE(h.grid().value(Bruttobetrag, 1), u"0,00"_s);
    }

    void oneRowTakesNoOtherLinesCells() {
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(2);
        h.order->load();
        const TVerkaufskladde second = h.serverLines().at(1);
        // Row 1 gets the second line (rows moved under the grid): none of
        // the first line's confirmed cells may stay in it.
        TVerkaufskladde moved = second;
        moved.MENGE = u"7"_s;
        h.order->UpdateVKKL(Artikelnummer, {moved}, 1, moved.VKKL_ID, u"4"_s);
        QCOMPARE(h.grid().value(VkklId, 1), second.VKKL_ID);
        QCOMPARE(h.grid().value(Menge, 1), u"7"_s);
        QCOMPARE(h.shadow().value(VkklId, 1), second.VKKL_ID);

        // A row appended without a line yet takes the whole first answer.
        h.grid().appendRow();
        h.shadow().appendRow();
        h.order->UpdateVKKL(Bestellen, {second}, 3, second.VKKL_ID, u"4"_s);
        QCOMPARE(h.grid().value(Menge, 3), u"2"_s);
        QCOMPARE(h.grid().value(Artikelnummer, 3), second.ARTIKELNR);
    }

    void hiddenPricesGiveZeroTotals_data() {
        QTest::addColumn<int>("priceDisplay");
        QTest::addColumn<bool>("zero");
        QTest::newRow("never") << 0 << true;
        QTest::newRow("mouse-over") << 1 << true;
        QTest::newRow("always") << 2 << false;
    }
    void hiddenPricesGiveZeroTotals() {
        QFETCH(int, priceDisplay);
        QFETCH(bool, zero);
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(2);
        DraftSettings s = h.order->settings();
        s.priceDisplay = priceDisplay;
        h.order->setSettings(s);
        h.order->load();
        double netto = 0;
        for (int r = 1; r < h.grid().rowCount(); ++r)
            netto += h.grid().value(Nettobetrag, r).replace(u',', u'.').toDouble();
        QVERIFY(netto > 0);
        const QString first = h.order->summenLabel().section(u'\n', 0, 0);
        const QString expected = zero ? u"0,00"_s : QString::number(netto, 'f', 2).replace(u'.', u',');
        QCOMPARE(first, u"  Gesamt netto EUR "_s + expected.rightJustified(8));
    }

    void deleteLastLineLeavesOneEmptyRow_data() { transports(); }
    void deleteLastLineLeavesOneEmptyRow() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(1);
        h.order->load();
        const QString id = h.grid().value(VkklId, 1);
        h.order->deleteLine(1);
        QCOMPARE(h.grid().rowCount(), 2);
        QVERIFY(h.grid().value(Artikelnummer, 1).isEmpty());
        QVERIFY(!h.grid().value(VkklId, 1).isEmpty());
        QVERIFY(h.grid().value(VkklId, 1) != id);
        const TVerkaufskladdeArray lines = h.serverLines();
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().ARTIKELNR.isEmpty());
        QCOMPARE(h.events.size(), 1);
        QCOMPARE(h.events.first().name, u"Gelöscht"_s);
        QCOMPARE(h.events.first().data._VKKL_ID, id);
        QCOMPARE(h.events.first().data._Info, u"ROW=1 TOTAL=1"_s);
    }

    void copyRow_data() { transports(); }
    void copyRow() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(0);
        h.order->load();
        const QString before = h.serverLines().first().GEAENDERT_AM;
        h.order->newLineWithCopy(1);
        QCOMPARE(h.shown(), u"Leere Zeile kann nicht kopiert werden."_s);
        QCOMPARE(h.grid().rowCount(), 2);
        QCOMPARE(h.serverLines().size(), 1);
        QCOMPARE(h.serverLines().first().GEAENDERT_AM, before);

        h.prepare(1, u"3"_s);
        h.order->load();
        h.order->newLineWithCopy(1);
        QCOMPARE(h.shown(), QString());
        QCOMPARE(h.grid().rowCount(), 4);
        QCOMPARE(h.grid().value(Artikelnummer, 2), h.grid().value(Artikelnummer, 1));
        QCOMPARE(h.grid().value(Menge, 2), u"3"_s);
        QCOMPARE(h.grid().value(Bestellen, 2), u"JA"_s);
        QVERIFY(h.grid().value(Artikelnummer, 3).isEmpty());
    }

    void markNeedsQuantity_data() { transports(); }
    void markNeedsQuantity() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(0);
        h.order->load();
        h.order->applyJaNein(1, true);
        QCOMPARE(h.shown(),
                 u"Keine Menge eingegeben\r\nDie ausgewählte Zeile ist noch nicht fertig zum Buchen!\r\n"
                 "Evtl. Menge erneut eingeben."_s);
        QCOMPARE(h.grid().value(Bestellen, 1), QString());
        QCOMPARE(h.serverLines().first().BESTELLEN, u"0"_s);
        QCOMPARE(h.serverLines().first().GEAENDERT_AM, QString());

        // A line with a quantity is marked and unmarked on the server.
        h.prepare(1);
        h.order->load();
        h.order->toggleMark(1);
        QCOMPARE(h.shown(), QString());
        QCOMPARE(h.grid().value(Bestellen, 1), u"JA"_s);
        QCOMPARE(h.serverLines().first().BESTELLEN, u"1"_s);

        // The hint over "Logo" of a marked row is its delivery time, asked once
        // while the mouse stays in the column.
        int asked = 0;
        h.recorder.lieferzeit = [&](int row) {
            ++asked;
            return u"Zustellung morgen (Zeile %1)"_s.arg(row);
        };
        const int logo = h.grid().column(u"Logo"_s);
        QCOMPARE(h.order->hintFor(logo, 1), u"Zustellung morgen (Zeile 1)"_s);
        QCOMPARE(h.order->hintFor(logo, 1), u"Zustellung morgen (Zeile 1)"_s);
        QCOMPARE(asked, 1);
        h.order->hintFor(h.grid().column(Menge), 1);
        h.order->hintFor(logo, 1);
        QCOMPARE(asked, 2);
        h.order->toggleMark(1);
        QCOMPARE(h.grid().value(Bestellen, 1), QString());
        QCOMPARE(h.serverLines().first().BESTELLEN, u"0"_s);
    }

    void enterMarksWithCoSale_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("added") << true;
        QTest::newRow("declined") << false;
    }
    void enterMarksWithCoSale() {
        QFETCH(bool, yes);
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(1);
        h.order->load();
        const QString companion = h.articles.at(1);
        h.recorder.coSale = [&](const QString& artikel) {
            return artikel == h.articles.first() ? QStringList{companion} : QStringList();
        };
        h.dialogs.answers.enqueue(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        h.order->enterOnRow(h.grid().column(Lieferungsart), 1);
        QCOMPARE(h.dialogs.shown.first().title, u"Mitverkaufs-Artikel wurden gefunden."_s);
        QCOMPARE(h.grid().value(Bestellen, 1), u"JA"_s);
        QCOMPARE(h.grid().rowCount(), yes ? 4 : 3);
        if (yes) {
            QCOMPARE(h.grid().value(Artikelnummer, 2), companion);
            QCOMPARE(h.grid().value(Menge, 2), u"2"_s);
            QCOMPARE(h.grid().value(Bestellen, 2), u"JA"_s);
        }
        QVERIFY(h.grid().value(Artikelnummer, h.grid().rowCount() - 1).isEmpty());
        QVERIFY(!h.order->mitverkaufFrageOffen());
    }

    void markAndClearAll_data() { transports(); }
    void markAndClearAll() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(3);
        h.order->load();
        h.order->Neue_Zeile();
        QCOMPARE(h.grid().rowCount(), 5);
        h.order->markAll();
        QCOMPARE(h.shown(), QString());
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(h.grid().value(Bestellen, r), u"JA"_s);
        QCOMPARE(h.grid().value(Bestellen, 4), QString());
        h.order->clearAllMarks();
        for (const TVerkaufskladde& l : h.serverLines())
            QCOMPARE(l.BESTELLEN, u"0"_s);
    }

    // Tenant "4" takes night express from the first outside warehouse that
    // offers it (here the external warehouse F20 with 5 free), as far as its
    // free stock goes.
    void nightExpressFromOutsideOfTenantFour_data() {
        QTest::addColumn<QString>("menge");
        QTest::addColumn<int>("free");
        QTest::addColumn<bool>("withArticle");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("line"); // kind, quantity, outside warehouse, mark; empty: unchanged
        QTest::newRow("served") << u"3"_s << 5 << true << QString() << u"0 3 F20 1"_s;
        QTest::newRow("cut to the free stock")
            << u"8"_s << 5 << true << u"Maximale Bestellmenge: 5"_s << u"0 5 F20 1"_s;
        QTest::newRow("nothing free")
            << u"3"_s << 0 << true << u"Kein Bestand für Nachtexpress in F15"_s << QString();
        QTest::newRow("no article yet")
            << u"0"_s << 5 << false << u"Bei Nachtexpress bitte zuerst Artikel eingeben."_s << QString();
    }
    void nightExpressFromOutsideOfTenantFour() {
        QFETCH(QString, menge);
        QFETCH(int, free);
        QFETCH(bool, withArticle);
        QFETCH(QString, box);
        QFETCH(QString, line);
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(withArticle ? 1 : 0, menge);
        h.order->load();
        if (!withArticle) {
            h.order->Neue_Zeile();
            h.dialogs.shown.clear();
        }
        DraftSettings settings = h.order->settings();
        settings.tenant = 4;
        settings.defaultBranch = u"F15"_s;
        h.order->setSettings(settings);
        Texterne_Filiale f20;
        f20.Filial_Code = u"F20"_s;
        f20.Verkaufsart = u"5"_s;
        f20.nachtexpress = u"1"_s;
        f20.verfuegbar = QString::number(free);
        f20.standardtext = u"Fremdlager Süd"_s;
        Texterne_Filiale noNex = f20;
        noNex.Filial_Code = u"F99"_s;
        noNex.nachtexpress = u"0"_s;
        noNex.verfuegbar = u"50"_s;
        h.recorder.outside.branches = {noNex, f20};
        h.recorder.outside.total = free + 50;
        const TVerkaufskladde before = h.serverLines().first();
        h.order->deliveryChoice().choose(1, u"Nachtexpress"_s);
        QCOMPARE(h.shown(), box);
        const TVerkaufskladde after = h.serverLines().first();
        if (line.isEmpty()) {
            QCOMPARE(after.EXT_LAGER, before.EXT_LAGER);
            QCOMPARE(after.MENGE, before.MENGE);
            return;
        }
        QCOMPARE(QStringList({after.ART.trimmed(), after.MENGE.trimmed(), after.EXT_LAGER.trimmed(),
                              after.BESTELLEN.trimmed()})
                     .join(u' '),
                 line);
        QCOMPARE(after.FILIALE.trimmed(), u"F15"_s);
        QCOMPARE(h.grid().value(u"ExterneFiliale"_s, 1), u"Fremdlager Süd"_s);
        QCOMPARE(h.grid().value(Bestellen, 1), u"JA"_s);
    }

    // Delivery for address 2 (which goes by parcel service, so has no tour):
    // refused, and night express for all its lines is offered; "yes" moves
    // them to night express on the default branch and marks them.
    void deliveryWithoutTourOffersNightExpress_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deliveryWithoutTourOffersNightExpress() {
        QFETCH(bool, yes);
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(2);
        for (const TVerkaufskladde& l : h.serverLines()) {
            LineValues v = LineValues::forLine(l.VKKL_ID);
            v.set(LineValues::LIEFERADR, u"2"_s);
            VkklAnswer out;
            QVERIFY(MyVKKLUpdate(h.link(), v, out).ok());
        }
        h.link().vkklCache().clear();
        h.order->load();
        DraftSettings settings = h.order->settings();
        settings.defaultBranch = u"F03"_s;
        h.order->setSettings(settings);
        h.dialogs.shown.clear();
        h.dialogs.answers.enqueue(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        h.order->deliveryChoice().choose(1, u"Zustellung"_s);
        QCOMPARE(h.dialogs.shown.size(), 1);
        QCOMPARE(h.dialogs.shown.first().title, u"Lieferungsart ändern."_s);
        QCOMPARE(
            h.dialogs.shown.first().text,
            u"Für die gewählte Lieferadresse ist keine Zustellung möglich.\r\nSollen alle Bestellzeilen mit "
            "dieser Lieferadresse auf \"Nachtexpress\" gesetzt werden ?"_s);
        // The line chosen on takes the address's own code (parcel service)
        // at once; the other line changes only with "yes".
        const TVerkaufskladdeArray lines = h.serverLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).LIEFERUNGSCODE.trimmed(), yes ? u"97"_s : u"98"_s);
        QCOMPARE(lines.at(1).LIEFERUNGSCODE.trimmed(), yes ? u"97"_s : u"20"_s);
        for (const TVerkaufskladde& l : lines) {
            if (yes) {
                QCOMPARE(l.FILIALE.trimmed(), u"F03"_s);
                QCOMPARE(l.BESTELLEN.trimmed(), u"1"_s);
            }
        }
    }

    // A marked line whose quantity becomes 0 has nothing to order: it loses
    // its mark on the server too.
    void aMarkedLineWithoutQuantityLosesItsMark() {
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(1);
        h.order->load();
        h.order->markAll();
        QCOMPARE(h.grid().value(Bestellen, 1), u"JA"_s);
        QCOMPARE(h.order->set_Menge(1, u"0"_s), QString());
        QCOMPARE(h.grid().value(Bestellen, 1), QString());
        QCOMPARE(h.serverLines().first().BESTELLEN.trimmed(), u"0"_s);
    }

    void referenceForAll_data() { transports(); }
    void referenceForAll() {
        QFETCH(bool, soap);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(3);
        h.order->load();
        h.dialogs.inputs.enqueue(u"REF-77"_s);
        h.order->setReferenceForAll();
        QCOMPARE(h.dialogs.shown.first().text, u"Bestellnummer/Ihre Referenz"_s);
        for (const TVerkaufskladde& l : h.serverLines())
            QCOMPARE(l.REFERENZ, u"REF-77"_s);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(h.grid().value(Referenz, r), u"REF-77"_s);

        // Cancelled: nothing changes.
        h.order->setReferenceForAll();
        QCOMPARE(h.serverLines().first().REFERENZ, u"REF-77"_s);
    }

    void deleteAllWritesStatistics_data() {
        QTest::addColumn<bool>("soap");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("events");
        QTest::newRow("TCP 12") << false << 12 << 1;
        QTest::newRow("TCP 10") << false << 10 << 10;
        QTest::newRow("SOAP 12") << true << 12 << 1;
    }
    void deleteAllWritesStatistics() {
        QFETCH(bool, soap);
        QFETCH(int, lines);
        QFETCH(int, events);
        Harness h(m_server, soap);
        QVERIFY(h.login());
        h.prepare(lines);
        h.order->load();
        QCOMPARE(h.grid().rowCount(), lines + 1);
        h.order->deleteAllLines();
        QCOMPARE(h.dialogs.shown.first().text, u"Möchten Sie wirklich alle Zeilen löschen?"_s);
        QCOMPARE(h.events.size(), events);
        for (const StatistikEvent& e : h.events)
            QCOMPARE(e.name, u"Gelöscht"_s);
        if (events == 1)
            QCOMPARE(h.events.first().data._Info, u"%1 Zeilen"_s.arg(lines));
        else
            QVERIFY(!h.events.last().data._VKKL_ID.isEmpty());
        QCOMPARE(h.grid().rowCount(), 2);
        QCOMPARE(h.serverLines().size(), 1);
        QVERIFY(h.serverLines().first().ARTIKELNR.isEmpty());
    }

    void deleteAllAsksFirst() {
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(2);
        h.order->load();
        h.dialogs.answers.enqueue(Dialogs::Answer::No);
        h.order->deleteAllLines();
        QVERIFY(h.events.isEmpty());
        QCOMPARE(h.serverLines().size(), 2);
    }

    void extractAndBackorder() {
        Harness h(m_server, false);
        QVERIFY(h.login());
        h.prepare(1);
        h.order->load();
        QCOMPARE(h.order->extract_kladde(1).count(u';'), 11);
        QVERIFY(h.order->extract_kladde(1).startsWith(u"   1;"_s));
        h.grid().setValue(ZuLiefern, 1, u"1"_s);
        QCOMPARE(h.order->IsRueckstand(1), u"1"_s);
        h.grid().setValue(ZuLiefern, 1, u"2"_s);
        QCOMPARE(h.order->IsRueckstand(1), u"0"_s);
        QCOMPARE(h.order->ChkVKKL(false), 0);
        h.grid().setValue(GeaendertAm, 1, u"01.01.2000 00:00:00"_s);
        QCOMPARE(h.order->ChkVKKL(false), 1);
    }
};

QTEST_GUILESS_MAIN(TestDraftOrder)
#include "tst_draftorder.moc"
