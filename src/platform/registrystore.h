#pragma once

#include <QString>

#include <memory>

class QSettings;

// Stand-in for the Windows registry: the two roots the client uses, kept as
// groups of one INI file in the user's configuration folder. Key paths are
// written with backslashes, as on Windows ("Software\Durnak\QTX-Client").
class RegistryStore {
public:
    enum Root { HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE };

    // Empty path: "qtx-client/registry.ini" in the generic configuration folder.
    explicit RegistryStore(const QString& fileName = QString());
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    QString fileName() const;
    static QString defaultFileName();

    bool valueExists(Root root, const QString& key, const QString& name) const;
    QString readString(Root root, const QString& key, const QString& name) const;
    bool writeString(Root root, const QString& key, const QString& name, const QString& value);
    bool deleteValue(Root root, const QString& key, const QString& name);
    bool keyExists(Root root, const QString& key) const;
    // Creates the key when missing (OpenKey with create = true).
    bool openKey(Root root, const QString& key);

    // A GUID value without "-", "{" and "}"; empty when missing.
    QString readGuid(Root root, const QString& key, const QString& name) const;
    // Stores a new GUID in braces and returns it without "-", "{", "}".
    // status receives "OK", "OK next Openkey" or "Openkey=false".
    QString createGuid(Root root, const QString& key, const QString& name, QString* status = nullptr);

    static QString stripGuid(const QString& guid);

private:
    QString path(Root root, const QString& key, const QString& name = QString()) const;

    std::unique_ptr<QSettings> m_settings;
};
