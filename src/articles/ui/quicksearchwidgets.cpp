#include "articles/ui/quicksearchwidgets.h"

#include "articles/articleentry.h"
#include "articles/hitlistmodel.h"
#include "articles/quicksearch.h"
#include "articles/typeahead.h"
#include "grid/stringgridmodel.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int hitListHeight = 170;
constexpr int panelWidth = 500;

} // namespace

QuickSearchWidgets::QuickSearchWidgets(QWidget* groupBoxParent, QAbstractItemView* grid, ArticleEntry& entry,
                                       QObject* parent)
    : QObject(parent)
    , m_entry(entry)
    , m_search(std::make_unique<QuickSearch>(entry))
    , m_grid(grid) {
    createControls(groupBoxParent);
    connectState();
}

QuickSearchWidgets::~QuickSearchWidgets() = default;

void QuickSearchWidgets::createControls(QWidget* groupBoxParent) {
    m_box = new QGroupBox(QStringLiteral("Schnellsuche "), groupBoxParent);
    m_box->setObjectName(QStringLiteral("gbSchnellsuche"));
    auto* row = new QHBoxLayout(m_box);
    m_edit = new QLineEdit(m_box);
    m_edit->setObjectName(QStringLiteral("edArtikel"));
    m_ean = new QCheckBox(QStringLiteral("EAN/Barcodenummer"), m_box);
    m_ean->setObjectName(QStringLiteral("CbEAN_Suche"));
    m_ean->setToolTip(
        QStringLiteral("Die Artikelnummer kann als 13-stellige EAN-Barcodenummer eingegeben werden"));
    m_ean->setChecked(m_entry.typeAhead().eanMode());
    row->addWidget(m_edit, 1);
    row->addWidget(m_ean);
    if (groupBoxParent && groupBoxParent->layout())
        groupBoxParent->layout()->addWidget(m_box);

    m_typeDelay = new QTimer(this);
    m_typeDelay->setObjectName(QStringLiteral("tTypeDelay"));
    m_typeDelay->setInterval(TypeAhead::delayMs);
    m_typeDelay->setSingleShot(true);
    m_maus = new QTimer(this);
    m_maus->setObjectName(QStringLiteral("tMaus"));
    // A single click browses unless a double click follows.
    m_click = new QTimer(this);
    m_click->setInterval(300);
    m_click->setSingleShot(true);

    QWidget* over = m_grid ? static_cast<QWidget*>(m_grid) : groupBoxParent;
    m_hits = new QTableView(over);
    m_hits->setObjectName(QStringLiteral("lvArtikelsuche"));
    m_hits->setModel(&m_entry.hitList());
    m_hits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_hits->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_hits->setSelectionMode(QAbstractItemView::SingleSelection);
    m_hits->horizontalHeader()->setSectionsClickable(false);
    m_hits->verticalHeader()->hide();
    m_hits->hide();

    m_info = new QTableWidget(0, 2, over);
    m_info->setObjectName(QStringLiteral("lvArtikelInfo"));
    m_info->horizontalHeader()->hide();
    m_info->verticalHeader()->hide();
    m_info->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_info->horizontalHeader()->setStretchLastSection(true);
    m_info->hide();

    m_alternatives = new QTableView(over);
    m_alternatives->setObjectName(QStringLiteral("sgAlternativArtikel"));
    m_alternativesModel = new StringGridModel(m_entry.alternatives().grid(), m_alternatives);
    m_alternatives->setModel(m_alternativesModel);
    m_alternatives->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_alternatives->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_alternatives->setSelectionMode(QAbstractItemView::SingleSelection);
    m_alternatives->verticalHeader()->hide();
    m_alternatives->horizontalHeader()->setSectionsClickable(true);
    m_alternatives->setColumnWidth(0, panelWidth);
    m_alternatives->setStyleSheet(QStringLiteral("QTableView { background-color: #87ceeb; }"));
    m_alternatives->hide();

    for (QObject* o : {static_cast<QObject*>(m_edit), static_cast<QObject*>(m_hits),
                       static_cast<QObject*>(m_alternatives)})
        o->installEventFilter(this);
}

void QuickSearchWidgets::connectState() {
    connect(m_edit, &QLineEdit::textEdited, m_typeDelay, qOverload<>(&QTimer::start));
    connect(m_typeDelay, &QTimer::timeout, this,
            [this] { m_search->typeDelayElapsed(m_edit->text(), m_edit->hasFocus()); });
    connect(m_ean, &QCheckBox::toggled, this, &QuickSearchWidgets::eanToggled);

    connect(&m_entry, &ArticleEntry::hitListVisibilityChanged, this, &QuickSearchWidgets::showHitList);
    connect(&m_entry, &ArticleEntry::infoChanged, this, &QuickSearchWidgets::showInfo);
    connect(&m_entry, &ArticleEntry::alternativesChanged, this, &QuickSearchWidgets::showAlternatives);
    connect(&m_entry, &ArticleEntry::fieldHintChanged, m_edit, &QLineEdit::setToolTip);
    connect(&m_entry, &ArticleEntry::focusRequested, this,
            [this](ArticleEntry::Focus target) { focus(int(target)); });

    connect(m_search.get(), &QuickSearch::fieldTextChanged, m_edit, [this](const QString& text) {
        if (m_edit->text() != text)
            m_edit->setText(text);
    });
    connect(m_search.get(), &QuickSearch::selectHit, this, [this](int hit) {
        m_hits->selectRow(hit);
        m_hits->setFocus();
    });
    connect(m_search.get(), &QuickSearch::activateCell, this, [this](const QString& header, int row) {
        // The editor opens once the pop-ups are gone.
        QTimer::singleShot(0, this, [this, header, row] { m_entry.draft().reopenEditor(header, row); });
    });
    connect(m_search.get(), &QuickSearch::enterLater, this,
            [this] { QTimer::singleShot(100, this, &QuickSearchWidgets::enterInField); });

    connect(m_hits, &QAbstractItemView::clicked, m_click, qOverload<>(&QTimer::start));
    connect(m_click, &QTimer::timeout, this, [this] { m_search->browse(selectedHit()); });
    connect(m_hits, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        m_click->stop();
        m_search->takeHit(index.row());
    });
    connect(m_hits->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_keyBrowse && current.isValid())
                    m_search->browse(current.row());
                m_keyBrowse = false;
            });
    connect(m_alternatives, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        m_search->chooseAlternative(StringGridModel::gridRow(index));
    });
    connect(m_alternatives->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] {
        m_entry.alternatives().setExpanded(true);
        showAlternatives();
        m_alternatives->selectRow(0);
    });
}

