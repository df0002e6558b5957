#include "order/draftorder.h"

#include "link/requests/draftrequests.h"
#include "link/serverlink.h"
#include "model/codetables.h"
#include "model/formatde.h"
#include "order/draftcellactions.h"
#include "order/draftlineops.h"
#include "order/draftlinestate.h"
#include "order/vkklcolumns.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "services/priceservice.h"
#include "session/customerdata.h"

#include <QHash>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

DraftOrder::DraftOrder(ServerLink& link, const ClientServices& services, Seams seams, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_services(services)
    , m_s(seams)
    , m_grid(u"sgVKKL"_s)
    , m_shadow(u"sgVKKLState"_s)
    , m_ops(std::make_unique<DraftLineOps>(*this))
    , m_cells(std::make_unique<DraftCellActions>(*this)) {
    setupVisible(m_grid, m_settings.tenant, m_settings.artikelReferenz);
    setupShadow(m_shadow, m_settings.tenant);
    m_grid.setRowCount(2);
    m_shadow.setRowCount(2);
    m_summenLabel = m_totals.label(m_settings.pricesShown(), m_link.vkklEnvironment().context.vatText,
                                   m_settings.languageFile);
}

DraftOrder::~DraftOrder() = default;

void DraftOrder::setSettings(const DraftSettings& settings) {
    const bool columns =
        settings.tenant != m_settings.tenant || settings.artikelReferenz != m_settings.artikelReferenz;
    const bool prices = settings.priceDisplay != m_settings.priceDisplay;
    m_settings = settings;
    if (columns) {
        setupVisible(m_grid, m_settings.tenant, m_settings.artikelReferenz);
        setupShadow(m_shadow, m_settings.tenant);
    }
    if (prices)
        finishRebuild();
}

void DraftOrder::load() {
    UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
}

QString DraftOrder::hintFont(int column) {
    return column == iStaffelpreis ? u"Courier New"_s : u"Arial"_s;
}

void DraftOrder::status(int panel, const QString& text) {
    Q_EMIT statusText(panel, text);
}

void DraftOrder::log(const QString& text) {
    m_s.log.Log(1, text, 1);
}

void DraftOrder::report(const QString& text, bool force) {
    log(text);
    if (force || m_settings.messagesEnabled())
        m_s.dialogs.message(QString(), text);
}

QString DraftOrder::deliveryText(const QString& code, const QString& filiale) const {
    if (!m_customer)
        return code;
    return CodeTables::lieferText(code, filiale, m_customer->deliveryCodes, m_link.vkklEnvironment().context);
}

VkklRow::Context DraftOrder::rowContext() const {
    VkklRow::Context c;
    if (m_customer) {
        c.deliveryText = [this](const QString& code, const QString& filiale) {
            return deliveryText(code, filiale);
        };
    }
    PriceService* prices = m_services.prices;
    c.priceText = [prices](const QString& price, const TVerkaufskladde& line) {
        return prices->priceText(price, line);
    };
    // Graduated prices are asked only while their column shows.
    if (!m_grid.isColumnHidden(iStaffelpreis))
        c.staffelpreis = [prices](const TVerkaufskladde& line) { return prices->staffelpreis(line); };
    return c;
}

void DraftOrder::recomputeLogo(int row, const QString& menge) {
    if (!m_settings.lineState)
        return;
    m_grid.setCell(iLogo, row, DraftLineState::word(m_grid, row, menge, m_link.vkklEnvironment().context));
}

int DraftOrder::UpdateVKKL(const QString& changedColumn, const TVerkaufskladdeArray& lines, int row,
                           const QString& vkklId, const QString& mode) {
    QString line = u"UpdateVKKL: Mode[%1], VKKL_ID=%2, Row=%3"_s.arg(mode, vkklId).arg(row);
    if (!changedColumn.isEmpty())
        line += u" modifySpalte=%1 %2 %3 wird geändert "_s.arg(m_grid.column(changedColumn))
                    .arg(changedColumn, m_grid.value(changedColumn, row));
    if (mode.trimmed() == u"4" && !lines.isEmpty())
        line += u" BeschaffungsCode="_s + lines.first().BESCHAFFUNGSCODE;
    log(line);

    bool ok = false;
    const int m = mode.trimmed().toInt(&ok);
    QString refusal;
    if (!ok)
        refusal = u"StrToInt of Mode \"%1\" failed (UpdateVKKL)!"_s.arg(mode);
    else if (m != 0 && m != 4)
        refusal = u"Mode \"%1\" not supported (UpdateVKKL)."_s.arg(mode);
    else if (m == 4 && row < 1)
        refusal = u"Header Zeile kann nicht geändert werden (UpdateVKKL)."_s;
    else if (m == 4 && vkklId.trimmed().isEmpty())
        refusal = u"sVKKL_ID \"%1\" ist leer (UpdateVKKL)."_s.arg(vkklId);
    if (!refusal.isEmpty()) {
        report(refusal);
        return 1;
    }

    m_shadow.setRowCount(m_grid.rowCount());
    if (m == 0)
        return rebuildAll();

    TVerkaufskladde one;
    if (!lines.isEmpty()) {
        one = lines.first();
    } else {
        VkklAnswer answer;
        const LinkAnswer a = MyVKKLGet(m_link, u"4"_s, QString(), QString(), QString(), vkklId, answer);
        if (!a.ok() || answer.lines.isEmpty()) {
            report(a.errorText, a.result < 0);
            return a.ok() ? 113 : a.result;
        }
        one = answer.lines.first();
    }
    return rebuildRow(changedColumn, std::move(one), row);
}

void DraftOrder::propagateError(QStringList& shadowRow, const TVerkaufskladde& line) {
    QString& message = shadowRow[iErrorMessage];
    if (line.FEHLERNUMMER.trimmed() == u"0" || line.FEHLERNUMMER.trimmed().isEmpty()) {
        message = line.FEHLERTEXT;
    } else if (!line.FEHLERTEXT.isEmpty() && !message.contains(line.FEHLERTEXT)) {
        message = message.isEmpty() ? line.FEHLERTEXT : message + u'\n' + line.FEHLERTEXT;
    }
}

int DraftOrder::rebuildAll() {
    // The shadow takes the rows as they are now; what the client keeps of a
    // line (trip, external warehouse, a refused edit) is found by its key.
    QList<QStringList> shadowRows;
    shadowRows.reserve(m_grid.rowCount());
    QHash<QString, int> byId;
    byId.reserve(m_grid.rowCount());
    for (int r = 1; r < m_grid.rowCount(); ++r) {
        QStringList cells = m_grid.row(r);
        cells.append(m_shadow.cell(count, r));
        byId.insert(cells.at(iVkklId), int(shadowRows.size()));
        shadowRows.append(std::move(cells));
    }

    VkklAnswer answer;
    const LinkAnswer a = MyVKKLGet(m_link, u"0"_s, QString(), QString(), QString(), u"0"_s, answer);
    if (!a.ok()) {
        const int received = int(answer.lines.size());
        if (a.result == 119 || a.result == 113) {
            const int rows = std::max(2, received + 1);
            m_grid.setRowCount(rows);
            m_shadow.setRowCount(rows);
            if (rows == 2) {
                m_grid.clearRow(1);
                m_shadow.clearRow(1);
            }
            log(u"UpdateVKKL B: Keine offenen Kladden -> Erzeuge neue Zeile"_s);
            finishRebuild();
            if (m_grid.rowCount() <= 2)
                Neue_Zeile();
            return a.result;
        }
        if (m_settings.messagesEnabled() || a.result < 0)
            m_s.dialogs.message(QString(), a.errorText);
        log(a.errorText);
        Neue_Zeile();
        return a.result;
    }

    const ModelContext& context = m_link.vkklEnvironment().context;
    const VkklRow::Context rc = rowContext();
    TVerkaufskladdeArray& lines = answer.lines;
    log(u"Found Anzahl VKKladden=%1"_s.arg(lines.size()));
    QList<QStringList> rows;
    rows.reserve(lines.size());
    QList<int> fromShadow(lines.size(), -1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        TVerkaufskladde& l = lines[i];
        VkklRow::prepare(l, context);
        QStringList cells = VkklRow::cells(l, int(i + 1), rc);
        const int s = byId.value(l.VKKL_ID, -1);
        if (s >= 0) {
            QStringList& sr = shadowRows[s];
            propagateError(sr, l);
            cells[iFahrt] = sr.at(iFahrt);
            cells[iExterneFiliale] = sr.at(iExterneFiliale);
            fromShadow[i] = s;
        }
        rows.append(std::move(cells));
    }
    m_grid.setDataRows(rows);

    static const int winning[] = {iLogo,    iBestellen,     iLieferadresse, iArtikelnummer, iMenge,
                                  iFiliale, iLieferungsart, iErrorCode,     iErrorMessage};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int r = int(i + 1);
        recomputeLogo(r, lines.at(i).MENGE);
        const int s = fromShadow.at(i);
        if (s >= 0 && shadowRows.at(s).at(iErrorMessage).size() >= 2) {
            // A refused edit: the confirmed values and the error stay in view.
            for (int c : winning)
                m_grid.setCell(c, r, shadowRows.at(s).at(c));
        }
    }
    QList<QStringList> confirmed;
    confirmed.reserve(lines.size());
    for (int r = 1; r < m_grid.rowCount(); ++r)
        confirmed.append(m_grid.row(r));
    m_shadow.setDataRows(confirmed);
    if (m_grid.rowCount() < 2) {
        m_grid.setRowCount(2);
        m_shadow.setRowCount(2);
    }
    finishRebuild();
    return 0;
}

