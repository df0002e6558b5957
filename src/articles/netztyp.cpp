#include "articles/netztyp.h"

#include "model/uitexts.h"

#include <QStringList>

namespace Netztyp {

QString typeNames() {
    return Txt::get(Txt::NetzTypInfo);
}

QString name(int typ, const QString& names) {
    const QStringList list = names.split(QLatin1Char(';'));
    if (typ < 1 || typ > 9 || typ > list.size())
        return QStringLiteral("???");
    return list.at(typ - 1);
}

int fromText(const QString& text) {
    bool ok = false;
    const int typ = text.trimmed().toInt(&ok);
    return ok ? typ : 0;
}

} // namespace Netztyp
