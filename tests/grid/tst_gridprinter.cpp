#include "grid/gridprinter.h"
#include "grid/stringgrid.h"

#include <QFile>
#include <QMap>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <iterator>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

// Prints into PDF files at 600 dpi without margins, so device pixels map to
// page points as 72/600, and reads them back with pdftotext.
class TestGridPrinter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void longGridRunsOverPages();
    void footerText_data();
    void footerText();
    void hiddenColumnsAreNotPrinted_data();
    void hiddenColumnsAreNotPrinted();
    void columnsFillThePageAndAlign_data();
    void columnsFillThePageAndAlign();
    void emptyMemoLinesAreSkipped_data();
    void emptyMemoLinesAreSkipped();
    void longMemoContinuesOnTheNextPage();
    void failedJobsReportNoPages();

private:
    struct Word {
        int page = 0; // from 1
        QString text;
        double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points
    };

    QString pdfPath(const QString& name) const { return m_dir.filePath(name); }
    static int printTo(const QString& path, const GridPrintJob& job, int* pageWidth = nullptr,
                       int* pageHeight = nullptr);
    static QString run(const QString& program, const QStringList& args);
    // The text of every page, whitespace collapsed.
    static QStringList pageTexts(const QString& path);
    static QList<Word> words(const QString& path);
    // Page points to device pixels.
    static double px(double points) { return points * 600.0 / 72.0; }

    QTemporaryDir m_dir;
};

namespace {

std::unique_ptr<StringGrid> makeGrid(const QStringList& headers, int dataRows,
                                     const std::function<QStringList(int)>& row) {
    auto grid = std::make_unique<StringGrid>(u"sgDruck"_s);
    grid->setHeaders(headers);
    for (int r = 1; r <= dataRows; ++r)
        grid->appendRow(row(r));
    return grid;
}

GridPrintJob baseJob(const StringGrid* grid) {
    GridPrintJob job;
    job.grid = grid;
    job.shopName = u"Teileshop"_s;
    job.version = u"2.4.1"_s;
    job.title = u"Belegdruck"_s;
    return job;
}

QString articleNumber(int r) {
    return u"A-%1"_s.arg(r, 4, 10, QLatin1Char('0'));
}

} // namespace

void TestGridPrinter::initTestCase() {
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() ||
        QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty())
        QSKIP("pdftotext and pdfinfo (poppler-utils) are needed to read the printouts");
}

int TestGridPrinter::printTo(const QString& path, const GridPrintJob& job, int* pageWidth, int* pageHeight) {
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    if (pageWidth)
        *pageWidth = writer.width();
    if (pageHeight)
        *pageHeight = writer.height();
    return GridPrinter::print(writer, job);
}

QString TestGridPrinter::run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning() << program << args << p.readAllStandardError();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList TestGridPrinter::pageTexts(const QString& path) {
    QStringList pages = run(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s}).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

