#include "order/ui/draftgridview.h"

#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "order/ui/draftgriddelegate.h"
#include "order/ui/gridhints.h"
#include "order/ui/janeinlist.h"
#include "platform/logger.h"
#include "services/articlewindows.h"
#include "services/draftinterfaces.h"
#include "services/sessionfollowups.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <exception>

namespace {
// Room left and right of a column's template text.
constexpr int cellPadding = 3;
} // namespace

DraftGridView::DraftGridView(StringGrid& grid, DraftGridActions& actions, const ClientServices& services,
                             Logger& log, QWidget* parent)
    : QTableView(parent)
    , m_grid(grid)
    , m_actions(actions)
    , m_services(services)
    , m_log(log) {
    setObjectName(QStringLiteral("sgVKKL"));
    m_model = new StringGridModel(grid, this);
    m_model->editable = [this](int column, int row) {
        return row >= 1 && m_actions.opensEditor(column, row);
    };
    m_model->commitEdit = [this](int column, int row, const QString& text) {
        m_actions.commitCell(column, row, text);
    };
    setModel(m_model);
    m_delegate = new DraftGridDelegate(grid, actions, this);
    setItemDelegate(m_delegate);
    connect(m_delegate, &DraftGridDelegate::commitRequested, this, &DraftGridView::onCommitRequested);
    connect(m_delegate, &DraftGridDelegate::pasteRequested, this, &DraftGridView::onPasteRequested);
    // The status text shows the selected cell's value: keep it when the
    // server's answer rewrites that row.
    connect(&grid, &StringGrid::cellsChanged, this, [this](int first, int last) {
        const QModelIndex current = currentIndex();
        const int row = current.isValid() ? StringGridModel::gridRow(current) : -1;
        if (row >= first && row <= last)
            Q_EMIT statusTextChanged(m_actions.selectionStatus(current.column(), row));
    });
    connect(&grid, &StringGrid::reset, this, [this] {
        const int row = m_grid.currentRow();
        const int column = m_grid.currentColumn();
        if (row >= 1 && row < m_grid.rowCount())
            Q_EMIT statusTextChanged(m_actions.selectionStatus(column, row));
    });

    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // F2 belongs to the menu "Zeile"; typing or a double click opens the editor.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Uniform rows keep ten thousand lines as cheap as ten.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);

    m_timerActivateCell.setObjectName(QStringLiteral("TimerActivateCell"));
    m_timerActivateCell.setSingleShot(true);
    m_timerActivateCell.setInterval(200);
    connect(&m_timerActivateCell, &QTimer::timeout, this, &DraftGridView::activateCell);

    m_jaNein = new JaNeinList(this);
    connect(m_jaNein, &JaNeinList::chosen, this, [this](bool ja) {
        setFocus();
        if (m_jaNeinRow >= 1)
            m_actions.applyJaNein(m_jaNeinRow, ja);
    });
    connect(m_jaNein, &JaNeinList::cancelled, this, [this] { setFocus(); });

    m_copyPasteMenu = new QMenu(this);
    m_copyPasteMenu->setObjectName(QStringLiteral("pmCopyPaste"));
    m_copyPasteMenu
        ->addAction(QStringLiteral("In die Zwischanablage kopieren"), this, &DraftGridView::copyCell)
        ->setObjectName(QStringLiteral("miKopieren"));
    m_copyPasteMenu
        ->addAction(QStringLiteral("Aus der Zwischenablage einfuegen"), this, &DraftGridView::pasteIntoCell)
        ->setObjectName(QStringLiteral("miEinfuegen"));

    m_hints = new GridHints(
        *this, horizontalHeader(), [this](int column, int row) { return m_actions.hintFor(column, row); },
        [this](int column, int row) { return m_actions.hintFamily(column, row); },
        [this] { return m_services.import->importRunning(); }, this);

    connect(&grid, &StringGrid::columnsChanged, this, &DraftGridView::applyColumnWidths);
    connect(&grid, &StringGrid::currentCellChanged, this, &DraftGridView::syncFromGrid);
    // The grid's current cell stays the truth through reloads, inserts and deletes.
    connect(m_model, &QAbstractItemModel::modelReset, this, &DraftGridView::syncFromGrid);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &DraftGridView::syncFromGrid);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &DraftGridView::syncFromGrid);
    applyColumnWidths();
    syncFromGrid();
}

