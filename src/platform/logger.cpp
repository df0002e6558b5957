#include "logger.h"

#include "clock.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace {
constexpr qint64 halfDaySecs = 12 * 60 * 60;
}

Logger::Logger(const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock) {}

QString Logger::stamp(const QDateTime& time) {
    return time.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

QString Logger::stampNow() const {
    return stamp(m_clock.now());
}

bool Logger::appendLine(const QString& fileName, const QString& line, QString* error) {
    if (fileName.isEmpty()) {
        if (error)
            *error = QStringLiteral("Logfilename ist leer");
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QStringEncoder ansi("windows-1252", QStringConverter::Flag::Default);
    QByteArray bytes = ansi.encode(line);
    bytes.append("\r\n", 2);
    const bool ok = file.write(bytes) == bytes.size();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

bool Logger::deleteLogIf(bool outdated) {
    if (!outdated)
        return true;
    m_open.close();
    if (QFile::remove(m_logFile))
        return true;
    // A log that cannot be deleted means the folder is not ours to write.
    m_writable = false;
    return false;
}

void Logger::Log(const QString& source, int toMemo, const QString& text, int toFile) {
    if (m_exitLog)
        return;
    const QString line = source.isEmpty() ? text : source + QLatin1Char(' ') + text;
    if (toMemo < 0)
        Q_EMIT memoCleared();
    if (toMemo != 0)
        Q_EMIT memoAppended(line);
    if (!m_writable || toFile == 0 || m_logFile.isEmpty())
        return;
    if (toFile < 0) {
        const QFileInfo info(m_logFile);
        if (info.exists() && !deleteLogIf(info.lastModified().secsTo(m_clock.now()) > halfDaySecs))
            return;
    }
    if (m_writeLogFile)
        writeLine(line);
}

void Logger::writeLine(const QString& line) {
    // Opening and closing the file for every line cost more than a request
    // on loopback; an unbuffered file loses no line all the same.
    if (m_open.isOpen() && (m_open.fileName() != m_logFile || !QFile::exists(m_logFile)))
        m_open.close();
    if (!m_open.isOpen()) {
        m_open.setFileName(m_logFile);
        if (!m_open.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return;
    }
    QStringEncoder ansi("windows-1252", QStringConverter::Flag::Default);
    QByteArray bytes = ansi.encode(line);
    bytes.append("\r\n", 2);
    if (m_open.write(bytes) != bytes.size())
        m_open.close();
}

void Logger::writeStartLine(const QString& text, qint64 processId) {
    const QFileInfo info(m_logFile);
    if (info.exists()) {
        const QDateTime written = info.lastModified();
        const QDateTime now = m_clock.now();
        // Each working day starts a new file.
        const bool outdated =
            written.secsTo(now) > halfDaySecs || written.date().dayOfWeek() != now.date().dayOfWeek();
        if (outdated) {
            m_open.close();
            QFile::remove(m_logFile);
        }
    }
    appendLine(m_logFile, text + QStringLiteral(" oncreate ProcessID=") + QString::number(processId));
}

void Logger::writeSingleInstanceLine(const QString& text, qint64 processId) {
    appendLine(m_logFile, text + QStringLiteral(" ProcessID=") + QString::number(processId));
}

QString Logger::toggleExitLog() {
    Q_EMIT memoCleared();
    const bool after = !m_exitLog;
    const QString hint =
        QStringLiteral("_EXIT_LOG jetzt=") + (after ? QStringLiteral("TRUE ") : QStringLiteral("FALSE "));
    // Logged while logging is still (or already) on.
    m_exitLog = false;
    Log(1, hint, 1);
    m_exitLog = after;
    return hint;
}
