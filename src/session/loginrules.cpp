#include "session/loginrules.h"

#include "model/scramble.h"
#include "session/useroptions.h"

QString LoginRules::adminModeKey() {
    // The key is kept scrambled so that it does not stand in the program in clear.
    return Scramble::unscramble(QStringLiteral("035082889A929CBE9A9E88AAA6"));
}

QString LoginRules::customerLogoHex(const UserOptions& options) {
    const int n = options.value(QStringLiteral("CUSTOMER_LOGO_ZEILEN")).trimmed().toInt();
    QString hex;
    for (int i = 1; i <= n; ++i) {
        const QString part = options.value(QStringLiteral("CUSTOMER_LOGO") + QString::number(i));
        if (part.isEmpty())
            break;
        hex += part;
    }
    return hex;
}

QString LoginRules::alternativeBranchFor(int tenant, const QString& kdnr, const QString& iniValue) {
    const QString alt = iniValue.trimmed();
    if (alt.size() >= 2 && alt.startsWith(QLatin1Char('F')))
        return alt.left(3);
    // This customer has always been served from F03 as its second choice.
    if (tenant == 1 && kdnr.trimmed() == u"11393")
        return QStringLiteral("F03");
    return {};
}
