#pragma once

#include <QStringList>

#include <functional>

class Logger;

// The counter list of a run, kept in the ".cnt" file beside the executable
// until the next login reads it, and the once-per-run local save of the
// usage statistics on the way to the program end.
class CounterFile {
public:
    CounterFile(Logger& log, const QString& fileName);

    QString fileName() const { return m_fileName; }

    // Saves the list when it is given and not empty; then, once per run, the
    // statistics through the hook (which adds the record of kind 100).
    void save_counter(const QString& info, const QStringList* liste);

    // Reads and deletes the file of the last run.
    QStringList takeLastRun();

    // Set by the statistics once they exist; receives the info text.
    std::function<void(const QString&)> saveStatistics;

private:
    Logger& m_log;
    QString m_fileName;
    bool m_statisticsSaved = false;
};
