#include "link/catalogue.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace Catalogue {

namespace {

constexpr Framing S = Framing::Stream;
constexpr Framing ST = Framing::Status;
constexpr Framing PL = Framing::ParameterLines;
constexpr Framing CMD = Framing::Command;

// clang-format off
constexpr std::array table{
    RequestDescriptor{.code = 104, .tcpName = "ILogin2", .framing = PL, .parameters = 4, .soapLabel = "Login"},
    RequestDescriptor{.code = 105, .tcpName = "IReadBenutzerOptions", .framing = PL, .parameters = 4,
                      .soapLabel = "ReadBenutzerOptions", .countKind = "Options"},
    RequestDescriptor{.code = 106, .tcpName = "IWriteBenutzerOptions", .framing = PL, .parameters = 6,
                      .withList = true, .failCode = 133, .soapLabel = "WriteBenutzerOptions"},
    RequestDescriptor{.code = 108, .tcpName = "ICheckMasterOption", .framing = PL, .parameters = 4,
                      .soapLabel = "ICheckMasterOption"},
    RequestDescriptor{.code = 110, .tcpName = "IGetPreis", .framing = CMD, .parameters = 4, .failCode = 92,
                      .soapLabel = "GetPreis", .minSoapLines = 11,
                      .notFoundText = "Preisdaten nicht gefunden(IGetPreis): \n\r",
                      .captureFailedText = "Capture failed(IGetPreis)",
                      .lostText = "Verbindung zum Server wurde unterbrochen(IGetPreis)!"},
    RequestDescriptor{.code = 112, .tcpName = "IGetStaffelpreise", .framing = ST, .failCode = statusFail,
                      .soapLabel = "GetStaffelpreise", .minSoapLines = 14},
    RequestDescriptor{.code = 121, .tcpName = "IGetArtikelBestand2", .framing = ST, .failCode = statusFail,
                      .soapLabel = "Soap_GetArtikelBestand2"},
    RequestDescriptor{.code = 130, .tcpName = "IGetArtikel", .framing = CMD, .parameters = 5,
                      .linesPerRecord = 143, .failCode = 61, .soapLabel = "GetArtikel", .minSoapLines = 143,
                      .notFoundText = "Artikel nicht gefunden: \n\r",
                      .captureFailedText = "Capture failed(GetArtikelInfo)", .countKind = "Artikel"},
    RequestDescriptor{.code = 131, .tcpName = "ISucheArtikelKurz", .framing = CMD, .parameters = 1,
                      .linesPerRecord = 16, .failCode = 61, .soapLabel = "ISucheArtikelKurz",
                      .minSoapLines = 16, .notFoundText = "Artikel nicht gefunden: \n\r",
                      .captureFailedText = "Capture failed(ISucheArtikelKurz)", .countKind = "Artikel"},
    RequestDescriptor{.code = 134, .tcpName = "ISucheArtikelAlle", .framing = CMD, .parameters = 2,
                      .linesPerRecord = 23, .failCode = 61, .soapLabel = "SucheArtikelAlle",
                      .minSoapLines = 23, .notFoundText = "Artikel nicht gefunden (ISucheArtikelAlle): \n\r",
                      .captureFailedText = "Capture failed(ISucheArtikelAlle)",
                      .lostText = "Verbindung zum Server wurde unterbrochen(ISucheArtikelAlle)!",
                      .countKind = "Artikel"},
    RequestDescriptor{.code = 135, .tcpName = "ISucheNetzArtikelKurz2", .framing = CMD, .parameters = 2,
                      .linesPerRecord = 15, .failCode = 61, .soapLabel = "SucheNetzArtikelKurz2",
                      .minSoapLines = 15,
                      .notFoundText = "NetzArtikel nicht gefunden(ISucheNetzArtikelKurz2): \n\r",
                      .captureFailedText = "Capture failed(ISucheNetzArtikelKurz2)", .countKind = "Artikel"},
    RequestDescriptor{.code = 136, .tcpName = "IGetArtikelInfoListe", .framing = PL, .parameters = 11,
                      .withList = true, .failCode = 61, .soapLabel = "GetArtikelInfoListe: "},
    RequestDescriptor{.code = 137, .tcpName = "ISucheArtikelAlle2", .framing = PL, .parameters = 10,
                      .withList = true, .failCode = 61, .soapLabel = "ISucheArtikelAlle2"},
    RequestDescriptor{.code = 139, .tcpName = "ISucheArtikelAlle3", .framing = PL, .parameters = 11,
                      .failCode = 61, .soapLabel = "ISucheArtikelAlle3"},
    RequestDescriptor{.code = 141, .tcpName = "IGetRuecksendefaehigeArtikel", .framing = S},
    RequestDescriptor{.code = 142, .tcpName = "ISetzeWebShopArtikel", .framing = S,
                      .soapLabel = "ISetzeWebShopArtikel"},
    RequestDescriptor{.code = 152, .tcpName = "IGetLieferCodes", .framing = CMD, .parameters = 1,
                      .linesPerRecord = 16, .failCode = 158, .soapLabel = "IGetLieferCodes",
                      .notFoundText = "LieferCodedaten nicht gefunden(IGetLieferCodes): \n\r",
                      .captureFailedText = "Capture failed(IGetLieferCodes)", .countKind = "LieferCodes"},
    RequestDescriptor{.code = 153, .tcpName = "IGetDebitor2", .framing = ST, .failCode = statusFail,
                      .soapLabel = "DebitorInfo2ID"},
    RequestDescriptor{.code = 154, .tcpName = "IGetLieferadresse2", .framing = ST, .failCode = statusFail,
                      .soapLabel = "LieferadresseInfo2ID"},
    RequestDescriptor{.code = 160, .tcpName = "IVKKLGet", .framing = ST, .failCode = statusFail,
                      .soapLabel = "GetKladden", .minSoapLines = 125, .olderCode = 169,
                      .softSocketError = true},
    RequestDescriptor{.code = 161, .tcpName = "IVKKLDelete", .framing = CMD, .parameters = 1, .failCode = 121,
                      .soapLabel = "Delete", .notFoundText = "VKKL-Daten nicht gelöscht(IVKKLDelete): \n\r",
                      .captureFailedText = "Capture failed(IVKKLDelte)"},
    RequestDescriptor{.code = 163, .tcpName = "IVKKLUpdate", .framing = ST, .failCode = statusFail,
                      .soapLabel = "NewUpdate"},
    RequestDescriptor{.code = 164, .tcpName = "IVKKLBuchen", .framing = CMD, .parameters = 2, .failCode = 116,
                      .soapLabel = "VKKLBuchen", .notFoundText = "VKKL Buchen gescheitert: \n\r",
                      .captureFailedText = "Capture failed!"},
    RequestDescriptor{.code = 165, .tcpName = "IVKKLInsert", .framing = ST, .failCode = statusFail,
                      .soapLabel = "InsertNew", .softSocketError = true},
    RequestDescriptor{.code = 167, .tcpName = "IVKKLInit2", .framing = CMD, .parameters = 3, .failCode = 114,
                      .soapLabel = "Init2", .softSocketError = true, .notFoundText = "Init gescheitert: \n\r",
                      .captureFailedText = "Capture failed"},
    RequestDescriptor{.code = 168, .tcpName = "IVKKLUpdate3", .framing = PL, .parameters = 18,
                      .failCode = 113, .soapLabel = "VKKL-Update3", .minSoapLines = 125, .countKind = "VKKL",
                      .sendFailCode = 113},
    RequestDescriptor{.code = 169, .tcpName = "IVKKLGet2", .framing = PL, .parameters = 4, .failCode = 113,
                      .soapLabel = "GetKladden", .minSoapLines = 125, .softSocketError = true,
                      .countKind = "VKKL", .sendFailCode = 113},
    RequestDescriptor{.code = 170, .tcpName = "IGetEinspeiserListe", .framing = CMD, .failCode = 74,
                      .soapLabel = "IGetEinspeiserListe",
                      .notFoundText = "Einspeiserdaten nicht gefunden(IGetEinspeiserListe): \n\r",
                      .captureFailedText = "Capture failed(IGetEinspeiserListe)"},
    RequestDescriptor{.code = 172, .tcpName = "IVKKLInsert2", .framing = S, .soapLabel = "MyVKKLInsert2"},
    RequestDescriptor{.code = 174, .tcpName = "IVKKLUpdate4", .framing = ST, .failCode = statusFail,
                      .soapLabel = "VKKLUpdate4"},
    RequestDescriptor{.code = 175, .tcpName = "IGetBestellzeitListe", .framing = ST, .failCode = statusFail,
                      .soapLabel = "IGetBestellzeitListe", .minLevel = 18,
                      .tooOldText = "Funktion \"GetBestellzeitliste2\" wird nicht unterstützt"},
    RequestDescriptor{.code = 180, .tcpName = "IGetVKZInfo", .framing = CMD, .parameters = 4,
                      .linesPerRecord = 127, .failCode = 177, .soapLabel = "IGetVKZInfo",
                      .notFoundText = "VKZ-daten nicht gefunden(IGetVKZInfo): \n\r",
                      .captureFailedText = "Capture failed(IGetVKZInfo)", .countKind = "VKZ"},
    RequestDescriptor{.code = 181, .tcpName = "IGetVKKInfo2", .framing = PL, .parameters = 8, .soapLabel = "IGetVKKInfo2", .countKind = "VKK"},
    RequestDescriptor{.code = 183, .tcpName = "IGetVKZInfo2", .framing = S, .soapLabel = "IGetVKZInfo2"},
    RequestDescriptor{.code = 184, .tcpName = "IGetVKKInfo3", .framing = ST, .failCode = statusFail, .soapLabel = "IGetVKKInfo3"},
    RequestDescriptor{.code = 185, .tcpName = "IGetVKZInfo3", .framing = ST, .failCode = statusFail, .soapLabel = "IGetVKZInfo3"},
    RequestDescriptor{.code = 191, .tcpName = "IGetDLKInfo2", .framing = PL, .parameters = 8, .soapLabel = "IGetDLKInfo2", .countKind = "DLK"},
    RequestDescriptor{.code = 193, .tcpName = "IGetDLZInfo", .framing = S, .soapLabel = "IGetDLZInfo"},
    RequestDescriptor{.code = 200, .tcpName = "IGetDRKInfo2", .framing = PL, .parameters = 8, .soapLabel = "IGetDRKInfo2", .countKind = "DRK"},
    RequestDescriptor{.code = 203, .tcpName = "IGetDRZInfo2", .framing = S, .soapLabel = "IGetDRZInfo2"},
    RequestDescriptor{.code = 204, .tcpName = "IGetDRZInfo3", .framing = ST, .failCode = statusFail, .soapLabel = "IGetDRZInfo3"},
    RequestDescriptor{.code = 210, .tcpName = "IGetDGKInfo2", .framing = PL, .parameters = 8, .soapLabel = "IGetDGKInfo2", .countKind = "DGK"},
    RequestDescriptor{.code = 213, .tcpName = "IGetDGZInfo", .framing = S, .soapLabel = "IGetDGZInfo"},
    RequestDescriptor{.code = 215, .tcpName = "IGetDGZInfo3", .framing = ST, .failCode = statusFail, .soapLabel = "IGetDGZInfo3"},
    RequestDescriptor{.code = 221, .tcpName = "IGetFilialen", .framing = S, .soapLabel = "IGetFilialen"},
    RequestDescriptor{.code = 252, .tcpName = "IGetAltteilInfo2", .framing = S},
    RequestDescriptor{.code = 253, .tcpName = "IAVZUpdate2", .framing = S, .soapLabel = "MyAltteilUpdate"},
    RequestDescriptor{.code = 260, .tcpName = "IGetZustellZeit", .framing = S, .soapLabel = "IGetZustellZeit",
                      .minLevel = 20, .tooOldText = "\r\nServerfunktion fehlt", .tooOldIsList = true},
    RequestDescriptor{.code = 300, .tcpName = "ICheckUpdate", .framing = CMD, .parameters = 1, .failCode = 2,
                      .soapLabel = "CheckUpdate", .notFoundText = "Check Update gescheitert: \n\r",
                      .captureFailedText = "Capture failed!)"},
    RequestDescriptor{.code = 301, .tcpName = "IDnldFile", .framing = CMD, .parameters = 1, .failCode = 171,
                      .soapLabel = "get_file", .notFoundText = "Download File gescheitert(IDnldFile): \n\r",
                      .lostText = "Verbindung zum Server wurde unterbrochen(IDnldFile)!"},
    RequestDescriptor{.code = 302, .tcpName = "ILoadBatchTask", .framing = CMD, .parameters = 1, .failCode = 2,
                      .notFoundText = "Load Batch Task gescheitert(ILoadBatchTask): \n\r",
                      .captureFailedText = "Capture failed(ILoadBatchTask)"},
    RequestDescriptor{.code = 303, .tcpName = "ILoadNewsLetter", .framing = CMD, .parameters = 1, .failCode = 18,
                      .notFoundText = "NewsLetter nicht gefunden(ILoadNewsLetter): \n\r",
                      .captureFailedText = "Capture failed(ILoadNewsLetter)"},
    RequestDescriptor{.code = 304, .tcpName = "ILoadHilfeText", .framing = CMD, .parameters = 1, .failCode = 19,
                      .notFoundText = "HilfeText nicht gefunden(ILoadHilfeText): \n\r",
                      .captureFailedText = "Capture failed(ILoadHilfeText)"},
    RequestDescriptor{.code = 305, .tcpName = "ISaveStatistikData", .framing = Framing::Acknowledge,
                      .soapLabel = "ISaveStatistikData", .minLevel = 8,
                      .tooOldText = "Funktion SaveStatistikData wird vom Server nicht unterstützt."},
    RequestDescriptor{.code = 400, .tcpName = "ISendMail", .framing = PL, .parameters = 4, .withList = true,
                      .failCode = 171, .soapLabel = "Send-email",
                      .lostText = "Verbindung zum Server wurde unterbrochen(ISendMail)!"},
    RequestDescriptor{.code = 401, .tcpName = "ICheckMail", .framing = CMD, .parameters = 1, .failCode = 20,
                      .lostText = "Verbindung zum Server wurde unterbrochen(ICheckMail)!"},
    RequestDescriptor{.code = 411, .tcpName = "IDokumentVersenden", .framing = S,
                      .soapLabel = "DokumentVersenden"},
    RequestDescriptor{.code = 412, .tcpName = "ITeccomRequest", .framing = S},
    RequestDescriptor{.code = 420, .tcpName = "IGetPreisdatei", .framing = S, .soapLabel = "IGetPreisdatei",
                      .softSocketError = true},
    RequestDescriptor{.code = 421, .tcpName = "IGetDebitorWarengruppenfilter", .framing = ST,
                      .failCode = statusFail, .soapLabel = "IGetDebitorWarengruppenfilter", .minLevel = 15,
                      .tooOldText = "Funktion GetPreisdateifilter nicht verfügbar.", .softSocketError = true},
    RequestDescriptor{.code = 422, .tcpName = "ISetDebitorWarengruppenfilter", .framing = ST,
                      .failCode = statusFail, .soapLabel = "ISetDebitorWarengruppenfilter", .minLevel = 15,
                      .tooOldText = "Funktion SetPreisdateifilter nicht verfügbar.", .softSocketError = true},
    RequestDescriptor{.code = 423, .tcpName = "IErstelleDebitorPDBatch", .framing = ST, .failCode = statusFail,
                      .soapLabel = "IErstellePreisdateiBatch", .minLevel = 15,
                      .tooOldText = "Funktion Preisdateibatch nicht verfügbar.", .softSocketError = true},
    RequestDescriptor{.code = 425, .tcpName = "IGetKarteiBemerkung", .framing = ST, .failCode = statusFail,
                      .soapLabel = "GetKarteiBemerkung"},
    RequestDescriptor{.code = 426, .tcpName = "IGetArtikelLogistik", .framing = ST, .failCode = statusFail,
                      .soapLabel = "IGetArtikelLogistik", .minSoapLines = 14},
    RequestDescriptor{.code = 501, .tcpName = "ISucheArtikelAlle4", .framing = ST, .linesPerRecord = 23,
                      .failCode = statusFail, .soapLabel = "SucheEAN_ArtikelAlle", .minSoapLines = 0,
                      .minLevel = 15, .tooOldText = "Funktion EAN_ArtikelInfo nicht verfügbar.",
                      .countKind = "Artikel"},
    RequestDescriptor{.code = 990, .tcpName = "do_connect", .framing = Framing::Greeting, .failCode = 0,
                      .soapLabel = "Connect"},
    RequestDescriptor{.code = 994, .tcpName = "IGetSysDate", .framing = Framing::ServerTime,
                      .soapLabel = "MyGetServerTime"},
    RequestDescriptor{.code = 999, .tcpName = "QUITID", .framing = CMD, .failCode = 0,
                      .captureFailedText = "Capture failed(QUITID)"},
};
// clang-format on

constexpr bool sortedByCode() {
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (table[i - 1].code >= table[i].code)
            return false;
    }
    return true;
}
static_assert(sortedByCode(), "the catalogue is looked up by binary search");

} // namespace

std::span<const RequestDescriptor> all() {
    return table;
}

const RequestDescriptor* find(int code) {
    const auto it = std::lower_bound(table.begin(), table.end(), code,
                                     [](const RequestDescriptor& d, int c) { return d.code < c; });
    return it != table.end() && it->code == code ? &*it : nullptr;
}

const RequestDescriptor& get(int code) {
    const RequestDescriptor* d = find(code);
    Q_ASSERT_X(d, "Catalogue::get", "request code not in the catalogue");
    return d ? *d : table.front();
}

QString text(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QString prefix(const RequestDescriptor& d) {
    return QString::fromUtf8(d.tcpName) + QStringLiteral(": ");
}

} // namespace Catalogue
