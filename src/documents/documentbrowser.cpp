#include "documents/documentbrowser.h"

#include "documents/belegformular.h"
#include "documents/documentkinds.h"
#include "link/requests/customerrequests.h"
#include "model/uitexts.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "services/statisticsservice.h"
#include "session/lokalini.h"
#include "session/session.h"

#include <QDateTime>
#include <QFontMetrics>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString notFoundInRange(const QString& what) {
    return Txt::get(Txt::keineBelege, {what});
}

// "dd.mm.yyyy" as "yyyymmdd" for sorting; other texts stay.
QString sortableDate(const QString& text) {
    if (text.size() < 10)
        return text;
    return text.mid(6, 4) + text.mid(3, 2) + text.mid(0, 2);
}

} // namespace

DocumentBrowser::DocumentBrowser(Seams seams, Session& session, StatisticsService& statistics,
                                 const LokalIni* ini, QObject* parent)
    : QObject(parent)
    , m_s(seams)
    , m_session(session)
    , m_statistics(statistics)
    , m_ini(ini)
    , m_loader(std::make_unique<DocumentLoader>(seams.log, seams.dialogs, session.link())) {
    if (m_ini) {
        m_lineSelection = m_ini->read(u"OPTIONS"_s, u"BELEGE_ALLEZEILEN"_s, u"0"_s).toInt();
        m_sortDirection = m_ini->read(u"OPTIONS"_s, u"SORTBELEGE"_s, u"0"_s).toInt();
    }
    m_heads.setHeaders({QString()});
    m_lines.setHeaders({QString()});
}

DocumentBrowser::~DocumentBrowser() = default;

void DocumentBrowser::saveSettings() const {
    if (!m_ini)
        return;
    m_ini->write(u"OPTIONS"_s, u"BELEGE_ALLEZEILEN"_s, QString::number(m_lineSelection));
    m_ini->write(u"OPTIONS"_s, u"SORTBELEGE"_s, QString::number(m_sortDirection));
}

QString DocumentBrowser::backorderLabel() const {
    return DocumentKind::backorderWord(m_session.tenant());
}

bool DocumentBrowser::option(const QString& key) const {
    return m_session.options().value(key, true).trimmed().toUpper() == u"ON";
}

bool DocumentBrowser::allowed(int kind) const {
    switch (kind) {
    case DocumentKind::Orders:
    case DocumentKind::Backorders:
        return option(u"_M_BELEGE_BESTELLUNG_ZEIGEN"_s);
    case DocumentKind::DeliveryNotes:
        return option(u"_M_BELEGE_LIEFERSCHEIN_ZEIGEN"_s);
    case DocumentKind::Invoices:
        return option(u"_M_BELEGE_RECHNUNG_ZEIGEN"_s);
    case DocumentKind::CreditNotes:
        return option(u"_M_BELEGE_GUTSCHRIFT_ZEIGEN"_s);
    default:
        return true;
    }
}

DocumentOptions DocumentBrowser::options() const {
    DocumentOptions o;
    o.orderPrices = option(u"_M_BELEGE_BESTELLUNGPREISE_ZEIGEN"_s);
    o.deliveryPrices = option(u"_M_BELEGE_LIEFERSCHEINPREISE_ZEIGEN"_s);
    o.offerSerialIds = m_session.options().value(u"ANGEBOT_SERIALID"_s).trimmed().toUpper() == u"ON";
    o.interfaceVersion = m_session.link().serverLevel();
    o.outputType = o.interfaceVersion > 12 ? u"3"_s : u"2"_s;
    o.addressFilter = m_addressFilter;
    o.bookingHidden = m_bookingHidden;
    return o;
}

void DocumentBrowser::loggedIn() {
    m_addressFilter.clear();
    const QString filter = m_session.options().value(u"BELEG_LIEFERADRESSE_FILTER"_s).trimmed();
    if (!filter.isEmpty()) {
        for (const QString& part : filter.split(u';'))
            if (!part.trimmed().isEmpty())
                m_addressFilter.append(part.trimmed());
    }
    m_bookingHidden.clear();
    for (const QString& part : m_session.options().value(u"BUCHUNGSZEILEN_SPALTEN_CONFIG"_s).split(u';')) {
        bool ok = false;
        const int c = part.trimmed().toInt(&ok);
        if (ok && c >= 0 && c <= 255)
            m_bookingHidden.insert(c);
    }
}

