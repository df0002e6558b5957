#pragma once

#include <QColor>

// The colour that tells the transport at a glance: login page and the draft
// order's status bar.
namespace TransportColours {
inline QColor soap() {
    return QColor(0xFF, 0xFF, 0xF0); // $F0FFFF
}
inline QColor tcp() {
    return QColor(0xA6, 0xCA, 0xF0); // $F0CAA6
}
} // namespace TransportColours
