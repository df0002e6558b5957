#include "model/servermessage.h"

#include "model/uitexts.h"

namespace ServerMessage {

namespace {
constexpr qsizetype maxLength = 255;
}

QString normalise(const QString& text, const ModelContext& context) {
    QString result = text;
    if (const qsizetype at = text.indexOf(u"Es kann nicht die gesamte"); at >= 0)
        result = text.mid(at, maxLength);
    const qsizetype artikel = text.indexOf(u"Artikel");
    const qsizetype gesperrt = text.indexOf(u"ist gesperrt.");
    if (artikel >= 0 && gesperrt > artikel)
        result = text.mid(artikel, maxLength);
    if (text.contains(u"Der Artikel wurde in R"))
        result = context.text(QStringLiteral("_Rueck_Erfolg2"),
                              QStringLiteral("Der Artikel wird bei Bestellung in Rückstand genommen."));
    if (text.contains(u"Der Kunde erlaubt keine R"))
        result = Txt::get(Txt::Rueck_Debitorfehler2);
    if (text.contains(u"Artikel hat SEZ=0. Bitte "))
        result =
            context.text(QStringLiteral("_Rueck_Artikelfehler2"),
                         QStringLiteral("Artikel kann über Beschaffung bestellt werden, bitte anrufen:")) +
            QStringLiteral("\r\n") + context.hotline;
    if (text.contains(u"nde sind nicht erlaubt"))
        result = Txt::get(Txt::Rueck_Filialfehler2);
    // An Oracle number behind some prefix is cut off up to its colon; one at
    // the very start stays.
    if (const qsizetype ora = text.indexOf(u"ORA"); ora > 0) {
        if (const qsizetype colon = text.indexOf(u':', ora + 3); colon >= 0)
            result = text.mid(colon + 1, maxLength);
    }
    return result;
}

} // namespace ServerMessage