int DraftOrder::rebuildRow(const QString& changedColumn, TVerkaufskladde line, int row) {
    if (row >= m_grid.rowCount()) {
        m_grid.setRowCount(row + 1);
        m_shadow.setRowCount(row + 1);
    }
    VkklRow::prepare(line, m_link.vkklEnvironment().context);
    QStringList cells = VkklRow::cells(line, 0, rowContext());
    const QStringList old = m_grid.row(row);
    cells[iPos] = old.value(iPos);

    QStringList shadow = m_shadow.row(row);
    const QString shadowId = shadow.value(iVkklId);
    if (shadowId.isEmpty() || shadowId != line.VKKL_ID) {
        // Nothing confirmed yet for this line in this row: the server's
        // line is the first confirmed state, not another line's cells.
        shadow = cells;
        shadow.append(QString());
        shadow[iErrorMessage].clear();
    }
    propagateError(shadow, line);

    cells[iFahrt] = shadow.value(iFahrt);
    if (m_settings.tenant != 6 && m_settings.keepDeleteIcon) {
        cells[iLoeschen] = shadow.value(iLoeschen);
        cells[iLogo] = shadow.value(iLogo);
    }
    if (cells.at(iErrorCode).trimmed() == u"0") {
        for (int c = 0; c < count; ++c) {
            if (c != iErrorMessage && !enterable(c, m_settings.artikelReferenz))
                shadow[c] = cells.at(c);
        }
    }
    shadow[iBestellen] = cells.at(iBestellen);
    if (shadow.at(iLieferadresse).isEmpty())
        shadow[iLieferadresse] = cells.at(iLieferadresse);
    if (shadow.at(iFiliale).size() < 3)
        shadow[iFiliale] = cells.at(iFiliale);
    shadow[iLieferungsart] = cells.at(iLieferungsart);
    const int changed = m_grid.column(changedColumn);
    if (changed >= 0)
        shadow[changed] = cells.at(changed);
    shadow[iErrorCode] = cells.at(iErrorCode);
    shadow[iBeschaffung] = cells.at(iBeschaffung);
    m_shadow.setRow(row, shadow);

    m_totals.addRow(old, -1);
    m_grid.setRow(row, shadow.mid(0, count));
    recomputeLogo(row, line.MENGE);
    m_shadow.setCell(iLogo, row, m_grid.cell(iLogo, row));
    m_totals.addRow(m_grid.row(row), 1, &m_s.log);
    m_summenLabel = m_totals.label(m_settings.pricesShown(), m_link.vkklEnvironment().context.vatText,
                                   m_settings.languageFile);
    Q_EMIT summenLabelChanged(m_summenLabel);
    if (!m_settings.silentImport)
        status(0, u"Verkaufskladden sind aktualisiert, "_s + FormatDE::formatTime(m_s.clock.now().time()));
    return 0;
}

