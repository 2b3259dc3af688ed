import QtQuick 2.15

// An invisible anchor for connection lines: a junction or a corner of a path.
Item {
    implicitWidth: 1
    implicitHeight: 1
}
