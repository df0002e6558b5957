#include "link/soapenvelope.h"

#include <QTest>

class TestSoapEnvelope : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void requestBytes();
    void fault();
    void foreignEnvelope();
    void rejects_data();
    void rejects();
};

void TestSoapEnvelope::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("request lines keep CR LF")
        << QStringLiteral("a\r\nb\r\n\r\n990\r\n") << QStringLiteral("a\r\nb\r\n\r\n990\r\n");
    QTest::newRow("lone CR and LF") << QStringLiteral("a\rb\nc") << QStringLiteral("a\rb\nc");
    QTest::newRow("umlauts and euro")
        << QStringLiteral("Grüße, Straße: 12,50 €") << QStringLiteral("Grüße, Straße: 12,50 €");
    QTest::newRow("markup characters")
        << QStringLiteral("<a href=\"x\">&amp;</a>") << QStringLiteral("<a href=\"x\">&amp;</a>");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << QStringLiteral("  ") << QStringLiteral("  ");
    // XML 1.0 cannot carry these; they are left out rather than breaking the envelope.
    QTest::newRow("control characters") << QStringLiteral("a\x01\x1f"
                                                          "b\tc")
                                        << QStringLiteral("ab\tc");
}

void TestSoapEnvelope::roundTrip() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    SoapMessage m;
    m.operation = QStringLiteral("StandardRequest");
    m.addString(QStringLiteral("Request"), text);
    m.addInt(QStringLiteral("ErrorCode"), -3);

    SoapMessage back;
    QString error;
    QVERIFY2(SoapEnvelope::read(SoapEnvelope::write(m), &back, &error), qPrintable(error));
    QVERIFY(!back.isFault);
    QCOMPARE(back.operation, QStringLiteral("StandardRequest"));
    QCOMPARE(back.value(QStringLiteral("Request")), expected);
    QCOMPARE(back.value(QStringLiteral("ErrorCode")), QStringLiteral("-3"));
    QCOMPARE(back.parts.at(0).type, QStringLiteral("xsd:string"));
    QCOMPARE(back.parts.at(1).type, QStringLiteral("xsd:int"));
}

void TestSoapEnvelope::requestBytes() {
    SoapMessage m;
    m.operation = QStringLiteral("TimeStamp");
    m.addString(QStringLiteral("ID"), QStringLiteral("7"));
    const QByteArray xml = SoapEnvelope::write(m);
    QVERIFY(xml.contains("<NS1:TimeStamp"));
    QVERIFY(xml.contains("xmlns:NS1=\"urn:QTX_SoapServerIntf-IQTX_SoapServer\""));
    QVERIFY(xml.contains("SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\""));
    QVERIFY(xml.contains("<ID xsi:type=\"xsd:string\">7</ID>"));
    QCOMPARE(SoapEnvelope::soapAction(QStringLiteral("get_file")),
             QByteArray("urn:QTX_SoapServerIntf-IQTX_SoapServer#get_file"));
}

void TestSoapEnvelope::fault() {
    SoapMessage m;
    QVERIFY(SoapEnvelope::read(SoapEnvelope::writeFault(QString(), QStringLiteral("Zugriff verweigert: ä€")),
                               &m, nullptr));
    QVERIFY(m.isFault);
    QCOMPARE(m.faultCode, QStringLiteral("SOAP-ENV:Server"));
    QCOMPARE(m.faultString, QStringLiteral("Zugriff verweigert: ä€"));
}

void TestSoapEnvelope::foreignEnvelope() {
    // Another toolkit's answer: other prefixes, a header, an href part.
    const QByteArray xml = "<?xml version=\"1.0\"?>\n"
                           "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
                           "<soap:Header><x>1</x></soap:Header><soap:Body>"
                           "<m:get_fileResponse xmlns:m=\"urn:QTX_SoapServerIntf-IQTX_SoapServer\">"
                           "<return href=\"cid:f1\"/><ErrorMessage xsi:type=\"xsd:string\">ok</ErrorMessage>"
                           "</m:get_fileResponse></soap:Body></soap:Envelope>";
    SoapMessage m;
    QString error;
    QVERIFY2(SoapEnvelope::read(xml, &m, &error), qPrintable(error));
    QCOMPARE(m.operation, QStringLiteral("get_fileResponse"));
    QCOMPARE(m.href(QStringLiteral("return")), QStringLiteral("cid:f1"));
    QCOMPARE(m.value(QStringLiteral("ErrorMessage")), QStringLiteral("ok"));
}

void TestSoapEnvelope::rejects_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no XML") << QByteArray("StrToInt failed");
    QTest::newRow("HTML error page") << QByteArray("<html><body>500</body></html>");
    QTest::newRow("wrong namespace") << QByteArray(
        "<Envelope xmlns=\"urn:other\"><Body><a/></Body></Envelope>");
    QTest::newRow("no body") << QByteArray(
        "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Header/></e:Envelope>");
    QTest::newRow("empty body") << QByteArray(
        "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\"><e:Body/></e:Envelope>");
    QTest::newRow("truncated") << QByteArray(
        "<e:Envelope xmlns:e=\"http://schemas.xmlsoap.org/soap/envelope/\">"
        "<e:Body><r><return>abc");
}

void TestSoapEnvelope::rejects() {
    QFETCH(QByteArray, xml);
    SoapMessage m;
    QString error;
    QVERIFY(!SoapEnvelope::read(xml, &m, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestSoapEnvelope)
#include "tst_soapenvelope.moc"
