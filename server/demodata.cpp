#include "demodata.h"

#include "demodocuments.h"
#include "demonetwork.h"
#include "demoservices.h"
#include "demospecials.h"

#include "model/conversions.h"
#include "model/formatde.h"
#include "model/records.h"
#include "model/scramble.h"
#include "serverstore.h"
#include "store/recordtable.h"
#include "store/transaction.h"

#include <algorithm>

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

#include <tuple>

namespace {

constexpr quint32 seed = 4711;

struct BranchSeed {
    const char* code;
    const char* name;
    const char*
        art; // Z central, F branch, E external warehouse, V virtual, N not for delivery, K own warehouse
    int stockFactor;
};

// A dozen branches; the stock factor makes the stock uneven.
const BranchSeed branchSeeds[] = {
    {"F01", "Hamburg Zentrale", "Z", 60},
    {"F02", "Bremen", "F", 12},
    {"F03", "Hannover", "F", 25},
    {"F04", "Kiel", "F", 6},
    {"F05", "Lübeck", "F", 9},
    {"F06", "Schwerin", "F", 4},
    {"F07", "Rostock", "F", 10},
    {"F08", "Oldenburg", "F", 3},
    {"F09", "Lüneburg", "F", 5},
    {"F15", "Ostrand", "F", 18},
    {"F20", "Fremdlager Süd", "E", 30},
    {"F99", "Streckengeschäft", "V", 0},
    // Without a stock factor, so that the random catalogue stays the same:
    // their stock comes with the special articles.
    {"F10", "Werkstattlager Nord", "N", 0},
    {"L77", "Kundenlager", "K", 0},
};

struct PartSeed {
    const char* text;
    const char* group;
    double price;
    bool oldPart;
};

const PartSeed partSeeds[] = {
    {"Bremsscheibe vorne", "BR10", 48.90, false},
    {"Bremsscheibe hinten", "BR10", 39.50, false},
    {"Bremsbelagsatz vorne", "BR20", 36.40, false},
    {"Bremsbelagsatz hinten", "BR20", 29.80, false},
    {"Bremssattel", "BR30", 119.00, true},
    {"Ölfilter", "FI10", 8.95, false},
    {"Luftfilter", "FI20", 14.60, false},
    {"Kraftstofffilter", "FI30", 21.70, false},
    {"Innenraumfilter", "FI40", 17.20, false},
    {"Zündkerze", "ZU10", 7.80, false},
    {"Glühkerze", "ZU20", 12.40, false},
    {"Wasserpumpe", "MO10", 64.00, false},
    {"Zahnriemensatz", "MO20", 139.00, false},
    {"Keilrippenriemen", "MO30", 22.50, false},
    {"Thermostat", "MO40", 27.90, false},
    {"Lichtmaschine", "EL10", 289.00, true},
    {"Anlasser", "EL20", 245.00, true},
    {"Lambdasonde", "EL30", 89.00, false},
    {"Stoßdämpfer vorne", "FW10", 79.00, false},
    {"Stoßdämpfer hinten", "FW10", 69.00, false},
    {"Querlenker", "FW20", 58.00, false},
    {"Spurstangenkopf", "FW30", 19.90, false},
    {"Radlagersatz", "FW40", 49.00, false},
    {"Kupplungssatz", "KU10", 199.00, true},
    {"Auspuffendtopf", "AU10", 94.00, false},
    {"Scheibenwischer", "ZB10", 16.90, false},
    {"Batterie 12V 70Ah", "BA10", 109.00, false},
    {"Glühlampe H7", "EL40", 6.40, false},
};

const char* const vehicles[] = {
    "VW Golf VII",    "Audi A4 B8",         "BMW 3er E90",     "Opel Astra J",
    "Ford Focus III", "Skoda Octavia III",  "Renault Clio IV", "Mercedes C-Klasse W204",
    "Seat Leon 5F",   "Toyota Corolla E21",
};

struct SupplierSeed {
    const char* code;
    const char* prefix;
    const char* name;
    const char* ort;
};

const SupplierSeed supplierSeeds[] = {
    {"E001", "NB", "Nordbrems Fahrzeugteile GmbH", "Hamburg"},
    {"E002", "FT", "Filtertechnik Weser AG", "Bremen"},
    {"E003", "ZK", "Zündkraft Elektrik KG", "Stuttgart"},
    {"E004", "MT", "Motorteile Harz GmbH", "Goslar"},
    {"E005", "FW", "Fahrwerk Elbe GmbH", "Dresden"},
    {"E006", "KS", "Kupplungs-Service Ruhr", "Essen"},
    {"E007", "AT", "Abgastechnik Main GmbH", "Frankfurt"},
    {"E008", "BL", "Batterie- und Lichttechnik", "Kassel"},
    {"E009", "RA", "Rhein-Auto-Parts GmbH", "Köln"},
    {"E010", "SD", "Südteile Distribution", "München"},
};

QString money(double value) {
    return FormatDE::formatFloat(value, 2);
}

QString ean13(QRandomGenerator& r) {
    QString digits = QStringLiteral("40");
    for (int k = 0; k < 10; ++k)
        digits += QChar(u'0' + r.bounded(10));
    int sum = 0;
    for (int k = 0; k < 12; ++k)
        sum += (digits.at(k).unicode() - u'0') * (k % 2 ? 3 : 1);
    return digits + QChar(u'0' + (10 - sum % 10) % 10);
}

} // namespace

