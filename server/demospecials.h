#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlQuery;

// The demo articles the quick search has rules for, with fixed numbers:
// phone-only articles (booking group "HX80"), service flat rates whose
// numbers begin with "DLP", blocked articles whose successor carries "#" in
// its number, and numbers stored with blanks ("OC 47").
class DemoSpecials {
public:
    explicit DemoSpecials(QSqlDatabase db)
        : m_db(db) {}

    bool insert();
    QString error() const { return m_error; }

private:
    bool exec(QSqlQuery& q);

    QSqlDatabase m_db;
    QString m_error;
};