DraftGridView::~DraftGridView() = default;

void DraftGridView::setLogoTexts(const DraftLogo::Texts& texts) {
    m_delegate->setLogoTexts(texts);
    viewport()->update();
}

int DraftGridView::col(const QString& header) const {
    return m_grid.column(header);
}

QString DraftGridView::headerOf(int column) const {
    return m_grid.header(column);
}

int DraftGridView::currentGridColumn() const {
    return m_grid.currentColumn();
}

int DraftGridView::currentGridRow() const {
    return m_grid.currentRow();
}

void DraftGridView::setCurrentCell(int column, int row) {
    m_grid.setCurrentCell(column, row);
    syncFromGrid();
}

void DraftGridView::syncFromGrid() {
    const QModelIndex index = m_model->indexOf(m_grid.currentColumn(), m_grid.currentRow());
    if (index.isValid() && index != currentIndex())
        setCurrentIndex(index);
}

void DraftGridView::applyColumnWidths() {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (int c = 0; c < m_grid.columnCount(); ++c) {
        int width = m_grid.columnWidth(c);
        if (width == 0) {
            setColumnHidden(c, true);
            continue;
        }
        if (width < 0) {
            QString sample = m_grid.widthTemplate(c);
            if (sample.isEmpty())
                sample = m_grid.header(c);
            width = metrics.horizontalAdvance(sample) + 2 * cellPadding;
        }
        setColumnHidden(c, false);
        setColumnWidth(c, width);
    }
}

void DraftGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid())
        return;
    const int row = StringGridModel::gridRow(current);
    m_grid.setCurrentCell(current.column(), row);
    Q_EMIT statusTextChanged(m_actions.selectionStatus(current.column(), row));
}

QModelIndex DraftGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (!current.isValid() || !next.isValid() || next.column() == current.column())
        return next;
    // Across columns the cursor only stops on the enterable columns from
    // "Bestellen" to "Lieferungsart", wrapping around.
    const int first = col(QStringLiteral("Bestellen"));
    const int last = col(QStringLiteral("Lieferungsart"));
    if (first < 0 || last < first)
        return next;
    QList<int> stops;
    for (int c = first; c <= last; ++c) {
        if (!isColumnHidden(c) && m_actions.isEnterable(c))
            stops.append(c);
    }
    if (stops.isEmpty())
        return current;
    const bool horizontal =
        action == MoveLeft || action == MoveRight || action == MoveNext || action == MovePrevious;
    const int row = horizontal ? current.row() : next.row();
    int target = -1;
    bool forward = next.column() > current.column();
    if (action == MoveRight || action == MoveNext)
        forward = true;
    else if (action == MoveLeft || action == MovePrevious)
        forward = false;
    if (forward) {
        for (int c : stops) {
            if (c > current.column()) {
                target = c;
                break;
            }
        }
        if (target < 0)
            target = stops.first();
    } else {
        for (auto it = stops.crbegin(); it != stops.crend(); ++it) {
            if (*it < current.column()) {
                target = *it;
                break;
            }
        }
        if (target < 0)
            target = stops.last();
    }
    return m_model->index(row, target);
}

bool DraftGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // Typing into "Bestell-Info" opens its editor from the second line on.
    if (index.isValid() && trigger == AnyKeyPressed &&
        index.column() == col(QStringLiteral("Bestell-Info")) && StringGridModel::gridRow(index) < 2)
        return false;
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened && indexWidget(index))
        m_editIndex = index;
    return opened;
}

void DraftGridView::commitData(QWidget*) {
    // An edit is committed only through Enter or Tab (onCommitRequested);
    // leaving the editor otherwise abandons it.
}

void DraftGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint) {
    const QPersistentModelIndex index = m_editIndex;
    m_editIndex = QPersistentModelIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (!m_committing && index.isValid())
        m_actions.restoreCell(index.column(), StringGridModel::gridRow(index));
}

