#include "demoservices.h"

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
           m_store.putFile(QStringLiteral("update.txt"), QByteArrayLiteral("KEIN_UPDATE\r\n"));
}
