#include "order/ui/shoppage.h"

#include "order/ui/draftgridview.h"
#include "order/ui/draftmenus.h"
#include "services/bookingservice.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ShopPage::ShopPage(QWidget* parent, StringGrid& sgVKKL, DraftGridActions& actions,
                   const ClientServices& services, Logger& log)
    : QWidget(parent)
    , m_services(services) {
    setObjectName(QStringLiteral("ShopPage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_schnellsuche = new QWidget(this);
    m_schnellsuche->setObjectName(QStringLiteral("pnSchnellsuche"));
    auto* quickLayout = new QVBoxLayout(m_schnellsuche);
    quickLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_schnellsuche);

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("pnVKKL"));
    m_gridArea = new QGridLayout(area);
    m_gridArea->setContentsMargins(0, 0, 0, 0);
    m_grid = new DraftGridView(sgVKKL, actions, services, log, area);
    m_gridArea->addWidget(m_grid, 0, 0);
    layout->addWidget(area, 1);

    auto* sums = new QWidget(this);
    sums->setObjectName(QStringLiteral("SummenPanel"));
    auto* sumsLayout = new QHBoxLayout(sums);
    sumsLayout->setContentsMargins(4, 2, 4, 2);
    sumsLayout->addStretch();
    m_summen = new QLabel(sums);
    m_summen->setObjectName(QStringLiteral("SummenLabel"));
    // The totals are "%8.2f" columns: keep the figures aligned.
    m_summen->setFont(QFont(QStringLiteral("Courier New")));
    m_summen->setTextFormat(Qt::PlainText);
    sumsLayout->addWidget(m_summen);
    layout->addWidget(sums);

    connect(m_grid, &DraftGridView::statusTextChanged, this, &ShopPage::statusTextChanged);
    m_menus = new DraftMenus(*this, *m_grid, actions, services);
}

void ShopPage::setSummen(const QString& text) {
    m_summen->setText(text);
}

void ShopPage::placeOverGrid(QWidget* overlay, Qt::Alignment alignment) {
    if (!overlay)
        return;
    // The same layout cell as the grid: the widget lies over it.
    m_gridArea->addWidget(overlay, 0, 0, alignment);
    overlay->raise();
    m_overlays.append(overlay);
}

bool ShopPage::overlayShown() const {
    for (const QPointer<QWidget>& overlay : m_overlays) {
        if (overlay && overlay->isVisible())
            return true;
    }
    return false;
}

void ShopPage::setLogoTexts(const DraftLogo::Texts& texts) {
    m_grid->setLogoTexts(texts);
}

QMenu* ShopPage::createZeileMenu(QWidget* parent) const {
    return m_menus->createZeileMenu(parent);
}

const QList<QAction*>& ShopPage::zeileActions() const {
    return m_menus->zeileActions();
}

const QList<QAction*>& ShopPage::createFensterActions() const {
    return m_menus->fensterActions();
}

void ShopPage::reopenEditor(const QString& header, int row) {
    // A list laid over the grid keeps the focus.
    if (overlayShown())
        return;
    m_grid->reopenEditor(header, row);
}

void ShopPage::bookOrder() {
    m_services.booking->bookOrder();
}
