#include "demospecials.h"

#include "model/formatde.h"
#include "model/records.h"
#include "store/recordtable.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace {

struct Special {
    const char* nummer;
    const char* text;
    const char* group;
    bool blocked;
    double price;
    const char* supplier;
    int stock; // in the central branch; the branches of the demo customers get a share
    // Instead of the shares: "branch:quantity ..." as written.
    const char* stockPlan = nullptr;
    // A technical unit (always fixed): sold only in multiples of it.
    int fixedUnit = 0;
    // Dangerous goods: neither night express nor parcel service.
    bool dangerous = false;
};

const Special specials[] = {
    // Exchange engines and gearboxes are sold by phone only.
    {"AM 1600", "Austauschmotor 1,6 l", "HX80", false, 2890.00, "E004", 2},
    {"AM 2000", "Austauschmotor 2,0 l TDI", "HX80", false, 3450.00, "E004", 1},
    {"AG 6000", "Austauschgetriebe 6-Gang", "HX80", false, 1980.00, "E006", 1},
    // Service flat rates: a valid booking group, yet not taken from the hit list.
    {"DLP0815", "Dienstleistungspauschale Altteilrücknahme", "DL10", false, 15.00, "E009", 99},
    {"DLP1200", "Dienstleistungspauschale Einbau", "DL10", false, 45.00, "E009", 99},
    {"DLP3300", "Dienstleistungspauschale Diagnose", "DL10", false, 69.00, "E009", 99},
    // Blocked, each followed by its successor.
    {"NS 52", "Nockenwellensensor", "EL50", true, 54.00, "E003", 0},
    {"NS 52#2", "Nockenwellensensor, Nachfolger", "EL50", false, 57.50, "E003", 14},
    {"TL 300", "Turbolader", "MO50", true, 689.00, "E004", 0},
    {"TL 300#1", "Turbolader, Nachfolger", "MO50", false, 712.00, "E004", 6},
    // Stored with blanks; typed without them they still match.
    {"CU 2939", "Pollenschutzeinsatz", "FI40", false, 18.90, "E002", 25},
    {"OC 47", "Ölfiltereinsatz", "FI10", false, 9.40, "E002", 40},
    {"OC 470", "Ölfiltereinsatz lang", "FI10", false, 11.20, "E002", 18},
    // Stock the way it lies in a wholesaler's branches.
    {"BS 300", "Bremsscheibe belüftet, verteilter Bestand", "BR10", false, 52.00, "E001", 0,
     "F03:4 F15:3 F01:6 F10:5"},
    {"EX 900", "Lichtmaschine, nur im Fremdlager", "EL10", false, 310.00, "E004", 0, "F20:7"},
    {"EL 77", "Bremsbelagsatz, im Kundenlager", "BR20", false, 38.00, "E001", 0, "F01:2 L77:6"},
    {"VB 12", "Achsmanschette, über Streckengeschäft", "FW50", false, 24.00, "E005", 0, "F99:9 F02:1"},
    {"HH 20", "Bremssattel links, nur in Hamburg", "BR30", false, 129.00, "E001", 0, "F01:8"},
    {"ZK 5", "Zündkerzen, nur im Fünferpack", "ZU10", false, 7.20, "E003", 0, "F03:40 F01:100", 5},
    {"LB 70", "Lithium-Starterbatterie 12 V 70 Ah", "BA10", false, 189.00, "E005", 0, "F03:5 F01:10 F15:4", 0,
     true},
};

// Blocked article and its successor (net type 1, "Abgelöst").
const char* const successors[][2] = {{"NS 52", "NS 52#2"}, {"TL 300", "TL 300#1"}};

QString money(double value) {
    return FormatDE::formatFloat(value, 2);
}

} // namespace

bool DemoSpecials::exec(QSqlQuery& q) {
    if (q.exec())
        return true;
    m_error = q.lastError().text() + QStringLiteral(" in ") + q.lastQuery().left(60);
    return false;
}

