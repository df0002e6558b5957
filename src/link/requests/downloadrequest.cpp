#include "link/requests/downloadrequest.h"

#include "link/requestbracket.h"
#include "link/tcpconnection.h"
#include "link/tcpframings.h"
#include "link/textcodec.h"

#include <QDir>
#include <QSaveFile>

namespace {

const QString tag = QStringLiteral(" (IDnldFile)!");

LinkAnswer failure(int code, const QString& text) {
    LinkAnswer a;
    a.result = code;
    a.errorText = text;
    return a;
}

// Writes the bytes whole or not at all.
LinkAnswer save(const QString& target, const QByteArray& bytes) {
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return failure(1, QStringLiteral("Datei \"") + target +
                              QStringLiteral("\" konnte nicht geschrieben werden: ") + file.errorString() +
                              tag);
    LinkAnswer a;
    a.lines = QStringList{target};
    return a;
}

LinkAnswer readDownload(ServerLink& link, const RequestDescriptor& d, const QString& fileName,
                        QString* target) {
    TcpStream& stream = link.client().stream();
    const QString failed = Catalogue::text(d.notFoundText);
    auto broken = [&](TcpStream::Read r) {
        stream.discardInput();
        return failure(d.failCode, failed + TcpStream::readError(r));
    };
    if (!stream.isConnected())
        return failure(53, Catalogue::text(d.lostText));
    QString error;
    if (!stream.send(TcpFraming::commandLineBytes(QString::number(d.code), {fileName}), &error))
        return failure(d.failCode, failed + error);

    // Reply in the three-digit form; continuation lines carry a "-".
    QString reply;
    for (;;) {
        const TcpStream::Read r = stream.readLine(&reply, stream.readTimeout());
        if (r != TcpStream::Read::Ok)
            return broken(r);
        if (reply.size() > 3 && reply.at(3) == QLatin1Char('-'))
            continue;
        break;
    }
    if (!reply.startsWith(QString::number(d.code))) {
        stream.discardInput();
        return failure(d.failCode, failed + reply);
    }
    QString status;
    TcpStream::Read r = stream.readLine(&status, stream.statusTimeout());
    if (r != TcpStream::Read::Ok)
        return broken(r);
    if (!status.isEmpty() && status.compare(QLatin1String("OK"), Qt::CaseInsensitive) != 0) {
        stream.discardInput();
        return failure(d.failCode, failed + status);
    }
    QString name;
    QString countLine;
    r = stream.readLine(&name, stream.readTimeout());
    if (r == TcpStream::Read::Ok)
        r = stream.readLine(&countLine, stream.readTimeout());
    if (r != TcpStream::Read::Ok)
        return broken(r);

    const QString path = downloadTarget(link.programFolder(), name);
    if (target)
        *target = path;
    bool ok = false;
    const qint64 count = countLine.trimmed().toLongLong(&ok);
    if (!ok) {
        stream.discardInput();
        return failure(1, QStringLiteral("StrToInt of sNumBytes \"") + countLine +
                              QStringLiteral("\" failed") + tag);
    }
    if (count <= 0)
        return failure(1, QStringLiteral("Release file\"") + path + QStringLiteral("\" is empty") + tag);
    if (path.isEmpty()) {
        stream.discardInput();
        return failure(1, QStringLiteral("Dateiname \"") + name + QStringLiteral("\" ist ungültig") + tag);
    }
    QByteArray bytes;
    r = stream.readBytes(count, &bytes, stream.readTimeout());
    if (r != TcpStream::Read::Ok)
        return broken(r);
    return save(path, bytes);
}

} // namespace

QString downloadTarget(const QString& programFolder, const QString& serverFileName) {
    // Never trust a path from the wire: only the last part of either kind of path counts.
    QString base = serverFileName.trimmed();
    base = base.mid(std::max(base.lastIndexOf(QLatin1Char('/')), base.lastIndexOf(QLatin1Char('\\'))) + 1);
    const qsizetype dot = base.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        base.truncate(dot);
    base = base.trimmed();
    if (base.isEmpty() || base.contains(QChar(u'\0')) || base.contains(QLatin1Char(':')))
        return {};
    return QDir(programFolder).filePath(base + QStringLiteral(".tmp"));
}

LinkAnswer MyDnldFile(ServerLink& link, const QString& fileName, QString* target) {
    const RequestDescriptor& d = Catalogue::get(301);
    if (link.soap()) {
        const QString path = downloadTarget(link.programFolder(), fileName);
        if (target)
            *target = path;
        QString message;
        QString exception;
        QByteArray bytes;
        if (!link.soapGetFile(fileName, message, &bytes, &exception))
            return failure(-1, exception);
        if (!message.isEmpty())
            return failure(d.failCode, Catalogue::text(d.notFoundText) + message);
        if (bytes.isEmpty())
            return failure(1, QStringLiteral("Release file\"") + path + QStringLiteral("\" is empty") + tag);
        if (path.isEmpty())
            return failure(1, QStringLiteral("Dateiname \"") + fileName + QStringLiteral("\" ist ungültig") +
                                  tag);
        return save(path, bytes);
    }
    return link.bracketed(d, [&] { return readDownload(link, d, fileName, target); });
}
