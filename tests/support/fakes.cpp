#include "fakes.h"

Dialogs::Answer ScriptedDialogs::message(const QString& title, const QString& text, Buttons buttons, Icon) {
    shown.append({title, text, buttons});
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
}

QString ScriptedDialogs::getOpenFileName(const QString&, const QString&, const QString&) {
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedDialogs::getSaveFileName(const QString&, const QString&, const QString&) {
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedDialogs::getExistingDirectory(const QString&, const QString&) {
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

bool ScriptedDialogs::inputText(const QString& title, const QString& prompt, QString& text) {
    shown.append({title, prompt, Buttons::OkCancel});
    if (inputs.isEmpty())
        return false;
    text = inputs.dequeue();
    return true;
}

void RecordingEnding::myterminate(const QString& info, const QString& text) {
    m_status = EndRequested;
    m_closing = true;
    calls.append({QStringLiteral("myterminate"), text, info});
}

void RecordingEnding::SetTerminateTimeout_halt(const QString& message, bool disconnect, bool save) {
    calls.append({QStringLiteral("SetTerminateTimeout_halt"), message, QString(), disconnect, save});
    m_status = EndRequested;
    m_closing = true;
}

FakePlatform::FakePlatform(const QString& registryFile)
    : m_registry(registryFile) {}

bool FakePlatform::shellOpen(const QString& file, const QStringList& arguments, const QString& workingDir) {
    opened.append({file, arguments, workingDir});
    return shellOpenResult;
}
