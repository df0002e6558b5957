#include "import/usagestatistics.h"

#include "link/requests/miscrequests.h"
#include "link/requests/sessionrequests.h"
#include "model/formatde.h"
#include "platform/clock.h"
#include "platform/logger.h"
#include "services/clientservices.h"
#include "services/stockservice.h"
#include "session/session.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QStringDecoder>
#include <QStringEncoder>

#include <exception>
#include <utility>

namespace {

QString what(const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
}

} // namespace

UsageStatistics::UsageStatistics(Logger& log, Clock& clock, Session& session, const ClientServices& services)
    : m_log(log)
    , m_clock(clock)
    , m_session(session)
    , m_services(services) {}

void UsageStatistics::log(const QString& text) {
    m_log.Log(1, text, 1);
}

QString UsageStatistics::localNow() const {
    return FormatDE::formatDateTime(m_clock.now());
}

QString UsageStatistics::localFile() const {
    const Login_rec& login = m_session.link().login();
    return QDir(m_session.link().programFolder())
        .filePath(login.KdNr.trimmed() + QLatin1Char('_') + login.User.trimmed() + QStringLiteral(".csv"));
}

QString UsageStatistics::kdnr(const TStatistik& e) const {
    return e._KdNummer.isEmpty() ? m_session.link().login().KdNr : e._KdNummer;
}

void UsageStatistics::log_statistik(TStatistik e, bool mitBestand, const QString& kdnr) {
    try {
        ServerLink& link = m_session.link();
        if (e._DatumZeit.isEmpty()) {
            const QString now = localNow();
            e._DatumZeit = now;
            if (!m_askingTime) {
                const QScopedValueRollback<bool> asking(m_askingTime, true);
                try {
                    QDateTime server;
                    const LinkAnswer a = MyGetServerTime(
                        link, QStringLiteral("log_statistik Aktion=%1 Info=%2").arg(e._Aktion).arg(e._Info),
                        server);
                    m_timeResult = a.result;
                    if (a.ok() && server.isValid())
                        e._DatumZeit = FormatDE::formatDateTime(server);
                    else
                        log(QStringLiteral("log_statistik getservertime ERR=%1 now=%2")
                                .arg(a.result)
                                .arg(now));
                } catch (const std::exception& x) {
                    log(what(x) + QStringLiteral(" log_statistik getservertime now=") + now);
                }
            }
        }
        if (mitBestand && !e._Artikel.trimmed().isEmpty()) {
            const StockService::Stock stock = m_services.stock->statistikBestand(e._Artikel.trimmed());
            if (stock.error.isEmpty()) {
                e._BestandGes = stock.total;
                e._BestandKdFil = stock.customerBranch;
                e._BestandTourFil = stock.tourBranch;
            } else {
                log(QStringLiteral("log_statistik Bestand ") + e._Artikel + QLatin1Char(' ') + stock.error);
            }
        }
        // The computer and Windows user lead the client's identification.
        const QString rechner = m_session.clientIdent().section(QLatin1Char(' '), 0, 1);
        StatistikListe::complete(e, {m_session.soap(), kdnr, link.login().User, rechner});
        m_liste.store(e);
    } catch (const std::exception& x) {
        log(QStringLiteral("log_statistik ") + what(x));
    }
}

bool UsageStatistics::writeFile(const QString& name, const StatistikListe& liste) {
    // Events saved earlier in this run or in a run that never logged in are
    // still waiting for the next login: the file grows rather than starts over.
    QString text = liste.csvText();
    QFile old(name);
    if (old.open(QIODevice::ReadOnly)) {
        QStringDecoder ansi("windows-1252");
        const QStringList lines = StatistikListe::lines(ansi.decode(old.readAll()));
        old.close();
        if (lines.size() > 1 && lines.first() == StatistikListe::header()) {
            QStringList kept = lines;
            kept += StatistikListe::lines(text).mid(1);
            text = kept.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        }
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        log(QStringLiteral("send_statistik ") + name + QLatin1Char(' ') + file.errorString());
        return false;
    }
    QStringEncoder ansi("windows-1252");
    file.write(ansi.encode(text));
    if (!file.commit()) {
        log(QStringLiteral("send_statistik ") + name + QLatin1Char(' ') + file.errorString());
        return false;
    }
    return true;
}

void UsageStatistics::send_statistik(const QString& csvDatei, bool senden) {
    if (m_liste.isEmpty())
        return;
    // Taken out first: an event recorded while the upload waits stays for the next one.
    const StatistikListe liste = std::exchange(m_liste, StatistikListe());
    try {
        if (!csvDatei.isEmpty())
            writeFile(csvDatei, liste);
        if (senden) {
            const LinkAnswer a = MySaveStatistikData(m_session.link(), liste.uploadLines());
            log(QStringLiteral("SaveStatiskData ERR=%1 %2 Anzahl=%3")
                    .arg(a.result)
                    .arg(a.errorText)
                    .arg(liste.written().size()));
        }
    } catch (const std::exception& x) {
        log(QStringLiteral("send_statistik ") + what(x));
    }
}

