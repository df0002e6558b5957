#include "widgetdialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextStream>

WidgetDialogs::WidgetDialogs(QWidget* parent)
    : m_parent(parent)
    , m_auto(qEnvironmentVariableIntValue("QTX_AUTO_DIALOGS") == 1) {}

Dialogs::Answer WidgetDialogs::message(const QString& title, const QString& text, Buttons buttons,
                                       Icon icon) {
    if (m_auto) {
        QTextStream(stderr) << "dialog: " << title << ": "
                            << QString(text).replace(QLatin1Char('\r'), QString()) << Qt::endl;
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
    QMessageBox::StandardButtons std;
    switch (buttons) {
    case Buttons::Ok:
        std = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        std = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case Buttons::YesNo:
        std = QMessageBox::Yes | QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        std = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        qicon = QMessageBox::Information;
        break;
    case Icon::Warning:
        qicon = QMessageBox::Warning;
        break;
    case Icon::Critical:
        qicon = QMessageBox::Critical;
        break;
    case Icon::Question:
        qicon = QMessageBox::Question;
        break;
    }
    // The system's texts carry Windows line ends.
    QMessageBox box(qicon, title, QString(text).remove(QLatin1Char('\r')), std, m_parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::No : Answer::Ok;
    }
}

QString WidgetDialogs::getOpenFileName(const QString& caption, const QString& dir, const QString& filter) {
    return m_auto ? QString() : QFileDialog::getOpenFileName(m_parent, caption, dir, filter);
}

QString WidgetDialogs::getSaveFileName(const QString& caption, const QString& dir, const QString& filter) {
    return m_auto ? QString() : QFileDialog::getSaveFileName(m_parent, caption, dir, filter);
}

QString WidgetDialogs::getExistingDirectory(const QString& caption, const QString& dir) {
    return m_auto ? QString() : QFileDialog::getExistingDirectory(m_parent, caption, dir);
}

bool WidgetDialogs::inputText(const QString& title, const QString& prompt, QString& text) {
    if (m_auto)
        return false;
    bool ok = false;
    const QString typed = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, text, &ok);
    if (ok)
        text = typed;
    return ok;
}
