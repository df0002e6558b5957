#include "order/ui/draftlogo.h"

#include "grid/stringgrid.h"
#include "model/uitexts.h"

#include <QSet>

DraftLogo::Look DraftLogo::look(const StringGrid& grid, int row, const Texts& texts) {
    static const QSet<QString> plainIcons{QStringLiteral("TEILMENGE"),  QStringLiteral("KUNDE"),
                                          QStringLiteral("LKW"),        QStringLiteral("LAGER"),
                                          QStringLiteral("NULLMENGE"),  QStringLiteral("BESTELLT"),
                                          QStringLiteral("CYAN"),       QStringLiteral("FAHRTMORGEN"),
                                          QStringLiteral("FAHRTSPAET"), QStringLiteral("BESTELLTLKW")};

    const QString word = grid.value(QStringLiteral("Logo"), row);
    // An empty cell belongs to a fresh row; "..." to a row being changed.
    if (word.isEmpty() || word == QStringLiteral("..."))
        return {};
    if (word == texts.notFound)
        return {QStringLiteral("fehler"), QStringLiteral("Suche")};
    if (word == QStringLiteral("KEINEMENGE"))
        return {QStringLiteral("keinemenge"), texts.express};
    if (plainIcons.contains(word))
        return {word.toLower(), QString()};
    if (!texts.warehouseOrder.isEmpty() && word == texts.warehouseOrder)
        return {QStringLiteral("lagerauftrag"), word};
    if (word == texts.express)
        return {QStringLiteral("express"), word};
    if (word == texts.backorderNotice)
        return {QString(), word};

    const QString external = grid.value(QStringLiteral("ExterneFiliale"), row);
    if (external.isEmpty())
        return {QStringLiteral("ruecklieferung"),
                Txt::get(Txt::LogoRuecklieferung) + u' ' + grid.value(QStringLiteral("Filiale"), row)};
    QString text = external;
    if (texts.tenant != QStringLiteral("6") &&
        grid.value(QStringLiteral("VKKL_Lieferungscode"), row) == QStringLiteral("97"))
        text += QStringLiteral(" (") + texts.nex + QStringLiteral(")");
    return {QStringLiteral("ruecklieferung"), text};
}
