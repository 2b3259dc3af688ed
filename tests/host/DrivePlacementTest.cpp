#include "DrivePlacement.h"

#include <gtest/gtest.h>

namespace {

// The editor's minimum frame at scale 1 and the drive window's, on screens of several sizes.
const QSize editorSize(1422, 865);
const QSize driveSize(330, 125);

TEST(DrivePlacement, BesideTheEditorWhereTheScreenAllowsNeverOverIt) {
    QRect middle(QPoint(), editorSize);
    middle.moveCenter(QRect(0, 0, 1920, 1080).center());
    const struct {
        const char* what;
        QRect screen;
        QPoint editor, expectedEditor, expectedDrive;
        bool overlaps;
    } cases[] = {
        {"room on the right", {0, 0, 2560, 1440}, {100, 50}, {100, 50}, {1530, 50}, false},
        {"room on the left only", {0, 0, 2560, 1440}, {1130, 50}, {1130, 50}, {792, 50}, false},
        {"centred: moves left",
         {0, 0, 1920, 1080},
         middle.topLeft(),
         {160, 107},
         {1590, 107},
         false},
        {"too narrow for both: below", {0, 0, 1500, 1080}, {39, 0}, {39, 0}, {39, 873}, false},
        {"no room anywhere: over its corner", {0, 0, 1440, 900}, {9, 17}, {9, 17}, {9, 757}, true},
    };
    for (const auto& c : cases) {
        const QRect editorAsItWas(c.editor, editorSize);
        const DrivePlacement placement = placeDriveWindow(c.screen, editorAsItWas, driveSize);
        EXPECT_EQ(placement.editor, c.expectedEditor) << c.what;
        EXPECT_EQ(placement.drive, c.expectedDrive) << c.what;
        EXPECT_EQ(placement.overlaps, c.overlaps) << c.what;
        const QRect editor(placement.editor, editorSize);
        const QRect drive(placement.drive, driveSize);
        EXPECT_TRUE(c.screen.contains(editor) || !c.screen.contains(editorAsItWas)) << c.what;
        EXPECT_TRUE(c.screen.contains(drive)) << c.what;
        EXPECT_EQ(editor.intersects(drive), c.overlaps) << c.what;
    }
}

} // namespace
