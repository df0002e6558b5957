#pragma once

#include "grid/stringgrid.h"

#include <QList>
#include <QSet>
#include <QString>

class QPagedPaintDevice;

// One print job of a string grid: a text block above it, the grid with its
// header row and a footer on every page.
struct GridPrintJob {
    const StringGrid* grid = nullptr; // row 0 is the header row
    // Screen width per column in pixels; 0 (or below) hides the column. A
    // column without an entry takes grid->columnWidth(col); -1 (no width
    // set) counts as 64 in either place.
    QList<int> screenWidths;
    QSet<int> rightAligned; // columns drawn right-aligned
    // Text above the grid; lines split at "\r\n" or "\n"; empty lines are skipped.
    QString memo;
    // The grid font, printed at 9 points; the text above the grid uses it in bold.
    QString fontFamily = QStringLiteral("Times New Roman");
    QString shopName; // footer: "Seite <page> <shop> <version>"
    QString version;
    QString receivedTime; // non-empty: the footer ends in " eingegangen am <time>"
    // Job title. Set on a QPdfWriter here; a QPrinter takes it from its
    // owner (setDocName) before print() is called.
    QString title;
};

// Paints a GridPrintJob. All sizes are device pixels (a line is 120 high),
// so the device's resolution decides the physical size; orientation, page
// size and margins are the caller's.
class GridPrinter {
public:
    // Opens its own QPainter on the device and calls newPage() between pages.
    // Returns the number of pages painted, or 0 when there is no grid or the
    // job could not be started or completed.
    static int print(QPagedPaintDevice& device, const GridPrintJob& job);
    // The footer text of a page.
    static QString footer(int page, const GridPrintJob& job);

    static constexpr int LineHeight = 120;
    static constexpr int UnsetColumnWidth = 64;
};
