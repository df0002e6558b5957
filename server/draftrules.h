#pragma once

#include "model/clientrecords.h"
#include "model/linevalues.h"
#include "model/vkklrequests.h"

class ServerStore;

// The server's rules for draft lines, kept simple but consistent: a line
// takes its texts and prices from the article, reserves what the chosen
// branch has in stock (ZU_LIEFERN), and reports a refused change in its own
// FEHLERNUMMER/FEHLERTEXT. Booking turns the marked lines into an order.
// Callers run each operation inside one transaction.
class DraftRules {
public:
    explicit DraftRules(ServerStore& store)
        : m_store(store) {}

    struct Outcome {
        int status = 0; // a request-level failure (nothing stored)
        QString error;
        TVerkaufskladde line;
    };

    Outcome insert(const QString& kdnr, const QString& user, const LineValues& values);
    // mask: empty changes every position given; else only those with "1".
    Outcome change(const TVerkaufskladde& current, const LineValues& values, const QString& mask = QString());
    Outcome setField(const TVerkaufskladde& current, const VkklRequests::FieldUpdate& update);
    bool remove(const TVerkaufskladde& line);

    struct Booking {
        int status = 0;
        QString error;
        QString number;
        int lines = 0;
    };
    Booking book(const QString& kdnr, const QString& user, const QString& today);

private:
    // Fills texts, prices and stock from the article; sets FEHLERNUMMER/-TEXT.
    void evaluate(TVerkaufskladde& line);
    static void fail(TVerkaufskladde& line, int code, const QString& text);
    // GENERELL_RUECKSTAND_ERLAUBT of the line's customer and user is not "OFF".
    bool backorderAllowed(const TVerkaufskladde& line) const;

    ServerStore& m_store;
};
