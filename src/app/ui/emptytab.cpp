#include "app/ui/emptytab.h"

#include <QWidget>

EmptyTab::EmptyTab(const QString& name, PageControlRules::Page page, bool hidden)
    : m_name(name)
    , m_page(page)
    , m_hidden(hidden) {}

// The page control owns the sheet once it is taken in.
EmptyTab::~EmptyTab() = default;

QWidget* EmptyTab::page() {
    if (!m_sheet)
        m_sheet = new QWidget;
    return m_sheet;
}
