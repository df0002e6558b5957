#pragma once

#include "model/clientrecords.h"

#include <QStringList>

#include <functional>

struct ModelContext;

// Turns a draft line into the cells of one grid row.
namespace VkklRow {

struct Context {
    // Delivery text of a code on a branch.
    std::function<QString(const QString& code, const QString& filiale)> deliveryText;
    // A price or amount of the line as shown; empty uses the plain two-decimal form.
    std::function<QString(const QString& price, const TVerkaufskladde& line)> priceText;
    // First character of the graduated-price answer; empty when the column is hidden.
    std::function<QString(const TVerkaufskladde& line)> staffelpreis;
};

// A line as the grid shows it: a line of quantity "0" keeps no amounts, and
// the server's error text is normalised.
void prepare(TVerkaufskladde& line, const ModelContext& context);
// The 50 cells of a row; pos is the running number ("%4d").
QStringList cells(const TVerkaufskladde& line, int pos, const Context& context);
// "JA" when the order mark is set.
bool marked(const QString& bestellen);
// A price text with two decimals; what cannot be read shows "0,00".
QString plainPrice(const QString& price);

} // namespace VkklRow
