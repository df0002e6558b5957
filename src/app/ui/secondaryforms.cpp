#include "secondaryforms.h"

#include "grid/stringgrid.h"
#include "grid/stringgridmodel.h"
#include "model/uitexts.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

SecondaryForm::SecondaryForm(const QString& formName, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(formName);
    setWindowTitle(caption);
}

TLieferadressenForm::TLieferadressenForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("LieferadressenForm"), QStringLiteral(" Lieferadressen "), parent) {}

TProgrammendeForm::TProgrammendeForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("ProgrammendeForm"), QStringLiteral("Programmende"), parent) {}

TDruckForm::TDruckForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("DruckForm"), QStringLiteral("Bestellung eingegangen"), parent) {}

THilfeForm::THilfeForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("HilfeForm"), QStringLiteral("Programm-Beschreibung"), parent) {}

TEinspeiserForm::TEinspeiserForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("EinspeiserForm"), QStringLiteral("Liste aller Einspeiser"), parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_sgEinspeiser = new QTableView(this);
    m_sgEinspeiser->setObjectName(QStringLiteral("sgEinspeiser"));
    m_sgEinspeiser->setFont(QFont(QStringLiteral("Lucida Console")));
    m_sgEinspeiser->verticalHeader()->hide();
    m_sgEinspeiser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_sgEinspeiser);
}

TEinspeiserForm::~TEinspeiserForm() = default;

void TEinspeiserForm::setGrid(StringGrid& grid) {
    if (!m_model || &m_model->grid() != &grid) {
        m_sgEinspeiser->setModel(nullptr);
        m_model = std::make_unique<StringGridModel>(grid);
        m_sgEinspeiser->setModel(m_model.get());
    }
    m_sgEinspeiser->resizeColumnsToContents();
}

TNachtexpressForm::TNachtexpressForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("NachtexpressForm"), QStringLiteral("Späteste Bestellzeiten"), parent) {}

TArtikelInfoForm::TArtikelInfoForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("ArtikelInfoForm"), QStringLiteral("Erweiterte Suche"), parent) {}

TRueckstand_BeschaffungForm::TRueckstand_BeschaffungForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("Rueckstand_BeschaffungForm"), Txt::get(Txt::tecCaption2), parent) {}

void TRueckstand_BeschaffungForm::showEvent(QShowEvent* event) {
    setWindowTitle(Txt::get(Txt::tecCaption2));
    SecondaryForm::showEvent(event);
}

TFTPForm::TFTPForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("FTPForm"), QStringLiteral("Preisdatei holen"), parent) {}

TLagerauftrag::TLagerauftrag(QWidget* parent)
    : SecondaryForm(QStringLiteral("Lagerauftrag"),
                    QStringLiteral("Lagerauftragszeilen in Expressauftrag ändern"), parent) {}

TDownloadForm::TDownloadForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("DownloadForm"), QStringLiteral("Neue Version wird geladen ..."), parent) {
}

TBrowserForm::TBrowserForm(QWidget* parent)
    : SecondaryForm(QStringLiteral("BrowserForm"), QStringLiteral("WebBrowser"), parent) {}

std::vector<std::unique_ptr<QDialog>> createSecondaryForms(QWidget* mainWindow,
                                                           const SecondaryFormDeps& deps) {
    std::vector<std::unique_ptr<QDialog>> forms;
    forms.push_back(std::make_unique<TLieferadressenForm>(mainWindow));
    forms.push_back(std::make_unique<TProgrammendeForm>(mainWindow));
    forms.push_back(std::make_unique<TDruckForm>(mainWindow));
    forms.push_back(std::make_unique<THilfeForm>(mainWindow));
    forms.push_back(std::make_unique<TEinspeiserForm>(mainWindow));
    forms.push_back(std::make_unique<TNachtexpressForm>(mainWindow));
    forms.push_back(std::make_unique<TArtikelInfoForm>(mainWindow));
    forms.push_back(std::make_unique<TRueckstand_BeschaffungForm>(mainWindow));
    forms.push_back(std::make_unique<TBelegversendenForm>(deps.dialogs, mainWindow));
    forms.push_back(std::make_unique<TBelegDruckForm>(deps.dialogs, deps.ini, QStringLiteral("Belegdrucker"),
                                                      deps.footer, deps.messageLevel, mainWindow));
    forms.push_back(std::make_unique<TFTPForm>(mainWindow));
    forms.push_back(std::make_unique<TLagerauftrag>(mainWindow));
    forms.push_back(std::make_unique<TDownloadForm>(mainWindow));
    forms.push_back(std::make_unique<TBrowserForm>(mainWindow));
    return forms;
}
