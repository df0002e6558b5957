#include "settings/productgroupfilter.h"

#include "link/requests/miscrequests.h"
#include "model/uitexts.h"

using namespace Qt::StringLiterals;

namespace ProductGroupFilter {

bool decode(const QStringList& lines, QList<TFilterListe>& out) {
    out.clear();
    bool ok = false;
    const int n = lines.value(0).trimmed().toInt(&ok);
    if (!ok || n < 0 || lines.size() < 1 + qsizetype(n) * 6)
        return false;
    for (int i = 0; i < n; ++i) {
        const qsizetype at = 1 + qsizetype(i) * 6;
        out.append({lines.at(at + 1).trimmed(), lines.at(at + 2).trimmed(), lines.at(at + 3).trimmed(),
                    lines.at(at + 4).trimmed(), lines.at(at + 5).trimmed()});
    }
    return true;
}

bool load(ServerLink& link, QList<TFilterListe>& out, QString* error) {
    const LinkAnswer a = MyGetDebitorWarengruppenfilter(link, {u"0"_s, link.login().KdNr, u"0"_s});
    if (!a.ok()) {
        *error = u"Fehler GetPreisdateifilter: "_s + a.errorText;
        return false;
    }
    if (!decode(a.lines, out)) {
        *error = u"Fehler GetPreisdateifilter: "_s + u"Antwort unvollständig"_s;
        return false;
    }
    return true;
}

QString itemText(const TFilterListe& e) {
    QString text = Txt::format(u"%3s  %s"_s, {e.rBuchgruppe, e.rBezeichnung}) + u'\t';
    if (e.rKurzBez != e.rBezeichnung)
        text += u' ' + e.rKurzBez;
    return text;
}

} // namespace ProductGroupFilter
