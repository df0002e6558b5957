#include "documents/ui/belegepage.h"

#include "documents/belegcsv.h"
#include "documents/belegrequest.h"
#include "documents/documentkinds.h"
#include "documents/ui/belegversendenform.h"
#include "grid/stringgridmodel.h"
#include "platform/dialogs.h"
#include "session/session.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDateEdit>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A control with the name a language file finds it by.
template <typename W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

const QString kActive = u"background-color: rgb(166, 202, 240);"_s;

QTableView* gridView(StringGrid& grid, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(grid.name());
    view->setModel(new StringGridModel(grid, view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionsClickable(true);
    view->horizontalHeader()->setHighlightSections(false);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setMouseTracking(true);
    view->viewport()->setMouseTracking(true);
    view->setWordWrap(false);
    return view;
}

// The preview in a fixed-width font, as the document is laid out.
QString previewHtml(const QString& text) {
    return u"<pre style=\"font-family:'Courier New','Liberation Mono',monospace; font-size:10pt; margin:0\">"_s +
           QString(text).replace(u"\r\n"_s, u"\n"_s).toHtmlEscaped() + u"</pre>"_s;
}

} // namespace

BelegePage::BelegePage(DocumentBrowser& browser, BelegRequest& request, Setup setup, QWidget* parent)
    : QWidget(parent)
    , m_browser(browser)
    , m_request(request)
    , m_setup(std::move(setup)) {
    auto* layout = new QVBoxLayout(this);

    // The search: date range or number.
    auto* search = new QHBoxLayout;
    auto* mode = new QGroupBox(this);
    mode->setObjectName(u"RgDatumNummer"_s);
    mode->setProperty("qtxRadioGroup", true);
    auto* modeLayout = new QVBoxLayout(mode);
    m_byDate = new QRadioButton(u"Suche nach Datum"_s, mode);
    m_byNumber = new QRadioButton(u"Suche nach Belegnummer"_s, mode);
    m_byDate->setChecked(true);
    modeLayout->addWidget(m_byDate);
    modeLayout->addWidget(m_byNumber);
    search->addWidget(mode);
    auto* fields = new QGridLayout;
    fields->addWidget(named(new QLabel(u"von"_s, this), u"lbVon"_s), 0, 0);
    m_from = new QDateEdit(QDate::currentDate().addDays(-30), this);
    m_from->setObjectName(u"vonDatum"_s);
    m_from->setCalendarPopup(true);
    m_from->setDisplayFormat(u"dd.MM.yyyy"_s);
    fields->addWidget(m_from, 0, 1);
    fields->addWidget(named(new QLabel(u"bis"_s, this), u"lbBis"_s), 0, 2);
    m_to = new QDateEdit(QDate::currentDate(), this);
    m_to->setObjectName(u"bisDatum"_s);
    m_to->setCalendarPopup(true);
    m_to->setDisplayFormat(u"dd.MM.yyyy"_s);
    fields->addWidget(m_to, 0, 3);
    fields->addWidget(named(new QLabel(u"Belegnummer"_s, this), u"lbBelegnummer"_s), 1, 0);
    m_number = new QLineEdit(this);
    m_number->setObjectName(u"edBelegnr"_s);
    fields->addWidget(m_number, 1, 1, 1, 3);
    search->addLayout(fields);
    m_customer = new QLabel(this);
    m_customer->setObjectName(u"LbKundennummer"_s);
    m_customer->hide();
    search->addWidget(m_customer);

    // The booking lines of a date range.
    auto* booking = new QGroupBox(u"Buchungszeilen"_s, this);
    booking->setObjectName(u"gbBuchungszeilen"_s);
    auto* bookingLayout = new QGridLayout(booking);
    auto* kinds = new QGroupBox(booking);
    kinds->setObjectName(u"RgRechnungenGutschriften"_s);
    kinds->setProperty("qtxRadioGroup", true);
    auto* kindsLayout = new QHBoxLayout(kinds);
    m_invoices = new QRadioButton(u"Rechnungen"_s, kinds);
    m_credits = new QRadioButton(u"Gutschriften"_s, kinds);
    m_invoices->setChecked(true);
    kindsLayout->addWidget(m_invoices);
    kindsLayout->addWidget(m_credits);
    bookingLayout->addWidget(kinds, 0, 0, 1, 2);
    bookingLayout->addWidget(named(new QLabel(u"Durchfakturierer"_s, booking), u"lbDurchfakturierer"_s), 1,
                             0);
    m_durchfakturierer = new QLineEdit(booking);
    m_durchfakturierer->setObjectName(u"LedDurchfakturierer"_s);
    bookingLayout->addWidget(m_durchfakturierer, 1, 1);
    bookingLayout->addWidget(named(new QLabel(u"Lieferadresse"_s, booking), u"lbLieferadresse"_s), 2, 0);
    m_lieferadresse = new QLineEdit(booking);
    m_lieferadresse->setObjectName(u"LEdLieferadresse"_s);
    bookingLayout->addWidget(m_lieferadresse, 2, 1);
    search->addWidget(booking);
    search->addStretch(1);
    layout->addLayout(search);

    // One label per kind; the clicked one turns sky blue.
    auto* labels = new QHBoxLayout;
    const QList<std::pair<int, QString>> buttons = {{DocumentKind::Orders, u"L_Bestellungen"_s},
                                                    {DocumentKind::Backorders, u"L_Rueckstaende"_s},
                                                    {DocumentKind::DeliveryNotes, u"L_Lieferscheine"_s},
                                                    {DocumentKind::Invoices, u"L_Rechnungen"_s},
                                                    {DocumentKind::CreditNotes, u"L_Gutschriften"_s},
                                                    {DocumentKind::Offers, u"L_Angebote"_s},
                                                    {DocumentKind::OpenItems, u"L_OffenePosten"_s},
                                                    {DocumentKind::InvoiceBookings, u"L_Buchungen"_s}};
    for (const auto& [kind, name] : buttons) {
        QString text = kind == DocumentKind::InvoiceBookings ? u"Abfrage starten"_s
                       : kind == DocumentKind::Backorders    ? m_browser.backorderLabel()
                                                             : DocumentKind::info(kind).label;
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoFillBackground(true);
        connect(b, &QPushButton::clicked, this, [this, kind] { clickSearch(kind); });
        m_labels.insert(kind, b);
        labels->addWidget(b);
    }
    labels->addStretch(1);
    layout->addLayout(labels);

    auto* captionRow = new QHBoxLayout;
    m_caption = new QLabel(this);
    m_caption->setObjectName(u"PanBelegArt"_s);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    captionRow->addWidget(m_caption);
    captionRow->addStretch(1);
    m_sortLabel = new QLabel(u"Sortierung durch Klicken auf gewünschte Spalte "_s, this);
    m_sortLabel->setObjectName(u"LbSortierung"_s);
    captionRow->addWidget(m_sortLabel);
    layout->addLayout(captionRow);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_headsView = gridView(m_browser.heads(), splitter);
    m_linesView = gridView(m_browser.lines(), splitter);
    m_headsView->viewport()->installEventFilter(this);
    // The preview of a head: its text in a fixed-width font, in a hint window.
    // It lies over the grid; the mouse goes through it to the rows below.
    m_previewHint = new QLabel(this, Qt::ToolTip | Qt::WindowTransparentForInput);
    m_previewHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_previewHint->setObjectName(u"PreviewHint"_s);
    m_previewHint->setTextFormat(Qt::PlainText);
    m_previewHint->setMargin(6);
    m_previewHint->setForegroundRole(QPalette::ToolTipText);
    m_previewHint->setBackgroundRole(QPalette::ToolTipBase);
    m_previewHint->setAutoFillBackground(true);
    m_previewHint->setFrameStyle(QFrame::Box | QFrame::Plain);
    splitter->addWidget(m_headsView);
    splitter->addWidget(m_linesView);
    layout->addWidget(splitter, 1);

    m_priceHint = new QLabel(
        u"Hinweis: Sie können die Anzeige der Preise im Menü \"Optionen -> Belege\" einstellen"_s, this);
    m_priceHint->setObjectName(u"PanPreisHinweis"_s);
    layout->addWidget(m_priceHint);

    auto* actions = new QHBoxLayout;
    m_csv = new QPushButton(u"Zeilen lokal speichern"_s, this);
    m_csv->setObjectName(u"BtSaveCSV"_s);
    m_print = new QPushButton(u"Zeilen ausdrucken"_s, this);
    m_print->setObjectName(u"BtZeilenDrucken"_s);
    m_requestButton = new QPushButton(u"Beleg anfordern"_s, this);
    m_requestButton->setObjectName(u"BtBelegAnfordern"_s);
    auto* shop = new QPushButton(u"Zurück zum Shop"_s, this);
    shop->setObjectName(u"BtShop"_s);
    actions->addWidget(m_csv);
    actions->addWidget(m_print);
    actions->addWidget(m_requestButton);
    actions->addStretch(1);
    actions->addWidget(shop);
    layout->addLayout(actions);

    connect(m_csv, &QPushButton::clicked, this, &BelegePage::BtSaveCSVClick);
    connect(m_print, &QPushButton::clicked, this, &BelegePage::BtZeilenDruckenClick);
    connect(m_requestButton, &QPushButton::clicked, this, &BelegePage::BtBelegAnfordernClick);
    connect(shop, &QPushButton::clicked, this, &BelegePage::shopRequested);
    connect(m_byNumber, &QRadioButton::clicked, this, [this] { m_number->setFocus(); });
    connect(m_byDate, &QRadioButton::clicked, this, [this] { m_number->setFocus(); });
    connect(m_from, &QDateEdit::editingFinished, this, &BelegePage::vonDatumCloseUp);
    connect(m_to, &QDateEdit::editingFinished, this, &BelegePage::bisDatumCloseUp);
    connect(m_headsView, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (QApplication::mouseButtons() & Qt::RightButton)
            return;
        m_browser.headClicked(StringGridModel::gridRow(index));
    });
    connect(m_headsView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { headSelected(current.isValid() ? current.row() + 1 : -1); });
    connect(m_headsView->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { m_browser.headsHeaderClicked(column); });
    connect(m_linesView->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { m_browser.linesHeaderClicked(column); });
    connect(m_headsView, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& pos) { copyPopup(m_headsView, pos); });
    connect(m_linesView, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& pos) { copyPopup(m_linesView, pos); });
    m_linesView->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_linesView->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            &BelegePage::columnPopup);
    connect(&m_browser, &DocumentBrowser::changed, this, &BelegePage::refresh);
    connect(&m_browser, &DocumentBrowser::numberChosen, m_number, &QLineEdit::setText);
    connect(&m_browser, &DocumentBrowser::openItemsRequested, this, &BelegePage::BtBelegAnfordernClick);
    connect(&m_browser.heads(), &StringGrid::columnsChanged, this, [this] { applyWidths(m_headsView); });
    connect(&m_browser.lines(), &StringGrid::columnsChanged, this, [this] { applyWidths(m_linesView); });
    connect(&m_browser.heads(), &StringGrid::reset, this, [this] { applyWidths(m_headsView); });
    connect(&m_browser.lines(), &StringGrid::reset, this, [this] { applyWidths(m_linesView); });
    m_browser.setFont(m_headsView->font());
    refresh();
}

