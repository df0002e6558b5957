#pragma once

// The services that are not built yet, each with its named default: what
// the client does meanwhile. A subsystem that arrives replaces its default
// in the composition root; the callers stay as they are.

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

// Stock per branch: no stock grid, no F9.
class StockNotBuilt final : public StockService {
public:
    Stock showStock(const TArtikelInfo&) override { return {}; }
    Stock statistikBestand(const QString&) override { return {}; }
    void hideStock() override {}
    void stockInfo(int) override {}
    External freeExternalStock(int, const QString&, const QString&) override { return {}; }
    Placement SetMengeStatus(const QString&, int wunschmenge, int, bool, const QString& wunschfiliale,
                             const QString&) override {
        return asWanted(wunschfiliale, wunschmenge);
    }
};

// Quantities, branches and delivery codes: the plain rounding; every
// article passes, nothing is re-applied, delivery cells go back.
class DeliveryRulesNotBuilt final : public DeliveryRules {
public:
    QString roundToTE(const QString& menge, const QString& te) override {
        return defaultRoundToTE(menge, te);
    }
    void resetQuantity(int) override {}
    QString checkDeliveryCode(int, const QString&) override { return {}; }
    void reapplyBranch(int) override {}
    void applyAddressBranch(int) override {}
    bool pruefeNexFilialen(int) override { return true; }
    bool setLieferung(int, int, const QString&) override { return false; }
    void deliveryKinds(int, const QString&) override {}
};

// Backorder and procurement: no decision dialog.
class ProcurementNotBuilt final : public ProcurementDecision {
public:
    void openBeschaffung(int) override {}
    // The rest stays on the line as backorder.
    bool Setze_Rueck_Beschaff(int, int, const QString&) override { return false; }
};

// Prices: the server's net prices in the plain two-decimal form, no price
// factors, no graduated prices, no deposit notice.
class PricesAsSent final : public PriceService {
public:
    QString priceText(const QString& price, const TVerkaufskladde& line) override;
    QString formatPrice(const QString& price) override { return price; }
    QString staffelpreis(const TVerkaufskladde&) override { return {}; }
    QString graduatedPrices(const QString&) override { return {}; }
    void depositHint(int, const QString&) override {}
};

// Delivery addresses and deadlines: no tables, every tour passes, no hints.
class AddressesNotBuilt final : public DeliveryAddresses {
public:
    void loadOrderDeadlines() override {}
    // Without order-time entries every line keeps its address.
    OrderTimeAddress orderTimeAddress(const QString& adresse, const QString&) override {
        return {adresse, false};
    }
    QString lieferzeitText(int) override { return {}; }
    void addressChoice(int, const QString&) override {}
    QString nexBestellzeit(const QString&) override { return {}; }
};

// Usage statistics: nothing is recorded.
class StatisticsNotBuilt final : public StatisticsService {
public:
    void record(const TStatistik&) override {}
    void recordDraft(const StatistikEvent&) override {}
    void recordProgramLogin() override {}
    void recordLoginInfo(int) override {}
    void recordNoInternet(const QString&) override {}
    void recordProgramEnd() override {}
    void send() override {}
    void saveLocally(const QString&) override {}
};

// Extended search and the article window: not opened.
class ArticleWindowsNotBuilt final : public ArticleWindows {
public:
    void startErweiterteSuche(const QString&) override {}
    void articleWindow(int) override {}
};

// The quick search is built with the Shop tab; this stands in where a
// draft order runs without one (and in tests of the grid alone).
class NoQuickSearch final : public QuickSearchService {
public:
    void alternatives(int) override {}
    void hidePopups() override {}
    bool hitListShown() const override { return false; }
    QStringList mitverkaufsArtikel(const QString&) override { return {}; }
    bool quickEntry() const override { return false; }
};

// Booking: F10 and the express conversion do nothing; no reference first.
class BookingNotBuilt final : public BookingService {
public:
    void bookOrder() override {}
    void warehouseToExpress() override {}
    bool wantsReference(int) override { return false; }
};

// The draft order before the Shop tab exists (the session alone).
class DraftOrderNotBuilt final : public DraftOrderService {
public:
    void loadDraftOrder() override {}
    int kladdenZahl() const override { return 0; }
};

// Price file: no information after the login.
class PriceFileNotBuilt final : public PriceFileService {
public:
    void readPriceFileInfo() override {}
};

// Imports: none pending, none running.
class ImportNotBuilt final : public ImportService {
public:
    void startPendingImport() override {}
    bool importRunning() const override { return false; }
};

// One of each default, and the services struct pointing at them.
class NotBuiltServices {
public:
    ClientServices services();

private:
    StockNotBuilt m_stock;
    DeliveryRulesNotBuilt m_delivery;
    ProcurementNotBuilt m_procurement;
    PricesAsSent m_prices;
    AddressesNotBuilt m_addresses;
    StatisticsNotBuilt m_statistics;
    ArticleWindowsNotBuilt m_articleWindows;
    NoQuickSearch m_quickSearch;
    BookingNotBuilt m_booking;
    DraftOrderNotBuilt m_draft;
    PriceFileNotBuilt m_priceFile;
    ImportNotBuilt m_import;
};
