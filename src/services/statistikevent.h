#pragma once

#include "model/clientrecords.h"

// One usage-statistics event of the draft grid, as the statistics module
// writes it: the event name ("Gelöscht", ...) and its record.
struct StatistikEvent {
    QString name;
    TStatistik data;
};

namespace StatistikAktion {
// "Gelöscht": a draft line was deleted.
inline constexpr int Geloescht = 19;
} // namespace StatistikAktion

// An event prepared as the statistics module expects it: the action, its
// info text, and the detail text cut into the five 20-character pieces.
inline TStatistik set_statistik_record(int aktion, const QString& info, QString detail) {
    TStatistik e;
    e._Aktion = aktion;
    e._Nettopreis = QStringLiteral("0");
    e._Bestellmenge = QStringLiteral("0");
    e._Info = info;
    detail.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    QString* pieces[] = {&e._dummy1, &e._dummy2, &e._dummy3, &e._dummy4, &e._dummy5};
    for (int i = 0; i < 5; ++i)
        *pieces[i] = detail.mid(i * 20, 20);
    return e;
}
