#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// Faults that tests switch on per request code, so that every failure path of
// the client can be reached against a real server.
//   delay=MS       answer only after MS milliseconds (a large value makes the server silent)
//   close          drop the connection instead of answering
//   garbage=TEXT   send TEXT where the byte count belongs
//   error=TEXT     answer with an error line (TCP) or a SOAP fault (SOAP)
//   soapcode=N     SOAP only: answer normally, but with ErrorCode N (-3 asks
//                  the client to use its backup URL, -4 refuses it)
// Given on the command line as --fault CODE:KIND[=VALUE], repeatable.
struct Fault {
    int delayMs = 0;
    bool close = false;
    QString garbageCount;
    QString errorLine;
    std::optional<int> soapErrorCode;
    bool isSet() const {
        return delayMs > 0 || close || !garbageCount.isEmpty() || !errorLine.isEmpty() ||
               soapErrorCode.has_value();
    }
};

class FaultTable {
public:
    // Parses "CODE:KIND[=VALUE]"; false with a message for a malformed switch.
    bool add(const QString& spec, QString* error = nullptr);
    Fault forCode(const QString& code) const { return m_faults.value(code); }
    bool isEmpty() const { return m_faults.isEmpty(); }

private:
    QHash<QString, Fault> m_faults;
};
