#include "link/tcprequestparser.h"

#include "link/tcpstream.h"
#include "link/textcodec.h"

namespace TcpRequestParser {

namespace {

enum class Step { Ok, More, Bad };

// The next line at pos, or More when its line break has not arrived.
Step nextLine(const QByteArray& buffer, qsizetype* pos, QString* line) {
    const qsizetype lf = buffer.indexOf('\n', *pos);
    if (lf < 0)
        return buffer.size() - *pos > TcpStream::maxLineBytes ? Step::Bad : Step::More;
    *line = TextCodec::decodeLine(buffer.mid(*pos, lf - *pos + 1));
    *pos = lf + 1;
    return Step::Ok;
}

// A byte-count line and the payload it announces.
Step countAndPayload(const QByteArray& buffer, qsizetype* pos, QStringList* lines, QString* error) {
    QString countLine;
    const Step s = nextLine(buffer, pos, &countLine);
    if (s != Step::Ok)
        return s;
    bool ok = true;
    const qlonglong count = countLine.trimmed().isEmpty() ? 0 : countLine.trimmed().toLongLong(&ok);
    if (!ok || count < 0 || count > TcpStream::maxPayloadBytes) {
        *error = QStringLiteral("invalid byte count \"") + countLine + QLatin1Char('"');
        return Step::Bad;
    }
    if (buffer.size() - *pos < count)
        return Step::More;
    lines->append(TextCodec::decodeList(buffer.mid(*pos, count)));
    *pos += count;
    return Step::Ok;
}

TcpParsedRequest finish(TcpParsedRequest r, Step s, qsizetype pos) {
    if (s == Step::More) {
        r.state = TcpParsedRequest::State::Incomplete;
        r.parameters.clear();
        return r;
    }
    if (s == Step::Bad) {
        r.state = TcpParsedRequest::State::Invalid;
        if (r.error.isEmpty())
            r.error = QStringLiteral("line too long");
        return r;
    }
    r.state = TcpParsedRequest::State::Complete;
    r.consumed = pos;
    return r;
}

} // namespace

TcpParsedRequest parse(const QByteArray& buffer) {
    TcpParsedRequest r;
    qsizetype pos = 0;
    QString first;
    Step s = nextLine(buffer, &pos, &first);
    if (s != Step::Ok)
        return finish(r, s, pos);

    const qsizetype blank = first.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        // Command line: "code " + each parameter followed by NUL.
        r.code = first.left(blank);
        r.framing = FramingTable::forCode(r.code).value_or(FramingInfo{});
        r.framing.framing = Framing::Command;
        QString rest = first.mid(blank + 1);
        if (!rest.isEmpty()) {
            if (rest.endsWith(QChar(u'\0')))
                rest.chop(1);
            r.parameters = rest.split(QChar(u'\0'));
        }
        return finish(r, Step::Ok, pos);
    }

    r.code = first.trimmed();
    bool numeric = false;
    r.code.toInt(&numeric);
    if (!numeric) {
        r.error = QStringLiteral("no request code: \"") + first.left(80) + QLatin1Char('"');
        return finish(r, Step::Bad, pos);
    }
    // Unknown codes are read as the stream framing, the most common one.
    r.framing = FramingTable::forCode(r.code).value_or(FramingInfo{});
    switch (r.framing.framing) {
    case Framing::Command:
    case Framing::ServerTime:
    case Framing::Greeting:
        return finish(r, Step::Ok, pos);
    case Framing::Stream:
    case Framing::Status:
    case Framing::Acknowledge:
        s = countAndPayload(buffer, &pos, &r.parameters, &r.error);
        return finish(r, s, pos);
    case Framing::ParameterLines:
        for (int i = 0; i < r.framing.parameters; ++i) {
            QString line;
            s = nextLine(buffer, &pos, &line);
            if (s != Step::Ok)
                return finish(r, s, pos);
            r.parameters.append(line);
        }
        if (r.framing.withList)
            s = countAndPayload(buffer, &pos, &r.parameters, &r.error);
        return finish(r, s, pos);
    }
    return finish(r, Step::Bad, pos);
}

} // namespace TcpRequestParser
