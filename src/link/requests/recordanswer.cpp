#include "link/requests/recordanswer.h"

namespace RecordAnswer {

QString messageName(const RequestDescriptor& d) {
    // The article request names itself after the server function in its messages.
    return d.code == 130 ? QStringLiteral("GetArtikelInfo") : QString::fromUtf8(d.tcpName);
}

QString countFailedText(const RequestDescriptor& d, const QString& line) {
    const QString head = QStringLiteral("StrToInt of Num") + Catalogue::text(d.countKind) +
                         QStringLiteral(" \"") + line + QStringLiteral("\" failed");
    if (d.framing == Framing::Command)
        return head + QStringLiteral(" (") + messageName(d) + QStringLiteral(")!");
    return head + QLatin1Char('!');
}

QString tooShortText(const RequestDescriptor& d, qsizetype count, qsizetype lines) {
    return Catalogue::prefix(d) +
           QStringLiteral("%1 Datensätze angekündigt, %2 Zeilen erhalten.").arg(count).arg(lines);
}

void fail(LinkAnswer& a, const QString& text) {
    a.result = 1;
    a.errorText = text;
}

} // namespace RecordAnswer
