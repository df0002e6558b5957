#pragma once

#include "model/clientrecords.h"
#include "services/statistikevent.h"

// Usage statistics.
class StatisticsService {
public:
    virtual ~StatisticsService() = default;

    // One event of the quick search; _Aktion and _Info are set, the rest as far as known.
    virtual void record(const TStatistik& event) = 0;
    // One event of the draft grid.
    virtual void recordDraft(const StatistikEvent& event) = 0;
    // "Programm-Login": the first login of the run.
    virtual void recordProgramLogin() = 0;
    // "Login-Info" after the draft order is loaded.
    virtual void recordLoginInfo(int kladdenZahl) = 0;
    // "Internetverbindung" (kind 53): the connection is lost; the file is sent.
    virtual void recordNoInternet(const QString& statusText) = 0;
};