void DraftGridView::onCommitRequested(QWidget* editor, bool viaTab) {
    const QPersistentModelIndex index = m_editIndex;
    if (!index.isValid())
        return;
    auto* line = qobject_cast<QLineEdit*>(editor);
    const QString text = line ? line->text() : QString();
    const int column = index.column();
    const int row = StringGridModel::gridRow(index);
    m_committing = true;
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_committing = false;
    if (viaTab) {
        // Tab commits like Enter, after the editor is gone.
        QTimer::singleShot(100, this, [this, column, row, text] { enterHandling(column, row, text, true); });
    } else {
        enterHandling(column, row, text, true);
    }
}

void DraftGridView::enterHandling(int column, int row, const QString& text, bool fromEditor) {
    if (fromEditor)
        m_actions.commitCell(column, row, text);
    const int lieferungsart = col(QStringLiteral("Lieferungsart"));
    if (lieferungsart >= 0 && column >= lieferungsart)
        m_actions.enterOnRow(column, row);
}

void DraftGridView::reopenEditor(const QString& header, int row) {
    if (m_services.quickSearch->hitListShown())
        return;
    const int column = col(header);
    if (column < 0)
        return;
    setCurrentCell(column, row);
    m_timerActivateCell.start();
}

void DraftGridView::activateCell() {
    m_timerActivateCell.stop();
    try {
        m_log.Log(1,
                  QStringLiteral("TimerActivateCell triggered by ") + objectName() + QStringLiteral(" Row=") +
                      QString::number(currentGridRow()),
                  1);
        setFocus();
        const QModelIndex index = currentIndex();
        if (index.isValid() && edit(index, AllEditTriggers, nullptr)) {
            if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index)))
                line->selectAll();
        }
    } catch (const std::exception& e) {
        m_log.Log(1,
                  objectName() + QStringLiteral(" Exception TimerActivateCellTimer ") +
                      QString::fromLocal8Bit(e.what()),
                  1);
    }
}

void DraftGridView::showJaNein() {
    const QModelIndex index = currentIndex();
    if (m_grid.rowCount() < 2 || !index.isValid())
        return;
    m_jaNeinRow = StringGridModel::gridRow(index);
    const QRect cell = visualRect(index).translated(viewport()->geometry().topLeft());
    m_jaNein->popup(cell, m_grid.value(QStringLiteral("Bestellen"), m_jaNeinRow) == QStringLiteral("JA"));
}

QString DraftGridView::cleanClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = clipboard->text();
    QString cleaned;
    cleaned.reserve(text.size());
    for (QChar ch : text) {
        if (ch.unicode() >= 32)
            cleaned.append(ch);
    }
    if (cleaned != text)
        clipboard->setText(cleaned);
    return cleaned;
}

void DraftGridView::copyCell() {
    const QModelIndex index = currentIndex();
    if (index.isValid())
        QGuiApplication::clipboard()->setText(m_grid.cell(index.column(), StringGridModel::gridRow(index)));
}

void DraftGridView::pasteIntoCell() {
    cleanClipboard();
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    if (!indexWidget(index) && !edit(index, AllEditTriggers, nullptr))
        return;
    if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index)))
        line->paste();
}

void DraftGridView::onPasteRequested(QWidget* editor) {
    cleanClipboard();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->paste();
}

void DraftGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        QTableView::mousePressEvent(event);
        return;
    }
    const int column = index.column();
    const int row = StringGridModel::gridRow(index);
    if (!m_actions.isEnterable(column)) {
        // Cells that cannot be selected only answer clicks.
        if (event->button() == Qt::LeftButton) {
            if (column == col(QStringLiteral("Löschen")))
                m_actions.deleteLine(row);
            else if (column == col(QStringLiteral("Logo")))
                m_actions.logoClicked(row);
        }
        event->accept();
        return;
    }
    if (event->button() == Qt::RightButton) {
        setCurrentIndex(index);
        const QString header = headerOf(column);
        if (header == QStringLiteral("Artikelnummer") || header == QStringLiteral("Bestell-Info"))
            m_copyPasteMenu->popup(event->globalPosition().toPoint());
        else
            openList(column, row, Qt::Key_F6, QString());
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void DraftGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    // A double click on "Löschen" must not delete two lines.
    if (index.isValid() && !m_actions.isEnterable(index.column())) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}