void DocumentBrowser::resetView() {
    m_view.csvEnabled = m_view.printEnabled = m_view.requestEnabled = false;
    m_view.priceHintVisible = false;
    m_view.focusHeads = false;
}

void DocumentBrowser::entered() {
    resetView();
    m_view.openItemsVisible =
        m_session.options().value(u"OFFENE_POSTEN_ERLAUBT"_s).trimmed().toUpper() != u"OFF";
    m_heads.setHeaders({QString()});
    m_heads.setRowCount(1);
    m_lines.setHeaders({QString()});
    m_lines.setRowCount(1);
    m_view.headsVisible = true;
    m_view.linesVisible = false;
    m_view.focusHeads = true;
    Q_EMIT changed();
}

void DocumentBrowser::record(int aktion, const QString& info, const QString& detail) {
    TStatistik e = set_statistik_record(aktion, info, detail);
    e._KdNummer = m_session.customerData().customer.NUMMER;
    e._Benutzer = m_session.user().BENU_LOGIN;
    m_statistics.record(e);
}

void DocumentBrowser::message(const QString& text) {
    m_s.dialogs.message(QString(), text);
}

DocumentQuery DocumentBrowser::query(int kind, const QString& number, int mode, const Input& input) const {
    DocumentQuery q;
    q.kind = kind;
    q.number = number;
    q.mode = mode;
    q.from = input.from;
    q.to = input.to;
    q.allLines = m_lineSelection == 0;
    q.customer = m_session.customerData().customer.NUMMER;
    q.durchfakturierer = input.durchfakturierer;
    q.deliveryAddress = input.lieferadresse;
    q.outputType = options().outputType;
    return q;
}

void DocumentBrowser::search(int labelKind, const Input& input) {
    using namespace DocumentKind;
    m_input = input;
    // 1. Buttons off, the heads grid shown and emptied.
    resetView();
    m_view.linesVisible = false;
    m_view.headsVisible = true;
    m_view.sortLabelVisible = true;
    m_view.captionHint.clear();
    m_view.selectedHead = -1;
    m_heads.setRowCount(1);
    m_view.activeLabel = labelKind;
    // 2. The kind and the label text.
    int kind = labelKind;
    QString label = info(kind).label;
    if (labelKind == InvoiceBookings || labelKind == CreditBookings) {
        kind = input.creditBookings ? CreditBookings : InvoiceBookings;
        label = info(kind).label;
    } else if (labelKind == Backorders) {
        label = backorderLabel();
    }
    const Info ki = info(kind);
    if (ki.kind < 0 || (ki.request == 0 && kind != OpenItems)) {
        message(u"Belegart ist unbekannt!"_s);
        Q_EMIT changed();
        return;
    }
    // 3.
    m_view.caption = Txt::get(Txt::aktuellBeleg, {label});
    m_kind = kind;
    m_searchLabel = label;
    m_lines.setRowCount(1);
    // 4. The gates of the options.
    if (!allowed(kind)) {
        m_view.caption.clear();
        Q_EMIT changed();
        message(Txt::get(Txt::BelegFreigabe));
        return;
    }
    const DocumentOptions o = options();
    // 5. Open items: the document request does it all.
    if (kind == OpenItems) {
        record(ki.statistik, u"Beleg-Abfrage "_s + label, {});
        m_view.requestEnabled = true;
        Q_EMIT changed();
        Q_EMIT openItemsRequested();
        return;
    }
    // 6., 7. Backorders and booking lines go to the lines grid.
    if (kind == Backorders || kind == InvoiceBookings || kind == CreditBookings) {
        m_heads.setRowCount(1);
        m_view.headsVisible = false;
        m_view.sortLabelVisible = kind != Backorders;
        record(ki.statistik, u"Beleg-Abfrage "_s + label, {});
        const DocumentLoader::Result r = m_loader->LadeBelege(m_lines, query(kind, input.number, 1, input), o,
                                                              m_session.messageLevel() > 0);
        m_view.linesHint = r.hint;
        if (r.failed && kind == Backorders) {
            Q_EMIT changed();
            return;
        }
        if (r.count < 1) {
            Q_EMIT changed();
            message(notFoundInRange(kind == Backorders ? backorderLabel() : u"Buchungszeilen"_s));
            return;
        }
        m_view.linesVisible = true;
        m_view.csvEnabled = m_view.printEnabled = true;
        Q_EMIT changed();
        return;
    }
    // 8. Heads.
    record(ki.statistik, u"Beleg-Abfrage "_s + label, {});
    const int mode = input.byNumber ? 2 : 1;
    const DocumentLoader::Result r = m_loader->LadeBelege(m_heads, query(kind, input.number, mode, input), o,
                                                          m_session.messageLevel() > 0);
    m_view.captionHint = QString::number(std::max(r.count, 0)) + u" Belege"_s;
    m_view.focusHeads = r.dateColumn >= 0;
    // 9. The automatic sort by the number.
    if (m_heads.rowCount() > 1)
        sortgrid(m_heads, label == u"Bestellungen" ? 2 : 1, m_sortDirection == 1);
    Q_EMIT changed();
    if (r.count < 1 && !r.failed) {
        if (mode == 2)
            message(Txt::get(Txt::keinBelegNr, {input.number}));
        else if (kind == Offers)
            message(Txt::get(Txt::keineAngebote));
        else
            message(notFoundInRange(label));
    }
}

