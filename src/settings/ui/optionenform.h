#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

#include <memory>

class BelegeOptionenPage;
class BestellungPage;
class BestellzeitenPage;
class ArtikelPage;
class Dialogs;
class FilialPage;
class LanguageSetup;
class LokalIni;
class Logger;
class LoginOptionenPage;
class NachrichtenPage;
class OptionenPage;
class OptionsEditor;
class PreisePage;
class QLabel;
class QTabWidget;
class QTimer;
class Session;
class SonstigesPage;
class SpaltenPage;
class VerbindungPage;
class VerwaltungPage;

// "Optionen": one tab per group of settings. The pages bind the controls;
// OptionsEditor holds the snapshot and stores the settings on "Ok".
class TOptionenForm : public QDialog {
    Q_OBJECT
public:
    struct Context {
        Logger& log;
        Dialogs& dialogs;
        Session& session;
        const LokalIni& ini;
        LanguageSetup& language;
    };
    // What the draft grid shows when the window opens.
    struct DraftColumns {
        QStringList headers;
        QList<int> widths;
        bool grossAllowed = true;
        bool graduated = false;
    };

    TOptionenForm(Context context, QWidget* parent = nullptr);
    ~TOptionenForm() override;

    OptionsEditor& editor() const { return *m_editor; }
    QTabWidget* pageControl() const { return m_pages; }
    SpaltenPage& spalten() const { return *m_spalten; }
    QTimer* timerAlive() const { return m_timer; }
    PreisePage& preise() const { return *m_preise; }

    // Opens the window (window-modal): snapshot, controls, tab visibility.
    void showOptions(const DraftColumns& columns);
    // The columns the user checked, when the column choice changed on "Ok".
    bool columnsChanged() const { return m_columnsChanged; }
    QStringList checkedColumns() const;

Q_SIGNALS:
    // "Ok" stored the settings.
    void stored();

private:
    void firstPaint();
    void okClicked();
    void cancelClicked();
    void timerTriggered();
    void setRestricted(bool enabled);
    void pageChanged(int index);
    void done(int result) override;

    Context m_c;
    std::unique_ptr<OptionsEditor> m_editor;
    QTabWidget* m_pages = nullptr;
    QLabel* m_kunde = nullptr;
    QTimer* m_timer = nullptr;
    QList<OptionenPage*> m_all;
    NachrichtenPage* m_nachrichten = nullptr;
    PreisePage* m_preise = nullptr;
    VerbindungPage* m_verbindung = nullptr;
    LoginOptionenPage* m_login = nullptr;
    BestellungPage* m_bestellung = nullptr;
    SpaltenPage* m_spalten = nullptr;
    ArtikelPage* m_artikel = nullptr;
    FilialPage* m_filial = nullptr;
    BelegeOptionenPage* m_belege = nullptr;
    BestellzeitenPage* m_bestellzeiten = nullptr;
    SonstigesPage* m_sonstiges = nullptr;
    VerwaltungPage* m_verwaltung = nullptr;
    bool m_columnsChanged = false;
    bool m_closing = false;
};
