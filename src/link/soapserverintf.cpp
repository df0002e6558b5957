#include "link/soapserverintf.h"

IQTX_SoapServer::IQTX_SoapServer(SoapNetwork& network)
    : m_client(network) {}

bool IQTX_SoapServer::invoke(const SoapMessage& request, SoapCallResult* answer, QString* exception) {
    *answer = m_client.call(request, m_readTimeoutMs);
    if (answer->raised) {
        if (exception)
            *exception = answer->exceptionText;
        return false;
    }
    const QString expected = request.operation + QStringLiteral("Response");
    if (answer->response.operation != expected) {
        if (exception)
            *exception = QStringLiteral("Unerwartete SOAP-Antwort \"%1\" statt \"%2\"")
                             .arg(answer->response.operation, expected);
        return false;
    }
    return true;
}

bool IQTX_SoapServer::TimeStamp(const QString& ID, QString* result, QString* exception) {
    SoapMessage m;
    m.operation = QStringLiteral("TimeStamp");
    m.addString(QStringLiteral("ID"), ID);
    SoapCallResult a;
    if (!invoke(m, &a, exception))
        return false;
    *result = a.response.value(QStringLiteral("return"));
    return true;
}

bool IQTX_SoapServer::get_file(const QString& Filename, QString& ErrorMessage, QByteArray* file,
                               QString* exception) {
    SoapMessage m;
    m.operation = QStringLiteral("get_file");
    m.addString(QStringLiteral("Filename"), Filename);
    m.addString(QStringLiteral("ErrorMessage"), ErrorMessage);
    SoapCallResult a;
    if (!invoke(m, &a, exception))
        return false;
    ErrorMessage = a.response.value(QStringLiteral("ErrorMessage"));
    *file = a.attachment;
    return true;
}

bool IQTX_SoapServer::clientInfoCall(const QString& operation, const QString& ClientInfo, QString& Antwort,
                                     int* result, QString* exception) {
    SoapMessage m;
    m.operation = operation;
    m.addString(QStringLiteral("ClientInfo"), ClientInfo);
    m.addString(QStringLiteral("Antwort"), Antwort);
    SoapCallResult a;
    if (!invoke(m, &a, exception))
        return false;
    Antwort = a.response.value(QStringLiteral("Antwort"));
    bool ok = false;
    *result = a.response.value(QStringLiteral("return")).trimmed().toInt(&ok);
    if (!ok) {
        if (exception)
            *exception = QStringLiteral("\"%1\" ist keine gültige Ganzzahl")
                             .arg(a.response.value(QStringLiteral("return")));
        return false;
    }
    return true;
}

bool IQTX_SoapServer::get_connection(const QString& ClientInfo, QString& Antwort, int* result,
                                     QString* exception) {
    return clientInfoCall(QStringLiteral("get_connection"), ClientInfo, Antwort, result, exception);
}

bool IQTX_SoapServer::get_settings(const QString& ClientInfo, QString& Antwort, int* result,
                                   QString* exception) {
    return clientInfoCall(QStringLiteral("get_settings"), ClientInfo, Antwort, result, exception);
}

bool IQTX_SoapServer::StandardRequest(QString& SourceID, const QString& Request, int& ErrorCode,
                                      QString& ErrorMessage, QString* result, QString* exception) {
    SoapMessage m;
    m.operation = QStringLiteral("StandardRequest");
    m.addString(QStringLiteral("SourceID"), SourceID);
    m.addString(QStringLiteral("Request"), Request);
    m.addInt(QStringLiteral("ErrorCode"), ErrorCode);
    m.addString(QStringLiteral("ErrorMessage"), ErrorMessage);
    SoapCallResult a;
    if (!invoke(m, &a, exception))
        return false;
    const QString code = a.response.value(QStringLiteral("ErrorCode")).trimmed();
    bool ok = code.isEmpty();
    const int number = code.toInt(&ok);
    if (!code.isEmpty() && !ok) {
        if (exception)
            *exception = QStringLiteral("\"%1\" ist keine gültige Ganzzahl").arg(code);
        return false;
    }
    SourceID = a.response.value(QStringLiteral("SourceID"));
    ErrorCode = code.isEmpty() ? 0 : number;
    ErrorMessage = a.response.value(QStringLiteral("ErrorMessage"));
    *result = a.response.value(QStringLiteral("return"));
    return true;
}
