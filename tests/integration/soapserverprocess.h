#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A qtx-server process on ephemeral loopback ports with a temporary database.
class SoapServerProcess {
public:
    SoapServerProcess() = default;
    ~SoapServerProcess();
    SoapServerProcess(const SoapServerProcess&) = delete;
    SoapServerProcess& operator=(const SoapServerProcess&) = delete;

    // Starts the server with extra switches; false with the reason in error().
    bool start(const QStringList& arguments = {});

    quint16 tcpPort() const { return m_tcpPort; }
    quint16 soapPort() const { return m_soapPort; }
    QString soapUrl() const;
    QString error() const { return m_error; }
    QString directory() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_tcpPort = 0;
    quint16 m_soapPort = 0;
    QString m_error;
};
