#include "qtxmainform.h"

#include "app/startup.h"
#include "app/ui/loginpage.h"
#include "app/ui/mainmenu.h"
#include "app/ui/secondaryforms.h"
#include "app/ui/tabpage.h"
#include "app/ui/transportcolours.h"
#include "grid/stringgridmodel.h"
#include "model/scramble.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"
#include "platform/platform.h"
#include "platform/registrystore.h"
#include "platform/singleinstance.h"
#include "session/logincheck.h"
#include "session/session.h"
#include "session/tenantresources.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

TQTXMainForm::TQTXMainForm(Seams seams, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent)
    , m_s(seams)
    , m_args(arguments) {
    setObjectName(QStringLiteral("QTXMainForm"));
    setWindowTitle(QStringLiteral("Shop Online"));
    setMinimumSize(800, 560);
    m_menu = std::make_unique<MainMenu>(menuBar());
    connect(m_menu->einspeiser(), &QAction::triggered, this, &TQTXMainForm::showEinspeiser);
    createPages();
    createStatusBar();
}

TQTXMainForm::~TQTXMainForm() = default;

void TQTXMainForm::createPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* header = new QHBoxLayout;
    header->addStretch();
    m_logo = new QLabel(central);
    m_logo->setObjectName(QStringLiteral("Logo"));
    m_logo->setCursor(Qt::PointingHandCursor);
    m_logo->installEventFilter(this);
    header->addWidget(m_logo);
    layout->addLayout(header);

    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(QStringLiteral("PageControl"));
    m_tsConnection = new LoginPage(m_s.log);
    m_tsConnection->setObjectName(m_tsConnection->name());
    connect(m_tsConnection, &LoginPage::loginRequested, this, &TQTXMainForm::btLoginClick);
    connect(m_tsConnection, &LoginPage::disconnectRequested, this, &TQTXMainForm::btDisConnectClick);

    layout->addWidget(m_pageControl, 1);
    setCentralWidget(central);
    connect(m_pageControl, &QTabWidget::currentChanged, this, &TQTXMainForm::pageControlChanged);
}

void TQTXMainForm::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbMain"));
    bar->setSizeGripEnabled(true);
    const int widths[] = {100, 150, 50, 50, 50};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("sbMainPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        // The last panel takes the status texts and the remaining width.
        bar->addWidget(panel, i == 4 ? 1 : 0);
        m_statusPanels << panel;
    }
}

bool TQTXMainForm::FormCreate() {
    StartUp::Seams seams{m_s.platform, m_s.log, m_s.dialogs, m_s.ending, m_s.clock};
    m_startUp = std::make_unique<StartUp>(seams, m_args);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const QRect desktop = screen ? screen->virtualGeometry() : workArea;
    if (!m_startUp->run(workArea, desktop))
        return false;
    applyStartUp();
    return true;
}

void TQTXMainForm::attachSession(Session& session) {
    m_session = &session;
    connect(&session, &Session::statusPanelText, this, &TQTXMainForm::showStatusPanel);
    connect(&session, &Session::connectionClosed, this, [this] {
        m_loggedIn = false;
        m_tsConnection->setDisconnectEnabled(false);
    });
    connect(&session, &Session::waitCursor, this, &TQTXMainForm::setWaitCursor);
}

TabPage& TQTXMainForm::loginTab() {
    return *m_tsConnection;
}

void TQTXMainForm::registerTab(TabPage& tab) {
    // Taking a tab in is no change of the user's: no PageControlChanging, no PageControlChange.
    const QSignalBlocker block(m_pageControl);
    QWidget* sheet = tab.page();
    sheet->setObjectName(tab.name());
    m_pageControl->addTab(sheet, tab.caption());
    m_tabs.append(&tab);
    tab.addMenuItems(*m_menu);
    const int index = m_pageControl->indexOf(sheet);
    m_pageControl->setTabVisible(index, !tab.hidden() && (m_loggedIn || !tab.onlyLoggedIn()));
}

void TQTXMainForm::tabsRegistered() {
    // Session state after start-up: only the login page reachable, no menu.
    const QSignalBlocker block(m_pageControl);
    setActivePage(m_tsConnection);
    Enable_MainMenuItems(false);
    useArialEverywhere();
}

TabPage* TQTXMainForm::tabAt(int index) const {
    return index >= 0 && index < m_tabs.size() ? m_tabs.at(index) : nullptr;
}

