#include "lokalini.h"

#include <QFileInfo>
#include <QSettings>

namespace {
QString keyOf(const QString& sektion, const QString& schluessel) {
    return sektion + QLatin1Char('/') + schluessel;
}
} // namespace

bool LokalIni::exists() const {
    return QFileInfo::exists(m_fileName);
}

QString LokalIni::readwrite_LokalIni(const QString& sektion, const QString& schluessel,
                                     const QString& vorgabe, bool readwrite) const {
    QSettings ini(m_fileName, QSettings::IniFormat);
    if (readwrite) {
        ini.setValue(keyOf(sektion, schluessel), vorgabe);
        ini.sync();
        return vorgabe;
    }
    const QVariant value = ini.value(keyOf(sektion, schluessel));
    if (!value.isValid())
        return vorgabe;
    // An unquoted value with commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool LokalIni::contains(const QString& sektion, const QString& schluessel) const {
    return QSettings(m_fileName, QSettings::IniFormat).contains(keyOf(sektion, schluessel));
}

void LokalIni::remove(const QString& sektion, const QString& schluessel) const {
    QSettings ini(m_fileName, QSettings::IniFormat);
    ini.remove(keyOf(sektion, schluessel));
    ini.sync();
}
