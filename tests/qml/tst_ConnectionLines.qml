import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "qrc:/keoqml"

// Pages are built hidden and shown by their tab. A hidden page reports its items hidden, so a
// line is only right when painted while shown: once when the page is first shown, and not again
// each time it is shown.
Item {
    id: scene
    width: 200
    height: 100

    property int paintsWhileShown: 0

    Item {
        id: page
        anchors.fill: parent
        visible: false

        Rectangle {
            id: from
            x: 10
            y: 40
            width: 20
            height: 20
        }

        Rectangle {
            id: to
            x: 170
            y: 40
            width: 20
            height: 20
        }

        KEO_PathConnectionsDrawer {
            id: drawer
            anchors.fill: parent
            connections: [from, to]
            onPainted: {
                if (visible)
                    ++scene.paintsWhileShown;
            }
        }
    }

    KeoTestCase {
        name: "ConnectionLines"

        // Renders a frame: a paint requested before it has happened once it is on screen.
        function renderAFrame() {
            var swapped = spy(scene.Window.window, "frameSwapped");
            scene.Window.window.update();
            swapped.wait();
        }

        function test_paintedWhenFirstShownNotOnEveryShow() {
            renderAFrame();
            compare(scene.paintsWhileShown, 0);
            page.visible = true;
            tryCompare(scene, "paintsWhileShown", 1);
            page.visible = false;
            page.visible = true;
            renderAFrame();
            compare(scene.paintsWhileShown, 1);
        }
    }
}
