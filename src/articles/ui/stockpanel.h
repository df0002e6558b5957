#pragma once

#include "articles/stockinfo.h"
#include "services/stockservice.h"

#include <QObject>
#include <QPointer>

#include <memory>

class DraftLineAccess;
class Dialogs;
class Logger;
class QAbstractItemView;
class QWidget;
class Session;
class StockGrid;
struct ClientServices;

// The stock service of the "Shop" tab: F9 on a draft line and the article
// information of the quick search show the stock grid sgBestandNeu; a branch
// chosen in it becomes the line's branch.
class StockPanel : public QObject, public StockService {
    Q_OBJECT
public:
    struct Seams {
        Dialogs& dialogs;
        Logger& log;
    };
    // grid: the view of sgVKKL; the stock grid lies over it.
    StockPanel(Session& session, const ClientServices& services, DraftLineAccess& draft,
               QAbstractItemView* grid, Seams seams, QObject* parent = nullptr);
    ~StockPanel() override;

    // Where the stock of the quick search appears: beside this widget (the
    // article information), while the hit list is shown.
    void setSearchAnchor(QWidget* anchor, QWidget* hitList);

    StockGrid* sgBestandNeu() const;
    StockInfo& info() { return m_info; }

    // --- StockService
    Stock showStock(const TArtikelInfo& article) override;
    Stock statistikBestand(const QString& artikel) override { return m_info.statistikBestand(artikel); }
    void hideStock() override;
    void stockInfo(int row) override;
    External freeExternalStock(int row, const QString& artikel, const QString& lieferungscode) override {
        return m_info.freeExternalStock(m_draft, row, artikel, lieferungscode);
    }
    Placement SetMengeStatus(const QString& artikel, int wunschmenge, int te, bool fixed,
                             const QString& wunschfiliale, const QString& lieferungscode) override {
        return m_info.SetMengeStatus(artikel, wunschmenge, te, fixed, wunschfiliale, lieferungscode);
    }

private:
    // Fills and shows the grid; Pos is in the draft view's coordinates.
    void place(const QPoint& pos, bool hitListShown);
    void choose(int gridRow);
    void close();
    int fontSize() const;

    Session& m_session;
    const ClientServices& m_services;
    DraftLineAccess& m_draft;
    QPointer<QAbstractItemView> m_view;
    QPointer<QWidget> m_anchor;
    QPointer<QWidget> m_hitList;
    Seams m_s;
    StockInfo m_info;
    QPointer<StockGrid> m_grid;
    int m_row = 0; // the draft row the grid was opened for, 0 from the search
};
