#pragma once

#include <QString>
#include <QStringList>

class TcpStream;

// Outcome of one request on the TCP connection: result code (0 success, 1
// protocol failure, 3 exception, 53 not connected, 54 send failure, or a
// request-specific code), error text and the answer lines.
struct TcpResult {
    int result = 0;
    QString errorText;
    QString message; // status framing: the server's message line, unprefixed
    QStringList lines;
};

// A request in the command framing and its request-specific failure texts.
struct CommandRequest {
    QString code;
    QStringList parameters;
    int failCode = 1;
    QString notFoundText; // put before a failing first data line, e.g. "Artikel nicht gefunden: \n\r"
    QString captureFailedText = QStringLiteral("Capture failed");
    QString lostText = QStringLiteral("Verbindung zum Server wurde unterbrochen!");
    bool dataHasErrorLine = true; // 999: the data lines are plain text
};

// The framings, byte for byte. Every function discards buffered input after
// a failure, so that the next request starts on a clean stream.
namespace TcpFraming {

// Stream framing.
TcpResult SendRequest(TcpStream& stream, const QString& prefix, const QString& code,
                      const QStringList& input);
// Status framing.
TcpResult SendRequestStatus(TcpStream& stream, const QString& prefix, const QString& code,
                            const QStringList& input);
// Acknowledge framing (305).
TcpResult SendRequestAck(TcpStream& stream, const QString& prefix, const QString& code,
                         const QStringList& input);
// Parameter-line framing: the code, one line per parameter and, when list is
// given, a byte count and the serialised list. sendFailCode is 54, or 113 for
// the draft-order requests.
TcpResult sendParameterLines(TcpStream& stream, const QString& prefix, const QString& code,
                             const QStringList& parameters, const QStringList* list = nullptr,
                             int sendFailCode = 54);
// Command framing. On success lines holds the data lines after the first
// (error) line: for most requests the record count, then the records.
TcpResult sendCommand(TcpStream& stream, const CommandRequest& request);
// 994 in the single-line form: lines holds the date-time line.
TcpResult requestServerTime(TcpStream& stream, const QString& prefix);

// The request bytes as they go on the wire.
QByteArray streamRequestBytes(const QString& code, const QStringList& input);
QByteArray parameterLineBytes(const QString& code, const QStringList& parameters, const QStringList* list);
QByteArray commandLineBytes(const QString& code, const QStringList& parameters);

// The answer readers, usable on any device (the request already went out).
TcpResult readStreamAnswer(TcpStream& stream, const QString& prefix);
TcpResult readStatusAnswer(TcpStream& stream, const QString& prefix);
TcpResult readAckAnswer(TcpStream& stream, const QString& prefix);
TcpResult readParameterLineAnswer(TcpStream& stream, const QString& prefix);
TcpResult readCommandAnswer(TcpStream& stream, const CommandRequest& request);
TcpResult readServerTimeAnswer(TcpStream& stream, const QString& prefix);

// How long the stream framing waits for its first line, and how long the
// rest of that line may take. Read time-outs of 2500, 5001 and more than
// 120000 ms are the marked ones that report "SendRequest.TimeOut".
struct FirstLineTimeouts {
    int wait;
    int completion;
    bool marked;
};
FirstLineTimeouts firstLineTimeouts(int readTimeout);

// "SendRequest.TimeOut (<ms>ms)".
QString timeoutText(int ms);

} // namespace TcpFraming
