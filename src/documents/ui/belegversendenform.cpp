#include "documents/ui/belegversendenform.h"

#include "model/uitexts.h"
#include "platform/dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TBelegversendenForm::TBelegversendenForm(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs) {
    setObjectName(u"BelegversendenForm"_s);
    setWindowTitle(u"Beleg anfordern"_s);
    auto* layout = new QVBoxLayout(this);
    m_info = new QLabel(this);
    m_info->setObjectName(u"LbBelegInfo"_s);
    QFont bold = m_info->font();
    bold.setBold(true);
    m_info->setFont(bold);
    layout->addWidget(m_info);

    m_versandArt = new QGroupBox(u"Versandart"_s, this);
    m_versandArt->setObjectName(u"RgVersandArt"_s);
    m_versandArt->setProperty("qtxRadioGroup", true);
    auto* way = new QHBoxLayout(m_versandArt);
    m_email = new QRadioButton(u"Email"_s, m_versandArt);
    m_post = new QRadioButton(u"Post"_s, m_versandArt);
    way->addWidget(m_email);
    way->addWidget(m_post);
    layout->addWidget(m_versandArt);
    connect(m_email, &QRadioButton::toggled, this, &TBelegversendenForm::updateVisibility);

    m_label1 = new QLabel(this);
    m_label1->setObjectName(u"Label1"_s);
    layout->addWidget(m_label1);
    m_ziel = new QLineEdit(this);
    m_ziel->setObjectName(u"EdZiel"_s);
    layout->addWidget(m_ziel);

    m_papier = new QGroupBox(u"Dokumentenhintergrund"_s, this);
    m_papier->setObjectName(u"RgPapier"_s);
    m_papier->setProperty("qtxRadioGroup", true);
    auto* paper = new QHBoxLayout(m_papier);
    m_logo = new QRadioButton(u"mit Zelmor-Logo"_s, m_papier);
    m_neutral = new QRadioButton(u"Neutral, ohne Logo"_s, m_papier);
    m_logo->setChecked(true);
    paper->addWidget(m_logo);
    paper->addWidget(m_neutral);
    layout->addWidget(m_papier);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"PanOK"_s);
    ok->setDefault(true);
    auto* cancel = new QPushButton(u"Abbrechen"_s, this);
    cancel->setObjectName(u"btAbbruch"_s);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TBelegversendenForm::PanOKClick);
    connect(cancel, &QPushButton::clicked, this, [this] { done(3); });
}

DispatchDialog::Choice TBelegversendenForm::ask(const Request& request) {
    m_info->setText(request.info);
    Beleg_Typ = request.typ;
    Beleg_FaxPost = request.faxPost;
    m_address = request.address;
    if (!request.logoText.isEmpty())
        m_logo->setText(request.logoText);
    m_logo->setChecked(true);
    FormShow();
    Choice choice;
    choice.confirmed = exec() == 1;
    choice.post = m_post->isChecked();
    choice.paper = m_neutral->isChecked() ? 1 : 0;
    choice.address = m_ziel->text().trimmed();
    return choice;
}

void TBelegversendenForm::FormShow() {
    m_versandArt->setEnabled(true);
    m_email->setChecked(true);
    updateVisibility();
    m_versandArt->setEnabled(Beleg_FaxPost);
}

void TBelegversendenForm::updateVisibility() {
    if (m_email->isChecked()) {
        m_label1->setText(Txt::get(Txt::Beleg_perEmail));
        m_ziel->setText(m_address);
        m_ziel->setVisible(true);
        m_ziel->setEnabled(true);
        m_ziel->setFocus();
    } else {
        m_label1->setText(Txt::get(Txt::Beleg_perPost));
        m_ziel->setVisible(false);
    }
    m_versandArt->setVisible(Beleg_Typ == u"2" || Beleg_Typ == u"3");
    m_papier->setVisible(Beleg_Typ == u"1");
}

void TBelegversendenForm::PanOKClick() {
    if (m_post->isChecked()) {
        done(1);
        return;
    }
    const QString address = m_ziel->text().trimmed();
    if (!BelegRequest::validAddress(address)) {
        m_dialogs.message(windowTitle(), u"Emailadresse ungültig: "_s + m_ziel->text(), Dialogs::Buttons::Ok,
                          Dialogs::Icon::Warning);
        return;
    }
    m_address = address;
    done(1);
}
