#include "store/servicestore.h"

#include "store/recordtable.h"

#include <QSqlQuery>

bool ServiceStore::addStatistics(const QString& kdnr, const QString& user, const QString& when,
                                 const QStringList& values) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO STATISTIK (KDNR, BENUTZER, EMPFANGEN, WERTE) VALUES (?, ?, ?, ?)"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(RecordTable::text(user));
    q.addBindValue(RecordTable::text(when));
    q.addBindValue(values.join(QLatin1Char('\t')));
    return q.exec();
}

int ServiceStore::statisticsCount(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM STATISTIK WHERE KDNR = ?"));
    q.addBindValue(RecordTable::text(kdnr));
    return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

QString ServiceStore::addMail(const QString& kdnr, const QString& art, const QString& sender,
                              const QString& to, const QString& subject, const QStringList& text,
                              const QString& when) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO MAIL (KDNR, ART, ABSENDER, EMPFAENGER, BETREFF, TEXT, ERSTELLT) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(RecordTable::text(art));
    q.addBindValue(RecordTable::text(sender));
    q.addBindValue(RecordTable::text(to));
    q.addBindValue(RecordTable::text(subject));
    q.addBindValue(text.join(QStringLiteral("\r\n")));
    q.addBindValue(RecordTable::text(when));
    return q.exec() ? q.lastInsertId().toString() : QString();
}

std::optional<QString> ServiceStore::mailStatus(const QString& kdnr, const QString& mailId) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT STATUS FROM MAIL WHERE MAIL_ID = ? AND KDNR = ?"));
    q.addBindValue(mailId.trimmed());
    q.addBindValue(RecordTable::text(kdnr));
    if (!q.exec() || !q.next())
        return std::nullopt;
    return q.value(0).toString();
}

QString ServiceStore::addDispatch(const QString& kdnr, const QString& type, const QString& number,
                                  const QString& way, const QString& background, const QString& address,
                                  const QString& extra, const QString& when) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO DOKUMENTVERSAND (KDNR, TYP, BELEGNR, VERSANDART, HINTERGRUND, "
                             "EMPFAENGER, ZUSATZ, ERSTELLT) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QString& value : {kdnr, type, number, way, background, address, extra, when})
        q.addBindValue(RecordTable::text(value));
    return q.exec() ? q.lastInsertId().toString() : QString();
}

std::optional<QString> ServiceStore::text(const QString& art, const QString& key) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT TEXT FROM TEXTE WHERE ART = ? AND SCHLUESSEL = ?"));
    q.addBindValue(RecordTable::text(art));
    q.addBindValue(RecordTable::text(key));
    if (!q.exec() || !q.next())
        return std::nullopt;
    return q.value(0).toString();
}

bool ServiceStore::setText(const QString& art, const QString& key, const QString& text) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO TEXTE (ART, SCHLUESSEL, TEXT) VALUES (?, ?, ?)"));
    q.addBindValue(RecordTable::text(art));
    q.addBindValue(RecordTable::text(key));
    q.addBindValue(text);
    return q.exec();
}

std::optional<QPair<int, QString>> ServiceStore::teccom(const QString& einspeiser,
                                                        const QString& artikelnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "SELECT MENGE, LIEFERDATUM FROM TECCOM_VERFUEGBARKEIT WHERE EINSPEISER = ? AND ARTIKELNR = ?"));
    q.addBindValue(einspeiser.trimmed());
    q.addBindValue(artikelnr.trimmed().toUpper());
    if (!q.exec() || !q.next())
        return std::nullopt;
    return QPair<int, QString>{q.value(0).toInt(), q.value(1).toString()};
}

QList<TRuecksendeArtikel> ServiceStore::returnable(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TRuecksendeArtikel>() +
              QStringLiteral(" FROM RUECKSENDEARTIKEL WHERE KDNR = ? ORDER BY CAST(RUAR_ID AS INTEGER)"));
    q.addBindValue(RecordTable::text(kdnr));
    if (!q.exec())
        return {};
    return RecordTable::readAll<TRuecksendeArtikel>(q);
}

QList<QStringList> ServiceStore::oldParts(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ALTVZ_ID, BELEG, STATUS, ARTIKELNR, BEZEICHNUNG, ZUM_ATV, ALTWERT, "
                             "OELIWERT, DATUM, VKKL_ID FROM ALTTEIL WHERE KDNR = ? ORDER BY ALTVZ_ID"));
    q.addBindValue(RecordTable::text(kdnr));
    QList<QStringList> out;
    if (q.exec()) {
        while (q.next()) {
            QStringList row;
            for (int k = 0; k < 10; ++k)
                row.append(q.value(k).toString());
            out.append(row);
        }
    }
    return out;
}

bool ServiceStore::setOldPartExchange(const QString& kdnr, const QString& id, const QString& value) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE ALTTEIL SET ZUM_ATV = ? WHERE ALTVZ_ID = ? AND KDNR = ?"));
    q.addBindValue(RecordTable::text(value));
    q.addBindValue(id.trimmed());
    q.addBindValue(RecordTable::text(kdnr));
    return q.exec() && q.numRowsAffected() == 1;
}
