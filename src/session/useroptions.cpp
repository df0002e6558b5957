#include "session/useroptions.h"

namespace {

const QString master = QStringLiteral("_M_");

} // namespace

bool UserOptions::contains(const QString& key) const {
    for (const TBenutzerOption& o : m_options)
        if (o.BESE_KEY == key)
            return true;
    return false;
}

QString UserOptions::value(const QString& key, bool fallback, bool* found, bool* usedFallback) const {
    if (usedFallback)
        *usedFallback = false;
    for (const TBenutzerOption& o : m_options) {
        if (o.BESE_KEY == key) {
            if (found)
                *found = true;
            return o.BESE_VALUE;
        }
    }
    if (fallback) {
        const QString other = key.startsWith(master) ? key.mid(master.size()) : master + key;
        for (const TBenutzerOption& o : m_options) {
            if (o.BESE_KEY == other) {
                if (found)
                    *found = true;
                if (usedFallback)
                    *usedFallback = true;
                return o.BESE_VALUE;
            }
        }
    }
    if (found)
        *found = false;
    return {};
}

void UserOptions::set(const QString& key, const QString& value) {
    for (TBenutzerOption& o : m_options) {
        if (o.BESE_KEY == key) {
            o.BESE_VALUE = value;
            return;
        }
    }
    TBenutzerOption o;
    o.BESE_KEY = key;
    o.BESE_VALUE = value;
    m_options.append(o);
}
