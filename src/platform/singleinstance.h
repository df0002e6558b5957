#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One running client per executable. The first instance holds a lock file
// named after the executable path and listens on a local socket; a second
// instance finds the lock taken and hands its request over through the
// socket: the import message "QTX_CLIENT_Import_Message" with the catalogue
// ID, or a request to come to the front.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr const char* importMessageName = "QTX_CLIENT_Import_Message";

    explicit SingleInstance(const QString& executablePath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The executable path with every path separator replaced by "-".
    static QString semaphoreName(const QString& executablePath);

    // True when no other instance runs; this instance then listens for hand-overs.
    bool acquire();
    bool isPrimary() const { return m_primary; }

    // From a second instance: each waits at most timeoutMs for delivery.
    bool sendImportMessage(int wParam, int lParam, int timeoutMs = 250);
    bool sendActivate(int timeoutMs = 250);

Q_SIGNALS:
    void importMessageReceived(int wParam, int lParam);
    void activateRequested();

private:
    bool send(const QByteArray& line, int timeoutMs);
    void readClient();

    QString m_name;
    QString m_socketName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    bool m_primary = false;
};
