#include "settings/optionseditor.h"

#include "link/requests/articlerequests.h"
#include "model/uitexts.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "session/loginrules.h"
#include "session/lokalini.h"
#include "session/session.h"

using namespace Qt::StringLiterals;

OptionsEditor::OptionsEditor(Seams seams, Session& session, const LokalIni& ini, QObject* parent)
    : QObject(parent)
    , m_s(seams)
    , m_session(session)
    , m_ini(ini) {}

void OptionsEditor::begin() {
    // The administration mode of the login entitles as a master check does.
    if (m_session.adminMode() && !m_entitlementEnded)
        m_masterEntitled = true;
    m_snapshot = m_session.settings();
    m_options = m_snapshot;
}

void OptionsEditor::takeLive() {
    m_session.setSettings(m_options);
    Q_EMIT liveChanged();
}

void OptionsEditor::setAutoLogin(bool on) {
    m_options.autoLogin = on;
    if (on)
        m_options.passwortSpeichern = true;
}

void OptionsEditor::setPasswortSpeichern(bool on) {
    m_options.passwortSpeichern = on;
    if (!on)
        m_options.autoLogin = false;
}

void OptionsEditor::setShowPreis(int index) {
    if (m_options.showPreis == index)
        return;
    m_options.showPreis = index;
    takeLive();
}

bool OptionsEditor::confirmEmail(const QString& address) {
    m_options.bestellEmail = address;
    if (m_options.emailSenden == 0 || ClientOptions::validEmail(address))
        return true;
    m_s.dialogs.message(u"Optionen"_s, u"Ungültige Email-Adresse."_s, Dialogs::Buttons::Ok,
                        Dialogs::Icon::Warning);
    m_options.emailSenden = 0;
    return false;
}

void OptionsEditor::cancel() {
    m_options = m_snapshot;
    takeLive();
}

void OptionsEditor::accept(const QString& extra) {
    const ClientOptions& o = m_options;
    const bool dirty = o.alternativFiliale != m_snapshot.alternativFiliale || o.ping != m_snapshot.ping ||
                       o.showPreis != m_snapshot.showPreis || o.showMessage != m_snapshot.showMessage;
    if (dirty)
        m_s.log.Log(1, u"Optionen geändert"_s, 1);
    m_ini.write(u"SpaltenAnzeige"_s, u"AutoBreite"_s, o.autoBreite ? u"ON"_s : u"OFF"_s);
    m_s.log.Log(1, u"LokalIni schreiben AutoBreite=%1"_s.arg(o.autoBreite ? u"ON"_s : u"OFF"_s), 1);

    // write_ini: the master options go with a master save, or when the user is entitled.
    const bool withMaster = m_masterSave || m_masterEntitled;
    const bool mayKeepMail =
        m_session.options().value(u"BELEG_EMAIL_SPEICHERN"_s).trimmed().compare(u"ON", Qt::CaseInsensitive) ==
        0;
    const QString belegEmail = mayKeepMail ? m_session.options().value(u"BELEG_EMAILADRESSE"_s) : QString();
    m_s.log.Log(1, u"INI schreiben in write_ini"_s, 1);
    o.writeLocal(m_ini, o.showFilialOptions || m_session.adminMode());
    QStringList pairs = m_pending + o.serverPairs(withMaster, belegEmail, extra);
    m_pending.clear();
    m_session.setSettings(o);
    if (pairs.size() > 1) {
        QString error;
        if (!m_session.writeOptions(pairs, m_masterSave ? m_masterUser : QString(),
                                    m_masterSave ? m_masterPassword : QString(), &error)) {
            m_s.log.Log(0, u"write_ini "_s + error, 1);
            m_pending = pairs;
        }
    }
    if (m_restricted) {
        // The entitlement ends with this save: the user's own mark goes to "0".
        QString error;
        if (!m_session.writeOptions({LoginRules::adminModeKey(), u"0"_s}, QString(), QString(), &error))
            m_s.log.Log(0, u"write_ini "_s + error, 1);
        m_masterEntitled = false;
        m_entitlementEnded = true;
        m_masterSave = false;
        m_restricted = false;
    }
    m_masterPassword.clear();
    m_snapshot = o;
    Q_EMIT saved();
}

bool OptionsEditor::checkMaster(const QString& user, const QString& password) {
    QString state, error;
    if (!m_session.checkMaster(user, password, &state, &error)) {
        m_s.dialogs.message(u"Optionen"_s, error, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return false;
    }
    if (state != u"1") {
        m_s.dialogs.message(u"Optionen"_s, u"Berechtigung nicht erfolgreich (Master="_s + state + u")"_s,
                            Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return false;
    }
    m_s.dialogs.message(u"Optionen"_s,
                        u"Prüfung erfolgreich.\r\nSie können jetzt die eingeschränkten Optionen ändern.\r\n"
                        u"Beenden Sie abschließend das Programm und melden sie sich neu an."_s,
                        Dialogs::Buttons::Ok, Dialogs::Icon::Information);
    m_masterEntitled = true;
    m_masterSave = true;
    m_masterUser = user;
    m_masterPassword = password;
    return true;
}

void OptionsEditor::restrict() {
    m_restricted = true;
}

bool OptionsEditor::keepAlive(QString* error) {
    TArtikelShortInfoArray hits;
    const LinkAnswer a = MySucheArtikelKurz(m_session.link(), u"OC 47"_s, hits);
    if (a.ok())
        return true;
    *error = a.errorText;
    return false;
}
