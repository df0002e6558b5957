#include "model/codetables.h"

#include "model/conversions.h"

namespace CodeTables {

QString belegartText(const QString& code) {
    static const char* const texts[] = {"BE", "AB", "PL", "LS", "RG", "ZA", "VT",
                                        "SG", "GS", "GZ", "RL", "GA", "AA", "LB"};
    // Whole-text compare: " 2" or "02" is no kind.
    for (int k = 0; k < int(std::size(texts)); ++k) {
        if (code == QString::number(k))
            return QLatin1StringView(texts[k]).toString();
    }
    return QStringLiteral("unbekannt");
}

QString zeilenartText(const QString& art) {
    if (art == u"15")
        return QStringLiteral("BE");
    return belegartText(art);
}

namespace {

QString unquote(const QString& text) {
    if (text.size() > 1 && text.startsWith(u'"') && text.endsWith(u'"'))
        return text.mid(1, text.size() - 2);
    return text;
}

} // namespace

VersionCompare compareVersions(const QString& ist, const QString& soll) {
    const QStringList istParts = splitAt(ist, u'.');
    const QStringList sollParts = splitAt(soll, u'.');
    if (istParts.size() != 4 || sollParts.size() != 4) {
        const bool istBad = istParts.size() != 4;
        const QString label =
            istBad ? QStringLiteral("Ist-Versionsnummer ") : QStringLiteral("Soll-Versionsnummer ");
        const QString value = unquote(istBad ? ist : soll);
        return {2, QStringLiteral("0"), label + u'"' + value + QStringLiteral("\" hat mehr als 4 Stellen.")};
    }
    for (int k = 0; k < 4; ++k) {
        if (istParts[k] == sollParts[k])
            continue;
        const int i = Convert::toIntDef(istParts[k], 0);
        const int s = Convert::toIntDef(sollParts[k], 0);
        return {0, s >= i ? QStringLiteral("1") : QStringLiteral("-1"), QString()};
    }
    return {0, QStringLiteral("0"), QString()};
}

QStringList splitAt(const QString& text, QChar separator) {
    return unquote(text).split(separator);
}

namespace {

QString zustellung(const ModelContext& c) {
    return c.text(QStringLiteral("_Zustellung"), QStringLiteral("Zustellung"));
}
QString abholung(const ModelContext& c) {
    return c.text(QStringLiteral("_Abholung"), QStringLiteral("Abholung"));
}
QString nachtexpress(const ModelContext& c) {
    return c.text(QStringLiteral("_Nachtexpress"), QStringLiteral("Nachtexpress"));
}
QString paketdienst(const ModelContext& c) {
    return c.text(QStringLiteral("_Paketdienst"), QStringLiteral("Paketdienst"));
}

const TLieferung* findLieferung(const QString& code, const TLieferungArray& lieferungen) {
    for (const TLieferung& l : lieferungen) {
        if (l.CODE.trimmed() == code)
            return &l;
    }
    return nullptr;
}

} // namespace

QString lieferText(const QString& code, const QString& filiale, const TLieferungArray& lieferungen,
                   const ModelContext& context) {
    QString result = code + u' ';
    const QString c = code.trimmed();
    const bool abWerk = c == u"60";
    if (abWerk)
        result = QStringLiteral("ab Werk");
    if (context.mandant != u"1") {
        if (abWerk)
            return context.mandant == u"2" ? result : nachtexpress(context);
        if (filiale == Hauptlager)
            return context.mandant == u"2" ? result : nachtexpress(context);
    }
    if (const TLieferung* l = findLieferung(c, lieferungen)) {
        const QString name = l->NAME.toUpper();
        if (name.contains(u"ZUSTELLUNG"))
            return zustellung(context);
        if (name.contains(u"ABHOLUNG"))
            return abholung(context);
        if (name.contains(u"NACHTEXPRESS"))
            return nachtexpress(context);
        if (name.contains(u"PAKETDIENST"))
            return paketdienst(context);
    }
    return result;
}

QString lieferTextMitAbholfiliale(const QString& code, const TLieferungArray& lieferungen,
                                  const TFilialKurzArray2& filialen, const ModelContext& context,
                                  QString* abholFiliale) {
    const QString c = code.trimmed();
    QString result = c == u"60" ? QStringLiteral("ab Werk ") : code + u' ';
    if (abholFiliale)
        abholFiliale->clear();
    if (c.isEmpty())
        return result;
    const TLieferung* l = findLieferung(c, lieferungen);
    if (!l)
        return result;
    const QString name = l->NAME.toUpper();
    if (name.contains(u"ZUSTELLUNG"))
        return zustellung(context);
    if (name.contains(u"ABHOLUNG")) {
        if (abholFiliale)
            *abholFiliale = l->ABHOL_ZIELFILIALE;
        return abholung(context) + u' ' + filialName(l->ABHOL_ZIELFILIALE, filialen);
    }
    if (name.contains(u"NACHTEXPRESS"))
        return nachtexpress(context);
    if (name.contains(u"PAKETDIENST"))
        return paketdienst(context);
    return code + u' ' + l->NAME;
}

QString filialName(const QString& code, const TFilialKurzArray2& filialen) {
    for (const TFilialeKurz2& f : filialen) {
        if (f.CODE == code)
            return f.BEZEICHNUNG;
    }
    return code;
}

QString filialCode(const QString& name, const TFilialKurzArray2& filialen) {
    for (const TFilialeKurz2& f : filialen) {
        if (f.BEZEICHNUNG == name)
            return f.CODE;
    }
    return QString();
}

QList<Buchgruppe_divisor> buchgruppenDivisoren(const TBenutzerOptions& options) {
    static const QString prefix = QStringLiteral("BUCHGRUPPE_");
    QList<Buchgruppe_divisor> result;
    for (const TBenutzerOption& o : options) {
        if (!o.BESE_KEY.startsWith(prefix))
            continue;
        const int divisor = Convert::toIntDef(o.BESE_VALUE, 1);
        result.append({o.BESE_KEY.mid(prefix.size()), divisor < 1 ? 1 : divisor});
    }
    return result;
}

int divisorFuer(const QString& buchgruppe, const QList<Buchgruppe_divisor>& divisoren) {
    for (const Buchgruppe_divisor& d : divisoren) {
        if (d.Buchgruppe == buchgruppe)
            return d.divisor;
    }
    return 1;
}

QList<TBuchgruppenfaktor> buchgruppenFaktoren(const TBenutzerOptions& options) {
    static const QString prefix = QStringLiteral("_M_PREISFAKTOR_BGR_");
    QList<TBuchgruppenfaktor> result;
    for (const TBenutzerOption& o : options) {
        if (o.BESE_KEY.startsWith(prefix))
            result.append({o.BESE_KEY.mid(prefix.size()), Convert::toFloatDef(o.BESE_VALUE, 0.0), 0.0});
    }
    return result;
}

} // namespace CodeTables
