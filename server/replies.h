#pragma once

#include "serverrequest.h"

#include "link/errortable.h"

// Short ways to build the dispatcher's replies.
namespace Replies {

inline ServerReply ok(const QStringList& lines = {}) {
    ServerReply r;
    r.lines = lines;
    return r;
}

// A failure with the error table's text for the code, or the given text.
inline ServerReply error(int status, const QString& text = QString()) {
    ServerReply r;
    r.status = status;
    r.errorText = text.isEmpty() ? ErrorTable::GetErrorText(status) : text;
    return r;
}

// Malformed request: too few lines or a value that is no number.
inline ServerReply badRequest(const QString& what) {
    return error(1, QStringLiteral("ERR_NO_DATA_RECEIVED: ") + what);
}

inline ServerReply notYours() {
    return error(60, QStringLiteral("ERR_LOGIN_FAILED: Kunde oder Benutzer passt nicht zur Anmeldung"));
}

// Count line, then the lines.
inline QStringList counted(qsizetype count, const QStringList& lines) {
    return QStringList{QString::number(count)} + lines;
}

} // namespace Replies
