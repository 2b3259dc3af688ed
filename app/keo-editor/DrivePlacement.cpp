#include "DrivePlacement.h"

#include <algorithm>

namespace {

constexpr int gap = 8;

DrivePlacement besideWithoutMoving(const QRect& screen, const QRect& editor, const QSize& drive) {
    const int top = std::clamp(editor.top(), screen.top(), screen.bottom() + 1 - drive.height());
    if (editor.right() + 1 + gap + drive.width() <= screen.right() + 1)
        return {editor.topLeft(), {editor.right() + 1 + gap, top}};
    if (editor.left() - gap - drive.width() >= screen.left())
        return {editor.topLeft(), {editor.left() - gap - drive.width(), top}};
    return {editor.topLeft(), editor.topLeft(), true};
}

// Both side by side, the editor moved as little as possible.
DrivePlacement besideMovingTheEditor(const QRect& screen, const QRect& editor, const QSize& drive) {
    const int shortfall = editor.width() + gap + drive.width() - screen.width();
    if (shortfall > 0)
        return {editor.topLeft(), editor.topLeft(), true};
    QRect moved = editor;
    const bool driveOnRight = editor.center().x() <= screen.center().x();
    if (driveOnRight)
        moved.moveLeft(screen.right() + 1 - drive.width() - gap - editor.width());
    else
        moved.moveLeft(screen.left() + drive.width() + gap);
    // Only ever towards the edge it is nearer to, never past it.
    moved.moveLeft(driveOnRight ? std::min(moved.left(), editor.left())
                                : std::max(moved.left(), editor.left()));
    return besideWithoutMoving(screen, moved, drive);
}

DrivePlacement belowOrAbove(const QRect& screen, const QRect& editor, const QSize& drive) {
    const int left = std::max(editor.left(), screen.left());
    if (editor.bottom() + 1 + gap + drive.height() <= screen.bottom() + 1)
        return {editor.topLeft(), {left, editor.bottom() + 1 + gap}};
    if (editor.top() - gap - drive.height() >= screen.top())
        return {editor.topLeft(), {left, editor.top() - gap - drive.height()}};
    return {editor.topLeft(), editor.topLeft(), true};
}

} // namespace

DrivePlacement placeDriveWindow(const QRect& screen, const QRect& editor, const QSize& drive) {
    for (auto place : {besideWithoutMoving, besideMovingTheEditor, belowOrAbove}) {
        const DrivePlacement placement = place(screen, editor, drive);
        if (!placement.overlaps)
            return placement;
    }
    const QPoint corner(editor.left(), editor.bottom() + 1 - drive.height());
    return {editor.topLeft(), corner, true};
}
