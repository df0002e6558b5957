#pragma once

#include <QByteArray>
#include <QString>

class Clock;
class IQTX_SoapServer;
class Logger;

// Texts and logo of the tenant resource library: UI texts the other windows
// use (hot line, support call, credit limit, procurement...).
struct TenantTexts {
    QByteArray logoKlein; // JPEG; only taken when the caller assigns the logo
    QString hotline;
    QString schnellsuche;
    QString firmenname;
    QString dokumentLogotext;
    QString edvAnrufen;
    QString kreditmax;
    QString lagerauftrag;
    QString artikelAussenlager;
    QString artikelBesorgt;
    QString aussenlager;
    QString nexOstrand;
    QString lagerbestellung;
    QString beschaffInfo;
    QString express;
    QString expressauftrag;
    QString beschaffInfo2;
    QString emailNichtAntworten;
    bool debitorlagerDarfNex = false;
};

// The tenant resource library: a Qt binary resource bundle beside the
// program, one per tenant, fetched from the server when its version differs.
class TenantLibrary {
public:
    // File name in the program folder; empty for an unknown tenant.
    static QString fileName(int tenant);
    // Name the server keeps the library under.
    static QString serverPath(int tenant);
    // The bundle's own VERSION entry; empty when the file is missing or no bundle.
    static QString version(const QString& file);
    // Keeps file at the version the server announced: a missing or other
    // version is fetched again through the connect proxy.
    static void update(IQTX_SoapServer& proxy, int tenant, const QString& file,
                       const QString& expectedVersion, Logger& log, const Clock& clock);
    // Downloads the library through the connect proxy's get_file and
    // replaces file whole; false with the reason in *message.
    static bool fetch(IQTX_SoapServer& proxy, const QString& serverPath, const QString& file,
                      QString* message);
    // Reads the texts (and with assignlogo the logo) into texts. True only when
    // the file exists, loads and every entry could be read; the bundle is
    // released again afterwards. With a language file active, the texts it
    // supplies are not taken from the library.
    static bool GetExternResource(bool assignlogo, const QString& DLLFile, TenantTexts& texts,
                                  bool languageActive, Logger* log);
};