QList<TestGridPrinter::Word> TestGridPrinter::words(const QString& path) {
    const QString html = run(u"pdftotext"_s, {u"-bbox"_s, path, u"-"_s});
    static const QRegularExpression token(
        u"<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
    QList<Word> result;
    int page = 0;
    for (const QRegularExpressionMatch& m : token.globalMatch(html)) {
        if (m.captured(0).startsWith(u"<page"_s)) {
            ++page;
            continue;
        }
        result.append({page, m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                       m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return result;
}

void TestGridPrinter::longGridRunsOverPages() {
    const auto grid = makeGrid({u"Artikelnummer"_s, u"Bezeichnung"_s, u"Menge"_s}, 120, [](int r) {
        return QStringList{articleNumber(r), u"Bremsscheibe"_s, QString::number(r)};
    });
    GridPrintJob job = baseJob(grid.get());
    job.memo = u"Lieferschein 4711\r\nKundennummer 12345"_s;
    int height = 0;
    const QString path = pdfPath(u"long.pdf"_s);
    const int printed = printTo(path, job, nullptr, &height);

    const QStringList pages = pageTexts(path);
    QVERIFY(pages.size() >= 2);
    QCOMPARE(printed, pages.size());
    QVERIFY(pages[0].contains(u"Lieferschein 4711"_s));
    QVERIFY(pages[0].contains(u"Kundennummer 12345"_s));
    QVERIFY(pages[0].contains(u"Artikelnummer Bezeichnung Menge"_s));
    for (int i = 0; i < pages.size(); ++i) {
        QVERIFY2(pages[i].contains(u"Seite %1 Teileshop 2.4.1"_s.arg(i + 1)), qPrintable(pages[i].left(200)));
        if (i > 0) {
            QVERIFY(!pages[i].contains(u"Artikelnummer"_s));
            QVERIFY(!pages[i].contains(u"Lieferschein"_s));
        }
    }
    // No row is lost or doubled at a page break.
    const QString all = pages.join(QLatin1Char(' '));
    for (int r = 1; r <= 120; ++r)
        QVERIFY2(all.count(articleNumber(r)) == 1, qPrintable(articleNumber(r)));

    // Grid text ends above the footer rule; the footer lies below it. The
    // rows follow each other down the pages in their order.
    const double footerRule = height - 2 * GridPrinter::LineHeight;
    static const QRegularExpression article(u"^A-(\\d{4})$"_s);
    QMap<int, std::pair<int, double>> rowPlaces;
    for (const Word& w : words(path)) {
        if (const QRegularExpressionMatch m = article.match(w.text); m.hasMatch())
            rowPlaces.insert(m.captured(1).toInt(), {w.page, w.yMin});
        if (w.text == u"Seite"_s)
            QVERIFY(px(w.yMin) > footerRule);
        else if (px(w.yMin) < footerRule)
            QVERIFY2(px(w.yMax) <= footerRule, qPrintable(w.text));
    }

    QCOMPARE(rowPlaces.size(), 120);
    for (auto it = std::next(rowPlaces.begin()); it != rowPlaces.end(); ++it)
        QVERIFY2(*std::prev(it) < *it, qPrintable(articleNumber(it.key())));

    QVERIFY(run(u"pdfinfo"_s, {path}).contains(QRegularExpression(u"Title:\\s+Belegdruck"_s)));
}

void TestGridPrinter::footerText_data() {
    QTest::addColumn<QString>("shop");
    QTest::addColumn<QString>("receivedTime");
    QTest::addColumn<QString>("expected");
    QTest::newRow("document") << u"Teileshop"_s << QString() << u"Seite 1 Teileshop 2.4.1"_s;
    QTest::newRow("with received time") << u"Teileshop"_s << u"12.03.2024 14:05"_s
                                        << u"Seite 1 Teileshop 2.4.1 eingegangen am 12.03.2024 14:05"_s;
    QTest::newRow("placeholder in shop name")
        << u"Shop%2"_s << u"heute"_s << u"Seite 1 Shop%2 2.4.1 eingegangen am heute"_s;
}

void TestGridPrinter::footerText() {
    QFETCH(QString, shop);
    QFETCH(QString, receivedTime);
    QFETCH(QString, expected);
    const auto grid = makeGrid({u"Artikelnummer"_s}, 1, [](int) { return QStringList{u"X-1"_s}; });
    GridPrintJob job = baseJob(grid.get());
    job.shopName = shop;
    job.receivedTime = receivedTime;
    const QString path = pdfPath(u"footer.pdf"_s);
    QCOMPARE(printTo(path, job), 1);
    const QStringList pages = pageTexts(path);
    QCOMPARE(pages.size(), 1);
    QVERIFY2(pages[0].endsWith(expected), qPrintable(pages[0]));
    QCOMPARE(pages[0].contains(u"eingegangen"_s), !receivedTime.isEmpty());
}

void TestGridPrinter::hiddenColumnsAreNotPrinted_data() {
    QTest::addColumn<QList<int>>("screenWidths");
    QTest::addColumn<int>("gridWidth");
    QTest::addColumn<bool>("printed");
    QTest::newRow("screen width 0") << QList<int>{80, 0, 80} << -1 << false;
    QTest::newRow("no screen entry, grid width 0") << QList<int>{80} << 0 << false;
    QTest::newRow("no screen entry, grid width unset") << QList<int>{80} << -1 << true;
    QTest::newRow("screen entry over grid width 0") << QList<int>{80, 50, 80} << 0 << true;
}

void TestGridPrinter::hiddenColumnsAreNotPrinted() {
    QFETCH(QList<int>, screenWidths);
    QFETCH(int, gridWidth);
    QFETCH(bool, printed);
    const auto grid = makeGrid({u"Artikelnummer"_s, u"Einkaufspreis"_s, u"Menge"_s}, 3, [](int r) {
        return QStringList{articleNumber(r), u"Geheim%1"_s.arg(r), QString::number(r)};
    });
    grid->setColumnWidth(1, gridWidth);
    GridPrintJob job = baseJob(grid.get());
    job.screenWidths = screenWidths;
    const QString path = pdfPath(u"hidden.pdf"_s);
    QCOMPARE(printTo(path, job), 1);
    const QString text = pageTexts(path).join(QLatin1Char(' '));
    QCOMPARE(text.contains(u"Einkaufspreis"_s), printed);
    QCOMPARE(text.contains(u"Geheim"_s), printed);
    // The columns on either side are printed in any case.
    QVERIFY(text.contains(u"A-0003"_s));
    QVERIFY(text.contains(u"Menge"_s));
}

void TestGridPrinter::columnsFillThePageAndAlign_data() {
    QTest::addColumn<bool>("rightAligned");
    QTest::newRow("left-aligned") << false;
    QTest::newRow("right-aligned") << true;
}

void TestGridPrinter::columnsFillThePageAndAlign() {
    QFETCH(bool, rightAligned);
    const auto grid = makeGrid({u"Artikelnummer"_s, u"Preis"_s}, 1, [](int) {
        return QStringList{u"Links"_s, u"7"_s};
    });
    GridPrintJob job = baseJob(grid.get());
    job.screenWidths = {100, 300};
    if (rightAligned)
        job.rightAligned = {1};
    const QString path = pdfPath(u"align.pdf"_s);
    int width = 0;
    QCOMPARE(printTo(path, job, &width), 1);

    // The visible columns share the page width in the proportion of their
    // screen widths plus one grid line each.
    const double scale = width / 403.0;
    const double secondLeft = 101 * scale;
    const double secondRight = secondLeft + 301 * scale;
    const double tolerance = 8; // pixels: rounding and glyph bearings

    QMap<QString, Word> found;
    for (const Word& w : words(path))
        found.insert(w.text, w);
    for (const QString& first : {u"Artikelnummer"_s, u"Links"_s}) {
        QVERIFY(found.contains(first));
        QVERIFY(qAbs(px(found[first].xMin) - 6) < tolerance);
    }
    for (const QString& second : {u"Preis"_s, u"7"_s}) {
        QVERIFY(found.contains(second));
        const Word& w = found[second];
        if (rightAligned)
            QVERIFY2(qAbs(px(w.xMax) - (secondRight - 22)) < tolerance,
                     qPrintable(QString::number(px(w.xMax))));
        else
            QVERIFY2(qAbs(px(w.xMin) - (secondLeft + 6)) < tolerance,
                     qPrintable(QString::number(px(w.xMin))));
    }
}

void TestGridPrinter::emptyMemoLinesAreSkipped_data() {
    QTest::addColumn<QString>("memo");
    QTest::newRow("CR LF") << u"Erste\r\n\r\nZweite\r\n\r\n\r\nDritte\r\n"_s;
    QTest::newRow("LF") << u"\nErste\n\nZweite\n\n\nDritte"_s;
}

void TestGridPrinter::emptyMemoLinesAreSkipped() {
    QFETCH(QString, memo);
    const auto grid = makeGrid({u"Artikelnummer"_s}, 1, [](int) { return QStringList{u"X-1"_s}; });
    GridPrintJob job = baseJob(grid.get());
    job.memo = memo;
    const QString path = pdfPath(u"memo.pdf"_s);
    QCOMPARE(printTo(path, job), 1);

    QMap<QString, Word> found;
    for (const Word& w : words(path))
        found.insert(w.text, w);
    const QStringList lines{u"Erste"_s, u"Zweite"_s, u"Dritte"_s};
    for (const QString& line : lines)
        QVERIFY2(found.contains(line), qPrintable(line));
    // One line height apart, the first one line below the top.
    QVERIFY(qAbs(px(found[u"Zweite"_s].yMin - found[u"Erste"_s].yMin) - GridPrinter::LineHeight) < 2);
    QVERIFY(qAbs(px(found[u"Dritte"_s].yMin - found[u"Zweite"_s].yMin) - GridPrinter::LineHeight) < 2);
    QVERIFY(px(found[u"Erste"_s].yMin) < 2 * GridPrinter::LineHeight);
}

void TestGridPrinter::longMemoContinuesOnTheNextPage() {
    QStringList memo;
    for (int i = 1; i <= 80; ++i)
        memo << u"Hinweiszeile%1"_s.arg(i);
    const auto grid = makeGrid({u"Artikelnummer"_s, u"Menge"_s}, 2, [](int r) {
        return QStringList{articleNumber(r), QString::number(r)};
    });
    GridPrintJob job = baseJob(grid.get());
    job.memo = memo.join(u"\r\n"_s);
    int height = 0;
    const QString path = pdfPath(u"longmemo.pdf"_s);
    const int printed = printTo(path, job, nullptr, &height);

    const QStringList pages = pageTexts(path);
    QVERIFY(pages.size() >= 2);
    QCOMPARE(printed, pages.size());
    const QString all = pages.join(QLatin1Char(' '));
    for (int i = 1; i <= 80; ++i)
        QCOMPARE(all.count(QRegularExpression(u"\\bHinweiszeile%1\\b"_s.arg(i))), 1);
    QVERIFY(pages.last().contains(u"Artikelnummer Menge"_s));
    QVERIFY(pages.last().contains(u"A-0002"_s));
    for (int i = 0; i < pages.size(); ++i)
        QVERIFY(pages[i].contains(u"Seite %1 Teileshop"_s.arg(i + 1)));

    const double footerRule = height - 2 * GridPrinter::LineHeight;
    for (const Word& w : words(path)) {
        if (w.text != u"Seite"_s && px(w.yMin) < footerRule)
            QVERIFY2(px(w.yMax) <= footerRule, qPrintable(w.text));
    }
}

void TestGridPrinter::failedJobsReportNoPages() {
    const auto grid = makeGrid({u"Artikelnummer"_s}, 1, [](int) { return QStringList{u"X-1"_s}; });
    GridPrintJob job = baseJob(grid.get());
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(printTo(pdfPath(u"missing/folder/out.pdf"_s), job), 0);
    QVERIFY(!QFile::exists(pdfPath(u"missing/folder/out.pdf"_s)));

    job.grid = nullptr;
    QCOMPARE(printTo(pdfPath(u"nogrid.pdf"_s), job), 0);
}

QTEST_MAIN(TestGridPrinter)
#include "tst_gridprinter.moc"