BelegePage::~BelegePage() = default;

DocumentBrowser::Input BelegePage::input() const {
    DocumentBrowser::Input in;
    in.number = m_number->text().trimmed();
    in.from = m_from->date();
    in.to = m_to->date();
    in.byNumber = m_byNumber->isChecked();
    in.creditBookings = m_credits->isChecked();
    in.durchfakturierer = m_durchfakturierer->text().trimmed();
    in.lieferadresse = m_lieferadresse->text().trimmed();
    return in;
}

void BelegePage::entered() {
    m_customer->setText(m_browser.session().customerData().customer.NUMMER);
    m_labels.value(DocumentKind::Backorders)->setText(m_browser.backorderLabel());
    m_browser.entered();
    if (m_headsView->isVisible())
        m_headsView->setFocus();
}

void BelegePage::clickSearch(int kind) {
    m_preview.clear();
    m_previewHint->hide();
    m_headsView->setToolTip(QString());
    m_browser.search(kind, input());
}

void BelegePage::applyWidths(QTableView* view) {
    const StringGrid& grid = static_cast<StringGridModel*>(view->model())->grid();
    for (int c = 0; c < grid.columnCount(); ++c) {
        const int w = grid.columnWidth(c);
        view->setColumnHidden(c, w == 0);
        if (w > 0)
            view->setColumnWidth(c, w);
    }
}

