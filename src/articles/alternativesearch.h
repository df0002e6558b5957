#pragma once

#include "grid/stringgrid.h"
#include "model/compositerecords.h"

#include <QHash>
#include <QPoint>
#include <QSet>
#include <QString>

#include <functional>

class Dialogs;
class Logger;
class ServerLink;

// The alternatives of an article (sgAlternativArtikel): its net articles of
// the wanted types that the web shop knows, with stock and price, highest
// stock first. Row 0 of the grid is the heading.
class AlternativeSearch {
public:
    enum class Target { None, Field, Grid };

    struct Options {
        QString showPreis = QStringLiteral("ON");
        QString mitBestand = QStringLiteral("0"); // ALTERNATIVARTIKEL_MIT_BESTAND
        QString bestandFilter;                    // BESTAND_FILTER_ALLGEMEIN
        QString customerBranch;
        std::function<QString(const QString&)> formatPrice = [](const QString& p) { return p; };
    };

    AlternativeSearch(ServerLink& link, Dialogs& dialogs, Logger& log);

    StringGrid& grid() { return m_grid; }
    const StringGrid& grid() const { return m_grid; }

    // Result 1 when the user accepted a successor (see successor()), else 0.
    // target None only reports a successor, Grid skips the successor check.
    int suche_alternativ(const QString& ArtikelNr, const QSet<int>& typset, QPoint position, bool BestandEgal,
                         Target target, bool fullHeight, const Options& options);

    QString successor() const { return m_successor; }
    int articleRows() const { return m_grid.rowCount() - 1; }
    bool visible() const { return m_visible; }
    void setVisible(bool on) { m_visible = on; }
    // Heading only, or all rows (a click on the heading expands).
    bool expanded() const { return m_expanded; }
    void setExpanded(bool on) { m_expanded = on; }
    QPoint position() const { return m_position; }
    // While an import runs the list stays hidden.
    void setImportRunning(bool on) { m_importRunning = on; }

    // Status bar text of a failed web-shop check.
    std::function<void(const QString&)> status = [](const QString&) {};

    // The article number of a row text: the text before the first "|".
    static QString numberOf(const QString& rowText);

    struct Row {
        QString text;
        QString sortKey;
    };
    // Rows of the decoded info list; typeOf gives each net article's type.
    static QList<Row> buildRows(const TArtikelInfoListe& liste, const QHash<QString, int>& typeOf,
                                bool BestandEgal, const Options& options);
    // Row texts in grid order: highest stock first, equal stock by text descending.
    static QStringList ordered(const QList<Row>& rows);

private:
    bool successorCheck(const QString& ArtikelNr, Target target, const Options& options);
    void fail(const QString& logText, const QString& shown);

    ServerLink& m_link;
    Dialogs& m_dialogs;
    Logger& m_log;
    StringGrid m_grid{QStringLiteral("sgAlternativArtikel")};
    QString m_successor;
    QPoint m_position;
    bool m_visible = false;
    bool m_expanded = false;
    bool m_importRunning = false;
};
