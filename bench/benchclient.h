#pragma once

#include "link/requestbracket.h"
#include "link/requests/customerrequests.h"
#include "link/serverlink.h"
#include "link/tcpconnection.h"
#include "model/modelcontext.h"
#include "platform/logger.h"
#include "support/fakes.h"

#include <QTcpSocket>

// The client's TCP wrapper with the test doubles of its seams, logged in as
// the demo user; one per thread.
struct BenchClient {
    ManualClock clock;
    Logger logger{clock};
    RecordingEnding ending;
    ScriptedDialogs dialogs;
    ModelContext context;
    TcpConnection client;
    RequestBracket bracket{client, logger, ending, clock};
    ServerLink link{client, bracket, logger, clock, ending, dialogs, context};

    bool connectAndLogin(quint16 port) {
        logger.setWriteLogFile(false);
        link.setServerLevel(20);
        client.setHost(QStringLiteral("127.0.0.1"));
        client.setPort(port);
        if (!client.connectToServer(nullptr) || !client.socket())
            return false;
        while (!client.socket()->canReadLine()) {
            if (!client.socket()->waitForReadyRead(5000))
                return false;
        }
        client.socket()->readLine();
        return MyLogin2(link, QStringLiteral("0"), QStringLiteral("10000"), QStringLiteral("DEMO"),
                        QStringLiteral("demo"))
            .ok();
    }
};
