// Feeds arbitrary bytes to the MIME multipart reader; the first line is
// taken as the Content-Type header.
#include "link/mimemultipart.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype eol = bytes.indexOf('\n');
    const QByteArray contentType = eol < 0 ? QByteArray("multipart/related; boundary=b") : bytes.left(eol);
    const QByteArray body = eol < 0 ? bytes : bytes.mid(eol + 1);
    QList<MimePart> parts;
    QString error;
    if (MimeMultipart::read(body, MimeMultipart::parameter(contentType, "boundary"), &parts, &error)) {
        MimeMultipart::find(parts, QString::fromLatin1(MimeMultipart::parameter(contentType, "start")));
        for (const MimePart& p : parts)
            p.contentId();
    }
    return 0;
}
