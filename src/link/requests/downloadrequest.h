#pragma once

// 301: a file from the server into the program folder.

#include "link/serverlink.h"

// The server's file name is reduced to its base name, gets the extension
// ".tmp" and lands in the program folder; *target receives the path.
LinkAnswer MyDnldFile(ServerLink& link, const QString& fileName, QString* target = nullptr);

// The path a server file name lands on; empty when the name has no base name.
QString downloadTarget(const QString& programFolder, const QString& serverFileName);
