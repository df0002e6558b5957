#pragma once

#include <QString>

class LokalIni;

// The decisions of the type-ahead search in edArtikel and the EAN mode that
// changes what the text means. The timer itself lives with the field.
class TypeAhead {
public:
    explicit TypeAhead(const LokalIni* ini = nullptr);

    static constexpr int delayMs = 500;

    // When the delay ran out: search only with the focus in the field, logged
    // in, more than two characters and a text other than the last searched.
    bool shouldSearch(const QString& text, bool fieldHasFocus, bool loggedIn) const;
    void searched(const QString& text) { m_lastSearched = text; }
    QString lastSearched() const { return m_lastSearched; }
    void clearLastSearched() { m_lastSearched.clear(); }

    // Input is a 13-digit EAN; kept in the local INI file.
    bool eanMode() const { return m_ean; }
    // Every change forgets the last searched text.
    void setEanMode(bool on);
    // The stored state, read at start.
    void loadEanMode();

    static QString iniSection() { return QStringLiteral("OPTIONS"); }
    static QString iniKey() { return QStringLiteral("EAN-Suche-aktiv"); }

private:
    const LokalIni* m_ini;
    QString m_lastSearched;
    bool m_ean = false;
};
