#include "model/answerlayouts.h"

#include "model/conversions.h"
#include "platform/logger.h"

#include <array>

namespace AnswerLayouts {

namespace {

template <class R, std::size_t N> FieldTable<R> table(const std::array<QString R::*, N>& fields) {
    return FieldTable<R>(fields.data(), fields.size());
}

// Count line of a block answer; false when it is no integer or negative.
bool readCount(const QStringList& lines, qsizetype index, qsizetype& count) {
    if (index < 0 || index >= lines.size())
        return false;
    bool ok = false;
    count = lines.at(index).trimmed().toLongLong(&ok);
    return ok && count >= 0;
}

// Block-length form: L = remaining / N, record i at i*L while i*L < remaining.
template <class R>
bool decodeBlocks(const QStringList& lines, qsizetype countIndex, FieldTable<R> fields, QList<R>& out) {
    out.clear();
    qsizetype n = 0;
    if (!readCount(lines, countIndex, n))
        return false;
    const qsizetype start = countIndex + 1;
    const qsizetype remaining = lines.size() - start;
    if (n == 0 || remaining <= 0)
        return true;
    const qsizetype blockLength = remaining / n;
    if (blockLength == 0)
        return true;
    out = RecordCodec::decode<R>(lines, start, n, blockLength, fields);
    return true;
}

constexpr auto artikelKeptNames = std::to_array<const char*>({"NUMMER",
                                                              "TECDOCNR",
                                                              "BEZEICHNUNG",
                                                              "KURZBEZEICHNUNG",
                                                              "BEZEICHNUNG2",
                                                              "STUECKLISTE",
                                                              "EAN",
                                                              "EINHEIT",
                                                              "PE",
                                                              "BUCH_GR",
                                                              "VK_PREIS",
                                                              "LIEFERANTENCODE",
                                                              "LIEF_ARTIKELNR",
                                                              "ERSATZARTIKELNR",
                                                              "BRUTTOGEWICHT",
                                                              "NETTOGEWICHT",
                                                              "ANZAHL_PER_KOLLI",
                                                              "VOLUMEN",
                                                              "WARENVERZ_CODE",
                                                              "BEMERKUNG",
                                                              "GESPERRT",
                                                              "BESTAND",
                                                              "SKONTOFAEHIG",
                                                              "GUTSCHRIFTSFAEHIG",
                                                              "KLASSE",
                                                              "SERIALID",
                                                              "LIEFERZUTEILUNG_ZEIL",
                                                              "LIEFERZUTEILUNG_KLAD",
                                                              "LIEFERZUTEILUNG_FIL",
                                                              "SEZ",
                                                              "ABGELOEST",
                                                              "ERSATZ",
                                                              "EINSPEISERCODE",
                                                              "GARANTIEZEIT",
                                                              "AUSLAUFEND",
                                                              "ALTTEILSTEUER",
                                                              "TAUSCHWERT",
                                                              "ALTTEIL",
                                                              "LEGIERUNG_ZUSCHLAG",
                                                              "KARTONSTUECK",
                                                              "PALETTENSTUECK",
                                                              "HAFTUNGSKLASSE",
                                                              "HAFTUNGSGRUPPE",
                                                              "WASSERGEFAEHRLICH",
                                                              "VBF",
                                                              "UN_VERPACKUNG",
                                                              "GEFAHRENZIFFER",
                                                              "GEFAHRENKLASSE",
                                                              "NVK_GUELTIG_AB",
                                                              "ART",
                                                              "TE",
                                                              "UN_NUMMER",
                                                              "NETZ",
                                                              "PREISART",
                                                              "ERW_ZUGANG_FIL",
                                                              "TAUSCHTEIL_RESS",
                                                              "ARTIKELNR_KURZ",
                                                              "GESPERRT_VERRECHNEN",
                                                              "ALTE_ARTIKELNUMMER",
                                                              "ARTI_ID"});

} // namespace

FieldTable<TArtikelInfo> artikelInfoKeptFields() {
    static const auto fields = [] {
        using L = RecordLayout<TArtikelInfo>;
        std::array<QString TArtikelInfo::*, L::count> kept{};
        for (qsizetype k = 0; k < L::count; ++k) {
            const QLatin1StringView name(L::names[k]);
            for (const char* keep : artikelKeptNames) {
                if (name == QLatin1StringView(keep))
                    kept[k] = L::members[k];
            }
        }
        return kept;
    }();
    return table(fields);
}

TArtikelArray decodeArtikelInfo(const QStringList& lines, qsizetype start, qsizetype count) {
    return RecordCodec::decode<TArtikelInfo>(lines, start, count, RecordCodec::fieldCount<TArtikelInfo>(),
                                             artikelInfoKeptFields());
}

FieldTable<TDebitor> debitorFields() {
    using D = TDebitor;
    static const auto fields = std::to_array<QString D::*>(
        {&D::NUMMER,         &D::NAME,           &D::NAME_2,       &D::STRASSE,           &D::PLZ_ORT,
         &D::LIEFERUNGSCODE, &D::LAENDERCODE,    &D::GESPERRT,     &D::DURCHFAKTURIERUNG, &D::FILIALE,
         &D::ABNEHMERGRUPPE, &D::AUFTRAGSSPERRE, &D::RUECKSTAND,   &D::TOURFILIALE,       &D::TOURNR,
         &D::DEBI_TFILI_ID,  &D::DEBI_VERTR_ID,  &D::DEBI_FILI_ID, &D::DEBI_DEBI_ID,      &D::DEBI_LAND_ID,
         &D::DEBI_LIEF_ID,   &D::DEBI_VERK_ID,   &D::PD_ERSTELLEN, &D::PD_FORMAT,         &D::PD_BRUTTOPREIS,
         &D::PD_DATEIART});
    return table(fields);
}

TArtikelArray decodeArtikelInfo(QStringList&& lines, qsizetype start, qsizetype count) {
    return RecordCodec::decode<TArtikelInfo>(
        std::move(lines), start, count, RecordCodec::fieldCount<TArtikelInfo>(), artikelInfoKeptFields());
}

TDebitor decodeDebitor(const QStringList& lines, qsizetype start) {
    TDebitor debitor;
    const qsizetype available = std::max<qsizetype>(0, lines.size() - start);
    // The optional groups are taken whole or not at all.
    const qsizetype used = available > 25 ? 26 : available > 21 ? 22 : 21;
    RecordCodec::decodeInto(debitor, lines, start, used, debitorFields());
    return debitor;
}

QStringList encodeDebitor(const TDebitor& debitor) {
    QStringList out;
    RecordCodec::encodeInto(out, debitor, debitorFields());
    return out;
}

QString lieferadressenSelector(int serverLevel) {
    return serverLevel < 19 ? QStringLiteral("0") : QStringLiteral("1");
}

FieldTable<TLieferadresse> lieferadresseFields(const QString& selector) {
    using A = TLieferadresse;
    static const auto shortForm =
        std::to_array<QString A::*>({&A::KUNDENNR, &A::CODE, &A::NAME, &A::NAME_2, &A::STRASSE, &A::PLZ_ORT,
                                     &A::LAENDERCODE, &A::TOURFILIALE, &A::TOURNR, &A::LIEFERUNGSCODE,
                                     &A::STANDARD, &A::DEBITORADR, &A::SPAET_BESTELLZEIT, &A::FREI});
    // The address table's columns; only these positions are read.
    static const auto tableForm = [] {
        std::array<QString A::*, 29> f{};
        f[0] = &A::KUNDENNR;
        f[1] = &A::CODE;
        f[2] = &A::NAME;
        f[3] = &A::NAME_2;
        f[4] = &A::STRASSE;
        f[6] = &A::PLZ_ORT;
        f[9] = &A::LAENDERCODE;
        f[10] = &A::TOURFILIALE;
        f[11] = &A::TOURNR;
        f[13] = &A::LIEFERUNGSCODE;
        f[18] = &A::DEBITORADR;
        f[19] = &A::SPAET_BESTELLZEIT;
        f[23] = &A::FREI;
        f[24] = &A::STANDARD;
        f[28] = &A::NACHTANLIEF_MOEGLICH;
        return f;
    }();
    return selector == u"0" ? table(shortForm) : table(tableForm);
}

bool decodeLieferadressen(const QStringList& lines, qsizetype countIndex, const QString& selector,
                          TLieferadresseArray& out) {
    if (!decodeBlocks(lines, countIndex, lieferadresseFields(selector), out))
        return false;
    if (selector == u"0") {
        for (TLieferadresse& a : out)
            a.NACHTANLIEF_MOEGLICH = QStringLiteral("0");
    }
    return true;
}

QStringList encodeLieferadressen(const TLieferadresseArray& addresses, const QString& selector) {
    QStringList out{QString::number(addresses.size())};
    out += RecordCodec::encode(addresses, lieferadresseFields(selector));
    return out;
}

bool decodeFilialen2(const QStringList& lines, qsizetype countIndex, TFilialKurzArray2& out) {
    return decodeBlocks(lines, countIndex, RecordLayout<TFilialeKurz2>::fields(), out);
}

QStringList encodeFilialen2(const TFilialKurzArray2& branches) {
    QStringList out{QString::number(branches.size())};
    out += RecordCodec::encode(branches);
    return out;
}

FieldTable<TBestandsInfoFiliale> bestandsZeileFields() {
    using B = TBestandsInfoFiliale;
    static const auto fields = std::to_array<QString B::*>(
        {&B::Code,          &B::Bezeichnung, &B::Kurzname,      &B::Auftrag,    &B::NachtExpress,
         &B::EilZustellung, &B::PaketDienst, &B::GeplanteFahrt, &B::Reserviert, &B::Rueckstand,
         &B::Verfuegbar,    &B::Tour,        &B::Bestellt,      &B::Zentrale,   &B::Eingang,
         &B::Bestand,       nullptr,         nullptr,           nullptr,        nullptr,
         nullptr,           nullptr});
    return table(fields);
}

TBestandsInfo decodeBestandsInfo(const QStringList& lines, Logger* logger) {
    TBestandsInfo info;
    qsizetype n = 0;
    // Fewer than 22 lines carry no rows.
    if (lines.size() < bestandsZeileLength || !readCount(lines, 0, n))
        return info;
    info.NumFiliale = lines.at(0).trimmed();
    n = std::min(n, (lines.size() - 1) / bestandsZeileLength);
    info.FilialBestand =
        RecordCodec::decode<TBestandsInfoFiliale>(lines, 1, n, bestandsZeileLength, bestandsZeileFields());
    qint64 sum = 0;
    for (TBestandsInfoFiliale& row : info.FilialBestand) {
        const int verfuegbar = Convert::toIntDef(row.Verfuegbar, 0);
        if (verfuegbar < 0) {
            if (logger)
                logger->Log(1, row.Verfuegbar + QStringLiteral(" Fehlbestand in ") + row.Code, 1);
            row.Verfuegbar = QStringLiteral("0");
            continue;
        }
        sum += verfuegbar;
    }
    info.GesamtVerfuegbar = QString::number(sum);
    return info;
}

QStringList encodeBestandsInfo(const TBestandsInfo& info) {
    QStringList out{QString::number(info.FilialBestand.size())};
    out += RecordCodec::encode(info.FilialBestand, bestandsZeileFields());
    return out;
}

namespace {

// Reads a count line and that many records behind it; advances pos.
template <class R>
bool readArray(const QStringList& lines, qsizetype& pos, QString& numField, QList<R>& out) {
    qsizetype n = 0;
    if (!readCount(lines, pos, n))
        return false;
    numField = lines.at(pos);
    ++pos;
    constexpr qsizetype len = RecordCodec::fieldCount<R>();
    if ((lines.size() - pos) / len < n)
        return false;
    out = RecordCodec::decode<R>(lines, pos, n, len);
    pos += n * len;
    return true;
}

template <class R> void writeArray(QStringList& out, const QList<R>& records) {
    out.append(QString::number(records.size()));
    out += RecordCodec::encode(records);
}

} // namespace

bool decodeArtikelInfoListe(const QStringList& lines, qsizetype start, TArtikelInfoListe& out) {
    out = TArtikelInfoListe();
    constexpr qsizetype headLength = RecordCodec::fieldCount<TArtikelInfoListeKopf>();
    if (start < 0 || lines.size() - start < headLength)
        return false;
    RecordCodec::decodeInto<TArtikelInfoListeKopf>(out, lines, start, headLength);
    qsizetype pos = start + headLength;
    bool ok = readArray(lines, pos, out.NumFilialen, out.Filialen) &&
              readArray(lines, pos, out.NumArtikel, out.ArtikelInfo) &&
              readArray(lines, pos, out.NumPreise, out.ArtikelPreise) &&
              readArray(lines, pos, out.NumBestand, out.Artikelbestand);
    qsizetype n = 0;
    ok = ok && readCount(lines, pos, n) && lines.size() - pos - 1 >= n;
    if (!ok) {
        out = TArtikelInfoListe();
        return false;
    }
    out.NumNetzartikel = lines.at(pos);
    out.Netzartikel = lines.mid(pos + 1, n);
    return true;
}

QStringList encodeArtikelInfoListe(const TArtikelInfoListe& liste) {
    QStringList out;
    RecordCodec::encodeInto<TArtikelInfoListeKopf>(out, liste);
    writeArray(out, liste.Filialen);
    writeArray(out, liste.ArtikelInfo);
    writeArray(out, liste.ArtikelPreise);
    writeArray(out, liste.Artikelbestand);
    out.append(QString::number(liste.Netzartikel.size()));
    out += liste.Netzartikel;
    return out;
}

} // namespace AnswerLayouts
