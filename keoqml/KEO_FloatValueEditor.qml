import QtQuick 2.15
import JVX_QuickGraphView 1.0
import "."

// Up to three labelled numbers of one block. It binds no model: the page feeds it the values
// and acts on the signals.
KEO_BlockFrame {
    id: block

    property string description: ""
    property string value_1Text: ""
    property string value_2Text: ""
    property string value_3Text: ""
    property real value_1: 0
    property real value_2: 0
    property real value_3: 0
    property string text: ""
    property bool isModified: false
    readonly property alias graph: graphView

    signal value_1Modified(real value)
    signal value_2Modified(real value)
    signal value_3Modified(real value)
    signal restoreDefaults

    implicitWidth: Style.blockWidth
    implicitHeight: content.y + content.height + restoreLink.height + 2 * margin

    JVX_QuickGraphView {
        id: graphView
        visible: false
        captions: [qsTr("Input [deg]"), qsTr("Output [deg]")]
    }

    Column {
        id: content
        x: block.margin
        y: block.margin
        width: block.width - 2 * block.margin
        spacing: 3 * qt_scale

        KEO_BlockHeader {
            width: parent.width
            text: block.text
            description: block.description
            isModified: block.isModified
        }

        Item {
            width: 1
            height: 8 * qt_scale - parent.spacing
        }

        TextStyled {
            width: parent.width
            wrapMode: Text.WordWrap
            visible: block.value_1Text !== ""
            text: block.value_1Text
        }

        FloatEdit {
            objectName: "value1Edit"
            width: parent.width
            visible: block.value_1Text !== ""
            value: block.value_1
            onValueModified: block.value_1Modified(value)
        }

        TextStyled {
            width: parent.width
            wrapMode: Text.WordWrap
            visible: block.value_2Text !== ""
            text: block.value_2Text
        }

        FloatEdit {
            objectName: "value2Edit"
            width: parent.width
            visible: block.value_2Text !== ""
            value: block.value_2
            onValueModified: block.value_2Modified(value)
        }

        TextStyled {
            width: parent.width
            wrapMode: Text.WordWrap
            visible: block.value_3Text !== ""
            text: block.value_3Text
        }

        FloatEdit {
            objectName: "value3Edit"
            width: parent.width
            visible: block.value_3Text !== ""
            value: block.value_3
            onValueModified: block.value_3Modified(value)
        }
    }

    KEO_GraphLink {
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: block.margin
        graph: graphView
    }

    // The restore link keeps a fixed distance from the corner whatever the scale.
    KEO_RestoreLink {
        id: restoreLink
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        enabled: block.isModified
        onClicked: block.restoreDefaults()
    }
}
