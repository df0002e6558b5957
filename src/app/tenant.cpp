#include "tenant.h"

QString Tenant::numberText(const QString& productName) {
    static const QString prefix = QStringLiteral("QTX_MANDANT");
    const qsizetype at = productName.indexOf(prefix);
    return at < 0 ? QString() : productName.mid(at + prefix.size()).trimmed();
}

Tenant Tenant::forNumber(int number) {
    Tenant t;
    t.number = number;
    switch (number) {
    case 1:
        t.registryKey = sharedKey();
        t.catalogId = 22;
        t.sfxValue = QStringLiteral("C%%ZELMOR%QTX");
        break;
    case 4:
        t.registryKey = QStringLiteral("Software\\Velkor\\QTX-Client");
        t.catalogId = 345;
        t.sfxValue = QStringLiteral("C%%VELKOR%QTX");
        break;
    case 6:
        t.registryKey = QStringLiteral("Software\\Durnak\\QTX-Client");
        t.catalogId = 662;
        t.sfxValue = QStringLiteral("C%%DURNAK%QTX");
        break;
    default:
        t.registryKey = sharedKey();
        break;
    }
    return t;
}

Tenant Tenant::fromProductName(const QString& productName) {
    bool ok = false;
    const int number = numberText(productName).toInt(&ok);
    if (!ok || number <= 0)
        return Tenant{};
    return forNumber(number);
}
