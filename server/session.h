#pragma once

#include "serverrequest.h"

#include <QDate>
#include <QString>

// Who asks: the customer and user of an authenticated login (SOAP login
// header, or the login 104 of this TCP connection).
struct Session {
    QString kdnr;
    QString user;
    QString loginHash;
    bool known = false;
    // The debitor the login works for (DEB_NR of the login answer), when it differs.
    QString debNr;
};

// One request with the session it belongs to. The request's own customer
// and user lines are checked against the session, so that one connection
// never sees another customer's data.
struct RequestContext {
    const ServerRequest& request;
    Session session;
    QDate today;

    const QStringList& p() const { return request.parameters; }
    bool soap() const { return request.front == ServerRequest::Front::Soap; }

    // The customer a request is about: the session's, and one given in the
    // request must agree with it. Without a session the given one is taken.
    bool customer(const QString& given, QString* kdnr) const {
        const QString g = given.trimmed();
        if (session.known) {
            if (!g.isEmpty() && g == session.debNr) {
                *kdnr = session.debNr;
                return true;
            }
            if (!g.isEmpty() && g != session.kdnr)
                return false;
            *kdnr = session.kdnr;
            return true;
        }
        *kdnr = g;
        return !g.isEmpty();
    }
    bool user(const QString& given, QString* user) const {
        const QString g = given.trimmed();
        if (session.known) {
            if (!g.isEmpty() && g.compare(session.user, Qt::CaseInsensitive) != 0)
                return false;
            *user = session.user;
            return true;
        }
        *user = g;
        return !g.isEmpty();
    }
};
