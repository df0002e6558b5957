#pragma once

#include <Qt>

// Keys that move within a grid or list, as the grids and their lists tell
// them apart from keys that edit or act.
namespace GridKeys {

// Up, Down, Page Up, Page Down, Home and End: they move between rows.
constexpr bool isRowNavigation(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// Every key that moves the current cell: the row keys, Left, Right and Tab.
constexpr bool isNavigation(int key) {
    return isRowNavigation(key) || key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}

} // namespace GridKeys
