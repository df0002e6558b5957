#include "demoservices.h"

#include "link/textcodec.h"
#include "model/formatde.h"
#include "serverstore.h"
#include "store/pricefilestore.h"
#include "store/recordtable.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>

DemoServices::DemoServices(ServerStore& store, QRandomGenerator& random, const QStringList& articleNumbers)
    : m_store(store)
    , m_random(random)
    , m_articleNumbers(articleNumbers) {}

bool DemoServices::exec(QSqlQuery& q) {
    if (q.exec())
        return true;
    m_error = q.lastError().text() + QStringLiteral(" in ") + q.lastQuery().left(60);
    return false;
}

bool DemoServices::cardNotes() {
    QSqlDatabase db = m_store.database();
    static const char* const notes[] = {
        "Einbauhinweis des Herstellers beachten.",
        "Nur achsweise tauschen.",
        "Schrauben sind nicht im Lieferumfang enthalten.",
        "Vor dem Einbau Fahrzeug-Identnummer prüfen.",
        "Nachfolger lieferbar, Restbestand wird abverkauft.",
        "Anzugsdrehmoment laut Herstellerangabe.",
    };
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO KARTEIBEMERKUNG (ARTIKELNR, KDNR, PARAMETER, LFD_NR, TEXT) VALUES (?, ?, ?, ?, ?)"));
    const auto add = [&](const QString& artikelnr, const QString& kdnr, const QString& parameter, int lfd,
                         const char* text) {
        q.addBindValue(artikelnr);
        q.addBindValue(RecordTable::text(kdnr));
        q.addBindValue(RecordTable::text(parameter));
        q.addBindValue(lfd);
        q.addBindValue(QString::fromUtf8(text));
        return exec(q);
    };
    // Every eleventh article has a card note; some carry a mounting hint as
    // well, and a few a note for the demo customer alone.
    for (qsizetype i = 0; i < m_articleNumbers.size(); i += 11) {
        const QString& nr = m_articleNumbers.at(i);
        const int lines = 1 + m_random.bounded(2);
        for (int k = 1; k <= lines; ++k) {
            if (!add(nr, QString(), QString(), k, notes[m_random.bounded(int(std::size(notes)))]))
                return false;
        }
        if (i % 33 == 0 && !add(nr, QString(), QStringLiteral("EINBAU"), 1, notes[5]))
            return false;
        if (i % 77 == 0 && !add(nr, QStringLiteral("10000"), QString(), 1,
                                "Sonderpreis nach Absprache mit dem Außendienst."))
            return false;
    }
    return true;
}

bool DemoServices::priceFiles() {
    PriceFileStore files(m_store.database());
    // The product groups are the booking groups of the demo's articles.
    QSqlQuery q(m_store.database());
    q.prepare(
        QStringLiteral("SELECT BUCH_GR, min(BEZEICHNUNG) FROM ARTIKEL GROUP BY BUCH_GR ORDER BY BUCH_GR"));
    if (!exec(q))
        return false;
    int id = 0;
    while (q.next()) {
        const QString text = q.value(1).toString();
        if (!files.addGroup({QString::number(++id), q.value(0).toString(), text, text.left(10)})) {
            m_error = QStringLiteral("Warengruppe %1 nicht gespeichert").arg(q.value(0).toString());
            return false;
        }
    }
    // Customers 10000 and 10001 get their price file; 10002 has none yet.
    const QString created =
        FormatDE::formatDateTime(QDateTime(QDate::currentDate().addDays(-3), QTime(5, 30)));
    return files.setFile(QStringLiteral("10000"),
                         {QStringLiteral("PD_10000.zip"), 2483117, created, QString()}) &&
           files.setFile(QStringLiteral("10001"),
                         {QStringLiteral("PD_10001.zip"), 1904550, created, QString()});
}

