#pragma once

#include "grid/stringgrid.h"
#include "order/draftsettings.h"
#include "order/vkklrow.h"

#include <QString>

class ArticleResolver;
class Clock;
class CustomerData;
class Dialogs;
class Ending;
class Logger;
class ServerLink;
struct ClientServices;

// The seams the draft order works with.
struct DraftSeams {
    Logger& log;
    Dialogs& dialogs;
    Clock& clock;
    Ending& ending;
};

// What the parts of the draft order share: the grid sgVKKL and its shadow
// sgVKKLState, the link, the seams, the settings and the services. The
// draft order owns it; its cell actions and line operations work on it.
struct DraftContext {
    DraftContext(ServerLink& link, const ClientServices& services, DraftSeams seams);

    ServerLink& link;
    const ClientServices& services;
    DraftSeams s;
    DraftSettings settings;
    // Addresses, branches and delivery codes of the logged-in customer.
    const CustomerData* customer = nullptr;
    // The quick search, for articles typed into the grid.
    ArticleResolver* resolver = nullptr;
    StringGrid grid;
    StringGrid shadow;
    // A new line is being created: a failed creation must not ask for another.
    bool creatingLine = false;
    // The co-sale question of the order mark is open.
    bool mitverkaufFrage = false;

    int column(const QString& header) const { return grid.column(header); }
    bool isLastRow(int row) const { return row == grid.rowCount() - 1; }
    void log(const QString& text) const;
    // The outside warehouse's name of a row, in both grids: the client keeps
    // it while the line is served from outside.
    void setExterneFiliale(int row, const QString& text);
    // A usage-statistics event of a row: article, line key, quantity and
    // branch; info defaults to "ROW=%d TOTAL=%d", info2 is a second detail.
    void record(int aktion, const QString& name, int row, const QString& info = QString(),
                const QString& info2 = QString()) const;
    // Logged, and shown when messages are enabled.
    void report(const QString& text, bool force = false) const;
    // Delivery text of a code on a branch, from the customer's delivery codes.
    QString deliveryText(const QString& code, const QString& filiale) const;
    // How a server line becomes the cells of a row.
    VkklRow::Context rowContext() const;
};
