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
