#include "versioninfo.h"

#include "buildconfig.h"

namespace VersionInfo {

QString productName() {
    return QStringLiteral(QTX_PRODUCT_NAME);
}

QString fileVersion() {
    return QString::asprintf("%d.%d.%d.%d", QTX_FILE_VERSION_MAJOR, QTX_FILE_VERSION_MINOR,
                             QTX_FILE_VERSION_PATCH, QTX_FILE_VERSION_BUILD);
}

} // namespace VersionInfo
