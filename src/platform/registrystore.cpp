#include "registrystore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

namespace {
// Marks a key as existing even while it holds no value.
const QString keyMarker = QStringLiteral(".key");

QString rootName(RegistryStore::Root root) {
    return root == RegistryStore::HKEY_LOCAL_MACHINE ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                                     : QStringLiteral("HKEY_CURRENT_USER");
}
} // namespace

RegistryStore::RegistryStore(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName.isEmpty() ? defaultFileName() : fileName,
                                             QSettings::IniFormat)) {}

RegistryStore::~RegistryStore() = default;

QString RegistryStore::defaultFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/qtx-client/registry.ini");
}

QString RegistryStore::fileName() const {
    return m_settings->fileName();
}

QString RegistryStore::path(Root root, const QString& key, const QString& name) const {
    QString p = rootName(root) + QLatin1Char('/') + QString(key).replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (p.endsWith(QLatin1Char('/')))
        p.chop(1);
    if (!name.isEmpty())
        p += QLatin1Char('/') + name;
    return p;
}

bool RegistryStore::valueExists(Root root, const QString& key, const QString& name) const {
    m_settings->sync();
    return m_settings->contains(path(root, key, name));
}

QString RegistryStore::readString(Root root, const QString& key, const QString& name) const {
    m_settings->sync();
    return m_settings->value(path(root, key, name)).toString();
}

bool RegistryStore::writeString(Root root, const QString& key, const QString& name, const QString& value) {
    m_settings->setValue(path(root, key, keyMarker), true);
    m_settings->setValue(path(root, key, name), value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool RegistryStore::deleteValue(Root root, const QString& key, const QString& name) {
    const QString p = path(root, key, name);
    if (!m_settings->contains(p))
        return false;
    m_settings->remove(p);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool RegistryStore::keyExists(Root root, const QString& key) const {
    m_settings->sync();
    m_settings->beginGroup(path(root, key));
    const bool exists = !m_settings->allKeys().isEmpty();
    m_settings->endGroup();
    return exists;
}

bool RegistryStore::openKey(Root root, const QString& key) {
    if (!keyExists(root, key)) {
        m_settings->setValue(path(root, key, keyMarker), true);
        m_settings->sync();
    }
    return m_settings->status() == QSettings::NoError;
}

QString RegistryStore::stripGuid(const QString& guid) {
    QString s = guid;
    s.remove(QLatin1Char('-')).remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    return s;
}

QString RegistryStore::readGuid(Root root, const QString& key, const QString& name) const {
    return stripGuid(readString(root, key, name));
}

QString RegistryStore::createGuid(Root root, const QString& key, const QString& name, QString* status) {
    const bool existed = keyExists(root, key);
    if (!openKey(root, key)) {
        if (status)
            *status = QStringLiteral("Openkey=false");
        return QString();
    }
    const QString guid = QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
    writeString(root, key, name, guid);
    if (status)
        *status = existed ? QStringLiteral("OK") : QStringLiteral("OK next Openkey");
    return stripGuid(guid);
}
