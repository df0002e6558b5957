#pragma once

#include <QListWidget>

class QAbstractItemView;

// The delivery-kind list lbLieferungscode, laid over the "Lieferungsart"
// cell of a draft row. Enter (or a click) chooses, Esc returns to the grid,
// leaving the list hides it.
class DeliveryKindList : public QListWidget {
    Q_OBJECT
public:
    explicit DeliveryKindList(QWidget* parent = nullptr);

    // Shows the list over the cell, inside the grid's visible area.
    void openAt(QAbstractItemView* grid, const QRect& cell, int row, int preselect);
    int row() const { return m_row; }

Q_SIGNALS:
    void chosen(int row, const QString& kind);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void choose();

    int m_row = 0;
    int m_heldKey = 0; // a navigation key pressed and not yet released
};
