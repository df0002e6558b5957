#include "app/ui/shoptab.h"

#include "app/ui/mainmenu.h"
#include "app/ui/transportcolours.h"
#include "articles/articleentry.h"
#include "articles/quicksearch.h"
#include "articles/quicksearchprovider.h"
#include "articles/ui/quicksearchwidgets.h"
#include "articles/ui/stockpanel.h"

#include "order/deliverychoice.h"
#include "order/draftchangeguard.h"
#include "order/draftorder.h"
#include "order/ui/deliverykindlist.h"
#include "order/ui/draftgridview.h"
#include "order/ui/shoppage.h"
#include "platform/logger.h"
#include "services/clientservices.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "settings/draftcolumnchoice.h"
#include <QTableView>
#include <QTableWidget>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ShopTab::ShopTab(Seams seams, Session& session, ClientServices& services, const LokalIni* ini,
                 QObject* parent)
    : QObject(parent)
    , m_s(seams)
    , m_session(session)
    , m_ini(ini) {
    m_draft = std::make_unique<DraftOrder>(
        session.link(), services, DraftOrder::Seams{seams.log, seams.dialogs, seams.clock, seams.ending});
    m_entry = std::make_unique<ArticleEntry>(
        session, *m_draft, services, ArticleEntry::Seams{seams.dialogs, seams.ending, seams.log}, ini);
    m_draft->setArticleResolver(m_entry.get());
    m_guard = std::make_unique<DraftChangeGuard>(*m_draft, *m_entry, session.link(), seams.log, name());

    m_sheet = new QWidget;
    m_sheet->setObjectName(name());
    auto* layout = new QVBoxLayout(m_sheet);
    layout->setContentsMargins(2, 2, 2, 2);
    m_page = new ShopPage(m_sheet, m_draft->visibleGrid(), *m_guard, services, seams.log);
    layout->addWidget(m_page, 1);
    m_vkklStatusBar = new QLabel(m_sheet);
    m_vkklStatusBar->setObjectName(QStringLiteral("VKKLStatusBar"));
    m_vkklStatusBar->setAutoFillBackground(true);
    QFont bold = m_vkklStatusBar->font();
    bold.setBold(true);
    m_vkklStatusBar->setFont(bold);
    QPalette palette = m_vkklStatusBar->palette();
    palette.setColor(QPalette::Window, session.soap() ? TransportColours::soap() : TransportColours::tcp());
    m_vkklStatusBar->setPalette(palette);
    layout->addWidget(m_vkklStatusBar);
    // Pick lists of the draft grid; hidden until a cell asks for them.
    m_lbFiliale = new QListWidget(m_sheet);
    m_lbFiliale->setObjectName(QStringLiteral("lbFiliale"));
    m_lbFiliale->hide();
    m_lbLieferungscode = new DeliveryKindList(m_sheet);

    m_quick = std::make_unique<QuickSearchWidgets>(&m_page->schnellsuchePanel(), &m_page->grid(), *m_entry);
    m_provider = std::make_unique<QuickSearchProvider>(*m_entry, m_quick->search());
    services.quickSearch = m_provider.get();
    services.draft = this;
    m_stock = std::make_unique<StockPanel>(session, services, *m_draft, &m_page->grid(),
                                           StockPanel::Seams{seams.dialogs, seams.log});
    m_stock->setSearchAnchor(m_quick->lvArtikelInfo(), m_quick->lvArtikelsuche());
    services.stock = m_stock.get();
    m_delivery = &m_draft->deliveryChoice();
    services.delivery = m_delivery;
    connect(m_draft.get(), &DraftOrder::deliveryKindListRequested, this, [this](int row, int preselect) {
        DraftGridView& view = m_page->grid();
        const QModelIndex cell =
            view.model()->index(row - 1, m_draft->visibleGrid().column(QStringLiteral("Lieferungsart")));
        view.scrollTo(cell);
        m_lbLieferungscode->openAt(&view, view.visualRect(cell), row, preselect);
    });
    connect(m_lbLieferungscode, &DeliveryKindList::chosen, this, [this](int row, const QString& kind) {
        m_page->grid().setFocus();
        m_delivery->choose(row, kind);
    });
    connect(m_lbLieferungscode, &DeliveryKindList::closed, this, [this] { m_page->grid().setFocus(); });

    connect(m_draft.get(), &DraftOrder::summenLabelChanged, m_page.data(), &ShopPage::setSummen);
    connect(m_draft.get(), &DraftOrder::editorRequested, m_page.data(), &ShopPage::reopenEditor);
    connect(m_draft.get(), &DraftOrder::statusText, this, &ShopTab::statusText);
    connect(m_entry.get(), &ArticleEntry::statusText, this, &ShopTab::statusText);
    connect(m_page.data(), &ShopPage::statusTextChanged, m_vkklStatusBar, &QLabel::setText);
}

