// The tabs "Spalten", "Artikel", "Filial-Optionen" and "Belege".

#include "session/clientoptions.h"
#include "settings/draftcolumnchoice.h"
#include "settings/optionseditor.h"
#include "settings/ui/optionenpages.h"
#include "settings/ui/radiogroup.h"

#include <QCheckBox>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QListWidgetItem* addCheckItem(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

QListWidget* checkList(QWidget* page, const QString& name, const QStringList& items) {
    auto* list = new QListWidget(page);
    list->setMinimumHeight(180);
    list->setObjectName(name);
    for (const QString& text : items)
        addCheckItem(list, text);
    return list;
}

} // namespace

SpaltenPage::SpaltenPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsSpalten"_s, u"Spalten"_s, editor, parent) {
    m_modus = radio(u"RgAusblenden"_s, u"Spalten"_s,
                    {u"Nur wichtige Spalten anzeigen"_s, u"Benutzerdefiniert anzeigen"_s});
    m_spalten = checkList(this, u"CB_Spalten"_s, {});
    place(m_spalten, true);
    m_font = radio(u"RgFontsize"_s, u"Schriftgröße"_s, {u"Klein"_s, u"Mittel"_s, u"Groß"_s});
    m_notiz = radio(u"RgNotizEingabe"_s, u"Notiz-Eingabe"_s,
                    {u"Immer eingeben"_s, u"Immer überspringen"_s, u"Nur eingeben wenn leer"_s});
    m_autoBreite = check(u"CbAutoBreite"_s, u"Spaltenbreite automatisch anpassen"_s);
    connect(m_modus, &RadioGroup::itemChosen, this, &SpaltenPage::modeChosen);
    connect(m_spalten, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        m_changed = true;
        if (item->data(Qt::UserRole).toString() == DraftColumnChoice::kNote)
            m_notiz->setEnabled(m_modus->itemIndex() == 1 && item->checkState() == Qt::Checked);
    });
    connect(m_font, &RadioGroup::itemChosen, this, [this] { m_changed = true; });
}

