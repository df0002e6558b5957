#pragma once

#include <QString>

// The server's table of error codes (203 entries, in the server's order).
struct ErrorTableEntry {
    int code;
    const char16_t* text;
};

namespace ErrorTable {

// Text of the first entry with this code; "Fehler nicht gefunden!" when none.
QString GetErrorText(int code);

// The whole table in order, for tests and the server.
const ErrorTableEntry* entries();
int entryCount();

} // namespace ErrorTable
