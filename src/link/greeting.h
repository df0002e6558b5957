#pragma once

#include <QString>

// What the server's greeting line says about it.
struct GreetingInfo {
    QString greeting;     // the line without the "990 ***" and "(4)" prefixes
    QString description;  // connection description, with the note in brackets appended
    QString version;      // four-part version between "(" and ")Willkommen"
    int serverLevel = 0;  // 0, 4, 17 to 20
    bool restart = false; // "990 ***": maintenance restart announced
    bool refused = false; // greeting begins with "X"
};

namespace Greeting {

// Interprets a greeting. description is the connection description before
// the greeting ("ServerIP=... Port=... " or the request URL).
GreetingInfo interpret(const QString& greeting, const QString& description);

} // namespace Greeting
