#pragma once

#include "model/articlerecords.h"

#include <QList>
#include <QString>

// The rows of the article information panel (lvArtikelInfo): caption,
// value and the info tip of the row.
struct ArticleInfoRow {
    QString caption;
    QString value;
    QString tip;
    friend bool operator==(const ArticleInfoRow&, const ArticleInfoRow&) = default;
};

namespace ArticleInfoPanel {

// netPrice is the formatted net price with its currency, empty when none was
// asked; showPreis the option "ON", "ONMOUSEOVER" or "OFF".
QList<ArticleInfoRow> rows(const TArtikelInfo& a, const QString& supplierName, const QString& netPrice,
                           const QString& showPreis);

} // namespace ArticleInfoPanel
