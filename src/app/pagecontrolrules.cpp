#include "app/pagecontrolrules.h"

#include "model/uitexts.h"

QString PageControlRules::caption(Page page) {
    switch (page) {
    case Page::Shop:
        return QStringLiteral("Shop");
    case Page::Login:
        return QStringLiteral("Login");
    case Page::AutoOrder:
        return QStringLiteral("AutoOrder");
    case Page::Ruecklieferung:
        return QStringLiteral("Rücklieferung");
    case Page::Altteile:
        return QStringLiteral("Altteile");
    case Page::Belege:
        return QStringLiteral("Belege");
    }
    return {};
}

PageControlRules::Leave PageControlRules::changing(Page leaving) const {
    Leave r;
    const bool returns = leaving == Page::Ruecklieferung;
    const bool oldParts = leaving == Page::Altteile;
    if ((returns || oldParts || leaving == Page::Shop) && m_callbacks.draftChangedElsewhere &&
        m_callbacks.draftChangedElsewhere(leaving)) {
        r.allowed = false;
        return r;
    }
    if ((returns || oldParts) && m_callbacks.basketHasItems && m_callbacks.basketHasItems(leaving)) {
        r.allowed = false;
        r.message = Txt::get(Txt::ArtikelimWarenkorb);
        return r;
    }
    if ((returns || oldParts) && m_callbacks.pageReady && !m_callbacks.pageReady()) {
        r.allowed = false;
        r.log = returns ? QStringLiteral("Ruecklieferung noch nicht fertig")
                        : QStringLiteral("Altteile noch nicht fertig");
    }
    return r;
}

PageControlRules::Page PageControlRules::entering(Page entered, bool loggedIn) {
    return loggedIn ? entered : Page::Login;
}

PageControlRules::Menu PageControlRules::menuFor(Page page) {
    Menu m;
    if (page == Page::Shop)
        m.all = true;
    else if (page == Page::Ruecklieferung) {
        m.all = true;
        m.fenster = false;
        m.import = false;
    } else {
        m.fenster = false;
        m.import = false;
    }
    return m;
}
