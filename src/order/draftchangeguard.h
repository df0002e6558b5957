#pragma once

#include "services/draftinterfaces.h"

class Logger;
class ServerLink;

// Stands between the grid's window and the draft order: before a change of
// the draft (menu "Zeile" except the deletes, edits committed in the grid) it
// asks whether the draft on the server was changed from elsewhere. The check
// logs and asks the user; the change itself goes through. What must not run
// after such a finding (the imports) asks changedInThisCall().
class DraftChangeGuard final : public DraftGridActions {
public:
    // The check is the quick search's multiple-login check for the tab page.
    DraftChangeGuard(DraftGridActions& inner, ArticleResolver& check, const ServerLink& link, Logger& log,
                     const QString& page);

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
    bool coSaleQuestionOpen() const override;
    QString hintFamily(int column, int row) const override;

    // The last check found the draft changed from elsewhere.
    bool changedInThisCall() const { return m_changedInThisCall; }

private:
    void check(const QString& action);

    DraftGridActions& m_inner;
    ArticleResolver& m_check;
    const ServerLink& m_link;
    Logger& m_log;
    QString m_page;
    bool m_changedInThisCall = false;
};
