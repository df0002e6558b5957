#include "link/soapenvelope.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kEnvNs = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");
const QString kEncNs = QStringLiteral("http://schemas.xmlsoap.org/soap/encoding/");
const QString kXsdNs = QStringLiteral("http://www.w3.org/2001/XMLSchema");
const QString kXsiNs = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

bool isXmlChar(char16_t c) {
    return c == u'\t' || c == u'\n' || c >= 0x20;
}

// XML readers turn CR LF into LF; the request lines need their CR LF, so a CR
// travels as a character reference. Other control characters cannot be
// written in XML 1.0 and are left out.
void writeText(QXmlStreamWriter& w, const QString& text) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\r' || !isXmlChar(c)) {
            if (i > start)
                w.writeCharacters(text.mid(start, i - start));
            if (c == u'\r')
                w.writeEntityReference(QStringLiteral("#13"));
            start = i + 1;
        }
    }
    if (start < text.size())
        w.writeCharacters(text.mid(start));
}

void startEnvelope(QXmlStreamWriter& w) {
    w.writeStartDocument();
    w.writeNamespace(kEnvNs, QStringLiteral("SOAP-ENV"));
    w.writeNamespace(kXsdNs, QStringLiteral("xsd"));
    w.writeNamespace(kXsiNs, QStringLiteral("xsi"));
    w.writeNamespace(kEncNs, QStringLiteral("SOAP-ENC"));
    w.writeStartElement(kEnvNs, QStringLiteral("Envelope"));
    w.writeStartElement(kEnvNs, QStringLiteral("Body"));
}

} // namespace

bool SoapMessage::has(const QString& name) const {
    for (const SoapPart& p : parts)
        if (p.name == name)
            return true;
    return false;
}

QString SoapMessage::value(const QString& name) const {
    for (const SoapPart& p : parts)
        if (p.name == name)
            return p.value;
    return QString();
}

QString SoapMessage::href(const QString& name) const {
    for (const SoapPart& p : parts)
        if (p.name == name)
            return p.href;
    return QString();
}

void SoapMessage::addString(const QString& name, const QString& text) {
    parts.append({name, QStringLiteral("xsd:string"), text, QString()});
}

void SoapMessage::addInt(const QString& name, int number) {
    parts.append({name, QStringLiteral("xsd:int"), QString::number(number), QString()});
}

QString SoapEnvelope::serviceNamespace() {
    return QStringLiteral("urn:QTX_SoapServerIntf-IQTX_SoapServer");
}

QByteArray SoapEnvelope::soapAction(const QString& operation) {
    return (serviceNamespace() + QLatin1Char('#') + operation).toUtf8();
}

QByteArray SoapEnvelope::write(const SoapMessage& message) {
    if (message.isFault)
        return writeFault(message.faultCode, message.faultString);
    QByteArray out;
    QXmlStreamWriter w(&out);
    startEnvelope(w);
    w.writeAttribute(kEnvNs, QStringLiteral("encodingStyle"), kEncNs);
    w.writeNamespace(serviceNamespace(), QStringLiteral("NS1"));
    w.writeStartElement(serviceNamespace(), message.operation);
    for (const SoapPart& p : message.parts) {
        w.writeStartElement(p.name);
        if (!p.href.isEmpty()) {
            w.writeAttribute(QStringLiteral("href"), p.href);
        } else {
            if (!p.type.isEmpty())
                w.writeAttribute(kXsiNs, QStringLiteral("type"), p.type);
            writeText(w, p.value);
        }
        w.writeEndElement();
    }
    w.writeEndDocument();
    return out;
}

QByteArray SoapEnvelope::writeFault(const QString& faultCode, const QString& faultString) {
    QByteArray out;
    QXmlStreamWriter w(&out);
    startEnvelope(w);
    w.writeStartElement(kEnvNs, QStringLiteral("Fault"));
    w.writeStartElement(QStringLiteral("faultcode"));
    writeText(w, faultCode.isEmpty() ? QStringLiteral("SOAP-ENV:Server") : faultCode);
    w.writeEndElement();
    w.writeStartElement(QStringLiteral("faultstring"));
    writeText(w, faultString);
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

bool SoapEnvelope::read(const QByteArray& xml, SoapMessage* message, QString* error) {
    *message = SoapMessage();
    QXmlStreamReader r(xml);
    auto fail = [&](const QString& why) {
        if (error)
            *error = r.hasError()
                         ? QStringLiteral("%1 (%2, Zeile %3)").arg(why, r.errorString()).arg(r.lineNumber())
                         : why;
        return false;
    };
    if (!r.readNextStartElement() || r.name() != u"Envelope" || r.namespaceUri() != kEnvNs)
        return fail(QStringLiteral("Keine SOAP-Nachricht"));
    bool bodyFound = false;
    while (r.readNextStartElement()) {
        if (r.name() == u"Body" && r.namespaceUri() == kEnvNs) {
            bodyFound = true;
            break;
        }
        r.skipCurrentElement();
    }
    if (!bodyFound || !r.readNextStartElement())
        return fail(QStringLiteral("SOAP-Body fehlt"));

    if (r.name() == u"Fault" && r.namespaceUri() == kEnvNs) {
        message->isFault = true;
        while (r.readNextStartElement()) {
            const QString name = r.name().toString();
            const QString text = r.readElementText(QXmlStreamReader::IncludeChildElements);
            if (name == u"faultcode")
                message->faultCode = text;
            else if (name == u"faultstring")
                message->faultString = text;
        }
    } else {
        message->operation = r.name().toString();
        while (r.readNextStartElement()) {
            SoapPart part;
            part.name = r.name().toString();
            const QXmlStreamAttributes attributes = r.attributes();
            part.type = attributes.value(kXsiNs, QStringLiteral("type")).toString();
            part.href = attributes.value(QStringLiteral("href")).toString();
            part.value = r.readElementText(QXmlStreamReader::IncludeChildElements);
            message->parts.append(part);
        }
    }
    if (r.hasError())
        return fail(QStringLiteral("SOAP-Nachricht nicht lesbar"));
    return true;
}
