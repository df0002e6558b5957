#include "session/clientoptions.h"

#include "session/lokalini.h"
#include "session/useroptions.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

const QString kOptions = u"OPTIONS"_s;

QString onOff(bool on) {
    return on ? u"ON"_s : u"OFF"_s;
}

QString upper(const QString& s) {
    return s.trimmed().toUpper();
}

int toInt(const QString& text, int fallback) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : fallback;
}

// The INI's value, or fallback when the key is missing.
QString local(const LokalIni& ini, const QString& key, const QString& fallback = {}) {
    return ini.read(kOptions, key, fallback);
}

// The server's value with the master fallback; null when neither form is there.
QString server(const UserOptions& o, const QString& key) {
    bool found = false;
    const QString v = o.value(key, true, &found);
    return found ? v : QString();
}

void readIndex(const UserOptions& o, const QString& key, int& target) {
    const QString v = server(o, key);
    if (!v.isNull())
        target = toInt(v, target);
}

// Off-by-default keys count as on only for "ON".
void readFlag(const UserOptions& o, const QString& key, bool& target) {
    const QString v = server(o, key);
    if (!v.isNull())
        target = upper(v) == u"ON";
}

// An index stored as "ON" for its first item.
void readFirstItem(const UserOptions& o, const QString& key, int& target) {
    const QString v = server(o, key);
    if (!v.isNull())
        target = upper(v) == u"ON" ? 0 : 1;
}

void readText(const UserOptions& o, const QString& key, QString& target) {
    const QString v = server(o, key);
    if (!v.isNull())
        target = v.trimmed();
}

} // namespace

const QStringList& ClientOptions::belegKeys() {
    static const QStringList keys{
        u"_M_BELEGE_BESTELLUNG_ZEIGEN"_s,   u"_M_BELEGE_BESTELLUNGPREISE_ZEIGEN"_s,
        u"_M_BELEGE_LIEFERSCHEIN_ZEIGEN"_s, u"_M_BELEGE_LIEFERSCHEINPREISE_ZEIGEN"_s,
        u"_M_BELEGE_RECHNUNG_ZEIGEN"_s,     u"_M_BELEGE_GUTSCHRIFT_ZEIGEN"_s,
        u"_M_BELEGE_CSV_SPEICHERN"_s,       u"_M_BELEGE_DOKUMENTE_ANFORDERN"_s};
    return keys;
}

const QStringList& ClientOptions::masterKeys() {
    static const QStringList keys = [] {
        QStringList k{u"_M_BESTELLDATEI_SPEICHERN"_s};
        k << belegKeys();
        k << u"_M_SHOWPREIS"_s << u"_M_MIT_BRUTTO_RABATT"_s << u"_M_MIT_VK_PREIS"_s << u"_M_EMAILSENDEN"_s
          << u"_M_BESTELL_EMAILADRESSE"_s << u"_M_LOGIN_PASSWORT_SPEICHERN"_s << u"_M_VERWALTUNG_SICHTBAR"_s
          << u"_M_PREISDATEI_MODUS"_s << u"_M_SONSTIGES_KATALOG"_s << u"_M_SYSOPTION"_s << u"_M_YQURL"_s
          << u"_M_YQLOGIN"_s << u"_M_YQPASSWORT"_s << u"_M_PREISFAKTOR"_s;
        return k;
    }();
    return keys;
}

namespace {

// The index of an INI word in its list (0, 1, 2), or fallback.
int wordIndex(const QString& word, const QStringList& words, int fallback) {
    const qsizetype i = words.indexOf(upper(word));
    return i < 0 ? fallback : int(i);
}

const QStringList kPreisWords{u"OFF"_s, u"ONMOUSEOVER"_s, u"ON"_s};
const QStringList kMessageWords{u"OFF"_s, u"WICHTIG"_s, u"ON"_s};

} // namespace

QString ClientOptions::showPreisWord(int index) {
    return kPreisWords.at(qBound(0, index, 2));
}

int ClientOptions::showPreisIndex(const QString& word, int fallback) {
    return wordIndex(word, kPreisWords, fallback);
}

QString ClientOptions::showMessageWord(int level) {
    return kMessageWords.at(qBound(0, level, 2));
}

int ClientOptions::showMessageLevel(const QString& word, int fallback) {
    return wordIndex(word, kMessageWords, fallback);
}

int ClientOptions::fontSizeIndex(int size) {
    if (size >= 6 && size <= 11)
        return 0;
    if (size >= 12 && size <= 17)
        return 1;
    return 2;
}

int ClientOptions::mediumFontSize(int storedSize) {
    return storedSize >= 12 && storedSize <= 17 ? storedSize : 12;
}

