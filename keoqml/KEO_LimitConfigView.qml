import QtQuick 2.15
import KEOLimitationType 1.0
import JVX_QuickGraphView 1.0
import "."

// A limitation of the algorithm: its curve type, factor and, as the block needs, its maximum
// given directly or as a share of the platform's work envelope. Binds a LimitationModel or a
// SignalLimitationModel.
KEO_BlockFrame {
    id: block

    property var model: null
    property real workEnvelopeMaxValue: 0
    property string text: ""
    property string maxValueUnit: ""
    property string ilustrationWindowTitle: ""
    property string description: ""
    property bool maxValueEnabled: false
    property bool maxValueFromWorkEnvelope: false
    property bool ilustrationEnabled: false
    property var maxValueValidator: null
    property string additionalMaxValueText: ""
    property bool additionalMaxValueTextEnabled: false
    property var availableLimitationTypes: [KEOLimitationType.None, KEOLimitationType.Logistic,
        KEOLimitationType.Gain]
    property var availableLimitationTypeNames: ["None", "Logistic (Sigmoid)", "Gain"]
    readonly property alias graph: graphView
    property var ilustrationWindow: null

    readonly property bool active: typeSelector.currentIndex >= 0
        && availableLimitationTypes[typeSelector.currentIndex] !== KEOLimitationType.None

    function showIlustration() {
        if (!model)
            return;
        if (!ilustrationWindow) {
            var component = Qt.createComponent("KEO_LimitationIlustration.qml");
            ilustrationWindow = component.createObject(block, {
                model: block.model,
                title: block.ilustrationWindowTitle
            });
        }
        ilustrationWindow.show();
        ilustrationWindow.requestActivate();
    }

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
        spacing: 2 * qt_scale

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
            text: qsTr("Type")
        }

        ComboBoxStyled {
            id: typeSelector
            objectName: "limitationTypeSelector"
            width: parent.width
            model: block.availableLimitationTypeNames
            dataList: block.availableLimitationTypes
            data: block.model ? block.model.limitationType : 0
            onActivated: {
                if (block.model)
                    block.model.limitationType = block.availableLimitationTypes[index];
            }
        }

        TextStyled {
            text: qsTr("Factor")
        }

        FloatEdit {
            objectName: "factorEdit"
            width: parent.width
            enabled: block.active
            value: block.model ? block.model.limitationFactor : 0
            onValueModified: {
                if (block.model && block.differs(block.model.limitationFactor, value))
                    block.model.limitationFactor = value;
            }
        }

        TextStyled {
            objectName: "maxValueLabel"
            width: parent.width
            visible: block.maxValueEnabled
            // A unit such as "deg/s" must not be split over two lines; the label shrinks instead.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Style.controlFontDescriptionSize
            text: qsTr("Maximum value ") + "[" + block.maxValueUnit + "]"
                  + (block.additionalMaxValueTextEnabled ? block.additionalMaxValueText : "")
        }

        FloatEdit {
            id: maxValueEdit
            objectName: "maxValueEdit"
            width: parent.width
            visible: block.maxValueEnabled
            enabled: block.active
            value: block.maxValueEnabled && block.model && block.model.maxValue !== undefined
                   ? block.model.maxValue : 0
            onValueModified: {
                if (block.model && block.maxValueEnabled
                        && block.differs(block.model.maxValue, value))
                    block.model.maxValue = value;
            }

            Binding on validator {
                when: block.maxValueValidator !== null
                value: block.maxValueValidator
            }
        }

        TextStyled {
            objectName: "percentageLabel"
            width: parent.width
            visible: block.maxValueFromWorkEnvelope
            wrapMode: Text.WordWrap
            textFormat: Text.RichText
            text: qsTr("[%] of: ") + (block.workEnvelopeMaxValue !== 0
                                      ? "<b>" + block.workEnvelopeMaxValue.toFixed(2) + "</b> ["
                                        + block.maxValueUnit + "]"
                                      : qsTr("N/A"))
        }

        FloatEdit {
            objectName: "percentageEdit"
            width: parent.width
            visible: block.maxValueFromWorkEnvelope
            enabled: block.active
            value: block.maxValueFromWorkEnvelope && block.model
                   && block.model.maxValueFactor !== undefined ? block.model.maxValueFactor : 0
            onValueModified: {
                if (block.model && block.maxValueFromWorkEnvelope
                        && block.differs(block.model.maxValueFactor, value))
                    block.model.maxValueFactor = value;
            }
        }
    }

    // The links share the bottom row evenly, so they never run into each other whatever the font.
    Row {
        id: links
        readonly property real linksWidth: graphLink.implicitWidth * graphLink.visible
                                           + ilustrateLink.implicitWidth * ilustrateLink.visible
                                           + restoreLink.implicitWidth
        readonly property int gaps: graphLink.visible + ilustrateLink.visible
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: block.margin
        spacing: gaps > 0 ? Math.max(4 * qt_scale, (width - linksWidth) / gaps) : 0

        KEO_GraphLink {
            id: graphLink
            graph: graphView
        }

        TextLink {
            id: ilustrateLink
            objectName: "ilustrateLink"
            visible: block.ilustrationEnabled
            enabled: block.active
            text: qsTr("Illustrate")
            onClicked: block.showIlustration()
        }

        KEO_RestoreLink {
            id: restoreLink
            text: block.ilustrationEnabled ? qsTr("Rest.") : qsTr("Restore saved")
            enabled: block.model ? block.model.isModified : false
            onClicked: {
                if (block.model)
                    block.model.restoreDefaults();
            }
        }
    }
}
