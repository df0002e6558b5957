#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// One body part of a multipart message with its headers.
struct MimePart {
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // Value of a header, name compared without regard to case.
    QByteArray header(const QByteArray& name) const;
    // Content-ID without its angle brackets.
    QByteArray contentId() const;
};

// MIME multipart/related, the carrier of a SOAP answer with an attachment
// (get_file): the root part holds the envelope, the next the file.
class MimeMultipart {
public:
    // A parameter of a header value such as Content-Type, unquoted; empty when missing.
    static QByteArray parameter(const QByteArray& headerValue, const QByteArray& name);
    static bool isMultipart(const QByteArray& contentType);

    static QByteArray write(const QList<MimePart>& parts, const QByteArray& boundary);
    // Content-Type of a message written by write(): type/start of the root part.
    static QByteArray contentType(const QByteArray& boundary, const QByteArray& startId);

    // false with a reason when the body does not hold at least one part
    // delimited by the boundary. Parts sent base64 are decoded.
    static bool read(const QByteArray& body, const QByteArray& boundary, QList<MimePart>* parts,
                     QString* error);

    // The part a "cid:..." reference or a Content-ID names; nullptr when none.
    static const MimePart* find(const QList<MimePart>& parts, const QString& reference);
};
