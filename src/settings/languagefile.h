#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// A language file: INI format, one section "GlobalStrings" of message texts
// and one section per window, named like the window, whose keys are the
// window's control names. Sections and keys are found regardless of case.
class LanguageFile {
public:
    LanguageFile() = default;
    // Empty when the file does not exist or cannot be read. UTF-8 (with or
    // without byte-order mark) is read as such, anything else as Windows-1252.
    static LanguageFile load(const QString& path);
    static LanguageFile fromText(const QString& text);

    bool isEmpty() const { return m_sections.isEmpty(); }
    bool hasSection(const QString& section) const;
    // The raw value; null when the key is missing.
    QString value(const QString& section, const QString& key) const;

    // A stored value as a text: "#32" becomes a blank, "§~" a line break (CR LF).
    static QString messageText(const QString& raw);
    // Control texts: "§~" becomes a line break.
    static QString controlText(const QString& raw);
    // Items and memo lines: "§~" separates the entries.
    static QStringList entries(const QString& raw);

    // Reads every message key of "GlobalStrings" into the texts of the run;
    // missing and empty keys keep their text. Returns how many were taken.
    int loadMessages() const;
    // One message key of "GlobalStrings" with "§~" as CR LF; the fallback
    // when the key is missing.
    QString message(const QString& key, const QString& fallback) const;

private:
    using Section = QHash<QString, QString>; // lower-case key -> value
    QHash<QString, Section> m_sections;      // lower-case name -> keys
};