void DraftOrder::refreshTotals() {
    m_totals.clear();
    for (int r = 1; r < m_grid.rowCount(); ++r)
        m_totals.addRow(m_grid.row(r), 1, &m_s.log);
}

void DraftOrder::finishRebuild() {
    refreshTotals();
    m_summenLabel = m_totals.label(m_settings.pricesShown(), m_link.vkklEnvironment().context.vatText,
                                   m_settings.languageFile);
    Q_EMIT summenLabelChanged(m_summenLabel);
    if (!m_settings.silentImport)
        status(0, u"Verkaufskladden sind aktualisiert, "_s + FormatDE::formatTime(m_s.clock.now().time()));
}

bool DraftOrder::sendChange(const LineValues& values, int row, const QString& changedColumn,
                            VkklAnswer* answer) {
    VkklAnswer local;
    VkklAnswer& out = answer ? *answer : local;
    const LinkAnswer a = MyVKKLUpdate(m_link, values, out);
    if (!out.lines.isEmpty())
        UpdateVKKL(changedColumn, out.lines, row, values.at(LineValues::VKKL_ID), u"4"_s);
    if (!a.ok()) {
        if (out.lines.isEmpty()) {
            // No line came back: the error still belongs to the row.
            m_grid.setCell(iErrorCode, row, QString::number(a.result));
            m_grid.setCell(iErrorMessage, row, a.errorText);
            m_shadow.setCell(iErrorCode, row, QString::number(a.result));
            m_shadow.setCell(iErrorMessage, row, a.errorText);
        }
        log(a.errorText);
        return false;
    }
    return true;
}

