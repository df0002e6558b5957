#include "model/formatde.h"

#include <QRegularExpression>

#include <algorithm>

namespace FormatDE {

QString formatFloat(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    text.replace(u'.', u',');
    // A value that rounds to zero is shown without a sign, never "-0,00".
    if (text.startsWith(u'-') &&
        std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) { return c == u'0' || c == u','; }))
        text.remove(0, 1);
    return text;
}

QString formatFixed(double value, int width, int decimals) {
    return formatFloat(value, decimals).rightJustified(width, u' ');
}

QString formatDate(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString formatTime(const QTime& time) {
    return time.toString(QStringLiteral("hh:mm:ss"));
}

QString formatDateTime(const QDateTime& dateTime) {
    return formatDate(dateTime.date()) + u' ' + formatTime(dateTime.time());
}

namespace {

QDateTime fromParts(int year, int month, int day, QStringView timeText) {
    const QDate date(year, month, day);
    if (!date.isValid())
        return {};
    if (timeText.isEmpty())
        return QDateTime(date, QTime(0, 0));
    const QTime time = parseTime(timeText);
    return time.isValid() ? QDateTime(date, time) : QDateTime();
}

} // namespace

QTime parseTime(QStringView text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?$"));
    const auto m = re.match(text.trimmed().toString());
    if (!m.hasMatch())
        return {};
    return QTime(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

QDateTime parseDateTime(QStringView text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})(?:\\s+(\\S+))?$"));
    const auto m = re.match(text.trimmed().toString());
    if (!m.hasMatch())
        return {};
    return fromParts(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt(), m.capturedView(4));
}

QDate parseDate(QStringView text) {
    return parseDateTime(text).date();
}

QDateTime parseServerDateTime(QStringView text) {
    static const QRegularExpression re(
        QStringLiteral("^(\\d{4})[./-](\\d{1,2})[./-](\\d{1,2})(?:\\s+(\\S+))?$"));
    const auto m = re.match(text.trimmed().toString());
    if (!m.hasMatch())
        return {};
    return fromParts(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.capturedView(4));
}

QString vatTotalsLine(const QString& vatText, double sum) {
    return QStringLiteral("inkl. ") + vatText + QStringLiteral(" MWSt EUR ") + formatFixed(sum, 8, 2);
}

} // namespace FormatDE
