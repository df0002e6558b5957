#include "app/ui/belegetab.h"

#include "documents/belegrequest.h"
#include "documents/documentbrowser.h"
#include "documents/ui/belegepage.h"
#include "platform/platform.h"
#include "services/clientservices.h"
#include "session/session.h"

BelegeTab::BelegeTab(ClientSeams seams, Session& session, ClientServices& services, const LokalIni* ini,
                     QObject* parent)
    : QObject(parent)
    , m_session(session) {
    m_browser = std::make_unique<DocumentBrowser>(
        DocumentBrowser::Seams{seams.log, seams.dialogs, seams.clock}, session, *services.statistics, ini);
    m_request = std::make_unique<BelegRequest>(BelegRequest::Seams{seams.log, seams.dialogs, seams.clock},
                                               *m_browser);
    BelegePage::Setup setup{seams.dialogs, ini,
                            seams.platform.environment(QStringLiteral("QTX_PRINT_TO_PDF"))};
    m_page = new BelegePage(*m_browser, *m_request, setup);
    m_page->setObjectName(QStringLiteral("tsBelege"));
    connect(m_page.data(), &BelegePage::shopRequested, this, &BelegeTab::shopRequested);
}

BelegeTab::~BelegeTab() {
    // The settings of the line selection and the sort stay for the next run.
    if (m_wasLoggedIn)
        m_browser->saveSettings();
    // The page shows the browser's grids: it goes first.
    delete m_page.data();
}

QString BelegeTab::name() const {
    return QStringLiteral("tsBelege");
}

QString BelegeTab::caption() const {
    return PageControlRules::caption(PageControlRules::Page::Belege);
}

QWidget* BelegeTab::page() {
    return m_page;
}

PageControlRules::Menu BelegeTab::menu() const {
    return PageControlRules::menuFor(PageControlRules::Page::Belege);
}

void BelegeTab::entered() {
    m_page->entered();
}

void BelegeTab::loggedIn() {
    m_wasLoggedIn = true;
    m_browser->loggedIn();
    m_request->loggedIn();
}