ShopTab::~ShopTab() {
    // The page's views read the grids and the hit list of the draft order and
    // the quick search: they go before those.
    delete m_page;
}

QString ShopTab::name() const {
    return QStringLiteral("tsVerkaufskladde");
}

QString ShopTab::caption() const {
    return PageControlRules::caption(PageControlRules::Page::Shop);
}

QWidget* ShopTab::page() {
    return m_sheet;
}

PageControlRules::Menu ShopTab::menu() const {
    return PageControlRules::menuFor(PageControlRules::Page::Shop);
}

void ShopTab::addMenuItems(MainMenu& menu) {
    menu.zeile()->addActions(m_page->zeileActions());
    menu.fenster()->addActions(m_page->createFensterActions());
    connect(menu.bestellen(), &QAction::triggered, m_page.data(), &ShopPage::bookOrder);
}

PageControlRules::Leave ShopTab::leaving() {
    if (!m_session.loggedIn())
        return {};
    PageControlRules::Callbacks callbacks;
    callbacks.draftChangedElsewhere = [this](PageControlRules::Page) {
        return m_entry->mehrfach_gefunden(QStringLiteral("PageControlChanging true true:"), name(), true,
                                          true);
    };
    return PageControlRules(callbacks).changing(PageControlRules::Page::Shop);
}

void ShopTab::entered() {
    m_page->grid().setFocus();
}

void ShopTab::loggedIn() {
    const CustomerData& data = m_session.customerData();
    m_lbFiliale->clear();
    m_lbFiliale->addItems(data.lbFiliale);
    m_lbLieferungscode->clear();
    m_lbLieferungscode->addItems(data.lbLieferungscode);
    // The grid's font size as the INI names it; without one the grid keeps its design.
    const int size = m_session.settings().gridFontSize;
    if (m_ini && m_ini->contains(u"OPTIONS"_s, u"GRID_SCHRIFT_SIZE"_s) && size != m_gridFontSize)
        applyGridFont(size);
    else if (m_gridFontSize < 0)
        m_gridFontSize = size;
}

DraftSettings ShopTab::settingsFromOptions() const {
    DraftSettings s = m_draft->settings();
    s.tenant = m_session.tenant();
    const ClientOptions& o = m_session.settings();
    s.messageLevel = o.showMessage;
    s.priceDisplay = o.showPreis;
    s.mitverkaufen = o.mitverkaufen;
    const TenantTexts& texts = m_session.tenantTexts();
    s.lagerauftragText = texts.lagerauftrag;
    s.aussenlagerText = texts.artikelAussenlager;
    s.aussenlagerWort = texts.aussenlager;
    s.nexOstrandText = texts.nexOstrand;
    s.besorgtText = texts.artikelBesorgt;
    const auto on = [this](const QString& key) {
        return m_entry->option(key).trimmed().compare(u"OFF", Qt::CaseInsensitive) != 0;
    };
    s.lieferartAuswahl = on(QStringLiteral("LIEFERART_AUSWAHL_ERLAUBT"));
    s.lieferartNex = on(QStringLiteral("LIEFERART_NEX_ERLAUBT"));
    s.lieferartAbholung = on(QStringLiteral("LIEFERART_ABHOLUNG_ERLAUBT"));
    s.defaultBranch = m_session.defaultBranch();
    s.kdnr = m_session.link().login().KdNr;
    s.connectionBranch = m_session.connectionBranch();
    // A branch named on the server wins over the local choice.
    const QString serverBranch = m_entry->option(QStringLiteral("ALTERNATIVFILIALE")).trimmed().left(3);
    s.alternativeBranch = serverBranch.isEmpty() ? o.alternativFiliale.left(3) : serverBranch;
    s.debitorLagerModus = m_session.customerData().ownWarehouseMode
                              ? m_entry->option(QStringLiteral("DEBITOR_LAGER_MODUS")).trimmed().toInt()
                              : 0;
    s.artikelReferenz =
        o.artikelReferenz ||
        m_entry->option(QStringLiteral("ARTIKELREFERENZ")).compare(u"ON", Qt::CaseInsensitive) == 0;
    // New lines carry the client identification of the start-up.
    s.clientIdent = m_session.clientIdent();
    return s;
}

