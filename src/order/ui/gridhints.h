#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QAbstractItemView;
class QHeaderView;
class QWidget;

// Hints over a grid view whose model rows are grid rows from 1 (the header
// is row 0). A hint appears only when the mouse rests on a cell: moving onto
// another cell takes the shown hint away and shows nothing for that move.
class GridHints : public QObject {
    Q_OBJECT
public:
    using TextFor = std::function<QString(int column, int row)>;
    using FontFor = std::function<QString(int column, int row)>;

    GridHints(QAbstractItemView& view, QHeaderView* header, TextFor text, FontFor font,
              std::function<bool()> suppressed, QObject* parent = nullptr);

    // The rich text shown for a hint text in a font.
    static QString hintHtml(const QString& text, const QString& fontFamily);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint cellAt(QObject* watched, const QPoint& pos) const;

    QAbstractItemView& m_view;
    QHeaderView* m_header;
    TextFor m_text;
    FontFor m_font;
    std::function<bool()> m_suppressed;
    QPoint m_cell{-1, -1}; // column, row
};