void BelegePage::refresh() {
    const DocumentBrowser::View& v = m_browser.view();
    for (auto it = m_labels.cbegin(); it != m_labels.cend(); ++it) {
        const bool active = it.key() == v.activeLabel || (it.key() == DocumentKind::InvoiceBookings &&
                                                          v.activeLabel == DocumentKind::CreditBookings);
        it.value()->setStyleSheet(active ? kActive : QString());
    }
    m_labels.value(DocumentKind::OpenItems)->setVisible(v.openItemsVisible);
    m_caption->setText(v.caption);
    m_caption->setToolTip(v.captionHint);
    m_linesView->setToolTip(v.linesHint);
    m_sortLabel->setVisible(v.sortLabelVisible);
    m_headsView->setVisible(v.headsVisible);
    m_linesView->setVisible(v.linesVisible);
    m_priceHint->setVisible(v.priceHintVisible);
    m_csv->setEnabled(v.csvEnabled);
    m_print->setEnabled(v.printEnabled);
    m_requestButton->setEnabled(v.requestEnabled);
    applyWidths(m_headsView);
    applyWidths(m_linesView);
    if (v.selectedHead > 0 && v.selectedHead < m_browser.heads().rowCount()) {
        const QModelIndex index = m_headsView->model()->index(v.selectedHead - 1, 0);
        if (m_headsView->currentIndex().row() != index.row())
            m_headsView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                      QItemSelectionModel::Rows);
        headSelected(v.selectedHead);
    }
    if (v.focusHeads && v.headsVisible)
        m_headsView->setFocus();
}

