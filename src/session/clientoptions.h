#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class LokalIni;
class UserOptions;

// The settings a user changes in the options window. The local ones live in
// the INI beside the program, the others in the user options on the server;
// some live in both, and the server's value wins at login. Defaults are
// those of a new installation.
struct ClientOptions {
    // The eight document options, in the order of the options window.
    static const QStringList& belegKeys();
    // The master options a master save sends, in their order.
    static const QStringList& masterKeys();

    // Nachrichten: 0 none, 1 important, 2 all.
    int showMessage = 2;
    // Preise: 0 never, 1 on mouse-over, 2 always; price-file check mode.
    int showPreis = 2;
    int preisdateiModus = 0;
    // Verbindung
    bool ping = false;
    int fahrtpruefen = 0;
    // Login
    bool autoLogin = true;
    bool passwortSpeichern = true;
    int lieferadresse0 = 0; // 1: always delivery address 0
    // Bestellung
    int auftragDrucken = 1; // 0 never, 1 ask, 2 always
    int emailSenden = 0;    // 0 never, 1 ask, 2 always
    QString bestellEmail;
    QString debitorBestellEmail;
    bool bestelldatei = false;
    bool bruttoRabatt = false;
    bool vkPreis = false;
    int bestellFormat = 0;
    int bestellreferenz = 0; // 0 asked, 1 generated
    // Spalten
    int spaltenModus = 0; // 0 important columns, 1 user-defined
    int gridFontSize = 12;
    int notizEingabe = 0;
    bool autoBreite = true;
    bool artikelReferenz = false;
    // Artikel
    int mitverkaufen = 1;
    int mitverkaufenImport = 1;
    int alternativMitBestand = 0;
    int alternativVorschlag = 0;
    int debitorLagerModus = 2;
    int eanAutomatik = 0; // 0: take the default quantity
    bool mengeAutomatik = false;
    bool tauschwertEingabe = false;
    bool tauschwertImport = false;
    int lagerExpress = 1; // 0: set to express automatically
    // Filial-Optionen
    QString alternativFiliale; // "F07", or empty for none
    int filialPrioritaet = 0;  // 0 last entered, 1 customer's branch
    // Belege
    QList<bool> belege = QList<bool>(8, true);
    int belegeAlleZeilen = 0;
    int sortBelege = 0;
    // Bestellzeiten
    bool bestellzeitenVerwenden = false;
    // Sonstiges
    int sonstigesKatalog = 0;
    QString sysOption;
    QString yqUrl;
    QString yqLogin;
    QString yqPasswort;
    // Read at login, written back as read.
    QString verwaltungSichtbar;
    QString preisfaktor;
    // Read at login only.
    bool belegSichtbar = true;
    bool showFilialOptions = false;
    bool eanSucheAktiv = false;

    // The local keys, as the start-up reads them.
    void readLocal(const LokalIni& ini);
    // The user options of the login; a key that is there wins over the INI.
    void readServer(const UserOptions& options);
    // The local keys of a save ("INI schreiben in write_ini").
    void writeLocal(const LokalIni& ini, bool branchOptions) const;
    // The pairs of a save, key and value alternating; the master options
    // only when asked. extra: further pairs, key and value each followed by
    // a TAB; a pair is taken only when both are set.
    QStringList serverPairs(bool withMaster, const QString& belegEmail, const QString& extra = {}) const;
    // The same pairs as user options, for the session's copy.
    void applyTo(UserOptions& options, bool withMaster, const QString& belegEmail) const;

    // The words of the price display and the message level in the INI.
    static QString showPreisWord(int index);
    static int showPreisIndex(const QString& word, int fallback);
    static QString showMessageWord(int level);
    static int showMessageLevel(const QString& word, int fallback);

    // The font size group: 0 "Klein", 1 "Mittel", 2 "Groß" for a stored size;
    // the medium size is the stored one from 12 to 17, else 12.
    static int fontSizeIndex(int size);
    static int mediumFontSize(int storedSize);
    static int fontSizeOf(int index, int storedSize);
    // An entry of the branch list: its code when it begins with "F" and a
    // three-character code, else none.
    static QString branchCode(const QString& entry);
    // "SysOption": only a text beginning with "$" switches; then whether it
    // holds "*YQ*" and "*B*". *applies false: the text switches nothing.
    struct SysSwitches {
        bool applies = false;
        bool yq = false;
        bool browser = false;
    };
    static SysSwitches sysSwitches(const QString& text);
    // A confirmation address needs an "@" and a ".".
    static bool validEmail(const QString& address);

    bool operator==(const ClientOptions&) const = default;
};
