#pragma once

#include <QString>

// The settings that steer the draft grid; the owner copies them from the
// local options and the tenant. Defaults are those of a fresh install.
struct DraftSettings {
    int tenant = 6;
    // SHOWMESSAGE: 0 none, 1 important, 2 all.
    int messageLevel = 2;
    // SHOWPREIS: 0 never, 1 on mouse-over, 2 always.
    int priceDisplay = 2;
    // ARTIKELREFERENZ: the note column takes the input focus.
    bool artikelReferenz = false;
    // MITVERKAUFEN: 0 add co-sale articles, 1 ask, 2 never.
    int mitverkaufen = 1;
    // A language file replaces the UI texts (the gross totals read "exkl.").
    bool languageFile = false;
    // Silent import mode: no status text after a rebuild.
    bool silentImport = false;
    // An import is running.
    bool importRunning = false;
    // Outside tenant 6: keep the shadow's "Löschen" and "Logo" on a one-row rebuild.
    bool keepDeleteIcon = false;
    // The line-state rule recomputes "Logo" on every rebuild.
    bool lineState = true;
    // Do not take the previous row's branch for a new line.
    bool noBranchFromPreviousRow = false;
    // Client identification (P1 of an insert).
    QString clientIdent;
    // Tenant texts that stand in for the backorder notice in tenant "1":
    // the warehouse-order word, served from an outside warehouse, procured.
    QString lagerauftragText;
    QString aussenlagerText;
    QString besorgtText;
    // The state words of lines served from an outside warehouse (AUSSENLAGER)
    // and from the main warehouse (NEXOSTRAND).
    QString aussenlagerWort;
    QString nexOstrandText;

    // LIEFERART_AUSWAHL_ERLAUBT, LIEFERART_NEX_ERLAUBT, LIEFERART_ABHOLUNG_ERLAUBT: on unless "OFF".
    bool lieferartAuswahl = true;
    bool lieferartNex = true;
    bool lieferartAbholung = true;
    // The branch for night express and parcel service when a branch lacks the service.
    QString defaultBranch;
    // The customer number of the login.
    QString kdnr;
    // The connection's branch (replaces the main warehouse "SL" when a
    // quantity is placed) and the local second choice ALTERNATIVFILIALE.
    QString connectionBranch;
    QString alternativeBranch;
    // DEBITOR_LAGER_MODUS when the customer may use its own warehouse, else 0;
    // 2: the own warehouse serves first.
    int debitorLagerModus = 0;

    bool messagesEnabled() const { return messageLevel > 0; }
    bool pricesShown() const { return priceDisplay >= 2; }
};
