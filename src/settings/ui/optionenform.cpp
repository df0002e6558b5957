#include "settings/ui/optionenform.h"

#include "platform/logger.h"
#include "session/session.h"
#include "settings/languagesetup.h"
#include "settings/optionseditor.h"
#include "settings/ui/optionenpages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The order-time rules of the login ("BESTELLZEIT_1", ...: start;end;address;kind)
// and what each delivery address fills in.
QList<BestellzeitenPage::Row> addressRows(const Session& session) {
    QList<BestellzeitenPage::Row> out;
    const CustomerData& data = session.customerData();
    for (const TLieferadresse& a : data.LAdr) {
        QString lieferart;
        for (const TLieferung& l : data.deliveryCodes) {
            if (l.CODE == a.LIEFERUNGSCODE)
                lieferart = l.NAME;
        }
        QString filiale = a.TOURFILIALE;
        for (const QString& entry : data.lbFiliale) {
            if (entry.startsWith(a.TOURFILIALE + u' '))
                filiale = entry;
        }
        out.append({QString(), QString(), a.CODE, filiale, a.TOURNR, lieferart, a.SPAET_BESTELLZEIT});
    }
    return out;
}

QList<BestellzeitenPage::Row> ruleRows(const Session& session,
                                       const QList<BestellzeitenPage::Row>& addresses) {
    QList<BestellzeitenPage::Row> out;
    for (int n = 1;; ++n) {
        const QString key = u"BESTELLZEIT_"_s + QString::number(n);
        if (!session.options().contains(key))
            break;
        const QStringList parts = session.options().value(key).split(u';');
        BestellzeitenPage::Row row;
        row.von = parts.value(0).trimmed().left(5);
        row.bis = parts.value(1).trimmed().left(5);
        row.adresse = parts.value(2).trimmed();
        for (const BestellzeitenPage::Row& a : addresses) {
            if (a.adresse == row.adresse) {
                row.filiale = a.filiale;
                row.tour = a.tour;
                row.lieferart = a.lieferart;
                row.spaet = a.spaet;
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace

TOptionenForm::TOptionenForm(Context context, QWidget* parent)
    : QDialog(parent)
    , m_c(context)
    , m_editor(std::make_unique<OptionsEditor>(OptionsEditor::Seams{context.log, context.dialogs},
                                               context.session, context.ini)) {
    setObjectName(u"OptionenForm"_s);
    setWindowTitle(u"Optionen"_s);
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    m_kunde = new QLabel(this);
    m_kunde->setObjectName(u"lbKundeBenutzer"_s);
    m_kunde->setProperty("tag", 99);
    layout->addWidget(m_kunde);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"PageControlOptionen"_s);
    layout->addWidget(m_pages);

    OptionsEditor& e = *m_editor;
    m_nachrichten = new NachrichtenPage(e, m_pages);
    m_preise = new PreisePage(e, m_pages);
    m_verbindung = new VerbindungPage(e, m_pages);
    m_login = new LoginOptionenPage(e, m_pages);
    m_bestellung = new BestellungPage(e, m_pages);
    m_spalten = new SpaltenPage(e, m_pages);
    m_artikel = new ArtikelPage(e, m_pages);
    m_filial = new FilialPage(e, m_pages);
    m_belege = new BelegeOptionenPage(e, m_pages);
    m_bestellzeiten = new BestellzeitenPage(e, m_pages);
    m_sonstiges = new SonstigesPage(e, m_pages);
    m_verwaltung = new VerwaltungPage(e, m_pages);
    m_all = {m_nachrichten, m_preise, m_verbindung, m_login,         m_bestellung, m_spalten,
             m_artikel,     m_filial, m_belege,     m_bestellzeiten, m_sonstiges,  m_verwaltung};
    for (OptionenPage* p : std::as_const(m_all))
        m_pages->addTab(p, p->caption());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(u"Ok"_s, this);
    ok->setObjectName(u"bOptionenOk"_s);
    ok->setDefault(true);
    auto* cancel = new QPushButton(u"Abbrechen"_s, this);
    cancel->setObjectName(u"bOptionenAbbrechen"_s);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"TimerAlive"_s);
    m_timer->setSingleShot(true);

    connect(ok, &QPushButton::clicked, this, &TOptionenForm::okClicked);
    connect(cancel, &QPushButton::clicked, this, &TOptionenForm::cancelClicked);
    connect(m_timer, &QTimer::timeout, this, &TOptionenForm::timerTriggered);
    connect(m_pages, &QTabWidget::currentChanged, this, &TOptionenForm::pageChanged);
    connect(m_verwaltung, &VerwaltungPage::restrictedChanged, this, &TOptionenForm::setRestricted);
    connect(m_login, &LoginOptionenPage::languageClicked, this, [this](bool checked) {
        // The box shows the outcome, not the click.
        m_login->setLanguageChecked(!checked);
        const bool on = m_c.language.switchLanguage(checked, m_c.session.link(), m_c.dialogs, windowTitle());
        m_login->setLanguageChecked(on);
    });
    resize(980, 640);
}

TOptionenForm::~TOptionenForm() = default;

void TOptionenForm::firstPaint() {
    Session& s = m_c.session;
    m_editor->begin();
    const ClientOptions& o = m_editor->options();
    m_filial->setBranches(s.customerData().lbFiliale);
    m_verbindung->setup(s.connection().pingInterval / 1000, s.adminMode());
    m_bestellung->setAdminMode(s.adminMode());
    m_preise->setFilterSource(
        &s.link(), s.options().value(u"_M_PREISDATEI_FILTER_ERLAUBT"_s).trimmed().toUpper() == u"ON");
    for (OptionenPage* p : std::as_const(m_all))
        p->load(o);
    m_login->setLanguageChecked(m_c.language.fileName() == LanguageSetup::kDutchFile);
    m_pages->setTabVisible(m_pages->indexOf(m_filial), o.showFilialOptions || s.adminMode());
    m_pages->setTabVisible(m_pages->indexOf(m_belege), o.belegSichtbar);
    const QString verwaltung = o.verwaltungSichtbar.trimmed().toUpper();
    m_pages->setTabVisible(m_pages->indexOf(m_verwaltung),
                           verwaltung == u"ON" || verwaltung == u"1" || s.adminMode());
    m_kunde->setText(u"Kundennummer: %1 Benutzer: %2"_s.arg(s.link().login().KdNr, s.link().login().User));
    m_verwaltung->clearPassword();
    setRestricted(m_editor->masterEntitled());
}

void TOptionenForm::showOptions(const DraftColumns& columns) {
    Session& s = m_c.session;
    m_spalten->setGrid(columns.headers, columns.widths, columns.grossAllowed, columns.graduated);
    firstPaint();
    m_columnsChanged = false;
    m_closing = false;
    m_c.log.Log(
        1,
        u"OptionenFormShow ActivepageIndex=%1 DEFS=%2 kein AUTO kein DEBUG"_s.arg(m_pages->currentIndex())
            .arg(s.soap() ? u"SOAP"_s : u"TCP"_s),
        1);
    if (!s.soap()) {
        m_timer->setInterval(qMax(s.connection().idleTime, 10000) - 10000);
        m_timer->start();
    }
    const QList<BestellzeitenPage::Row> addresses = addressRows(s);
    m_bestellzeiten->setRows(ruleRows(s, addresses), addresses);
    m_sonstiges->applySwitches();
    open();
}

QStringList TOptionenForm::checkedColumns() const {
    return m_spalten->checkedHeaders();
}

void TOptionenForm::setRestricted(bool enabled) {
    for (OptionenPage* p : std::as_const(m_all))
        p->setRestrictedEnabled(enabled);
    if (enabled)
        m_pages->setTabVisible(m_pages->indexOf(m_belege), true);
}

void TOptionenForm::pageChanged(int index) {
    if (auto* page = qobject_cast<OptionenPage*>(m_pages->widget(index)))
        page->shown();
}

void TOptionenForm::okClicked() {
    ClientOptions& o = m_editor->options();
    for (OptionenPage* p : std::as_const(m_all))
        p->store(o);
    m_columnsChanged = m_spalten->changed() || o.gridFontSize != m_editor->snapshot().gridFontSize ||
                       o.spaltenModus != m_editor->snapshot().spaltenModus ||
                       o.showPreis != m_editor->snapshot().showPreis ||
                       o.artikelReferenz != m_editor->snapshot().artikelReferenz;
    m_editor->accept();
    m_verwaltung->clearPassword();
    Q_EMIT stored();
    accept();
}

void TOptionenForm::cancelClicked() {
    reject();
}

void TOptionenForm::done(int result) {
    if (m_closing)
        return;
    m_closing = true;
    m_timer->stop();
    m_preise->dropFilter();
    // Closing by the window's own button or Escape counts as "Abbrechen".
    if (result != QDialog::Accepted)
        m_editor->cancel();
    QDialog::done(result);
}

void TOptionenForm::timerTriggered() {
    m_c.log.Log(1,
                u"OptionsForm Timer triggered %1 Interval=%2 Request_logged=%3 lastactive=%4"_s
                    .arg(QTime::currentTime().toString(u"hh:mm:ss"_s))
                    .arg(m_timer->interval())
                    .arg(u"FALSE"_s)
                    .arg(0),
                1);
    QString error;
    if (!m_editor->keepAlive(&error)) {
        m_c.log.Log(0, u"OptionsForm Timer jetzt disabled. "_s + error, 1);
        return;
    }
    m_timer->start();
}
