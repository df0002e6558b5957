#pragma once

// Login, user options and the customer's data after login.

#include "link/serverlink.h"
#include "model/clientrecords.h"
#include "model/customerrecords.h"

// 104: mode "0" password, "1" stored hash. The answer is the login data list.
LinkAnswer MyLogin2(ServerLink& link, const QString& mode, const QString& kdnr, const QString& user,
                    const QString& passwordOrHash);
// 105: mode "0" all options of the user, "1" the option key.
LinkAnswer MyReadBenutzerOptions(ServerLink& link, const QString& mode, const QString& key,
                                 QList<TBenutzerOption>& out);
// 106: writes key-value pairs.
LinkAnswer MyWriteBenutzerOptions(ServerLink& link, const QString& masterUser, const QString& masterPassword,
                                  const QList<TBenutzerOption>& options);
// 108: two answer lines.
LinkAnswer MyCheckMasterOption(ServerLink& link, const QString& masterUser, const QString& masterPassword);
// 152: delivery codes.
LinkAnswer MyGetLieferCodes(ServerLink& link, TLieferungArray& out);
// 153: the customer.
LinkAnswer MyDebitorInfo2ID(ServerLink& link, const QString& kdnr, TDebitor& out);
// 154: delivery addresses of the customer NUMMER; the layout follows the server level.
LinkAnswer MyLieferadresseInfo2ID(ServerLink& link, const QString& nummer, TLieferadresseArray& out);
// 170: suppliers, one per line.
LinkAnswer MyGetEinspeiserListe(ServerLink& link);
// 221: branches of the login.
LinkAnswer MyGetFilialen(ServerLink& link, TFilialKurzArray2& out);
// 175: order deadlines.
LinkAnswer MyGetBestellzeitListe(ServerLink& link, const QString& parameter);
// 260: delivery times for the list the caller builds.
LinkAnswer MyGetZustellZeit(ServerLink& link, const QStringList& lines);
