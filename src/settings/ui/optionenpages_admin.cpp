// The tabs "Bestellzeiten", "Sonstiges" and "Verwaltung".

#include "platform/dialogs.h"
#include "session/clientoptions.h"
#include "settings/optionseditor.h"
#include "settings/ui/optionenpages.h"
#include "settings/ui/radiogroup.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTime>

using namespace Qt::StringLiterals;

BestellzeitenPage::BestellzeitenPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsBestellzeiten"_s, u"Bestellzeiten"_s, editor, parent) {
    m_verwenden = radio(u"rgBestellzeitEntnahme"_s, u"Bestellzeiten"_s,
                        {u"nicht verwenden"_s, u"Bestellzeiten verwenden"_s});
    m_grid = new QTableWidget(0, 7, this);
    m_grid->setObjectName(u"sgBestellzeiten"_s);
    const QStringList headers{u"Bestellung\tvon Uhrzeit"_s,
                              u"Bestellung\tbis Uhrzeit"_s,
                              u"Liefer-\tadresse"_s,
                              u"Entnahme-Filiale   "_s,
                              u"Tour     "_s,
                              u"Lieferart         "_s,
                              u"spät.Bestellzeit "_s};
    QStringList shown;
    for (const QString& h : headers)
        shown << QString(h).replace(u'\t', u'\n');
    m_grid->setHorizontalHeaderLabels(shown);
    // The header row is twice the normal height.
    m_grid->horizontalHeader()->setMinimumHeight(2 * m_grid->verticalHeader()->defaultSectionSize());
    m_grid->verticalHeader()->hide();
    place(m_grid, true);
    connect(m_grid, &QTableWidget::cellChanged, this, &BestellzeitenPage::cellEdited);
}

void BestellzeitenPage::setRows(const QList<Row>& rows, const QList<Row>& addresses) {
    m_addresses = addresses;
    m_filling = true;
    m_grid->setRowCount(0);
    // A last empty row takes new entries.
    m_grid->setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        const Row& row = rows.at(r);
        const QStringList cells{row.von,  row.bis,       row.adresse, row.filiale,
                                row.tour, row.lieferart, row.spaet};
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    m_filling = false;
}

int BestellzeitenPage::ruleCount() const {
    int n = 0;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        if (m_grid->item(r, 0) && !m_grid->item(r, 0)->text().trimmed().isEmpty())
            ++n;
    }
    return n;
}

void BestellzeitenPage::cellEdited(int row, int column) {
    if (m_filling)
        return;
    QTableWidgetItem* item = m_grid->item(row, column);
    const QString text = item ? item->text().trimmed() : QString();
    if (column <= 1) {
        if (text.isEmpty() || text.endsWith(u':'))
            return;
        if (!QTime::fromString(text, u"H:mm"_s).isValid() &&
            !QTime::fromString(text, u"H:mm:ss"_s).isValid()) {
            m_editor.dialogs().message(u"Optionen"_s,
                                       QTime::currentTime().toString(u"HH:mm:ss"_s) +
                                           u" ungültige Zeitangabe:"_s + text,
                                       Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
            const QSignalBlocker block(m_grid);
            item->setText(QString());
        }
        return;
    }
    if (column != 2)
        return;
    for (const Row& a : std::as_const(m_addresses)) {
        if (a.adresse != text)
            continue;
        const QSignalBlocker block(m_grid);
        const QStringList cells{a.filiale, a.tour, a.lieferart, a.spaet};
        for (int c = 0; c < cells.size(); ++c)
            m_grid->setItem(row, 3 + c, new QTableWidgetItem(cells.at(c)));
        break;
    }
    if (row == m_grid->rowCount() - 1)
        m_grid->setRowCount(row + 2);
}

void BestellzeitenPage::load(const ClientOptions& o) {
    m_verwenden->setItemIndex(o.bestellzeitenVerwenden ? 1 : 0);
}

void BestellzeitenPage::store(ClientOptions& o) const {
    o.bestellzeitenVerwenden = m_verwenden->itemIndex() == 1 && ruleCount() > 0;
}

SonstigesPage::SonstigesPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsSonstiges"_s, u"Sonstiges"_s, editor, parent) {
    m_katalog =
        radio(u"rgSonstigesKatalog"_s, u"Katalog"_s, {u"COPARTS Online (Standard)"_s, u"Coparts Dolphin"_s});
    m_sysOption = edit(u"EdSysOption"_s, u"SysOption"_s, u"lbSysOption"_s);
    m_yqUrl = edit(u"EdYQURL"_s, u"YQ-URL"_s, u"lbYQURL"_s);
    auto* label = new QLabel(u"YQ Login/PW"_s, this);
    label->setObjectName(u"lbYQLogin"_s);
    auto* row = new QWidget(this);
    row->setObjectName(u"pnYQLogin"_s);
    auto* rl = new QHBoxLayout(row);
    rl->setContentsMargins(0, 0, 0, 0);
    m_yqLogin = new QLineEdit(row);
    m_yqLogin->setObjectName(u"EdYQLogin"_s);
    m_yqPasswort = new QLineEdit(row);
    m_yqPasswort->setObjectName(u"EdYQPasswort"_s);
    m_yqPasswort->setEchoMode(QLineEdit::Password);
    rl->addWidget(m_yqLogin);
    rl->addWidget(m_yqPasswort);
    auto* cell = new QWidget(this);
    auto* cl = new QVBoxLayout(cell);
    cl->setContentsMargins(0, 0, 0, 0);
    label->setParent(cell);
    row->setParent(cell);
    cl->addWidget(label);
    cl->addWidget(row);
    place(cell);
    m_yq = {m_yqUrl, findChild<QLabel*>(u"lbYQURL"_s), label, row};
    // Hidden from program start until a "SysOption" shows them.
    for (QWidget* w : std::as_const(m_yq))
        w->setVisible(false);
    connect(m_sysOption, &QLineEdit::editingFinished, this, [this] {
        m_editor.options().sysOption = m_sysOption->text().trimmed();
        applySwitches();
    });
}

