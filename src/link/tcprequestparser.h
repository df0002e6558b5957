#pragma once

#include "link/framing.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One request as the server's TCP front cuts it from the received bytes.
struct TcpParsedRequest {
    enum class State { Incomplete, Complete, Invalid };

    State state = State::Incomplete;
    QString code;
    FramingInfo framing;
    // Command parameters, parameter lines (then the list lines), or the payload lines.
    QStringList parameters;
    qsizetype consumed = 0; // bytes of the buffer this request used
    QString error;          // why the bytes are no request (Invalid)
};

namespace TcpRequestParser {

// Parses the first request at the start of buffer. Incomplete asks for more
// bytes; Invalid means the stream cannot be followed any more.
TcpParsedRequest parse(const QByteArray& buffer);

} // namespace TcpRequestParser
