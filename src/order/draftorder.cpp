#include "order/draftorder.h"

#include "link/requests/draftrequests.h"
#include "link/serverlink.h"
#include "model/codetables.h"
#include "model/formatde.h"
#include "model/uitexts.h"
#include "order/deliverychoice.h"
#include "order/draftcellactions.h"
#include "order/draftlineops.h"
#include "order/draftlinestate.h"
#include "order/quantityentry.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "services/priceservice.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"

#include <QHash>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

DraftOrder::DraftOrder(ServerLink& link, const ClientServices& services, Seams seams, QObject* parent)
    : QObject(parent)
    , m_d(link, services, seams)
    , m_ops(std::make_unique<DraftLineOps>(*this, m_d))
    , m_cells(std::make_unique<DraftCellActions>(*this, m_d))
    , m_quantities(std::make_unique<QuantityEntry>(*this, m_d))
    , m_delivery(std::make_unique<DeliveryChoice>(*this, m_d)) {
    setupVisible(m_d.grid, m_d.settings.tenant, m_d.settings.artikelReferenz);
    setupShadow(m_d.shadow, m_d.settings.tenant);
    m_d.grid.setRowCount(2);
    m_d.shadow.setRowCount(2);
    m_summenLabel = m_totals.label(m_d.settings.pricesShown(), m_d.link.vkklEnvironment().context.vatText,
                                   m_d.settings.languageFile);
}

DraftOrder::~DraftOrder() = default;