void SpaltenPage::setGrid(const QStringList& headers, const QList<int>& widths, bool grossAllowed,
                          bool graduated) {
    m_headers = headers;
    m_widths = widths;
    const QSignalBlocker block(m_spalten);
    m_spalten->clear();
    for (const DraftColumnChoice::Item& i : DraftColumnChoice::items(graduated)) {
        QListWidgetItem* item = addCheckItem(m_spalten, DraftColumnChoice::itemText(i));
        item->setData(Qt::UserRole, i.header);
        if (i.header == u"BRUTTOPREIS" && !grossAllowed)
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    fillFromWidths();
}

void SpaltenPage::fillFromWidths() {
    const QSignalBlocker block(m_spalten);
    for (int i = 0; i < m_spalten->count(); ++i) {
        QListWidgetItem* item = m_spalten->item(i);
        const qsizetype c = m_headers.indexOf(item->data(Qt::UserRole).toString());
        // A column counts as visible with a width above 1; -1 is measured, so visible.
        const int w = c >= 0 ? m_widths.value(c) : 0;
        const bool visible = (w > 1 || w < 0) && (item->flags() & Qt::ItemIsEnabled);
        item->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
    }
}

void SpaltenPage::modeChosen(int index) {
    m_spalten->setEnabled(index == 1);
    fillFromWidths();
    if (index == 0) {
        const QSignalBlocker block(m_spalten);
        for (int i = 0; i < m_spalten->count(); ++i) {
            if (m_spalten->item(i)->data(Qt::UserRole).toString() == DraftColumnChoice::kNote)
                m_spalten->item(i)->setCheckState(Qt::Unchecked);
        }
    }
    const QStringList checked = checkedHeaders();
    m_notiz->setEnabled(index == 1 && checked.contains(DraftColumnChoice::kNote));
    m_changed = true;
}

void SpaltenPage::shown() {
    // Without prices always shown, the price columns cannot be chosen.
    if (m_editor.options().showPreis == 2)
        return;
    const QSignalBlocker block(m_spalten);
    for (int i = 0; i < m_spalten->count(); ++i) {
        if (DraftColumnChoice::isPriceColumn(m_spalten->item(i)->data(Qt::UserRole).toString()))
            m_spalten->item(i)->setCheckState(Qt::Unchecked);
    }
}

QStringList SpaltenPage::checkedHeaders() const {
    QStringList out;
    for (int i = 0; i < m_spalten->count(); ++i) {
        if (m_spalten->item(i)->checkState() == Qt::Checked)
            out << m_spalten->item(i)->data(Qt::UserRole).toString();
    }
    return out;
}

void SpaltenPage::load(const ClientOptions& o) {
    m_modus->setItemIndex(o.spaltenModus);
    m_spalten->setEnabled(o.spaltenModus == 1);
    m_storedFont = o.gridFontSize;
    m_font->setItemIndex(ClientOptions::fontSizeIndex(o.gridFontSize));
    m_notiz->setItemIndex(o.notizEingabe);
    m_notiz->setEnabled(o.spaltenModus == 1 && checkedHeaders().contains(DraftColumnChoice::kNote));
    m_autoBreite->setChecked(o.autoBreite);
    m_changed = false;
}

void SpaltenPage::store(ClientOptions& o) const {
    o.spaltenModus = qMax(0, m_modus->itemIndex());
    o.gridFontSize = ClientOptions::fontSizeOf(m_font->itemIndex(), m_storedFont);
    o.notizEingabe = qMax(0, m_notiz->itemIndex());
    o.autoBreite = m_autoBreite->isChecked();
    o.artikelReferenz = o.spaltenModus == 1 && checkedHeaders().contains(DraftColumnChoice::kNote);
}

ArtikelPage::ArtikelPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsArtikel"_s, u"Artikel"_s, editor, parent) {
    m_mitverkaufen = radio(
        u"RgMitverkaufen"_s, u"Mitverkaufsartikel bei Artikeleingabe"_s,
        {u"Automatisch hinzufügen"_s, u"Abfragen (Benutzer entscheidet)"_s, u"Nie fragen, nie hinzufügen"_s});
    m_mitverkaufenImport = radio(u"RgMitverkaufenImport"_s, u"Mitverkaufsartikel beim Import"_s,
                                 {u"Automatisch hinzufügen"_s, u"Nicht hinzufügen"_s});
    m_alternativBestand =
        radio(u"RgAlternativartikelBestand"_s, u"Alternativartikel"_s,
              {u"Nur anzeigen wenn Bestand verfügbar"_s, u"Immer anzeigen, auch wenn kein Bestand"_s});
    m_alternativVorschlag =
        radio(u"RgAlternativVorschlag"_s, u"Alternativvorschlag"_s,
              {u"Nicht automatisch vorschlagen"_s, u"Nach Artikeleingabe wenn bei Artikel kein Bestand"_s,
               u"Immer nach Artikeleingabe (Bestand egal)"_s});
    m_eigenesLager = radio(u"RgEigenesLager"_s, u"Eigenes Lager"_s,
                           {u"Bestand niemals anzeigen"_s, u"Bestand anzeigen, nicht bestellbar"_s,
                            u"Bestand anzeigen, Bestellung erlauben"_s});
    m_ean = radio(u"RgEAN_Eingabe"_s, u"EAN-Eingabe"_s,
                  {u"Standardmenge automatisch übernehmen"_s, u"Nicht übernehmen, manuelle Mengeneingabe"_s});
    m_menge = check(u"CbMengeAutomatik"_s, u"Standardmenge automatisch übernehmen"_s);
    auto* tausch = new QGroupBox(u"auf Tauschwerte hinweisen"_s, this);
    tausch->setObjectName(u"GbTauschwerte"_s);
    auto* tl = new QVBoxLayout(tausch);
    m_tauschEingabe = new QCheckBox(u"bei Artikeleingabe"_s, tausch);
    m_tauschEingabe->setObjectName(u"CB_Artikeleingabe"_s);
    m_tauschImport = new QCheckBox(u"bei Importfunktionen"_s, tausch);
    m_tauschImport->setObjectName(u"CB_KatalogImport"_s);
    tl->addWidget(m_tauschEingabe);
    tl->addWidget(m_tauschImport);
    place(tausch);
    m_lagerExpress = radio(u"RgLagerExpress"_s, u"Lageraufträge nach Import"_s,
                           {u"Automatisch auf Express setzen"_s, u"Manuell prüfen und setzen"_s});
}

void ArtikelPage::load(const ClientOptions& o) {
    m_mitverkaufen->setItemIndex(o.mitverkaufen);
    m_mitverkaufenImport->setItemIndex(o.mitverkaufenImport);
    m_alternativBestand->setItemIndex(o.alternativMitBestand);
    m_alternativVorschlag->setItemIndex(o.alternativVorschlag);
    m_eigenesLager->setItemIndex(o.debitorLagerModus);
    m_ean->setItemIndex(o.eanAutomatik);
    m_menge->setChecked(o.mengeAutomatik);
    m_tauschEingabe->setChecked(o.tauschwertEingabe);
    m_tauschImport->setChecked(o.tauschwertImport);
    m_lagerExpress->setItemIndex(o.lagerExpress);
}

