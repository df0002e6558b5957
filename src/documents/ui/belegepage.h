#pragma once

#include "documents/documentbrowser.h"
#include "documents/ui/belegdruckform.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class BelegRequest;
class DocumentBrowser;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class TBelegversendenForm;

// The sheet of the "Belege" tab: the search controls, the heads grid
// sgBelege, the lines grid sgBelegZeilen and the action buttons. It binds
// them to the browser, which holds the logic.
class BelegePage : public QWidget {
    Q_OBJECT
public:
    struct Setup {
        Dialogs& dialogs;
        const LokalIni* ini = nullptr;
        QString pdfOutput; // prints go into this file instead of a printer
    };

    BelegePage(DocumentBrowser& browser, BelegRequest& request, Setup setup, QWidget* parent = nullptr);
    ~BelegePage() override;

    QTableView* headsView() const { return m_headsView; }
    QTableView* linesView() const { return m_linesView; }
    // The windows "Beleg anfordern" and "Beleg ausdrucken", created with the others.
    void setForms(TBelegversendenForm* dispatch, TBelegDruckForm* print);
    TBelegDruckForm* printForm() const { return m_printForm; }
    // The preview of the selected head, lines joined by "\n".
    QString previewText() const { return m_preview; }

    void entered();
    // Runs a search as the click on its label does.
    void clickSearch(int kind);

Q_SIGNALS:
    // "Zurück zum Shop".
    void shopRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DocumentBrowser::Input input() const;
    void refresh();
    void applyWidths(QTableView* view);
    void headSelected(int row);
    void BtZeilenDruckenClick();
    void BtSaveCSVClick();
    void BtBelegAnfordernClick();
    void showPreview();
    void copyPopup(QTableView* view, const QPoint& pos);
    void columnPopup(const QPoint& pos);
    void vonDatumCloseUp();
    void bisDatumCloseUp();

    DocumentBrowser& m_browser;
    BelegRequest& m_request;
    Setup m_setup;
    QString m_preview;
    QString m_remembered;
    QString m_csvFolder;
    QHash<int, QPushButton*> m_labels;
    QLineEdit* m_number = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QRadioButton* m_byDate = nullptr;
    QRadioButton* m_byNumber = nullptr;
    QRadioButton* m_invoices = nullptr;
    QRadioButton* m_credits = nullptr;
    QLineEdit* m_durchfakturierer = nullptr;
    QLineEdit* m_lieferadresse = nullptr;
    QLabel* m_caption = nullptr;
    QLabel* m_sortLabel = nullptr;
    QLabel* m_priceHint = nullptr;
    QLabel* m_customer = nullptr;
    QLabel* m_previewHint = nullptr;
    QTableView* m_headsView = nullptr;
    QTableView* m_linesView = nullptr;
    QPushButton* m_csv = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_requestButton = nullptr;
    QPointer<TBelegDruckForm> m_printForm;
    QPointer<TBelegversendenForm> m_dispatch;
};