void DocumentBrowser::headClicked(int row) {
    using namespace DocumentKind;
    if (row < 1 || row >= m_heads.rowCount() || !isHead(m_kind))
        return;
    m_view.linesVisible = false;
    int numberColumn = -1;
    for (int c = 0; c < m_heads.columnCount(); ++c) {
        if (m_heads.header(c) == u"NUMMER" && !m_heads.isColumnHidden(c)) {
            numberColumn = c;
            break;
        }
    }
    const QString number = numberColumn >= 0 ? m_heads.cell(numberColumn, row) : QString();
    if (number.isEmpty())
        return;
    m_input.number = number;
    Q_EMIT numberChosen(number);
    const int aktion = info(m_kind).statistik > 0 ? info(m_kind).statistik : 36;
    record(aktion, u"Beleg-Abfrage"_s, m_view.caption + u" Nr."_s + number);
    m_lines.setRowCount(1);
    const QString key = m_kind == Offers ? m_heads.cell(0, row) : number;
    const DocumentLoader::Result r = m_loader->LadeBelege(m_lines, query(m_kind + 1, key, 2, m_input),
                                                          options(), m_session.messageLevel() > 0);
    m_view.linesHint = r.hint;
    m_view.priceHintVisible = m_kind == Orders || m_kind == DeliveryNotes;
    m_view.linesVisible = true;
    m_view.csvEnabled = m_view.printEnabled = option(u"_M_BELEGE_CSV_SPEICHERN"_s);
    m_view.requestEnabled = option(u"_M_BELEGE_DOKUMENTE_ANFORDERN"_s);
    m_view.selectedHead = row;
    Q_EMIT changed();
}

void DocumentBrowser::selectHead(int row) {
    m_view.selectedHead = row;
}

void DocumentBrowser::headsHeaderClicked(int column) {
    m_descending = !m_descending;
    sortgrid(m_heads, column, m_descending);
    Q_EMIT changed();
}

void DocumentBrowser::linesHeaderClicked(int column) {
    m_descending = !m_descending;
    sortgrid(m_lines, column, m_descending);
    Q_EMIT changed();
}

