#pragma once

#include "documents/belegrequest.h"

#include <QDialog>

class Dialogs;
class QLabel;
class QLineEdit;
class QRadioButton;
class QGroupBox;

// "Beleg anfordern": the dispatch way, the e-mail address and, for delivery
// notes, the document background.
class TBelegversendenForm : public QDialog, public DispatchDialog {
    Q_OBJECT
public:
    TBelegversendenForm(Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the dialog modally; confirmed with result 1, cancelled with 3.
    Choice ask(const Request& request) override;

    QString Beleg_Typ;
    bool Beleg_FaxPost = false;

private:
    void FormShow();
    void updateVisibility();
    void PanOKClick();

    Dialogs& m_dialogs;
    QString m_address;
    QLabel* m_info = nullptr;
    QLabel* m_label1 = nullptr;
    QLineEdit* m_ziel = nullptr;
    QGroupBox* m_versandArt = nullptr;
    QRadioButton* m_email = nullptr;
    QRadioButton* m_post = nullptr;
    QGroupBox* m_papier = nullptr;
    QRadioButton* m_logo = nullptr;
    QRadioButton* m_neutral = nullptr;
};
