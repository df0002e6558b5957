#pragma once

#include "model/modelcontext.h"

// Turns a message of the server (a draft line's FEHLERTEXT or an error answer)
// into the text shown to the user: known backorder answers become the UI
// texts, and a leading Oracle error number is cut off.
namespace ServerMessage {

QString normalise(const QString& text, const ModelContext& context);

} // namespace ServerMessage
