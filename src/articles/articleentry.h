#pragma once

#include "articles/alternativesearch.h"
#include "articles/articleinfopanel.h"
#include "articles/hitlistmodel.h"
#include "articles/suppliernames.h"
#include "articles/typeahead.h"
#include "services/bookingservice.h"
#include "services/clientservices.h"
#include "services/deliveryrules.h"
#include "services/draftinterfaces.h"
#include "services/priceservice.h"
#include "services/statisticsservice.h"
#include "services/stockservice.h"

#include <QObject>

#include <optional>

class Dialogs;
class Ending;
class LokalIni;
class Logger;
class Session;

// Resolving typed article numbers and search texts, writing an article into
// a draft line and the multiple-login check. Holds the state of the search
// pop-ups (hit list, info panel, alternatives) that the window shows.
class ArticleEntry : public QObject, public ArticleResolver {
    Q_OBJECT
public:
    enum class Focus { Field, Grid, HitList, Alternatives, Quantity };
    Q_ENUM(Focus)
    struct Seams {
        Dialogs& dialogs;
        Ending& ending;
        Logger& log;
    };

    ArticleEntry(Session& session, DraftLineAccess& draft, const ClientServices& services, Seams seams,
                 const LokalIni* ini = nullptr, QObject* parent = nullptr);

    // A user option: the login's options with the defaults of the options window.
    QString option(const QString& key) const;
    // Stock, prices, delivery rules and statistics that the entry calls.
    const ClientServices& services() const { return m_services; }

    Result ArtikelNummerChange(const QString& sender, const QString& Nummer) override;
    QString set_Artikel(int zeilenr, const QString& Artikelnr, const QString& menge,
                        bool checkfiliale) override;
    bool mehrfach_gefunden(const QString& sInfo, const QString& AktiveSeite, bool alle_holen,
                           bool leere_Zeilen_pruefen) override;

    // The refusal of phone-only articles, with the login's hot-line text.
    QString phoneOnlyText() const;
    // The supplier grid of the login.
    SupplierNames suppliers() const;

    TypeAhead& typeAhead() { return m_typeAhead; }
    Session& session() { return m_session; }
    DraftLineAccess& draft() { return m_draft; }
    const Seams& seams() const { return m_s; }

    // Hit list (lvArtikelsuche) and who started the search.
    HitListModel& hitList() { return m_hitList; }
    bool hitListVisible() const { return m_hitVisible; }
    QString hitListOwner() const { return m_owner; }
    void setHitListOwner(const QString& owner) { m_owner = owner; }
    // Hides the hit list, info panel, stock grid and alternatives.
    void hidePopups();

    // Information panel (lvArtikelInfo).
    const QList<ArticleInfoRow>& infoRows() const { return m_info; }
    bool infoVisible() const { return m_infoVisible; }
    void setInfo(const QList<ArticleInfoRow>& rows);

    AlternativeSearch& alternatives() { return m_alternatives; }
    AlternativeSearch::Options alternativeOptions() const;
    void showAlternatives(bool visible);

    QString fieldHint() const { return m_hint; }

    // Article states.
    static bool blocked(const QString& gesperrt) { return !gesperrt.isEmpty() && gesperrt != u"0"; }
    static bool phoneOnly(const QString& buchGr) { return buchGr == u"HX80"; }
    static QString refusedText(const QString& nummer);
    // "\r\nAlternativartikel wurden gefunden." or the "Keine Alternativartikel ..." ending.
    QString alternativesEnding(bool found) const;

    // A message that the messages option lets through.
    void inform(const QString& text);
    void status(int panel, const QString& text) { Q_EMIT statusText(panel, text); }
    // A usage event with customer and user filled in; e carries what else the caller knows.
    void logEvent(int aktion, const QString& info, const QString& artikel, const QString& buchGr,
                  TStatistik e = {});

Q_SIGNALS:
    void hitListVisibilityChanged(bool visible);
    void infoChanged();
    void alternativesChanged();
    void fieldHintChanged(const QString& hint);
    void statusText(int panel, const QString& text);
    void focusRequested(ArticleEntry::Focus target);

private:
    QString logPrefix(const QString& sender) const;
    void showHits(const TArtikelLongInfoArray& hits);
    void gridCaller(const TArtikelLongInfo& hit, Result& r);
    std::optional<int> uniqueHit(const TArtikelLongInfoArray& hits, QString& text) const;

    Session& m_session;
    DraftLineAccess& m_draft;
    const ClientServices& m_services;
    Seams m_s;
    TypeAhead m_typeAhead;
    HitListModel m_hitList;
    AlternativeSearch m_alternatives;
    QList<ArticleInfoRow> m_info;
    QString m_owner;
    QString m_hint;
    bool m_hitVisible = false;
    bool m_infoVisible = false;
};
