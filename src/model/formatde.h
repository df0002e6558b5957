#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// The private "de-DE" number and date format of every value exchanged with the
// server: decimal comma, no grouping, dates "dd.mm.yyyy", times "hh:mm:ss".
// Written by hand so that the output does not depend on the system's locale data.
namespace FormatDE {

// 1234.5 -> "1234,50" with two decimals.
QString formatFloat(double value, int decimals = 2);
// printf-like "%<width>.<decimals>f" with a decimal comma, right-aligned.
QString formatFixed(double value, int width, int decimals);

QString formatDate(const QDate& date);
QString formatTime(const QTime& time);
QString formatDateTime(const QDateTime& dateTime);

// "dd.mm.yyyy" (one-digit day and month accepted) with an optional time
// "hh:mm" or "hh:mm:ss". Invalid text gives an invalid value.
QDate parseDate(QStringView text);
QDateTime parseDateTime(QStringView text);
// Time of day "hh:mm" or "hh:mm:ss".
QTime parseTime(QStringView text);

// Server time: "yyyy/MM/dd hh:mm:ss", where "/" stands for the date separator,
// so "2012.11.12 15:30:59" and "2012/11/12 15:30:59" both read.
QDateTime parseServerDateTime(QStringView text);

// The totals line of the draft order: "inkl. %s MWSt EUR %8.2f".
QString vatTotalsLine(const QString& vatText, double sum);

} // namespace FormatDE