DemoData::DemoData(ServerStore& store)
    : m_store(store)
    , m_random(seed) {}

QList<QStringList> DemoData::logins() {
    return {
        {QStringLiteral("10000"), QStringLiteral("DEMO"), QStringLiteral("demo")},
        {QStringLiteral("10000"), QStringLiteral("CHEF"), QStringLiteral("chef")},
        {QStringLiteral("10001"), QStringLiteral("JÜRGEN"), QStringLiteral("Grüße€1")},
        {QStringLiteral("10002"), QStringLiteral("LAGER"), QStringLiteral("lager")},
        {QStringLiteral("10003"), QStringLiteral("SPERRE"), QStringLiteral("sperre")},
    };
}

bool DemoData::generate(Size size, QString* error, int articleCount) {
    QSqlDatabase db = m_store.database();
    Transaction transaction(db);
    const bool full = size == Size::Full;
    DemoDocuments documents(db, m_random, m_articleNumbers);
    DemoServices services(m_store, m_random, m_articleNumbers);
    const int days = full ? 365 : 90;
    DemoSpecials specials(db);
    DemoNetwork network(db, m_articleNumbers);
    const int count = articleCount > 0 ? std::min(articleCount, maxArticles) : full ? 6000 : 400;
    if (!branches(db) || !suppliers(db) || !articles(db, count) || !specials.insert() ||
        !network.generate() || !customers(db) || !documents.documents(days, full) ||
        !documents.offers(days) || !services.cardNotes() || !services.priceFiles() || !services.texts()) {
        if (m_error.isEmpty())
            m_error = !specials.error().isEmpty()    ? specials.error()
                      : !network.error().isEmpty()   ? network.error()
                      : !documents.error().isEmpty() ? documents.error()
                                                     : services.error();
        if (error)
            *error = m_error;
        if (error && error->isEmpty())
            *error = QStringLiteral("Demodaten konnten nicht angelegt werden");
        return false;
    }
    if (!transaction.commit())
        return false;
    // The text index grew article by article; merged once, a lookup reads one segment.
    QSqlQuery merge(db);
    return merge.exec(QStringLiteral("INSERT INTO ARTIKEL_TEXT (ARTIKEL_TEXT) VALUES ('optimize')"));
}

bool DemoData::exec(QSqlQuery& q) {
    if (q.exec())
        return true;
    m_error = q.lastError().text() + QStringLiteral(" in ") + q.lastQuery().left(60);
    return false;
}

