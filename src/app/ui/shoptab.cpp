#include "app/ui/shoptab.h"

#include "app/session.h"
#include "articles/articleentry.h"
#include "articles/quicksearch.h"
#include "articles/ui/quicksearchwidgets.h"
#include "order/draftchangeguard.h"
#include "order/draftorder.h"
#include "order/ui/draftgridview.h"
#include "order/ui/shoppage.h"
#include "platform/logger.h"

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

    m_guard = std::make_unique<DraftChangeGuard>(
        *m_draft, [this](const QString& action) { return changedElsewhere(action); });

    m_page = new ShopPage(page, m_draft->visibleGrid(), *m_guard, seams.log);
    m_quick = std::make_unique<QuickSearchWidgets>(&m_page->schnellsuchePanel(), &m_page->grid(), *m_entry);
    // The pop-ups of the quick search lie over the grid at their own places
    // (the hit list as wide as the grid); while the hit list shows, the cell
    // editor is not reopened.
    m_page->grid().setReopenBlocker([this] { return m_entry->hitListVisible(); });

    DraftGridHooks& hooks = m_page->hooks();
    hooks.coSaleQuestionOpen = [this] { return m_draft->mitverkaufFrageOffen(); };
    hooks.hintFont = [](int column, int) { return DraftOrder::hintFont(column); };
    hooks.alternatives = [this](int row) { m_quick->search().alternativesForRow(row, QPoint()); };
    hooks.hideStockPopup = [this] { m_entry->hidePopups(); };

    connect(m_draft.get(), &DraftOrder::summenLabelChanged, m_page.data(), &ShopPage::setSummen);
    connect(m_draft.get(), &DraftOrder::editorRequested, m_page.data(), &ShopPage::reopenEditor);
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

ShopTab::~ShopTab() {
    // The page's views read the grids and the hit list of the draft order and
    // the quick search: they go before those.
    delete m_page;
}

void ShopTab::setStatusSink(std::function<void(int panel, const QString& text)> sink) {
    m_status = std::move(sink);
}

DraftSettings ShopTab::settingsFromOptions() const {
    DraftSettings s = m_draft->settings();
    s.tenant = m_session.tenant();
    s.messageLevel = messageLevel(m_entry->option(QStringLiteral("SHOWMESSAGE")));
    s.priceDisplay = priceDisplay(m_entry->option(QStringLiteral("SHOWPREIS")));
    const TenantTexts& texts = m_session.tenantTexts();
    s.lagerauftragText = texts.lagerauftrag;
    s.aussenlagerText = texts.artikelAussenlager;
    s.besorgtText = texts.artikelBesorgt;
    s.artikelReferenz =
        m_entry->option(QStringLiteral("ARTIKELREFERENZ")).compare(u"ON", Qt::CaseInsensitive) == 0;
    return s;
}

bool ShopTab::changedElsewhere(const QString& action) {
    if (!m_page)
        return false;
    const QWidget* tab = m_page->parentWidget();
    if (!m_entry->mehrfach_gefunden(action, tab ? tab->objectName() : QString(), true, false))
        return false;
    m_s.log.Log(1,
                QStringLiteral("Der Warenkorb hat sich geändert.\r\nBenutzer \"%1\" ist vermutlich mehrfach "
                               "angemeldet!")
                    .arg(m_session.link().login().User),
                1);
    return true;
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
