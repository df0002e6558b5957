#pragma once

#include "order/ui/draftlogo.h"
#include "services/clientservices.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <QTimer>

class DraftGridActions;
class DraftGridDelegate;
class GridHints;
class JaNeinList;
class Logger;
class QMenu;
class StringGrid;
class StringGridModel;

// The draft-order grid sgVKKL: shows the StringGrid, keeps the cell rules
// (which cells can be selected and edited, restore on leaving an edit) and
// turns keys, clicks and hints into calls of DraftGridActions.
class DraftGridView : public QTableView {
    Q_OBJECT
public:
    DraftGridView(StringGrid& grid, DraftGridActions& actions, const ClientServices& services, Logger& log,
                  QWidget* parent = nullptr);
    ~DraftGridView() override;

    StringGrid& grid() const { return m_grid; }
    StringGridModel& gridModel() const { return *m_model; }
    void setLogoTexts(const DraftLogo::Texts& texts);

    int currentGridColumn() const;
    int currentGridRow() const;
    void setCurrentCell(int column, int row);

    // Reopens the cell editor on a column of a row after TimerActivateCell.
    void reopenEditor(const QString& header, int row);
    // While the quick search's hit list shows, reopening does nothing.
    QTimer& timerActivateCell() { return m_timerActivateCell; }

    // The lbJaNein list at the current "Bestellen" cell; only when the grid has lines.
    void showJaNein();
    JaNeinList& jaNeinList() const { return *m_jaNein; }
    QMenu& copyPasteMenu() const { return *m_copyPasteMenu; }

    // Removes every character below code 32 from the clipboard text and
    // writes the cleaned text back; returns it.
    static QString cleanClipboard();
    void copyCell();
    void pasteIntoCell();

    // Column widths from the grid: set width, else the width template; 0 hides.
    void applyColumnWidths();

Q_SIGNALS:
    // Status bar text of the selected cell.
    void statusTextChanged(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // Letters must not move the cursor to a row that starts with them.
    void keyboardSearch(const QString&) override {}
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

protected Q_SLOTS:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    int col(const QString& header) const;
    QString headerOf(int column) const;
    void syncFromGrid();
    void onCommitRequested(QWidget* editor, bool viaTab);
    void onPasteRequested(QWidget* editor);
    // The Enter handling of the key table; text is the committed editor text.
    void enterHandling(int column, int row, const QString& text, bool fromEditor);
    // F6 (or a digit) in its columns; false when the column has no list.
    bool openList(int column, int row, int key, const QString& digit);
    void activateCell();

    StringGrid& m_grid;
    DraftGridActions& m_actions;
    const ClientServices& m_services;
    Logger& m_log;
    StringGridModel* m_model = nullptr;
    DraftGridDelegate* m_delegate = nullptr;
    GridHints* m_hints = nullptr;
    JaNeinList* m_jaNein = nullptr;
    QMenu* m_copyPasteMenu = nullptr;
    QTimer m_timerActivateCell;
    QPersistentModelIndex m_editIndex;
    bool m_committing = false;
    int m_jaNeinRow = -1;
};
