#include "grid/gridprinter.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int LineHeight = GridPrinter::LineHeight;
constexpr int RuleWidth = 10;
// The footer rule sits this far above the page bottom, its text a line below it.
constexpr int FooterRise = 2 * LineHeight;
// A page is closed once less than this is left below the current line.
constexpr int PageReserve = 4 * LineHeight;
// From the last line of text to the top of the grid: 20 to the rule's
// reference line, 40 more to the grid.
constexpr int GapBeforeRule = 20;
constexpr int GapAfterRule = 40;
constexpr int GridPointSize = 9;
// The cell text is clipped to the cell box shrunk by these, and drawn this
// far inside the clip box.
constexpr int ClipTopLeft = 4;
constexpr int ClipRight = 20;
constexpr int TextInset = 2;

// Print width per column: visible columns share the page width in the
// proportion of their screen widths (plus one grid line each); hidden ones get 0.
QList<int> printWidths(const GridPrintJob& job, int pageWidth) {
    const int columns = job.grid->columnCount();
    QList<int> screen(columns, 0);
    qint64 total = 1;
    for (int col = 0; col < columns; ++col) {
        int w = col < job.screenWidths.size() ? job.screenWidths.at(col) : job.grid->columnWidth(col);
        if (w == -1)
            w = GridPrinter::UnsetColumnWidth;
        if (w < 1)
            continue;
        screen[col] = w;
        total += qint64(w) + 1;
    }
    const double scale = double(pageWidth) / double(total);
    QList<int> widths(columns, 0);
    for (int col = 0; col < columns; ++col) {
        if (screen.at(col) > 0)
            widths[col] = int(std::lround((screen.at(col) + 1) * scale));
    }
    return widths;
}

// Draws text with its top-left corner at x, y.
void textAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QRect(x, y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                     text);
}

class PrintRun {
public:
    PrintRun(QPainter& painter, QPagedPaintDevice& device, const GridPrintJob& job)
        : m_painter(painter)
        , m_device(device)
        , m_job(job)
        , m_pageWidth(device.width())
        , m_pageHeight(device.height())
        , m_memoFont(job.fontFamily)
        , m_gridFont(job.fontFamily) {
        m_memoFont.setBold(true);
        m_memoFont.setPointSize(GridPointSize);
        m_gridFont.setPointSize(GridPointSize);
        m_painter.setPen(QPen(Qt::black, RuleWidth));
    }

    bool run() {
        if (!printMemo())
            return false;
        m_painter.setFont(m_gridFont);
        m_y += GapBeforeRule;
        rule(m_y + LineHeight);
        m_y += GapAfterRule;

        const QList<int> widths = printWidths(m_job, m_pageWidth);
        const int rows = m_job.grid->rowCount();
        for (int row = 0; row < rows; ++row) {
            m_y += LineHeight;
            printRow(row, widths);
            const bool last = row == rows - 1;
            if ((last || pageFull(m_y)) && !finishPage(!last))
                return false;
        }
        return true;
    }

    int pages() const { return m_page; }

private:
    // The text above the grid. Text that would leave no room for the rule
    // and a first grid row above the footer continues on the next page.
    bool printMemo() {
        m_painter.setFont(m_memoFont);
        static const QRegularExpression lineBreak(u"\r?\n"_s);
        const QStringList lines = m_job.memo.split(lineBreak);
        for (const QString& line : lines) {
            if (line.isEmpty())
                continue;
            m_y += LineHeight;
            textAt(m_painter, 0, m_y, line);
            if (pageFull(m_y + GapBeforeRule + GapAfterRule) && !finishPage(true))
                return false;
        }
        return true;
    }

    bool pageFull(int y) const { return m_pageHeight - y < PageReserve; }

    void rule(int y) {
        m_painter.setPen(QPen(Qt::black, RuleWidth));
        m_painter.drawLine(0, y, m_pageWidth, y);
    }

    void printRow(int row, const QList<int>& widths) {
        int x = 0;
        for (int col = 0; col < widths.size(); ++col) {
            const int w = widths.at(col);
            if (w <= 0)
                continue;
            printCell(QRect(x, m_y, w, LineHeight), m_job.grid->cell(col, row),
                      m_job.rightAligned.contains(col));
            x += w;
        }
    }

    void printCell(const QRect& box, const QString& text, bool right) {
        const QRect clip = box.adjusted(ClipTopLeft, ClipTopLeft, -ClipRight, 0);
        if (clip.isValid()) {
            m_painter.save();
            m_painter.setClipRect(clip);
            m_painter.fillRect(clip, Qt::white);
            if (!text.isEmpty()) {
                m_painter.setPen(Qt::black);
                const QRect area = clip.adjusted(TextInset, TextInset, -TextInset, 0);
                const Qt::Alignment align = (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
                m_painter.drawText(area, int(align) | Qt::TextDontClip | Qt::TextSingleLine, text);
            }
            m_painter.restore();
        }
        m_painter.save();
        m_painter.setPen(QPen(Qt::black, 1));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(QRectF(box));
        m_painter.restore();
    }

    // Footer rule and text; then a new page when more follows.
    bool finishPage(bool more) {
        ++m_page;
        const QFont current = m_painter.font();
        rule(m_pageHeight - FooterRise);
        m_painter.setFont(m_gridFont);
        textAt(m_painter, 0, m_pageHeight - FooterRise + LineHeight, GridPrinter::footer(m_page, m_job));
        m_painter.setFont(current);
        m_y = LineHeight;
        return !more || m_device.newPage();
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    const GridPrintJob& m_job;
    const int m_pageWidth;
    const int m_pageHeight;
    QFont m_memoFont;
    QFont m_gridFont;
    int m_y = 0;
    int m_page = 0;
};

} // namespace

int GridPrinter::print(QPagedPaintDevice& device, const GridPrintJob& job) {
    if (!job.grid)
        return 0;
    if (auto* pdf = dynamic_cast<QPdfWriter*>(&device))
        pdf->setTitle(job.title);

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    PrintRun run(painter, device, job);
    const bool complete = run.run();
    const bool ended = painter.end();
    return complete && ended ? run.pages() : 0;
}

QString GridPrinter::footer(int page, const GridPrintJob& job) {
    if (job.receivedTime.isEmpty())
        return u"Seite %1 %2 %3"_s.arg(QString::number(page), job.shopName, job.version);
    return u"Seite %1 %2 %3 eingegangen am %4"_s.arg(QString::number(page), job.shopName, job.version,
                                                     job.receivedTime);
}
