#include "import/statistikliste.h"

namespace {

const QString semicolon = QStringLiteral(";");
const QString soapMarker = QStringLiteral("SOAP_CLIENT");

QString clean(QString text) {
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == u';')
            c = u' ';
    }
    return text;
}

// The text fields of an event, in the order of the record.
QList<QString*> texts(TStatistik& e) {
    return {&e._KdNummer,   &e._Benutzer,   &e._Artikel,       &e._VKKL_ID,        &e._Buchgr,
            &e._Nettopreis, &e._BestandGes, &e._BestandKdFil,  &e._BestandTourFil, &e._Bestellmenge,
            &e._AusFiliale, &e._Liefercode, &e._Lieferadresse, &e._DatumZeit,      &e._Info,
            &e._dummy1,     &e._dummy2,     &e._dummy3,        &e._dummy4,         &e._dummy5};
}

} // namespace

void StatistikListe::complete(TStatistik& e, const Fill& fill) {
    for (QString* t : texts(e))
        *t = clean(*t);
    e._Info.truncate(30);
    e._dummy1.truncate(20);
    e._dummy2.truncate(20);
    e._dummy3.truncate(20);
    // An event read back from the local file carries the marker already.
    if (fill.soap && !e._dummy4.endsWith(soapMarker))
        e._dummy4 += QLatin1Char(' ') + soapMarker;
    e._dummy4.truncate(20);
    if (e._dummy5.isEmpty())
        e._dummy5 = clean(fill.rechnerBenutzer).left(20);
    e._dummy5.truncate(20);
    const QString kdnr = clean(fill.kdnr);
    e._KdNummer = kdnr.isEmpty() ? QStringLiteral("0") : kdnr;
    e._Benutzer = clean(fill.benutzer);
}

int StatistikListe::earlier(const TStatistik& e) const {
    if (e._VKKL_ID.isEmpty() || e._Artikel.isEmpty())
        return -1;
    for (int i = 0; i < m_events.size(); ++i) {
        if (m_events.at(i)._VKKL_ID == e._VKKL_ID && m_events.at(i)._Artikel == e._Artikel)
            return i;
    }
    return -1;
}

void StatistikListe::store(TStatistik e) {
    const int i = earlier(e);
    if (i < 0) {
        m_events.append(e);
        return;
    }
    const TStatistik& before = m_events.at(i);
    if (e._Aktion == 19) {
        e._BestandGes = before._BestandGes;
        e._BestandKdFil = before._BestandKdFil;
        e._BestandTourFil = before._BestandTourFil;
        m_events.append(e);
        return;
    }
    if (e._BestandGes.isEmpty())
        e._BestandGes = before._BestandGes;
    if (e._BestandKdFil.isEmpty())
        e._BestandKdFil = before._BestandKdFil;
    m_events[i] = e;
}

QList<TStatistik> StatistikListe::written() const {
    QList<TStatistik> out;
    for (const TStatistik& e : m_events) {
        if (e._Aktion > 0)
            out.append(e);
    }
    return out;
}

QStringList StatistikListe::values(const TStatistik& e) {
    return {QString::number(e._Aktion),
            e._KdNummer,
            e._Benutzer,
            e._Artikel,
            e._Nettopreis,
            e._BestandGes,
            e._BestandKdFil,
            e._BestandTourFil,
            e._Bestellmenge,
            e._AusFiliale,
            e._Liefercode,
            e._Lieferadresse,
            e._DatumZeit,
            e._Info,
            e._dummy1,
            e._dummy2,
            e._dummy3,
            e._dummy4,
            e._dummy5};
}

QString StatistikListe::header() {
    return QStringLiteral("AnzahlFelder=") + QString::number(felder);
}

QString StatistikListe::csvText() const {
    QString text = header() + QStringLiteral("\r\n");
    for (const TStatistik& e : written())
        text += values(e).join(semicolon) + semicolon + QStringLiteral("\r\n");
    return text;
}

QStringList StatistikListe::uploadLines() const {
    const QList<TStatistik> events = written();
    QStringList lines{QString(), QStringLiteral("0"), QStringLiteral("0"), QString::number(felder),
                      QString::number(events.size())};
    for (const TStatistik& e : events)
        lines += values(e);
    return lines;
}

int StatistikListe::fieldCount(const QString& line) {
    const int separators = int(line.count(u';'));
    return line.endsWith(u';') ? separators : separators + 1;
}

TStatistik StatistikListe::fromCsv(const QString& line) {
    const QStringList v = line.split(u';');
    TStatistik e;
    e._Aktion = v.value(0).trimmed().toInt();
    QString* fields[] = {&e._KdNummer,   &e._Benutzer,     &e._Artikel,        &e._Nettopreis,
                         &e._BestandGes, &e._BestandKdFil, &e._BestandTourFil, &e._Bestellmenge,
                         &e._AusFiliale, &e._Liefercode,   &e._Lieferadresse,  &e._DatumZeit,
                         &e._Info,       &e._dummy1,       &e._dummy2,         &e._dummy3,
                         &e._dummy4,     &e._dummy5};
    for (int i = 0; i < felder - 1; ++i)
        *fields[i] = v.value(i + 1);
    return e;
}

QStringList StatistikListe::lines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList out = t.split(u'\n');
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}
