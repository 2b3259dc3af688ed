#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the editor's window and the drive window go, as frames (title bar and border included).
struct DrivePlacement {
    QPoint editor;
    QPoint drive;
    bool overlaps = false; // no room beside: the drive window lies over the editor
};

// The drive window beside the editor on the screen's available area: to its right or left where
// there is room, else the editor moves over just enough to make room on the side it is nearer
// to, else the drive window goes below or above it, and only where none of that fits does it lie
// over the editor's bottom-left corner.
DrivePlacement placeDriveWindow(const QRect& screen, const QRect& editor, const QSize& drive);
