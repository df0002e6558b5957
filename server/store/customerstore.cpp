#include "store/customerstore.h"

#include "store/recordtable.h"

#include <QSqlQuery>

std::optional<TDebitor> CustomerStore::debitor(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TDebitor>() +
              QStringLiteral(" FROM DEBITOR WHERE NUMMER = ?"));
    q.addBindValue(kdnr.trimmed());
    if (!q.exec() || !q.next())
        return std::nullopt;
    return RecordTable::read<TDebitor>(q);
}

TLieferadresseArray CustomerStore::addresses(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TLieferadresse>() +
              QStringLiteral(" FROM LIEFERADRESSE WHERE KUNDENNR = ? ORDER BY CAST(CODE AS INTEGER)"));
    q.addBindValue(kdnr.trimmed());
    if (!q.exec())
        return {};
    return RecordTable::readAll<TLieferadresse>(q);
}

TLieferungArray CustomerStore::deliveryCodes() const {
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT ") + RecordTable::columns<TLieferung>() +
                QStringLiteral(" FROM LIEFERUNG ORDER BY CODE")))
        return {};
    return RecordTable::readAll<TLieferung>(q);
}

TFilialKurzArray2 CustomerStore::branches() const {
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT ") + RecordTable::columns<TFilialeKurz2>() +
                QStringLiteral(" FROM FILIALE ORDER BY POS")))
        return {};
    return RecordTable::readAll<TFilialeKurz2>(q);
}

bool CustomerStore::branchExists(const QString& code) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT 1 FROM FILIALE WHERE CODE = ?"));
    q.addBindValue(code.trimmed());
    return q.exec() && q.next();
}

QStringList CustomerStore::deadlines() const {
    QSqlQuery q(m_db);
    QStringList out;
    if (!q.exec(QStringLiteral("SELECT FILIALE, NAME, STARTZEIT, ENDEZEIT, LIEFERADR, LIEFERUNGSART "
                               "FROM BESTELLZEIT ORDER BY FILIALE, STARTZEIT")))
        return out;
    while (q.next()) {
        QStringList row;
        for (int k = 0; k < 6; ++k)
            row.append(q.value(k).toString());
        out.append(row.join(QLatin1Char(';')));
    }
    return out;
}

QStringList CustomerStore::deliveryTimes(const QString& filiale) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT FILIALE, TOURNR, ABFAHRT, ANKUNFT FROM ZUSTELLZEIT WHERE ? = '' OR "
                             "FILIALE = ? ORDER BY FILIALE, ABFAHRT"));
    q.addBindValue(filiale.trimmed());
    q.addBindValue(filiale.trimmed());
    QStringList out;
    if (!q.exec())
        return out;
    while (q.next())
        out.append(QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                               q.value(3).toString()}
                       .join(QLatin1Char(';')));
    return out;
}

TBenutzerOptions CustomerStore::options(const QString& kdnr, const QString& user, const QString& key) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT BESE_KEY, BESE_VALUE FROM BENUTZER_OPTION WHERE KDNR = ? AND "
                             "upper(BENU_LOGIN) = upper(?) AND (? = '' OR BESE_KEY = ?) ORDER BY BESE_KEY"));
    q.addBindValue(kdnr.trimmed());
    q.addBindValue(user.trimmed());
    q.addBindValue(key);
    q.addBindValue(key);
    TBenutzerOptions out;
    if (q.exec()) {
        while (q.next())
            out.append(TBenutzerOption{q.value(0).toString(), q.value(1).toString()});
    }
    return out;
}

bool CustomerStore::writeOptions(const QString& kdnr, const QString& user, const TBenutzerOptions& options) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO BENUTZER_OPTION (KDNR, BENU_LOGIN, BESE_KEY, BESE_VALUE) "
                             "VALUES (?, (SELECT coalesce((SELECT BENU_LOGIN FROM BENUTZER WHERE KDNR = ? AND "
                             "upper(BENU_LOGIN) = upper(?)), ?)), ?, ?)"));
    for (const TBenutzerOption& o : options) {
        q.addBindValue(kdnr.trimmed());
        q.addBindValue(kdnr.trimmed());
        q.addBindValue(user.trimmed());
        q.addBindValue(user.trimmed());
        q.addBindValue(o.BESE_KEY);
        q.addBindValue(o.BESE_VALUE);
        if (!q.exec())
            return false;
    }
    return true;
}
