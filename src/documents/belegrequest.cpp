#include "documents/belegrequest.h"

#include "documents/documentbrowser.h"
#include "documents/documentkinds.h"
#include "link/requests/documentrequests.h"
#include "model/uitexts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "session/session.h"

using namespace Qt::StringLiterals;

BelegRequest::BelegRequest(Seams seams, DocumentBrowser& browser)
    : m_s(seams)
    , m_browser(browser) {}

QString BelegRequest::typeCode(int kind) {
    switch (kind) {
    case DocumentKind::Orders:
        return u"0"_s;
    case DocumentKind::DeliveryNotes:
        return u"1"_s;
    case DocumentKind::Invoices:
        return u"2"_s;
    case DocumentKind::CreditNotes:
        return u"3"_s;
    case DocumentKind::OpenItems:
        return u"4"_s;
    case DocumentKind::Offers:
        return u"5"_s;
    default:
        return u"?"_s;
    }
}

QString BelegRequest::typeName(int kind) {
    switch (kind) {
    case DocumentKind::Orders:
        return u"Auftragsbestätigung"_s;
    case DocumentKind::DeliveryNotes:
        return u"Lieferschein"_s;
    case DocumentKind::Invoices:
        return u"Rechnung"_s;
    case DocumentKind::CreditNotes:
        return u"Gutschrift"_s;
    case DocumentKind::OpenItems:
        return u"Offene Posten"_s;
    case DocumentKind::Offers:
        return u"Angebot"_s;
    default:
        return u"unbekannt"_s;
    }
}

bool BelegRequest::validAddress(const QString& address) {
    return address.contains(u'@') && address.contains(u'.');
}

QString BelegRequest::backgroundFlag(bool post, const QString& typ, int paper) {
    if (post)
        return u"1"_s;
    if (typ == u"1")
        return paper == 1 ? u"1"_s : u"0"_s;
    if (typ == u"2" || typ == u"3" || typ == u"5")
        return u"0"_s;
    return u"1"_s;
}

void BelegRequest::loggedIn() {
    m_address = m_browser.session().options().value(u"BELEG_EMAILADRESSE"_s);
}

void BelegRequest::run(DispatchDialog& dialog, const QString& edBelegnr, const QDate& bisDatum) {
    using namespace DocumentKind;
    Session& session = m_browser.session();
    const int kind = m_browser.currentKind();
    const QString typ = typeCode(kind);
    const QString name = typeName(kind);
    // 1. The number; an offer is asked for by its id.
    QString number = edBelegnr;
    if (kind == Offers) {
        const StringGrid& heads = m_browser.heads();
        for (int r = 1; r < heads.rowCount(); ++r) {
            if (heads.cell(1, r) == edBelegnr) {
                number = heads.cell(0, r);
                break;
            }
        }
    }
    // 2. The document must still be there.
    if (kind == Orders || kind == DeliveryNotes || kind == Invoices || kind == CreditNotes ||
        kind == Offers) {
        StringGrid check;
        const DocumentLoader::Result r = m_browser.loader().LadeBelege(
            check, m_browser.query(kind + 1, number, 2, m_browser.lastInput()), m_browser.options(), false);
        const int count = std::max(r.count, 0);
        m_s.log.Log(1,
                    u"nach BtBeleganfordern Beleg=%1 Belegnummer=%2 Anzahl Zeilen=%3"_s.arg(name, edBelegnr)
                        .arg(count),
                    1);
        if (count == 0) {
            m_s.dialogs.message(QString(), Txt::get(Txt::Belegnummer1, {name, edBelegnr}));
            return;
        }
    }
    // 3. The dialog.
    DispatchDialog::Request request;
    request.info = kind == OpenItems ? name : name + u" Nummer="_s + edBelegnr;
    request.typ = typ;
    request.faxPost = typ == u"2" || typ == u"3" || typ == u"5";
    request.address = m_address;
    request.logoText = session.tenantTexts().dokumentLogotext;
    const DispatchDialog::Choice choice = dialog.ask(request);
    if (!choice.confirmed)
        return;
    if (!choice.post) {
        m_address = choice.address;
        // The next save of the options keeps it when the server allows.
        session.setOption(u"BELEG_EMAILADRESSE"_s, m_address);
    }
    // 4. The request lines.
    QString line8;
    if (kind == OpenItems)
        line8 = DocumentLoader::dateText(m_s.clock.now().date());
    else if (kind == Offers)
        line8 = session.options().value(u"ANGEBOT_SERIALID"_s).trimmed().toUpper() == u"ON" ? u"J"_s : u"N"_s;
    else
        line8 = DocumentLoader::dateText(bisDatum);
    const QString way = choice.post ? u"0"_s : u"2"_s;
    m_lastParameters = {typ,
                        session.customerData().customer.NUMMER,
                        kind == OpenItems ? QString() : number,
                        way,
                        backgroundFlag(choice.post, typ, choice.paper),
                        choice.post ? QString() : choice.address,
                        QString(),
                        line8};
    // 5. Send.
    const LinkAnswer a = MyDocumentRequest(session.link(), 411, m_lastParameters);
    if (!a.ok()) {
        m_s.dialogs.message(QString(), a.errorText.isEmpty() ? a.message : a.errorText, Dialogs::Buttons::Ok,
                            Dialogs::Icon::Warning);
        return;
    }
    // 6.-8. The report with the document id.
    const QString wayText = choice.post ? u"Post"_s : u"Email"_s;
    QString text = kind == OpenItems ? u"Belegversand wurde durchgeführt."_s
                                     : u"Belegversand wurde durchgeführt, Belegnummer="_s + edBelegnr;
    text += u"\r\nDokumentenart="_s + name + u", Versandart="_s + wayText;
    QString detail = wayText;
    if (!choice.post) {
        text += u" an "_s + choice.address;
        detail += u" an "_s + choice.address;
    }
    if (kind != OpenItems)
        detail += u" Nr. "_s + edBelegnr;
    m_browser.record(36, u"Belegversand "_s + name, detail);
    const QStringList id = a.lines.mid(1);
    m_s.dialogs.message(QString(), text + u"\r\nDokumenten-ID="_s + id.join(u"\r\n"_s));
}
