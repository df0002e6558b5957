#include "scramble.h"

namespace Scramble {

namespace {
int codeSum(const QString& s) {
    int sum = 0;
    for (const QChar c : s)
        sum += c.unicode();
    return sum;
}
} // namespace

QString scramble(const QString& plain) {
    QString out = QString::number(codeSum(plain), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    out.reserve(4 + 2 * plain.size());
    for (const QChar c : plain)
        out += QString::number(2 * c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    return out;
}

QString unscramble(const QString& scrambled) {
    QString out;
    const QStringView body = QStringView(scrambled).mid(qMin<qsizetype>(4, scrambled.size()));
    for (qsizetype i = 0; i + 1 < body.size(); i += 2) {
        bool ok = false;
        const int doubled = body.mid(i, 2).toInt(&ok, 16);
        out += QChar(ok ? doubled / 2 : 0);
    }
    return out;
}

QString storedForm(const QString& plain) {
    const QString scrambled = scramble(plain);
    return unscramble(scrambled) == plain ? scrambled : plain;
}

QString readStored(const QString& stored) {
    if (stored.size() < 4 || stored.size() % 2 != 0)
        return stored;
    // A value kept in clear because it did not survive scrambling must not be
    // mangled on the way back: only an exact scrambled form is unscrambled.
    const QString plain = unscramble(stored);
    return scramble(plain) == stored ? plain : stored;
}

} // namespace Scramble
