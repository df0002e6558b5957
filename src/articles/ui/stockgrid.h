#pragma once

#include "articles/stockinfo.h"

#include <QTableWidget>

// The small stock grid sgBestandNeu: one row per branch with stock and the
// "Gesamt" row, laid over the draft grid or beside the article information.
// It shows what StockInfo computed; choosing and closing are signals.
class StockGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit StockGrid(QWidget* parent = nullptr);

    // hitListShown: called from the search; no bold rows, no separator.
    void fill(const StockInfo::Grid& grid, bool hitListShown, int fontSize);
    const StockInfo::Grid& content() const { return m_content; }
    // Width and height for the content, within maxHeight.
    QSize fittedSize(int maxHeight) const;

Q_SIGNALS:
    // Enter or a click in the first column of a data row (index into content().rows).
    void chosen(int row);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool isDataRow(int row) const;

    StockInfo::Grid m_content;
    bool m_hitListShown = false;
};
