#include "link/requests/mailrequests.h"

#include "link/tcpconnection.h"
#include "link/tcpframings.h"

namespace {

LinkAnswer failure(int code, const QString& text) {
    LinkAnswer a;
    a.result = code;
    a.errorText = text;
    return a;
}

// Error line within the status time-out, then one line and a trailer.
bool readLines(TcpStream& stream, const QString& failed, int failCode, QString* first, QString* second,
               LinkAnswer* error) {
    TcpStream::Read r = stream.readLine(first, stream.statusTimeout());
    if (r == TcpStream::Read::Ok)
        r = stream.readLine(second, stream.readTimeout());
    if (r != TcpStream::Read::Ok) {
        stream.discardInput();
        *error = failure(failCode, failed + TcpStream::readError(r));
        return false;
    }
    QString trailer;
    stream.readLine(&trailer, stream.readTimeout());
    return true;
}

} // namespace

LinkAnswer ISendMail(ServerLink& link, const QString& kind, const QString& senderTag,
                     const QString& recipient, const QString& subject, const QStringList& mailLines) {
    const RequestDescriptor& d = Catalogue::get(400);
    if (mailLines.isEmpty())
        return failure(1, QStringLiteral("Mail enthält keine Zeilen (ISendMail)!"));
    if (mailLines.join(QString()).trimmed().isEmpty())
        return failure(1, QStringLiteral("Mail hat keinen Inhalt (ISendMail)!"));
    const QStringList parameters{kind, senderTag, recipient, subject};
    if (link.soap()) {
        LinkAnswer a = link.sendSoap(d, LinkRequest(400).soap(parameters + mailLines));
        if (a.ok())
            a.lines = QStringList{a.lines.value(0)};
        return a;
    }
    return link.bracketed(d, [&] {
        TcpStream& stream = link.client().stream();
        const QString prefix = Catalogue::prefix(d);
        if (!stream.isConnected())
            return failure(53, Catalogue::text(d.lostText));
        QString error;
        if (!stream.send(TcpFraming::parameterLineBytes(QString::number(d.code), parameters, &mailLines),
                         &error))
            return failure(54,
                           prefix + QStringLiteral("Fehler: Daten konnten nicht gesendet werden, ") + error);
        QString errorLine;
        QString mailId;
        LinkAnswer a;
        if (!readLines(stream, prefix, d.failCode, &errorLine, &mailId, &a))
            return a;
        if (!errorLine.isEmpty())
            return failure(d.failCode, prefix + errorLine);
        a.lines = QStringList{mailId};
        return a;
    });
}

LinkAnswer ICheckMail(ServerLink& link, const QString& mailId) {
    const RequestDescriptor& d = Catalogue::get(401);
    if (mailId.isEmpty())
        return failure(1, QStringLiteral("Mail ID is leer (ICheckMail)!"));
    return link.bracketed(d, [&] {
        TcpStream& stream = link.client().stream();
        const QString prefix = Catalogue::prefix(d);
        if (!stream.isConnected())
            return failure(53, Catalogue::text(d.lostText));
        QString error;
        if (!stream.send(TcpFraming::commandLineBytes(QString::number(d.code), {mailId}), &error))
            return failure(d.failCode, prefix + error);
        QString reply;
        QString line;
        LinkAnswer a;
        if (!readLines(stream, prefix, d.failCode, &reply, &line, &a))
            return a;
        if (!reply.startsWith(QString::number(d.code))) {
            stream.discardInput();
            return failure(d.failCode, prefix + reply);
        }
        a.lines = QStringList{line};
        if (line.compare(QLatin1String("Ok"), Qt::CaseInsensitive) != 0) {
            a.result = d.failCode;
            a.errorText = line;
        }
        return a;
    });
}
