#include "documents/documentloader.h"

#include "documents/documentkinds.h"
#include "grid/stringgrid.h"
#include "link/errortable.h"
#include "link/serverlink.h"
#include "model/conversions.h"
#include "platform/dialogs.h"
#include "platform/logger.h"

#include <QFontMetrics>

using namespace Qt::StringLiterals;

DocumentLoader::DocumentLoader(Logger& log, Dialogs& dialogs, ServerLink& link)
    : m_log(log)
    , m_dialogs(dialogs)
    , m_link(link) {}

QString DocumentLoader::dateText(const QDate& date) {
    return date.isValid() ? date.toString(u"dd.MM.yyyy"_s) : QString();
}

QStringList DocumentLoader::parameters(const DocumentQuery& q) {
    using namespace DocumentKind;
    const bool byNumber = q.mode == 2;
    const QString from = byNumber ? QString() : dateText(q.from);
    const QString to = byNumber ? QString() : dateText(q.to);
    const QString mode = QString::number(q.mode);
    const QString selection = q.allLines ? u"0"_s : u"2"_s;
    switch (q.kind) {
    case Orders:
        return {mode, u"1"_s, q.number, q.customer, {}, from, to, {}};
    case DeliveryNotes:
    case Invoices:
    case CreditNotes:
        return {mode, q.number, {}, q.customer, {}, from, to, {}};
    case OrderLines:
        return {selection, u"1"_s, q.number, {}};
    case DeliveryLines:
    case InvoiceLines:
    case CreditLines:
        return {{}, u"0"_s, selection, q.number, q.customer, {}, {}, {}, {}, u"0"_s};
    case Offers:
        return {u"0"_s, u"0"_s, q.customer, u"0"_s};
    case OfferLines:
        return {u"0"_s, q.number, q.customer, u"0"_s};
    case InvoiceBookings:
    case CreditBookings: {
        int address = -1;
        const QString text = q.deliveryAddress.trimmed();
        const QString adr =
            Convert::tryToInt(text, address) && address >= 0 ? QString::number(address) : u"-1"_s;
        return {{}, u"0"_s, q.durchfakturierer, q.customer, dateText(q.from), dateText(q.to), adr,
                {}, u"0"_s};
    }
    case Backorders:
        return {q.number, u"0"_s,           u"1"_s,         u"2"_s, {}, q.customer, {},          {},
                {},       dateText(q.from), dateText(q.to), {},     {}, {},         q.outputType};
    default:
        return {};
    }
}

DocumentLoader::Result DocumentLoader::LadeBelege(StringGrid& grid, const DocumentQuery& query,
                                                  const DocumentOptions& options, bool showErrors) {
    Result r;
    const DocumentKind::Info info = DocumentKind::info(query.kind);
    if (info.kind < 0 || info.request == 0)
        return r;
    const bool lineLoad = !DocumentKind::isHead(query.kind) && DocumentKind::isHead(query.kind - 1);
    DocumentTable header = DocumentDecoder::empty(query.kind);
    if (!lineLoad)
        grid.setRowCount(1);
    fill(grid, header, m_font, query.kind == DocumentKind::DeliveryLines);

    const LinkAnswer a = m_link.call(LinkRequest(info.request, parameters(query)));
    if (!a.ok()) {
        const QString message = a.errorText.isEmpty() ? a.message : a.errorText;
        m_log.Log(1,
                  u"ERR: "_s + info.functionName + u"-["_s + ErrorTable::GetErrorText(a.result) + u"], "_s +
                      message,
                  1);
        if (showErrors || query.kind == DocumentKind::Backorders)
            m_dialogs.message(QString(), message, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        r.failed = true;
        return r;
    }
    const DocumentTable table = DocumentDecoder::decode(query.kind, a.lines, options, m_arrays);
    if (!table.problem.isEmpty()) {
        m_log.Log(1, info.functionName + u": "_s + table.problem, 1);
        if (showErrors)
            m_dialogs.message(QString(), table.problem, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    }
    if (query.kind == DocumentKind::Offers || query.kind == DocumentKind::OfferLines) {
        const qsizetype fields = table.count > 0 ? (a.lines.size() - 1) / table.count : 0;
        m_log.Log(1,
                  (query.kind == DocumentKind::Offers ? u"Anzahl Deb.-Angebots-Köpfe=%1 Felder=%2"_s
                                                      : u"Anzahl Deb.-Angebots-Zeilen=%1 Felder=%2"_s)
                      .arg(table.count)
                      .arg(fields),
                  1);
    }
    fill(grid, table, m_font, query.kind == DocumentKind::DeliveryLines);
    r.count = table.count;
    r.dateColumn = info.dateColumn;
    r.hint = table.hint;
    return r;
}

void DocumentLoader::fill(StringGrid& grid, const DocumentTable& table, const QFont& font, bool tightWidths) {
    if (table.rows.isEmpty())
        return;
    grid.setHeaders(table.rows.first());
    grid.setDataRows(table.rows.mid(1));
    const QFontMetrics metrics(font);
    const QString extra = tightWidths ? QString() : u"H"_s;
    for (int c = 0; c < table.columns; ++c) {
        if (!table.visible.contains(c)) {
            grid.setColumnWidth(c, 0);
            continue;
        }
        int widest = 0;
        for (const QStringList& row : table.rows)
            widest = std::max(widest, metrics.horizontalAdvance(row.value(c) + extra));
        grid.setColumnWidth(c, widest + 4);
    }
}