bool DemoSpecials::insert() {
    QSqlQuery art(m_db), stock(m_db), price(m_db), net(m_db);
    art.prepare(
        RecordTable::insertSql<TArtikelInfo>(QStringLiteral("ARTIKEL"), {QStringLiteral("SUCHTEXT")}));
    stock.prepare(QStringLiteral("INSERT INTO BESTAND (ARTIKELNR, FILIALE, VERFUEGBAR) VALUES (?, ?, ?)"));
    price.prepare(
        QStringLiteral("INSERT INTO NETTOPREIS (ARTIKELNR, PREISGRUPPENNR, RABATT_P) VALUES (?, ?, ?)"));
    net.prepare(RecordTable::insertSql<TArtikelnetz>(QStringLiteral("ARTIKELNETZ"), {}));
    const QString today = FormatDE::formatDate(QDate::currentDate());
    int id = 490000;
    for (const Special& s : specials) {
        TArtikelInfo a;
        a.NUMMER = QLatin1String(s.nummer);
        a.ARTIKELNR_KURZ = a.NUMMER;
        a.ARTIKELNR_KURZ.remove(QLatin1Char(' '));
        a.BEZEICHNUNG = QString::fromUtf8(s.text);
        a.BEZEICHNUNG2 = QStringLiteral("Sonderartikel");
        a.KURZBEZEICHNUNG = a.BEZEICHNUNG.left(20);
        a.EINHEIT = QStringLiteral("Stk");
        a.PE = QStringLiteral("1");
        a.TE = s.fixedUnit > 1 ? QString::number(s.fixedUnit) : QStringLiteral("1");
        a.KARTONSTUECK = QStringLiteral("1");
        a.BUCH_GR = QLatin1String(s.group);
        a.VK_PREIS = money(s.price);
        a.VK_PREIS_INKL_MWST = money(s.price * 1.19);
        a.NVK_PREIS = money(s.price * 0.7);
        a.EINSTANDSPREIS = money(s.price * 0.55);
        a.EINSPEISERCODE = QLatin1String(s.supplier);
        a.LIEFERANTENCODE = a.EINSPEISERCODE;
        a.GESPERRT = s.blocked ? QStringLiteral("1") : QStringLiteral("0");
        a.ALTTEILSTEUER = QStringLiteral("0");
        a.ALTTEIL = a.ALTTEILSTEUER;
        a.TAUSCHWERT = QStringLiteral("0,00");
        a.BRUTTOGEWICHT = money(1.0);
        if (s.dangerous) {
            a.UN_NUMMER = QStringLiteral("3480");
            a.GEFAHRENKLASSE = QStringLiteral("9");
        }
        a.NETTOGEWICHT = a.BRUTTOGEWICHT;
        a.UMSATZSTEUERCODE = QStringLiteral("1");
        a.SKONTOFAEHIG = QStringLiteral("1");
        a.ART = QStringLiteral("0");
        a.URSPRUNGSLAND = QStringLiteral("DE");
        a.ANLAGEDATUM = today;
        a.MAND_ID = QStringLiteral("6");
        a.ARTI_ID = QString::number(id++);
        a.SERIALID = a.ARTI_ID;
        art.addBindValue(QString(a.BEZEICHNUNG + QLatin1Char(' ') + a.BEZEICHNUNG2).toUpper());
        RecordTable::bindFields(art, a);
        if (!exec(art))
            return false;
        // The central branch and the branches of the demo customers, or the plan.
        QList<std::pair<QString, int>> rows;
        if (s.stockPlan) {
            for (const QString& entry : QString::fromLatin1(s.stockPlan).split(QLatin1Char(' '))) {
                const QStringList p = entry.split(QLatin1Char(':'));
                rows.append({p.at(0), p.at(1).toInt()});
            }
        } else {
            for (const auto& [branch, share] : {std::pair{"F01", 1.0}, std::pair{"F03", 0.5},
                                                std::pair{"F15", 0.25}, std::pair{"F05", 0.25}})
                rows.append({QLatin1String(branch), int(s.stock * share)});
        }
        for (const auto& [branch, quantity] : rows) {
            stock.addBindValue(a.NUMMER);
            stock.addBindValue(branch);
            stock.addBindValue(quantity);
            if (!exec(stock))
                return false;
        }
        for (int group = 1; group <= 3; ++group) {
            price.addBindValue(a.NUMMER);
            price.addBindValue(QString::number(group));
            price.addBindValue(double(5 * group));
            if (!exec(price))
                return false;
        }
    }
    int key = 890000;
    for (const auto& [old, successor] : successors) {
        TArtikelnetz n;
        n.ARTIKELNR = QLatin1String(old); // filed under the blocked article
        n.NETZARTIKELNR = QLatin1String(successor);
        n.TYP = QStringLiteral("1");
        n.HINWEIS_BEZEICHNUNG = QStringLiteral("Nachfolgeartikel");
        n.DATUM = today;
        n.MENGE = QStringLiteral("1");
        n.QUELLE = QStringLiteral("KALDO");
        n.MAND_ID = QStringLiteral("6");
        n.ARTN_ID = QString::number(key++);
        RecordTable::bindFields(net, n);
        if (!exec(net))
            return false;
    }
    return true;
}
