import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

// The tune panel's choice of values to search: every number the tuner may change, by page, with
// its value now and the range a search explores, in the page's units; the tuner's defaults for
// the target set come chosen.
Column {
    id: parameters

    property var panel: null
    readonly property var tune: cpp_tune

    function number(value) {
        return Number(value).toLocaleString(Qt.locale(), "f", Math.abs(value) < 10 ? 2 : 1);
    }

    spacing: 2 * qt_scale

    property bool showAll: false

    // The chosen values, or all of them; a value unchosen meanwhile stays listed until then.
    function fill() {
        rows.clear();
        var all = parameters.tune.parameters;
        for (var i = 0; i < all.length; ++i)
            if (showAll || panel.chosenNames.indexOf(all[i].name) >= 0)
                rows.append(all[i]);
    }

    onShowAllChanged: fill()

    // A list model, so that the rows can be sectioned by page.
    ListModel {
        id: rows
    }

    Connections {
        target: parameters.panel
        function onChoicesRefreshed() {
            parameters.fill();
        }
    }

    Item {
        width: parent.width
        height: parametersTitle.implicitHeight

        TextStyled {
            id: parametersTitle
            font.bold: true
            text: qsTr("Values to tune: %1 of %2 chosen").arg(parameters.panel.chosenNames.length)
                  .arg(parameters.tune.parameters.length)
        }
        Row {
            anchors.right: parent.right
            spacing: 16 * qt_scale

            TextLink {
                objectName: "allParametersLink"
                text: parameters.showAll ? qsTr("Only the chosen") : qsTr("Every value")
                onClicked: parameters.showAll = !parameters.showAll
            }
            TextLink {
                objectName: "defaultParametersLink"
                text: qsTr("Defaults")
                onClicked: parameters.panel.refreshChoices()
            }
        }
    }

    ListView {
        objectName: "parameterList"
        width: parent.width
        height: 150 * qt_scale
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: rows
        section.property: "page"
        section.delegate: TextStyled {
            text: section
            font.bold: true
            topPadding: 4 * qt_scale
        }
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AlwaysOn }

        delegate: CheckboxStyled {
            objectName: "parameter_" + model.name
            width: ListView.view.width - 12 * qt_scale
            height: implicitHeight
            topPadding: 1
            bottomPadding: 1
            checked: parameters.panel.chosenNames.indexOf(model.name) >= 0
            text: qsTr("%1: %2 %3 (%4 to %5)").arg(model.title)
                  .arg(parameters.number(model.value)).arg(model.unit)
                  .arg(parameters.number(model.low)).arg(parameters.number(model.high))
            font.pixelSize: Style.textStyledFontSize
            onToggled: parameters.panel.chosenNames =
                       parameters.panel.toggled(parameters.panel.chosenNames, model.name,
                                                checked)
        }
    }
}
