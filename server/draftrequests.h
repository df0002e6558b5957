#pragma once

#include "model/linevalues.h"

// The server's reading of the value-list requests that create and change
// draft lines; each is the inverse of the client's builder in
// model/vkklrequests.h. False when the lines do not have the request's shape.
struct DraftChange {
    QString user;
    QString kdnr;
    LineValues values;
    QString mask; // 174 only: one "0"/"1" per position P1 ...
};

namespace DraftRequests {

bool parse165(const QStringList& lines, DraftChange& out);
bool parse163(const QStringList& lines, DraftChange& out);
bool parse174(const QStringList& lines, DraftChange& out);
bool parse172(const QStringList& lines, DraftChange& out);
// SOAP: the customer number, then the TCP lines as one text.
bool parse172Soap(const QStringList& lines, DraftChange& out);

} // namespace DraftRequests
