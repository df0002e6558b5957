#pragma once

#include "model/clientrecords.h"
#include "services/statistikevent.h"

// Usage statistics.
class StatisticsService {
public:
    virtual ~StatisticsService() = default;

    // One event of the quick search; _Aktion and _Info are set, the rest as far as known.
    virtual void record(const TStatistik& event) = 0;
    // One event of the draft grid: the name is its info text, the record's
    // own info text (the row) goes with the details.
    virtual void recordDraft(const StatistikEvent& event) = 0;
    // "Programm-Login": the first login of the run.
    virtual void recordProgramLogin() = 0;
    // "Login-Info" after the draft order is loaded.
    virtual void recordLoginInfo(int kladdenZahl) = 0;
    // "Internetverbindung" (kind 53): the connection is lost; the file is sent.
    virtual void recordNoInternet(const QString& statusText) = 0;
    // "Programm-Ende" (kind 12) when the window closes after a login, and the upload.
    virtual void recordProgramEnd() = 0;
    // The events recorded so far to the server now (after a booking, ...).
    virtual void send() = 0;
    // save_counter on the way to the program end: the events into the local file.
    virtual void saveLocally(const QString& info) = 0;
};
