#include "model/linevalues.h"

#include "model/conversions.h"

LineValues::LineValues() {
    m_values.fill(unchanged());
}

LineValues LineValues::forLine(const QString& vkklId) {
    LineValues v;
    v.set(VKKL_ID, vkklId);
    return v;
}

LineValues& LineValues::set(int k, const QString& value) {
    if (k < 1 || k > count || k == Reserved)
        return *this;
    m_values[std::size_t(k - 1)] = value.isEmpty() ? empty() : value;
    return *this;
}

QString LineValues::backorderFlag(const QString& menge, const QString& zuLiefern) {
    const int m = Convert::toIntDef(menge, 0);
    const bool differs = m != Convert::toIntDef(zuLiefern, 0);
    return m > 0 && differs ? QStringLiteral("1") : QStringLiteral("0");
}
