#pragma once

#include "model/articlerecords.h"

#include <QString>

// Stock per branch of an article and of a draft line.
class StockService {
public:
    virtual ~StockService() = default;

    struct Stock {
        QString total;
        QString customerBranch;
        QString error; // empty on success
    };
    // Shows the stock grid beside the information panel of the quick search.
    virtual Stock showStock(const TArtikelInfo& article) = 0;
    virtual void hideStock() = 0;
    // "&BestandsInfo" (F9) on a row of the draft grid.
    virtual void stockInfo(int row) = 0;
};