void DraftOrder::setSettings(const DraftSettings& settings) {
    const bool columns =
        settings.tenant != m_d.settings.tenant || settings.artikelReferenz != m_d.settings.artikelReferenz;
    const bool prices = settings.priceDisplay != m_d.settings.priceDisplay;
    m_d.settings = settings;
    if (columns) {
        setupVisible(m_d.grid, m_d.settings.tenant, m_d.settings.artikelReferenz);
        setupShadow(m_d.shadow, m_d.settings.tenant);
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

int DraftOrder::UpdateVKKL(const QString& changedColumn, const TVerkaufskladdeArray& lines, int row,
                           const QString& vkklId, const QString& mode) {
    QString line = u"UpdateVKKL: Mode[%1], VKKL_ID=%2, Row=%3"_s.arg(mode, vkklId).arg(row);
    if (!changedColumn.isEmpty())
        line += u" modifySpalte=%1 %2 %3 wird geändert "_s.arg(m_d.grid.column(changedColumn))
                    .arg(changedColumn, m_d.grid.value(changedColumn, row));
    if (mode.trimmed() == u"4" && !lines.isEmpty())
        line += u" BeschaffungsCode="_s + lines.first().BESCHAFFUNGSCODE;
    m_d.log(line);

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
        m_d.report(refusal);
        return 1;
    }

    m_d.shadow.setRowCount(m_d.grid.rowCount());
    if (m == 0)
        return rebuildAll();

    TVerkaufskladde one;
    if (!lines.isEmpty()) {
        one = lines.first();
    } else {
        VkklAnswer answer;
        const LinkAnswer a = MyVKKLGet(m_d.link, u"4"_s, QString(), QString(), QString(), vkklId, answer);
        if (!a.ok() || answer.lines.isEmpty()) {
            m_d.report(a.errorText, a.result < 0);
            return a.ok() ? 113 : a.result;
        }
        one = answer.lines.first();
    }
    return rebuildRow(changedColumn, std::move(one), row);
}

ShadowMerge::Rules DraftOrder::mergeRules() const {
    return ShadowMerge::Rules{
        m_d.link.vkklEnvironment().context,
        m_d.settings.tenant,
        m_d.settings.artikelReferenz,
        m_d.settings.keepDeleteIcon,
        m_d.settings.lineState,
        {m_d.settings.lagerauftragText, m_d.settings.aussenlagerWort, m_d.settings.nexOstrandText},
        m_d.services.stock,
    };
}

int DraftOrder::rebuildAll() {
    VkklAnswer answer;
    const LinkAnswer a = MyVKKLGet(m_d.link, u"0"_s, QString(), QString(), QString(), u"0"_s, answer);
    if (!a.ok()) {
        const int received = int(answer.lines.size());
        if (a.result == 119 || a.result == 113) {
            const int rows = std::max(2, received + 1);
            m_d.grid.setRowCount(rows);
            m_d.shadow.setRowCount(rows);
            if (rows == 2) {
                m_d.grid.clearRow(1);
                m_d.shadow.clearRow(1);
            }
            m_d.log(u"UpdateVKKL B: Keine offenen Kladden -> Erzeuge neue Zeile"_s);
            finishRebuild();
            if (m_d.grid.rowCount() <= 2)
                Neue_Zeile();
            return a.result;
        }
        if (m_d.settings.messagesEnabled() || a.result < 0)
            m_d.s.dialogs.message(QString(), a.errorText);
        m_d.log(a.errorText);
        Neue_Zeile();
        return a.result;
    }
    m_d.log(u"Found Anzahl VKKladden=%1"_s.arg(answer.lines.size()));
    ShadowMerge::mergeAll(m_d.grid, m_d.shadow, std::move(answer.lines), m_d.rowContext(), mergeRules());
    finishRebuild();
    return 0;
}

int DraftOrder::rebuildRow(const QString& changedColumn, TVerkaufskladde line, int row) {
    bool losesMark = false;
    ShadowMerge::Rules rules = mergeRules();
    rules.losesMark = &losesMark;
    const QStringList old = ShadowMerge::mergeRow(m_d.grid, m_d.shadow, row, std::move(line), changedColumn,
                                                  m_d.rowContext(), rules);
    m_totals.addRow(old, -1);
    m_totals.addRow(m_d.grid.row(row), 1, &m_d.s.log);
    updateSummen();
    if (losesMark && !m_unmarking) {
        const QScopedValueRollback<bool> busy(m_unmarking, true);
        set_Bestellen(row, false, false, true, QString(), QString(), u"0"_s);
    }
    return 0;
}

void DraftOrder::refreshTotals() {
    m_totals.clear();
    for (int r = 1; r < m_d.grid.rowCount(); ++r)
        m_totals.addRow(m_d.grid.row(r), 1, &m_d.s.log);
}

void DraftOrder::finishRebuild() {
    refreshTotals();
    updateSummen();
}

void DraftOrder::updateSummen() {
    m_summenLabel = m_totals.label(m_d.settings.pricesShown(), m_d.link.vkklEnvironment().context.vatText,
                                   m_d.settings.languageFile);
    Q_EMIT summenLabelChanged(m_summenLabel);
    if (!m_d.settings.silentImport)
        status(0, Txt::get(Txt::Kladdenaktualisiert) + FormatDE::formatTime(m_d.s.clock.now().time()));
}

void DraftOrder::enterQuantity(int row, const QString& text) {
    m_quantities->enter(row, text);
}

int DraftOrder::neueZeileMitCopy(const QString& artikel, bool bestellen, const QString& mark,
                                 const QString& menge, const QString& filiale) {
    return m_ops->neueZeileMitCopy(artikel, bestellen, mark, menge, filiale);
}

void DraftOrder::dropEmptyLastRow(int keep) {
    m_ops->dropEmptyLastRow(keep);
}

int DraftOrder::insertLine(const LineValues& values, const QString& changedColumn) {
    return m_ops->insertLine(values, changedColumn);
}

void DraftOrder::addMitverkauf(const QString& artikel, int row, const QString& menge) {
    m_ops->addMitverkauf(artikel, row, menge);
}

bool DraftOrder::sendChange(const LineValues& values, int row, const QString& changedColumn,
                            VkklAnswer* answer, QString* error) {
    VkklAnswer local;
    VkklAnswer& out = answer ? *answer : local;
    const LinkAnswer a = MyVKKLUpdate(m_d.link, values, out);
    if (!out.lines.isEmpty())
        UpdateVKKL(changedColumn, out.lines, row, values.at(LineValues::VKKL_ID), u"4"_s);
    if (!a.ok()) {
        if (out.lines.isEmpty()) {
            // No line came back: the error still belongs to the row.
            m_d.grid.setCell(iErrorCode, row, QString::number(a.result));
            m_d.grid.setCell(iErrorMessage, row, a.errorText);
            m_d.shadow.setCell(iErrorCode, row, QString::number(a.result));
            m_d.shadow.setCell(iErrorMessage, row, a.errorText);
        }
        m_d.log(a.errorText);
        if (error)
            *error = a.errorText.isEmpty() ? QString::number(a.result) : a.errorText;
        return false;
    }
    return true;
}

QString DraftOrder::set_Filiale(int row, const QString& filiale, bool onlyIfDifferent) {
    if (row < 1 || row >= m_d.grid.rowCount())
        return QString();
    if (onlyIfDifferent && m_d.grid.cell(iFiliale, row).trimmed() == filiale.trimmed())
        return QString();
    LineValues values = LineValues::forLine(m_d.grid.cell(iVkklId, row));
    values.set(LineValues::FILIALE, filiale.trimmed());
    values.set(LineValues::Rueckstand, IsRueckstand(row));
    QString error;
    sendChange(values, row, Filiale, nullptr, &error);
    return error;
}

QString DraftOrder::set_Menge(int row, const QString& menge) {
    if (row < 1 || row >= m_d.grid.rowCount())
        return QString();
    LineValues values = LineValues::forLine(m_d.grid.cell(iVkklId, row));
    values.set(LineValues::MENGE, menge.trimmed());
    values.set(LineValues::Rueckstand, LineValues::backorderFlag(menge, m_d.grid.cell(iZuLiefern, row)));
    QString error;
    VkklAnswer out;
    if (sendChange(values, row, Menge, &out, &error) && !out.lines.isEmpty()) {
        // Refused although the code is 0: no backorder for this customer or branch.
        const QString text = out.lines.first().FEHLERTEXT;
        if (text.contains(u"nde sind nicht erlaubt") || text.contains(u"Der Kunde erlaubt keine R")) {
            error = m_d.grid.cell(iErrorMessage, row).isEmpty() ? text : m_d.grid.cell(iErrorMessage, row);
            m_d.grid.setCell(iLogo, row, u"..."_s);
            m_d.log(error);
        }
    }
    return error;
}

void DraftOrder::Neue_Zeile() {
    m_ops->neueZeile();
}

void DraftOrder::reopenEditor(const QString& header, int row) {
    const int c = m_d.grid.column(header);
    if (c < 0)
        return;
    m_d.grid.setCurrentCell(c, row);
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
    const int last = m_d.grid.rowCount() - 1;
    if (!m_d.grid.cell(iBezeichnung, last).isEmpty())
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
    if (!m_d.s.dialogs.inputText(QString(), Txt::get(Txt::BestellRefTitel), referenz) || referenz.isEmpty())
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
        text += m_d.grid.value(h, row) + u';';
    return text;
}

QString DraftOrder::IsRueckstand(int row) const {
    return LineValues::backorderFlag(m_d.grid.cell(iMenge, row), m_d.grid.cell(iZuLiefern, row));
}

void DraftOrder::restoreCell(int column, int row) {
    m_d.grid.setCell(column, row, m_d.shadow.cell(column, row));
}

bool DraftOrder::isEnterable(int column) const {
    return m_d.grid.isTabStop(column);
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
