#pragma once

#include "settings/languagefile.h"

#include <QString>

class Dialogs;
class LokalIni;
class Logger;
class ServerLink;

// The language of the run: the file named in the INI ("LANGUAGE" /
// "LANGUAGE_FILENAME") lies in the program folder; its texts are read at
// start, and the file is fetched from the server again while
// "LOAD_LANGUAGE" is not "OFF". The options window switches it.
class LanguageSetup {
public:
    // The one alternative language the client offers.
    static inline const QString kDutchFile = QStringLiteral("NL.lng");

    LanguageSetup(const LokalIni& ini, QString programFolder, Logger& log)
        : m_ini(ini)
        , m_folder(std::move(programFolder))
        , m_log(log) {}

    // The file name of the INI, reduced to its base name; empty for German.
    QString fileName() const;
    QString filePath() const;
    bool loadFromServer() const;

    // Reads the file's message texts into the run; the file for the windows.
    LanguageFile load() const;

    // Fetches a file by name from the server into the program folder; it
    // replaces the old one only when it arrived whole. *error on failure.
    bool fetch(ServerLink& link, const QString& name, QString* error) const;

    // The check box "Niederländische Version": on fetches the file and
    // names it in the INI; off clears the name but keeps the file. Shows
    // the outcome; returns whether the box ends checked.
    bool switchLanguage(bool checked, ServerLink& link, Dialogs& dialogs, const QString& caption) const;

private:
    const LokalIni& m_ini;
    QString m_folder;
    Logger& m_log;
};
