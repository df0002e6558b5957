#pragma once

#include <QString>

// The local INI file beside the executable. Every access opens the file,
// reads or writes one value and closes it again; writes go through a
// temporary file so that a crash never leaves half a file behind.
class LokalIni {
public:
    explicit LokalIni(const QString& fileName = QString())
        : m_fileName(fileName) {}

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    bool exists() const;

    // readwrite false: the value, or vorgabe when missing.
    // readwrite true: writes vorgabe and returns it.
    QString readwrite_LokalIni(const QString& sektion, const QString& schluessel, const QString& vorgabe,
                               bool readwrite) const;

    QString read(const QString& sektion, const QString& schluessel,
                 const QString& vorgabe = QString()) const {
        return readwrite_LokalIni(sektion, schluessel, vorgabe, false);
    }
    void write(const QString& sektion, const QString& schluessel, const QString& value) const {
        readwrite_LokalIni(sektion, schluessel, value, true);
    }
    bool contains(const QString& sektion, const QString& schluessel) const;
    void remove(const QString& sektion, const QString& schluessel) const;

private:
    QString m_fileName;
};
