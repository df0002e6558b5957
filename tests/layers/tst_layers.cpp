// The layering check: every #include of src/ and server/ against the matrix
// that the build writes next to its targets.

#include "layerrules.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

class TestLayers : public QObject {
    Q_OBJECT

private:
    static LayerRules rules() {
        QFile file(qEnvironmentVariable("QTX_BINARY_DIR") + QStringLiteral("/layers/matrix.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("no layer matrix at %s", qPrintable(file.fileName()));
        LayerRules r;
        QString error;
        if (!r.read(QString::fromUtf8(file.readAll()), &error))
            qFatal("%s", qPrintable(error));
        return r;
    }

private Q_SLOTS:
    // The rule itself, on includes written for the case.
    void rule_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("include");
        QTest::addColumn<bool>("crosses");

        QTest::newRow("order uses the session") << "src/order/x.cpp"
                                                << "session/session.h" << false;
        QTest::newRow("order uses the services") << "src/order/x.cpp"
                                                 << "services/services.h" << false;
        QTest::newRow("order's own header") << "src/order/x.cpp"
                                            << "order/draftorder.h" << false;
        QTest::newRow("header beside the file") << "src/order/x.cpp"
                                                << "draftorder.h" << false;
        QTest::newRow("library header") << "src/order/x.cpp"
                                        << "QString" << false;
        QTest::newRow("order includes the main window") << "src/order/x.cpp"
                                                        << "app/ui/qtxmainform.h" << true;
        QTest::newRow("order includes its own windows") << "src/order/x.cpp"
                                                        << "order/ui/draftgridview.h" << true;
        QTest::newRow("order includes another feature") << "src/order/x.cpp"
                                                        << "articles/articleentry.h" << true;
        QTest::newRow("order climbs out") << "src/order/x.cpp"
                                          << "../app/startup.h" << true;
        QTest::newRow("window uses its feature") << "src/order/ui/x.cpp"
                                                 << "order/draftorder.h" << false;
        QTest::newRow("window of another feature") << "src/order/ui/x.cpp"
                                                   << "articles/ui/quicksearchwidgets.h" << true;
        QTest::newRow("link includes the session") << "src/link/x.cpp"
                                                   << "session/session.h" << true;
        QTest::newRow("grid includes link") << "src/grid/x.cpp"
                                            << "link/serverlink.h" << true;
        QTest::newRow("model includes platform") << "src/model/x.cpp"
                                                 << "platform/logger.h" << false;
        QTest::newRow("shell includes a window") << "src/app/ui/x.cpp"
                                                 << "order/ui/shoppage.h" << false;
        QTest::newRow("shell logic includes a window") << "src/app/x.cpp"
                                                       << "app/ui/qtxmainform.h" << true;
        QTest::newRow("program entry runs the shell") << "src/app/main.cpp"
                                                      << "app/ui/clientcomposition.h" << false;
        QTest::newRow("server uses link") << "server/x.cpp"
                                          << "link/serverlink.h" << false;
        QTest::newRow("server includes the session") << "server/x.cpp"
                                                     << "session/session.h" << true;
        QTest::newRow("server includes a feature") << "server/answers/x.cpp"
                                                   << "order/draftorder.h" << true;
        QTest::newRow("server's own header") << "server/x.cpp"
                                             << "session.h" << false;
    }
    void rule() {
        QFETCH(QString, path);
        QFETCH(QString, include);
        QFETCH(bool, crosses);
        const QString text = QStringLiteral("// file\n#include \"%1\"\n").arg(include);
        const QList<LayerRules::Crossing> found = rules().check(path, text);
        QCOMPARE(!found.isEmpty(), crosses);
        if (crosses)
            QCOMPARE(found.first().line, 2);
    }

    // The tree as it is.
    void tree() {
        const LayerRules r = rules();
        const QString root = qEnvironmentVariable("QTX_SOURCE_DIR");
        QVERIFY(!root.isEmpty());
        QStringList crossings;
        int files = 0;
        for (const QString& top : {QStringLiteral("src"), QStringLiteral("server")}) {
            QDirIterator it(root + u'/' + top, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                const QString path = file.mid(root.size() + 1);
                if (r.layerOf(path).isEmpty())
                    continue;
                QFile f(file);
                QVERIFY(f.open(QIODevice::ReadOnly));
                ++files;
                for (const LayerRules::Crossing& c : r.check(path, QString::fromUtf8(f.readAll())))
                    crossings << QStringLiteral("%1:%2: #include \"%3\": %4")
                                     .arg(path)
                                     .arg(c.line)
                                     .arg(c.include, c.reason);
            }
        }
        QVERIFY2(files > 100, "the layer folders were not found");
        QVERIFY2(crossings.isEmpty(), qPrintable(u'\n' + crossings.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