void DocumentBrowser::sortgrid(StringGrid& grid, int column, bool descending) {
    if (column < 0 || column >= grid.columnCount() || grid.rowCount() < 3)
        return;
    const QString stamp = u"dd.MM.yyyy hh:mm:ss"_s;
    m_s.log.Log(0, u"sortgrid start "_s + QDateTime::currentDateTime().toString(stamp), 1);
    const bool dates = grid.header(column).toUpper().contains(u"DATUM");
    struct Keyed {
        QString key;
        QStringList row;
    };
    QList<Keyed> rows;
    rows.reserve(grid.rowCount() - 1);
    for (int r = 1; r < grid.rowCount(); ++r) {
        QStringList cells = grid.row(r);
        const QString cell = cells.value(column);
        rows.append({dates ? sortableDate(cell) : cell, std::move(cells)});
    }
    // Ordinal comparison; rows with equal cells keep their order.
    if (descending)
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Keyed& a, const Keyed& b) { return a.key > b.key; });
    else
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    QList<QStringList> sorted;
    sorted.reserve(rows.size());
    for (Keyed& k : rows)
        sorted.append(std::move(k.row));
    grid.setDataRows(sorted);
    m_s.log.Log(0, u"sortgrid ende "_s + QDateTime::currentDateTime().toString(stamp), 1);
}

QString DocumentBrowser::previewText(int row) const {
    using namespace DocumentKind;
    if (!isHead(m_kind) || row < 1 || row >= m_heads.rowCount() || m_lines.rowCount() < 2)
        return {};
    const int column = m_kind == Offers ? 1 : m_kind == Orders ? 2 : 1;
    const QString number = m_heads.cell(column, row);
    QString text;
    MakeBelegFormular(m_kind, number, arrays(), m_session.customerData().deliveryCodes,
                      m_session.link().vkklEnvironment().context, m_heads, row, text, m_lines.rowCount());
    return text;
}

bool DocumentBrowser::bookingResult() const {
    return m_kind == DocumentKind::InvoiceBookings || m_kind == DocumentKind::CreditBookings;
}

int DocumentBrowser::bookingColumn(const QString& header) const {
    for (int c = 0; c < m_lines.columnCount(); ++c)
        if (m_lines.header(c).startsWith(header))
            return c;
    return -1;
}

void DocumentBrowser::showWithHeaderWidth(int column) {
    m_lines.setColumnWidth(column,
                           QFontMetrics(m_loader->font()).horizontalAdvance(m_lines.header(column) + u"H"_s));
}

void DocumentBrowser::hideColumn(const QString& header) {
    const int column = bookingColumn(header);
    if (column < 0) {
        message(u"Spalte \"%1\" nicht gefunden, kann nicht ausgeblendet werden."_s.arg(header));
        return;
    }
    m_lines.setColumnWidth(column, 0);
    m_bookingHidden.insert(column);
    Q_EMIT changed();
}

void DocumentBrowser::showColumn(const QString& header) {
    const int column = bookingColumn(header);
    if (column < 0) {
        message(u"Spalte nicht gefunden: "_s + header);
        return;
    }
    int shown = -1;
    if (column > 0 && m_lines.isColumnHidden(column - 1))
        shown = column - 1;
    else if (column + 1 < m_lines.columnCount() && m_lines.isColumnHidden(column + 1))
        shown = column + 1;
    if (shown < 0) {
        message(u"Vorherige und nachfolgende Spalte bereits eingeblendet."_s);
        return;
    }
    m_bookingHidden.remove(shown);
    showWithHeaderWidth(shown);
    Q_EMIT changed();
}

void DocumentBrowser::showAllColumns() {
    m_bookingHidden.clear();
    if (bookingResult()) {
        for (int c = 0; c < m_lines.columnCount(); ++c)
            if (m_lines.isColumnHidden(c))
                showWithHeaderWidth(c);
    }
    Q_EMIT changed();
}

void DocumentBrowser::saveColumnConfig() {
    message(u"Aktuelle Spaltenkonfiguration wird gespeichert"_s);
    QString config;
    for (int c = 0; c < m_lines.columnCount(); ++c)
        if (m_lines.isColumnHidden(c))
            config += QString::number(c) + u';';
    const LinkAnswer a = MyWriteBenutzerOptions(m_session.link(), QString(), QString(),
                                                {{u"BUCHUNGSZEILEN_SPALTEN_CONFIG"_s, config}});
    if (a.ok())
        m_session.setOption(u"BUCHUNGSZEILEN_SPALTEN_CONFIG"_s, config);
    else
        m_s.log.Log(1, u"BUCHUNGSZEILEN_SPALTEN_CONFIG: "_s + a.errorText, 1);
}
