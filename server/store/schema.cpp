#include "store/schema.h"

#include "model/records.h"
#include "store/offerstore.h"
#include "store/recordtable.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace Schema {

namespace {

QStringList statements() {
    using RecordTable::createSql;
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS CONFIG (KEY TEXT PRIMARY KEY, VALUE TEXT NOT NULL)"),
        // Articles with all columns, their suppliers, the article network and extra EANs.
        createSql<TArtikelInfo>(
            QStringLiteral("ARTIKEL"),
            QStringLiteral("ROW_ID INTEGER PRIMARY KEY, SUCHTEXT TEXT NOT NULL DEFAULT ''")),
        QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS ARTIKEL_NUMMER ON ARTIKEL (NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKEL_ARTI_ID ON ARTIKEL (ARTI_ID)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKEL_EAN_IDX ON ARTIKEL (EAN)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKEL_KURZ ON ARTIKEL (ARTIKELNR_KURZ)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKEL_TECDOC ON ARTIKEL (TECDOCNR)"),
        // The search: prefixes of the number columns as LIKE finds them (case
        // blind), the whole search in number order without touching the table,
        // and the search text by trigrams.
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKEL_NUMMER_NC ON ARTIKEL (NUMMER COLLATE NOCASE)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS ARTIKEL_KURZ_NC ON ARTIKEL (ARTIKELNR_KURZ COLLATE NOCASE)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKEL_TECDOC_NC ON ARTIKEL (TECDOCNR COLLATE NOCASE)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKEL_SUCHE ON ARTIKEL (NUMMER, ARTIKELNR_KURZ, "
                       "TECDOCNR, SUCHTEXT)"),
        QStringLiteral("CREATE VIRTUAL TABLE IF NOT EXISTS ARTIKEL_TEXT USING fts5(SUCHTEXT, "
                       "content='ARTIKEL', content_rowid='ROW_ID', tokenize='trigram')"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARTIKEL_TEXT_EIN AFTER INSERT ON ARTIKEL BEGIN "
                       "INSERT INTO ARTIKEL_TEXT (rowid, SUCHTEXT) VALUES (new.ROW_ID, new.SUCHTEXT); END"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARTIKEL_TEXT_AUS AFTER DELETE ON ARTIKEL BEGIN "
                       "INSERT INTO ARTIKEL_TEXT (ARTIKEL_TEXT, rowid, SUCHTEXT) VALUES ('delete', "
                       "old.ROW_ID, old.SUCHTEXT); END"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS ARTIKEL_TEXT_NEU AFTER UPDATE OF ROW_ID, SUCHTEXT ON "
                       "ARTIKEL BEGIN INSERT INTO ARTIKEL_TEXT (ARTIKEL_TEXT, rowid, SUCHTEXT) VALUES "
                       "('delete', old.ROW_ID, old.SUCHTEXT); INSERT INTO ARTIKEL_TEXT (rowid, SUCHTEXT) "
                       "VALUES (new.ROW_ID, new.SUCHTEXT); END"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS EINSPEISER (CODE TEXT PRIMARY KEY, NAME TEXT NOT NULL, "
                       "ORT TEXT NOT NULL DEFAULT '', TECCOM TEXT NOT NULL DEFAULT '0')"),
        createSql<TArtikelnetz>(QStringLiteral("ARTIKELNETZ"), QString()),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKELNETZ_NR ON ARTIKELNETZ (ARTIKELNR)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ARTIKELNETZ_NETZ ON ARTIKELNETZ (NETZARTIKELNR)"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS ARTIKEL_EAN (EAN TEXT PRIMARY KEY, ARTIKELNR TEXT NOT NULL)"),
        // Branches: the login's branch record plus the flags of the stock answer.
        createSql<TFilialeKurz2>(QStringLiteral("FILIALE"),
                                 QStringLiteral("POS INTEGER NOT NULL, TOUR TEXT NOT NULL DEFAULT '', "
                                                "EXTERN TEXT NOT NULL DEFAULT '0', "
                                                "VIRTUELL TEXT NOT NULL DEFAULT '0', "
                                                // Terms of an outside warehouse: whether a rest
                                                // from it may go to backorder, and its
                                                // procurement parameter groups (six values each).
                                                "RUECKSTAND_ERLAUBT TEXT NOT NULL DEFAULT '1', "
                                                "BE_PARAM TEXT NOT NULL DEFAULT ''")),
        QStringLiteral("CREATE TABLE IF NOT EXISTS BESTAND (ARTIKELNR TEXT NOT NULL, FILIALE TEXT NOT NULL, "
                       "VERFUEGBAR INTEGER NOT NULL DEFAULT 0, RESERVIERT INTEGER NOT NULL DEFAULT 0, "
                       "RUECKSTAND INTEGER NOT NULL DEFAULT 0, BESTELLT INTEGER NOT NULL DEFAULT 0, "
                       "EINGANG INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (ARTIKELNR, FILIALE))"),
        // Prices: net price per price group, graduated prices, deposits and old-part values.
        QStringLiteral("CREATE TABLE IF NOT EXISTS NETTOPREIS (ARTIKELNR TEXT NOT NULL, "
                       "PREISGRUPPENNR TEXT NOT NULL, RABATT_P REAL NOT NULL, "
                       "PRIMARY KEY (ARTIKELNR, PREISGRUPPENNR))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS STAFFELPREIS (ARTIKELNR TEXT NOT NULL, AB_MENGE INTEGER "
                       "NOT NULL, RABATT_P REAL NOT NULL, PRIMARY KEY (ARTIKELNR, AB_MENGE))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS PFAND (ARTIKELNR TEXT PRIMARY KEY, PFAND TEXT NOT NULL, "
                       "ALTTEILWERT TEXT NOT NULL)"),
        // Customers, delivery addresses, delivery codes and kinds, order deadlines.
        createSql<TDebitor>(QStringLiteral("DEBITOR"), QString()),
        QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS DEBITOR_NUMMER ON DEBITOR (NUMMER)"),
        createSql<TLieferadresse>(QStringLiteral("LIEFERADRESSE"), QString()),
        QStringLiteral("CREATE INDEX IF NOT EXISTS LIEFERADRESSE_KD ON LIEFERADRESSE (KUNDENNR)"),
        createSql<TLieferung>(QStringLiteral("LIEFERUNG"), QString()),
        QStringLiteral("CREATE TABLE IF NOT EXISTS LIEFERART (CODE TEXT PRIMARY KEY, NAME TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS BESTELLZEIT (FILIALE TEXT NOT NULL, NAME TEXT NOT NULL, "
                       "LIEFERADR TEXT NOT NULL DEFAULT '', LIEFERUNGSART TEXT NOT NULL DEFAULT '', "
                       "STARTZEIT TEXT NOT NULL, ENDEZEIT TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS ZUSTELLZEIT (FILIALE TEXT NOT NULL, TOURNR TEXT NOT NULL, "
                       "ABFAHRT TEXT NOT NULL, ANKUNFT TEXT NOT NULL)"),
        // Users with salted password hashes, and their options.
        QStringLiteral("CREATE TABLE IF NOT EXISTS BENUTZER (KDNR TEXT NOT NULL, BENU_LOGIN TEXT NOT NULL, "
                       "BENU_VORNAME TEXT NOT NULL DEFAULT '', BENU_NAME TEXT NOT NULL DEFAULT '', "
                       "SALT TEXT NOT NULL, PASSWORD_KDF TEXT NOT NULL, BENU_PASSWORDHASH TEXT NOT NULL, "
                       "BENU_LETZTER_LOGIN TEXT NOT NULL DEFAULT '', FILIALE TEXT NOT NULL DEFAULT '', "
                       "LIEFERUNGSCODE TEXT NOT NULL DEFAULT '', BENU_GESPERRT TEXT NOT NULL DEFAULT '0', "
                       "BENU_ANZAHL_LOGINFEHLER INTEGER NOT NULL DEFAULT 0, DEB_NR TEXT NOT NULL DEFAULT '', "
                       "PRIMARY KEY (KDNR, BENU_LOGIN))"),
        // Users entitled to set the master options ("_M_...") of their customer.
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS MASTER_BENUTZER (KDNR TEXT NOT NULL, BENU_LOGIN TEXT NOT NULL, "
            "PRIMARY KEY (KDNR, BENU_LOGIN))"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS BENUTZER_OPTION (KDNR TEXT NOT NULL, BENU_LOGIN TEXT NOT "
                       "NULL, BESE_KEY TEXT NOT NULL, BESE_VALUE TEXT NOT NULL, "
                       "PRIMARY KEY (KDNR, BENU_LOGIN, BESE_KEY))"),
        // Draft orders and their lines.
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS KLADDE (KLADDE_ID INTEGER PRIMARY KEY, KDNR TEXT NOT NULL, "
            "BENUTZER TEXT NOT NULL, LIEFERADR TEXT NOT NULL DEFAULT '', ERSTELLT TEXT NOT NULL)"),
        createSql<TVerkaufskladde>(QStringLiteral("VERKAUFSKLADDE"),
                                   QStringLiteral("ROW_ID INTEGER PRIMARY KEY AUTOINCREMENT")),
        QStringLiteral("CREATE INDEX IF NOT EXISTS VERKAUFSKLADDE_KD_LFD ON VERKAUFSKLADDE (KUNDENNR, "
                       "CAST(LFD_NR AS INTEGER))"),
        // Every change and delete finds its line by the key.
        QStringLiteral("CREATE INDEX IF NOT EXISTS VERKAUFSKLADDE_ID ON VERKAUFSKLADDE (VKKL_ID)"),
        // The workstation that inserted a line: the client identification of the insert.
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS KLADDE_CLIENT (VKKL_ID TEXT PRIMARY KEY, CLIENT TEXT NOT NULL)"),
        // Documents: orders, delivery notes, invoices, credit notes, offers.
        createSql<TVerkaufsKopf>(QStringLiteral("VERKAUFSKOPF"),
                                 QStringLiteral("SORTDATUM TEXT NOT NULL DEFAULT ''")),
        QStringLiteral("CREATE INDEX IF NOT EXISTS VERKAUFSKOPF_KD ON VERKAUFSKOPF (KUNDENNR)"),
        createSql<TVerkaufsZeile>(QStringLiteral("VERKAUFSZEILE"), QString()),
        QStringLiteral("CREATE INDEX IF NOT EXISTS VERKAUFSZEILE_BELEG ON VERKAUFSZEILE (BELEGNR)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS VERKAUFSZEILE_KD ON VERKAUFSZEILE (KUNDENNR)"),
        createSql<TDebitorLieferKopf>(QStringLiteral("DEBITORLIEFERKOPF"),
                                      QStringLiteral("SORTDATUM TEXT NOT NULL DEFAULT ''")),
        createSql<TDebitorLieferZeile>(QStringLiteral("DEBITORLIEFERZEILE"), QString()),
        createSql<TDebitorRechnungsKopf>(QStringLiteral("DEBITORRECHNUNGSKOPF"),
                                         QStringLiteral("SORTDATUM TEXT NOT NULL DEFAULT ''")),
        createSql<TDebitorRechnungsZeile>(QStringLiteral("DEBITORRECHNUNGSZEILE"), QString()),
        createSql<TDebitorGutschriftsKopf>(QStringLiteral("DEBITORGUTSCHRIFTSKOPF"),
                                           QStringLiteral("SORTDATUM TEXT NOT NULL DEFAULT ''")),
        createSql<TDebitorGutschriftsZeile>(QStringLiteral("DEBITORGUTSCHRIFTSZEILE"), QString()),
        // A customer's documents newest first, a document by its number, its lines.
        QStringLiteral("CREATE INDEX IF NOT EXISTS VERKAUFSKOPF_KD_DATUM ON VERKAUFSKOPF (KUNDENNR, "
                       "SORTDATUM, NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS DEBITORLIEFERKOPF_KD ON DEBITORLIEFERKOPF (KUNDENNR, "
                       "SORTDATUM, NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS DEBITORRECHNUNGSKOPF_KD ON DEBITORRECHNUNGSKOPF "
                       "(KUNDENNR, SORTDATUM, NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS DEBITORGUTSCHRIFTSKOPF_KD ON DEBITORGUTSCHRIFTSKOPF "
                       "(KUNDENNR, SORTDATUM, NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS VERKAUFSKOPF_NR ON VERKAUFSKOPF (NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS DEBITORLIEFERKOPF_NR ON DEBITORLIEFERKOPF (NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS DEBITORRECHNUNGSKOPF_NR ON DEBITORRECHNUNGSKOPF (NUMMER)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS DEBITORGUTSCHRIFTSKOPF_NR ON DEBITORGUTSCHRIFTSKOPF (NUMMER)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS DEBITORLIEFERZEILE_BELEG ON DEBITORLIEFERZEILE (BELEGNR)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS DEBITORRECHNUNGSZEILE_BELEG ON DEBITORRECHNUNGSZEILE (BELEGNR)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS DEBITORGUTSCHRIFTSZEILE_BELEG ON DEBITORGUTSCHRIFTSZEILE (BELEGNR)"),
        createSql<TAngebotsKopfSatz>(QStringLiteral("ANGEBOTSKOPF"),
                                     QStringLiteral("ROW_ID INTEGER PRIMARY KEY, SORTDATUM TEXT NOT NULL, "
                                                    "GUELTIG_SORT TEXT NOT NULL")),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ANGEBOTSKOPF_KD ON ANGEBOTSKOPF (kundennr, GUELTIG_SORT)"),
        createSql<TAngebotsZeileSatz>(
            QStringLiteral("ANGEBOTSZEILE"),
            QStringLiteral("ROW_ID INTEGER PRIMARY KEY, KOPF_VAK_ID TEXT NOT NULL")),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ANGEBOTSZEILE_KOPF ON ANGEBOTSZEILE (KOPF_VAK_ID)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS NUMMERNKREIS (ART TEXT PRIMARY KEY, NAECHSTE INTEGER NOT "
                       "NULL)"),
        // Returnable articles and old parts.
        createSql<TRuecksendeArtikel>(QStringLiteral("RUECKSENDEARTIKEL"),
                                      QStringLiteral("KDNR TEXT NOT NULL")),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS ALTTEIL (ALTVZ_ID INTEGER PRIMARY KEY, KDNR TEXT NOT NULL, "
            "BELEG TEXT NOT NULL, STATUS TEXT NOT NULL, ARTIKELNR TEXT NOT NULL, "
            "BEZEICHNUNG TEXT NOT NULL, ZUM_ATV TEXT NOT NULL DEFAULT '0', "
            "ALTWERT TEXT NOT NULL, OELIWERT TEXT NOT NULL DEFAULT '0', DATUM TEXT NOT NULL, "
            "VKKL_ID TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ALTTEIL_KD ON ALTTEIL (KDNR)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS RUECKSENDEARTIKEL_KD ON RUECKSENDEARTIKEL (KDNR)"),
        // Card notes of articles: for every customer (KDNR empty) or for one.
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS KARTEIBEMERKUNG (ARTIKELNR TEXT NOT NULL, KDNR TEXT NOT NULL "
            "DEFAULT '', PARAMETER TEXT NOT NULL DEFAULT '', LFD_NR INTEGER NOT NULL, "
            "TEXT TEXT NOT NULL, PRIMARY KEY (ARTIKELNR, KDNR, PARAMETER, LFD_NR))"),
        // Statistics, mails, document dispatch, files, texts, price file and TecCom.
        QStringLiteral("CREATE TABLE IF NOT EXISTS STATISTIK (ID INTEGER PRIMARY KEY, KDNR TEXT NOT NULL, "
                       "BENUTZER TEXT NOT NULL, EMPFANGEN TEXT NOT NULL, WERTE TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS STATISTIK_KD ON STATISTIK (KDNR)"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS MAIL (MAIL_ID INTEGER PRIMARY KEY, KDNR TEXT NOT NULL, "
            "ART TEXT NOT NULL, ABSENDER TEXT NOT NULL, EMPFAENGER TEXT NOT NULL, BETREFF TEXT NOT "
            "NULL, TEXT TEXT NOT NULL, STATUS TEXT NOT NULL DEFAULT 'Ok', ERSTELLT TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS FILES (NAME TEXT PRIMARY KEY, DATA BLOB NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS TEXTE (ART TEXT NOT NULL, SCHLUESSEL TEXT NOT NULL, "
                       "TEXT TEXT NOT NULL, PRIMARY KEY (ART, SCHLUESSEL))"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS DOKUMENTVERSAND (VERSAND_ID INTEGER PRIMARY KEY, KDNR TEXT "
            "NOT NULL, TYP TEXT NOT NULL, BELEGNR TEXT NOT NULL, VERSANDART TEXT NOT NULL, "
            "HINTERGRUND TEXT NOT NULL, EMPFAENGER TEXT NOT NULL, ZUSATZ TEXT NOT NULL, "
            "STATUS TEXT NOT NULL DEFAULT 'Ok', ERSTELLT TEXT NOT NULL)"),
        // Price file: the file offered to a customer with its provided copy, the
        // product groups, the standard and one-shot filters, and the one-shot jobs.
        QStringLiteral("CREATE TABLE IF NOT EXISTS DEBITOR_PREISDATEI (KDNR TEXT PRIMARY KEY, DATEINAME TEXT "
                       "NOT NULL, GROESSE INTEGER NOT NULL, ERSTELLT TEXT NOT NULL, "
                       "KOPIE TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS WARENGRUPPE (WGR_ID TEXT PRIMARY KEY, BUCHGRUPPE TEXT NOT "
                       "NULL, BEZEICHNUNG TEXT NOT NULL, KURZBEZ TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS DEBITOR_WARENGRUPPENFILTER (KDNR TEXT NOT NULL, FILTERART "
                       "TEXT NOT NULL, WGR_ID TEXT NOT NULL, AKTIV TEXT NOT NULL, "
                       "PRIMARY KEY (KDNR, FILTERART, WGR_ID))"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS DEBITOR_PD_BATCH (BATCH_ID INTEGER PRIMARY KEY, KDNR TEXT NOT "
            "NULL, WARENGRUPPEN TEXT NOT NULL, STATUS TEXT NOT NULL, ERSTELLT TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS TECCOM_VERFUEGBARKEIT (EINSPEISER TEXT NOT NULL, "
                       "ARTIKELNR TEXT NOT NULL, MENGE INTEGER NOT NULL, LIEFERDATUM TEXT NOT NULL, "
                       "PRIMARY KEY (EINSPEISER, ARTIKELNR))"),
    };
}

} // namespace

void tune(QSqlDatabase& db) {
    QSqlQuery q(db);
    // A catalogue of a wholesaler's size stays in memory once read.
    q.exec(QStringLiteral("PRAGMA cache_size=-65536"));
    q.exec(QStringLiteral("PRAGMA mmap_size=1073741824"));
}

bool create(QSqlDatabase& db, QString* error) {
    QSqlQuery q(db);
    // WAL: readers never wait for a writer. Bookings sync their commit in
    // full (see Transaction); the rest survives a crash of the server.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    tune(db);
    // A database from before the trigram index gets its entries once.
    q.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'ARTIKEL_TEXT'"));
    const bool textIndexed = q.next();
    q.finish();
    for (const QString& s : statements()) {
        if (!q.exec(s)) {
            if (error)
                *error = q.lastError().text() + QStringLiteral(" in ") + s.left(80);
            return false;
        }
    }
    if (!textIndexed &&
        !q.exec(QStringLiteral("INSERT INTO ARTIKEL_TEXT (ARTIKEL_TEXT) VALUES ('rebuild')"))) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    return true;
}

} // namespace Schema