int ClientOptions::fontSizeOf(int index, int storedSize) {
    return index == 0 ? 8 : index == 2 ? 18 : mediumFontSize(storedSize);
}

QString ClientOptions::branchCode(const QString& entry) {
    const QString code = entry.left(3);
    if (code.size() == 3 && code.startsWith(u'F') && code.at(1).isDigit() && code.at(2).isDigit())
        return code;
    return {};
}

ClientOptions::SysSwitches ClientOptions::sysSwitches(const QString& text) {
    SysSwitches s;
    if (!text.startsWith(u'$'))
        return s;
    s.applies = true;
    s.yq = text.contains(u"*YQ*");
    s.browser = text.contains(u"*B*");
    return s;
}

bool ClientOptions::validEmail(const QString& address) {
    return address.contains(u'@') && address.contains(u'.');
}

void ClientOptions::readLocal(const LokalIni& ini) {
    autoLogin = upper(local(ini, u"AUTOLOGIN"_s, u"ON"_s)) != u"OFF";
    passwortSpeichern = upper(local(ini, u"LOGIN_PASSWORT_SPEICHERN"_s, u"ON"_s)) == u"ON";
    const QString pingValue = local(ini, u"PING"_s, u"Off"_s).trimmed();
    ping = !pingValue.isEmpty() && upper(pingValue) != u"OFF";
    belegeAlleZeilen = toInt(local(ini, u"BELEGE_ALLEZEILEN"_s), 0);
    sortBelege = toInt(local(ini, u"SORTBELEGE"_s), 0);
    showMessage = showMessageLevel(local(ini, u"SHOWMESSAGE"_s), showMessage);
    showPreis = showPreisIndex(local(ini, u"SHOWPREIS"_s), 2);
    artikelReferenz = upper(local(ini, u"ARTIKELREFERENZ"_s)) == u"ON";
    mitverkaufen = toInt(local(ini, u"MITVERKAUFEN"_s), 1);
    mitverkaufenImport = toInt(local(ini, u"MITVERKAUFEN_IMPORT"_s), 1);
    const int size = toInt(local(ini, u"GRID_SCHRIFT_SIZE"_s), 12);
    if (size >= 8)
        gridFontSize = size;
    const QString branch = local(ini, u"ALTERNATIVFILIALE"_s).trimmed();
    alternativFiliale = branch.size() >= 2 && branch.startsWith(u'F') ? branch : QString();
    bestelldatei = upper(local(ini, u"BESTELLDATEI"_s)) == u"ON";
    bruttoRabatt = upper(local(ini, u"MIT_BRUTTO_RABATT"_s)) == u"ON";
    vkPreis = upper(local(ini, u"MIT_VK_PREIS"_s)) == u"ON";
    filialPrioritaet = upper(local(ini, u"FILIALPRIORITAET"_s)) == u"KUNDENFILIALE" ? 1 : 0;
    eanSucheAktiv = toInt(local(ini, u"EAN-Suche-aktiv"_s), 0) == 1;
    auftragDrucken = toInt(ini.read(u"Bestellung"_s, u"Auftragdrucken"_s), 1);
    spaltenModus = toInt(ini.read(u"SpaltenAnzeige"_s, u"MODE"_s), 0) == 1 ? 1 : 0;
    autoBreite = upper(ini.read(u"SpaltenAnzeige"_s, u"AutoBreite"_s, u"ON"_s)) != u"OFF";
}

