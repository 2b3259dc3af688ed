import QtQuick 2.15
import "."

// A frame that briefly marks a block, after an undo or redo or when a listed value is shown.
Rectangle {
    id: frame

    function flash(target) {
        var corner = target.mapToItem(parent, 0, 0);
        x = corner.x - 3 * qt_scale;
        y = corner.y - 3 * qt_scale;
        width = target.width + 6 * qt_scale;
        height = target.height + 6 * qt_scale;
        fade.restart();
    }

    objectName: "fieldHighlight"
    color: "transparent"
    border.color: Style.mainBlueColor
    border.width: 3 * qt_scale
    radius: Style.internalWindowRadius
    opacity: 0

    SequentialAnimation {
        id: fade
        NumberAnimation { target: frame; property: "opacity"; to: 1; duration: 120 }
        PauseAnimation { duration: 600 }
        NumberAnimation { target: frame; property: "opacity"; to: 0; duration: 500 }
    }
}