void ArtikelPage::store(ClientOptions& o) const {
    o.mitverkaufen = qMax(0, m_mitverkaufen->itemIndex());
    o.mitverkaufenImport = qMax(0, m_mitverkaufenImport->itemIndex());
    o.alternativMitBestand = qMax(0, m_alternativBestand->itemIndex());
    o.alternativVorschlag = qMax(0, m_alternativVorschlag->itemIndex());
    o.debitorLagerModus = qMax(0, m_eigenesLager->itemIndex());
    o.eanAutomatik = qMax(0, m_ean->itemIndex());
    o.mengeAutomatik = m_menge->isChecked();
    o.tauschwertEingabe = m_tauschEingabe->isChecked();
    o.tauschwertImport = m_tauschImport->isChecked();
    o.lagerExpress = qMax(0, m_lagerExpress->itemIndex());
}

FilialPage::FilialPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsFilialOptionen"_s, u"Filial-Optionen"_s, editor, parent) {
    setBranches({});
    m_prioritaet = radio(
        u"RgFilialPrioritat"_s, u"Filiale bei neuer Zeile"_s,
        {u"zuletzt eingebene Filiale wird beibehalten"_s, u"Kundenfiliale wird gesetzt bei neuer Zeile"_s});
}

void FilialPage::setBranches(const QStringList& entries) {
    if (m_alternativ && m_entries == entries)
        return;
    m_entries = entries;
    auto* group = new RadioGroup(u"rgOptionenAlternativfiliale"_s, u"Alternativfiliale"_s,
                                 QStringList{u"keine"_s} + entries, this);
    if (!m_holder) {
        m_holder = new QWidget(this);
        auto* l = new QVBoxLayout(m_holder);
        l->setContentsMargins(0, 0, 0, 0);
        place(m_holder);
    }
    delete m_alternativ;
    group->setParent(m_holder);
    m_holder->layout()->addWidget(group);
    m_alternativ = group;
}

void FilialPage::load(const ClientOptions& o) {
    int index = 0;
    for (int i = 0; i < m_entries.size() && !o.alternativFiliale.isEmpty(); ++i) {
        if (m_entries.at(i).contains(o.alternativFiliale)) {
            index = i + 1;
            break;
        }
    }
    m_alternativ->setItemIndex(index);
    m_prioritaet->setItemIndex(o.filialPrioritaet);
}

void FilialPage::store(ClientOptions& o) const {
    const int index = m_alternativ->itemIndex();
    o.alternativFiliale =
        index <= 0 ? QString() : ClientOptions::branchCode(m_alternativ->items().value(index));
    o.filialPrioritaet = qMax(0, m_prioritaet->itemIndex());
}

BelegeOptionenPage::BelegeOptionenPage(OptionsEditor& editor, QWidget* parent)
    : OptionenPage(u"tsBelege"_s, u"Belege"_s, editor, parent) {
    m_liste = checkList(this, u"CheckListBelege"_s,
                        {u"Bestellungen abrufen"_s, u"Bestellungen mit Preisen"_s, u"Lieferscheine abrufen"_s,
                         u"Lieferscheine mit Preisen"_s, u"Rechnungen abrufen"_s, u"Gutschriften abrufen"_s,
                         u"CSV-Speicherung"_s, u"Belege anfordern"_s});
    place(m_liste, true);
    m_zeilen =
        radio(u"RgBelegzeilenInfo"_s, u"Belegzeilen"_s, {u"Alle Belegzeilen"_s, u"Nur Artikelzeilen"_s});
    m_sortieren = radio(u"RgBelegzeilenSortieren"_s, u"Sortierung"_s,
                        {u"aufsteigend (A-Z / 0-9)"_s, u"absteigend  (Z-A / 9-0)"_s});
}

void BelegeOptionenPage::load(const ClientOptions& o) {
    for (int i = 0; i < m_liste->count(); ++i)
        m_liste->item(i)->setCheckState(o.belege.value(i) ? Qt::Checked : Qt::Unchecked);
    m_zeilen->setItemIndex(o.belegeAlleZeilen);
    m_sortieren->setItemIndex(o.sortBelege);
}

void BelegeOptionenPage::store(ClientOptions& o) const {
    for (int i = 0; i < m_liste->count() && i < o.belege.size(); ++i)
        o.belege[i] = m_liste->item(i)->checkState() == Qt::Checked;
    o.belegeAlleZeilen = qMax(0, m_zeilen->itemIndex());
    o.sortBelege = qMax(0, m_sortieren->itemIndex());
}

void BelegeOptionenPage::setRestrictedEnabled(bool on) {
    m_liste->setEnabled(on);
}
