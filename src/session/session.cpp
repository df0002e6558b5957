#include "session/session.h"

#include "link/requests/customerrequests.h"
#include "link/requests/sessionrequests.h"
#include "model/recordlayout.h"
#include "model/scramble.h"
#include "model/uitexts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"
#include "services/deliveryaddresses.h"
#include "services/sessionfollowups.h"
#include "services/statisticsservice.h"
#include "session/counterfile.h"
#include "session/countingoption.h"
#include "session/firstcontact.h"
#include "session/loginrules.h"
#include "session/lokalini.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <exception>

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString zero = QStringLiteral("0");
const QString one = QStringLiteral("1");

} // namespace

namespace {

// OPTIONS/FILIALPRIORITAET "Zuletzt_eingegeben": a new line keeps the last-entered branch.
bool lastEnteredBranchFirst(const LokalIni& ini) {
    return ini.read(QStringLiteral("OPTIONS"), QStringLiteral("FILIALPRIORITAET"))
               .trimmed()
               .compare(u"ZULETZT_EINGEGEBEN", Qt::CaseInsensitive) == 0;
}

} // namespace

Session::Session(Seams seams, Config config, const ClientServices& services, QObject* parent)
    : QObject(parent)
    , m_s(seams)
    , m_services(services)
    , m_config(std::move(config))
    , m_bracket(m_client, m_s.log, m_s.ending, m_s.clock)
    , m_link(m_client, m_bracket, m_s.log, m_s.clock, m_s.ending, m_s.dialogs, m_context)
    , m_connectivity(m_network, m_s.log, m_s.clock)
    , m_requester(m_s.log, m_s.clock, m_s.dialogs, m_s.ending, m_connectivity)
    , m_connectProxy(m_network)
    , m_requestProxy(m_network)
    , m_contact(
          std::make_unique<FirstContact>(m_s, m_config,
                                         FirstContact::Links{m_client, m_link, m_requester, m_connectProxy,
                                                             m_requestProxy, m_context, m_connectivity})) {
    m_context.mandant = QString::number(m_config.tenant);
    m_link.setProgramFolder(m_config.programFolder);
    m_link.setTransport(m_config.soap ? ServerLink::Transport::Soap : ServerLink::Transport::Tcp);
    m_bracket.setSoapMode(m_config.soap);
    // The hourglass while a request blocks: from waitforping to check_socket_error, and
    // for every SOAP call, also those of the first contact outside that bracket.
    m_bracket.setHost(this);
    m_requester.setHost(this);
    m_connectivity.setConnectUrl(m_config.connectUrl);
    m_connectProxy.setUrl(m_config.connectUrl);
    m_connectProxy.setReadTimeout(m_config.connection.readTimeout);
    m_client.setConnectTimeout(m_config.connection.connectTimeout);
    m_client.setReadTimeout(m_config.connection.readTimeout);
    m_settings.showMessage = m_config.showMessage;
    if (m_config.ini)
        m_settings.readLocal(*m_config.ini);
    applyKeepAlive();
    connect(&m_client, &TcpConnection::connected, this, &Session::ClientConnected);
    connect(&m_client, &TcpConnection::disconnected, this, &Session::ClientDisconnected);
}

Session::~Session() = default;

void Session::setWaitCursor(bool wait) {
    m_bracketBusy = wait;
    updateBusy();
}

bool Session::importRunning() const {
    return m_services.import->importRunning();
}

void Session::autoOrderMemo(const QString& text) {
    Q_EMIT autoOrderMemoLine(text);
}

void Session::saveCounter(const QString& info) {
    Q_EMIT counterSaveRequested(info);
}

void Session::soapBusy(bool busy) {
    m_soapBusy = busy;
    updateBusy();
}

void Session::noInternet(const QString& statusText) {
    m_services.statistics->recordNoInternet(statusText);
}

QString Session::serverAddress() const {
    if (m_config.soap)
        return m_requestProxy.url();
    return m_client.host() + QLatin1Char(':') + QString::number(m_client.port());
}

void Session::programEnd() {
    if (m_loginSuccess)
        m_services.statistics->recordProgramEnd();
}

void Session::updateBusy() {
    const bool busy = m_bracketBusy || m_soapBusy;
    if (busy == m_busy)
        return;
    m_busy = busy;
    Q_EMIT waitCursor(busy);
}

