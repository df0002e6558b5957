#pragma once

// A draft grid with the 50 columns of the shop tab and a DraftGridActions
// double that records every call, for the window tests.

#include "fakes.h"
#include "grid/stringgrid.h"
#include "order/ui/shoppage.h"
#include "recordingservices.h"
#include "services/draftinterfaces.h"

#include <QSet>
#include <QStringList>

class RecordingDraftActions final : public DraftGridActions {
public:
    explicit RecordingDraftActions(const StringGrid& grid)
        : m_grid(grid) {}

    void newLineWithCopy(int row) override { record(QStringLiteral("newLineWithCopy(%1)").arg(row)); }
    void newLine() override { record(QStringLiteral("newLine()")); }
    void deleteLine(int row) override { record(QStringLiteral("deleteLine(%1)").arg(row)); }
    void deleteAllLines() override { record(QStringLiteral("deleteAllLines()")); }
    void toggleMark(int row) override { record(QStringLiteral("toggleMark(%1)").arg(row)); }
    void markAll() override { record(QStringLiteral("markAll()")); }
    void clearAllMarks() override { record(QStringLiteral("clearAllMarks()")); }
    void fillQuantities() override { record(QStringLiteral("fillQuantities()")); }
    void setReferenceForAll() override { record(QStringLiteral("setReferenceForAll()")); }
    void applyJaNein(int row, bool ja) override {
        record(QStringLiteral("applyJaNein(%1,%2)")
                   .arg(row)
                   .arg(ja ? QStringLiteral("ja") : QStringLiteral("nein")));
    }
    void enterOnRow(int column, int row) override {
        record(QStringLiteral("enterOnRow(%1,%2)").arg(name(column)).arg(row));
    }
    void copyFromRowAbove(int column, int row) override {
        record(QStringLiteral("copyFromRowAbove(%1,%2)").arg(name(column)).arg(row));
    }
    void commitCell(int column, int row, const QString& text) override {
        record(QStringLiteral("commitCell(%1,%2,%3)").arg(name(column)).arg(row).arg(text));
    }
    void restoreCell(int column, int row) override {
        record(QStringLiteral("restoreCell(%1,%2)").arg(name(column)).arg(row));
    }
    bool isEnterable(int column) const override { return enterable.contains(name(column)); }
    bool opensEditor(int column, int) const override { return editors.contains(name(column)); }
    QString selectionStatus(int column, int row) const override {
        return name(column) + QStringLiteral(": \"") + m_grid.cell(column, row) + QLatin1Char('"');
    }
    QString hintFor(int column, int row) override {
        return hintText.isNull() ? name(column) + QLatin1Char('/') + QString::number(row) : hintText;
    }
    void logoClicked(int row) override { record(QStringLiteral("logoClicked(%1)").arg(row)); }
    bool coSaleQuestionOpen() const override { return asking; }
    QString hintFamily(int column, int row) const override {
        // The graduated prices line up in columns.
        return row >= 1 && name(column) == QStringLiteral("Staffelpreis") ? QStringLiteral("Courier New")
                                                                          : QStringLiteral("Arial");
    }

    QSet<QString> enterable{
        QStringLiteral("Bestellen"),    QStringLiteral("Lieferadresse"), QStringLiteral("Artikelnummer"),
        QStringLiteral("Bestell-Info"), QStringLiteral("Menge"),         QStringLiteral("Lieferungsart"),
        QStringLiteral("-->")};
    QSet<QString> editors{QStringLiteral("Artikelnummer"), QStringLiteral("Menge"),
                          QStringLiteral("Bestell-Info")};
    QString hintText;
    QStringList calls;
    bool asking = false;

private:
    QString name(int column) const { return m_grid.header(column); }
    void record(const QString& call) { calls.append(call); }
    const StringGrid& m_grid;
};

// Headers and width templates of the draft grid.
QStringList draftHeaders();
QStringList draftWidthTemplates();
// A row with the given cells by header; the others empty.
QStringList draftRow(const StringGrid& grid, const QList<std::pair<QString, QString>>& cells);

struct DraftPageHarness {
    FakeSeams seams;
    StringGrid grid{QStringLiteral("sgVKKL")};
    RecordingDraftActions actions{grid};
    RecordingServices recorder;
    ClientServices services = recorder.services();
    std::unique_ptr<ShopPage> page;

    // rows data lines, each with an article "A<n>" and quantity "<n>".
    explicit DraftPageHarness(int rows = 3);
    DraftGridView& view() const;
    int column(const QString& header) const { return grid.column(header); }
    // Shows the page, waits until it is active and focuses the grid.
    bool showAndFocus();
    void select(const QString& header, int row);
};
