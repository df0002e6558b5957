#include "session/tenantlibrary.h"

#include "link/soapserverintf.h"
#include "platform/clock.h"
#include "platform/logger.h"
#include "session/tenantresources.h"

#include <QFileInfo>
#include <QResource>
#include <QSaveFile>

namespace {

// Where a bundle is mapped while it is read; nothing else lives there.
const QString mapRoot = QStringLiteral("/qtx_tenantlib");

// Maps the bundle for the lifetime of the object.
class Mapped {
public:
    explicit Mapped(const QString& file)
        : m_file(file)
        , m_ok(QFileInfo::exists(file) && QResource::registerResource(file, mapRoot)) {}
    ~Mapped() {
        if (m_ok)
            QResource::unregisterResource(m_file, mapRoot);
    }
    Mapped(const Mapped&) = delete;
    Mapped& operator=(const Mapped&) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_file;
    bool m_ok;
};

QString root() {
    return QLatin1Char(':') + mapRoot + QLatin1Char('/');
}

} // namespace

QString TenantLibrary::fileName(int tenant) {
    switch (tenant) {
    case 1:
        return QStringLiteral("ZelmorResource.dll");
    case 2:
        return QStringLiteral("KantrelResource.dll");
    case 4:
        return QStringLiteral("VelkorResource.dll");
    case 6:
        return QStringLiteral("DurnakResource.dll");
    default:
        return {};
    }
}

QString TenantLibrary::serverPath(int tenant) {
    switch (tenant) {
    case 1:
        return QStringLiteral("RESOURCE/MANDANT1/ZELMOR.DLL");
    case 2:
        return QStringLiteral("RESOURCE/MANDANT2/KANTREL.DLL");
    case 4:
        return QStringLiteral("RESOURCE/MANDANT4/VELKOR/VELKOR.DLL");
    case 6:
        return QStringLiteral("RESOURCE/MANDANT6/DURNAK.DLL");
    default:
        return {};
    }
}

void TenantLibrary::update(IQTX_SoapServer& proxy, int tenant, const QString& file,
                           const QString& expectedVersion, Logger& log, const Clock& clock) {
    const QString have = version(file);
    log.Log(1,
            QStringLiteral("Jetzt Resource-DLL prüfen:") + file + QStringLiteral(" Version=") + have +
                QStringLiteral(" erwartet=") + expectedVersion,
            1);
    if (!have.isEmpty() && have == expectedVersion) {
        log.Log(1, QStringLiteral("Resource-DLL existiert. ") + file, 1);
        return;
    }
    const qint64 start = clock.tickCount();
    QString message;
    if (!fetch(proxy, serverPath(tenant), file, &message))
        log.Log(1, QStringLiteral("SOAPgetFile ") + file + QLatin1Char(' ') + message, 1);
    log.Log(1,
            QStringLiteral(" SOAPgetFile URL=") + proxy.url() + QStringLiteral(" fertig ticks=") +
                QString::number(clock.tickCount() - start),
            1);
}

bool TenantLibrary::fetch(IQTX_SoapServer& proxy, const QString& serverPath, const QString& file,
                          QString* message) {
    QString info;
    QString exception;
    QByteArray bytes;
    if (!proxy.get_file(serverPath, info, &bytes, &exception)) {
        *message = info + QStringLiteral(" Exception SOAP get_file: ") + exception;
        return false;
    }
    if (info.contains(QStringLiteral("nicht vorhanden")) || bytes.isEmpty()) {
        *message = info.isEmpty() ? QStringLiteral("Datei ist leer") : info;
        return false;
    }
    // A half-written bundle must never replace a working one.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        *message = out.errorString();
        return false;
    }
    return true;
}

QString TenantLibrary::version(const QString& file) {
    const Mapped bundle(file);
    if (!bundle.ok())
        return {};
    return TenantResources(nullptr, root()).text(QStringLiteral("VERSION")).trimmed();
}

bool TenantLibrary::GetExternResource(bool assignlogo, const QString& DLLFile, TenantTexts& texts,
                                      bool languageActive, Logger* log) {
    const Mapped bundle(DLLFile);
    if (!bundle.ok()) {
        if (log)
            log->Log(1,
                     QStringLiteral("GetExternResource ") + DLLFile +
                         QStringLiteral(" kann nicht geladen werden"),
                     1);
        return false;
    }
    const TenantResources res(log, root());
    bool all = true;
    auto read = [&](const char* name, QString& target, bool fromLanguageFile = false) {
        bool found = false;
        const QString value = res.text(QString::fromLatin1(name), &found);
        all = all && found;
        if (found && !(fromLanguageFile && languageActive))
            target = value;
    };
    bool logoFound = false;
    const QByteArray logo = res.data(QStringLiteral("LOGO_KLEIN"), &logoFound);
    all = all && logoFound;
    if (assignlogo && logoFound)
        texts.logoKlein = logo;
    read("HOTLINE", texts.hotline);
    read("SCHNELLSUCHE", texts.schnellsuche, true);
    read("FIRMENNAME", texts.firmenname);
    read("DOKUMENT_LOGOTEXT", texts.dokumentLogotext);
    read("EDV_ANRUFEN", texts.edvAnrufen);
    read("KREDITMAX", texts.kreditmax, true);
    read("LAGERAUFTRAG", texts.lagerauftrag);
    read("ARTIKELAUSSENLAGER", texts.artikelAussenlager);
    read("ARTIKELBESORGT", texts.artikelBesorgt);
    read("AUSSENLAGER", texts.aussenlager);
    read("NEXOSTRAND", texts.nexOstrand);
    read("LAGERBESTELLUNG", texts.lagerbestellung, true);
    read("BESCHAFFINFO", texts.beschaffInfo, true);
    read("EXPRESS", texts.express, true);
    read("EXPRESSAUFTRAG", texts.expressauftrag, true);
    read("BESCHAFFINFO2", texts.beschaffInfo2);
    read("EMAIL_NICHTANTWORTEN", texts.emailNichtAntworten, true);
    if (texts.beschaffInfo2.trimmed().isEmpty())
        texts.beschaffInfo2.clear();
    if (texts.emailNichtAntworten.trimmed().isEmpty())
        texts.emailNichtAntworten.clear();
    // Optional: only a library that has it switches the flag.
    if (QResource(root() + QStringLiteral("DEBITORLAGER_DARFNEX")).isValid())
        texts.debitorlagerDarfNex =
            res.text(QStringLiteral("DEBITORLAGER_DARFNEX")).trimmed().compare(u"ON", Qt::CaseInsensitive) ==
            0;
    return all;
}