void Session::status(int panel, const QString& text) {
    Q_EMIT statusPanelText(panel, text);
}

void Session::fail(const QString& text) {
    m_s.dialogs.message(m_config.onlineName, text, Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
}

bool Session::Erstes_connect_upgrade(bool mitUpgrade, bool* keinUpdate) {
    const bool ok = m_contact->Erstes_connect_upgrade(m_input, mitUpgrade, keinUpdate);
    if (m_contact->connectionAnswered())
        m_connectionBranch = m_contact->connectionBranch();
    if (ok)
        m_firstContact = true;
    return ok;
}

QString Session::firstContactTrace() const {
    return m_contact->trace();
}

QString Session::statusText() const {
    return m_contact->statusText();
}

bool Session::importAllowed() const {
    return m_options.value(QStringLiteral("_M_DATEI_IMPORT_ERLAUBT"), true)
               .trimmed()
               .compare(QStringLiteral("OFF"), Qt::CaseInsensitive) != 0;
}

void Session::writeVersionOptions() {
    QDateTime serverTime;
    const LinkAnswer t = MyGetServerTime(m_link, QStringLiteral("btLoginClick"), serverTime);
    const QString time = t.ok() ? serverTime.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")) : QString();
    QList<TBenutzerOption> pairs{{QStringLiteral("CLIENTVERSION"),
                                  m_config.clientVersion + QStringLiteral(" LastLogin Servertime=") + time}};
    const QString upgraded = QStringLiteral("UPGRADED_") + m_config.clientVersion;
    if (!m_options.contains(upgraded))
        pairs.append({upgraded, time});
    const LinkAnswer w = MyWriteBenutzerOptions(m_link, QString(), QString(), pairs);
    if (!w.ok()) {
        const QString text =
            QStringLiteral("%1 [Code=%2 NumErr=%3]").arg(w.errorText).arg(w.result).arg(w.lines.value(0));
        m_s.log.Log(1, text, 1);
        if (!w.errorText.contains(QStringLiteral("authorisiert")))
            fail(text);
    }
}

bool Session::login(const LoginInput& input) {
    try {
        return loginSteps(input);
    } catch (const std::exception& e) {
        const QString text = QString::fromLocal8Bit(e.what());
        m_s.log.Log(1, QStringLiteral("BtLogin: ") + text, 1);
        fail(QStringLiteral("BtLogin: ") + text);
        m_loggedIn = false;
        do_DisConnect(false, false);
        m_s.ending.SetTerminateTimeout_halt(
            QStringLiteral("Login kann nicht durchgeführt werden!\r\n") + text, false, false);
        return false;
    }
}

bool Session::loginSteps(const LoginInput& input) {
    m_input = input;
    if (!m_firstContact) {
        bool keinUpdate = false;
        Erstes_connect_upgrade(true, &keinUpdate);
        if (keinUpdate)
            return false;
        if (!m_firstContact) {
            // The first contact reports in the status line, not in a box.
            m_s.log.Log(1, statusText(), 1);
            status(1, statusText());
            return false;
        }
    }
    m_s.log.Log(1, QStringLiteral("Start Login um ") + m_s.log.stampNow(), 1);
    const bool hashLogin = input.password == QStringLiteral("***") && !input.storedHash.isEmpty();
    m_s.log.Log(1,
                QStringLiteral("AutoLogin=%1 HASH=%2")
                    .arg(hashLogin ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
                         input.storedHash.isEmpty() ? QStringLiteral("FALSE") : QStringLiteral("TRUE")),
                1);
    m_s.log.Log(1, hashLogin ? QStringLiteral("ILogin2 mit HASH ") : QStringLiteral("ILogin2 mit Passwort "),
                1);
    m_lastMode = hashLogin ? one : zero;
    const QString secret = hashLogin ? input.storedHash : input.password;

    const LinkAnswer a = MyLogin2(m_link, m_lastMode, input.kdnr, input.user, secret);
    if (!a.ok()) {
        fail(QStringLiteral("Login ist gescheitert: \r\nErrorCode=%1 %2\r\nAnzahl=%3")
                 .arg(a.result)
                 .arg(a.errorText)
                 .arg(a.lines.size()));
        return false;
    }
    m_loginDate = m_s.clock.now().date().toString(QStringLiteral("yyyyMMdd"));
    if (a.lines.isEmpty()) {
        fail(QStringLiteral("Keine Benutzerdaten gefunden: \r\n") + a.errorText);
        return false;
    }
    m_user = TBenutzer2();
    if (a.lines.size() >= 13)
        RecordCodec::decodeInto(static_cast<TBenutzer2Kopf&>(m_user), a.lines, 0, 13);
    for (qsizetype i = 13; i + 1 < a.lines.size(); i += 2)
        m_user.Options.append({a.lines.at(i), a.lines.at(i + 1)});
    if (!m_user.FILIALE.isEmpty())
        m_connectionBranch = m_user.FILIALE;
    // Night express and parcel service fall back to this branch.
    if (m_config.tenant == 4 && !m_user.FILIALE.isEmpty())
        m_defaultBranch = m_user.FILIALE;
    else if (m_config.tenant == 6)
        m_defaultBranch = QStringLiteral("F03");
    m_options = UserOptions(m_user.Options);

    // The header keeps the number as typed; a hash login carries the hash in it.
    Login_rec rec;
    rec.KdNr = input.kdnr;
    rec.User = m_user.BENU_LOGIN.isEmpty() ? input.user : m_user.BENU_LOGIN;
    rec.Hash = m_user.BENU_PASSWORDHASH;
    rec.PW = hashLogin ? rec.Hash : input.password;
    rec.text = QStringList{rec.KdNr, rec.User, rec.PW, hashLogin ? one : zero};
    m_link.setLogin(rec);
    if (m_config.ini) {
        m_config.ini->write(QStringLiteral("USER"), QStringLiteral("HASH"), Scramble::storedForm(rec.Hash));
        if (!m_config.pcGuidScrambled.isEmpty() &&
            m_config.ini->read(QStringLiteral("USER"), QStringLiteral("ID")) != m_config.pcGuidScrambled)
            m_config.ini->write(QStringLiteral("USER"), QStringLiteral("ID"), m_config.pcGuidScrambled);
    }

    if (m_config.ini)
        m_lastBranchPriority = lastEnteredBranchFirst(*m_config.ini);

    if (m_options.isEmpty()) {
        QList<TBenutzerOption> read;
        const LinkAnswer o = MyReadBenutzerOptions(m_link, zero, QString(), read);
        if (!o.ok())
            fail(QStringLiteral("%1 [ErrorCode=%2]").arg(o.errorText).arg(o.result));
        m_options = UserOptions(read);
    }
    m_settings.readServer(m_options);
    if (!m_config.counterFile.isEmpty() && QFile::exists(m_config.counterFile))
        CounterFile(m_s.log, m_config.counterFile).takeLastRun();
    writeVersionOptions();

    m_logo = QByteArray::fromHex(LoginRules::customerLogoHex(m_options).toLatin1());
    bool adminFound = false;
    m_adminMode = m_options.value(LoginRules::adminModeKey(), false, &adminFound).trimmed() == one;
    m_adminMissing = !adminFound || m_options.value(LoginRules::adminModeKey()).isEmpty();

    QList<ConnectionOptions::IniWrite> writes;
    m_config.connection =
        ConnectionOptions::apply(m_options, m_config.connection, m_contact->settingsIdleTime(), &writes);
    if (m_config.ini)
        ConnectionOptions::write(*m_config.ini, writes);
    m_client.setConnectTimeout(m_config.connection.connectTimeout);
    m_client.setReadTimeout(m_config.connection.readTimeout);
    m_requester.setIdleTime(m_config.connection.idleTime);
    applyKeepAlive();
    applyLocalOptions();
    m_s.log.Log(1,
                QStringLiteral("Lokale INI lesen fertig, _Login_success=") +
                    (m_loginSuccess ? QStringLiteral("TRUE") : QStringLiteral("FALSE")),
                1);

    if (!m_loginSuccess)
        m_services.statistics->recordProgramLogin();

    checkTenantLibrary();
    if (m_adminMissing)
        fail(QStringLiteral("Wichtiger Eintrag fehlt: ") + LoginRules::adminModeKey() + crlf +
             m_tenantTexts.edvAnrufen);
    m_phoneOnlyText =
        QStringLiteral("Artikel ist nur telefonisch bestellbar, bitte anrufen:\r\n") + m_tenantTexts.hotline;

    QString message;
    const QString beschaffInfo2 = m_tenantLibraryOk ? m_tenantTexts.beschaffInfo2 : m_config.beschaffInfo2;
    // The customer is the one the login answered for (DEB_NR); the login header keeps the typed number.
    const QString kdnr = m_user.DEB_NR.trimmed().isEmpty() ? input.kdnr : m_user.DEB_NR.trimmed();
    if (!m_data.load(m_link, m_options, {m_user.FILIALE, kdnr, m_config.tenant, beschaffInfo2}, &message)) {
        fail(message);
        return false;
    }
    m_services.addresses->loadOrderDeadlines();

    m_s.log.Log(1, QStringLiteral("Logindaten fertig ") + m_s.log.stampNow(), 1);
    m_loggedIn = true;
    m_loginSuccess = true;
    m_services.draft->loadDraftOrder();
    m_services.statistics->recordLoginInfo(m_services.draft->kladdenZahl());
    m_services.import->startPendingImport();
    m_services.priceFile->readPriceFileInfo();
    m_s.log.Log(1, QStringLiteral("Ende btLoginClick ") + m_s.log.stampNow(), 1);
    return true;
}

QString Session::loginCaption() const {
    const QDateTime now = m_s.clock.now();
    return m_config.onlineName + (m_config.soap ? QStringLiteral(" [S]") : QString()) +
           QStringLiteral(", Version ") + m_config.clientVersion + QStringLiteral(" für Kunde \"") +
           m_data.customer.NUMMER + QStringLiteral("\",") + QStringLiteral(" Benutzer \"") +
           m_link.login().User + QStringLiteral("\" (") + m_user.BENU_VORNAME + QLatin1Char(' ') +
           m_user.BENU_NAME + QStringLiteral("), ") + now.toString(QStringLiteral("dd.MM.yyyy")) +
           QStringLiteral(", ") + now.toString(QStringLiteral("hh:mm:ss"));
}

QString Session::read_inkrement(const QString& Schluesselname, const QString& Artikel) {
    return CountingOption::read_inkrement(m_link, Schluesselname, Artikel);
}

void Session::do_DisConnect(bool mitsave, bool terminate) {
    m_bracket.tPing().stop();
    m_loggedIn = false;
    if (m_config.soap) {
        m_s.log.Log(1, QStringLiteral("do_DisConnect _Soap_methode: kein Disconnect nötig"), 1);
    } else {
        status(1, QStringLiteral("Disconnecting.."));
        m_s.log.Log(1, QStringLiteral("do_Disconnect: Client wird/ist abgemeldet:"), 1);
        if (m_client.isConnected()) {
            m_s.log.Log(1, QStringLiteral("do_DisConnect SendCmd QUITID ") + m_s.log.stampNow(), 1);
            const LinkAnswer a = MyLogout(m_link);
            for (const QString& line : a.lines)
                m_s.log.Log(1, line, 0);
            m_client.disconnectFromServer();
        } else if (terminate) {
            m_s.log.Log(1, QStringLiteral("do_DisConnect Client.Connected=false, setTerminate follows:"), 1);
            m_s.ending.SetTerminateTimeout_halt(Txt::get(Txt::VerbindungNeustart), false, mitsave);
            return;
        } else {
            m_s.log.Log(1, QStringLiteral("do_DisConnect Client.Connected=false"), 1);
        }
    }
    m_firstContact = false;
    if (terminate)
        m_s.ending.SetTerminateTimeout_halt(
            m_settings.showMessage > 1 ? QStringLiteral("Disconnect: Programm wird beendet!") : QString(),
            false, mitsave);
}

void Session::startKeepAlive() {
    if (m_config.connection.ping)
        m_bracket.tPing().start();
}

void Session::applyKeepAlive() {
    m_bracket.setPing(m_config.connection.ping);
    m_bracket.setPingInterval(m_config.connection.pingInterval > 0 ? m_config.connection.pingInterval
                                                                   : 300000);
}

void Session::applyLocalOptions() {
    m_alternativeBranch = LoginRules::alternativeBranchFor(
        m_config.tenant, m_input.kdnr,
        m_config.ini ? m_config.ini->read(QStringLiteral("OPTIONS"), QStringLiteral("ALTERNATIVFILIALE"))
                     : QString());

    // The first login on this machine leaves its mark on the server.
    if (m_config.ini &&
        m_config.ini->read(QStringLiteral("OPTIONS"), QStringLiteral("READ_FIRST_TIME")).isEmpty()) {
        const QString time = m_s.clock.now().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
        const LinkAnswer w =
            MyWriteBenutzerOptions(m_link, QString(), QString(), {{QStringLiteral("READ_FIRST_TIME"), time}});
        if (w.ok())
            m_config.ini->write(QStringLiteral("OPTIONS"), QStringLiteral("READ_FIRST_TIME"), time);
        else
            m_s.log.Log(
                1,
                QStringLiteral("%1 [Code=%2 NumErr=%3]").arg(w.errorText).arg(w.result).arg(w.lines.value(0)),
                1);
    }
}

void Session::checkTenantLibrary() {
    const QString name = TenantLibrary::fileName(m_config.tenant);
    if (name.isEmpty() || m_config.programFolder.isEmpty())
        return;
    const QString file = QDir(m_config.programFolder).filePath(name);
    TenantLibrary::update(m_connectProxy, m_config.tenant, file, m_contact->resourceVersion(), m_s.log,
                          m_s.clock);
    m_tenantLibraryOk = TenantLibrary::GetExternResource(m_logo.isEmpty(), file, m_tenantTexts,
                                                         m_config.languageFileActive, &m_s.log);
    if (m_tenantLibraryOk)
        m_context.hotline = m_tenantTexts.hotline;
}

void Session::ClientConnected() {
    const QString text =
        QStringLiteral("Client am Server \"%1:%2\" anmelden ..").arg(m_client.host()).arg(m_client.port());
    m_s.log.Log(1, QStringLiteral("OnConnected ") + text, 1);
    status(1, text);
    ClientStatus(2, QStringLiteral("Connected"));
}

void Session::ClientDisconnected() {
    m_s.log.Log(1, QStringLiteral("OnDisconnected "), 1);
    status(1, QStringLiteral("Disconnected"));
    m_loggedIn = false;
    m_bracket.tPing().stop();
    Q_EMIT connectionClosed();
    ClientStatus(4, QStringLiteral("Disconnected"));
}

void Session::ClientStatus(int state, const QString& text) {
    m_s.log.Log(1,
                QStringLiteral("ClientStatus: %1, %2 Status=%3 (3/4=hsdisconnect)")
                    .arg(m_s.log.stampNow(), text)
                    .arg(state),
                1);
    if (state == 3 || state == 4)
        m_firstContact = false;
}

void Session::setSettings(const ClientOptions& settings) {
    m_settings = settings;
    m_config.connection.ping = settings.ping;
    applyKeepAlive();
    if (m_config.ini) {
        m_lastBranchPriority = lastEnteredBranchFirst(*m_config.ini);
        m_alternativeBranch =
            LoginRules::alternativeBranchFor(m_config.tenant, m_input.kdnr, settings.alternativFiliale);
    }
}

bool Session::writeOptions(const QStringList& pairs, const QString& masterUser, const QString& masterPassword,
                           QString* error) {
    QList<TBenutzerOption> list;
    for (qsizetype k = 0; k + 1 < pairs.size(); k += 2)
        list.append({pairs.at(k), pairs.at(k + 1)});
    if (!m_config.soap && !m_client.isConnected()) {
        *error =
            QStringLiteral("%1 [Code=%2 NumErr=%3]").arg(QStringLiteral("Keine Verbindung")).arg(61).arg(61);
        return false;
    }
    const LinkAnswer a = MyWriteBenutzerOptions(m_link, masterUser, masterPassword, list);
    if (!a.ok()) {
        *error = QStringLiteral("%1 [Code=%2 NumErr=%3]").arg(a.errorText).arg(a.result).arg(a.result);
        return false;
    }
    for (const TBenutzerOption& o : std::as_const(list))
        m_options.set(o.BESE_KEY, o.BESE_VALUE);
    return true;
}

bool Session::checkMaster(const QString& masterUser, const QString& masterPassword, QString* state,
                          QString* error) {
    const LinkAnswer a = MyCheckMasterOption(m_link, masterUser, masterPassword);
    if (!a.ok()) {
        *error = QStringLiteral("%1 [Error %2]").arg(a.errorText).arg(a.result);
        return false;
    }
    *state = a.lines.value(0).trimmed();
    return true;
}

void Session::setOption(const QString& key, const QString& value) {
    m_options.set(key, value);
    // The settings that come from this option follow it.
    m_settings.readServer(UserOptions(TBenutzerOptions{{key, value}}));
}
