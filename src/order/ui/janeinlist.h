#pragma once

#include <QListWidget>

// The "JA"/"NEIN" choice list (lbJaNein) shown at the current "Bestellen" cell.
class JaNeinList : public QListWidget {
    Q_OBJECT
public:
    explicit JaNeinList(QWidget* parent = nullptr);

    // Shows the list over rect (parent coordinates) with "Ja" or "Nein" selected.
    void popup(const QRect& rect, bool ja);

Q_SIGNALS:
    // Enter: back to the grid, apply the selection.
    void chosen(bool ja);
    // Esc: back to the grid.
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