void BelegePage::headSelected(int row) {
    m_browser.selectHead(row);
    m_preview = QString(m_browser.previewText(row)).replace(u"\r\n"_s, u"\n"_s);
    m_previewHint->hide();
    m_headsView->setToolTip(m_preview.isEmpty() ? QString() : previewHtml(m_preview));
}

bool BelegePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_headsView->viewport())
        return QWidget::eventFilter(watched, event);
    // The preview follows the mouse over the selected head and goes away
    // over any other row.
    if (event->type() == QEvent::MouseMove) {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QModelIndex index = m_headsView->indexAt(pos);
        if (!m_preview.isEmpty() && index.isValid() && index.row() == m_headsView->currentIndex().row())
            showPreview();
        else
            m_previewHint->hide();
    } else if (event->type() == QEvent::Leave) {
        const QWidget* viewport = m_headsView->viewport();
        if (!viewport->rect().contains(viewport->mapFromGlobal(QCursor::pos())))
            m_previewHint->hide();
    } else if (event->type() == QEvent::ToolTip) {
        // The hint window shows the preview; the view's own tooltip would repeat it.
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BelegePage::showPreview() {
    // "Courier New" where it is installed, else the system's fixed-width
    // font; set on showing, as the window gives its labels its own font.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies({u"Courier New"_s, mono.family()});
    mono.setPointSize(10);
    if (m_previewHint->font() != mono) {
        m_previewHint->setFont(mono);
        m_previewHint->setText(QString());
    }
    if (m_previewHint->text() != m_preview) {
        m_previewHint->setText(m_preview);
        m_previewHint->adjustSize();
    }
    m_previewHint->move(m_headsView->viewport()->mapToGlobal(QPoint(84, 4)));
    m_previewHint->show();
}

void BelegePage::vonDatumCloseUp() {
    if (m_from->date() > m_to->date())
        m_to->setDate(m_from->date());
}

void BelegePage::bisDatumCloseUp() {
    if (m_to->date() < m_from->date())
        m_from->setDate(m_to->date());
}

void BelegePage::copyPopup(QTableView* view, const QPoint& pos) {
    const QModelIndex index = view->indexAt(pos);
    if (!index.isValid())
        return;
    m_remembered = index.data().toString();
    QMenu menu(this);
    QAction* copy = menu.addAction(u"In die Zwischanablage kopieren"_s);
    copy->setEnabled(!m_remembered.trimmed().isEmpty());
    connect(copy, &QAction::triggered, this, [this] { QApplication::clipboard()->setText(m_remembered); });
    menu.exec(view->viewport()->mapToGlobal(pos));
}

void BelegePage::columnPopup(const QPoint& pos) {
    if (!m_browser.bookingResult())
        return;
    const int column = m_linesView->horizontalHeader()->logicalIndexAt(pos);
    if (column < 0)
        return;
    m_remembered = m_browser.lines().header(column);
    QMenu menu(this);
    const QString header = m_remembered;
    connect(menu.addAction(u"Spalte ausblenden"_s), &QAction::triggered, this,
            [this, header] { m_browser.hideColumn(header); });
    connect(menu.addAction(u"Spalte einblenden"_s), &QAction::triggered, this,
            [this, header] { m_browser.showColumn(header); });
    connect(menu.addAction(u"Alle Spalten einblenden"_s), &QAction::triggered, this,
            [this] { m_browser.showAllColumns(); });
    connect(menu.addAction(u"Konfiguration speichern"_s), &QAction::triggered, this,
            [this] { m_browser.saveColumnConfig(); });
    menu.exec(m_linesView->horizontalHeader()->mapToGlobal(pos));
}

void BelegePage::BtZeilenDruckenClick() {
    using namespace DocumentKind;
    const int kind = m_browser.currentKind();
    Session& session = m_browser.session();
    const QLocale system = QLocale::system();
    const QString customerLine = u"Kundennummer "_s + session.customerData().customer.NUMMER +
                                 u" Benutzer "_s + session.user().BENU_LOGIN;
    const QString range = system.toString(m_from->date(), QLocale::ShortFormat) + u" bis "_s +
                          system.toString(m_to->date(), QLocale::ShortFormat);
    QString text;
    if (kind == Backorders)
        text = (session.tenant() == 1 ? u"Artikel in Rückstand vom "_s : u"Artikel zur Besorgung vom "_s) +
               range + u"\r\n"_s + customerLine;
    else if (kind == InvoiceBookings || kind == CreditBookings)
        text = u"Buchungszeilen vom "_s + range + u"\r\n"_s + customerLine;
    else
        text = m_preview;
    if (!m_printForm)
        return;
    m_printForm->setMessageLevel(session.messageLevel());
    m_printForm->setPdfOutput(m_setup.pdfOutput);
    m_printForm->initgrid(m_browser.lines(), QString(), true, {}, u"Beleg ausdrucken"_s, text);
    m_printForm->open();
}

void BelegePage::BtSaveCSVClick() {
    using namespace DocumentKind;
    const int kind = m_browser.currentKind();
    const StringGrid& heads = m_browser.heads();
    const int row = m_browser.view().selectedHead;
    const QString number = row > 0 ? heads.cell(kind == Orders ? 2 : 1, row) : QString();
    const QString name =
        BelegCsv::suggestedName(kind, m_browser.session().tenant(), number, m_from->date(), m_to->date());
    const QString folder = m_csvFolder.isEmpty()
                               ? QFileInfo(QCoreApplication::applicationFilePath()).absolutePath()
                               : m_csvFolder;
    const QString file = m_setup.dialogs.getSaveFileName(u"Belegzeilen als CSV-Datei speichern"_s,
                                                         folder + u'/' + name, u"*.csv"_s);
    if (file.isEmpty())
        return;
    QString error;
    if (!BelegCsv::write(file, m_browser.lines(), &error)) {
        m_setup.dialogs.message(QString(),
                                u"Die Datei \"%1\" konnte nicht geschrieben werden: %2"_s.arg(file, error),
                                Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return;
    }
    m_csvFolder = QFileInfo(file).absolutePath();
}

void BelegePage::BtBelegAnfordernClick() {
    if (m_dispatch)
        m_request.run(*m_dispatch, m_number->text().trimmed(), m_to->date());
}

void BelegePage::setForms(TBelegversendenForm* dispatch, TBelegDruckForm* print) {
    m_dispatch = dispatch;
    m_printForm = print;
}
