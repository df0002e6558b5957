#include "services/notbuilt.h"

#include "model/conversions.h"
#include "model/formatde.h"

QString PricesAsSent::priceText(const QString& price, const TVerkaufskladde&) {
    // What cannot be read shows "0,00".
    return FormatDE::formatFloat(Convert::toFloatDef(price.trimmed(), 0.0));
}

ClientServices NotBuiltServices::services() {
    ClientServices s;
    s.stock = &m_stock;
    s.delivery = &m_delivery;
    s.procurement = &m_procurement;
    s.prices = &m_prices;
    s.addresses = &m_addresses;
    s.statistics = &m_statistics;
    s.articleWindows = &m_articleWindows;
    s.quickSearch = &m_quickSearch;
    s.booking = &m_booking;
    s.draft = &m_draft;
    s.priceFile = &m_priceFile;
    s.import = &m_import;
    return s;
}
