#include "link/mimemultipart.h"

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QByteArray unbracket(QByteArray id) {
    id = id.trimmed();
    if (id.startsWith('<') && id.endsWith('>') && id.size() >= 2)
        id = id.mid(1, id.size() - 2);
    return id;
}

// Parses the header block of one part; a line without ":" is ignored.
QList<QPair<QByteArray, QByteArray>> parseHeaders(const QByteArray& block) {
    QList<QPair<QByteArray, QByteArray>> headers;
    const QList<QByteArray> lines = block.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if ((line.startsWith(' ') || line.startsWith('\t')) && !headers.isEmpty()) {
            headers.last().second += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return headers;
}

} // namespace

QByteArray MimePart::header(const QByteArray& name) const {
    for (const auto& h : headers)
        if (h.first.compare(name, Qt::CaseInsensitive) == 0)
            return h.second;
    return QByteArray();
}

QByteArray MimePart::contentId() const {
    return unbracket(header("Content-ID"));
}

QByteArray MimeMultipart::parameter(const QByteArray& headerValue, const QByteArray& name) {
    const QList<QByteArray> items = headerValue.split(';');
    for (qsizetype i = 1; i < items.size(); ++i) {
        const QByteArray item = items.at(i).trimmed();
        const qsizetype eq = item.indexOf('=');
        if (eq <= 0 || item.left(eq).trimmed().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QByteArray value = item.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return QByteArray();
}

bool MimeMultipart::isMultipart(const QByteArray& contentType) {
    return contentType.trimmed().toLower().startsWith("multipart/");
}

QByteArray MimeMultipart::write(const QList<MimePart>& parts, const QByteArray& boundary) {
    QByteArray out;
    for (const MimePart& part : parts) {
        out += "--" + boundary + kCrLf;
        for (const auto& h : part.headers)
            out += h.first + ": " + h.second + kCrLf;
        out += kCrLf + part.body + kCrLf;
    }
    out += "--" + boundary + "--" + kCrLf;
    return out;
}

QByteArray MimeMultipart::contentType(const QByteArray& boundary, const QByteArray& startId) {
    return "multipart/related; type=\"text/xml\"; start=\"<" + startId + ">\"; boundary=\"" + boundary + '"';
}

bool MimeMultipart::read(const QByteArray& body, const QByteArray& boundary, QList<MimePart>* parts,
                         QString* error) {
    parts->clear();
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (boundary.isEmpty())
        return fail(QStringLiteral("MIME-Grenze fehlt"));
    const QByteArray delimiter = "--" + boundary;

    // The first delimiter may stand at the very start or after a preamble.
    qsizetype pos = body.startsWith(delimiter) ? 0 : body.indexOf(QByteArray(kCrLf + delimiter));
    if (pos < 0)
        return fail(QStringLiteral("MIME-Grenze nicht gefunden"));
    if (pos > 0)
        pos += kCrLf.size();
    const QByteArray next = kCrLf + delimiter;
    while (true) {
        pos += delimiter.size();
        if (body.mid(pos, 2) == "--")
            break; // closing delimiter
        const qsizetype lineEnd = body.indexOf('\n', pos);
        if (lineEnd < 0)
            return fail(QStringLiteral("MIME-Teil unvollständig"));
        const qsizetype partStart = lineEnd + 1;
        const qsizetype end = body.indexOf(next, partStart - 2 >= pos ? partStart - 2 : partStart);
        if (end < 0)
            return fail(QStringLiteral("MIME-Teil ohne Abschluss"));
        const QByteArray raw = end >= partStart ? body.mid(partStart, end - partStart) : QByteArray();
        qsizetype headerEnd = raw.indexOf("\r\n\r\n");
        qsizetype bodyStart = headerEnd + 4;
        if (raw.startsWith(kCrLf)) {
            headerEnd = 0;
            bodyStart = 2;
        } else if (headerEnd < 0) {
            return fail(QStringLiteral("MIME-Kopf ohne Leerzeile"));
        }
        MimePart part;
        part.headers = parseHeaders(raw.left(headerEnd));
        part.body = raw.mid(bodyStart);
        if (part.header("Content-Transfer-Encoding").trimmed().compare("base64", Qt::CaseInsensitive) == 0)
            part.body = QByteArray::fromBase64(part.body);
        parts->append(part);
        pos = end + kCrLf.size();
    }
    if (parts->isEmpty())
        return fail(QStringLiteral("MIME-Nachricht ohne Teile"));
    return true;
}

const MimePart* MimeMultipart::find(const QList<MimePart>& parts, const QString& reference) {
    QByteArray id = reference.toUtf8().trimmed();
    if (id.startsWith("cid:"))
        id = id.mid(4);
    id = unbracket(QByteArray::fromPercentEncoding(id));
    for (const MimePart& part : parts)
        if (part.contentId() == id)
            return &part;
    return nullptr;
}
