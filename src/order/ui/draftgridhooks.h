#pragma once

#include <QString>

#include <functional>

// Places in the draft grid's window that later features fill: the lists and
// windows the keys and menus open. An empty hook does nothing.
struct DraftGridHooks {
    // Esc in the grid.
    std::function<void()> hideStockPopup;
    // F11, "Al&ternativ-Artikel".
    std::function<void(int row)> alternatives;
    // "&BestandsInfo" (F9).
    std::function<void(int row)> stockInfo;
    // F6 or a digit in "Lieferungsart", "Lie&ferungsarten"; key is the digit or empty.
    std::function<void(int row, const QString& key)> deliveryKinds;
    // F6 or a digit in "Lieferadresse", "&Lieferadresse"; digit preselects the address code.
    std::function<void(int row, const QString& digit)> addressChoice;
    // F6 in "Artikelnummer": the "&Artikel" window item.
    std::function<void(int row)> articleWindow;
    // "Lagerauftrag als Express".
    std::function<void()> warehouseToExpress;
    // "&Bestellen F10".
    std::function<void()> bookOrder;
    // True while the co-sale question of the order mark is open: the grid drops keys.
    std::function<bool()> coSaleQuestionOpen;
    // True while an import runs: no hints.
    std::function<bool()> importRunning;
    // Font family of a hint; empty means "Arial".
    std::function<QString(int column, int row)> hintFont;
};
