#include "link/mimemultipart.h"

#include <QTest>

class TestMimeMultipart : public QObject {
    Q_OBJECT
private slots:
    void roundTrip();
    void parameter_data();
    void parameter();
    void read_data();
    void read();
};

void TestMimeMultipart::roundTrip() {
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary += char(i);
    binary += "\r\n--b\r\n"; // looks like a delimiter line, but is not the boundary
    MimePart root;
    root.headers = {{"Content-Type", "text/xml"}, {"Content-ID", "<root@x>"}};
    root.body = "<xml/>";
    MimePart file;
    file.headers = {{"Content-Type", "application/octet-stream"}, {"Content-ID", "<file@x>"}};
    file.body = binary;
    const QByteArray boundary = "MIME_boundary_1";
    const QByteArray bytes = MimeMultipart::write({root, file}, boundary);

    const QByteArray type = MimeMultipart::contentType(boundary, "root@x");
    QVERIFY(MimeMultipart::isMultipart(type));
    QCOMPARE(MimeMultipart::parameter(type, "boundary"), boundary);
    QList<MimePart> parts;
    QString error;
    QVERIFY2(MimeMultipart::read(bytes, boundary, &parts, &error), qPrintable(error));
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts.at(0).body, QByteArray("<xml/>"));
    QCOMPARE(parts.at(1).body, binary);
    QVERIFY(MimeMultipart::find(parts, QStringLiteral("cid:file@x")) == &parts.at(1));
    QVERIFY(MimeMultipart::find(parts, QStringLiteral("<root@x>")) == &parts.at(0));
    QVERIFY(!MimeMultipart::find(parts, QStringLiteral("cid:none")));
}

void TestMimeMultipart::parameter_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("quoted") << QByteArray("multipart/related; boundary=\"a b\"; type=\"text/xml\"")
                            << QByteArray("boundary") << QByteArray("a b");
    QTest::newRow("plain, other case")
        << QByteArray("multipart/related;Boundary=xyz") << QByteArray("boundary") << QByteArray("xyz");
    QTest::newRow("missing") << QByteArray("text/xml; charset=utf-8") << QByteArray("boundary")
                             << QByteArray();
    QTest::newRow("type is no parameter")
        << QByteArray("multipart/related") << QByteArray("multipart/related") << QByteArray();
}

void TestMimeMultipart::parameter() {
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, value);
    QCOMPARE(MimeMultipart::parameter(header, name), value);
}

void TestMimeMultipart::read_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("lastBody");
    QTest::newRow("preamble, padding, no part headers")
        << QByteArray("preamble\r\n--b  \r\n\r\nfirst\r\n--b\r\nX: 1\r\n\r\nsecond\r\n--b--\r\nepilogue")
        << true << 2 << QByteArray("second");
    QTest::newRow("base64 part") << QByteArray(
                                        "--b\r\nContent-Transfer-Encoding: BASE64\r\n\r\nw6TigqwK\r\n--b--")
                                 << true << 1 << QByteArray("\xc3\xa4\xe2\x82\xac\n");
    QTest::newRow("folded header") << QByteArray("--b\r\nContent-ID:\r\n <f>\r\n\r\nx\r\n--b--") << true << 1
                                   << QByteArray("x");
    QTest::newRow("no delimiter") << QByteArray("just text") << false << 0 << QByteArray();
    QTest::newRow("no closing delimiter")
        << QByteArray("--b\r\n\r\nbody without end") << false << 0 << QByteArray();
    QTest::newRow("header without blank line")
        << QByteArray("--b\r\nX: 1\r\n--b--") << false << 0 << QByteArray();
    QTest::newRow("only closing delimiter") << QByteArray("--b--\r\n") << false << 0 << QByteArray();
    QTest::newRow("delimiter at the end") << QByteArray("--b") << false << 0 << QByteArray();
}

void TestMimeMultipart::read() {
    QFETCH(QByteArray, body);
    QFETCH(bool, ok);
    QFETCH(int, count);
    QFETCH(QByteArray, lastBody);
    QList<MimePart> parts;
    QString error;
    QCOMPARE(MimeMultipart::read(body, "b", &parts, &error), ok);
    if (!ok) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QCOMPARE(parts.size(), count);
    QCOMPARE(parts.last().body, lastBody);
}

QTEST_GUILESS_MAIN(TestMimeMultipart)
#include "tst_mimemultipart.moc"
