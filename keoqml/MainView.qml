import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import KEOParamSet 1.0
import "."

Rectangle {
    id: root

    readonly property real tabButtonWidth: 115 * qt_scale
    readonly property real tabButtonHeight: 70 * qt_scale
    readonly property real pageMargin: 16 * qt_scale
    readonly property var configModel: cpp_configManager.configModel
    readonly property var paramSetModel: cpp_configManager.paramSetModel
    readonly property bool configLoaded: cpp_configManager.isConfigLoaded

    property var tabs: [lateralPage, longitudinalPage, verticalPage, absolutePage, enhancerPage,
        understeerPage, mixerPage, multiplexerPage, optionsPage, loadPage]
    property var tabHeaders: [lateralButton, longitudinalButton, verticalButton, absoluteButton,
        enhancerButton, understeerButton, mixerButton, multiplexerButton, optionsButton, null]
    property int errorCounter: cpp_configManager.errorCounter
    property int multiConfigTrigger: cpp_configManager.multiConfigTrigger
    property string angleUnit: "deg"
    property string angleRateUnit: "[deg/s]"
    property bool loadingScript: false

    // The mark means unsaved edits: before anything is loaded the models compare an empty record
    // with their starting values, which is no edit of the user's.
    function modifiedMark(model) {
        return configLoaded && model && model.isModified ? "*" : "";
    }

    function setTab(page, header) {
        if (page)
            page.visible = true;
        if (header)
            header.checked = true;
        for (var i = 0; i < tabs.length; ++i) {
            if (tabs[i] !== page)
                tabs[i].visible = false;
            if (tabHeaders[i] && tabHeaders[i] !== header)
                tabHeaders[i].checked = false;
        }
    }

    function showLateralPage() {
        setTab(lateralPage, lateralButton);
    }

    function loadConfigScript() {
        loadingScript = true;
        if (cpp_configManager.loadFromUiEx() && cpp_configManager.isConfigLoaded)
            showLateralPage();
        loadingScript = false;
    }

    function selectCluster(id) {
        cpp_configManager.setConfigFromUi(id);
        if (cpp_configManager.isConfigLoaded)
            showLateralPage();
    }

    function saveIfModified() {
        if (configLoaded && configModel.isModified)
            cpp_configManager.saveFromUi();
    }

    objectName: "mainView"
    enabled: !errorDialog.visible && !clusterDialog.visible

    onErrorCounterChanged: errorDialog.open()
    onMultiConfigTriggerChanged: clusterDialog.open()

    Component.onCompleted: {
        lateralPage.setupGraphNames("__lateral");
        longitudinalPage.setupGraphNames("__longitudinal");
        verticalPage.setupGraphNames("__vertical");
        absolutePage.setupGraphNames("__absolute");
        mixerPage.setupGraphNames("__mixer");
        enhancerPage.setupGraphNames("__enhancer");
        understeerPage.setupGraphNames("__understeer");
        multiplexerPage.setupGraphNames("__multiplexer");
        if (configLoaded)
            showLateralPage();
        else
            setTab(loadPage, null);
    }

    Shortcut {
        sequence: StandardKey.Save
        onActivated: root.saveIfModified()
    }

    PathControllersManager {
        id: pathControllersManager
        objectName: "pathControllersManager"
    }

    // A header button: as wide as the design wants where the window has room, narrower where it
    // has not (down to three lines of its text, as many as its height holds), so that every
    // control of the header shows at the window's minimum size.
    component HeaderButton: TextButton {
        Layout.fillWidth: true
        Layout.preferredWidth: root.tabButtonWidth
        Layout.maximumWidth: root.tabButtonWidth
        Layout.minimumWidth: narrowestWidth
        Layout.preferredHeight: root.tabButtonHeight
        maximumLines: 3
    }

    RowLayout {
        id: tabRow
        objectName: "tabRow"
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 1 * qt_scale

        HeaderButton {
            id: lateralButton
            objectName: "lateralTabButton"
            text: qsTr("Lateral acceleration and roll rate")
                  + root.modifiedMark(root.configModel.lateralConfigModel)
            enabled: root.configLoaded
            onClicked: root.setTab(lateralPage, lateralButton)
        }

        HeaderButton {
            id: longitudinalButton
            objectName: "longitudinalTabButton"
            text: qsTr("Longitudinal acceleration and pitch rate")
                  + root.modifiedMark(root.configModel.longitudinalConfigModel)
            enabled: root.configLoaded
            onClicked: root.setTab(longitudinalPage, longitudinalButton)
        }

        HeaderButton {
            id: verticalButton
            objectName: "verticalTabButton"
            text: qsTr("Vertical acceleration and yaw rate")
                  + root.modifiedMark(root.configModel.verticalConfigModel)
            enabled: root.configLoaded
            onClicked: root.setTab(verticalPage, verticalButton)
        }

        HeaderButton {
            id: absoluteButton
            objectName: "absoluteTabButton"
            text: qsTr("Body\n roll and pitch")
                  + root.modifiedMark(root.configModel.absolutePitchRollConfigModel)
            enabled: root.configLoaded
            onClicked: root.setTab(absolutePage, absoluteButton)
        }

        HeaderButton {
            id: mixerButton
            objectName: "mixerTabButton"
            text: qsTr("DoF mixer") + root.modifiedMark(root.configModel.mixerConfigModel)
            enabled: root.configLoaded
            onClicked: root.setTab(mixerPage, mixerButton)
        }

        HeaderButton {
            id: enhancerButton
            objectName: "enhancerTabButton"
            text: qsTr("Enhancer") + root.modifiedMark(root.configModel.enhancerConfigModel)
            enabled: root.configLoaded
            onClicked: root.setTab(enhancerPage, enhancerButton)
        }

        HeaderButton {
            id: understeerButton
            objectName: "understeerTabButton"
            text: qsTr("Understeer")
            enabled: root.configLoaded
            onClicked: root.setTab(understeerPage, understeerButton)
        }

        HeaderButton {
            id: multiplexerButton
            objectName: "multiplexerTabButton"
            text: qsTr("Multiplexer") + root.modifiedMark(root.configModel.multiplexerConfigModel)
            enabled: root.configLoaded
            onClicked: root.setTab(multiplexerPage, multiplexerButton)
        }

        HeaderButton {
            id: optionsButton
            objectName: "optionsTabButton"
            text: qsTr("Options")
            enabled: root.configLoaded
            onClicked: root.setTab(optionsPage, optionsButton)
        }

        HeaderButton {
            id: loadButton
            objectName: "loadTabButton"
            text: qsTr("Load")
            visible: !cpp_configManager.attachedToScript
            onClicked: root.loadConfigScript()
        }

        HeaderButton {
            id: saveButton
            objectName: "saveTabButton"
            text: qsTr("Save") + root.modifiedMark(root.configModel)
            enabled: root.configLoaded && root.configModel.isModified
            onClicked: cpp_configManager.saveFromUi()
        }

        Column {
            id: paramSetArea
            objectName: "paramSetArea"
            Layout.leftMargin: 7 * qt_scale
            Layout.alignment: Qt.AlignVCenter

            RadioButtonStyled {
                objectName: "paramSet1Radio"
                text: qsTr("Param set #1")
                enabled: root.configLoaded
                checked: root.paramSetModel.paramSetIndex === KEOParamSet.First
                onToggled: root.paramSetModel.paramSetIndex = KEOParamSet.First
            }

            RadioButtonStyled {
                objectName: "paramSet2Radio"
                text: qsTr("Param set #2")
                enabled: root.configLoaded
                checked: root.paramSetModel.paramSetIndex === KEOParamSet.Second
                onToggled: root.paramSetModel.paramSetIndex = KEOParamSet.Second
            }
        }

        KEO_EditingHeader {
            Layout.leftMargin: 8 * qt_scale
            Layout.alignment: Qt.AlignVCenter
            tools: editingTools
        }

        KEO_HostActions {
            Layout.leftMargin: 8 * qt_scale
            Layout.alignment: Qt.AlignVCenter
            visible: actions.length > 0
        }

        // Takes what the buttons leave when the window is wide.
        Item {
            Layout.fillWidth: true
            Layout.minimumWidth: 8 * qt_scale
        }
    }

    Rectangle {
        id: tabRowBorder
        anchors.top: tabRow.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: 1 * qt_scale
    }

    KEO_AxisConfig {
        id: lateralPage
        objectName: "lateralPage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: tabRow.height / 2
        model: root.configModel.lateralConfigModel
        pathControllersManager: pathControllersManager
        canShowSkipIntegrationPopup: !root.loadingScript
        input_accName: qsTr("Lateral\n acceleration\n [m/s\u00B2]")
        input_velocityName: qsTr("Roll rate\n") + root.angleRateUnit
        output_travelName: qsTr("Partial Sway\n[m]")
        output_angleName: qsTr("Partial Roll\n") + "[" + root.angleUnit + "]"
        travelMaxValue: cpp_workEnvelope ? cpp_workEnvelope.sway : 0
        tiltAngleMaxValue: cpp_workEnvelope ? cpp_workEnvelope.roll : 0
        angleMaxValue: cpp_workEnvelope ? cpp_workEnvelope.roll : 0
        travelToMixerEnabled: true
    }

    KEO_AxisConfig {
        id: longitudinalPage
        objectName: "longitudinalPage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: tabRow.height / 2
        model: root.configModel.longitudinalConfigModel
        pathControllersManager: pathControllersManager
        canShowSkipIntegrationPopup: !root.loadingScript
        input_accName: qsTr("Longitudinal\n acceleration\n [m/s\u00B2]")
        input_velocityName: qsTr("Pitch rate\n") + root.angleRateUnit
        output_travelName: qsTr("Partial Surge\n[m]")
        output_angleName: qsTr("Partial Pitch\n") + "[" + root.angleUnit + "]"
        travelMaxValue: cpp_workEnvelope ? cpp_workEnvelope.surge : 0
        tiltAngleMaxValue: cpp_workEnvelope ? cpp_workEnvelope.pitch : 0
        angleMaxValue: cpp_workEnvelope ? cpp_workEnvelope.pitch : 0
        travelToMixerEnabled: true
    }

    KEO_AxisConfig {
        id: verticalPage
        objectName: "verticalPage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: tabRow.height / 2
        model: root.configModel.verticalConfigModel
        pathControllersManager: pathControllersManager
        canShowSkipIntegrationPopup: !root.loadingScript
        input_accName: "Vertical\n acceleration\n [m/s\u00B2]"
        input_tiltAccName: "G-force\n [m/s\u00B2]"
        input_velocityName: "Yaw rate\n" + root.angleRateUnit
        output_travelName: "Partial Heave\n[m]"
        output_angleName: "Partial Yaw\n" + "[" + root.angleUnit + "]"
        travelMaxValue: cpp_workEnvelope ? cpp_workEnvelope.heave : 0
        tiltAngleMaxValue: cpp_workEnvelope ? cpp_workEnvelope.pitch : 0
        angleMaxValue: cpp_workEnvelope ? cpp_workEnvelope.yaw : 0
        travelToMixerEnabled: true
        angleToMixerEnabled: true
        extraTiltG: true
        heaveToPitchFeature: true
        additionalPitchFromHeaveUnit: root.angleUnit
    }

    KEO_BodyAnglesConfig {
        id: absolutePage
        objectName: "absolutePage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: tabRow.height / 2
        model: root.configModel.absolutePitchRollConfigModel
        pathControllersManager: pathControllersManager
        workEnvelopeModel: cpp_workEnvelope
        unit: root.angleUnit
    }

    KEO_MixerConfig {
        id: mixerPage
        objectName: "mixerPage"
        anchors.top: tabRowBorder.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: root.pageMargin
        anchors.rightMargin: root.pageMargin
        model: root.configModel.mixerConfigModel
        pathControllersManager: pathControllersManager
        workEnvelopeModel: cpp_workEnvelope
        angleUnit: root.angleUnit
    }

    KEO_Enhancer {
        id: enhancerPage
        objectName: "enhancerPage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: tabRow.height / 2
        model: root.configModel.enhancerConfigModel
        pathControllersManager: pathControllersManager
        workEnvelopeModel: cpp_workEnvelope
        angleUnit: root.angleUnit
    }

    KEO_Understeer {
        id: understeerPage
        objectName: "understeerPage"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: tabRow.height / 2
        model: root.configModel.understeerConfigModel
        pathControllersManager: pathControllersManager
        workEnvelopeModel: cpp_workEnvelope
    }

    KEO_MultiplexerView {
        id: multiplexerPage
        objectName: "multiplexerPage"
        anchors.top: tabRowBorder.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: root.pageMargin
        anchors.rightMargin: root.pageMargin
        model: root.configModel.multiplexerConfigModel
        workEnvelopeModel: cpp_workEnvelope
        angleUnit: root.angleUnit
    }

    KEO_AlgorithmOptions {
        id: optionsPage
        objectName: "optionsPage"
        anchors.top: tabRowBorder.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: root.pageMargin
    }

    Item {
        id: loadPage
        objectName: "loadPage"
        anchors.fill: parent

        TextButton {
            objectName: "loadPageButton"
            anchors.centerIn: parent
            width: 200 * qt_scale
            height: 70 * qt_scale
            defaultColor: Style.buttonHoveredColor
            textColor: "white"
            text: qsTr("Load script file...")
            onClicked: root.loadConfigScript()
        }
    }

    TextStyled {
        id: clusterLabel
        objectName: "clusterLabel"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.rightMargin: 24 * qt_scale
        anchors.bottomMargin: 8 * qt_scale
        visible: root.configLoaded
        font.bold: true
        font.pixelSize: Style.textButtonFontSize
        color: Style.textColor
        text: qsTr("Cluster #") + (cpp_configManager.configModelId + 1)
    }

    KEO_EditingTools {
        id: editingTools
        objectName: "editingTools"
        view: root
        topMargin: tabRow.height
    }

    DialogView {
        id: errorDialog
        objectName: "errorDialog"
        parentItem: root
        width: 450 * qt_scale
        height: 150 * qt_scale
        text: cpp_configManager.errorMessage
        textSize: 14 * qt_scale
        firstButtonVisible: false
        secondButtonVisible: false
        dismissButtonText: qsTr("OK")
    }

    DialogView {
        id: clusterDialog
        objectName: "clusterDialog"
        parentItem: root
        width: 450 * qt_scale
        height: 150 * qt_scale
        text: qsTr("Select cluster configuration to load:")
        firstButtonText: qsTr("Cluster #1")
        secondButtonText: qsTr("Cluster #2")
        dismissButtonText: qsTr("Cancel")
        onFirstButtonClicked: root.selectCluster(0)
        onSecondButtonClicked: root.selectCluster(1)
    }
}
