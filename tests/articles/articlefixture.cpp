#include "articlefixture.h"

#include "link/requests/draftrequests.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

struct Special {
    const char* nummer;
    const char* kurz;
    const char* buchGr;
    const char* gesperrt;
    const char* te;
    int artiId;
};

// Numbers sort as the search answers them.
const Special specials[] = {
    {"ZZSUC 100", "ZZSUC100", "BR10", "1", "1", 990001},    // blocked ...
    {"ZZSUC 100#1", "ZZSUC1001", "BR10", "0", "1", 990002}, // ... with its successor
    {"ZZBLK 200", "ZZBLK200", "BR10", "1", "1", 990003},    // blocked ...
    {"ZZBLK 200#1", "ZZBLK2001", "BR10", "1", "1", 990004}, // ... and its successor blocked too
    {"ZZ BL 47", "ZZBL47", "FI10", "0", "2", 990005},       // stored with blanks
    {"ZZBL470", "ZZBL470", "FI10", "0", "1", 990006},
    {"AATWO", "ZZTWOX", "FI10", "0", "1", 990020}, // found by the short number
    {"ZZTWO", "ZZTWO", "FI10", "0", "1", 990021},
    {"AAPOS1", "ZZPOS3A", "FI10", "0", "1", 990007},
    {"AAPOS2", "ZZPOS3B", "FI10", "0", "1", 990008},
    {"ZZPOS3", "ZZPOS3", "FI10", "0", "1", 990009},
    {"ZZHX80", "ZZHX80", "HX80", "0", "1", 990010},
    {"DLP4711", "DLP4711", "BR10", "0", "1", 990011},
    {"ZZMAIN", "ZZMAIN", "BR10", "0", "1", 990012},
    {"ZZALTA", "ZZALTA", "BR10", "0", "1", 990013},
    {"ZZALTB", "ZZALTB", "BR10", "0", "1", 990014},
    {"ZZALTC", "ZZALTC", "BR10", "0", "1", 990015},
    {"ZZALTD", "ZZALTD", "BR10", "0", "1", 990016},
    {"ZZALTE", "ZZALTE", "BR10", "1", "1", 990017},
    {"ZZALTF", "ZZALTF", "BR10", "0", "1", 990018},
    {"ZZALTG", "ZZALTG", "0", "0", "1", 990019},
};

// Net articles of ZZMAIN: number, type, stock in F01.
struct Net {
    const char* nummer;
    const char* typ;
    int stock;
};
const Net nets[] = {{"ZZALTA", "2", 5}, {"ZZALTB", "1", 5}, {"ZZALTC", "3", 9}, {"ZZALTD", "4", 7},
                    {"ZZALTE", "2", 8}, {"ZZALTF", "7", 0}, {"ZZALTG", "5", 3}};

bool exec(QSqlQuery& q, QString* error) {
    if (q.exec())
        return true;
    *error = q.lastError().text();
    return false;
}

} // namespace

bool addSpecialArticles(const SoapServerProcess& server, QString* error) {
    const QString name = QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(server.directory() + QStringLiteral("/server.sqlite"));
        if (!db.open()) {
            *error = db.lastError().text();
            return false;
        }
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO ARTIKEL (NUMMER, ARTIKELNR_KURZ, TECDOCNR, BEZEICHNUNG, BEZEICHNUNG2, "
            "EINSPEISERCODE, "
            "BUCH_GR, GESPERRT, TE, PE, EINHEIT, KARTONSTUECK, VK_PREIS, TAUSCHWERT, ALTTEILSTEUER, ARTI_ID, "
            "SERIALID, EAN, SUCHTEXT) VALUES (?, ?, '', ?, '', 'E002', ?, ?, ?, '1', 'Stk', '1', '10,00', "
            "'0,00', '0', ?, ?, ?, ?)"));
        for (const Special& s : specials) {
            const QString text = QStringLiteral("Testartikel ") + QLatin1String(s.nummer);
            for (const char* v : {s.nummer, s.kurz})
                q.addBindValue(QLatin1String(v));
            q.addBindValue(text);
            for (const char* v : {s.buchGr, s.gesperrt, s.te})
                q.addBindValue(QLatin1String(v));
            q.addBindValue(QString::number(s.artiId));
            q.addBindValue(QString::number(s.artiId));
            q.addBindValue(s.artiId == 990006 ? testEan() : QStringLiteral(""));
            q.addBindValue(text.toUpper());
            if (!(ok = exec(q, error)))
                break;
        }
        QSqlQuery n(db);
        n.prepare(
            QStringLiteral("INSERT INTO ARTIKELNETZ (NETZARTIKELNR, ARTIKELNR, HINWEIS_BEZEICHNUNG, TYP, "
                           "ARTN_ID, MAND_ID) VALUES (?, 'ZZMAIN', 'Test', ?, ?, '6')"));
        QSqlQuery b(db);
        b.prepare(
            QStringLiteral("INSERT INTO BESTAND (ARTIKELNR, FILIALE, VERFUEGBAR) VALUES (?, 'F01', ?)"));
        int key = 970000;
        for (const Net& e : nets) {
            if (!ok)
                break;
            n.addBindValue(QLatin1String(e.nummer));
            n.addBindValue(QLatin1String(e.typ));
            n.addBindValue(QString::number(key++));
            b.addBindValue(QLatin1String(e.nummer));
            b.addBindValue(e.stock);
            ok = exec(n, error) && exec(b, error);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

ArticleHarness::ArticleHarness(const SoapServerProcess& server, bool soap) {
    session = std::make_unique<Session>(Session::Seams{platform, log, dialogs, ending, clock},
                                        serverSessionConfig(server, soap, dir.path(), &ini), services);
    entry = std::make_unique<ArticleEntry>(*session, draft, services,
                                           ArticleEntry::Seams{dialogs, ending, log}, &ini);
    search = std::make_unique<QuickSearch>(*entry);
}

bool ArticleHarness::login(const QString& user, const QString& password) {
    const bool ok = session->login({QStringLiteral("10000"), user, password, QString()});
    // What the login itself reports is not the search's business.
    if (ok)
        dialogs.shown.clear();
    return ok;
}

QString ArticleHarness::newLine() {
    const TDebitor& customer = session->customerData().customer;
    LineValues v;
    v.set(LineValues::Client, QStringLiteral("QTX"));
    v.set(LineValues::LIEFERADR, session->customerData().LAdr.value(0).CODE);
    v.set(LineValues::ART, QStringLiteral("2"));
    v.set(LineValues::MENGE, QStringLiteral("0"));
    v.set(LineValues::LIEFERUNGSCODE, customer.LIEFERUNGSCODE);
    v.set(LineValues::FILIALE, customer.FILIALE);
    v.set(LineValues::Rueckstand, QStringLiteral("0"));
    v.set(LineValues::BESTELLEN, QStringLiteral("0"));
    VkklAnswer out;
    if (!MyVKKLInsert(session->link(), v, out).ok())
        return QString();
    draft.setLine(1, out.vkklId);
    return out.vkklId;
}

QString ArticleHarness::shown() const {
    QStringList texts;
    for (const auto& s : dialogs.shown)
        texts << s.text;
    return texts.join(QStringLiteral(" | "));
}

bool ArticleHarness::hasEvent(int aktion, const QString& info) const {
    for (const TStatistik& e : events) {
        if (e._Aktion == aktion && e._Info == info)
            return true;
    }
    return false;
}
