#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Clock;

// The last successful draft-order answer. A second reading with the same mode
// and line key within 3 seconds uses it instead of asking the server, as long
// as it holds at least one whole line (129 lines).
class VkklAnswerCache {
public:
    static constexpr qint64 maxAgeMs = 3000;
    static constexpr qsizetype minLines = 129;

    explicit VkklAnswerCache(const Clock& clock);

    // Stores a successful answer; an empty one empties the cache.
    void store(const QString& mode, const QString& vkklId, const QStringList& lines, qsizetype recordCount);
    // The stored answer when mode and key match, it is young enough and long enough.
    std::optional<QStringList> lookup(const QString& mode, const QString& vkklId) const;
    qsizetype recordCount() const { return m_recordCount; }
    // Inserts, failed readings and the quantity fix empty it.
    void clear();

    // "MyVKKLGet from Liste Mode=<mode> ID=<key>"
    static QString hitLogLine(const QString& mode, const QString& vkklId);

private:
    const Clock& m_clock;
    QString m_mode;
    QString m_vkklId;
    QStringList m_lines;
    qsizetype m_recordCount = 0;
    qint64 m_storedAt = 0;
};
