#pragma once

#include "app/ui/tabpage.h"

// A tab whose content is not built yet: its sheet, caption and menu rule.
class EmptyTab final : public TabPage {
public:
    EmptyTab(const QString& name, PageControlRules::Page page, bool hidden = false);
    ~EmptyTab() override;

    QString name() const override { return m_name; }
    QString caption() const override { return PageControlRules::caption(m_page); }
    QWidget* page() override;
    PageControlRules::Menu menu() const override { return PageControlRules::menuFor(m_page); }
    bool hidden() const override { return m_hidden; }

private:
    QString m_name;
    PageControlRules::Page m_page;
    bool m_hidden;
    QWidget* m_sheet = nullptr;
};