int QuickSearchWidgets::selectedHit() const {
    const QModelIndex current = m_hits->currentIndex();
    return m_hits->selectionModel()->hasSelection() && current.isValid() ? current.row() : -1;
}

void QuickSearchWidgets::showHitList(bool visible) {
    if (!visible || !m_grid) {
        m_hits->hide();
        return;
    }
    m_hits->setGeometry(0, 0, m_grid->width(), hitListHeight);
    for (int c = 0; c < m_entry.hitList().columnCount(); ++c)
        m_hits->setColumnHidden(c, HitListModel::isHiddenColumn(c));
    m_hits->resizeColumnsToContents();
    m_hits->clearSelection();
    m_hits->show();
    m_hits->raise();
}

void QuickSearchWidgets::showInfo() {
    const QList<ArticleInfoRow>& rows = m_entry.infoRows();
    m_info->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? rows.at(r).caption : rows.at(r).value);
            item->setToolTip(rows.at(r).tip);
            m_info->setItem(r, c, item);
        }
    }
    if (!m_entry.infoVisible()) {
        m_info->hide();
        return;
    }
    m_info->resizeColumnToContents(0);
    const int height = m_info->verticalHeader()->defaultSectionSize() * (int(rows.size()) + 1) + 8;
    m_info->setGeometry(0, hitListHeight, panelWidth, height);
    m_info->show();
    m_info->raise();
}

void QuickSearchWidgets::showAlternatives() {
    AlternativeSearch& alt = m_entry.alternatives();
    if (!alt.visible() || !m_grid) {
        m_alternatives->hide();
        return;
    }
    const int rowHeight = m_alternatives->verticalHeader()->defaultSectionSize();
    const int height = (alt.expanded() ? alt.grid().rowCount() : 1) * rowHeight + 10;
    QPoint pos = alt.position();
    if (!alt.expanded() && m_info->isVisible()) {
        // Collapsed over the info panel, right-aligned with it.
        pos = QPoint(m_info->geometry().right() - panelWidth, m_info->y() - 20 - height);
        m_alternatives->setGeometry(pos.x(), std::max(0, pos.y()), panelWidth, height);
    } else {
        if (pos.isNull()) {
            // Below the article cell of the current row.
            const StringGrid& g = m_entry.draft().visibleGrid();
            const QModelIndex cell =
                m_grid->model()
                    ? m_grid->model()->index(g.currentRow() - 1, g.column(QStringLiteral("Artikelnummer")))
                    : QModelIndex();
            const QRect r = m_grid->visualRect(cell);
            pos = m_grid->viewport()->mapTo(m_grid, r.bottomLeft());
        }
        int top = pos.y() + 2;
        if (top + height > m_grid->height())
            top = pos.y() - height;
        if (top < 0)
            top = pos.y();
        m_alternatives->setGeometry(pos.x() + 2, top, panelWidth, height);
    }
    m_alternatives->setColumnWidth(0, panelWidth);
    m_alternatives->show();
    m_alternatives->raise();
}

void QuickSearchWidgets::focus(int target) {
    switch (ArticleEntry::Focus(target)) {
    case ArticleEntry::Focus::Field:
        m_edit->setFocus();
        break;
    case ArticleEntry::Focus::Grid:
        if (m_grid && onShopTab())
            m_grid->setFocus();
        break;
    case ArticleEntry::Focus::HitList:
        m_hits->setFocus();
        break;
    case ArticleEntry::Focus::Alternatives:
        m_alternatives->setFocus();
        m_alternatives->selectRow(0);
        break;
    case ArticleEntry::Focus::Quantity:
        break;
    }
}

void QuickSearchWidgets::enterInField() {
    m_typeDelay->stop();
    m_search->fieldEnter(m_edit->text(), m_entry.hitListVisible() ? selectedHit() : -1);
}

void QuickSearchWidgets::eanToggled(bool on) {
    const bool shop = onShopTab();
    const bool result = m_search->setEanMode(on, shop);
    if (result != on) {
        const QSignalBlocker block(m_ean);
        m_ean->setChecked(result);
    }
    m_edit->clear();
    if (shop) {
        m_edit->setFocus();
        m_typeDelay->start();
    }
}

bool QuickSearchWidgets::onShopTab() const {
    return m_box->isVisibleTo(m_box->window());
}

void QuickSearchWidgets::backToOwner() {
    if (m_entry.hitListOwner() == u"edArtikel" || !onShopTab())
        m_edit->setFocus();
    else if (m_grid)
        m_grid->setFocus();
}
