#pragma once

#include "link/soapnetwork.h"

#include <QObject>

#include <functional>

class QNetworkAccessManager;

// Lives on the network thread and owns its QNetworkAccessManager.
class SoapNetworkWorker final : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void()>;

    // Starts the exchange; done runs on the network thread once it is filled in.
    void start(HttpExchange* exchange, Done done);

private:
    QNetworkAccessManager* m_manager = nullptr;
};
