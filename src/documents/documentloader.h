#pragma once

#include "documents/documenttable.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <QStringList>

class Dialogs;
class Logger;
class ServerLink;
class StringGrid;

// One query of the "Belege" tab: what is asked and how.
struct DocumentQuery {
    int kind = -1;
    QString number;
    int mode = 1; // 1 date range, 2 by number (every line load)
    QDate from;
    QDate to;
    bool allLines = true;                     // line loads: "0" all lines, "2" article lines only
    QString customer;                         // NUMMER of the logged-in customer
    QString durchfakturierer;                 // booking lines: the collective-invoice customer
    QString deliveryAddress;                  // booking lines: the field's text; empty or negative: all
    QString outputType = QStringLiteral("3"); // backorders
};

// The one loader of every document kind: it asks the server, decodes the
// answer into the arrays and fills the grid with its header, rows and widths.
class DocumentLoader {
public:
    struct Result {
        int count = -1;      // what the server reported; -1 when no answer came
        int dateColumn = -1; // the kind's date column; not negative: focus the heads
        bool failed = false; // the request failed
        QString hint;
    };

    DocumentLoader(Logger& log, Dialogs& dialogs, ServerLink& link);

    // The parameter lines of a kind's request.
    static QStringList parameters(const DocumentQuery& query);
    // A date as the requests write it: day.month.year.
    static QString dateText(const QDate& date);

    // LadeBelege; showErrors follows the message level (kind 101 always shows).
    Result LadeBelege(StringGrid& grid, const DocumentQuery& query, const DocumentOptions& options,
                      bool showErrors);

    // Fills a grid with a decoded table: header, rows, the widths of the
    // visible columns from the font and 0 for the others.
    static void fill(StringGrid& grid, const DocumentTable& table, const QFont& font, bool tightWidths);

    DocumentArrays& arrays() { return m_arrays; }
    const DocumentArrays& arrays() const { return m_arrays; }
    void setFont(const QFont& font) { m_font = font; }
    const QFont& font() const { return m_font; }

private:
    Logger& m_log;
    Dialogs& m_dialogs;
    ServerLink& m_link;
    DocumentArrays m_arrays;
    QFont m_font;
};
