#pragma once

#include "platform/dialogs.h"

class QWidget;

// Message boxes and file dialogs as Qt widgets. With QTX_AUTO_DIALOGS=1 in
// the environment every box is answered with its default at once and written
// to standard error, so that scripted runs of the real program never hang.
class WidgetDialogs final : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& title, const QString& text, Buttons buttons, Icon icon) override;
    QString getOpenFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString getSaveFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString getExistingDirectory(const QString& caption, const QString& dir) override;
    bool inputText(const QString& title, const QString& prompt, QString& text) override;

private:
    QWidget* m_parent;
    bool m_auto;
};
