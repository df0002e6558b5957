#include "link/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace TextCodec {

namespace {
const char* const ansiName = "windows-1252";
} // namespace

QByteArray toAnsi(const QString& text) {
    QStringEncoder encoder(ansiName);
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

QString fromAnsi(const QByteArray& bytes) {
    QStringDecoder decoder(ansiName);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encodeList(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return toAnsi(text);
}

QString decodeText(const QByteArray& bytes) {
    // Only the three marks a Windows server writes count; the decoder drops the mark.
    std::optional<QStringConverter::Encoding> marked;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        marked = QStringConverter::Utf8;
    else if (bytes.startsWith("\xFF\xFE"))
        marked = QStringConverter::Utf16LE;
    else if (bytes.startsWith("\xFE\xFF"))
        marked = QStringConverter::Utf16BE;
    if (marked) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    return fromAnsi(bytes);
}

QStringList decodeList(const QByteArray& bytes) {
    return splitLines(decodeText(bytes));
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QByteArray encodeLine(const QString& line) {
    return line.toUtf8() + "\r\n";
}

QString decodeLine(const QByteArray& line) {
    qsizetype end = line.size();
    if (end > 0 && line.at(end - 1) == '\n')
        --end;
    if (end > 0 && line.at(end - 1) == '\r')
        --end;
    return QString::fromUtf8(line.constData(), end);
}

} // namespace TextCodec
