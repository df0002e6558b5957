#include "clientrig.h"

#include "grid/stringgridmodel.h"
#include "link/requests/articlerequests.h"
#include "link/requests/draftrequests.h"
#include "model/linevalues.h"
#include "order/ui/draftgridview.h"
#include "platform/logger.h"
#include "serversession.h"
#include "session/lokalini.h"
#include "session/session.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

ClientRig::ClientRig(const SoapServerProcess& server, bool soap) {
    writeIni(u"OPTIONS"_s, u"AUTOLOGIN"_s, u"OFF"_s);
    writeIni(u"RUNTIME"_s, u"SERVERIP"_s, u"127.0.0.1"_s);
    writeIni(u"RUNTIME"_s, u"SERVERPORT"_s, QString::number(server.tcpPort()));
    writeIni(u"RUNTIME"_s, u"IP_VON_INI"_s, u"ON"_s);
    writeIni(u"RUNTIME"_s, u"CONNECT_ADR"_s, server.soapUrl());
    writeIni(u"RUNTIME"_s, u"IS_SOAP"_s, soap ? u"ON"_s : u"OFF"_s);
    QObject::connect(&log, &Logger::memoAppended, &log, [this](const QString& line) { logLines << line; });
    client = std::make_unique<ClientComposition>(
        ClientComposition::Seams{platform, log, dialogs, ending, clock}, QStringList{});
    form = &client->mainForm();
}

ClientRig::~ClientRig() = default;

void ClientRig::writeIni(const QString& section, const QString& key, const QString& value) {
    LokalIni(beside(u".ini"_s)).write(section, key, value);
}

bool ClientRig::start() {
    return client->start();
}

bool ClientRig::login(const QString& kdnr, const QString& user, const QString& password) {
    child<QLineEdit>(u"edKundennr"_s)->setText(kdnr);
    child<QLineEdit>(u"edKALDO_ID"_s)->setText(user);
    child<QLineEdit>(u"edPasswort"_s)->setText(password);
    child<QPushButton>(u"btLogin"_s)->click();
    return form->session()->loggedIn();
}

bool ClientRig::showWindow() {
    form->resize(1200, 800);
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form);
}

bool ClientRig::openShop() {
    if (!start() || !login())
        return false;
    dialogs.shown.clear();
    return showWindow();
}

bool ClientRig::clearDraft(const SoapServerProcess& server) {
    ClientRig rig(server, false);
    if (!rig.start() || !rig.login())
        return false;
    QStringList keys;
    for (const TVerkaufskladde& line : rig.serverLines())
        keys << line.VKKL_ID;
    return keys.isEmpty() || MyVKKLDelete(rig.link(), keys).ok();
}

QString ClientRig::serverSql(const SoapServerProcess& server, const QString& sql, const QStringList& binds,
                             bool* ok) {
    const QString name = u"probe"_s;
    QString value;
    bool ran = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(server.directory() + u"/server.sqlite"_s);
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(sql);
            for (const QString& b : binds)
                q.addBindValue(b);
            ran = q.exec();
            if (ran && q.next())
                value = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (ok)
        *ok = ran;
    return value;
}

QString ClientRig::lastLog(int lines) const {
    return logLines.mid(std::max<qsizetype>(0, logLines.size() - lines)).join(u'\n');
}

QString ClientRig::boxes() const {
    QStringList texts;
    for (const ScriptedDialogs::Shown& s : dialogs.shown)
        texts << s.text;
    return texts.join(u" | "_s);
}

DraftGridView* ClientRig::grid() const {
    return child<DraftGridView>(u"sgVKKL"_s);
}

ServerLink& ClientRig::link() const {
    return form->session()->link();
}

QString ClientRig::shown(const QString& header, int row) const {
    const int column = grid()->grid().column(header);
    return grid()->gridModel().indexOf(column, row).data().toString();
}

int ClientRig::rows() const {
    return grid()->grid().rowCount();
}

