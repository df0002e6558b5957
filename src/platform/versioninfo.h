#pragma once

#include <QString>

// Version resource of this build, fixed at configure time.
namespace VersionInfo {
QString productName();
QString fileVersion(); // "%d.%d.%d.%d"
} // namespace VersionInfo
