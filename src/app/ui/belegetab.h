#pragma once

#include "app/ui/tabpage.h"
#include "documents/ui/belegepage.h"
#include "platform/seams.h"

#include <QObject>
#include <QPointer>

#include <memory>

class BelegRequest;
class DocumentBrowser;
class LokalIni;
class Session;
struct ClientServices;

// The "Belege" tab: the document browser with its page.
class BelegeTab : public QObject, public TabPage {
    Q_OBJECT
public:
    BelegeTab(ClientSeams seams, Session& session, ClientServices& services, const LokalIni* ini,
              QObject* parent = nullptr);
    ~BelegeTab() override;

    DocumentBrowser& browser() const { return *m_browser; }
    BelegRequest& request() const { return *m_request; }
    BelegePage& belegePage() const { return *m_page; }

    // --- TabPage
    QString name() const override;
    QString caption() const override;
    QWidget* page() override;
    PageControlRules::Menu menu() const override;
    void entered() override;
    void loggedIn() override;

Q_SIGNALS:
    void shopRequested();

private:
    Session& m_session;
    std::unique_ptr<DocumentBrowser> m_browser;
    std::unique_ptr<BelegRequest> m_request;
    QPointer<BelegePage> m_page;
    bool m_wasLoggedIn = false;
};