bool DemoData::branches(QSqlDatabase& db) {
    QSqlQuery q(db);
    q.prepare(RecordTable::insertSql<TFilialeKurz2>(
        QStringLiteral("FILIALE"),
        {QStringLiteral("POS"), QStringLiteral("TOUR"), QStringLiteral("EXTERN"), QStringLiteral("VIRTUELL"),
         QStringLiteral("RUECKSTAND_ERLAUBT"), QStringLiteral("BE_PARAM")}));
    int pos = 0;
    for (const BranchSeed& b : branchSeeds) {
        TFilialeKurz2 f;
        f.CODE = QLatin1String(b.code);
        f.BEZEICHNUNG = QStringLiteral("Filiale ") + QString::fromUtf8(b.name);
        f.KURZNAME = QString::fromUtf8(b.name).left(12);
        f.ART = QLatin1String(b.art);
        f.VERKAUFSFILIALE = f.ART == u"Z" || f.ART == u"F" ? QStringLiteral("1") : QStringLiteral("0");
        // "0" would drop the branch from the customer's branch list.
        f.LAGERMASKENINDEX = QString::number(pos + 1);
        // Hannover (F03) is the night-express branch of the demo's tenant.
        f.NACHTEXPRESS = pos % 3 == 0 || f.CODE == u"F03" ? QStringLiteral("1") : QStringLiteral("0");
        f.EILZUSTELLUNG = pos % 2 == 0 ? QStringLiteral("1") : QStringLiteral("0");
        f.PAKETDIENST = f.ART == u"V" ? QStringLiteral("0") : QStringLiteral("1");
        f.FILI_ID = QString::number(100 + pos);
        f.ZUGEORDNETE_ZENTRALE = pos < 6 || f.ART == u"Z" ? QStringLiteral("F01") : QString();
        q.addBindValue(pos);
        q.addBindValue(QStringLiteral("T%1").arg(pos + 1, 2, 10, QLatin1Char('0')));
        q.addBindValue(f.ART == u"E" ? QStringLiteral("1") : QStringLiteral("0"));
        q.addBindValue(f.ART == u"V" ? QStringLiteral("1") : QStringLiteral("0"));
        // The external warehouse is procured from (received at the central
        // branch); the route business and the customer's own warehouse may
        // leave a rest as backorder.
        q.addBindValue(f.ART == u"E" ? QStringLiteral("0") : QStringLiteral("1"));
        q.addBindValue(f.ART == u"E"   ? QStringLiteral("2;F01;L4711;20;EXT;12,50;3;F01;L4711;20;EXP;19,90")
                       : f.ART == u"K" ? QStringLiteral("2;F01;;20;DEB;0,00")
                                       : QStringLiteral("")); // not null: the column has none
        RecordTable::bindFields(q, f);
        if (!exec(q))
            return false;
        ++pos;
    }
    return true;
}

bool DemoData::suppliers(QSqlDatabase& db) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO EINSPEISER (CODE, NAME, ORT, TECCOM) VALUES (?, ?, ?, ?)"));
    int k = 0;
    for (const SupplierSeed& s : supplierSeeds) {
        q.addBindValue(QLatin1String(s.code));
        q.addBindValue(QString::fromUtf8(s.name));
        q.addBindValue(QString::fromUtf8(s.ort));
        q.addBindValue(k++ % 2 == 0 ? QStringLiteral("1") : QStringLiteral("0"));
        if (!exec(q))
            return false;
    }
    return true;
}

