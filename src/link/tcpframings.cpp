#include "link/tcpframings.h"

#include "link/tcpstream.h"
#include "link/textcodec.h"

namespace TcpFraming {

namespace {

using Read = TcpStream::Read;

const QString lostText = QStringLiteral("Verbindung zum Server wurde unterbrochen!");

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return text;
}

TcpResult failure(TcpStream& stream, int code, const QString& text) {
    stream.discardInput();
    TcpResult r;
    r.result = code;
    r.errorText = text;
    return r;
}

TcpResult exception(TcpStream& stream, const QString& prefix, const QString& text) {
    return failure(stream, 3, prefix + QStringLiteral("Send Exception ") + oneLine(text));
}

QString notANumber(const QString& line) {
    return QStringLiteral("'") + line + QStringLiteral("' is not a valid integer value");
}

// Byte-count line already read: parse it and read the payload.
TcpResult payloadAfterCount(TcpStream& stream, const QString& prefix, const QString& countLine) {
    const QString trimmed = countLine.trimmed();
    qlonglong count = 0;
    if (!trimmed.isEmpty()) {
        bool ok = false;
        count = trimmed.toLongLong(&ok);
        if (!ok)
            return failure(stream, 1,
                           prefix + QStringLiteral("StrToInt of sNumSendBytes \"") + countLine +
                               QStringLiteral("\" failed!"));
    }
    TcpResult r;
    if (count > 0) {
        QByteArray payload;
        if (stream.readBytes(count, &payload, stream.readTimeout()) != Read::Ok)
            return failure(stream, 1, prefix + QStringLiteral("Loading data stream failed!"));
        r.lines = TextCodec::decodeList(payload);
    }
    return r;
}

// Reads the byte-count line, then the payload.
TcpResult readCountAndPayload(TcpStream& stream, const QString& prefix) {
    QString countLine;
    const Read read = stream.readLine(&countLine, stream.readTimeout());
    if (read == Read::TimedOut)
        return failure(stream, 1, prefix + timeoutText(stream.readTimeout()));
    if (read != Read::Ok)
        return exception(stream, prefix, TcpStream::readError(read));
    return payloadAfterCount(stream, prefix, countLine);
}

// Steps shared by the stream, status and acknowledge framings: check, serialise, send.
bool sendList(TcpStream& stream, const QString& prefix, const QString& code, const QStringList& input,
              TcpResult* r) {
    if (!stream.isConnected()) {
        *r = failure(stream, 53, prefix + lostText);
        return false;
    }
    if (input.isEmpty()) {
        *r = failure(stream, 1, prefix + QStringLiteral("InListe ist leer!"));
        return false;
    }
    if (TextCodec::encodeList(input).isEmpty()) {
        *r = failure(stream, 1, prefix + QStringLiteral("InListe Stream ist leer!"));
        return false;
    }
    QString error;
    if (!stream.send(streamRequestBytes(code, input), &error)) {
        *r = exception(stream, prefix, error);
        return false;
    }
    return true;
}

bool isOk(const QString& line) {
    return line.compare(QLatin1String("OK"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString timeoutText(int ms) {
    return QStringLiteral("SendRequest.TimeOut (%1ms)").arg(ms);
}

FirstLineTimeouts firstLineTimeouts(int readTimeout) {
    if (readTimeout == 5001)
        return {readTimeout, 5000, true};
    if (readTimeout == 2500)
        return {readTimeout, 1000, true};
    if (readTimeout > 120000)
        return {readTimeout, 10000, true};
    return {readTimeout, readTimeout, false};
}

QByteArray streamRequestBytes(const QString& code, const QStringList& input) {
    const QByteArray payload = TextCodec::encodeList(input);
    return TextCodec::encodeLine(code) + TextCodec::encodeLine(QString::number(payload.size())) + payload;
}

QByteArray parameterLineBytes(const QString& code, const QStringList& parameters, const QStringList* list) {
    QByteArray bytes = TextCodec::encodeLine(code);
    for (const QString& p : parameters)
        bytes += TextCodec::encodeLine(p);
    if (list) {
        const QByteArray payload = TextCodec::encodeList(*list);
        bytes += TextCodec::encodeLine(QString::number(payload.size())) + payload;
    }
    return bytes;
}

QByteArray commandLineBytes(const QString& code, const QStringList& parameters) {
    QString line = code + QLatin1Char(' ');
    for (const QString& p : parameters)
        line += p + QChar(u'\0');
    return TextCodec::encodeLine(line);
}

TcpResult readStreamAnswer(TcpStream& stream, const QString& prefix) {
    const int readTimeout = stream.readTimeout();
    const FirstLineTimeouts t = firstLineTimeouts(readTimeout);
    // A silent server is a failure whatever the time-out: an empty answer
    // must not pass for success.
    Read read = stream.waitForData(t.wait);
    QString errorLine;
    if (read == Read::Ok)
        read = stream.readLine(&errorLine, t.completion);
    if (read == Read::TimedOut)
        return failure(stream, 1, prefix + timeoutText(readTimeout));
    if (read != Read::Ok)
        return exception(stream, prefix, TcpStream::readError(read));
    if (!errorLine.isEmpty())
        return failure(stream, 1, prefix + errorLine);
    return readCountAndPayload(stream, prefix);
}

TcpResult readStatusAnswer(TcpStream& stream, const QString& prefix) {
    QString status;
    Read read = stream.readLine(&status, stream.statusTimeout());
    if (read == Read::Closed || read == Read::TooLong)
        return exception(stream, prefix, TcpStream::readError(read));
    // A status that is no number, the empty line of a time-out included, is an exception.
    bool numeric = false;
    const int code = status.trimmed().toInt(&numeric);
    if (!numeric)
        return exception(stream, prefix, notANumber(status));

    QString message;
    QString countLine;
    read = stream.readLine(&message, stream.readTimeout());
    if (read == Read::Ok)
        read = stream.readLine(&countLine, stream.readTimeout());

    if (status != QLatin1String("0")) {
        TcpResult r = failure(stream, code, prefix + message);
        r.message = message;
        return r;
    }
    if (read == Read::TimedOut)
        return failure(stream, 1, prefix + timeoutText(stream.readTimeout()));
    if (read != Read::Ok)
        return exception(stream, prefix, TcpStream::readError(read));
    TcpResult r = payloadAfterCount(stream, prefix, countLine);
    r.message = message;
    return r;
}

TcpResult readAckAnswer(TcpStream& stream, const QString& prefix) {
    QString line;
    const Read read = stream.readLine(&line, stream.statusTimeout());
    // No answer at all is no acknowledgement.
    if (read == Read::TimedOut)
        return failure(stream, 1, prefix + timeoutText(stream.statusTimeout()));
    if (read != Read::Ok)
        return exception(stream, prefix, TcpStream::readError(read));
    if (!line.isEmpty() && !isOk(line))
        return failure(stream, 1, prefix + line);
    return {};
}

TcpResult readParameterLineAnswer(TcpStream& stream, const QString& prefix) {
    QString status;
    Read read = stream.readLine(&status, stream.statusTimeout());
    if (read == Read::TimedOut)
        return failure(stream, 1, prefix + timeoutText(stream.statusTimeout()));
    if (read != Read::Ok)
        return exception(stream, prefix, TcpStream::readError(read));
    if (!status.isEmpty())
        return failure(stream, 1, prefix + status);
    TcpResult r = readCountAndPayload(stream, prefix);
    if (r.result != 0)
        return r;
    // The trailer closes the answer; its content does not matter.
    QString trailer;
    stream.readLine(&trailer, stream.readTimeout());
    if (r.lines.isEmpty())
        return failure(stream, 1, prefix + QStringLiteral("Keine Stream-Daten gefunden!"));
    return r;
}

TcpResult readCommandAnswer(TcpStream& stream, const CommandRequest& request) {
    auto fail = [&](const QString& text) { return failure(stream, request.failCode, oneLine(text)); };
    const QString code = request.code.trimmed();

    // Reply: "ccc-text" continues, "ccc text" or "ccc" ends it.
    QStringList reply;
    QString replyCode;
    for (;;) {
        QString line;
        const Read read = stream.readLine(&line, stream.readTimeout());
        if (read != Read::Ok)
            return fail(TcpStream::readError(read));
        reply.append(line);
        const bool coded =
            line.size() >= 3 && line.at(0).isDigit() && line.at(1).isDigit() && line.at(2).isDigit();
        if (!coded)
            return fail(reply.join(QLatin1Char(' ')));
        replyCode = line.left(3);
        if (line.size() > 3 && line.at(3) == QLatin1Char('-'))
            continue;
        if (line.size() > 3 && line.at(3) != QLatin1Char(' '))
            return fail(reply.join(QLatin1Char(' ')));
        break;
    }
    if (replyCode != code)
        return fail(reply.join(QLatin1Char(' ')));

    QStringList data;
    for (;;) {
        QString line;
        const Read read = stream.readLine(&line, stream.readTimeout());
        if (read != Read::Ok)
            return fail(TcpStream::readError(read));
        if (line == QLatin1String("."))
            break;
        if (line.startsWith(QLatin1String("..")))
            line.remove(0, 1);
        data.append(line);
    }

    TcpResult r;
    if (!request.dataHasErrorLine) {
        r.lines = data;
        return r;
    }
    if (data.isEmpty())
        return failure(stream, request.failCode, request.captureFailedText);
    const QString first = data.first();
    if (!first.isEmpty() && !isOk(first))
        return failure(stream, request.failCode, request.notFoundText + first);
    r.lines = data.mid(1);
    return r;
}

TcpResult readServerTimeAnswer(TcpStream& stream, const QString& prefix) {
    QString status;
    Read read = stream.readLine(&status, stream.statusTimeout());
    if (read == Read::TimedOut)
        return failure(stream, 1, prefix + timeoutText(stream.statusTimeout()));
    if (read != Read::Ok)
        return exception(stream, prefix, TcpStream::readError(read));
    if (!status.isEmpty() && !isOk(status))
        return failure(stream, 1, prefix + status);
    QString dateTime;
    read = stream.readLine(&dateTime, stream.readTimeout());
    if (read == Read::Closed || read == Read::TooLong)
        return exception(stream, prefix, TcpStream::readError(read));
    if (dateTime.isEmpty())
        return failure(stream, 1, prefix + QStringLiteral("Oracle Datum fehlt!"));
    QString trailer;
    stream.readLine(&trailer, stream.readTimeout());
    TcpResult r;
    r.lines = QStringList{dateTime};
    return r;
}

TcpResult SendRequest(TcpStream& stream, const QString& prefix, const QString& code,
                      const QStringList& input) {
    TcpResult r;
    if (!sendList(stream, prefix, code, input, &r))
        return r;
    return readStreamAnswer(stream, prefix);
}

TcpResult SendRequestStatus(TcpStream& stream, const QString& prefix, const QString& code,
                            const QStringList& input) {
    TcpResult r;
    if (!sendList(stream, prefix, code, input, &r))
        return r;
    return readStatusAnswer(stream, prefix);
}

TcpResult SendRequestAck(TcpStream& stream, const QString& prefix, const QString& code,
                         const QStringList& input) {
    TcpResult r;
    if (!sendList(stream, prefix, code, input, &r))
        return r;
    return readAckAnswer(stream, prefix);
}

TcpResult sendParameterLines(TcpStream& stream, const QString& prefix, const QString& code,
                             const QStringList& parameters, const QStringList* list, int sendFailCode) {
    if (!stream.isConnected())
        return failure(stream, 53, prefix + lostText);
    QString error;
    // Code and parameters leave in one write, so in one segment.
    if (!stream.send(parameterLineBytes(code, parameters, list), &error))
        return failure(stream, sendFailCode,
                       prefix + QStringLiteral("Fehler: Daten konnten nicht gesendet werden, ") + error);
    return readParameterLineAnswer(stream, prefix);
}

TcpResult sendCommand(TcpStream& stream, const CommandRequest& request) {
    if (!stream.isConnected())
        return failure(stream, 53, request.lostText);
    QString error;
    if (!stream.send(commandLineBytes(request.code.trimmed(), request.parameters), &error))
        return failure(stream, request.failCode, oneLine(error));
    return readCommandAnswer(stream, request);
}

TcpResult requestServerTime(TcpStream& stream, const QString& prefix) {
    if (!stream.isConnected())
        return failure(stream, 53, prefix + lostText);
    QString error;
    if (!stream.send(TextCodec::encodeLine(QStringLiteral("994")), &error))
        return exception(stream, prefix, error);
    return readServerTimeAnswer(stream, prefix);
}

} // namespace TcpFraming
