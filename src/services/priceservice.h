#pragma once

#include "model/clientrecords.h"

#include <QString>

// Net prices as shown, graduated prices and deposits.
class PriceService {
public:
    virtual ~PriceService() = default;

    // A price of a draft line as shown (price factors).
    virtual QString priceText(const QString& price, const TVerkaufskladde& line) = 0;
    // A net price of the quick search as shown.
    virtual QString formatPrice(const QString& price) = 0;
    // First character of the graduated-price answer for the "Staffelpreis"
    // cell of a line; empty leaves the cell alone.
    virtual QString staffelpreis(const TVerkaufskladde& line) = 0;
    // The same for an article just taken into a row.
    virtual QString graduatedPrices(const QString& artikelnr) = 0;
    // The deposit notice after an article was taken into a row.
    virtual void depositHint(int row, const QString& artikelnr) = 0;
};