void SonstigesPage::applySwitches() {
    const ClientOptions::SysSwitches s = m_editor.sysSwitches();
    if (!s.applies)
        return;
    for (QWidget* w : std::as_const(m_yq))
        w->setVisible(s.yq);
}

void SonstigesPage::load(const ClientOptions& o) {
    m_katalog->setItemIndex(o.sonstigesKatalog);
    m_sysOption->setText(o.sysOption);
    m_yqUrl->setText(o.yqUrl);
    m_yqLogin->setText(o.yqLogin);
    m_yqPasswort->setText(o.yqPasswort);
}

void SonstigesPage::store(ClientOptions& o) const {
    o.sonstigesKatalog = qMax(0, m_katalog->itemIndex());
    o.sysOption = m_sysOption->text().trimmed();
    o.yqUrl = m_yqUrl->text().trimmed();
    o.yqLogin = m_yqLogin->text().trimmed();
    o.yqPasswort = m_yqPasswort->text().trimmed();
}

VerwaltungPage::VerwaltungPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsVerwaltung"_s, u"Verwaltung"_s, editor, parent) {
    m_user = edit(u"EdMasterBenutzer"_s, u"Master-Benutzer"_s, u"lbMasterBenutzer"_s);
    m_password = edit(u"EdMasterPasswort"_s, u"Master-Passwort"_s, u"lbMasterPasswort"_s);
    m_password->setEchoMode(QLineEdit::Password);
    auto* checkButton = new QPushButton(u"Erlaubnis prüfen, Optionen freigeben"_s, this);
    checkButton->setObjectName(u"btMasterPruefen"_s);
    place(checkButton);
    m_mode = radio(u"RgMasterMode"_s, u"Master-Modus"_s,
                   {u"Optionen eingeschränkt änderbar"_s, u"Alle Optionen änderbar"_s});
    m_mode->setEnabled(false);
    // The administration panel's buttons have no function.
    auto* panel = new QWidget(this);
    panel->setObjectName(u"pnAdministration"_s);
    auto* pl = new QHBoxLayout(panel);
    for (const auto& [name, text] : {std::pair{u"btOptionenLesen"_s, u"Optionen lesen"_s},
                                     std::pair{u"btOptionenSchreiben"_s, u"Optionen schreiben"_s},
                                     std::pair{u"btOptionenLoeschen"_s, u"Option(en)  löschen"_s}}) {
        auto* b = new QPushButton(text, panel);
        b->setObjectName(name);
        b->setEnabled(false);
        pl->addWidget(b);
    }
    place(panel, true);
    connect(checkButton, &QPushButton::clicked, this, &VerwaltungPage::checkClicked);
    connect(m_mode, &RadioGroup::itemChosen, this, &VerwaltungPage::modeChosen);
}

void VerwaltungPage::checkClicked() {
    if (!m_editor.checkMaster(m_user->text().trimmed(), m_password->text()))
        return;
    m_mode->setEnabled(true);
    m_mode->setItemIndex(1);
    Q_EMIT restrictedChanged(true);
}

void VerwaltungPage::modeChosen(int index) {
    if (index != 0)
        return;
    const Dialogs::Answer a = m_editor.dialogs().message(
        u"Optionen einschränken"_s,
        u"Wollen Sie die Änderung von Optionen einschränken?\r\nDie Einschränkung kann nicht rückgängig gemacht werden!"_s,
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question);
    if (a != Dialogs::Answer::Yes) {
        m_mode->setItemIndex(1);
        return;
    }
    m_editor.restrict();
    m_mode->setEnabled(false);
    Q_EMIT restrictedChanged(false);
}

void VerwaltungPage::load(const ClientOptions&) {
    m_mode->setItemIndex(m_editor.masterEntitled() ? 1 : 0);
    m_mode->setEnabled(m_editor.masterEntitled());
}

void VerwaltungPage::store(ClientOptions&) const {}

void VerwaltungPage::clearPassword() {
    m_password->clear();
}
