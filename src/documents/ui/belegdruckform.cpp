#include "documents/ui/belegdruckform.h"

#include "grid/gridprinter.h"
#include "grid/stringgridmodel.h"
#include "model/uitexts.h"
#include "platform/dialogs.h"
#include "session/lokalini.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kFont = u"Times New Roman"_s;

// The usual office fonts have free twins with the same metrics.
bool fontAvailable(const QString& family) {
    if (QFontDatabase::hasFamily(family))
        return true;
    static const QHash<QString, QString> twins = {{u"Times New Roman"_s, u"Liberation Serif"_s},
                                                  {u"Arial"_s, u"Liberation Sans"_s},
                                                  {u"Courier New"_s, u"Liberation Mono"_s}};
    return twins.contains(family) && QFontDatabase::hasFamily(twins.value(family));
}

// Cells of the right-aligned columns end 2 pixels before their right edge.
class AlignedCells final : public QStyledItemDelegate {
public:
    AlignedCells(const QSet<int>& right, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_right(right) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment =
            Qt::AlignVCenter | (m_right.contains(index.column()) ? Qt::AlignRight : Qt::AlignLeft);
    }

private:
    const QSet<int>& m_right;
};

} // namespace

TBelegDruckForm::TBelegDruckForm(Dialogs& dialogs, const LokalIni* ini, const QString& section, Footer footer,
                                 int messageLevel, QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_ini(ini)
    , m_section(section)
    , m_footer(std::move(footer))
    , m_messageLevel(messageLevel) {
    setObjectName(u"BelegDruckForm"_s);
    setWindowTitle(u"Beleg ausdrucken"_s);
    if (m_ini) {
        m_settings.Druckername = m_ini->read(m_section, u"Druckername"_s);
        m_settings.Druckformat =
            m_ini->read(m_section, u"Seitenformat"_s) == u"Querformat" ? u"Querformat"_s : u"Hochformat"_s;
    }
    auto* layout = new QVBoxLayout(this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(u"Memo1"_s);
    m_memo->setReadOnly(true);
    // "Courier New" where it is installed, else the system's fixed-width font.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies({u"Courier New"_s, mono.family()});
    mono.setPointSize(9);
    m_memo->setFont(mono);
    m_memo->setMaximumHeight(180);
    layout->addWidget(m_memo);

    m_shape = new QFrame(this);
    m_shape->setObjectName(u"Shape1"_s);
    m_shape->setToolTip(u"Optimale Breite für Drucker"_s);
    m_shape->setFixedHeight(4);
    m_shape->setStyleSheet(u"background-color: teal;"_s);
    layout->addWidget(m_shape, 0, Qt::AlignLeft);

    m_view = new QTableView(this);
    m_view->setObjectName(u"DruckGrid"_s);
    m_view->setModel(new StringGridModel(m_grid, m_view));
    m_view->setFont(QFont(kFont, 10));
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_view->font()).height() + 6);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setItemDelegate(new AlignedCells(m_rechts, m_view));
    layout->addWidget(m_view, 1);

    m_panel1 = new QWidget(this);
    m_panel1->setObjectName(u"Panel1"_s);
    auto* p1 = new QHBoxLayout(m_panel1);
    auto* labels = new QVBoxLayout;
    m_druckername = new QLabel(Txt::get(Txt::aktuellDrucker, {QString()}), m_panel1);
    m_druckername->setObjectName(u"LbDruckername"_s);
    m_orientierung = new QLabel(Txt::get(Txt::DruckerOrientation, {Txt::get(Txt::Hochformat)}), m_panel1);
    m_orientierung->setObjectName(u"LbDruckerOrient"_s);
    labels->addWidget(m_druckername);
    labels->addWidget(m_orientierung);
    p1->addLayout(labels, 1);
    auto* setup = new QPushButton(u"Drucker einrichten"_s, m_panel1);
    setup->setObjectName(u"BtDruckerEinrichten"_s);
    auto* preview = new QPushButton(u"Druckvorschau"_s, m_panel1);
    preview->setObjectName(u"BtDruckvorschau"_s);
    auto* print = new QPushButton(u"Jetzt drucken"_s, m_panel1);
    print->setObjectName(u"BtJetztDrucken"_s);
    auto* close = new QPushButton(u"Schließen"_s, m_panel1);
    close->setObjectName(u"BtSchliessen"_s);
    p1->addWidget(setup);
    p1->addWidget(preview);
    p1->addWidget(print);
    p1->addWidget(close);
    connect(setup, &QPushButton::clicked, this, &TBelegDruckForm::druckerEinrichten);
    connect(print, &QPushButton::clicked, this, &TBelegDruckForm::jetztDrucken);
    connect(preview, &QPushButton::clicked, this, &TBelegDruckForm::druckvorschau);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(m_panel1);

    // The order reference, for callers that book from here.
    m_panel3 = new QWidget(this);
    m_panel3->setObjectName(u"Panel3"_s);
    auto* p3 = new QHBoxLayout(m_panel3);
    auto* referenceLabel = new QLabel(u"Referenz für diesen Auftrag: "_s, m_panel3);
    referenceLabel->setObjectName(u"lbReferenz"_s);
    p3->addWidget(referenceLabel);
    auto* reference = new QLineEdit(m_panel3);
    reference->setObjectName(u"EdReferenz"_s);
    reference->setMaxLength(20);
    p3->addWidget(reference, 1);
    auto* run = new QPushButton(u"Auftrag ausführen"_s, m_panel3);
    auto* cancel = new QPushButton(u"Abbrechen"_s, m_panel3);
    run->setObjectName(u"btAuftragAusfuehren"_s);
    cancel->setObjectName(u"btAuftragAbbrechen"_s);
    p3->addWidget(run);
    p3->addWidget(cancel);
    connect(run, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(m_panel3);
    m_panel3->hide();
}

TBelegDruckForm::~TBelegDruckForm() = default;

QString TBelegDruckForm::memoText() const {
    return m_memo->toPlainText();
}

void TBelegDruckForm::initgrid(const StringGrid& sg, const QString& eingegangen, bool Druckpanel_visible,
                               const QSet<int>& Rechts_Spalten, const QString& mycaption,
                               const QString& Beleginfo) {
    setWindowTitle(mycaption);
    m_eingangszeit = eingegangen;
    m_rechts = Rechts_Spalten;
    m_zeigeSpalten.clear();
    m_panel1->setVisible(Druckpanel_visible);
    m_panel3->setVisible(!Druckpanel_visible);
    // Hidden source columns keep their place but neither show nor print.
    QStringList header;
    m_gridHeader.clear();
    for (int c = 0; c < sg.columnCount(); ++c) {
        if (sg.columnWidth(c) != 0 && sg.columnWidth(c) >= -1) {
            m_zeigeSpalten.insert(c);
            m_gridHeader += u'"' + sg.header(c) + u"\";"_s;
        } else {
            m_gridHeader += u';';
        }
        header.append(sg.header(c));
    }
    m_grid.setHeaders(header);
    QList<QStringList> rows;
    rows.reserve(sg.rowCount());
    for (int r = 1; r < sg.rowCount(); ++r)
        rows.append(sg.row(r));
    m_grid.setDataRows(rows);
    m_memo->setPlainText(QString(Beleginfo).replace(u"\r\n"_s, u"\n"_s));
    applyWidths();
}

void TBelegDruckForm::applyWidths() {
    // The browser's width rule with a bold header.
    QFont bold = m_view->font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold), metrics(m_view->font());
    int total = 1;
    for (int c = 0; c < m_grid.columnCount(); ++c) {
        if (!m_zeigeSpalten.contains(c)) {
            m_grid.setColumnWidth(c, 0);
            m_view->setColumnHidden(c, true);
            continue;
        }
        int widest = boldMetrics.horizontalAdvance(m_grid.header(c) + u'H');
        for (int r = 1; r < m_grid.rowCount(); ++r)
            widest = std::max(widest, metrics.horizontalAdvance(m_grid.cell(c, r) + u'H'));
        m_grid.setColumnWidth(c, widest + 4);
        m_view->setColumnHidden(c, false);
        m_view->setColumnWidth(c, widest + 4);
        total += widest + 4 + 1;
    }
    m_shape->setFixedWidth(total);
}

void TBelegDruckForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TBelegDruckForm::FormShow() {
    const bool landscape = m_settings.Druckformat == u"Querformat";
    // Wider for landscape paper, as the page will be.
    const int width = landscape ? int(770 * 297.0 / 210.0) : 770;
    m_druckername->setText(Txt::get(Txt::aktuellDrucker, {m_settings.Druckername}));
    // The stored page format stays German; the label shows the text of the run.
    m_orientierung->setText(
        Txt::get(Txt::DruckerOrientation, {Txt::get(landscape ? Txt::Querformat : Txt::Hochformat)}));
    applyWidths();
    const int needed = m_shape->width() + m_view->verticalScrollBar()->sizeHint().width() + 12;
    resize(std::max(width, needed), std::max(height(), 560));
    if (parentWidget())
        move(parentWidget()->mapToGlobal(QPoint(4, 164)));
    if (m_panel3->isVisible())
        m_panel3->findChild<QLineEdit*>()->setFocus();
}

void TBelegDruckForm::setupPrinter(QPrinter& printer) const {
    if (!m_pdfOutput.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfOutput);
    } else if (!m_settings.Druckername.isEmpty() && printer.printerName() != m_settings.Druckername &&
               !QPrinterInfo::printerInfo(m_settings.Druckername).isNull()) {
        printer.setPrinterName(m_settings.Druckername);
    }
    printer.setPageOrientation(m_settings.Druckformat == u"Querformat" ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

void TBelegDruckForm::saveSettings() const {
    if (!m_ini)
        return;
    m_ini->write(m_section, u"Druckername"_s, m_settings.Druckername);
    m_ini->write(m_section, u"Seitenformat"_s, m_settings.Druckformat);
}

void TBelegDruckForm::druckerEinrichten() {
    QPrinter printer(QPrinter::HighResolution);
    setupPrinter(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(u"PrinterSetupDialog"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.Druckformat =
        printer.pageLayout().orientation() == QPageLayout::Landscape ? u"Querformat"_s : u"Hochformat"_s;
    m_settings.Druckername = printer.printerName();
    saveSettings();
    FormShow();
}

bool TBelegDruckForm::PrintStringGrid(const QString& sTitle) {
    m_cancelled = false;
    if (!fontAvailable(kFont) && m_messageLevel > 0) {
        QString printerName = m_settings.Druckername;
        if (printerName.isEmpty())
            printerName = QPrinterInfo::defaultPrinterName();
        const Dialogs::Answer a =
            m_dialogs.message(u"Schriftart nicht vorhanden"_s,
                              u"Der Drucker "_s + printerName + u" hat keine Schriftart "_s + kFont +
                                  u"\r\nWollen Sie trotzdem drucken ?"_s,
                              Dialogs::Buttons::YesNo, Dialogs::Icon::Question);
        if (a != Dialogs::Answer::Yes) {
            m_cancelled = true;
            return false;
        }
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    setupPrinter(printer);
    printer.setDocName(sTitle);
    return GridPrinter::print(printer, printJob(sTitle)) > 0;
}

GridPrintJob TBelegDruckForm::printJob(const QString& sTitle) const {
    GridPrintJob job;
    job.grid = &m_grid;
    for (int c = 0; c < m_grid.columnCount(); ++c)
        job.screenWidths.append(m_zeigeSpalten.contains(c) ? m_grid.columnWidth(c) : 0);
    job.rightAligned = m_rechts;
    job.memo = m_memo->toPlainText();
    job.fontFamily = kFont;
    job.shopName = m_footer.shopName;
    job.version = m_footer.version;
    job.receivedTime = m_eingangszeit;
    job.title = sTitle;
    return job;
}

void TBelegDruckForm::druckvorschau() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setPageOrientation(m_settings.Druckformat == u"Querformat" ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(u"Druckvorschau"_s);
    dialog.setWindowTitle(u"Druckvorschau"_s);
    const GridPrintJob job = printJob(windowTitle());
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&job](QPrinter* target) { GridPrinter::print(*target, job); });
    dialog.exec();
}

void TBelegDruckForm::jetztDrucken() {
    if (!PrintStringGrid(u"Belegdruck"_s)) {
        if (m_cancelled)
            return;
        m_dialogs.message(windowTitle(), u"Der Druckauftrag konnte nicht ausgeführt werden."_s,
                          Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return;
    }
    if (m_messageLevel > 0)
        m_dialogs.message(windowTitle(), Txt::get(Txt::DruckAuftrag));
}
