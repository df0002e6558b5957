#pragma once

#include "link/framing.h"

#include <QString>

#include <span>

// One entry per request code: everything the wrapper pattern needs to send
// the request on either transport and to cut its answer.
struct RequestDescriptor {
    int code = 0;
    // TCP function; also the start of its error texts.
    const char* tcpName = "";
    Framing framing = Framing::Stream;
    // Parameter lines (parameter-line framing) or NUL-terminated parameters (command framing).
    int parameters = 0;
    // Parameter-line framing: a byte count and a serialised list follow the lines.
    bool withList = false;
    // Lines per record of the answer; 0 when the answer is not cut into records.
    int linesPerRecord = 0;
    // Result of a request-specific failure; statusFail: the server's status number.
    int failCode = 1;
    // Label of the SOAP wrapper; nullptr when the request exists only on TCP.
    const char* soapLabel = nullptr;
    // CheckAnswerLines minimum on SOAP.
    int minSoapLines = 1;
    // Code sent instead below server level 17.
    int olderCode = 0;
    // Below this server level the wrapper answers tooOldText without sending.
    int minLevel = 0;
    const char* tooOldText = nullptr;
    // The local answer is an answer list rather than a failure.
    bool tooOldIsList = false;
    // "Socket Error" becomes "socket error", so that it does not end the program.
    bool softSocketError = false;
    // Command framing: put before a failing first data line, and the text of an empty answer.
    const char* notFoundText = nullptr;
    const char* captureFailedText = nullptr;
    // Text of a closed connection, when it names the request.
    const char* lostText = nullptr;
    // Name of the count line ("Num" + kind) of record and list answers.
    const char* countKind = nullptr;
    // Parameter-line framing: result of a failed send (54, or 113 for draft orders).
    int sendFailCode = 54;
};

namespace Catalogue {

constexpr int statusFail = -1;

std::span<const RequestDescriptor> all();
// nullptr for an unknown code.
const RequestDescriptor* find(int code);
// The descriptor of a code the program sends; the code must be in the catalogue.
const RequestDescriptor& get(int code);

QString text(const char* utf8);
// Prefix of the TCP framings' error texts: the function name and ": ".
QString prefix(const RequestDescriptor& d);

} // namespace Catalogue
