// The tabs "Nachrichten", "Preise", "Verbindung", "Login" and "Bestellung".

#include "platform/dialogs.h"
#include "session/clientoptions.h"
#include "settings/optionseditor.h"
#include "settings/ui/optionenpages.h"
#include "settings/ui/radiogroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

NachrichtenPage::NachrichtenPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsNachrichten"_s, u"Nachrichten"_s, editor, parent) {
    m_level = radio(u"rgOptionenNachrichten"_s, u"Nachrichten"_s,
                    {u"Keine Nachrichten"_s, u"Wichtige Nachrichten"_s, u"Alle Nachrichten"_s});
}

void NachrichtenPage::load(const ClientOptions& o) {
    m_level->setItemIndex(o.showMessage);
}

void NachrichtenPage::store(ClientOptions& o) const {
    o.showMessage = qMax(0, m_level->itemIndex());
}

PreisePage::PreisePage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsPreise"_s, u"Preise"_s, editor, parent) {
    m_preise = radio(u"rgOptionenPreise"_s, u"Nettopreis"_s,
                     {u"Nettopreis nie anzeigen"_s, u"Nettopreis beim Maus drüberschieben anzeigen"_s,
                      u"Nettopreis immer anzeigen"_s});
    m_preisdatei = radio(u"RgPreisdatei"_s, u"Preisdatei"_s,
                         {u"Automatisch bei Programmstart nach Downloads prüfen"_s, u"Nur manuell prüfen"_s});
    m_filterPanel = new QWidget(this);
    m_filterPanel->setObjectName(u"pnWarengruppen"_s);
    auto* fl = new QVBoxLayout(m_filterPanel);
    fl->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(u"Warengruppen der Preisdatei"_s, m_filterPanel);
    caption->setObjectName(u"lbWarengruppen"_s);
    m_filterList = new QListWidget(m_filterPanel);
    m_filterList->setObjectName(u"CheckListWarengruppen"_s);
    m_filterList->setMinimumHeight(200);
    auto* fetch = new QPushButton(u"Hole Filter"_s, m_filterPanel);
    fetch->setObjectName(u"btHoleFilter"_s);
    fl->addWidget(caption);
    fl->addWidget(m_filterList);
    fl->addWidget(fetch, 0, Qt::AlignLeft);
    place(m_filterPanel, true);
    m_filterPanel->hide();
    // The draft grid follows the price display at once.
    connect(m_preise, &RadioGroup::itemChosen, this, [this](int index) { m_editor.setShowPreis(index); });
    connect(fetch, &QPushButton::clicked, this, &PreisePage::loadFilter);
}

void PreisePage::setFilterSource(ServerLink* link, bool allowed) {
    m_link = link;
    m_filterAllowed = allowed;
    m_filterPanel->setVisible(allowed);
}

void PreisePage::shown() {
    if (m_filterAllowed && !m_filterLoaded)
        loadFilter();
}

void PreisePage::loadFilter() {
    if (!m_link)
        return;
    m_filterLoaded = true;
    QString error;
    if (!ProductGroupFilter::load(*m_link, m_filter, &error)) {
        m_editor.dialogs().message(u"Optionen"_s, error, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return;
    }
    m_filterList->clear();
    for (const TFilterListe& entry : std::as_const(m_filter)) {
        auto* item = new QListWidgetItem(ProductGroupFilter::itemText(entry), m_filterList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.rAktiv == u"1" ? Qt::Checked : Qt::Unchecked);
    }
}

void PreisePage::dropFilter() {
    m_filter.clear();
    m_filterList->clear();
    m_filterLoaded = false;
}

void PreisePage::load(const ClientOptions& o) {
    m_preise->setItemIndex(o.showPreis);
    m_preisdatei->setItemIndex(o.preisdateiModus);
}

void PreisePage::store(ClientOptions& o) const {
    o.showPreis = qMax(0, m_preise->itemIndex());
    o.preisdateiModus = qMax(0, m_preisdatei->itemIndex());
}

void PreisePage::setRestrictedEnabled(bool on) {
    m_preise->setEnabled(on);
    m_preisdatei->setEnabled(on);
}

VerbindungPage::VerbindungPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsVerbindung"_s, u"Verbindung"_s, editor, parent) {
    m_verbindung = radio(u"rgOptionenVerbindung"_s, u"Serververbindung"_s,
                         {u"Keine Prüfung"_s, u"Serververbindung regelmäßig prüfen (%d Sek)"_s});
    m_fahrt =
        radio(u"RgFahrtpruefen"_s, u"Fahrtprüfung"_s, {u"Keine Fahrtprüfung"_s, u"Prüfung durchführen"_s});
}

void VerbindungPage::setup(int pingSeconds, bool adminMode) {
    // The item as designed or translated, kept with its "%d" for the interval.
    if (m_pingPattern.isEmpty())
        m_pingPattern = m_verbindung->items().value(1);
    m_verbindung->setItemText(1, QString(m_pingPattern).replace(u"%d"_s, QString::number(pingSeconds)));
    m_fahrt->setVisible(adminMode);
}

void VerbindungPage::load(const ClientOptions& o) {
    m_verbindung->setItemIndex(o.ping ? 1 : 0);
    m_fahrt->setItemIndex(o.fahrtpruefen);
}

void VerbindungPage::store(ClientOptions& o) const {
    o.ping = m_verbindung->itemIndex() == 1;
    o.fahrtpruefen = qMax(0, m_fahrt->itemIndex());
}

