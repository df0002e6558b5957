#pragma once

#include "model/customerrecords.h"

#include <QString>

// The user's options from the login: key and value pairs. Keys that begin
// with "_M_" are master options; a lookup may fall back to the other form.
class UserOptions {
public:
    UserOptions() = default;
    explicit UserOptions(TBenutzerOptions options)
        : m_options(std::move(options)) {}

    // The value of the first exact key match; *found tells whether the key
    // (or with fallback its other form) exists, *usedFallback which answered.
    QString value(const QString& key, bool fallback = false, bool* found = nullptr,
                  bool* usedFallback = nullptr) const;
    bool contains(const QString& key) const;
    // Sets the value of the first exact key match, or adds the key.
    void set(const QString& key, const QString& value);

    const TBenutzerOptions& list() const { return m_options; }
    bool isEmpty() const { return m_options.isEmpty(); }

private:
    TBenutzerOptions m_options;
};
