import QtQuick 2.15
import "."

// Puts back the saved values of a block; usable only while the block is modified.
TextLink {
    objectName: "restoreLink"
    text: qsTr("Restore saved")
}
