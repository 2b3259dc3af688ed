import QtQuick 2.15

// Keeps the path switches of all pages. An element shared by several switches is enabled when at
// least one of them is on, whatever order they were switched in: every element is disabled first,
// then every switch that is on enables its own.
Item {
    id: manager

    property var controllers: []

    function addController(controller) {
        controllers.push(controller);
    }

    function updateElements() {
        for (var i = 0; i < controllers.length; ++i)
            controllers[i].disableElements();
        for (var j = 0; j < controllers.length; ++j)
            controllers[j].enableElements();
    }

    visible: false

    Component.onCompleted: updateElements()
}
