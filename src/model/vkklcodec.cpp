#include "model/vkklcodec.h"

#include "model/conversions.h"
#include "platform/ending.h"
#include "platform/logger.h"

#include <algorithm>
#include <array>
#include <limits>

namespace VkklCodec {

FieldTable<TVerkaufskladde> shortFormFields() {
    using V = TVerkaufskladde;
    static const auto fields = std::to_array<QString V::*>({
        &V::BENUTZER,
        &V::LFD_NR,
        &V::KUNDENNR,
        &V::KD_NAME,
        &V::DEBITORNR,
        &V::EINHEIT,
        &V::ARTIKELART,
        &V::ABNEHMERGRUPPE,
        &V::ARTIKELNR,
        &V::TEXT,
        &V::TEXT_2,
        &V::BUCH_GR,
        &V::MENGE,
        &V::FILIALE,
        &V::STUECKPREIS,
        &V::NETTOBETRAG,
        &V::ZU_LIEFERN,
        &V::SKONTOFAEHIG,
        &V::MWST_CODE,
        &V::MWST_P,
        &V::ZENTRALE,
        &V::RABATT_P,
        &V::RABATTBETRAG,
        &V::BRUTTOBETRAG,
        &V::KUNDENFILIALE,
        &V::AUFTRAGSDATUM,
        &V::ALTTEILSTEUER,
        &V::BRUTTOPREIS,
        &V::NETTOPREIS,
        &V::PE,
        &V::KARTONSTUECK,
        &V::TAUSCHMENGE,
        &V::HERSTELLERCODE,
        &V::DIV_ART_NR,
        &V::LIEFERADR,
        &V::ART,
        &V::RABATT_PUNBENUTZT,
        &V::PREIS_EINHEIT,
        &V::TE,
        &V::LIEFERANTENNR,
        &V::LIEFERUNGSCODE,
        &V::REFERENZ,
        &V::BESCHAFFUNGSCODE,
        &V::BESCHAFFUNGSKOSTEN,
        &V::TE_FIX,
        &V::ISHAENDLER,
        &V::RECHNUNGSNR,
        &V::LIEFERSCHEINNR,
        &V::BESTELLEN,
        &V::EMPF_VK_PREIS,
        &V::NL,
        &V::GEAENDERT_AM,
        &V::MAND_ID,
        &V::VKKL_ID,
        &V::FEHLERNUMMER,
        &V::FEHLERTEXT,
        &V::KUNDENNOTIZ,
        &V::UNSER_ZEICHEN,
        &V::AB_ART,
        &V::KEINEHAENDLERPRUEFUNG,
        &V::EXT_LAGER,
        &V::UNIQUE_IDENT,
    });
    static_assert(fields.size() == shortFields);
    return FieldTable<TVerkaufskladde>(fields.data(), fields.size());
}

namespace {

// Double quotes would break the grid's text handling; the server's text keeps
// them, the client shows blanks.
void blankQuotes(TVerkaufskladde& record, qsizetype fieldCount) {
    const auto fields = RecordLayout<TVerkaufskladde>::fields();
    for (qsizetype k = 0; k < fieldCount; ++k) {
        QString& value = record.*fields[k];
        if (value.contains(u'"'))
            value.replace(u'"', u' ');
    }
}

} // namespace

bool String2VKKL(const QString& countText, const QStringList& lines, TVerkaufskladdeArray& out,
                 int& fieldCount, const VkklEnvironment& env) {
    return String2VKKL(countText, QStringList(lines), out, fieldCount, env);
}

bool String2VKKL(const QString& countText, QStringList&& lines, TVerkaufskladdeArray& out, int& fieldCount,
                 const VkklEnvironment& env) {
    out.clear();
    const qsizetype n = Convert::toInt64Def(countText, 0);
    if (n < 1) {
        fieldCount = 0;
        return true;
    }
    const qsizetype f = lines.size() / n;
    fieldCount = int(std::min<qsizetype>(f, std::numeric_limits<int>::max()));
    if (f > maxFields || f < minFields) {
        const QString text =
            QString::asprintf("NumFelderfromServer=%d Fehler Anzahl Strings[%d] <> Anzahl Rekords "
                              "[%d].\r\nAnzahl Kladdenzeilen=%lld Gesamtstrings=%lld",
                              fieldCount, fieldCount, maxFields, qint64(n), qint64(lines.size()));
        env.logger.Log(1, QStringLiteral("String2VKKL: ") + text, 1);
        env.ending.SetTerminateTimeout_halt(
            text + QStringLiteral("\r\nDatenstruktur ist fehlerhaft\r\n") + env.context.hotline, true, true);
        return false;
    }
    out = RecordCodec::decode<TVerkaufskladde>(std::move(lines), 0, n, f);
    for (TVerkaufskladde& record : out)
        blankQuotes(record, f);
    return true;
}

QStringList encodeFullForm(const TVerkaufskladdeArray& records, int fieldCount) {
    const auto all = RecordLayout<TVerkaufskladde>::fields();
    return RecordCodec::encode(records, all.first(std::clamp<qsizetype>(fieldCount, 0, all.size())));
}

int Outliste2VKKL(const QStringList& lines, TVerkaufskladdeArray& out, QString& message, Logger& logger) {
    out.clear();
    message.clear();
    const auto fail = [&](int code, const QString& text) {
        message = text;
        logger.Log(1, text, 1);
        return code;
    };
    if (lines.size() <= shortFields - 1)
        return fail(TooFewLines,
                    QStringLiteral("Fehler Outliste2VKKL zu wenig Felder in Rückgabestringlist, count=") +
                        QString::number(lines.size()));
    bool ok = false;
    const qsizetype n = lines.at(0).trimmed().toLongLong(&ok);
    if (!ok || n <= 0)
        return fail(BadCount,
                    QStringLiteral("Fehler Outliste2VKKL Anzahl Kladden nicht definiert, Zeile=%1 Count=%2")
                        .arg(lines.at(0))
                        .arg(lines.size()));
    const qsizetype rest = lines.size() - 1;
    const qsizetype blockLength = rest / n;
    if (rest != n * blockLength)
        return fail(UnevenBlocks, QStringLiteral("Fehler Outliste2VKKL Anzahl Kladden=%1 Anzahl Felder=%2 "
                                                 "myListe.count=%3 count Soll=%4 ")
                                      .arg(n)
                                      .arg(blockLength)
                                      .arg(rest)
                                      .arg(n * blockLength));
    if (blockLength < shortFields)
        return fail(
            ShortBlock,
            QStringLiteral("Outliste2VKKL Exception: List index out of bounds (%1)").arg(blockLength));
    out = RecordCodec::decode<TVerkaufskladde>(lines, 1, n, blockLength, shortFormFields());
    return Ok;
}

QStringList encodeShortForm(const TVerkaufskladdeArray& records, int blockLength) {
    QStringList out{QString::number(records.size())};
    const qsizetype padding = std::max(0, blockLength - shortFields);
    out.reserve(1 + records.size() * (shortFields + padding));
    for (const TVerkaufskladde& record : records) {
        RecordCodec::encodeInto(out, record, shortFormFields());
        for (qsizetype k = 0; k < padding; ++k)
            out.append(QString());
    }
    return out;
}

bool decodeMassUpdateForm(const QStringList& lines, TVerkaufskladdeArray& out, QStringList& messages,
                          QString& error) {
    out.clear();
    messages.clear();
    error.clear();
    bool ok = false;
    const qsizetype n = lines.isEmpty() ? 0 : lines.at(0).trimmed().toLongLong(&ok);
    if (!ok || n < 0) {
        error = QStringLiteral("MassenUpdate Anzahl Kladden nicht definiert, Zeile=%1")
                    .arg(lines.isEmpty() ? QString() : lines.at(0));
        return false;
    }
    if ((lines.size() - 1) / massBlockLength < n) {
        error = QStringLiteral("MassenUpdate Anzahl Kladden=%1 Gesamtstrings=%2").arg(n).arg(lines.size());
        return false;
    }
    out.resize(n);
    messages.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype start = 1 + i * massBlockLength;
        messages.append(lines.at(start));
        RecordCodec::decodeInto(out[i], lines, start + 1, minFields);
    }
    return true;
}

QStringList encodeMassUpdateForm(const TVerkaufskladdeArray& records, const QStringList& messages) {
    QStringList out{QString::number(records.size())};
    const auto leading = RecordLayout<TVerkaufskladde>::fields().first(minFields);
    for (qsizetype i = 0; i < records.size(); ++i) {
        out.append(messages.value(i));
        RecordCodec::encodeInto(out, records.at(i), leading);
    }
    return out;
}

} // namespace VkklCodec
