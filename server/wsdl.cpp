#include "wsdl.h"

#include "link/soapenvelope.h"

#include <QList>
#include <QXmlStreamWriter>

namespace {

const QString kWsdl = QStringLiteral("http://schemas.xmlsoap.org/wsdl/");
const QString kSoap = QStringLiteral("http://schemas.xmlsoap.org/wsdl/soap/");
const QString kMime = QStringLiteral("http://schemas.xmlsoap.org/wsdl/mime/");
const QString kXsd = QStringLiteral("http://www.w3.org/2001/XMLSchema");
const QString kEnc = QStringLiteral("http://schemas.xmlsoap.org/soap/encoding/");

struct Param {
    QString name;
    QString type;
};

struct Operation {
    QString name;
    QList<Param> in;
    QList<Param> out; // "return" first, then the in/out parameters
    bool attachment = false;
};

QList<Operation> operations() {
    const QString s = QStringLiteral("xs:string");
    const QString i = QStringLiteral("xs:int");
    return {
        {QStringLiteral("TimeStamp"), {{QStringLiteral("ID"), s}}, {{QStringLiteral("return"), s}}, false},
        {QStringLiteral("get_file"),
         {{QStringLiteral("Filename"), s}, {QStringLiteral("ErrorMessage"), s}},
         {{QStringLiteral("return"), QStringLiteral("xs:base64Binary")}, {QStringLiteral("ErrorMessage"), s}},
         true},
        {QStringLiteral("get_connection"),
         {{QStringLiteral("ClientInfo"), s}, {QStringLiteral("Antwort"), s}},
         {{QStringLiteral("return"), i}, {QStringLiteral("Antwort"), s}},
         false},
        {QStringLiteral("get_settings"),
         {{QStringLiteral("ClientInfo"), s}, {QStringLiteral("Antwort"), s}},
         {{QStringLiteral("return"), i}, {QStringLiteral("Antwort"), s}},
         false},
        {QStringLiteral("StandardRequest"),
         {{QStringLiteral("SourceID"), s},
          {QStringLiteral("Request"), s},
          {QStringLiteral("ErrorCode"), i},
          {QStringLiteral("ErrorMessage"), s}},
         {{QStringLiteral("return"), s},
          {QStringLiteral("SourceID"), s},
          {QStringLiteral("ErrorCode"), i},
          {QStringLiteral("ErrorMessage"), s}},
         false},
    };
}

void writeMessage(QXmlStreamWriter& w, const QString& name, const QList<Param>& params) {
    w.writeStartElement(kWsdl, QStringLiteral("message"));
    w.writeAttribute(QStringLiteral("name"), name);
    for (const Param& p : params) {
        w.writeEmptyElement(kWsdl, QStringLiteral("part"));
        w.writeAttribute(QStringLiteral("name"), p.name);
        w.writeAttribute(QStringLiteral("type"), p.type);
    }
    w.writeEndElement();
}

void writeSoapBody(QXmlStreamWriter& w) {
    w.writeEmptyElement(kSoap, QStringLiteral("body"));
    w.writeAttribute(QStringLiteral("use"), QStringLiteral("encoded"));
    w.writeAttribute(QStringLiteral("encodingStyle"), kEnc);
    w.writeAttribute(QStringLiteral("namespace"), SoapEnvelope::serviceNamespace());
}

} // namespace

QByteArray Wsdl::document(const QString& endpointUrl) {
    const QString ns = SoapEnvelope::serviceNamespace();
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeNamespace(kWsdl, QStringLiteral("wsdl"));
    w.writeNamespace(kSoap, QStringLiteral("soap"));
    w.writeNamespace(kMime, QStringLiteral("mime"));
    w.writeNamespace(kXsd, QStringLiteral("xs"));
    w.writeNamespace(ns, QStringLiteral("tns"));
    w.writeStartElement(kWsdl, QStringLiteral("definitions"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("IQTX_SoapServerservice"));
    w.writeAttribute(QStringLiteral("targetNamespace"), ns);

    const QList<Operation> ops = operations();
    for (const Operation& op : ops) {
        writeMessage(w, op.name + QStringLiteral("0Request"), op.in);
        writeMessage(w, op.name + QStringLiteral("0Response"), op.out);
    }

    w.writeStartElement(kWsdl, QStringLiteral("portType"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("IQTX_SoapServer"));
    for (const Operation& op : ops) {
        w.writeStartElement(kWsdl, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("name"), op.name);
        w.writeEmptyElement(kWsdl, QStringLiteral("input"));
        w.writeAttribute(QStringLiteral("message"),
                         QStringLiteral("tns:") + op.name + QStringLiteral("0Request"));
        w.writeEmptyElement(kWsdl, QStringLiteral("output"));
        w.writeAttribute(QStringLiteral("message"),
                         QStringLiteral("tns:") + op.name + QStringLiteral("0Response"));
        w.writeEndElement();
    }
    w.writeEndElement();

    w.writeStartElement(kWsdl, QStringLiteral("binding"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("IQTX_SoapServerbinding"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("tns:IQTX_SoapServer"));
    w.writeEmptyElement(kSoap, QStringLiteral("binding"));
    w.writeAttribute(QStringLiteral("style"), QStringLiteral("rpc"));
    w.writeAttribute(QStringLiteral("transport"), QStringLiteral("http://schemas.xmlsoap.org/soap/http"));
    for (const Operation& op : ops) {
        w.writeStartElement(kWsdl, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("name"), op.name);
        w.writeEmptyElement(kSoap, QStringLiteral("operation"));
        w.writeAttribute(QStringLiteral("soapAction"), QString::fromUtf8(SoapEnvelope::soapAction(op.name)));
        w.writeAttribute(QStringLiteral("style"), QStringLiteral("rpc"));
        w.writeStartElement(kWsdl, QStringLiteral("input"));
        writeSoapBody(w);
        w.writeEndElement();
        w.writeStartElement(kWsdl, QStringLiteral("output"));
        if (op.attachment) {
            // The envelope travels as the root part, the file as the next one.
            w.writeStartElement(kMime, QStringLiteral("multipartRelated"));
            w.writeStartElement(kMime, QStringLiteral("part"));
            writeSoapBody(w);
            w.writeEndElement();
            w.writeStartElement(kMime, QStringLiteral("part"));
            w.writeEmptyElement(kMime, QStringLiteral("content"));
            w.writeAttribute(QStringLiteral("part"), QStringLiteral("return"));
            w.writeAttribute(QStringLiteral("type"), QStringLiteral("application/octet-stream"));
            w.writeEndElement();
            w.writeEndElement();
        } else {
            writeSoapBody(w);
        }
        w.writeEndElement();
        w.writeEndElement();
    }
    w.writeEndElement();

    w.writeStartElement(kWsdl, QStringLiteral("service"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("IQTX_SoapServerservice"));
    w.writeStartElement(kWsdl, QStringLiteral("port"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("IQTX_SoapServerPort"));
    w.writeAttribute(QStringLiteral("binding"), QStringLiteral("tns:IQTX_SoapServerbinding"));
    w.writeEmptyElement(kSoap, QStringLiteral("address"));
    w.writeAttribute(QStringLiteral("location"), endpointUrl);
    w.writeEndElement();
    w.writeEndElement();

    w.writeEndDocument();
    return out;
}
