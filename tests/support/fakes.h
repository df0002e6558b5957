#pragma once

// Test doubles of the seams: a clock that tests set, dialogs that record and
// answer as scripted, an ending that records instead of exiting, and a
// platform with its own registry file.

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"
#include "platform/platform.h"
#include "platform/registrystore.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

class ManualClock final : public Clock {
public:
    explicit ManualClock(const QDateTime& start = QDateTime(QDate(2026, 12, 10), QTime(9, 0)))
        : m_now(start) {}
    QDateTime now() const override { return m_now; }
    qint64 tickCount() const override { return m_ticks; }
    // A pause is recorded and moves the clock on.
    void pause(int ms) const override {
        pauses.append(ms);
        m_now = m_now.addMSecs(ms);
        m_ticks += ms;
    }

    void setNow(const QDateTime& now) { m_now = now; }
    void advance(qint64 ms) {
        m_now = m_now.addMSecs(ms);
        m_ticks += ms;
    }

    mutable QList<int> pauses;

private:
    mutable QDateTime m_now;
    mutable qint64 m_ticks = 1000000;
};

class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString title;
        QString text;
        Buttons buttons;
    };

    Answer message(const QString& title, const QString& text, Buttons buttons, Icon icon) override;
    QString getOpenFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString getSaveFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString getExistingDirectory(const QString& caption, const QString& dir) override;
    // Takes the next of inputs; none left is a cancel. The prompt is recorded in shown.
    bool inputText(const QString& title, const QString& prompt, QString& text) override;

    // Answers given in order; when none is left, Ok or Yes.
    QQueue<Answer> answers;
    QQueue<QString> fileNames;
    QQueue<QString> inputs;
    QList<Shown> shown;
};

class RecordingEnding final : public Ending {
public:
    struct Call {
        QString routine;
        QString text;
        QString info;
        bool disconnect = false;
        bool save = false;
    };

    void myterminate(const QString& info, const QString& text) override;
    void SetTerminateTimeout_halt(const QString& message, bool disconnect, bool save) override;
    int destroyStatus() const override { return m_status; }
    void setDestroyStatus(int status) override { m_status = status; }
    bool closing() const override { return m_closing; }
    void setClosing(bool closing) override { m_closing = closing; }

    QList<Call> calls;

private:
    int m_status = Running;
    bool m_closing = false;
};

class FakePlatform final : public Platform {
public:
    explicit FakePlatform(const QString& registryFile);

    RegistryStore& registry() override { return m_registry; }
    QString environment(const QString& name) const override { return env.value(name); }
    bool shellOpen(const QString& file, const QStringList& arguments, const QString& workingDir) override;
    QString executablePath() const override { return exePath; }
    qint64 processId() const override { return pid; }
    QString productName() const override { return product; }
    QString resourceRoot() const override { return resources; }
    QString fileVersion(const QString&) const override { return version; }
    void terminateProcess(int exitCode) override { terminatedWith = exitCode; }

    struct Opened {
        QString file;
        QStringList arguments;
        QString workingDir;
    };

    QHash<QString, QString> env;
    QString exePath;
    qint64 pid = 4711;
    QString product = QStringLiteral("QTX_MANDANT6");
    QString version = QStringLiteral("7.1.8000.1");
    // The build's tenant resources unless a test lays out its own.
    QString resources = QStringLiteral(":/tenant/");
    bool shellOpenResult = true;
    QList<Opened> opened;
    int terminatedWith = -1;

private:
    RegistryStore m_registry;
};

// The seams of one client run in a temporary folder. The executable path lies
// in it, so INI, log and lock belong to the test alone.
struct FakeSeams {
    QTemporaryDir dir;
    FakePlatform platform{dir.filePath(QStringLiteral("registry.ini"))};
    ManualClock clock;
    Logger log{clock};
    ScriptedDialogs dialogs;
    RecordingEnding ending;

    FakeSeams() { platform.exePath = dir.filePath(QStringLiteral("qtx-client")); }
    // A file beside the executable: ".ini", ".log", ...
    QString beside(const QString& extension) const {
        return dir.filePath(QStringLiteral("qtx-client") + extension);
    }
};
