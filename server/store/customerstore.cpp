#include "store/customerstore.h"

#include "store/statements.h"

#include "store/recordtable.h"

#include <QSqlQuery>

std::optional<TDebitor> CustomerStore::debitor(const QString& kdnr) const {
    QSqlQuery& q = Statements::prepared(m_db, QStringLiteral("SELECT ") + RecordTable::columns<TDebitor>() +
                                                  QStringLiteral(" FROM DEBITOR WHERE NUMMER = ?"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    std::optional<TDebitor> found;
    if (q.exec() && q.next())
        found = RecordTable::read<TDebitor>(q);
    q.finish();
    return found;
}

TLieferadresseArray CustomerStore::addresses(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TLieferadresse>() +
              QStringLiteral(" FROM LIEFERADRESSE WHERE KUNDENNR = ? ORDER BY CAST(CODE AS INTEGER)"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
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

bool CustomerStore::branchOffers(const QString& code, const QString& lieferungscode) const {
    const QString column =
        lieferungscode.trimmed() == u"97" ? QStringLiteral("NACHTEXPRESS") : QStringLiteral("PAKETDIENST");
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM FILIALE WHERE CODE = ?"));
    q.addBindValue(code.trimmed());
    return q.exec() && q.next() && q.value(0).toString().trimmed() == u"1";
}

QList<QStringList> CustomerStore::deadlines(const QString& kind) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT FILIALE, NAME, ENDEZEIT FROM BESTELLZEIT WHERE LIEFERUNGSART = ? "
                             "ORDER BY FILIALE, ENDEZEIT"));
    q.addBindValue(kind);
    QList<QStringList> out;
    if (q.exec()) {
        while (q.next())
            out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    }
    return out;
}

QStringList CustomerStore::deliveryTimes(const QString& filiale) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT FILIALE, TOURNR, ABFAHRT, ANKUNFT FROM ZUSTELLZEIT WHERE ? = '' OR "
                             "FILIALE = ? ORDER BY FILIALE, ABFAHRT"));
    q.addBindValue(RecordTable::text(filiale.trimmed()));
    q.addBindValue(RecordTable::text(filiale.trimmed()));
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
    // The customer's master options ("*", set by a master) come first: a
    // lookup takes the first match, so they win over the user's own.
    q.prepare(
        QStringLiteral("SELECT BESE_KEY, BESE_VALUE FROM BENUTZER_OPTION WHERE KDNR = ? AND "
                       "(upper(BENU_LOGIN) = upper(?) OR BENU_LOGIN = '*') AND (? = '' OR BESE_KEY = ?) "
                       "ORDER BY BENU_LOGIN = '*' DESC, BESE_KEY"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    q.addBindValue(RecordTable::text(user.trimmed()));
    q.addBindValue(RecordTable::text(key));
    q.addBindValue(RecordTable::text(key));
    TBenutzerOptions out;
    if (q.exec()) {
        while (q.next())
            out.append(TBenutzerOption{q.value(0).toString(), q.value(1).toString()});
    }
    return out;
}

bool CustomerStore::writeOptions(const QString& kdnr, const QString& user, const TBenutzerOptions& options) {
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("INSERT OR REPLACE INTO BENUTZER_OPTION (KDNR, BENU_LOGIN, BESE_KEY, BESE_VALUE) "
                       "VALUES (?, (SELECT coalesce((SELECT BENU_LOGIN FROM BENUTZER WHERE KDNR = ? AND "
                       "upper(BENU_LOGIN) = upper(?)), ?)), ?, ?)"));
    for (const TBenutzerOption& o : options) {
        q.addBindValue(RecordTable::text(kdnr.trimmed()));
        q.addBindValue(RecordTable::text(kdnr.trimmed()));
        q.addBindValue(RecordTable::text(user.trimmed()));
        q.addBindValue(RecordTable::text(user.trimmed()));
        q.addBindValue(RecordTable::text(o.BESE_KEY));
        q.addBindValue(RecordTable::text(o.BESE_VALUE));
        if (!q.exec())
            return false;
    }
    return true;
}
