#pragma once

#include "order/draftcontext.h"
#include "order/drafttotals.h"
#include "order/shadowmerge.h"
#include "services/clientservices.h"
#include "services/draftinterfaces.h"
#include "services/statistikevent.h"

#include <QObject>

#include <memory>

class CustomerData;
class DraftCellActions;
class DraftLineOps;
class QuantityEntry;
class DeliveryChoice;
class LineValues;
class ServerLink;
struct VkklAnswer;

// The customer's draft order as the grid sgVKKL shows it, with its shadow
// sgVKKLState holding the last confirmed value of every cell. Every change
// goes to the server; the server's answer is written back into the row
// (ShadowMerge). What is done to one row lives in DraftCellActions, what is
// done to several lines in DraftLineOps; all three share a DraftContext.
class DraftOrder : public QObject, public DraftGridActions, public DraftLineAccess {
    Q_OBJECT
public:
    using Seams = DraftSeams;

    DraftOrder(ServerLink& link, const ClientServices& services, Seams seams, QObject* parent = nullptr);
    ~DraftOrder() override;

    // The settings; changing tenant or note option sets the columns up again.
    const DraftSettings& settings() const { return m_d.settings; }
    void setSettings(const DraftSettings& settings);
    // Addresses, branches and delivery codes of the logged-in customer.
    void setCustomerData(const CustomerData* data) { m_d.customer = data; }
    const CustomerData* customerData() const { return m_d.customer; }
    // The delivery codes of the lines; the window installs it as the delivery service.
    DeliveryChoice& deliveryChoice() const { return *m_delivery; }
    // The quick search, for articles typed into the grid and the multiple-login check.
    void setArticleResolver(ArticleResolver* resolver) { m_d.resolver = resolver; }

    // Reads the whole draft order into the grid (the login's call).
    void load();

    QString summenLabel() const { return m_summenLabel; }
    // True while the co-sale question of the order mark is open; the grid drops keys then.
    bool mitverkaufFrageOffen() const { return m_d.mitverkaufFrage; }
    // Font of the hint over a cell: the graduated prices line up in "Courier New".
    static QString hintFont(int column);
    // A reading of the services the order calls; the composition root owns them.
    const ClientServices& services() const { return m_d.services; }

    // --- DraftLineAccess
    StringGrid& visibleGrid() override { return m_d.grid; }
    StringGrid& shadowGrid() override { return m_d.shadow; }
    int UpdateVKKL(const QString& changedColumn, const TVerkaufskladdeArray& lines, int row,
                   const QString& vkklId, const QString& mode) override;
    bool lineReady(int row, bool report) override;
    bool set_Bestellen(int row, bool mitverkauf, bool neueZeile, bool nurBestellen, const QString& rueckstand,
                       const QString& mitverkaufMenge, const QString& mark) override;
    void Neue_Zeile() override;
    void reopenEditor(const QString& header, int row) override;

    // --- DraftGridActions
    void newLineWithCopy(int row) override;
    void newLine() override;
    void deleteLine(int row) override;
    void deleteAllLines() override;
    void toggleMark(int row) override;
    void markAll() override;
    void clearAllMarks() override;
    void fillQuantities() override;
    void setReferenceForAll() override;
    void applyJaNein(int row, bool ja) override;
    void enterOnRow(int column, int row) override;
    void copyFromRowAbove(int column, int row) override;
    void commitCell(int column, int row, const QString& text) override;
    void restoreCell(int column, int row) override;
    bool isEnterable(int column) const override;
    bool opensEditor(int column, int row) const override;
    QString selectionStatus(int column, int row) const override;
    QString hintFor(int column, int row) override;
    void logoClicked(int row) override;
    bool coSaleQuestionOpen() const override { return m_d.mitverkaufFrage; }
    QString hintFamily(int column, int) const override { return hintFont(column); }

    // --- Further operations on lines
    // Puts an article into the last empty row: 0 done, 2 branch or quantity
    // missing, 3 branch refused, 4 quantity "0" or refused, 5 marking refused.
    int Neue_Zeile_mit_copy(const QString& artikel, bool bestellen, const QString& mark, const QString& menge,
                            const QString& filiale);
    bool set_ZeilenReferenz(const QString& vkklId, const QString& text, int row);
    // The reference of every line, or of the marked ones only (booking).
    void setReference(const QString& referenz, bool onlyMarked);
    // 1 when a row's "GEAENDERT_AM" differs from the server's.
    int ChkVKKL(bool show);
    QString extract_kladde(int row) const;
    QString IsRueckstand(int row) const override;
    QString set_Filiale(int row, const QString& filiale, bool onlyIfDifferent) override;
    QString set_Menge(int row, const QString& menge) override;
    // Sends one change of a line and writes the answer back; false when
    // refused, with the server's message in *error.
    bool sendChange(const LineValues& values, int row, const QString& changedColumn,
                    VkklAnswer* answer = nullptr, QString* error = nullptr);
    // A committed edit of "Menge": checked, rounded and placed over the branches.
    void enterQuantity(int row, const QString& text);
    // A new line with article, quantity and branch (0 when it was made).
    int neueZeileMitCopy(const QString& artikel, bool bestellen, const QString& mark, const QString& menge,
                         const QString& filiale);
    // The empty last line goes, unless it is keep (see DraftLineOps).
    void dropEmptyLastRow(int keep);
    // A line with its values in one insert; the new row, 0 when refused.
    int insertLine(const LineValues& values, const QString& changedColumn);
    // Co-sale articles of a just marked article into new lines.
    void addMitverkauf(const QString& artikel, int row, const QString& menge);
    // A text for a status panel of the main window.
    void status(int panel, const QString& text);

Q_SIGNALS:
    void summenLabelChanged(const QString& text);
    // A text for a status panel of the main window (index 0..4).
    void statusText(int panel, const QString& text);
    // The cell editor should open again on a cell (TimerActivateCell).
    void editorRequested(const QString& header, int row);
    // The delivery-kind list lbLieferungscode opens over the row's "Lieferungsart" cell.
    void deliveryKindListRequested(int row, int preselect);

private:
    int rebuildAll();
    int rebuildRow(const QString& changedColumn, TVerkaufskladde line, int row);
    ShadowMerge::Rules mergeRules() const;
    void refreshTotals();
    void finishRebuild();
    void updateSummen();

    DraftContext m_d;
    DraftTotals m_totals;
    QString m_summenLabel;
    std::unique_ptr<DraftLineOps> m_ops;
    std::unique_ptr<DraftCellActions> m_cells;
    std::unique_ptr<QuantityEntry> m_quantities;
    std::unique_ptr<DeliveryChoice> m_delivery;
    bool m_unmarking = false; // a rebuilt row is losing its mark
};
