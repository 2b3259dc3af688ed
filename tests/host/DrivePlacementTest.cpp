#include "DrivePlacement.h"

#include <gtest/gtest.h>

namespace {

// The editor's minimum frame at scale 1 and the drive window's, on screens of several sizes.
const QSize editorSize(1422, 865);
const QSize driveSize(330, 125);

QRect centred(const QRect& screen, const QSize& size) {
    QRect rect(QPoint(), size);
    rect.moveCenter(screen.center());
    return rect;
}

TEST(DrivePlacement, BesideTheEditorWhereTheScreenAllowsNeverOverIt) {
    const QRect fullHd(0, 0, 1920, 1080);
    const struct {
        const char* what;
        QRect screen;
        QRect editor;
        QPoint expectedEditor;
        QPoint expectedDrive;
        bool overlaps;
    } cases[] = {
        {"room on the right",
         QRect(0, 0, 2560, 1440),
         QRect(100, 50, 1422, 865),
         {100, 50},
         {1530, 50},
         false},
        {"room on the left only",
         QRect(0, 0, 2560, 1440),
         QRect(1130, 50, 1422, 865),
         {1130, 50},
         {792, 50},
         false},
        {"editor centred: moves left just enough",
         fullHd,
         centred(fullHd, editorSize),
         {160, 107},
         {1590, 107},
         false},
        {"too narrow for both: below",
         QRect(0, 0, 1500, 1080),
         QRect(39, 0, 1422, 865),
         {39, 0},
         {39, 873},
         false},
        {"no room anywhere: over its corner",
         QRect(0, 0, 1440, 900),
         QRect(9, 17, 1422, 865),
         {9, 17},
         {9, 757},
         true},
    };
    for (const auto& c : cases) {
        const DrivePlacement placement = placeDriveWindow(c.screen, c.editor, driveSize);
        EXPECT_EQ(placement.editor, c.expectedEditor) << c.what;
        EXPECT_EQ(placement.drive, c.expectedDrive) << c.what;
        EXPECT_EQ(placement.overlaps, c.overlaps) << c.what;
        const QRect editor(placement.editor, c.editor.size());
        const QRect drive(placement.drive, driveSize);
        EXPECT_TRUE(c.screen.contains(editor) || !c.screen.contains(c.editor)) << c.what;
        EXPECT_TRUE(c.screen.contains(drive)) << c.what;
        EXPECT_EQ(editor.intersects(drive), c.overlaps) << c.what;
    }
}

} // namespace
