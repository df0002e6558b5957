#pragma once

#include <QString>

class DraftOrder;
struct DraftContext;

// A quantity typed into a draft line: checked, rounded to the technical
// unit and placed on the branches that have it. The first portion stays in
// the line, each further portion becomes a new line of the same article on
// its branch; what no branch has is handed to the backorder and procurement
// decision.
class QuantityEntry {
public:
    QuantityEntry(DraftOrder& order, DraftContext& context)
        : m_o(order)
        , m_d(context) {}

    void enter(int row, const QString& text);

private:
    // Quantity 0 and no external warehouse, before a new quantity is placed.
    bool resetLine(int row);
    void message(const QString& text) const;

    DraftOrder& m_o;
    DraftContext& m_d;
};
