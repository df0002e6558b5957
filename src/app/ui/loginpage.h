#pragma once

#include "app/ui/tabpage.h"
#include "session/logincheck.h"

#include <QWidget>

class Logger;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The "Login" tab sheet: customer number, user and password, the login and
// disconnect buttons, the server address and the memo of the test mode.
// The main window decides what a click does.
class LoginPage : public QWidget, public TabPage {
    Q_OBJECT
public:
    LoginPage(Logger& log, QWidget* parent = nullptr);

    // --- TabPage: the one tab that is there before a login.
    QString name() const override { return QStringLiteral("tsConnection"); }
    QString caption() const override { return PageControlRules::caption(PageControlRules::Page::Login); }
    QWidget* page() override { return this; }
    PageControlRules::Menu menu() const override {
        return PageControlRules::menuFor(PageControlRules::Page::Login);
    }
    bool onlyLoggedIn() const override { return false; }

    QString kundennr() const;
    QString kaldoId() const;
    QString passwort() const;
    void setKundennr(const QString& text);
    void setKaldoId(const QString& text);
    void setPasswort(const QString& text);
    void focusField(LoginCheck::Field field);
    // Input starts in the customer number while it is empty, else on the login button.
    void focusInput();
    // The login button can be clicked: enabled and shown.
    bool loginAvailable() const;
    void setLoginEnabled(bool enabled);
    void setDisconnectEnabled(bool enabled);
    void setServer(const QString& url, const QString& hint);
    void setServerHint(const QString& hint);
    // The SOAP transport tints the login panel and the server address.
    void setTransportColour(const QColor& colour);

Q_SIGNALS:
    // Login button, or Enter in the password field.
    void loginRequested();
    void disconnectRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createPanel();

    Logger& m_log;
    QWidget* m_panel = nullptr;
    QLineEdit* m_edKundennr = nullptr;
    QLineEdit* m_edKALDO_ID = nullptr;
    QLineEdit* m_edPasswort = nullptr;
    QPushButton* m_btLogin = nullptr;
    QPushButton* m_btDisConnect = nullptr;
    QLabel* m_labelWasUrl = nullptr;
    QPlainTextEdit* m_mainMemo = nullptr;
    QStringList m_memoPending; // log lines not yet in the memo
    void flushMemo();
};
