#pragma once

#include "grid/gridprinter.h"
#include "grid/stringgrid.h"

#include <QDialog>
#include <QSet>

class Dialogs;
class LokalIni;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QTableView;
class QFrame;
class QWidget;

// The printer and page orientation chosen for a kind of print.
struct TDruckerEinstellung {
    QString Druckername;
    QString Druckformat = QStringLiteral("Hochformat"); // or "Querformat"
};

// "Beleg ausdrucken": the lines of a document with its text above them,
// as they will be printed, and the printer settings of the section it was
// given ("Belegdrucker", "Bestelldrucker").
class TBelegDruckForm : public QDialog {
    Q_OBJECT
public:
    struct Footer {
        QString shopName;
        QString version;
    };

    TBelegDruckForm(Dialogs& dialogs, const LokalIni* ini, const QString& section, Footer footer,
                    int messageLevel, QWidget* parent = nullptr);
    ~TBelegDruckForm() override;

    // Copies a grid in: the visible columns of the source stay visible.
    void initgrid(const StringGrid& sg, const QString& eingegangen, bool Druckpanel_visible,
                  const QSet<int>& Rechts_Spalten, const QString& mycaption, const QString& Beleginfo);
    // Prints the text and the grid as one job; false when nothing was printed.
    bool PrintStringGrid(const QString& sTitle);
    // Prints into this PDF file instead of a printer (empty: the printer).
    void setPdfOutput(const QString& file) { m_pdfOutput = file; }

    void setMessageLevel(int level) { m_messageLevel = level; }
    const TDruckerEinstellung& settings() const { return m_settings; }
    const StringGrid& druckGrid() const { return m_grid; }
    QString memoText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void druckerEinrichten();
    void jetztDrucken();
    void druckvorschau();
    GridPrintJob printJob(const QString& sTitle) const;
    void applyWidths();
    void setupPrinter(QPrinter& printer) const;
    void saveSettings() const;

    Dialogs& m_dialogs;
    const LokalIni* m_ini;
    QString m_section;
    Footer m_footer;
    int m_messageLevel;
    TDruckerEinstellung m_settings;
    StringGrid m_grid{QStringLiteral("DruckGrid")};
    QString m_gridHeader;
    QString m_eingangszeit;
    QSet<int> m_zeigeSpalten;
    QSet<int> m_rechts;
    QString m_pdfOutput;
    bool m_cancelled = false;
    QTableView* m_view = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QWidget* m_panel1 = nullptr;
    QWidget* m_panel3 = nullptr;
    QLabel* m_druckername = nullptr;
    QLabel* m_orientierung = nullptr;
    QFrame* m_shape = nullptr;
};
