#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The 19 positional values P1 to P19 with which a draft line is created or
// changed. "-1" leaves a field unchanged, a single blank sets it empty.
class LineValues {
public:
    static constexpr int count = 19;

    // Positions by meaning.
    enum Position {
        Client = 1, // client identification, inserts only
        VKKL_ID = 2,
        LIEFERADR = 3,
        ART = 4,
        ARTIKELNR = 5,
        MENGE = 6,
        LIEFERUNGSCODE = 7,
        FILIALE = 8,
        REFERENZ = 9,
        KUNDENNOTIZ = 10,
        Rueckstand = 11, // backorder flag
        LIEFERSCHEINNR = 12,
        RECHNUNGSNR = 13,
        BESTELLEN = 14,
        KEINEHAENDLERPRUEFUNG = 15,
        BESCHAFFUNGSCODE = 16,
        LIEFERANTENNR = 17,
        EXT_LAGER = 18,
        Reserved = 19,
    };

    static QString unchanged() { return QStringLiteral("-1"); }
    static QString empty() { return QStringLiteral(" "); }

    // All positions "-1".
    LineValues();
    // A change of one line: P2 set, everything else unchanged.
    static LineValues forLine(const QString& vkklId);

    // Position k from 1 to 19.
    const QString& at(int k) const { return m_values.at(std::size_t(k - 1)); }
    // Sets position k; an empty text is sent as a blank, since an empty
    // value would mean nothing to the server. P19 stays "-1".
    LineValues& set(int k, const QString& value);

    // "1" when the quantity is positive and differs from the deliverable
    // quantity, else "0".
    static QString backorderFlag(const QString& menge, const QString& zuLiefern);

    QStringList toList() const { return QStringList(m_values.begin(), m_values.end()); }
    friend bool operator==(const LineValues&, const LineValues&) = default;

private:
    std::array<QString, count> m_values;
};
