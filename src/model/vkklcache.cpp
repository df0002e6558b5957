#include "model/vkklcache.h"

#include "platform/clock.h"

VkklAnswerCache::VkklAnswerCache(const Clock& clock)
    : m_clock(clock) {}

void VkklAnswerCache::store(const QString& mode, const QString& vkklId, const QStringList& lines,
                            qsizetype recordCount) {
    if (lines.isEmpty()) {
        clear();
        return;
    }
    m_mode = mode;
    m_vkklId = vkklId;
    m_lines = lines;
    m_recordCount = recordCount;
    m_storedAt = m_clock.tickCount();
}

std::optional<QStringList> VkklAnswerCache::lookup(const QString& mode, const QString& vkklId) const {
    if (m_lines.size() < minLines || mode != m_mode || vkklId != m_vkklId)
        return std::nullopt;
    const qint64 age = m_clock.tickCount() - m_storedAt;
    if (age < 0 || age >= maxAgeMs)
        return std::nullopt;
    return m_lines;
}

void VkklAnswerCache::clear() {
    m_mode.clear();
    m_vkklId.clear();
    m_lines.clear();
    m_recordCount = 0;
    m_storedAt = 0;
}

QString VkklAnswerCache::hitLogLine(const QString& mode, const QString& vkklId) {
    return QStringLiteral("MyVKKLGet from Liste Mode=") + mode + QStringLiteral(" ID=") + vkklId;
}
