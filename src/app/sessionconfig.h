#pragma once

#include "session/session.h"

class Platform;
class StartUp;

// What the session takes over from the start-up: transport, endpoints,
// tenant, time-outs and the client identification of new draft lines.
Session::Config sessionConfig(const StartUp& startUp, Platform& platform);
