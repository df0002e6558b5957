#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Message boxes, questions and the common file dialogs. The real
// implementation uses Qt widgets; tests script the answers.
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer message(const QString& title, const QString& text, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::Information) = 0;
    virtual QString getOpenFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString getSaveFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString getExistingDirectory(const QString& caption, const QString& dir) = 0;

    // A one-line input box; false when the user cancels. Without an
    // implementation nothing can be typed, which reads as a cancel.
    virtual bool inputText(const QString& title, const QString& prompt, QString& text) {
        Q_UNUSED(title);
        Q_UNUSED(prompt);
        Q_UNUSED(text);
        return false;
    }

    Answer question(const QString& title, const QString& text) {
        return message(title, text, Buttons::YesNo, Icon::Question);
    }
};