// The Dutch texts of the client for a handful of messages and captions,
// stored as Windows-1252 as the client's language files are.
QString DemoServices::dutch() {
    return QStringLiteral(
        "; Nederlandse teksten van het bestelprogramma\r\n"
        "[GlobalStrings]\r\n"
        "_Soll_beenden=§~Moet het programma worden afgesloten ?\r\n"
        "_ZeilenLoeschen=Regels verwijderen\r\n"
        "_AlleLoeschen=Wilt u echt alle regels verwijderen?\r\n"
        "_keinBelegNr=Documentnummer \"%s\" niet gevonden.\r\n"
        "_keineBelege=Geen %s in de gekozen periode gevonden.§~Kies eventueel een andere periode.\r\n"
        "_BelegFreigabe=Deze documentopvraag is momenteel niet vrijgegeven.§~U kunt de instellingen wijzigen "
        "in het menu \"Opties\" onder \"Documenten\".\r\n"
        "_ArtikelimWarenkorb=Er staan nog artikelen in de winkelwagen.§~Verwijder de artikelen of verstuur "
        "de "
        "order met F10.\r\n"
        "_DruckAuftrag=Afdrukopdracht is uitgevoerd.\r\n"
        "_Verbindungfrei=#32#32is in rust#32\r\n"
        "_sprache1=Taalbestand \"%s\" wordt gebruikt. Start het programma daarvoor opnieuw.\r\n"
        "_sprache2=Taalbestand \"%s\" bestaat niet.\r\n"
        "_sprache3=Duitse taalversie wordt gebruikt. Start het programma daarvoor opnieuw.\r\n"
        "\r\n"
        "[QTXMainForm]\r\n"
        "QTXMainForm=Bestelprogramma onderdelen\r\n"
        "miVKKLZeile=&Regel\r\n"
        "miVKKLFenster=&Venster\r\n"
        "miVKKLOptionen=&Opties\r\n"
        "miVKKLBestellen=&Bestellen F10\r\n"
        "miHilfe=&Help\r\n"
        "tsVerkaufskladde=Winkelwagen\r\n"
        "tsBelege=Documenten\r\n"
        "\r\n"
        "[OptionenForm]\r\n"
        "OptionenForm=Opties\r\n"
        "tsNachrichten=Berichten\r\n"
        "tsPreise=Prijzen\r\n"
        "tsVerbindung=Verbinding\r\n"
        "tsLogin=Aanmelden\r\n"
        "tsBestellung=Bestelling\r\n"
        "tsSpalten=Kolommen\r\n"
        "tsArtikel=Artikelen\r\n"
        "tsBelege=Documenten\r\n"
        "rgOptionenNachrichten=Berichten\r\n"
        "rgOptionenNachrichtenItems=Geen berichten§~Belangrijke berichten§~Alle berichten\r\n"
        "rgOptionenPreise=Nettoprijs\r\n"
        "rgOptionenPreiseItems=Nettoprijs nooit tonen§~Nettoprijs tonen onder de muisaanwijzer§~Nettoprijs "
        "altijd tonen\r\n"
        "cbSprache=Nederlandse versie\r\n"
        "cbSpracheHint=Het taalbestand wordt bij de volgende start geladen\r\n"
        "bOptionenOk=OK\r\n"
        "bOptionenAbbrechen=Annuleren\r\n"
        "lbKundeBenutzer=Klantnummer\r\n");
}

bool DemoServices::texts() {
    QSqlDatabase db = m_store.database();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO TEXTE (ART, SCHLUESSEL, TEXT) VALUES (?, ?, ?)"));
    const QList<QStringList> texts = {
        {QStringLiteral("NEWSLETTER"), QStringLiteral("0"),
         QStringLiteral("<html><body><h1>Neuigkeiten</h1><p>Bremsenwochen: 10 % auf alle "
                        "Bremsscheiben.</p></body></html>")},
        {QStringLiteral("NEWSLETTER"), QStringLiteral("1"),
         QStringLiteral("<html><body><p>Neue Filialen in Lüneburg und Oldenburg.</p></body></html>")},
        {QStringLiteral("HILFE"), QString(),
         QStringLiteral("F2 Artikelsuche\r\nF10 Bestellen\r\nBei Fragen: Hotline 0511 4711-0")},
        {QStringLiteral("UPDATE"), QString(), QStringLiteral("KEIN_UPDATE")},
        {QStringLiteral("BATCH"), QString(), QString()},
    };
    for (const QStringList& t : texts) {
        q.addBindValue(RecordTable::text(t.at(0)));
        q.addBindValue(RecordTable::text(t.at(1)));
        q.addBindValue(RecordTable::text(t.at(2)));
        if (!exec(q))
            return false;
    }
    const QByteArray language =
        QStringLiteral("[TQTXMainForm]\r\nCaption=Shop Online\r\n[Texte]\r\n_Zustellung=Delivery\r\n")
            .toUtf8();
    return m_store.putFile(QStringLiteral("Sprache_EN.txt"), language) &&
           m_store.putFile(QStringLiteral("NL.lng"), TextCodec::toAnsi(dutch())) &&
           m_store.putFile(QStringLiteral("update.txt"), QByteArrayLiteral("KEIN_UPDATE\r\n"));
}
