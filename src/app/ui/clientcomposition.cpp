#include "app/ui/clientcomposition.h"

#include "app/endingroutines.h"
#include "app/sessionconfig.h"
#include "app/startup.h"
#include "app/ui/belegetab.h"
#include "app/ui/emptytab.h"
#include "app/ui/qtxmainform.h"
#include "app/ui/secondaryforms.h"
#include "app/ui/shoptab.h"
#include "documents/documentbrowser.h"
#include "import/usagestatistics.h"
#include "order/draftorder.h"
#include "platform/logger.h"
#include "session/counterfile.h"
#include "session/session.h"
#include "settings/languagesetup.h"
#include "settings/optionseditor.h"
#include "settings/ui/formtranslator.h"
#include "settings/ui/optionenform.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
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
    m_language = std::make_unique<LanguageSetup>(startUp.ini(), startUp.programFolder(), m_s.log);
    auto optionen = std::make_unique<TOptionenForm>(
        TOptionenForm::Context{m_s.log, m_s.dialogs, *m_session, startUp.ini(), *m_language}, m_form.get());
    m_optionen = optionen.get();
    m_secondaryForms.push_back(std::move(optionen));
    QObject::connect(m_optionen, &TOptionenForm::stored, m_form.get(), [this] { optionsStored(); });
    QObject::connect(&m_optionen->editor(), &OptionsEditor::liveChanged, m_form.get(),
                     [this] { m_shop->applyOptions(false, {}); });
    if (auto* item = m_form->findChild<QAction*>(QStringLiteral("miVKKLOptionen")))
        QObject::connect(item, &QAction::triggered, m_form.get(), [this] { showOptions(); });
    loadLanguage();
    QObject::connect(m_form.get(), &TQTXMainForm::loginApplied, m_form.get(), [this] { refreshLanguage(); });
    return true;
}

void ClientComposition::showOptions() {
    if (!m_session || !m_session->loggedIn())
        return;
    // The documents tab keeps its two settings while it runs.
    ClientOptions settings = m_session->settings();
    settings.belegeAlleZeilen = m_belege->browser().lineSelection();
    settings.sortBelege = m_belege->browser().sortDirection();
    m_session->setSettings(settings);
    TOptionenForm::DraftColumns columns;
    const StringGrid& grid = m_shop->draft().visibleGrid();
    for (int c = 0; c < grid.columnCount(); ++c) {
        columns.headers << grid.header(c);
        columns.widths << grid.columnWidth(c);
    }
    m_optionen->move(m_form->geometry().center() - m_optionen->rect().center());
    m_optionen->showOptions(columns);
}

void ClientComposition::optionsStored() {
    const ClientOptions& o = m_session->settings();
    m_belege->browser().setLineSelection(o.belegeAlleZeilen);
    m_belege->browser().setSortDirection(o.sortBelege);
    m_shop->applyOptions(m_optionen->columnsChanged(), m_optionen->checkedColumns());
}

void ClientComposition::loadLanguage() {
    FormTranslator::translateAll(m_language->load());
}

void ClientComposition::refreshLanguage() {
    // The connection exists from the first login on: the file named in the
    // INI is fetched again; a file that was missing at start applies now.
    if (m_languageRefreshed || m_language->fileName().isEmpty() || !m_language->loadFromServer())
        return;
    m_languageRefreshed = true;
    const bool hadFile = QFileInfo::exists(m_language->filePath());
    QString error;
    if (!m_language->fetch(m_session->link(), m_language->fileName(), &error)) {
        m_s.log.Log(0, QStringLiteral("Sprachdatei %1 nicht geladen: %2").arg(m_language->fileName(), error),
                    1);
        return;
    }
    if (!hadFile)
        FormTranslator::translateAll(m_language->load());
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
