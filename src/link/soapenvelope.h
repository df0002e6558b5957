#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One accessor of an RPC/encoded call or answer: name, xsi:type and text.
// An attachment is referenced by href ("cid:...") instead of a value.
struct SoapPart {
    QString name;
    QString type; // "xsd:string", "xsd:int", ...
    QString value;
    QString href;
};

// One SOAP 1.1 message of IQTX_SoapServer: a call ("StandardRequest"), an
// answer ("StandardRequestResponse") or a fault.
struct SoapMessage {
    QString operation;
    QList<SoapPart> parts;
    bool isFault = false;
    QString faultCode;
    QString faultString;

    bool has(const QString& name) const;
    QString value(const QString& name) const;
    QString href(const QString& name) const;
    void addString(const QString& name, const QString& text);
    void addInt(const QString& name, int number);
};

// Writes and reads the envelopes of IQTX_SoapServer. The client and the
// reference server share this code, so both sides agree on every byte.
class SoapEnvelope {
public:
    static QString serviceNamespace();
    // SOAPAction header value of an operation.
    static QByteArray soapAction(const QString& operation);

    static QByteArray write(const SoapMessage& message);
    static QByteArray writeFault(const QString& faultCode, const QString& faultString);

    // false with a reason when the bytes are no SOAP 1.1 envelope with a body.
    static bool read(const QByteArray& xml, SoapMessage* message, QString* error);
};
