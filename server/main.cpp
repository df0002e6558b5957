#include "demodata.h"
#include "dispatcher.h"
#include "faults.h"
#include "serverstore.h"
#include "soapfront.h"
#include "tcpfront.h"

#include "platform/versioninfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QTextStream>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>

namespace {

int fail(const QString& text) {
    QTextStream(stderr) << "qtx-server: " << text << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qtx-server"));
    QCoreApplication::setApplicationVersion(VersionInfo::fileVersion());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Reference server of the ordering client: answers the numbered server functions over TCP "
            "(line protocol) and SOAP 1.1 (IQTX_SoapServer) from a SQLite database.\n"
            "SOAP endpoint: http://ADDR:SOAPPORT%1, its WSDL at the same path with ?wsdl.\n"
            "Faults for tests, --fault CODE:KIND[=VALUE] (repeatable, CODE is a request code):\n"
            "  delay=MS       answer only after MS milliseconds\n"
            "  close          drop the connection instead of answering\n"
            "  garbage=TEXT   TCP: TEXT where the byte count belongs; SOAP: TEXT as the answer body\n"
            "  error=TEXT     TCP: an error line; SOAP: a fault with TEXT\n"
            "  soapcode=N     SOAP: a normal answer with ErrorCode N (-3: use the backup URL)")
            .arg(SoapFront::soapPath()));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dbOption(
        QStringLiteral("db"),
        QStringLiteral("SQLite database file, created on first start (default: qtx-server.sqlite)."),
        QStringLiteral("path"), QStringLiteral("qtx-server.sqlite"));
    const QCommandLineOption tcpPortOption(
        QStringLiteral("tcp-port"),
        QStringLiteral("TCP port of the line protocol; 0 picks a free port (default: 52017)."),
        QStringLiteral("port"), QStringLiteral("52017"));
    const QCommandLineOption soapPortOption(
        QStringLiteral("soap-port"),
        QStringLiteral("HTTP port of the SOAP front; 0 picks a free port (default: 8080)."),
        QStringLiteral("port"), QStringLiteral("8080"));
    const QCommandLineOption listenOption(
        QStringLiteral("listen"), QStringLiteral("Address both fronts listen on (default: 127.0.0.1)."),
        QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption versionTextOption(
        QStringLiteral("greeting-version"),
        QStringLiteral(
            "Server version in the greeting; it sets the client's server level (default: 7.1.8000.1)."),
        QStringLiteral("version"), QStringLiteral("7.1.8000.1"));
    const QCommandLineOption greetingTextOption(
        QStringLiteral("greeting-text"),
        QStringLiteral("Free text after \")Willkommen\" (default: \" (qtx-server)\")."),
        QStringLiteral("text"));
    const QCommandLineOption maintenanceOption(
        QStringLiteral("maintenance"), QStringLiteral("Maintenance greeting (\"990 ***\" in front)."));
    const QCommandLineOption refuseOption(QStringLiteral("refuse"),
                                          QStringLiteral("Refusing greeting (begins with \"X\")."));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"), QStringLiteral("Fault switch CODE:KIND[=VALUE], repeatable (see above)."),
        QStringLiteral("fault"));
    const QCommandLineOption addFileOption(
        QStringLiteral("add-file"),
        QStringLiteral("Store a file for download (get_file, 301) under NAME, repeatable."),
        QStringLiteral("NAME=PATH"));
    const QCommandLineOption initDemoOption(
        QStringLiteral("init-demo"),
        QStringLiteral("Build the demo database DB (replacing it), print the demo logins and exit."),
        QStringLiteral("DB"));
    const QCommandLineOption articlesOption(
        QStringLiteral("articles"),
        QStringLiteral("With --init-demo: build a catalogue of N generated articles (default 6000; up to "
                       "2000000), for tests and benchmarks on a wholesaler-sized catalogue."),
        QStringLiteral("N"));
    const QCommandLineOption requestUrlOption(
        QStringLiteral("request-url"),
        QStringLiteral("URL that get_connection names for ordinary requests (default: this server's SOAP "
                       "address), as a server behind a balancer names the public one."),
        QStringLiteral("url"));
    const QCommandLineOption printPortsOption(
        QStringLiteral("print-ports"),
        QStringLiteral("Print \"tcp=<port> soap=<port>\" on stdout once listening."));
    parser.addOptions({dbOption, tcpPortOption, soapPortOption, listenOption, versionTextOption,
                       greetingTextOption, maintenanceOption, refuseOption, faultOption, addFileOption,
                       printPortsOption, initDemoOption, articlesOption, requestUrlOption});
    parser.process(app);

    int articles = 0;
    if (parser.isSet(articlesOption)) {
        bool ok = false;
        articles = parser.value(articlesOption).toInt(&ok);
        if (!ok || articles < 1 || articles > DemoData::maxArticles)
            return fail(QStringLiteral("--articles needs a number from 1 to %1, not \"%2\"")
                            .arg(DemoData::maxArticles)
                            .arg(parser.value(articlesOption)));
        if (!parser.isSet(initDemoOption))
            return fail(QStringLiteral("--articles belongs to --init-demo"));
    }
    if (parser.isSet(initDemoOption)) {
        const QString path = parser.value(initDemoOption);
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            if (QFile::exists(path + suffix) && !QFile::remove(path + suffix))
                return fail(QStringLiteral("cannot replace \"%1\"").arg(path + suffix));
        }
        ServerStore demoStore;
        QString error;
        if (!demoStore.open(path, &error, false))
            return fail(QStringLiteral("cannot open database: ") + error);
        DemoData demo(demoStore);
        if (!demo.generate(DemoData::Size::Full, &error, articles))
            return fail(QStringLiteral("demo data: ") + error);
        QTextStream out(stdout);
        out << "Demo database " << path << " built. Logins (customer / user / password):" << Qt::endl;
        for (const QStringList& login : DemoData::logins())
            out << "  " << login.join(QStringLiteral(" / ")) << Qt::endl;
        return 0;
    }

    FaultTable faults;
    for (const QString& spec : parser.values(faultOption)) {
        QString error;
        if (!faults.add(spec, &error))
            return fail(error);
    }
    bool ok = false;
    const uint tcpPort = parser.value(tcpPortOption).toUInt(&ok);
    if (!ok || tcpPort > 65535)
        return fail(QStringLiteral("invalid --tcp-port"));
    const uint soapPort = parser.value(soapPortOption).toUInt(&ok);
    if (!ok || soapPort > 65535)
        return fail(QStringLiteral("invalid --soap-port"));
    const QString listen = parser.value(listenOption);
    const QHostAddress address(listen);
    if (address.isNull())
        return fail(QStringLiteral("invalid --listen address"));

    ServerStore store;
    QString error;
    if (!store.open(parser.value(dbOption), &error))
        return fail(QStringLiteral("cannot open database: ") + error);
    for (const QString& entry : parser.values(addFileOption)) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        QFile file(entry.mid(eq + 1));
        if (eq <= 0 || !file.open(QIODevice::ReadOnly) || !store.putFile(entry.left(eq), file.readAll()))
            return fail(QStringLiteral("cannot add file \"%1\"").arg(entry));
    }

    const QString version = parser.value(versionTextOption);
    const bool maintenance = parser.isSet(maintenanceOption);
    const bool refuse = parser.isSet(refuseOption);
    QString greeting = TcpFront::greetingLine(version, maintenance, refuse);
    if (parser.isSet(greetingTextOption) && !refuse) {
        greeting =
            QLatin1Char('(') + version + QStringLiteral(")Willkommen") + parser.value(greetingTextOption);
        if (maintenance)
            greeting.prepend(QStringLiteral("990 ***"));
    }

    Dispatcher dispatcher(store);
    dispatcher.setGreeting(greeting);

    TcpFront tcp(TcpFront::AsyncHandler([&dispatcher](const ServerRequest& request, TcpFront::Reply reply) {
                     dispatcher.handleAsync(request, std::move(reply));
                 }),
                 faults);
    tcp.setGreeting(greeting);
    if (!tcp.listen(address, quint16(tcpPort)))
        return fail(QStringLiteral("cannot listen on TCP port %1").arg(tcpPort));

    // The SOAP front answers on its own threads; every operation goes through
    // the dispatcher on this thread, which hands searches to its readers.
    auto shuttingDown = std::make_shared<std::atomic<bool>>(false);
    SoapFront soap(
        [&dispatcher, shuttingDown](const ServerRequest& request) {
            auto promise = std::make_shared<std::promise<ServerReply>>();
            std::future<ServerReply> result = promise->get_future();
            QMetaObject::invokeMethod(
                &dispatcher,
                [&dispatcher, promise, request] {
                    dispatcher.handleAsync(request,
                                           [promise](const ServerReply& r) { promise->set_value(r); });
                },
                Qt::QueuedConnection);
            while (result.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
                if (*shuttingDown) {
                    ServerReply reply;
                    reply.status = 59;
                    reply.errorText = QStringLiteral("Anfrage beim Zelmor Server z.Zt. nicht möglich");
                    return reply;
                }
            }
            return result.get();
        },
        faults);
    if (!soap.listen(listen, quint16(soapPort), &error))
        return fail(error);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [shuttingDown, &soap] {
        *shuttingDown = true;
        soap.stop();
    });

    dispatcher.setTcpEndpoint(listen, tcp.serverPort());
    dispatcher.setRequestUrl(
        parser.isSet(requestUrlOption)
            ? parser.value(requestUrlOption)
            : QStringLiteral("http://%1:%2%3").arg(listen).arg(soap.port()).arg(SoapFront::soapPath()));

    if (parser.isSet(printPortsOption)) {
        QTextStream out(stdout);
        out << "tcp=" << tcp.serverPort() << " soap=" << soap.port() << Qt::endl;
    }
    return app.exec();
}
