#pragma once

#include <QString>

class ServerLink;

// A user option on the server used as a counter or as a rolling list of
// search texts (read_inkrement).
class CountingOption {
public:
    // With an article text the text (first 25 characters) is appended,
    // dropping the oldest entries beyond 3998 characters; without one the
    // stored number goes up by one. The new value, or the write's error text.
    static QString read_inkrement(ServerLink& link, const QString& Schluesselname, const QString& Artikel);
};
