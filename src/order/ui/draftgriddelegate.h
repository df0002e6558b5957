#pragma once

#include "order/ui/drafticons.h"
#include "order/ui/draftlogo.h"

#include <QStyledItemDelegate>

class DraftGridActions;
class StringGrid;

// Draws the draft grid's cells (enterable columns bold, the others italic,
// images for "Löschen" and "Logo", a green graduated-price flag) and watches
// the cell editor: Enter and Tab are the only ways to commit.
class DraftGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DraftGridDelegate(const StringGrid& grid, const DraftGridActions& actions, QObject* parent = nullptr);

    void setLogoTexts(const DraftLogo::Texts& texts) { m_texts = texts; }
    const DraftLogo::Texts& logoTexts() const { return m_texts; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

Q_SIGNALS:
    // Enter (viaTab false) or Tab in the editor.
    void commitRequested(QWidget* editor, bool viaTab);
    // Ctrl+V in the editor.
    void pasteRequested(QWidget* editor);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void findColumns();

    const StringGrid& m_grid;
    const DraftGridActions& m_actions;
    DraftLogo::Texts m_texts;
    mutable DraftIcons m_icons;
    int m_loeschen = -1;
    int m_logo = -1;
    int m_staffelpreis = -1;
};
