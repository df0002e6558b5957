#pragma once

// The client as main.cpp builds it, through the composition root, with the
// test doubles of the seams and an INI that points at a test's qtx-server.

#include "app/ui/clientcomposition.h"
#include "app/ui/qtxmainform.h"
#include "fakes.h"
#include "model/clientrecords.h"
#include "services/notbuilt.h"
#include "session/lokalini.h"
#include "session/session.h"
#include "soapserverprocess.h"

#include <QStringList>

#include <memory>

class DraftGridView;
class QLineEdit;
class ServerLink;

struct ClientRig : FakeSeams {
    std::unique_ptr<ClientComposition> client;
    TQTXMainForm* form = nullptr;
    QStringList logLines;

    // The INI reaches the server on the transport; automatic login off.
    ClientRig(const SoapServerProcess& server, bool soap);
    ~ClientRig();

    void writeIni(const QString& section, const QString& key, const QString& value);
    // Start-up through the composition root; false when the program ended.
    bool start();
    // The login fields and a click on "btLogin"; true when logged in.
    bool login(const QString& kdnr = QStringLiteral("10000"), const QString& user = QStringLiteral("DEMO"),
               const QString& password = QStringLiteral("demo"));
    // Shows the main window at a size the grids fit in and waits until it is active.
    bool showWindow();
    // start(), login() and showWindow(), with no box left from the login.
    bool openShop();
    // Deletes the open lines of 10000/DEMO on the server, with a login of its own.
    static bool clearDraft(const SoapServerProcess& server);
    // Runs one statement on the server's database beside the running server;
    // the first value of its answer, and *ok whether it ran.
    static QString serverSql(const SoapServerProcess& server, const QString& sql,
                             const QStringList& binds = {}, bool* ok = nullptr);
    // The last lines of the log, for a failure message.
    QString lastLog(int lines = 40) const;
    // The texts of the boxes shown, joined.
    QString boxes() const;

    template <typename T> T* child(const QString& name) const { return form->findChild<T*>(name); }
    DraftGridView* grid() const;
    ServerLink& link() const;

    // What the view shows in a cell of a grid row.
    QString shown(const QString& header, int row) const;
    int rows() const;
    // The open lines on the server, read past the client's answer cache.
    TVerkaufskladdeArray serverLines() const;
    TVerkaufskladde serverLine(int row) const;
    // Deliverable demo articles: not blocked, booking group neither "0" nor
    // phone-only, technical unit 1.
    QStringList articles(const QString& searchText) const;
    QString bezeichnung(const QString& nummer) const;

    // Puts the cell cursor on a cell, opens its editor by Enter and returns it.
    QLineEdit* openEditor(const QString& header, int row);
    // Types a text into a cell's editor and commits it with a key.
    bool typeIntoCell(const QString& header, int row, const QString& text, Qt::Key key = Qt::Key_Return);
    // A login setting of customer 10000 / DEMO on the server, and its removal.
    static bool setOption(const SoapServerProcess& server, const QString& key, const QString& value);
    static void clearOption(const SoapServerProcess& server, const QString& key);
    // Types an article number into a row and waits until the row shows it.
    bool enterArticle(int row, const QString& nummer);
};

// Another login of the same user beside the window, as from a second PC.
struct SecondLogin : FakeSeams {
    NotBuiltServices notBuilt;
    ClientServices services = notBuilt.services();
    LokalIni ini{beside(QStringLiteral(".ini"))};
    Session session;

    explicit SecondLogin(const SoapServerProcess& server);
    bool login();
    // Inserts a draft line behind the window's back; its key, empty on failure.
    QString insertLine(const QString& artikel = {}, const QString& menge = QStringLiteral("0"));
};