void UsageStatistics::read_statistik_fromcsv(bool senden, bool loeschen) {
    const QString name = localFile();
    if (!QFile::exists(name))
        return;
    log(QStringLiteral("read_statistik_fromcsv Datei:") + name);
    QFile file(name);
    QStringList lines;
    if (file.open(QIODevice::ReadOnly)) {
        QStringDecoder ansi("windows-1252");
        lines = StatistikListe::lines(ansi.decode(file.readAll()));
        file.close();
    }
    if (lines.size() > 1) {
        bool good = true;
        int read = 0;
        const QString header = StatistikListe::header();
        if (lines.first() != header) {
            log(QStringLiteral("Statistikformat ungültig:") + lines.first() + QStringLiteral(" Soll:") +
                header);
            good = false;
        }
        for (int i = 1; good && i < lines.size(); ++i) {
            const int fields = StatistikListe::fieldCount(lines.at(i));
            if (fields != StatistikListe::felder) {
                log(QStringLiteral("Anzahl Statistikfelder fehlerhaft in Zeile %1. Soll=%2 Hat=%3")
                        .arg(i)
                        .arg(StatistikListe::felder)
                        .arg(fields));
                good = false;
                break;
            }
            const TStatistik e = StatistikListe::fromCsv(lines.at(i));
            log_statistik(e, false, e._KdNummer);
            ++read;
        }
        if (good && senden) {
            log(QStringLiteral("ReadStatiskData an Server senden, Anzahl Records=%1").arg(read));
            send_statistik(QString(), true);
        }
    }
    if (loeschen) {
        QFile::remove(name);
        log(QStringLiteral("CSV-Datei gelöscht:") + name);
    }
}

void UsageStatistics::record(const TStatistik& event) {
    log_statistik(event, false, kdnr(event));
}

void UsageStatistics::recordDraft(const StatistikEvent& event) {
    // The event's name is its info text; the row it names goes with the details.
    TStatistik e = event.data;
    const QString row = e._Info;
    e._Info = event.name;
    if (e._dummy1.isEmpty())
        e._dummy1 = row;
    // An article taken into a line carries its stock of the moment; a
    // deletion carries what the line's earlier event had.
    log_statistik(e, e._Aktion != StatistikAktion::Geloescht, kdnr(e));
}

void UsageStatistics::recordProgramLogin() {
    try {
        read_statistik_fromcsv(true, true);
        const QString detail = m_session.serverAddress() + QStringLiteral(" SOAP ") +
                               QString::number(m_session.link().serverLevel());
        log_statistik(set_statistik_record(11, QStringLiteral("Programm-Login"), detail), false,
                      m_session.link().login().KdNr);
    } catch (const std::exception& x) {
        log(QStringLiteral("Fehler nach Login bei Statistik:") + what(x));
    }
}

void UsageStatistics::recordLoginInfo(int kladdenZahl) {
    const QString detail =
        QString(QStringLiteral("KLADDENZAHL=%1 ").arg(kladdenZahl) + m_session.firstContactTrace()).trimmed();
    log_statistik(set_statistik_record(11, QStringLiteral("Login-Info"), detail), false,
                  m_session.link().login().KdNr);
}

void UsageStatistics::recordNoInternet(const QString& statusText) {
    // No server to ask for the time: the event keeps the local one.
    TStatistik e = set_statistik_record(53, QStringLiteral("Internetverbindung"), statusText);
    e._DatumZeit = localNow();
    log_statistik(e, false, m_session.link().login().KdNr);
    send_statistik(localFile(), false);
}

void UsageStatistics::recordProgramEnd() {
    if (m_ended)
        return;
    m_ended = true;
    TStatistik e = set_statistik_record(12, QStringLiteral("Programm-Ende"),
                                        QStringLiteral("Version ") + m_session.clientVersion());
    e._dummy2 = m_session.serverAddress();
    // A closed TCP connection would only fail the requests at the end.
    const bool offline = !m_session.soap() && !m_session.client().isConnected();
    if (offline)
        e._DatumZeit = localNow();
    m_timeResult = 0;
    log_statistik(e, false, m_session.link().login().KdNr);
    // A server that does not answer the time does not take the upload
    // either; the file keeps the events for the next login.
    if (offline || m_timeResult == -3)
        send_statistik(localFile(), false);
    else
        send_statistik(QString(), true);
}

void UsageStatistics::send() {
    send_statistik(QString(), true);
}

void UsageStatistics::saveLocally(const QString& info) {
    if (m_liste.isEmpty())
        return;
    // On the way down: the local time, no request.
    TStatistik e =
        set_statistik_record(100, QStringLiteral("Exception Version ") + m_session.clientVersion(), info);
    e._DatumZeit = localNow();
    log_statistik(e, false, m_session.link().login().KdNr);
    send_statistik(localFile(), false);
}
