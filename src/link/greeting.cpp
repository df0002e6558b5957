#include "link/greeting.h"

#include "link/versioncompare.h"

#include <array>

namespace Greeting {

GreetingInfo interpret(const QString& greeting, const QString& description) {
    GreetingInfo info;
    info.greeting = greeting;
    info.description = description;

    const QString restartMark = QStringLiteral("990 ***");
    if (info.greeting.startsWith(restartMark)) {
        info.restart = true;
        info.greeting.remove(0, restartMark.size());
    }
    if (info.greeting.startsWith(QLatin1Char('X'))) {
        info.refused = true;
        return info;
    }

    const qsizetype old = info.greeting.indexOf(QStringLiteral("(4)("));
    if (old >= 0) {
        info.serverLevel = 4;
        info.greeting.remove(0, old + 3);
    }

    const QString welcome = QStringLiteral(")Willkommen");
    const qsizetype w = info.greeting.indexOf(welcome);
    if (w < 0)
        return info;

    const QString rest = info.greeting.mid(w + 1, 255);
    const qsizetype open = rest.indexOf(QLatin1Char('('));
    if (open >= 0) {
        const qsizetype close = rest.indexOf(QLatin1Char(')'), open);
        info.description += close >= 0 ? rest.mid(open, close - open + 1) : rest.mid(open);
    }

    info.version = info.greeting.mid(1, w - 1);
    // Ascending: every threshold the version exceeds raises the level.
    static const std::array<std::pair<const char*, int>, 4> thresholds{{
        {"7.0.6193.0", 17},
        {"7.1.6351.0", 18},
        {"7.1.6554.0", 19},
        {"7.1.7326.0", 20},
    }};
    for (const auto& [threshold, level] : thresholds) {
        if (VersionCompare::isNewer(info.version, QString::fromLatin1(threshold)))
            info.serverLevel = level;
    }
    return info;
}

} // namespace Greeting
