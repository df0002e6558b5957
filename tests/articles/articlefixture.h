#pragma once

#include "articles/articleentry.h"
#include "articles/quicksearch.h"
#include "fakedraftlines.h"
#include "serversession.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "soapserverprocess.h"
#include "support/fakes.h"
#include "support/recordingservices.h"
#include "transportrows.h"

#include <memory>

// Articles the demo data lacks, written into the server's database: blocked
// articles with successors, numbers with blanks, phone-only and "DLP"
// articles, and an article with alternatives of known stock.
bool addSpecialArticles(const SoapServerProcess& server, QString* error);
// The EAN of "ZZBL470".
inline QString testEan() {
    return QStringLiteral("4012345678901");
}

// A logged-in client with the quick search over a fake draft order.
struct ArticleHarness : FakeSeams {
    LokalIni ini{beside(QStringLiteral(".ini"))};
    std::unique_ptr<Session> session;
    FakeDraftLines draft;
    std::unique_ptr<ArticleEntry> entry;
    std::unique_ptr<QuickSearch> search;
    RecordingServices recorder;
    ClientServices services = recorder.services();
    QList<TStatistik>& events = recorder.events;

    ArticleHarness(const SoapServerProcess& server, bool soap);
    bool login(const QString& user = QStringLiteral("DEMO"),
               const QString& password = QStringLiteral("demo"));
    // A new server line in row 1 of the grid; its key.
    QString newLine();
    QString shown() const;
    bool hasEvent(int aktion, const QString& info) const;
};