TVerkaufskladdeArray ClientRig::serverLines() const {
    link().vkklCache().clear();
    VkklAnswer out;
    MyVKKLGet(link(), u"0"_s, QString(), QString(), QString(), QString(), out);
    return out.lines;
}

TVerkaufskladde ClientRig::serverLine(int row) const {
    const QString id = grid()->grid().value(u"VKKL_ID"_s, row);
    for (const TVerkaufskladde& line : serverLines()) {
        if (line.VKKL_ID == id)
            return line;
    }
    return {};
}

QStringList ClientRig::articles(const QString& searchText) const {
    TArtikelLongInfoArray hits;
    MySucheArtikelAlle(link(), searchText, hits);
    QStringList numbers;
    for (const TArtikelLongInfo& hit : hits) {
        if (hit.GESPERRT == u"0" && hit.BUCH_GR != u"0" && hit.BUCH_GR != u"HX80" &&
            !hit.NUMMER.startsWith(u"DLP") && hit.TE == u"1")
            numbers << hit.NUMMER;
    }
    return numbers;
}

QString ClientRig::bezeichnung(const QString& nummer) const {
    TArtikelArray info;
    MyGetArtikel(link(), u"0"_s, nummer, QString(), QString(), info);
    return info.value(0).BEZEICHNUNG;
}

QLineEdit* ClientRig::openEditor(const QString& header, int row) {
    DraftGridView* view = grid();
    view->setFocus();
    view->setCurrentCell(view->grid().column(header), row);
    QTest::keyClick(view, Qt::Key_Return);
    return qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()));
}

bool ClientRig::typeIntoCell(const QString& header, int row, const QString& text, Qt::Key key) {
    QLineEdit* editor = openEditor(header, row);
    if (!editor)
        return false;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, key);
    return true;
}

SecondLogin::SecondLogin(const SoapServerProcess& server)
    : session(ClientSeams{platform, log, dialogs, ending, clock},
              serverSessionConfig(server, true, dir.path(), &ini), services) {}

bool SecondLogin::login() {
    return session.login({u"10000"_s, u"DEMO"_s, u"demo"_s, QString()});
}

QString SecondLogin::insertLine(const QString& artikel, const QString& menge) {
    const CustomerData& d = session.customerData();
    LineValues v;
    v.set(LineValues::Client, u"QTX"_s);
    v.set(LineValues::LIEFERADR, d.LAdr.value(0).CODE);
    v.set(LineValues::ART, u"2"_s);
    v.set(LineValues::ARTIKELNR, artikel);
    v.set(LineValues::MENGE, menge);
    v.set(LineValues::LIEFERUNGSCODE, d.customer.LIEFERUNGSCODE);
    v.set(LineValues::FILIALE, d.customer.FILIALE);
    v.set(LineValues::Rueckstand, u"0"_s);
    v.set(LineValues::BESTELLEN, u"0"_s);
    VkklAnswer out;
    return MyVKKLInsert(session.link(), v, out).ok() ? out.vkklId : QString();
}

bool ClientRig::enterArticle(int row, const QString& nummer) {
    return typeIntoCell(u"Artikelnummer"_s, row, nummer) &&
           QTest::qWaitFor([&] { return shown(u"Artikelnummer"_s, row) == nummer; });
}

bool ClientRig::setOption(const SoapServerProcess& server, const QString& key, const QString& value) {
    bool ok = false;
    serverSql(server,
              u"INSERT OR REPLACE INTO BENUTZER_OPTION (KDNR, BENU_LOGIN, BESE_KEY, BESE_VALUE) "
              "VALUES ('10000', 'DEMO', ?, ?)"_s,
              {key, value}, &ok);
    return ok;
}

void ClientRig::clearOption(const SoapServerProcess& server, const QString& key) {
    serverSql(server, u"DELETE FROM BENUTZER_OPTION WHERE BESE_KEY = ?"_s, {key});
}
