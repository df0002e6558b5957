#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QThread>

class QTcpServer;
class QTcpSocket;

// A TCP peer on loopback that plays a script: it records every byte the
// client sends and answers with canned bytes, written in separate chunks.
// It runs in its own thread because the client blocks its thread while it
// waits for an answer.
class ScriptedPeer : public QObject {
    Q_OBJECT
public:
    struct Step {
        // Wait until this many bytes arrived since the previous step (0: at once).
        qsizetype expectBytes = 0;
        // Written one after another, each flushed on its own.
        QList<QByteArray> chunks;
        int delayMs = 0;
        bool close = false; // close the connection after the chunks
    };

    ScriptedPeer();
    ~ScriptedPeer() override;

    // Listens on 127.0.0.1 (ephemeral port) and plays the script on the first connection.
    quint16 start(const QList<Step>& script);
    QByteArray received() const;
    // Bytes received after the given offset, for checking one request at a time.
    QByteArray receivedFrom(qsizetype offset) const { return received().mid(offset); }

    // Splits bytes into pieces of at most size bytes.
    static QList<QByteArray> chunked(const QByteArray& bytes, int size);

private:
    void startInThread(const QList<Step>& script, quint16* port);
    void onReadyRead();
    void play();

    QThread m_thread;
    QTcpServer* m_server = nullptr;
    QTcpSocket* m_socket = nullptr;
    QList<Step> m_script;
    qsizetype m_stepStart = 0;
    bool m_waiting = false;
    mutable QMutex m_mutex;
    QByteArray m_received;
};
