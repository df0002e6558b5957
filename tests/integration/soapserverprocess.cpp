#include "soapserverprocess.h"

#include <QRegularExpression>

SoapServerProcess::~SoapServerProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool SoapServerProcess::start(const QStringList& arguments) {
    const QString binary = qEnvironmentVariable("QTX_BINARY_DIR") + QStringLiteral("/bin/qtx-server");
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(
        binary, QStringList{QStringLiteral("--db"), m_dir.filePath(QStringLiteral("server.sqlite")),
                            QStringLiteral("--tcp-port"), QStringLiteral("0"), QStringLiteral("--soap-port"),
                            QStringLiteral("0"), QStringLiteral("--print-ports")} +
                    arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = binary + QStringLiteral(": ") + m_process.errorString();
        return false;
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000)) {
            m_error = QString::fromLocal8Bit(m_process.readAllStandardError());
            return false;
        }
    }
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    static const QRegularExpression ports(QStringLiteral("^tcp=(\\d+) soap=(\\d+)$"));
    const QRegularExpressionMatch m = ports.match(line);
    if (!m.hasMatch()) {
        m_error = QStringLiteral("unexpected first line \"%1\"").arg(line);
        return false;
    }
    m_tcpPort = quint16(m.captured(1).toUInt());
    m_soapPort = quint16(m.captured(2).toUInt());
    return true;
}

QString SoapServerProcess::soapUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer").arg(m_soapPort);
}
