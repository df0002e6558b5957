// The generic record decoder and the answer layouts that are not the plain
// full form.

#include "model/answerlayouts.h"
#include "model/records.h"
#include "model/vkklrequests.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)).split(u'\n');
    const qsizetype block = data[1];

    switch (data[0] % 10) {
    case 0: {
        TArtikelShortInfoArray out;
        RecordCodec::decodeCounted<TArtikelShortInfo>(lines, 0, block, out);
        break;
    }
    case 1: {
        // Count taken from the wire, block length from the input.
        const auto out =
            RecordCodec::decode<TDebitorLieferZeile>(lines, 1, lines.value(0).toLongLong(), block);
        (void)out;
        break;
    }
    case 2:
        AnswerLayouts::decodeArtikelInfo(lines, 1, lines.value(0).toLongLong());
        break;
    case 3:
        AnswerLayouts::decodeDebitor(lines, block);
        break;
    case 4: {
        TLieferadresseArray out;
        AnswerLayouts::decodeLieferadressen(lines, 0, AnswerLayouts::lieferadressenSelector(block), out);
        break;
    }
    case 5: {
        TFilialKurzArray2 out;
        AnswerLayouts::decodeFilialen2(lines, 0, out);
        break;
    }
    case 6:
        AnswerLayouts::decodeBestandsInfo(lines, nullptr);
        break;
    case 7: {
        TArtikelInfoListe out;
        AnswerLayouts::decodeArtikelInfoListe(lines, 0, out);
        break;
    }
    case 8: {
        VkklRequests::FieldUpdate u;
        VkklRequests::parse168Tcp(lines, u);
        VkklRequests::parse168Soap(lines, u);
        break;
    }
    default:
        VkklRequests::parseMassUpdate(lines);
        break;
    }
    return 0;
}
