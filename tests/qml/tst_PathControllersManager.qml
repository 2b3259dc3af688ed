import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

Item {
    id: scene

    Item { id: shared }
    Item { id: onlyFirst }

    Component {
        id: managerComponent
        PathControllersManager {}
    }

    Component {
        id: controllerComponent
        QtObject {
            property bool pathEnabled: false
            property var pathElements: []

            function disableElements() {
                for (var i = 0; i < pathElements.length; ++i)
                    pathElements[i].enabled = false;
            }

            function enableElements() {
                if (!pathEnabled)
                    return;
                for (var i = 0; i < pathElements.length; ++i)
                    pathElements[i].enabled = true;
            }
        }
    }

    TestCase {
        name: "PathControllersManager"

        function test_sharedElementEnabledWhileAnySwitchIsOn() {
            var manager = createTemporaryObject(managerComponent, scene);
            var first = createTemporaryObject(controllerComponent, scene,
                                              {pathElements: [shared, onlyFirst]});
            var second = createTemporaryObject(controllerComponent, scene,
                                               {pathElements: [shared]});
            manager.addController(first);
            manager.addController(second);
            manager.updateElements();
            verify(!shared.enabled);
            verify(!onlyFirst.enabled);

            second.pathEnabled = true;
            manager.updateElements();
            verify(shared.enabled);
            verify(!onlyFirst.enabled);

            first.pathEnabled = true;
            manager.updateElements();
            verify(shared.enabled && onlyFirst.enabled);

            second.pathEnabled = false;
            manager.updateElements();
            verify(shared.enabled);

            first.pathEnabled = false;
            manager.updateElements();
            verify(!shared.enabled);
            verify(!onlyFirst.enabled);
        }
    }
}
