#pragma once

#include <QString>
#include <QStringList>

// One numbered request as a front received it, and the answer the
// dispatcher gives. Both fronts frame the answer as the request's framing
// demands; the dispatcher does not know which front asked.
struct ServerRequest {
    enum class Front { Tcp, Soap };

    QString code;            // request code as text: "990", "994", "104", ...
    QStringList parameters;  // parameter lines, command parameters or payload lines
    QStringList loginHeader; // SOAP: the four header lines before the code; TCP: empty
    Front front = Front::Tcp;
    QString peer; // client address, for the log
    // TCP: a key that is unique per connection for the server's lifetime
    // (the login 104 of that connection opens its session); empty when the
    // front does not tell connections apart.
    QString session;
};

struct ServerReply {
    int status = 0;      // 0 success; otherwise the status or error code
    QString errorText;   // error line / message line / ErrorMessage
    QStringList lines;   // answer payload
    QByteArray fileData; // get_file: the file's bytes
};
