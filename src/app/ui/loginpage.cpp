#include "app/ui/loginpage.h"

#include "platform/logger.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

LoginPage::LoginPage(Logger& log, QWidget* parent)
    : QWidget(parent)
    , m_log(log) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createPanel());
    layout->addStretch();
    m_mainMemo = new QPlainTextEdit(this);
    m_mainMemo->setObjectName(QStringLiteral("MainMemo"));
    m_mainMemo->setReadOnly(true);
    m_mainMemo->viewport()->installEventFilter(this);
    // The memo panel belongs to the test mode, which no setting reaches.
    m_mainMemo->setVisible(qEnvironmentVariableIntValue("QTX_TESTMODE") == 1);
    layout->addWidget(m_mainMemo, 1);
    connect(&m_log, &Logger::memoCleared, this, [this] {
        m_memoPending.clear();
        m_mainMemo->clear();
    });
    // Lines reach the memo when the program waits again: laying out the text
    // of every log line while a request is running would cost more than the
    // request on loopback.
    connect(&m_log, &Logger::memoAppended, this, [this](const QString& line) {
        if (m_memoPending.isEmpty())
            QMetaObject::invokeMethod(this, &LoginPage::flushMemo, Qt::QueuedConnection);
        m_memoPending.append(line);
    });
}

void LoginPage::flushMemo() {
    if (m_memoPending.isEmpty())
        return;
    m_mainMemo->appendPlainText(m_memoPending.join(QLatin1Char('\n')));
    m_memoPending.clear();
}

QWidget* LoginPage::createPanel() {
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("PanelLogin"));
    m_panel->setAutoFillBackground(true);
    auto* outer = new QHBoxLayout(m_panel);
    auto* box = new QGroupBox(QStringLiteral("Anmeldung"), m_panel);
    box->setObjectName(QStringLiteral("gbLogin"));
    auto* form = new QFormLayout(box);
    auto edit = [box](const QString& name) {
        auto* e = new QLineEdit(box);
        e->setObjectName(name);
        e->setMinimumWidth(220);
        return e;
    };
    m_edKundennr = edit(QStringLiteral("edKundennr"));
    m_edKALDO_ID = edit(QStringLiteral("edKALDO_ID"));
    m_edPasswort = edit(QStringLiteral("edPasswort"));
    m_edPasswort->setEchoMode(QLineEdit::Password);
    // Named labels: a language file finds them.
    const auto label = [box](const QString& name, const QString& text) {
        auto* l = new QLabel(text, box);
        l->setObjectName(name);
        return l;
    };
    form->addRow(label(QStringLiteral("lbKundennr"), QStringLiteral("Kundennummer")), m_edKundennr);
    form->addRow(label(QStringLiteral("lbBenutzer"), QStringLiteral("Benutzer")), m_edKALDO_ID);
    form->addRow(label(QStringLiteral("lbPasswort"), QStringLiteral("Passwort")), m_edPasswort);
    m_btLogin = new QPushButton(QStringLiteral("Login"), box);
    m_btLogin->setObjectName(QStringLiteral("btLogin"));
    m_btLogin->setDefault(true);
    form->addRow(QString(), m_btLogin);
    m_btDisConnect = new QPushButton(QStringLiteral("Disconnect"), box);
    m_btDisConnect->setObjectName(QStringLiteral("btDisConnect"));
    m_btDisConnect->setEnabled(false);
    form->addRow(QString(), m_btDisConnect);
    m_labelWasUrl = new QLabel(box);
    m_labelWasUrl->setObjectName(QStringLiteral("LabelWAS_url"));
    m_labelWasUrl->setAutoFillBackground(true);
    m_labelWasUrl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(label(QStringLiteral("lbServer"), QStringLiteral("Server")), m_labelWasUrl);
    outer->addWidget(box);
    outer->addStretch();

    // Enter moves on; in the password field it logs in.
    connect(m_edKundennr, &QLineEdit::returnPressed, m_edKALDO_ID, qOverload<>(&QWidget::setFocus));
    connect(m_edKALDO_ID, &QLineEdit::returnPressed, m_edPasswort, qOverload<>(&QWidget::setFocus));
    connect(m_edPasswort, &QLineEdit::returnPressed, this, &LoginPage::loginRequested);
    connect(m_btLogin, &QPushButton::clicked, this, &LoginPage::loginRequested);
    connect(m_btDisConnect, &QPushButton::clicked, this, &LoginPage::disconnectRequested);
    return m_panel;
}

QString LoginPage::kundennr() const {
    return m_edKundennr->text();
}

QString LoginPage::kaldoId() const {
    return m_edKALDO_ID->text();
}

QString LoginPage::passwort() const {
    return m_edPasswort->text();
}

void LoginPage::setKundennr(const QString& text) {
    m_edKundennr->setText(text);
}

void LoginPage::setKaldoId(const QString& text) {
    m_edKALDO_ID->setText(text);
}

void LoginPage::setPasswort(const QString& text) {
    m_edPasswort->setText(text);
}

void LoginPage::focusField(LoginCheck::Field field) {
    QLineEdit* edit = field == LoginCheck::Field::Kundennr  ? m_edKundennr
                      : field == LoginCheck::Field::KaldoId ? m_edKALDO_ID
                                                            : m_edPasswort;
    edit->setFocus();
}

void LoginPage::focusInput() {
    if (m_edKundennr->text().isEmpty())
        m_edKundennr->setFocus();
    else
        m_btLogin->setFocus();
}

bool LoginPage::loginAvailable() const {
    return m_btLogin->isEnabled() && m_btLogin->isVisible();
}

void LoginPage::setLoginEnabled(bool enabled) {
    m_btLogin->setEnabled(enabled);
}

void LoginPage::setDisconnectEnabled(bool enabled) {
    m_btDisConnect->setEnabled(enabled);
}

void LoginPage::setServer(const QString& url, const QString& hint) {
    m_labelWasUrl->setText(url);
    m_labelWasUrl->setToolTip(hint);
}

void LoginPage::setServerHint(const QString& hint) {
    m_labelWasUrl->setToolTip(hint);
}

void LoginPage::setTransportColour(const QColor& colour) {
    for (QWidget* w : {m_panel, static_cast<QWidget*>(m_labelWasUrl)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, colour);
        w->setPalette(p);
    }
}

bool LoginPage::eventFilter(QObject* watched, QEvent* event) {
    if (m_mainMemo && watched == m_mainMemo->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        m_mainMemo->setToolTip(m_log.toggleExitLog());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