void TQTXMainForm::setWaitCursor(bool wait) {
    // Balanced: one hourglass however often a request reports.
    if (wait == m_waitCursor)
        return;
    m_waitCursor = wait;
    if (wait)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TQTXMainForm::showStatusPanel(int panel, const QString& text) {
    if (panel >= 0 && panel < m_statusPanels.size())
        m_statusPanels[panel]->setText(text);
}

void TQTXMainForm::applyStartUp() {
    const StartUp& s = *m_startUp;
    QGuiApplication::setApplicationDisplayName(s.onlineName());
    if (s.hideImportGtc())
        m_menu->hideImportGtc();

    if (SingleInstance* single = s.singleInstance()) {
        connect(single, &SingleInstance::importMessageReceived, this, &TQTXMainForm::handleImportMessage);
        connect(single, &SingleInstance::activateRequested, this, &TQTXMainForm::bringToFront);
    }

    // Menu items and fonts follow when the tabs are registered (tabsRegistered).
    applyTransportColours(s.endpoints().soap);
    for (QLabel* panel : std::as_const(m_statusPanels))
        panel->clear();
    m_statusPanels[4]->setText(QStringLiteral("Launching .."));

    QPixmap logo;
    if (logo.loadFromData(
            TenantResources(&m_s.log, m_s.platform.resourceRoot()).data(QStringLiteral("LOGO"))))
        m_logo->setPixmap(logo);

    const StartupSettings& settings = s.settings();
    if (!settings.autoOrderMode)
        setMinimumSize(800, 560);
    else
        setMinimumSize(0, 0);
    m_tsConnection->setKundennr(settings.kundennr);
    m_tsConnection->setKaldoId(settings.kaldoId);
    m_tsConnection->setPasswort(s.hasStoredPassword() ? QStringLiteral("***") : QString());

    m_tsConnection->setServer(s.endpoints().connectUrl, s.endpoints().labelHint());
    setWindowTitle(s.caption());
}

void TQTXMainForm::applyTransportColours(bool soap) {
    if (soap)
        m_tsConnection->setTransportColour(TransportColours::soap());
}

void TQTXMainForm::useArialEverywhere() {
    const auto widgets = findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QListWidget*>(w) || qobject_cast<QListView*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QGroupBox*>(w) || qobject_cast<QTableView*>(w)) {
            QFont f = w->font();
            f.setFamily(QStringLiteral("Arial"));
            w->setFont(f);
        }
    }
}

void TQTXMainForm::Enable_MainMenuItems(bool doit) {
    m_menu->enableItems(doit, m_importAllowed);
}

void TQTXMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_placed || !m_startUp)
        return;
    m_placed = true;
    const StartupSettings& settings = m_startUp->settings();
    setGeometry(settings.geometry);
    if (settings.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    m_statusPanels[4]->setText(QStringLiteral("Server verbunden."));
    if (m_session)
        m_session->startKeepAlive();
    // Without a window manager no activation may arrive; the first show counts.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_firstActivation)
                FormActivate();
        },
        Qt::QueuedConnection);
}

void TQTXMainForm::closeEvent(QCloseEvent* event) {
    // The user's close; an end through the ending routines skips the server.
    if (m_session && !m_s.ending.ending() && !m_s.ending.closing())
        m_session->programEnd();
    QMainWindow::closeEvent(event);
}

void TQTXMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_firstActivation)
        FormActivate();
}

void TQTXMainForm::FormActivate() {
    if (!m_startUp || !m_firstActivation)
        return;
    const bool firstCreate = m_firstActivation;
    m_firstActivation = false;
    const bool inputStarted =
        m_pageControl->currentWidget() == m_tsConnection && m_tsConnection->loginAvailable();
    m_s.log.Log(0,
                QStringLiteral("FormActivate firstcreate=%1 input_started=%2")
                    .arg(firstCreate ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
                         inputStarted ? QStringLiteral("TRUE") : QStringLiteral("FALSE")),
                1);
    if (inputStarted) {
        m_tsConnection->focusInput();
        if (m_startUp->autoLogin())
            btLoginClick();
    }
    m_s.log.Log(0,
                QStringLiteral("Ende FormActivate firstcreate=") +
                    (firstCreate ? QStringLiteral("TRUE") : QStringLiteral("FALSE")),
                1);
}