void ClientOptions::readServer(const UserOptions& o) {
    const QString message = server(o, u"SHOWMESSAGE"_s);
    if (!message.isNull())
        showMessage = showMessageLevel(message, showMessage);
    const QString preis = server(o, u"SHOWPREIS"_s);
    if (!preis.isNull())
        showPreis = showPreisIndex(preis, showPreis);
    readIndex(o, u"_M_PREISDATEI_MODUS"_s, preisdateiModus);
    const QString password = server(o, u"LOGIN_PASSWORT_SPEICHERN"_s);
    if (!password.isNull())
        passwortSpeichern = upper(password) != u"OFF";
    const QString address0 = server(o, u"SET_LIEFERADRESSE_0"_s);
    if (!address0.isNull())
        lieferadresse0 = upper(address0) == u"ON" ? 1 : 0;
    readIndex(o, u"_M_EMAILSENDEN"_s, emailSenden);
    readText(o, u"_M_BESTELL_EMAILADRESSE"_s, bestellEmail);
    readText(o, u"_M_DEBITOR_BESTELL_EMAIL"_s, debitorBestellEmail);
    readFlag(o, u"BESTELLDATEI_SPEICHERN"_s, bestelldatei);
    readFlag(o, u"MIT_BRUTTO_RABATT"_s, bruttoRabatt);
    readFlag(o, u"MIT_VK_PREIS"_s, vkPreis);
    readFirstItem(o, u"BESTELLREFERENZ_MANUELL"_s, bestellreferenz);
    readIndex(o, u"NOTIZ_EINGABE_ART"_s, notizEingabe);
    readIndex(o, u"ALTERNATIVARTIKEL_MIT_BESTAND"_s, alternativMitBestand);
    readIndex(o, u"ALTERNATIV_VORSCHLAG"_s, alternativVorschlag);
    readIndex(o, u"DEBITOR_LAGER_MODUS"_s, debitorLagerModus);
    readFirstItem(o, u"EAN_AUTOMATIK"_s, eanAutomatik);
    readFlag(o, u"MENGE_AUTOMATIK"_s, mengeAutomatik);
    readFlag(o, u"TAUSCHWERT_ZEIGEN_BEI_EINGABE"_s, tauschwertEingabe);
    readFlag(o, u"TAUSCHWERT_ZEIGEN_BEI_IMPORT"_s, tauschwertImport);
    readFirstItem(o, u"IMPORT_LAGERAUFTRAG_EXPRESS"_s, lagerExpress);
    const QString priority = server(o, u"FILIALPRIORITAET"_s);
    if (!priority.isNull())
        filialPrioritaet = upper(priority) == u"KUNDENFILIALE" ? 1 : 0;
    for (qsizetype i = 0; i < belegKeys().size(); ++i) {
        const QString v = server(o, belegKeys().at(i));
        if (!v.isNull())
            belege[i] = upper(v) == u"ON";
    }
    const QString zeiten = server(o, u"BESTELLZEITEN_VERWENDEN"_s);
    if (!zeiten.isNull())
        bestellzeitenVerwenden = upper(zeiten) == u"ON" && o.contains(u"BESTELLZEIT_1"_s);
    readIndex(o, u"_M_SONSTIGES_KATALOG"_s, sonstigesKatalog);
    readText(o, u"_M_SYSOPTION"_s, sysOption);
    readText(o, u"_M_YQURL"_s, yqUrl);
    readText(o, u"_M_YQLOGIN"_s, yqLogin);
    readText(o, u"_M_YQPASSWORT"_s, yqPasswort);
    if (o.contains(u"_M_VERWALTUNG_SICHTBAR"_s))
        verwaltungSichtbar = o.value(u"_M_VERWALTUNG_SICHTBAR"_s);
    if (o.contains(u"_M_PREISFAKTOR"_s))
        preisfaktor = o.value(u"_M_PREISFAKTOR"_s).trimmed();
    const QString beleg = server(o, u"_M_BELEG_SICHTBAR"_s);
    if (!beleg.isNull())
        belegSichtbar = upper(beleg) != u"OFF";
    if (o.contains(u"SHOW_FILIAL_OPTIONS"_s))
        showFilialOptions = upper(o.value(u"SHOW_FILIAL_OPTIONS"_s)) == u"ON";
}

void ClientOptions::writeLocal(const LokalIni& ini, bool branchOptions) const {
    ini.write(kOptions, u"BESTELLDATEI"_s, onOff(bestelldatei));
    ini.write(kOptions, u"MIT_BRUTTO_RABATT"_s, onOff(bruttoRabatt));
    ini.write(kOptions, u"MIT_VK_PREIS"_s, onOff(vkPreis));
    ini.write(kOptions, u"LOGIN_PASSWORT_SPEICHERN"_s, onOff(passwortSpeichern));
    ini.write(kOptions, u"SHOWPREIS"_s, showPreisWord(showPreis));
    ini.write(kOptions, u"PING"_s, ping ? u"ON"_s : u"Off"_s);
    if (branchOptions)
        ini.write(kOptions, u"ALTERNATIVFILIALE"_s, alternativFiliale);
    ini.write(kOptions, u"AUTOLOGIN"_s, onOff(autoLogin));
    ini.write(kOptions, u"SHOWMESSAGE"_s, showMessageWord(showMessage));
    ini.write(kOptions, u"FILIALPRIORITAET"_s,
              filialPrioritaet == 1 ? u"KUNDENFILIALE"_s : u"Zuletzt_eingegeben"_s);
    ini.write(kOptions, u"ARTIKELREFERENZ"_s, onOff(artikelReferenz));
    ini.write(kOptions, u"GRID_SCHRIFT_SIZE"_s, QString::number(gridFontSize));
    ini.write(kOptions, u"MITVERKAUFEN"_s, QString::number(mitverkaufen));
    ini.write(kOptions, u"MITVERKAUFEN_IMPORT"_s, QString::number(mitverkaufenImport));
    ini.write(kOptions, u"EAN-Suche-aktiv"_s, eanSucheAktiv ? u"1"_s : u"0"_s);
    ini.write(kOptions, u"BELEGE_ALLEZEILEN"_s, QString::number(belegeAlleZeilen));
    ini.write(kOptions, u"SORTBELEGE"_s, QString::number(sortBelege));
    ini.write(u"Bestellung"_s, u"Auftragdrucken"_s, QString::number(auftragDrucken));
    ini.write(u"SpaltenAnzeige"_s, u"MODE"_s, QString::number(spaltenModus));
}

