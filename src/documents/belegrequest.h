#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Clock;
class Dialogs;
class DocumentBrowser;
class Logger;

// The dialog "Beleg anfordern" as the request sees it; the window implements it.
class DispatchDialog {
public:
    struct Request {
        QString info;         // LbBelegInfo
        QString typ;          // Beleg_Typ
        bool faxPost = false; // Beleg_FaxPost: dispatch by post may be chosen
        QString address;      // the stored document e-mail address
        QString logoText;     // the first background item
    };
    struct Choice {
        bool confirmed = false;
        bool post = false;
        int paper = 0; // RgPapier: 0 with logo, 1 neutral
        QString address;
    };
    virtual ~DispatchDialog() = default;
    virtual Choice ask(const Request& request) = 0;
};

// "Beleg anfordern": asks the server to send a copy of a document, or the
// open-items statement, by e-mail or by post (request 411).
class BelegRequest {
public:
    struct Seams {
        Logger& log;
        Dialogs& dialogs;
        Clock& clock;
    };

    BelegRequest(Seams seams, DocumentBrowser& browser);

    // Type code and name of the current kind ("2", "Rechnung").
    static QString typeCode(int kind);
    static QString typeName(int kind);
    // An e-mail address must hold an at sign and a dot, in any order.
    static bool validAddress(const QString& address);
    // Line 5 of the request.
    static QString backgroundFlag(bool post, const QString& typ, int paper);

    // BtBelegAnfordernClick with the number of edBelegnr and the date of bisDatum.
    void run(DispatchDialog& dialog, const QString& number, const QDate& bisDatum);

    QString address() const { return m_address; }
    void setAddress(const QString& address) { m_address = address; }
    // The login's BELEG_EMAILADRESSE.
    void loggedIn();
    // The parameter lines of the last request sent.
    QStringList lastParameters() const { return m_lastParameters; }

private:
    Seams m_s;
    DocumentBrowser& m_browser;
    QString m_address;
    QStringList m_lastParameters;
};
