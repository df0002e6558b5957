#pragma once

// A double of every service the draft grid, the quick search and the session
// call: each call is recorded as text, answers are what the test sets.

#include "services/articlewindows.h"
#include "services/bookingservice.h"
#include "services/clientservices.h"
#include "services/deliveryaddresses.h"
#include "services/deliveryrules.h"
#include "services/priceservice.h"
#include "services/procurementdecision.h"
#include "services/sessionfollowups.h"
#include "services/statisticsservice.h"
#include "services/stockservice.h"

#include <QList>
#include <QStringList>
#include <functional>

class RecordingServices final : public StockService,
                                public DeliveryRules,
                                public ProcurementDecision,
                                public PriceService,
                                public DeliveryAddresses,
                                public StatisticsService,
                                public ArticleWindows,
                                public QuickSearchService,
                                public BookingService,
                                public DraftOrderService,
                                public PriceFileService,
                                public ImportService {
public:
    ClientServices services() {
        ClientServices s;
        s.stock = this;
        s.delivery = this;
        s.procurement = this;
        s.prices = this;
        s.addresses = this;
        s.statistics = this;
        s.articleWindows = this;
        s.quickSearch = this;
        s.booking = this;
        s.draft = this;
        s.priceFile = this;
        s.import = this;
        return s;
    }

    QStringList calls;
    QList<TStatistik> events;
    QList<StatistikEvent> draftEvents;
    std::function<QString(int row)> lieferzeit;
    std::function<QStringList(const QString& artikel)> coSale;
    bool importing = false;
    bool hitList = false;

    // StockService
    Stock showStock(const TArtikelInfo& a) override {
        note(QStringLiteral("showStock(%1)").arg(a.NUMMER));
        return {};
    }
    void hideStock() override { note(QStringLiteral("hideStock")); }
    // The stock a usage event fetches, as a test sets it.
    Stock statistikStock;
    Stock statistikBestand(const QString& artikel) override {
        note(QStringLiteral("statistikBestand(%1)").arg(artikel));
        return statistikStock;
    }
    void stockInfo(int row) override { note(QStringLiteral("stockInfo(%1)").arg(row)); }
    // What the outside warehouses have, as a test sets it.
    External outside;
    External freeExternalStock(int, const QString&, const QString&) override { return outside; }
    Placement SetMengeStatus(const QString&, int wunschmenge, int, bool, const QString& wunschfiliale,
                             const QString&) override {
        return asWanted(wunschfiliale, wunschmenge);
    }
    // DeliveryRules
    QString roundToTE(const QString& menge, const QString& te) override {
        return defaultRoundToTE(menge, te);
    }
    void resetQuantity(int row) override { note(QStringLiteral("resetQuantity(%1)").arg(row)); }
    QString checkDeliveryCode(int, const QString&) override { return {}; }
    void reapplyBranch(int row) override { note(QStringLiteral("reapplyBranch(%1)").arg(row)); }
    void applyAddressBranch(int row) override { note(QStringLiteral("applyAddressBranch(%1)").arg(row)); }
    bool pruefeNexFilialen(int) override { return true; }
    bool setLieferung(int, int row, const QString& text) override {
        note(QStringLiteral("setLieferung(%1,%2)").arg(row).arg(text));
        return true;
    }
    void deliveryKinds(int row, const QString& key) override {
        note(QStringLiteral("deliveryKinds(%1,%2)").arg(row).arg(key));
    }
    // ProcurementDecision
    void openBeschaffung(int row) override { note(QStringLiteral("openBeschaffung(%1)").arg(row)); }
    bool Setze_Rueck_Beschaff(int, int, const QString&) override { return false; }
    // PriceService
    QString priceText(const QString& price, const TVerkaufskladde&) override { return price; }
    QString formatPrice(const QString& price) override { return price; }
    QString staffelpreis(const TVerkaufskladde&) override { return {}; }
    QString graduatedPrices(const QString&) override { return {}; }
    void depositHint(int row, const QString& a) override {
        note(QStringLiteral("depositHint(%1,%2)").arg(row).arg(a));
    }
    // DeliveryAddresses
    void loadOrderDeadlines() override { note(QStringLiteral("loadOrderDeadlines")); }
    OrderTimeAddress orderTimeAddress(const QString& adresse, const QString&) override {
        return {adresse, false};
    }
    QString lieferzeitText(int row) override { return lieferzeit ? lieferzeit(row) : QString(); }
    void addressChoice(int row, const QString& digit) override {
        note(QStringLiteral("addressChoice(%1,%2)").arg(row).arg(digit));
    }
    QString nexBestellzeit(const QString&) override { return {}; }
    // StatisticsService
    void record(const TStatistik& e) override { events.append(e); }
    void recordDraft(const StatistikEvent& e) override { draftEvents.append(e); }
    void recordProgramLogin() override { note(QStringLiteral("programLogin")); }
    void recordLoginInfo(int n) override { note(QStringLiteral("loginInfo(%1)").arg(n)); }
    void recordNoInternet(const QString& status) override {
        note(QStringLiteral("noInternet(%1)").arg(status));
    }
    void recordProgramEnd() override { note(QStringLiteral("programEnd")); }
    void send() override { note(QStringLiteral("sendStatistics")); }
    void saveLocally(const QString& info) override { note(QStringLiteral("saveStatistics(%1)").arg(info)); }
    // ArticleWindows
    void startErweiterteSuche(const QString& a) override {
        note(QStringLiteral("erweiterteSuche(%1)").arg(a));
    }
    void articleWindow(int row) override { note(QStringLiteral("articleWindow(%1)").arg(row)); }
    // QuickSearchService
    void alternatives(int row) override { note(QStringLiteral("alternatives(%1)").arg(row)); }
    void hidePopups() override { note(QStringLiteral("hidePopups")); }
    bool hitListShown() const override { return hitList; }
    QStringList mitverkaufsArtikel(const QString& a) override { return coSale ? coSale(a) : QStringList(); }
    bool quickEntry() const override { return false; }
    // BookingService
    void bookOrder() override { note(QStringLiteral("bookOrder")); }
    void warehouseToExpress() override { note(QStringLiteral("warehouseToExpress")); }
    bool wantsReference(int) override { return false; }
    // DraftOrderService
    void loadDraftOrder() override { note(QStringLiteral("loadDraftOrder")); }
    int kladdenZahl() const override { return 0; }
    // PriceFileService
    void readPriceFileInfo() override { note(QStringLiteral("readPriceFileInfo")); }
    // ImportService
    void startPendingImport() override { note(QStringLiteral("startPendingImport")); }
    bool importRunning() const override { return importing; }

private:
    void note(const QString& call) { calls.append(call); }
};
