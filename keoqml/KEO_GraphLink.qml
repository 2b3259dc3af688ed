import QtQuick 2.15
import "."

// Opens the bigger view of a block's live graph; usable only while the host supplies live data.
TextLink {
    property var graph: null

    objectName: "graphLink"
    text: qsTr("Graph")
    visible: cpp_graphsEnabled
    enabled: cpp_graphsEnabled
    onClicked: {
        if (graph)
            graph.showBiggerView();
    }
}
