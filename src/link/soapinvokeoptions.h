#pragma once

#include <QString>

// SOAP_INVOKE_OPTIONS: five "0"/"1" characters. Any other length leaves all off.
struct SoapInvokeOptions {
    bool noValueForEmptySoapAction = false;  // 1: "SOAPAction:" without a value when it is empty
    bool ignoreInvalidCertificates = false;  // 2
    bool noSoapActionHeader = false;         // 3
    bool checkAccessPointByUddi = false;     // 4: no UDDI registry here; kept for the log
    bool pickFirstClientCertificate = false; // 5: no client certificates configured; kept for the log

    static SoapInvokeOptions fromString(const QString& text) {
        SoapInvokeOptions o;
        if (text.size() != 5)
            return o;
        auto on = [&](int i) { return text.at(i) == QLatin1Char('1'); };
        o.noValueForEmptySoapAction = on(0);
        o.ignoreInvalidCertificates = on(1);
        o.noSoapActionHeader = on(2);
        o.checkAccessPointByUddi = on(3);
        o.pickFirstClientCertificate = on(4);
        return o;
    }

    QString toString() const {
        auto c = [](bool b) { return b ? QLatin1Char('1') : QLatin1Char('0'); };
        return QString() + c(noValueForEmptySoapAction) + c(ignoreInvalidCertificates) +
               c(noSoapActionHeader) + c(checkAccessPointByUddi) + c(pickFirstClientCertificate);
    }
};
