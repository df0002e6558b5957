#include "app/ui/shoptab.h"

#include "app/session.h"
#include "articles/articleentry.h"
#include "articles/quicksearch.h"
#include "articles/ui/quicksearchwidgets.h"
#include "order/draftorder.h"
#include "order/ui/draftgridview.h"
#include "order/ui/shoppage.h"

#include <QTabWidget>

namespace {

int messageLevel(const QString& value) {
    if (value.compare(u"OFF", Qt::CaseInsensitive) == 0)
        return 0;
    if (value.compare(u"ON", Qt::CaseInsensitive) == 0)
        return 2;
    return 1;
}

int priceDisplay(const QString& value) {
    if (value.compare(u"OFF", Qt::CaseInsensitive) == 0)
        return 0;
    if (value.compare(u"ONMOUSEOVER", Qt::CaseInsensitive) == 0)
        return 1;
    return 2;
}

} // namespace

ShopTab::ShopTab(Seams seams, Session& session, QWidget* page, const LokalIni* ini, QObject* parent)
    : QObject(parent)
    , m_s(seams)
    , m_session(session) {
    m_draft = std::make_unique<DraftOrder>(
        session.link(), DraftOrder::Seams{seams.log, seams.dialogs, seams.clock, seams.ending});
    m_entry = std::make_unique<ArticleEntry>(
        session, *m_draft, ArticleEntry::Seams{seams.dialogs, seams.ending, seams.log}, ini);
    m_draft->setArticleResolver(m_entry.get());

    m_page = new ShopPage(page, m_draft->visibleGrid(), *m_draft, seams.log);
    m_quick = std::make_unique<QuickSearchWidgets>(&m_page->schnellsuchePanel(), &m_page->grid(), *m_entry);
    m_page->placeOverGrid(m_quick->lvArtikelsuche(), Qt::AlignTop | Qt::AlignLeft);

    DraftGridHooks& hooks = m_page->hooks();
    hooks.coSaleQuestionOpen = [this] { return m_draft->mitverkaufFrageOffen(); };
    hooks.hintFont = [](int column, int) { return DraftOrder::hintFont(column); };
    hooks.alternatives = [this](int row) { m_quick->search().alternativesForRow(row, QPoint()); };
    hooks.hideStockPopup = [this] { m_entry->hidePopups(); };

    connect(m_draft.get(), &DraftOrder::summenLabelChanged, m_page, &ShopPage::setSummen);
    connect(m_draft.get(), &DraftOrder::editorRequested, m_page, &ShopPage::reopenEditor);
    connect(m_entry.get(), &ArticleEntry::statusText, this, [this](int panel, const QString& text) {
        if (m_status)
            m_status(panel, text);
    });
    m_draft->showStatus = [this](int panel, const QString& text) {
        if (m_status)
            m_status(panel, text);
    };
    m_quick->onShopTab = [page] {
        auto* tabs =
            page->parentWidget() ? qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget()) : nullptr;
        return !tabs || tabs->currentWidget() == page;
    };
}

ShopTab::~ShopTab() = default;

void ShopTab::setStatusSink(std::function<void(int panel, const QString& text)> sink) {
    m_status = std::move(sink);
}

DraftSettings ShopTab::settingsFromOptions() const {
    DraftSettings s = m_draft->settings();
    s.tenant = m_session.tenant();
    s.messageLevel = messageLevel(m_entry->option(QStringLiteral("SHOWMESSAGE")));
    s.priceDisplay = priceDisplay(m_entry->option(QStringLiteral("SHOWPREIS")));
    s.artikelReferenz =
        m_entry->option(QStringLiteral("ARTIKELREFERENZ")).compare(u"ON", Qt::CaseInsensitive) == 0;
    return s;
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
