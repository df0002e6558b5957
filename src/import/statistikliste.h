#pragma once

#include "model/clientrecords.h"

#include <QList>
#include <QString>
#include <QStringList>

// The usage events of a run as they go to the server or into the local
// file: one event per draft line and article, fields cut to the widths the
// server stores, and the CSV and upload forms. No I/O.
class StatistikListe {
public:
    // Values per event in the file and the upload.
    static constexpr int felder = 19;

    // What every stored event is completed with.
    struct Fill {
        bool soap = false;
        QString kdnr;            // "0" when empty
        QString benutzer;        // the logged-in user
        QString rechnerBenutzer; // computer name and Windows user, for an empty _dummy5
    };

    // Cuts and completes an event as it is stored. Line breaks and ";" in
    // any text become blanks: either would break the file's lines and fields.
    static void complete(TStatistik& e, const Fill& fill);

    // The earlier event of the same draft line and article, or -1.
    int earlier(const TStatistik& e) const;
    // Stores a completed event: it replaces the earlier event of its line
    // and article, keeping that one's stock unless it brings its own; a
    // deletion (19) is added and carries the earlier event's stock.
    void store(TStatistik e);

    const QList<TStatistik>& events() const { return m_events; }
    bool isEmpty() const { return m_events.isEmpty(); }
    void clear() { m_events.clear(); }

    // Events with an action above 0: those that are written and sent.
    QList<TStatistik> written() const;
    // The 19 values in the order of the file and the upload.
    static QStringList values(const TStatistik& e);
    // "AnzahlFelder=19"
    static QString header();
    // The header and one line per written event, each ending in ";".
    QString csvText() const;
    // "", "0", "0", "19", the count, then the values of each written event.
    QStringList uploadLines() const;

    // The fields of a file line: its ";" separators, a final ";" opening none.
    static int fieldCount(const QString& line);
    // An event from a file line of 19 fields; line key and booking group empty.
    static TStatistik fromCsv(const QString& line);
    // The lines of a file's text; a final line break ends the last line.
    static QStringList lines(const QString& text);

private:
    QList<TStatistik> m_events;
};