LoginOptionenPage::LoginOptionenPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsLogin"_s, u"Login"_s, editor, parent) {
    m_autoLogin =
        radio(u"RgAutoLogin"_s, u"Login"_s, {u"Nicht automatisch einloggen"_s, u"Automatisch einloggen"_s});
    m_passwort = radio(u"RgPasswortspeichern"_s, u"Passwort"_s,
                       {u"Passwort wird gespeichert"_s, u"Passwort nicht speichern"_s});
    m_sprache = check(u"cbSprache"_s, u"Niederländische Version"_s);
    // A click (mouse or space) switches; setting it from the program does not.
    connect(m_sprache, &QCheckBox::clicked, this, &LoginOptionenPage::languageClicked);
    m_lieferadresse0 = radio(u"RgLieferadresse0"_s, u"Lieferadresse bei Programmstart"_s,
                             {u"zuletzt verwendete Lieferadresse"_s, u"immer Lieferadresse 0 setzen"_s});
    connect(m_autoLogin, &RadioGroup::itemChosen, this, [this](int index) {
        m_editor.setAutoLogin(index == 1);
        m_passwort->setItemIndex(m_editor.options().passwortSpeichern ? 0 : 1);
    });
    connect(m_passwort, &RadioGroup::itemChosen, this, [this](int index) {
        m_editor.setPasswortSpeichern(index == 0);
        m_autoLogin->setItemIndex(m_editor.options().autoLogin ? 1 : 0);
    });
}

void LoginOptionenPage::load(const ClientOptions& o) {
    m_autoLogin->setItemIndex(o.autoLogin ? 1 : 0);
    m_passwort->setItemIndex(o.passwortSpeichern ? 0 : 1);
    m_lieferadresse0->setItemIndex(o.lieferadresse0);
}

void LoginOptionenPage::store(ClientOptions& o) const {
    o.autoLogin = m_autoLogin->itemIndex() == 1;
    o.passwortSpeichern = m_passwort->itemIndex() == 0;
    o.lieferadresse0 = qMax(0, m_lieferadresse0->itemIndex());
}

void LoginOptionenPage::setRestrictedEnabled(bool on) {
    m_passwort->setEnabled(on);
}

void LoginOptionenPage::setLanguageChecked(bool on) {
    m_sprache->setChecked(on);
}

BestellungPage::BestellungPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsBestellung"_s, u"Bestellung"_s, editor, parent) {
    m_drucken =
        radio(u"rgDrucken"_s, u"Auftrag drucken"_s,
              {u"Nie drucken, nie fragen"_s, u"Druckauftrag zeigen"_s, u"Automatisch immer drucken"_s});
    m_email = radio(u"rgEmailOption"_s, u"Bestellbestätigung"_s,
                    {u"Niemals Bestellbestätigung senden"_s, u"Fragen ob Email geschickt werden soll"_s,
                     u"Immer automatisch Email verschicken"_s});
    m_adresse = edit(u"EdEmailadress"_s, u"Email-Zieladresse:"_s, u"lbEmailadress"_s);
    m_debitorAdresse = edit(u"EdDebitorEmailadress"_s, u"Email bei Bestellung aus eigenem Lager:"_s,
                            u"lbDebitorEmailadress"_s);
    m_debitorAdresse->setToolTip(u"Email bei Bestellung aus eigenem Lager"_s);
    m_datei = check(u"CbDateispeichern"_s, u"Bestellung in Datei speichern"_s);
    m_brutto = check(u"CbBruttoRabatt"_s, u"zusätzlich Bruttopreis anzeigen"_s);
    m_vk = check(u"CbVK_Preis"_s, u"zusätzlich empf. VK-Preis anzeigen"_s);
    m_format = radio(u"RgBestellFormat"_s, u"Format"_s, {u"Textformat"_s, u"HTML-Format"_s});
    m_referenz = radio(u"RgBestellreferenz"_s, u"Bestellreferenz"_s,
                       {u"manuell setzen (Abfrage)"_s, u"automatisch erzeugen (keine Abfrage)"_s});
    connect(m_email, &RadioGroup::itemChosen, this, [this](int index) {
        m_editor.options().emailSenden = index;
        if (index != 0 && !m_loading)
            m_adresse->setFocus();
    });
    connect(m_adresse, &QLineEdit::editingFinished, this, [this] {
        if (!m_editor.confirmEmail(m_adresse->text()))
            m_email->setItemIndex(0);
    });
}

void BestellungPage::setAdminMode(bool on) {
    m_format->setVisible(on);
}

void BestellungPage::load(const ClientOptions& o) {
    m_loading = true;
    m_drucken->setItemIndex(o.auftragDrucken);
    m_email->setItemIndex(o.emailSenden);
    m_adresse->setText(o.bestellEmail);
    m_debitorAdresse->setText(o.debitorBestellEmail);
    m_datei->setChecked(o.bestelldatei);
    m_brutto->setChecked(o.bruttoRabatt);
    m_vk->setChecked(o.vkPreis);
    m_format->setItemIndex(o.bestellFormat);
    m_referenz->setItemIndex(o.bestellreferenz);
    m_loading = false;
}

void BestellungPage::store(ClientOptions& o) const {
    o.auftragDrucken = qMax(0, m_drucken->itemIndex());
    o.emailSenden = qMax(0, m_email->itemIndex());
    o.bestellEmail = m_adresse->text().trimmed();
    o.debitorBestellEmail = m_debitorAdresse->text().trimmed();
    o.bestelldatei = m_datei->isChecked();
    o.bruttoRabatt = m_brutto->isChecked();
    o.vkPreis = m_vk->isChecked();
    o.bestellFormat = qMax(0, m_format->itemIndex());
    o.bestellreferenz = qMax(0, m_referenz->itemIndex());
}

void BestellungPage::setRestrictedEnabled(bool on) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_email, m_adresse, m_debitorAdresse, m_datei, m_brutto, m_vk})
        w->setEnabled(on);
}