void TQTXMainForm::btLoginClick() {
    const LoginCheck check =
        LoginCheck::check(m_tsConnection->kundennr(), m_tsConnection->kaldoId(), m_tsConnection->passwort());
    if (!check.ok()) {
        m_tsConnection->focusField(check.focus);
        if (!check.message.isEmpty())
            m_s.dialogs.message(windowTitle(), check.message, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return;
    }
    runLoginSequence();
}

void TQTXMainForm::runLoginSequence() {
    if (!m_session)
        return;
    m_tsConnection->setLoginEnabled(false);
    QString password = m_tsConnection->passwort();
    const QString hash = m_startUp->settings().hash;
    // "***" without a hash stands for the password kept in the INI file.
    if (password == QStringLiteral("***") && hash.isEmpty() && m_startUp->hasStoredPassword())
        password = Scramble::readStored(m_startUp->storedPasswordScrambled());
    const bool ok = m_session->login(
        {m_tsConnection->kundennr().trimmed(), m_tsConnection->kaldoId().trimmed(), password, hash});
    m_tsConnection->setLoginEnabled(true);
    m_tsConnection->setServerHint(m_session->statusText());
    if (ok)
        applyLogin();
}

void TQTXMainForm::applyLogin() {
    m_loggedIn = true;
    m_importAllowed = m_session->importAllowed();
    m_tsConnection->setDisconnectEnabled(true);
    if (!m_session->user().DEB_NR.isEmpty())
        m_tsConnection->setKundennr(m_session->user().DEB_NR);
    // The customer's own logo wins over the tenant library's.
    QPixmap logo;
    const QByteArray picture =
        m_session->customerLogo().isEmpty() ? m_session->tenantTexts().logoKlein : m_session->customerLogo();
    if (!picture.isEmpty() && logo.loadFromData(picture))
        m_logo->setPixmap(logo);
    for (TabPage* tab : std::as_const(m_tabs)) {
        m_pageControl->setTabVisible(m_pageControl->indexOf(tab->page()), !tab->hidden());
        tab->loggedIn();
    }
    setWindowTitle(m_session->loginCaption());
    Enable_MainMenuItems(true);
    // The first tab is where the work starts (the draft order).
    QWidget* first = m_tabs.isEmpty() ? m_tsConnection : m_tabs.first()->page();
    if (m_pageControl->currentWidget() == first)
        PageControlChange(m_pageControl->currentIndex());
    else
        setActivePage(first);
    Q_EMIT loginApplied();
}

void TQTXMainForm::applyLogout() {
    m_loggedIn = false;
    for (TabPage* tab : std::as_const(m_tabs))
        tab->loggedOut();
}

void TQTXMainForm::btDisConnectClick() {
    if (!m_session)
        return;
    m_tsConnection->setDisconnectEnabled(false);
    m_session->do_DisConnect(false, false);
    applyLogout();
    m_tsConnection->setLoginEnabled(true);
    setActivePage(m_tsConnection);
}

void TQTXMainForm::setActivePage(QWidget* page) {
    m_codeSwitch = true;
    m_pageControl->setCurrentWidget(page);
    m_codeSwitch = false;
    // setCurrentWidget reports no change when the page is already current.
    m_lastPage = m_pageControl->currentIndex();
}

void TQTXMainForm::pageControlChanged(int index) {
    if (m_lastPage >= 0 && m_lastPage != index && !m_codeSwitch && !PageControlChanging(m_lastPage)) {
        // Back to the tab that refused; its index is still the last one.
        const QSignalBlocker block(m_pageControl);
        m_pageControl->setCurrentIndex(m_lastPage);
        return;
    }
    m_lastPage = index;
    PageControlChange(index);
}

bool TQTXMainForm::PageControlChanging(int leavingIndex) {
    m_s.log.Log(0, QStringLiteral("PageControlChanging ActivePage=") + m_pageControl->tabText(leavingIndex),
                1);
    TabPage* tab = tabAt(leavingIndex);
    const PageControlRules::Leave leave = tab ? tab->leaving() : PageControlRules::Leave();
    if (!leave.log.isEmpty())
        m_s.log.Log(0, leave.log, 1);
    if (!leave.message.isEmpty())
        m_s.dialogs.message(windowTitle(), leave.message, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    return leave.allowed;
}

void TQTXMainForm::PageControlChange(int index) {
    m_s.log.Log(0,
                QStringLiteral("PageControlChange ActivePage=") + m_pageControl->tabText(index) +
                    QLatin1Char(' ') + m_s.log.stampNow(),
                1);
    TabPage* tab = tabAt(index);
    if (!tab)
        return;
    if (!m_loggedIn && tab != m_tsConnection) {
        setActivePage(m_tsConnection);
        return;
    }
    const PageControlRules::Menu menu = tab->menu();
    Enable_MainMenuItems(menu.all);
    m_menu->applyPage(menu);
    tab->entered();
}

void TQTXMainForm::showEinspeiser() {
    auto* form = findChild<TEinspeiserForm*>();
    if (!form || !m_session)
        return;
    form->setGrid(m_session->einspeiser());
    form->resize(form->width(), height());
    form->exec();
}

bool TQTXMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_logo && event->type() == QEvent::MouseButtonRelease) {
        LogoClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TQTXMainForm::LogoClick() {
    const QString site =
        TenantResources(&m_s.log, m_s.platform.resourceRoot()).text(QStringLiteral("WEBSITE")).trimmed();
    if (!site.isEmpty())
        m_s.platform.shellOpen(site, {}, QString());
}

void TQTXMainForm::handleImportMessage(int wParam, int lParam) {
    Q_UNUSED(lParam);
    const QString active = m_s.platform.registry().readString(
        RegistryStore::HKEY_CURRENT_USER, Tenant::sharedKey(), QStringLiteral("IMPORTAKTIV"));
    m_s.log.Log(0,
                QStringLiteral("ImportMessage: WParam=") + QString::number(wParam) +
                    QStringLiteral(" Importaktiv=") + active + QStringLiteral(". Es folgt write2Registry=JA"),
                1);
    bringToFront();
}

void TQTXMainForm::bringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
