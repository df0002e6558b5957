#include "app/ui/clientcomposition.h"

#include "app/endingroutines.h"
#include "app/sessionconfig.h"
#include "app/startup.h"
#include "app/ui/belegetab.h"
#include "app/ui/emptytab.h"
#include "app/ui/qtxmainform.h"
#include "app/ui/secondaryforms.h"
#include "app/ui/shoptab.h"
#include "import/usagestatistics.h"
#include "session/counterfile.h"
#include "session/session.h"

#include <QCoreApplication>
#include <QTabWidget>

ClientComposition::ClientComposition(Seams seams, const QStringList& arguments)
    : m_s(seams)
    , m_services(m_notBuilt.services()) {
    m_form = std::make_unique<TQTXMainForm>(seams, arguments);
}

ClientComposition::~ClientComposition() {
    if (m_ending)
        m_ending->setTarget(nullptr);
    // The windows read the tabs' grids: they go first, the session last.
    m_secondaryForms.clear();
    // The documents tab writes its settings into the INI the window holds.
    m_belege.reset();
    m_form.reset();
    m_shop.reset();
    m_emptyTabs.clear();
    m_session.reset();
}

bool ClientComposition::start() {
    if (!m_form->FormCreate())
        return false;
    const StartUp& startUp = m_form->startUp();
    m_session = std::make_unique<Session>(m_s, sessionConfig(startUp, m_s.platform), m_services);
    m_form->attachSession(*m_session);
    // A test may have put its own statistics in place before the start.
    m_statistics = std::make_unique<UsageStatistics>(m_s.log, m_s.clock, *m_session, m_services);
    if (m_services.statistics == m_notBuilt.services().statistics)
        m_services.statistics = m_statistics.get();
    createTabs();
    m_counters = std::make_unique<CounterFile>(m_s.log, startUp.fileBeside(QStringLiteral(".cnt")));
    m_counters->saveStatistics = [this](const QString& info) { m_services.statistics->saveLocally(info); };
    QObject::connect(m_session.get(), &Session::counterSaveRequested, m_form.get(),
                     [this](const QString& info) { saveCounter(info); });
    m_secondaryForms = createSecondaryForms(
        m_form.get(), SecondaryFormDeps{m_s.dialogs,
                                        &startUp.ini(),
                                        {m_session->onlineName(), m_session->clientVersion()},
                                        m_session->messageLevel()});
    m_belege->belegePage().setForms(m_form->findChild<TBelegversendenForm*>(),
                                    m_form->findChild<TBelegDruckForm*>());
    return true;
}

void ClientComposition::createTabs() {
    using Page = PageControlRules::Page;
    m_shop = std::make_unique<ShopTab>(ShopTab::Seams{m_s.log, m_s.dialogs, m_s.ending, m_s.clock},
                                       *m_session, m_services, &m_form->startUp().ini());
    QObject::connect(m_shop.get(), &ShopTab::statusText, m_form.get(), &TQTXMainForm::showStatusPanel);
    m_form->registerTab(*m_shop);
    m_form->registerTab(m_form->loginTab());
    // Tabs whose content is not built yet.
    m_emptyTabs.push_back(std::make_unique<EmptyTab>(QStringLiteral("tsAutoOrder"), Page::AutoOrder, true));
    m_emptyTabs.push_back(
        std::make_unique<EmptyTab>(QStringLiteral("tsRuecklieferung"), Page::Ruecklieferung));
    m_emptyTabs.push_back(std::make_unique<EmptyTab>(QStringLiteral("tsAltteile"), Page::Altteile));
    for (const auto& tab : m_emptyTabs)
        m_form->registerTab(*tab);
    m_belege = std::make_unique<BelegeTab>(m_s, *m_session, m_services, &m_form->startUp().ini());
    QObject::connect(m_belege.get(), &BelegeTab::shopRequested, m_form.get(), [this] {
        if (auto* pages = m_form->findChild<QTabWidget*>(QStringLiteral("PageControl")))
            pages->setCurrentWidget(m_shop->page());
    });
    m_form->registerTab(*m_belege);
    m_form->tabsRegistered();
}

void ClientComposition::bindEnding(EndingRoutines& ending) {
    m_ending = &ending;
    ending.setTarget(this);
}

bool ClientComposition::isTcp() const {
    return m_session && !m_session->soap();
}

void ClientComposition::setTimeoutsTo100() {
    if (!m_session)
        return;
    m_session->client().setConnectTimeout(100);
    m_session->client().setReadTimeout(100);
}

bool ClientComposition::connectionClosing() const {
    return !m_session || !m_session->client().isConnected();
}

void ClientComposition::disconnect() {
    if (m_session)
        m_session->client().disconnectFromServer();
}

void ClientComposition::saveCounter(const QString& info) {
    if (m_counters)
        m_counters->save_counter(info, nullptr);
}

void ClientComposition::quit() {
    // Queued, so that an end requested before the message loop runs still ends it.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
