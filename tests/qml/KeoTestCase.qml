import QtQuick 2.15
import QtTest 1.15
import "qrc:/keoqml"

// What the test files share: named items that must exist, signal spies, a main view and a
// manager with an example script loaded the way the Load button loads it.
TestCase {
    when: windowShown

    Component {
        id: spyComponent
        SignalSpy {}
    }

    Component {
        id: mainViewComponent
        MainView {
            anchors.fill: parent
        }
    }

    function child(parentItem, name) {
        var found = findChild(parentItem, name);
        verify(found, name);
        return found;
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, parent,
                                     {target: target, signalName: signalName});
    }

    function createMainView() {
        return createTemporaryObject(mainViewComponent, parent);
    }

    // A new manager on a copy of `example`, with nothing loaded yet; returns the copy's path.
    function resetTo(example, attached) {
        var path = testSupport.copyExample(example);
        testSupport.resetManager(path, attached === true);
        testSupport.nextOpenFile = "";
        return path;
    }

    function loadExample(example) {
        resetTo(example);
        testSupport.nextOpenFile = testSupport.copyExample(example);
        verify(cpp_configManager.loadFromUiEx());
        verify(cpp_configManager.isConfigLoaded);
    }
}
