#pragma once

#include "import/statistikliste.h"
#include "services/statisticsservice.h"

#include <QString>

class Clock;
class Logger;
class Session;
struct ClientServices;

// The usage statistics of the client: the events of a run, uploaded to the
// server (305) at fixed moments and kept in a local CSV file beside the
// program when the run cannot send them; the next first login sends and
// deletes that file. Failures are logged, never shown.
class UsageStatistics final : public StatisticsService {
public:
    UsageStatistics(Logger& log, Clock& clock, Session& session, const ClientServices& services);

    // Stores an event: time (the server's when it answers), optionally the
    // article's stock, cuts and completion, one event per draft line.
    void log_statistik(TStatistik e, bool mitBestand, const QString& kdnr);
    // Writes the events into csvDatei (when given), uploads them (with
    // senden) and empties the list, whatever happened.
    void send_statistik(const QString& csvDatei, bool senden);
    // Reads the local file of the logged-in user back into the list; sends
    // it when every line was good, and deletes the file with loeschen.
    void read_statistik_fromcsv(bool senden, bool loeschen);

    // Program folder + customer number + "_" + user + ".csv".
    QString localFile() const;
    const StatistikListe& liste() const { return m_liste; }

    // --- StatisticsService
    void record(const TStatistik& event) override;
    void recordDraft(const StatistikEvent& event) override;
    void recordProgramLogin() override;
    void recordLoginInfo(int kladdenZahl) override;
    void recordNoInternet(const QString& statusText) override;
    void recordProgramEnd() override;
    void send() override;
    void saveLocally(const QString& info) override;

private:
    QString kdnr(const TStatistik& e) const;
    QString localNow() const;
    // Appends the events to the file, or starts it; false when it could not be written.
    bool writeFile(const QString& name, const StatistikListe& liste);
    void log(const QString& text);

    Logger& m_log;
    Clock& m_clock;
    Session& m_session;
    const ClientServices& m_services;
    StatistikListe m_liste;
    // The result of the last server-time request of log_statistik.
    int m_timeResult = 0;
    // A server-time request is under way: an event recorded meanwhile (the
    // connection lost over SOAP) keeps the local time.
    bool m_askingTime = false;
    bool m_ended = false;
};
