#pragma once

// A ServerLink on a TCP connection to a scripted peer, with recording seams,
// and the byte shapes of requests and answers written out independently of
// the framing code.

#include "fakes.h"
#include "link/requestbracket.h"
#include "link/serverlink.h"
#include "link/tcpconnection.h"
#include "model/modelcontext.h"
#include "platform/logger.h"
#include "scriptedpeer.h"

#include <QStringEncoder>

#include <memory>

struct CatalogueRig {
    ManualClock clock;
    Logger logger{clock};
    RecordingEnding ending;
    ScriptedDialogs dialogs;
    ModelContext context;
    ScriptedPeer peer;
    TcpConnection client;
    RequestBracket bracket{client, logger, ending, clock};
    ServerLink link{client, bracket, logger, clock, ending, dialogs, context};

    explicit CatalogueRig(int level = 20) {
        logger.setWriteLogFile(false);
        link.setServerLevel(level);
        link.setTcpConnectSucceeded(true);
        Login_rec login;
        login.KdNr = QStringLiteral("4711");
        login.User = QStringLiteral("MEIER");
        login.PW = QStringLiteral("geheim");
        login.Hash = QStringLiteral("H1");
        login.text = QStringList{login.KdNr, login.User, login.PW, QStringLiteral("0")};
        link.setLogin(login);
    }

    // Starts the peer with the script and connects; read time-outs stay short
    // so that a request nobody answers does not hold the test up.
    bool connect(const QList<ScriptedPeer::Step>& script, int readTimeout = 3000) {
        client.setHost(QStringLiteral("127.0.0.1"));
        client.setPort(peer.start(script));
        client.setConnectTimeout(5000);
        client.setReadTimeout(readTimeout);
        client.stream().setStatusTimeout(readTimeout);
        return client.connectToServer(nullptr);
    }
};

namespace Wire {

inline QByteArray utf8Lines(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

inline QByteArray ansiLines(const QStringList& lines) {
    QStringEncoder encoder("windows-1252");
    QByteArray out;
    for (const QString& l : lines)
        out += QByteArray(encoder(l)) + "\r\n";
    return out;
}

inline QByteArray count(const QByteArray& payload) {
    return QByteArray::number(payload.size()) + "\r\n" + payload;
}

// Requests.
inline QByteArray list(const char* code, const QStringList& lines) {
    return QByteArray(code) + "\r\n" + count(ansiLines(lines));
}
inline QByteArray params(const char* code, const QStringList& lines) {
    return QByteArray(code) + "\r\n" + utf8Lines(lines);
}
inline QByteArray paramsAndList(const char* code, const QStringList& lines, const QStringList& payload) {
    return params(code, lines) + count(ansiLines(payload));
}
inline QByteArray command(const char* code, const QStringList& parameters) {
    QByteArray out = QByteArray(code) + ' ';
    for (const QString& p : parameters)
        out += p.toUtf8() + '\0';
    return out + "\r\n";
}

// Answers.
inline QByteArray streamOk(const QStringList& lines) {
    return "\r\n" + count(ansiLines(lines));
}
inline QByteArray statusOk(const QStringList& lines) {
    return "0\r\n\r\n" + count(ansiLines(lines));
}
inline QByteArray paramsOk(const QStringList& lines) {
    return "\r\n" + count(ansiLines(lines)) + "\r\n";
}
inline QByteArray commandOk(const char* code, const QStringList& lines) {
    return QByteArray(code) + " OK\r\nOK\r\n" + utf8Lines(lines) + ".\r\n";
}

// A count line and n records of the given length, every field "0".
inline QStringList records(int n, int length, const QString& field = QStringLiteral("0")) {
    QStringList out{QString::number(n)};
    for (int i = 0; i < n * length; ++i)
        out.append(field);
    return out;
}

} // namespace Wire
