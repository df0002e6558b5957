#pragma once

#include "documents/ui/belegdruckform.h"
#include "documents/ui/belegversendenform.h"

#include <QDialog>

#include <memory>

class QTableView;
class StringGrid;
class StringGridModel;
#include <vector>

// The secondary windows, created once at start in a fixed order and kept
// until the program ends. Each is a frame with its class name, form name and
// caption; a window moves into its own files when it gets its controls.

class SecondaryForm : public QDialog {
    Q_OBJECT
public:
    SecondaryForm(const QString& formName, const QString& caption, QWidget* parent);
};

class TLieferadressenForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TLieferadressenForm(QWidget* parent = nullptr);
};

class TProgrammendeForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TProgrammendeForm(QWidget* parent = nullptr);
};

class TDruckForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TDruckForm(QWidget* parent = nullptr);
};

class THilfeForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit THilfeForm(QWidget* parent = nullptr);
};

// The supplier list: its only control is the grid sgEinspeiser.
class TEinspeiserForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TEinspeiserForm(QWidget* parent = nullptr);
    ~TEinspeiserForm() override;
    // Shows the grid the login filled; columns fit their contents.
    void setGrid(StringGrid& grid);
    QTableView* sgEinspeiser() const { return m_sgEinspeiser; }

private:
    QTableView* m_sgEinspeiser = nullptr;
    std::unique_ptr<StringGridModel> m_model;
};

class TNachtexpressForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TNachtexpressForm(QWidget* parent = nullptr);
};

class TArtikelInfoForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TArtikelInfoForm(QWidget* parent = nullptr);
};

class TRueckstand_BeschaffungForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TRueckstand_BeschaffungForm(QWidget* parent = nullptr);

protected:
    // The caption is the message text of the moment it opens.
    void showEvent(QShowEvent* event) override;
};

class TFTPForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TFTPForm(QWidget* parent = nullptr);
};

class TLagerauftrag final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TLagerauftrag(QWidget* parent = nullptr);
};

class TDownloadForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TDownloadForm(QWidget* parent = nullptr);
};

class TBrowserForm final : public SecondaryForm {
    Q_OBJECT
public:
    explicit TBrowserForm(QWidget* parent = nullptr);
};

// What the windows with controls are built with.
struct SecondaryFormDeps {
    Dialogs& dialogs;
    const LokalIni* ini = nullptr;
    TBelegDruckForm::Footer footer;
    int messageLevel = 2;
};

// Creates every secondary window in the order of the program entry.
std::vector<std::unique_ptr<QDialog>> createSecondaryForms(QWidget* mainWindow,
                                                           const SecondaryFormDeps& deps);
