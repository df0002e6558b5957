#pragma once

class Clock;
class Dialogs;
class Ending;
class Logger;
class Platform;

// The seams the client's parts are built with: the platform services, the
// log, the dialogs, the ending routines and the clock. Passed by value; the
// composition root owns what they refer to.
struct ClientSeams {
    Platform& platform;
    Logger& log;
    Dialogs& dialogs;
    Ending& ending;
    Clock& clock;
};
