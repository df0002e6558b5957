#include "settings/languagesetup.h"

#include "link/requests/downloadrequest.h"
#include "model/uitexts.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "session/lokalini.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace {
const QString kSection = QStringLiteral("LANGUAGE");
const QString kFileKey = QStringLiteral("LANGUAGE_FILENAME");
} // namespace

QString LanguageSetup::fileName() const {
    // Never a path: the file lies in the program folder.
    return QFileInfo(m_ini.read(kSection, kFileKey).trimmed()).fileName();
}

QString LanguageSetup::filePath() const {
    const QString name = fileName();
    return name.isEmpty() ? QString() : QDir(m_folder).filePath(name);
}

bool LanguageSetup::loadFromServer() const {
    return m_ini.read(kSection, QStringLiteral("LOAD_LANGUAGE")).trimmed().toUpper() != u"OFF";
}

LanguageFile LanguageSetup::load() const {
    const QString path = filePath();
    if (path.isEmpty())
        return {};
    LanguageFile file = LanguageFile::load(path);
    if (file.isEmpty()) {
        m_log.Log(0, QStringLiteral("Sprachdatei nicht gefunden: ") + path, 1);
        return file;
    }
    const int taken = file.loadMessages();
    m_log.Log(0, QStringLiteral("Sprachdatei %1 geladen, Texte=%2").arg(path).arg(taken), 1);
    return file;
}

bool LanguageSetup::fetch(ServerLink& link, const QString& name, QString* error) const {
    const QString base = QFileInfo(name).fileName();
    if (base.isEmpty()) {
        *error = QStringLiteral("kein Dateiname");
        return false;
    }
    QString downloaded;
    const LinkAnswer a = MyDnldFile(link, base, &downloaded);
    if (a.result != 0) {
        *error = a.errorText.trimmed();
        QFile::remove(downloaded);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(downloaded.toStdU16String()),
                            std::filesystem::path(QDir(m_folder).filePath(base).toStdU16String()), ec);
    if (ec) {
        *error = QString::fromStdString(ec.message());
        QFile::remove(downloaded);
        return false;
    }
    return true;
}

bool LanguageSetup::switchLanguage(bool checked, ServerLink& link, Dialogs& dialogs,
                                   const QString& caption) const {
    if (!checked) {
        m_ini.write(kSection, kFileKey, QString());
        dialogs.message(caption, Txt::get(Txt::sprache3), Dialogs::Buttons::Ok, Dialogs::Icon::Information);
        return false;
    }
    QString error;
    if (!fetch(link, kDutchFile, &error)) {
        dialogs.message(caption, Txt::get(Txt::sprache2, {kDutchFile}) + u" [" + error + u"]",
                        Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return false;
    }
    m_ini.write(kSection, kFileKey, kDutchFile);
    dialogs.message(caption, Txt::get(Txt::sprache1, {kDutchFile}), Dialogs::Buttons::Ok,
                    Dialogs::Icon::Information);
    return true;
}
