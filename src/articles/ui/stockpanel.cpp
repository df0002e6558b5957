#include "articles/ui/stockpanel.h"

#include "services/vkklcolumns.h"

#include "articles/ui/stockgrid.h"
#include "grid/stringgrid.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "services/clientservices.h"
#include "services/draftinterfaces.h"
#include "session/session.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QScrollBar>

StockPanel::StockPanel(Session& session, const ClientServices& services, DraftLineAccess& draft,
                       QAbstractItemView* grid, Seams seams, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_services(services)
    , m_draft(draft)
    , m_view(grid)
    , m_s(seams)
    , m_info(session, services) {
    m_grid = new StockGrid(grid);
    connect(m_grid.data(), &StockGrid::chosen, this, &StockPanel::choose);
    connect(m_grid.data(), &StockGrid::closed, this, &StockPanel::close);
}

StockPanel::~StockPanel() = default;

void StockPanel::setSearchAnchor(QWidget* anchor, QWidget* hitList) {
    m_anchor = anchor;
    m_hitList = hitList;
}

StockGrid* StockPanel::sgBestandNeu() const {
    return m_grid;
}

int StockPanel::fontSize() const {
    return m_view ? m_view->font().pointSize() : 0;
}

StockService::Stock StockPanel::showStock(const TArtikelInfo& article) {
    Stock out;
    StockInfo::Request r;
    r.article = article;
    StockInfo::Grid grid;
    if (m_info.ShowArtikelBestand(r, &grid, &out.customerBranch, &out.total, &out.error) != 0) {
        m_grid->hide();
        return out;
    }
    out.error.clear();
    m_row = 0;
    m_grid->fill(grid, true, fontSize());
    // Beside the article information, at its top.
    QPoint pos;
    if (m_anchor && m_view)
        pos = m_anchor->mapTo(m_view->window(), QPoint(m_anchor->width(), 0)) -
              m_view->mapTo(m_view->window(), QPoint(0, 0));
    place(pos, true);
    return out;
}

void StockPanel::hideStock() {
    if (m_grid)
        m_grid->hide();
}

void StockPanel::stockInfo(int row) {
    StringGrid& g = m_draft.visibleGrid();
    if (!m_view || row < 1 || row >= g.rowCount())
        return;
    if (g.value(VkklColumns::Logo, row) == u"TEILMENGE") {
        m_draft.reopenEditor(VkklColumns::Menge, row);
        return;
    }
    StockInfo::Request r;
    r.article.NUMMER = g.value(VkklColumns::Artikelnummer, row).trimmed();
    if (r.article.NUMMER.isEmpty())
        return;
    r.article.BUCH_GR = g.value(VkklColumns::BuchGr, row);
    r.aktFiliale = g.value(VkklColumns::Filiale, row);
    r.lieferungsart = g.value(VkklColumns::Lieferungsart, row);
    r.lAdrCode = g.value(VkklColumns::Lieferadresse, row);
    r.aktZeile = row;
    StockInfo::Grid grid;
    QString kundeFil;
    QString total;
    QString error;
    if (m_info.ShowArtikelBestand(r, &grid, &kundeFil, &total, &error) != 0) {
        m_s.log.Log(1, QStringLiteral("Fehler ArtikelBestand: ") + error, 1);
        m_s.dialogs.message(QString(), QStringLiteral("Fehler ArtikelBestand: ") + error);
        return;
    }
    m_row = row;
    m_grid->fill(grid, false, fontSize());
    const int column = g.column(VkklColumns::Artikelnummer);
    const QRect cell = m_view->visualRect(m_view->model()->index(row - 1, std::max(column, 0)));
    place(m_view->viewport()->mapTo(m_view, cell.topLeft()), false);
}

void StockPanel::place(const QPoint& pos, bool hitListShown) {
    if (!m_view)
        return;
    const int limit = hitListShown && m_hitList ? m_hitList->height() : m_view->height();
    const QSize size = m_grid->fittedSize(limit);
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    int top = pos.y();
    if (!hitListShown) {
        // One row below the line, moved up when it would leave the draft grid.
        top = pos.y() + rowHeight;
        if (top + size.height() > m_view->height())
            top -= size.height();
    }
    m_grid->setGeometry(pos.x() + 2, std::max(0, top), size.width(), size.height());
    m_grid->show();
    m_grid->raise();
    if (!hitListShown)
        m_grid->setFocus();
}

void StockPanel::choose(int gridRow) {
    StringGrid& g = m_draft.visibleGrid();
    const int row = m_row;
    if (row < 1 || row >= g.rowCount())
        return;
    if (m_session.tenant() == 1) {
        close();
        return;
    }
    const bool marked = g.value(VkklColumns::Bestellen, row) == u"JA";
    // A line that is not marked asks for nothing yet.
    const QString menge = marked ? g.value(VkklColumns::Menge, row).trimmed() : QStringLiteral("0");
    QString refusal;
    const QString code = m_info.chooseBranch(m_grid->content(), gridRow, menge, &refusal);
    if (!refusal.isEmpty()) {
        m_s.dialogs.message(QString(), refusal);
        return;
    }
    if (code.isEmpty())
        return;
    if (marked && m_draft.IsRueckstand(row) == u"1") {
        m_s.dialogs.message(QString(),
                            QStringLiteral("Artikel ist auf Rückstand gesetzt oder Menge noch nicht "
                                           "eingegeben.\r\nBei Bedarf bitte Menge neu eingeben."));
        close();
        m_draft.reopenEditor(VkklColumns::Menge, row);
        return;
    }
    QString error = m_draft.set_Filiale(row, code, true);
    if (error.isEmpty())
        error = m_draft.set_Menge(row, g.value(VkklColumns::Menge, row));
    if (!error.isEmpty())
        m_s.dialogs.message(QString(), error);
    close();
}

void StockPanel::close() {
    m_grid->hide();
    if (m_view)
        m_view->setFocus();
}
