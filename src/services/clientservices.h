#pragma once

// The client's services: one interface per subsystem that other subsystems
// call. The composition root fills the struct; every pointer is set, to the
// subsystem itself once it is built and to its named default until then
// (services/notbuilt.h).

class ArticleWindows;
class BookingService;
class DeliveryAddresses;
class DeliveryRules;
class DraftOrderService;
class ImportService;
class PriceFileService;
class PriceService;
class QuickSearchService;
class ProcurementDecision;
class StatisticsService;
class StockService;

struct ClientServices {
    StockService* stock = nullptr;
    DeliveryRules* delivery = nullptr;
    ProcurementDecision* procurement = nullptr;
    PriceService* prices = nullptr;
    DeliveryAddresses* addresses = nullptr;
    StatisticsService* statistics = nullptr;
    ArticleWindows* articleWindows = nullptr;
    QuickSearchService* quickSearch = nullptr;
    BookingService* booking = nullptr;
    DraftOrderService* draft = nullptr;
    PriceFileService* priceFile = nullptr;
    ImportService* import = nullptr;
};
