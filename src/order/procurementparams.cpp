#include "order/procurementparams.h"

#include "order/draftcontext.h"

namespace ProcurementParams {

Lookup lookup(const QString& label, const QString& kind, const Texterne_Filiale& warehouse) {
    Lookup out;
    out.logText = QStringLiteral("?") + label;
    bool isNumber = false;
    const int groups = warehouse.AnzahlParam.trimmed().toInt(&isNumber);
    if (!isNumber)
        return out;
    out.logged = true;
    const QStringList values = warehouse.BE_Param.split(QLatin1Char(';'));
    out.logText =
        label + QStringLiteral(" BE_Art=") + kind + QLatin1Char(':') + values.join(QLatin1Char(';'));
    for (int i = 0; i < groups; ++i) {
        const qsizetype at = qsizetype(i) * 6;
        if (values.size() - at < 6)
            break;
        if (values.at(at).trimmed() != kind.trimmed())
            continue;
        TBeschaffungInfo& b = out.info;
        b.BE_ParamArt = values.at(at).trimmed();
        b.BE_AnlieferFiliale = values.at(at + 1).trimmed();
        b.BE_Lieferant = values.at(at + 2).trimmed();
        b.BE_Lieferungscode = values.at(at + 3).trimmed();
        b.BE_BeschaffungsCode = values.at(at + 4).trimmed();
        b.BE_Beschaffungskosten = values.at(at + 5).trimmed();
        b.Beschaffung_setzen = true;
        out.logText += QStringLiteral(" OK");
        break;
    }
    return out;
}

TBeschaffungInfo fetch(const DraftContext& context, const QString& label, const QString& kind, int row,
                       const Texterne_Filiale& warehouse) {
    const Lookup l = lookup(label, kind, warehouse);
    if (l.logged)
        context.log(l.logText);
    context.record(51, QStringLiteral("GET_BESCHAFFUNGSPARAM"), row,
                   QStringLiteral("P=") + warehouse.BE_Param, QStringLiteral("BE_ART=") + kind);
    return l.info;
}

} // namespace ProcurementParams
