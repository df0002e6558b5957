#pragma once

#include <QFile>
#include <QObject>
#include <QString>

class Clock;

// The one logging operation of the client. Lines go to the log memo of the
// main window (through signals), to the log file beside the executable, or
// both. The file is opened, appended to and closed for every line so that
// support can read it while the client runs.
class Logger : public QObject {
    Q_OBJECT
public:
    explicit Logger(const Clock& clock, QObject* parent = nullptr);

    void setLogFile(const QString& path) { m_logFile = path; }
    QString logFile() const { return m_logFile; }

    // Write permission of the program folder, found at start-up.
    void setWritable(bool writable) { m_writable = writable; }
    bool writable() const { return m_writable; }

    // LOG/WRITE_LOGFILE: anything but "ON" stops file logging.
    void setWriteLogFile(bool on) { m_writeLogFile = on; }
    bool writeLogFile() const { return m_writeLogFile; }

    // _EXIT_LOG: while on, nothing is logged at all.
    void setExitLog(bool on) { m_exitLog = on; }
    bool exitLog() const { return m_exitLog; }

    // toMemo: 0 none, > 0 append, < 0 clear then append.
    // toFile: 0 none, > 0 append, < 0 apply the half-day rule, then append.
    void Log(const QString& source, int toMemo, const QString& text, int toFile);
    void Log(int toMemo, const QString& text, int toFile) { Log(QString(), toMemo, text, toFile); }

    // First line of a run: applies the start age rule, then appends text +
    // " oncreate ProcessID=" + pid regardless of the switches.
    void writeStartLine(const QString& text, qint64 processId);
    // Lines of the single-instance check: text + " ProcessID=" + pid, regardless of the switches.
    void writeSingleInstanceLine(const QString& text, qint64 processId);

    // Double-click on the memo: clears it, toggles _EXIT_LOG, returns the new hint text.
    QString toggleExitLog();

    // Appends one line (ANSI, CR LF) to a file, creating it when missing.
    // Returns false with "Logfilename ist leer" for an empty name.
    static bool appendLine(const QString& fileName, const QString& line, QString* error = nullptr);

    // "dd.mm.yyyy hh:nn:ss", the stamp most lines carry.
    static QString stamp(const QDateTime& time);
    QString stampNow() const;

Q_SIGNALS:
    void memoCleared();
    void memoAppended(const QString& line);

private:
    bool deleteLogIf(bool outdated);
    // One line of Log() into the log file, which stays open between lines.
    void writeLine(const QString& line);

    const Clock& m_clock;
    QString m_logFile;
    // Opened at the first line, unbuffered: every line is in the file when
    // Log() returns. Reopened when the file was removed or renamed.
    QFile m_open;
    bool m_writable = true;
    bool m_writeLogFile = true;
    bool m_exitLog = false;
};
