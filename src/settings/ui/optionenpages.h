#pragma once

#include "settings/productgroupfilter.h"
#include "settings/ui/optionenpage.h"

#include <QStringList>

class QListWidget;
class ServerLink;
class QPushButton;
class QTableWidget;

// The tabs of the options window, in their order.

class NachrichtenPage final : public OptionenPage {
    Q_OBJECT
public:
    NachrichtenPage(OptionsEditor& editor, QWidget* parent);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;

private:
    RadioGroup* m_level;
};

class PreisePage final : public OptionenPage {
    Q_OBJECT
public:
    PreisePage(OptionsEditor& editor, QWidget* parent);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    void setRestrictedEnabled(bool on) override;
    // The product-group filter of the price file: shown when the customer may
    // edit it, loaded once when the tab is first shown or with "Hole Filter".
    void setFilterSource(ServerLink* link, bool allowed);
    void shown() override;
    // Closing the window drops the list.
    void dropFilter();
    const QList<TFilterListe>& filterList() const { return m_filter; }

private:
    void loadFilter();

    RadioGroup* m_preise;
    RadioGroup* m_preisdatei;
    QWidget* m_filterPanel;
    QListWidget* m_filterList;
    ServerLink* m_link = nullptr;
    QList<TFilterListe> m_filter;
    bool m_filterAllowed = false;
    bool m_filterLoaded = false;
};

class VerbindungPage final : public OptionenPage {
    Q_OBJECT
public:
    VerbindungPage(OptionsEditor& editor, QWidget* parent);
    // The ping interval in the caption; the tour check only in administration mode.
    void setup(int pingSeconds, bool adminMode);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;

private:
    RadioGroup* m_verbindung;
    RadioGroup* m_fahrt;
    QString m_pingPattern;
};

class LoginOptionenPage final : public OptionenPage {
    Q_OBJECT
public:
    LoginOptionenPage(OptionsEditor& editor, QWidget* parent);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    void setRestrictedEnabled(bool on) override;
    // The language box: checked when the Dutch file is named in the INI.
    void setLanguageChecked(bool on);
    QCheckBox* languageBox() const { return m_sprache; }

Q_SIGNALS:
    // cbSpracheMouseUp: the state the user gave the box.
    void languageClicked(bool checked);

private:
    RadioGroup* m_autoLogin;
    RadioGroup* m_passwort;
    QCheckBox* m_sprache;
    RadioGroup* m_lieferadresse0;
};

class BestellungPage final : public OptionenPage {
    Q_OBJECT
public:
    BestellungPage(OptionsEditor& editor, QWidget* parent);
    void setAdminMode(bool on);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    void setRestrictedEnabled(bool on) override;

private:
    RadioGroup* m_drucken;
    RadioGroup* m_email;
    QLineEdit* m_adresse;
    QLineEdit* m_debitorAdresse;
    QCheckBox* m_datei;
    QCheckBox* m_brutto;
    QCheckBox* m_vk;
    RadioGroup* m_format;
    RadioGroup* m_referenz;
    bool m_loading = false;
};

class SpaltenPage final : public OptionenPage {
    Q_OBJECT
public:
    SpaltenPage(OptionsEditor& editor, QWidget* parent);
    // The draft grid's columns as the window opens: header and width.
    void setGrid(const QStringList& headers, const QList<int>& widths, bool grossAllowed, bool graduated);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    void shown() override;
    // The grid headers of the checked items.
    QStringList checkedHeaders() const;
    bool changed() const { return m_changed; }

private:
    void fillFromWidths();
    void modeChosen(int index);

    RadioGroup* m_modus;
    QListWidget* m_spalten;
    RadioGroup* m_font;
    RadioGroup* m_notiz;
    QCheckBox* m_autoBreite;
    QStringList m_headers;
    QList<int> m_widths;
    int m_storedFont = 12;
    bool m_changed = false;
};

class ArtikelPage final : public OptionenPage {
    Q_OBJECT
public:
    ArtikelPage(OptionsEditor& editor, QWidget* parent);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;

private:
    RadioGroup* m_mitverkaufen;
    RadioGroup* m_mitverkaufenImport;
    RadioGroup* m_alternativBestand;
    RadioGroup* m_alternativVorschlag;
    RadioGroup* m_eigenesLager;
    RadioGroup* m_ean;
    QCheckBox* m_menge;
    QCheckBox* m_tauschEingabe;
    QCheckBox* m_tauschImport;
    RadioGroup* m_lagerExpress;
};

class FilialPage final : public OptionenPage {
    Q_OBJECT
public:
    FilialPage(OptionsEditor& editor, QWidget* parent);
    // "keine" and one entry per branch ("F01 ...").
    void setBranches(const QStringList& entries);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;

private:
    QWidget* m_holder = nullptr;
    RadioGroup* m_alternativ = nullptr;
    RadioGroup* m_prioritaet;
    QStringList m_entries;
};

class BelegeOptionenPage final : public OptionenPage {
    Q_OBJECT
public:
    BelegeOptionenPage(OptionsEditor& editor, QWidget* parent);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    void setRestrictedEnabled(bool on) override;

private:
    QListWidget* m_liste;
    RadioGroup* m_zeilen;
    RadioGroup* m_sortieren;
};

class BestellzeitenPage final : public OptionenPage {
    Q_OBJECT
public:
    // One order-time rule as the grid shows it.
    struct Row {
        QString von, bis, adresse, filiale, tour, lieferart, spaet;
    };
    BestellzeitenPage(OptionsEditor& editor, QWidget* parent);
    // The rules; addresses: what an address number fills in (tour, branch, ...).
    void setRows(const QList<Row>& rows, const QList<Row>& addresses);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    int ruleCount() const;

private:
    void cellEdited(int row, int column);

    RadioGroup* m_verwenden;
    QTableWidget* m_grid;
    QList<Row> m_addresses;
    bool m_filling = false;
};

class SonstigesPage final : public OptionenPage {
    Q_OBJECT
public:
    SonstigesPage(OptionsEditor& editor, QWidget* parent);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    // The YQ fields follow "*YQ*" of a "SysOption" that switches.
    void applySwitches();

private:
    RadioGroup* m_katalog;
    QLineEdit* m_sysOption;
    QList<QWidget*> m_yq;
    QLineEdit* m_yqUrl;
    QLineEdit* m_yqLogin;
    QLineEdit* m_yqPasswort;
};

class VerwaltungPage final : public OptionenPage {
    Q_OBJECT
public:
    VerwaltungPage(OptionsEditor& editor, QWidget* parent);
    void load(const ClientOptions& o) override;
    void store(ClientOptions& o) const override;
    void clearPassword();

Q_SIGNALS:
    // The restricted controls follow the master state.
    void restrictedChanged(bool enabled);

private:
    void checkClicked();
    void modeChosen(int index);

    QLineEdit* m_user;
    QLineEdit* m_password;
    RadioGroup* m_mode;
};