void DraftOrder::Neue_Zeile() {
    m_ops->neueZeile();
}

void DraftOrder::reopenEditor(const QString& header, int row) {
    const int c = m_grid.column(header);
    if (c < 0)
        return;
    m_grid.setCurrentCell(c, row);
    Q_EMIT editorRequested(header, row);
}

int DraftOrder::Neue_Zeile_mit_copy(const QString& artikel, bool bestellen, const QString& mark,
                                    const QString& menge, const QString& filiale) {
    return m_ops->neueZeileMitCopy(artikel, bestellen, mark, menge, filiale);
}

void DraftOrder::newLineWithCopy(int row) {
    m_ops->copyRow(row);
}

void DraftOrder::newLine() {
    const int last = m_grid.rowCount() - 1;
    if (!m_grid.cell(iBezeichnung, last).isEmpty())
        Neue_Zeile();
    else
        reopenEditor(Artikelnummer, last);
}

void DraftOrder::deleteLine(int row) {
    m_ops->deleteLine(row);
}

void DraftOrder::deleteAllLines() {
    m_ops->deleteAll();
}

void DraftOrder::markAll() {
    m_ops->markAll(true);
}

void DraftOrder::clearAllMarks() {
    m_ops->markAll(false);
}

void DraftOrder::fillQuantities() {
    m_ops->fillQuantities();
}

void DraftOrder::setReferenceForAll() {
    QString referenz;
    if (!m_s.dialogs.inputText(QString(), u"Bestellnummer/Ihre Referenz"_s, referenz) || referenz.isEmpty())
        return;
    setReference(referenz, false);
}

void DraftOrder::setReference(const QString& referenz, bool onlyMarked) {
    m_ops->setReference(referenz, onlyMarked);
}

int DraftOrder::ChkVKKL(bool show) {
    return m_ops->chkVKKL(show);
}

QString DraftOrder::extract_kladde(int row) const {
    QString text;
    for (const QString& h : {Pos, Lieferadresse, Artikelnummer, Menge, Filiale, Lieferungsart, Benutzer,
                             Kundennr, VkklId, ErrorCode, BestellInfo})
        text += m_grid.value(h, row) + u';';
    return text;
}

QString DraftOrder::IsRueckstand(int row) const {
    return LineValues::backorderFlag(m_grid.cell(iMenge, row), m_grid.cell(iZuLiefern, row));
}

void DraftOrder::restoreCell(int column, int row) {
    m_grid.setCell(column, row, m_shadow.cell(column, row));
}

bool DraftOrder::isEnterable(int column) const {
    return m_grid.isTabStop(column);
}

bool DraftOrder::opensEditor(int column, int row) const {
    return row >= 1 && (column == iArtikelnummer || column == iMenge || column == iBestellInfo);
}

void DraftOrder::toggleMark(int row) {
    m_cells->toggleMark(row);
}

void DraftOrder::applyJaNein(int row, bool ja) {
    m_cells->applyJaNein(row, ja);
}

void DraftOrder::enterOnRow(int column, int row) {
    m_cells->enterOnRow(column, row);
}

void DraftOrder::copyFromRowAbove(int column, int row) {
    m_cells->copyFromRowAbove(column, row);
}

void DraftOrder::commitCell(int column, int row, const QString& text) {
    m_cells->commitCell(column, row, text);
}

QString DraftOrder::selectionStatus(int column, int row) const {
    return m_cells->selectionStatus(column, row);
}

QString DraftOrder::hintFor(int column, int row) {
    return m_cells->hintFor(column, row);
}

void DraftOrder::logoClicked(int row) {
    m_cells->logoClicked(row);
}

bool DraftOrder::lineReady(int row, bool report) {
    return m_cells->lineReady(row, report);
}

bool DraftOrder::set_Bestellen(int row, bool mitverkauf, bool neueZeile, bool nurBestellen,
                               const QString& rueckstand, const QString& mitverkaufMenge,
                               const QString& mark) {
    return m_cells->set_Bestellen(row, mitverkauf, neueZeile, nurBestellen, rueckstand, mitverkaufMenge,
                                  mark);
}

bool DraftOrder::set_ZeilenReferenz(const QString& vkklId, const QString& text, int row) {
    return m_cells->set_ZeilenReferenz(vkklId, text, row);
}