void ShopTab::applyGridFont(int size) {
    m_gridFontSize = size;
    DraftGridView& view = m_page->grid();
    QFont font = view.font();
    font.setPointSize(size);
    view.setFont(font);
    // The header row is twice the row height.
    view.horizontalHeader()->setMinimumHeight(2 * view.verticalHeader()->defaultSectionSize());
}

void ShopTab::applyOptions(bool columnsChanged, const QStringList& checkedColumns) {
    const ClientOptions& o = m_session.settings();
    m_draft->setSettings(settingsFromOptions());
    DraftGridView& view = m_page->grid();
    if (o.gridFontSize != m_gridFontSize)
        applyGridFont(o.gridFontSize);
    if (!columnsChanged)
        return;
    StringGrid& grid = m_draft->visibleGrid();
    QStringList headers;
    QList<int> stored;
    if (m_standardWidths.isEmpty()) {
        for (int c = 0; c < grid.columnCount(); ++c)
            m_standardWidths << grid.columnWidth(c);
    }
    const QString section = QStringLiteral("Spaltenbreite");
    for (int c = 0; c < grid.columnCount(); ++c) {
        headers << grid.header(c);
        stored << (m_ini ? m_ini->read(section, u"Col"_s + QString::number(c), u"0"_s).toInt() : 0);
    }
    const DraftColumnChoice::Choice choice{o.spaltenModus, checkedColumns, o.showPreis == 2};
    const QList<int> widths = DraftColumnChoice::widths(headers, m_standardWidths, stored, choice, false);
    for (int c = 0; c < widths.size(); ++c)
        grid.setColumnWidth(c, widths.at(c));
    m_s.log.Log(1, u"Spaltenbreite anzahlcol=%1"_s.arg(widths.size()), 1);
    if (!m_ini)
        return;
    // The widths as shown: measured ones are kept from now on.
    for (int c = 0; c < widths.size(); ++c)
        m_ini->write(section, u"Col"_s + QString::number(c),
                     QString::number(widths.at(c) == 0 ? 0 : view.columnWidth(c)));
    m_s.log.Log(1, u"schreiben von maxspalten=%1"_s.arg(widths.size()), 1);
}

void ShopTab::loadDraftOrder() {
    m_draft->setCustomerData(&m_session.customerData());
    m_draft->setSettings(settingsFromOptions());
    DraftLogo::Texts texts;
    texts.warehouseOrder = m_session.tenantTexts().lagerauftrag;
    texts.tenant = QString::number(m_session.tenant());
    m_page->setLogoTexts(texts);
    m_draft->load();
}

int ShopTab::kladdenZahl() const {
    // The grid keeps one empty line for input; it is no draft order.
    int count = 0;
    const StringGrid& grid = m_draft->visibleGrid();
    const int id = grid.column(QStringLiteral("VKKL_ID"));
    for (int r = 1; r < grid.rowCount(); ++r) {
        if (id >= 0 && !grid.cell(id, r).trimmed().isEmpty())
            ++count;
    }
    return count;
}