bool DemoData::articles(QSqlDatabase& db, int count) {
    QSqlQuery art(db), stock(db), price(db), grad(db), deposit(db), teccom(db);
    art.prepare(
        RecordTable::insertSql<TArtikelInfo>(QStringLiteral("ARTIKEL"), {QStringLiteral("SUCHTEXT")}));
    stock.prepare(
        QStringLiteral("INSERT INTO BESTAND (ARTIKELNR, FILIALE, VERFUEGBAR, RESERVIERT, RUECKSTAND, "
                       "BESTELLT, EINGANG) VALUES (?, ?, ?, 0, ?, ?, ?)"));
    price.prepare(
        QStringLiteral("INSERT INTO NETTOPREIS (ARTIKELNR, PREISGRUPPENNR, RABATT_P) VALUES (?, ?, ?)"));
    grad.prepare(QStringLiteral("INSERT INTO STAFFELPREIS (ARTIKELNR, AB_MENGE, RABATT_P) VALUES (?, ?, ?)"));
    deposit.prepare(QStringLiteral("INSERT INTO PFAND (ARTIKELNR, PFAND, ALTTEILWERT) VALUES (?, ?, ?)"));
    teccom.prepare(
        QStringLiteral("INSERT OR IGNORE INTO TECCOM_VERFUEGBARKEIT (EINSPEISER, ARTIKELNR, MENGE, "
                       "LIEFERDATUM) VALUES (?, ?, ?, ?)"));
    const QString today = FormatDE::formatDate(QDate::currentDate());
    m_articleNumbers.clear();
    m_articleNumbers.reserve(count);
    for (int i = 0; i < count; ++i) {
        const PartSeed& part = partSeeds[m_random.bounded(int(std::size(partSeeds)))];
        const SupplierSeed& sup = supplierSeeds[m_random.bounded(int(std::size(supplierSeeds)))];
        const char* vehicle = vehicles[m_random.bounded(int(std::size(vehicles)))];
        // Unique nine digits per article behind a random leading digit.
        const QString digits =
            QString::number(1 + m_random.bounded(9)) +
            QStringLiteral("%1").arg(100000000 + i * 104729 % 800000000, 9, 10, QLatin1Char('0'));
        const QString tecdoc = digits.left(1) + QLatin1Char(' ') + digits.mid(1, 3) + QLatin1Char(' ') +
                               digits.mid(4, 3) + QLatin1Char(' ') + digits.mid(7);
        TArtikelInfo a;
        a.NUMMER = QLatin1String(sup.prefix) + digits;
        a.TECDOCNR = tecdoc;
        a.ARTIKELNR_KURZ = digits;
        a.BEZEICHNUNG = QString::fromUtf8(part.text);
        a.BEZEICHNUNG2 = QStringLiteral("für ") + QString::fromUtf8(vehicle);
        a.KURZBEZEICHNUNG = a.BEZEICHNUNG.left(20);
        a.EAN = ean13(m_random);
        a.EINHEIT = QStringLiteral("Stk");
        a.PE = QStringLiteral("1");
        a.TE = QStringLiteral("1");
        a.KARTONSTUECK = QString::number(1 + m_random.bounded(4) * 5);
        a.BUCH_GR = QLatin1String(part.group);
        const double vk = part.price * (0.8 + m_random.bounded(40) / 100.0);
        a.VK_PREIS = money(vk);
        a.VK_PREIS_INKL_MWST = money(vk * 1.19);
        a.NVK_PREIS = money(vk * 0.7);
        a.EINSTANDSPREIS = money(vk * 0.55);
        a.EINSPEISERCODE = QLatin1String(sup.code);
        a.LIEFERANTENCODE = QLatin1String(sup.code);
        a.LIEF_ARTIKELNR = tecdoc;
        a.GESPERRT = i % 97 == 13 ? QStringLiteral("1") : QStringLiteral("0");
        a.ALTTEILSTEUER = part.oldPart ? QStringLiteral("1") : QStringLiteral("0");
        a.ALTTEIL = a.ALTTEILSTEUER;
        a.TAUSCHWERT = part.oldPart ? money(vk * 0.2) : QStringLiteral("0,00");
        a.BRUTTOGEWICHT = money(0.2 + m_random.bounded(100) / 10.0);
        a.NETTOGEWICHT = a.BRUTTOGEWICHT;
        // A few card notes and dangerous goods, so that 425 and 426 have something to tell.
        if (i % 11 == 0)
            a.BEMERKUNG = QStringLiteral("Einbauhinweis des Herstellers beachten.\nNur achsweise tauschen.");
        if (i % 53 == 7) {
            a.UN_NUMMER = QStringLiteral("3480");
            a.GEFAHRENKLASSE = QStringLiteral("9");
        }
        a.UMSATZSTEUERCODE = QStringLiteral("1");
        a.SKONTOFAEHIG = QStringLiteral("1");
        a.ART = QStringLiteral("0");
        a.URSPRUNGSLAND = QStringLiteral("DE");
        a.ANLAGEDATUM = today;
        a.MAND_ID = QStringLiteral("6");
        a.ARTI_ID = QString::number(500000 + i);
        a.SERIALID = a.ARTI_ID;
        // Qt upper-cases umlauts, SQLite does not: the search column is prepared here.
        art.addBindValue(QString(a.BEZEICHNUNG + QLatin1Char(' ') + a.BEZEICHNUNG2).toUpper());
        RecordTable::bindFields(art, a);
        if (!exec(art))
            return false;
        m_articleNumbers.append(a.NUMMER);

        for (const BranchSeed& b : branchSeeds) {
            if (b.stockFactor == 0 || m_random.bounded(100) < 35)
                continue;
            const int available = m_random.bounded(b.stockFactor + 1);
            stock.addBindValue(a.NUMMER);
            stock.addBindValue(QLatin1String(b.code));
            stock.addBindValue(available);
            stock.addBindValue(available == 0 ? m_random.bounded(3) : 0);
            stock.addBindValue(m_random.bounded(100) < 20 ? m_random.bounded(20) : 0);
            stock.addBindValue(m_random.bounded(100) < 10 ? m_random.bounded(10) : 0);
            if (!exec(stock))
                return false;
        }
        for (int group = 1; group <= 3; ++group) {
            price.addBindValue(a.NUMMER);
            price.addBindValue(QString::number(group));
            price.addBindValue(double(10 * group + m_random.bounded(8)));
            if (!exec(price))
                return false;
        }
        if (m_random.bounded(100) < 15) {
            for (const auto& [from, pct] : {std::pair{5, 3.0}, std::pair{10, 5.0}, std::pair{25, 8.0}}) {
                grad.addBindValue(a.NUMMER);
                grad.addBindValue(from);
                grad.addBindValue(pct);
                if (!exec(grad))
                    return false;
            }
        }
        if (part.oldPart || QLatin1String(part.group) == u"BA10") {
            deposit.addBindValue(a.NUMMER);
            deposit.addBindValue(QLatin1String(part.group) == u"BA10" ? QStringLiteral("7,50")
                                                                      : QStringLiteral("0,00"));
            deposit.addBindValue(a.TAUSCHWERT);
            if (!exec(deposit))
                return false;
        }
        if (m_random.bounded(100) < 10) {
            teccom.addBindValue(a.EINSPEISERCODE);
            teccom.addBindValue(a.NUMMER);
            teccom.addBindValue(m_random.bounded(50));
            teccom.addBindValue(FormatDE::formatDate(QDate::currentDate().addDays(1 + m_random.bounded(5))));
            if (!exec(teccom))
                return false;
        }
    }
    return true;
}

