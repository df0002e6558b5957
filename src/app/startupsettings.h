#pragma once

#include <QRect>
#include <QStringList>

class LokalIni;

// The INI keys read at start-up, with their defaults and corrections.
struct StartupSettings {
    // OPTIONS
    int nightlyThreshold = 999; // _23Uhr58, thousandths of a day
    bool autoLogin = true;
    bool keepPassword = true; // LOGIN_PASSWORT_SPEICHERN
    bool ping = false;
    int belegeAlleZeilen = 0;
    int sortBelege = 0;
    // MODE
    bool autoOrderMode = false;
    // LOG
    bool writeLogFile = true;
    // MAINFORM
    QRect geometry;
    bool maximized = false;
    // EMailIDs
    QStringList emailIds;
    // USER
    QString userId; // scrambled GUID
    QString kundennr;
    QString kaldoId;
    QString hash; // unscrambled
    // RUNTIME
    bool isSoapIni = false;
    int connectTimeout = 7000;
    int readTimeout = 180000;
    int pingInterval = 300000;
    int pingTimeout = 20000;
    bool computerNameOn = true;
    bool winUserOn = true;
    // LANGUAGE
    QString languageFile;
    bool loadLanguage = true;

    // Reads in the order of the start-up; workArea and desktop correct the placement.
    static StartupSettings read(const LokalIni& ini, const QRect& workArea, const QRect& desktop);

    static QRect correctedGeometry(int top, int left, int width, int height, const QRect& workArea,
                                   const QRect& desktop);
};

// Tolerant integer of an INI text: the default when it is no number.
int iniInt(const QString& text, int fallback);
