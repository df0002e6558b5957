#include "articles/typeahead.h"

#include "session/lokalini.h"

TypeAhead::TypeAhead(const LokalIni* ini)
    : m_ini(ini) {}

bool TypeAhead::shouldSearch(const QString& text, bool fieldHasFocus, bool loggedIn) const {
    return fieldHasFocus && loggedIn && text.size() > 2 && text != m_lastSearched;
}

void TypeAhead::setEanMode(bool on) {
    m_ean = on;
    m_lastSearched.clear();
    if (m_ini)
        m_ini->write(iniSection(), iniKey(), on ? QStringLiteral("1") : QStringLiteral("0"));
}

void TypeAhead::loadEanMode() {
    if (m_ini)
        m_ean = m_ini->read(iniSection(), iniKey(), QStringLiteral("0")) == u"1";
}
