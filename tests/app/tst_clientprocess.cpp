// Starts real qtx-client processes (offscreen) from a copy of the executable
// in a temporary folder, so that INI, log and lock belong to the test alone.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestClientProcess : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_exe;

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("QTX_AUTO_DIALOGS"), QStringLiteral("1"));
        return env;
    }

    QString logText() const {
        QFile f(m_dir.filePath(QStringLiteral("qtx-client.log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

    bool waitForLog(const QString& text, int ms = 15000) const {
        return QTest::qWaitFor([&] { return logText().contains(text); }, ms);
    }

    void start(QProcess& p, const QStringList& args) const {
        p.setProcessEnvironment(environment());
        p.setProgram(m_exe);
        p.setArguments(args);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const QString built = qEnvironmentVariable("QTX_BINARY_DIR") + QStringLiteral("/bin/qtx-client");
        QVERIFY2(QFile::exists(built), qPrintable(built));
        m_exe = m_dir.filePath(QStringLiteral("qtx-client"));
        QVERIFY(QFile::copy(built, m_exe));
        QDir().mkpath(m_dir.filePath(QStringLiteral("runtime")));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // No automatic login: these runs have no server.
        QFile ini(m_dir.filePath(QStringLiteral("qtx-client.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[OPTIONS]\nAUTOLOGIN=OFF\n");
    }

    void secondInstanceHandsOverAndEnds() {
        QProcess first;
        start(first, {});
        QVERIFY(first.waitForStarted());
        QVERIFY2(waitForLog(QStringLiteral("Ende FormActivate firstcreate=")), qPrintable(logText()));

        QProcess second;
        start(second, {});
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitCode(), 1);
        const QString secondPid = QString::number(second.processId() ? second.processId() : 0);
        QVERIFY2(logText().contains(QStringLiteral("Classname=TQTXMainForm Durnak Online ProcessID=")),
                 qPrintable(logText()));

        QProcess third;
        start(third, {QStringLiteral("IMPORT=CCD32OL"), QStringLiteral("KATALOGID=662")});
        QVERIFY(third.waitForFinished(15000));
        QCOMPARE(third.exitCode(), 1);
        QVERIFY(logText().contains(QStringLiteral(
            "EnsureSingle parameter1=\"IMPORT=CCD32OL\" param2=\"KATALOGID=662\" KatalogID=662 ProcessID=")));
        QVERIFY2(waitForLog(QStringLiteral("ImportMessage: WParam=662 Importaktiv=")), qPrintable(logText()));

        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
        Q_UNUSED(secondPid);
    }
};

QTEST_GUILESS_MAIN(TestClientProcess)
#include "tst_clientprocess.moc"