bool DemoData::customers(QSqlDatabase& db) {
    struct CustomerSeed {
        const char* nummer;
        const char* name;
        const char* strasse;
        const char* ort;
        const char* filiale;
        const char* gruppe;
        bool blocked;
    };
    const CustomerSeed seeds[] = {
        {"10000", "Autohaus Demo GmbH", "Werkstattweg 1", "30159 Hannover", "F03", "1", false},
        {"10001", "Kfz-Meisterbetrieb Jürgen Müller", "Grüner Weg 12", "22049 Hamburg", "F15", "2", false},
        {"10002", "Teile-Express Nord OHG", "Hafenstraße 7", "23552 Lübeck", "F05", "3", false},
        {"10003", "Gesperrt & Söhne KG", "Am Zaun 3", "24103 Kiel", "F04", "1", true},
    };
    QSqlQuery deb(db), adr(db);
    deb.prepare(RecordTable::insertSql<TDebitor>(QStringLiteral("DEBITOR"), {}));
    adr.prepare(RecordTable::insertSql<TLieferadresse>(QStringLiteral("LIEFERADRESSE"), {}));
    int id = 1;
    for (const CustomerSeed& c : seeds) {
        TDebitor d;
        d.NUMMER = QLatin1String(c.nummer);
        d.NAME = QString::fromUtf8(c.name);
        d.KURZNAME = d.NAME.left(15).toUpper();
        d.STRASSE = QString::fromUtf8(c.strasse);
        d.PLZ_ORT = QString::fromUtf8(c.ort);
        d.TELEFON = QStringLiteral("0511 4711-") + QString::number(id);
        d.FILIALE = QLatin1String(c.filiale);
        d.PREISGRUPPENNR = QLatin1String(c.gruppe);
        d.LIEFERUNGSCODE = QStringLiteral("20");
        d.GESPERRT = c.blocked ? QStringLiteral("1") : QStringLiteral("0");
        d.AUFTRAGSSPERRE = d.GESPERRT;
        d.MWST_PFLICHTIG = QStringLiteral("1");
        d.WAEHRUNGSCODE = QStringLiteral("EUR");
        d.LAENDERCODE = QStringLiteral("D");
        d.SPRACHCODE = QStringLiteral("D");
        d.KREDITMAX = QStringLiteral("25000,00");
        d.RECH_RABATT_P = QStringLiteral("0,00");
        d.DURCHFAKTURIERUNG = QStringLiteral(" ");
        d.PD_ERSTELLEN = QStringLiteral("1");
        d.PD_FORMAT = QStringLiteral("CSV");
        d.PD_DATEIART = QStringLiteral("ZIP");
        d.PD_BRUTTOPREIS = QStringLiteral("0");
        d.TOURFILIALE = d.FILIALE;
        d.TOURNR = QStringLiteral("T01");
        d.DEBI_ID = QString::number(id);
        // 10000 and 10001 may keep their own warehouse with the wholesaler.
        d.DEBI_VERK_ID = id <= 2 ? QStringLiteral("1") : QStringLiteral("0");
        // 10000 may order from virtual branches (the route business F99).
        d.DEBI_VERTR_ID = id == 1 ? QStringLiteral("1") : QStringLiteral("0");
        d.DEBI_DEBI_ID = id == 1 ? QStringLiteral("1") : QStringLiteral("0");
        d.DEBI_LAND_ID = QStringLiteral("0");
        d.MAND_ID = QStringLiteral("6");
        RecordTable::bindFields(deb, d);
        if (!exec(deb))
            return false;

        const QStringList names = {d.NAME, d.NAME + QStringLiteral(" Lager"),
                                   d.NAME + QStringLiteral(" Filiale")};
        for (int k = 0; k < names.size(); ++k) {
            TLieferadresse l;
            l.KUNDENNR = d.NUMMER;
            l.CODE = QString::number(k);
            l.NAME = names.at(k);
            l.STRASSE = k == 0 ? d.STRASSE : QStringLiteral("Industriestraße %1").arg(10 + k);
            l.PLZ_ORT = d.PLZ_ORT;
            l.LAENDERCODE = QStringLiteral("D");
            l.TOURFILIALE = d.FILIALE;
            l.TOURNR = QStringLiteral("T0%1").arg(k + 1);
            l.NACHTANLIEF_MOEGLICH = k == 1 ? QStringLiteral("1") : QStringLiteral("0");
            l.LIEFERUNGSCODE = k == 2 ? QStringLiteral("98") : QStringLiteral("20");
            l.STANDARD = k == 0 ? QStringLiteral("1") : QStringLiteral("0");
            l.DEBITORADR = k == 0 ? QStringLiteral("1") : QStringLiteral("0");
            l.SPAET_BESTELLZEIT = QStringLiteral("17:30");
            l.MAND_ID = QStringLiteral("6");
            l.LIAD_ID = QString::number(id * 10 + k);
            RecordTable::bindFields(adr, l);
            if (!exec(adr))
                return false;
        }
        ++id;
    }
    for (const QStringList& login : logins()) {
        const QString filiale = login.at(0) == u"10001" ? QStringLiteral("F15") : QStringLiteral("F03");
        if (!m_store.addUser(login.at(0), login.at(1), login.at(2), filiale, QStringLiteral("Demo"),
                             login.at(1).left(1) + login.at(1).mid(1).toLower()))
            return false;
    }
    // The workshop's owner sets what its staff may change.
    if (!m_store.addMaster(QStringLiteral("10000"), QStringLiteral("CHEF")))
        return false;
    QSqlQuery opt(db);
    opt.prepare(QStringLiteral("INSERT OR REPLACE INTO BENUTZER_OPTION (KDNR, BENU_LOGIN, BESE_KEY, "
                               "BESE_VALUE) VALUES (?, ?, ?, ?)"));
    const QList<QPair<QString, QString>> options = {
        {QStringLiteral("DISCONNECT_ERLAUBT"), QStringLiteral("1")},
        {QStringLiteral("PING"), QStringLiteral("Off")},
        {QStringLiteral("_M_PREISANZEIGE"), QStringLiteral("1")},
        {QStringLiteral("_M_BESTELLEN_ERLAUBT"), QStringLiteral("1")},
        {QStringLiteral("BESTAND_FILTER_ALLGEMEIN"), QStringLiteral("0")},
        // The administration mode, off; a login without it complains. Its
        // name stands in the programs only scrambled.
        {Scramble::unscramble(QStringLiteral("035082889A929CBE9A9E88AAA6")), QStringLiteral("0")},
        // The document browser: every kind of document with its prices, the
        // CSV export, documents sent on request, open items and the mail
        // address for documents kept by the server.
        {QStringLiteral("_M_BELEGE_BESTELLUNG_ZEIGEN"), QStringLiteral("ON")},
        {QStringLiteral("_M_BELEGE_BESTELLUNGPREISE_ZEIGEN"), QStringLiteral("ON")},
        {QStringLiteral("_M_BELEGE_LIEFERSCHEIN_ZEIGEN"), QStringLiteral("ON")},
        {QStringLiteral("_M_BELEGE_LIEFERSCHEINPREISE_ZEIGEN"), QStringLiteral("ON")},
        {QStringLiteral("_M_BELEGE_RECHNUNG_ZEIGEN"), QStringLiteral("ON")},
        {QStringLiteral("_M_BELEGE_GUTSCHRIFT_ZEIGEN"), QStringLiteral("ON")},
        {QStringLiteral("_M_BELEGE_CSV_SPEICHERN"), QStringLiteral("ON")},
        {QStringLiteral("_M_BELEGE_DOKUMENTE_ANFORDERN"), QStringLiteral("ON")},
        {QStringLiteral("OFFENE_POSTEN_ERLAUBT"), QStringLiteral("ON")},
        {QStringLiteral("BELEG_EMAIL_SPEICHERN"), QStringLiteral("ON")},
    };
    // The branches whose stock counts for the demo customer; its own
    // warehouse is shown and serves first.
    const QList<QPair<QString, QString>> demoCustomer = {
        {QStringLiteral("GUELTIGE_FILIALEN"), QStringLiteral("F01;F02;F03;F05;F15;")},
        {QStringLiteral("DEBITOR_LAGER_MODUS"), QStringLiteral("2")},
    };
    // The address the demo user's documents go to by mail.
    const QList<QPair<QString, QString>> demoUser = {
        {QStringLiteral("BELEG_EMAILADRESSE"), QStringLiteral("einkauf@werkstatt-demo.de")},
    };
    for (const QStringList& login : logins()) {
        QList<QPair<QString, QString>> own = options;
        if (login.at(0) == u"10000")
            own += demoCustomer;
        if (login.at(0) == u"10000" && login.at(1) == u"DEMO")
            own += demoUser;
        for (const auto& [key, value] : own) {
            opt.addBindValue(login.at(0));
            opt.addBindValue(login.at(1));
            opt.addBindValue(RecordTable::text(key));
            opt.addBindValue(RecordTable::text(value));
            if (!exec(opt))
                return false;
        }
    }

    QSqlQuery code(db), kind(db), deadline(db), times(db);
    code.prepare(RecordTable::insertSql<TLieferung>(QStringLiteral("LIEFERUNG"), {}));
    // Delivery on the tour, pick-up at three branches, night express, parcel service.
    const QStringList codes = {
        QStringLiteral("20;Zustellung;Z;"),          QStringLiteral("02;Abholung Hannover;A;F03"),
        QStringLiteral("03;Abholung Ostrand;A;F15"), QStringLiteral("04;Abholung Lübeck;A;F05"),
        QStringLiteral("97;Nachtexpress;N;"),        QStringLiteral("98;Paketdienst;P;")};
    int lid = 1;
    for (const QString& c : codes) {
        TLieferung l;
        l.CODE = c.section(QLatin1Char(';'), 0, 0);
        l.NAME = c.section(QLatin1Char(';'), 1, 1);
        l.LIEFERART = c.section(QLatin1Char(';'), 2, 2);
        l.ABHOL_ZIELFILIALE = c.section(QLatin1Char(';'), 3, 3);
        // Dealers may use every demo code; the client keeps only codes flagged "1".
        l.HAENDLER_J_N = QStringLiteral("1");
        l.GEBUEHREN_ZUSCHLAG = l.CODE == u"97" ? QStringLiteral("9,50") : QStringLiteral("0,00");
        l.ZUSTELLUNGSKOSTEN = l.CODE == u"98" ? QStringLiteral("6,90") : QStringLiteral("0,00");
        l.MAND_ID = QStringLiteral("6");
        l.LIEF_ID = QString::number(lid++);
        RecordTable::bindFields(code, l);
        if (!exec(code))
            return false;
        // One kind per letter: the pick-up codes share "A".
        kind.prepare(QStringLiteral("INSERT OR IGNORE INTO LIEFERART (CODE, NAME) VALUES (?, ?)"));
        kind.addBindValue(l.LIEFERART);
        kind.addBindValue(l.NAME.section(QLatin1Char(' '), 0, 0));
        if (!exec(kind))
            return false;
    }
    deadline.prepare(
        QStringLiteral("INSERT INTO BESTELLZEIT (FILIALE, NAME, LIEFERADR, LIEFERUNGSART, STARTZEIT, "
                       "ENDEZEIT) VALUES (?, ?, '', ?, ?, ?)"));
    times.prepare(
        QStringLiteral("INSERT INTO ZUSTELLZEIT (FILIALE, TOURNR, ABFAHRT, ANKUNFT) VALUES (?, ?, ?, ?)"));
    for (const BranchSeed& b : branchSeeds) {
        if (QLatin1String(b.art) != u"F" && QLatin1String(b.art) != u"Z")
            continue;
        for (const auto& [kindCode, start, end] :
             {std::tuple{"Z", "07:00", "11:30"}, std::tuple{"Z", "11:30", "16:00"},
              std::tuple{"N", "16:00", "18:30"}, std::tuple{"P", "07:00", "15:00"}}) {
            deadline.addBindValue(QLatin1String(b.code));
            deadline.addBindValue(QString::fromUtf8(b.name));
            deadline.addBindValue(QLatin1String(kindCode));
            deadline.addBindValue(QLatin1String(start));
            deadline.addBindValue(QLatin1String(end));
            if (!exec(deadline))
                return false;
        }
        for (int tour = 1; tour <= 3; ++tour) {
            times.addBindValue(QLatin1String(b.code));
            times.addBindValue(QStringLiteral("T0%1").arg(tour));
            times.addBindValue(QStringLiteral("%1:00").arg(6 + tour * 3, 2, 10, QLatin1Char('0')));
            times.addBindValue(QStringLiteral("%1:30").arg(7 + tour * 3, 2, 10, QLatin1Char('0')));
            if (!exec(times))
                return false;
        }
    }
    return true;
}
