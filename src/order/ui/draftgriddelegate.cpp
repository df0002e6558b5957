#include "order/ui/draftgriddelegate.h"

#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "services/draftinterfaces.h"

#include <QKeyEvent>
#include <QLineEdit>

DraftGridDelegate::DraftGridDelegate(const StringGrid& grid, const DraftGridActions& actions, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_grid(grid)
    , m_actions(actions) {
    findColumns();
    connect(&grid, &StringGrid::columnsChanged, this, &DraftGridDelegate::findColumns);
}

void DraftGridDelegate::findColumns() {
    m_loeschen = m_grid.column(QStringLiteral("Löschen"));
    m_logo = m_grid.column(QStringLiteral("Logo"));
    m_staffelpreis = m_grid.column(QStringLiteral("Staffelpreis"));
}

void DraftGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const int column = index.column();
    const bool enterable = m_actions.isEnterable(column);
    option->font.setBold(enterable);
    option->font.setItalic(!enterable);

    const int iconSize = std::max(option->rect.height() - 4, 8);
    auto showIcon = [&](const QString& name) {
        const QPixmap pm = m_icons.pixmap(name, iconSize);
        if (pm.isNull())
            return;
        option->icon = QIcon(pm);
        option->decorationSize = QSize(iconSize, iconSize);
        option->features |= QStyleOptionViewItem::HasDecoration;
    };

    if (column == m_loeschen) {
        option->text.clear();
        showIcon(QStringLiteral("papierkorb"));
        option->decorationAlignment = Qt::AlignCenter;
        option->displayAlignment = Qt::AlignCenter;
    } else if (column == m_logo) {
        const DraftLogo::Look look = DraftLogo::look(m_grid, StringGridModel::gridRow(index), m_texts);
        option->text = look.text;
        if (!look.icon.isEmpty())
            showIcon(look.icon);
    } else if (column == m_staffelpreis && option->text == QStringLiteral("J")) {
        option->palette.setColor(QPalette::Text, Qt::darkGreen);
        option->palette.setColor(QPalette::HighlightedText, Qt::green);
    }
}

QWidget* DraftGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("InplaceEditor"));
    editor->setFrame(false);
    QFont f = editor->font();
    f.setBold(true);
    editor->setFont(f);
    return editor;
}

bool DraftGridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            Q_EMIT pasteRequested(editor);
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Q_EMIT commitRequested(editor, false);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            Q_EMIT commitRequested(editor, true);
            return true;
        default:
            break;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
