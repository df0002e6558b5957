#include "link/soapnetwork.h"

#include "link/keptalivehttp.h"
#include "link/soapnetworkworker.h"

#include <QThread>

#include <future>

SoapNetwork::SoapNetwork()
    : m_http(std::make_unique<KeptAliveHttp>())
    , m_thread(new QThread)
    , m_worker(new SoapNetworkWorker) {
    m_thread->setObjectName(QStringLiteral("SoapNetwork"));
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

SoapNetwork::~SoapNetwork() {
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void SoapNetwork::execute(HttpExchange& exchange) {
    if (KeptAliveHttp::takes(exchange)) {
        m_http->post(exchange);
        return;
    }
    std::promise<void> finished;
    std::future<void> result = finished.get_future();
    QMetaObject::invokeMethod(
        m_worker,
        [this, &exchange, &finished] { m_worker->start(&exchange, [&finished] { finished.set_value(); }); },
        Qt::QueuedConnection);
    result.wait();
}
