#include "documents/belegcsv.h"

#include "documents/documentkinds.h"
#include "grid/stringgrid.h"
#include "link/textcodec.h"

#include <QLocale>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace BelegCsv {

QString suggestedName(int kind, int tenant, const QString& number, const QDate& from, const QDate& to) {
    using namespace DocumentKind;
    QString prefix;
    switch (kind) {
    case Orders:
        prefix = u"Bestellzeilen"_s;
        break;
    case DeliveryNotes:
        prefix = u"Lieferscheinzeilen"_s;
        break;
    case Invoices:
        prefix = u"Rechnungszeilen"_s;
        break;
    case CreditNotes:
        prefix = u"Gutschriftzeilen"_s;
        break;
    case Offers:
        prefix = u"Angebotzeilen"_s;
        break;
    case InvoiceBookings:
    case CreditBookings:
        prefix = u"Buchungszeilen"_s;
        break;
    case Backorders:
        prefix = tenant == 1 ? u"Rückstandzeilen"_s : u"Besorgungszeilen"_s;
        break;
    default:
        break;
    }
    QString suffix = number;
    if (kind == InvoiceBookings || kind == CreditBookings || kind == Backorders) {
        const QLocale system = QLocale::system();
        suffix =
            system.toString(from, QLocale::ShortFormat) + u'-' + system.toString(to, QLocale::ShortFormat);
    }
    // A date format with slashes must not name folders.
    suffix.replace(u'/', u'.');
    return prefix + u'_' + suffix + u".csv"_s;
}

// A cell as the file holds it. The format has no quoting: a separator or a
// line break inside a cell would move the cells after it, so they become a
// comma and a blank. A cell that a spreadsheet would read as a formula gets
// an apostrophe in front; numbers, negative ones included, and the "-" of a
// hidden price stay as they are.
QString guarded(const QString& cell) {
    if (cell.isEmpty())
        return cell;
    QString out = cell;
    out.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ').replace(u'\n', u' ').replace(u';', u',');
    const QChar first = out.front();
    if (first == u'=' || first == u'+' || first == u'@' || first == u'\t')
        return u'\'' + out;
    if (first == u'-' && out.size() > 1) {
        bool number = false;
        QLocale(QLocale::German).toDouble(out, &number);
        if (!number)
            return u'\'' + out;
    }
    return out;
}

QString text(const StringGrid& grid) {
    QString out = u"\r\n"_s;
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (grid.columnWidth(c) == 0)
                continue;
            out += guarded(grid.cell(c, r));
            out += u';';
        }
        out += u"\r\n"_s;
    }
    return out;
}

bool write(const QString& fileName, const StringGrid& grid, QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(TextCodec::toAnsi(text(grid))) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace BelegCsv
