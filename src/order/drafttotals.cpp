#include "order/drafttotals.h"

#include "model/formatde.h"
#include "platform/logger.h"
#include "services/vkklcolumns.h"

#include <cmath>

using namespace Qt::StringLiterals;

bool DraftTotals::toCents(const QString& text, qint64& cents) {
    QString t = text.trimmed();
    if (t.isEmpty()) {
        cents = 0;
        return true;
    }
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    cents = std::llround(v * 100.0);
    return true;
}

void DraftTotals::addRow(const QStringList& row, int sign, Logger* logger) {
    using namespace VkklColumns;
    const auto read = [&](int column, qint64& cents) {
        if (toCents(row.value(column), cents))
            return true;
        if (logger)
            logger->Log(1,
                        u"SummenLabel: \"%1\" ist keine gültige Zahl (Zeile %2)"_s.arg(
                            row.value(column), row.value(iPos).trimmed()),
                        1);
        return false;
    };
    const bool bestellt = row.value(iBestellen) == u"JA";
    qint64 cents = 0;
    if (read(iNettobetrag, cents)) {
        m_sums.netto += sign * cents;
        if (bestellt)
            m_sums.bestelltNetto += sign * cents;
    }
    if (read(iBruttobetrag, cents)) {
        m_sums.brutto += sign * cents;
        if (bestellt)
            m_sums.bestelltBrutto += sign * cents;
    }
}

QString DraftTotals::label(bool pricesShown, const QString& vatText, bool languageFile) const {
    const Sums s = pricesShown ? m_sums : Sums();
    const auto eur = [](qint64 cents) { return FormatDE::formatFixed(double(cents) / 100.0, 8, 2); };
    const auto gross = [&](qint64 cents) {
        return languageFile ? u"exkl. MWSt EUR "_s + eur(cents)
                            : FormatDE::vatTotalsLine(vatText, double(cents) / 100.0);
    };
    return u"  Gesamt netto EUR "_s + eur(s.netto) + u'\n' + gross(s.brutto) + u'\n' +
           u"Bestellt netto EUR "_s + eur(s.bestelltNetto) + u'\n' + gross(s.bestelltBrutto);
}