QStringList ClientOptions::serverPairs(bool withMaster, const QString& belegEmail,
                                       const QString& extra) const {
    QStringList p;
    const auto add = [&p](const QString& key, const QString& value) { p << key << value; };
    if (withMaster) {
        add(u"_M_BESTELLDATEI_SPEICHERN"_s, onOff(bestelldatei));
        for (qsizetype i = 0; i < belegKeys().size(); ++i)
            add(belegKeys().at(i), onOff(belege.value(i)));
        add(u"_M_SHOWPREIS"_s, showPreisWord(showPreis));
        add(u"_M_MIT_BRUTTO_RABATT"_s, onOff(bruttoRabatt));
        add(u"_M_MIT_VK_PREIS"_s, onOff(vkPreis));
        add(u"_M_EMAILSENDEN"_s, QString::number(emailSenden));
        add(u"_M_BESTELL_EMAILADRESSE"_s, bestellEmail);
        add(u"_M_LOGIN_PASSWORT_SPEICHERN"_s, onOff(passwortSpeichern));
        add(u"_M_VERWALTUNG_SICHTBAR"_s, verwaltungSichtbar);
        add(u"_M_PREISDATEI_MODUS"_s, QString::number(preisdateiModus));
        add(u"_M_SONSTIGES_KATALOG"_s, QString::number(sonstigesKatalog));
        add(u"_M_SYSOPTION"_s, sysOption.trimmed());
        add(u"_M_YQURL"_s, yqUrl.trimmed());
        add(u"_M_YQLOGIN"_s, yqLogin.trimmed());
        add(u"_M_YQPASSWORT"_s, yqPasswort.trimmed());
        // The factor goes out with five decimals, and only from 1 on.
        bool ok = false;
        const double factor = QLocale(QLocale::German).toDouble(preisfaktor, &ok);
        if (ok && factor >= 1)
            add(u"_M_PREISFAKTOR"_s, QLocale(QLocale::German).toString(factor, 'f', 5));
    }
    add(u"NOTIZ_EINGABE_ART"_s, QString::number(notizEingabe));
    add(u"BELEG_EMAILADRESSE"_s, belegEmail);
    add(u"ALTERNATIVARTIKEL_MIT_BESTAND"_s, QString::number(alternativMitBestand));
    add(u"ALTERNATIV_VORSCHLAG"_s, QString::number(alternativVorschlag));
    add(u"BESTELLZEITEN_VERWENDEN"_s, onOff(bestellzeitenVerwenden));
    add(u"DEBITOR_LAGER_MODUS"_s, QString::number(debitorLagerModus));
    add(u"EAN_AUTOMATIK"_s, onOff(eanAutomatik == 0));
    add(u"MENGE_AUTOMATIK"_s, onOff(mengeAutomatik));
    add(u"TAUSCHWERT_ZEIGEN_BEI_EINGABE"_s, onOff(tauschwertEingabe));
    add(u"TAUSCHWERT_ZEIGEN_BEI_IMPORT"_s, onOff(tauschwertImport));
    add(u"IMPORT_LAGERAUFTRAG_EXPRESS"_s, onOff(lagerExpress == 0));
    add(u"SET_LIEFERADRESSE_0"_s, onOff(lieferadresse0 == 1));
    add(u"BESTELLREFERENZ_MANUELL"_s, onOff(bestellreferenz == 0));
    const QStringList more = extra.split(u'\t');
    for (qsizetype k = 0; k + 1 < more.size(); k += 2) {
        if (!more.at(k).isEmpty() && !more.at(k + 1).isEmpty())
            add(more.at(k), more.at(k + 1));
    }
    add(u"FILIALPRIORITAET"_s, filialPrioritaet == 1 ? u"KUNDENFILIALE"_s : u"Zuletzt_eingegeben"_s);
    return p;
}

void ClientOptions::applyTo(UserOptions& options, bool withMaster, const QString& belegEmail) const {
    const QStringList p = serverPairs(withMaster, belegEmail);
    for (qsizetype k = 0; k + 1 < p.size(); k += 2)
        options.set(p.at(k), p.at(k + 1));
}
