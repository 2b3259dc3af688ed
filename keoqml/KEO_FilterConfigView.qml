import QtQuick 2.15
import KEOFilterType 1.0
import JVX_QuickGraphView 1.0
import "."

// A filter of the algorithm: its type (unless the path fixes it) and its cutoff frequency.
KEO_BlockFrame {
    id: block

    property var model: null
    property string text: ""
    property bool filterTypeSelectorVisible: true
    property string description: ""
    property var availableFilterTypes: []
    property var availableFilterTypeNames: []
    property bool showCutOffFreqStartEnd: false
    readonly property alias graph: graphView

    readonly property real cutoff: model ? model.cutoffFrequency : 0
    readonly property real cutoffStart: model ? model.cutoffFrequencyStart : 0
    readonly property real cutoffEnd: model ? model.cutoffFrequencyEnd : 0
    readonly property bool cutoffEditable: !filterTypeSelectorVisible
        || (typeSelector.currentIndex >= 0
            && availableFilterTypes[typeSelector.currentIndex] !== KEOFilterType.None)

    implicitWidth: Style.blockWidth
    implicitHeight: content.y + content.height + links.height + 2 * margin

    JVX_QuickGraphView {
        id: graphView
        visible: false
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
            isModified: block.model ? block.model.isModified : false
        }

        Item {
            width: 1
            height: 4 * qt_scale - parent.spacing
        }

        TextStyled {
            visible: block.filterTypeSelectorVisible
            text: qsTr("Type")
        }

        ComboBoxStyled {
            id: typeSelector
            objectName: "filterTypeSelector"
            width: parent.width
            visible: block.filterTypeSelectorVisible
            model: block.availableFilterTypeNames
            dataList: block.availableFilterTypes
            data: block.model ? block.model.filterType : 0
            onActivated: {
                if (block.model)
                    block.model.filterType = block.availableFilterTypes[index];
            }
        }

        TextStyled {
            text: qsTr("Cutoff frequency [Hz]")
        }

        FloatEdit {
            objectName: "cutoffEdit"
            width: parent.width
            enabled: block.cutoffEditable
            value: block.cutoff
            onValueModified: {
                if (block.model && block.differs(block.model.cutoffFrequency, value))
                    block.model.cutoffFrequency = value;
            }
        }

        // The sharpness range is offered by no page today; it is only built when asked for, so
        // the many filters of the editor do not each carry two hidden fields with their tooltips.
        Loader {
            objectName: "cutoffRangeLoader"
            width: parent.width
            active: block.showCutOffFreqStartEnd
            visible: active
            sourceComponent: cutoffRange
        }
    }

    Component {
        id: cutoffRange

        Column {
            spacing: 3 * qt_scale

            TextStyled {
                text: qsTr("Freq. range (for sharpn.)")
            }

            Row {
                width: parent.width
                spacing: parent.spacing

                FloatEdit {
                    objectName: "cutoffStartEdit"
                    width: (parent.width - parent.spacing) / 2
                    enabled: block.cutoffEditable
                    value: block.cutoffStart
                    toolTip: qsTr("When Sharpness is 0.0-1.0, then actual cutoff frequency is result of linear interpolation between this value (%1) and default Cutoff Freq. (%2).\n")
                             .arg(block.cutoffStart).arg(block.cutoff)
                             + qsTr("For Shaprness = 0, it will be %1. For Sharpness = 1.0, it will be %2.")
                               .arg(block.cutoffStart).arg(block.cutoff)
                    onValueModified: {
                        if (block.model && block.differs(block.model.cutoffFrequencyStart, value))
                            block.model.cutoffFrequencyStart = value;
                    }
                }

                FloatEdit {
                    objectName: "cutoffEndEdit"
                    width: (parent.width - parent.spacing) / 2
                    enabled: block.cutoffEditable
                    value: block.cutoffEnd
                    toolTip: qsTr("When Sharpness is 1.0-2.5, then actual cutoff frequency is result of linear interpolation between default Cutoff Freq. (%1) and this value (%2).\n")
                             .arg(block.cutoff).arg(block.cutoffEnd)
                             + qsTr("For Shaprness = 1.0, it will be %1. For Sharpness = 2.5, it will be %2.")
                               .arg(block.cutoff).arg(block.cutoffEnd)
                    onValueModified: {
                        if (block.model && block.differs(block.model.cutoffFrequencyEnd, value))
                            block.model.cutoffFrequencyEnd = value;
                    }
                }
            }
        }
    }

    Item {
        id: links
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: block.margin
        height: restoreLink.height

        KEO_GraphLink {
            anchors.left: parent.left
            anchors.bottom: parent.bottom
            graph: graphView
        }

        KEO_RestoreLink {
            id: restoreLink
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            enabled: block.model ? block.model.isModified : false
            onClicked: {
                if (block.model)
                    block.model.restoreDefaults();
            }
        }
    }
}
