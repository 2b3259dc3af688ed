import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

ComboBox {
    id: control

    // The value of each entry, in the order of the names in model.
    property var dataList: []
    // The value to show: selects the last entry holding it; an unknown value changes nothing.
    property var data

    function selectData() {
        var found = -1;
        for (var i = 0; i < dataList.length; ++i) {
            if (dataList[i] === data)
                found = i;
        }
        if (found >= 0)
            currentIndex = found;
    }

    onDataChanged: selectData()
    Component.onCompleted: selectData()

    delegate: ItemDelegate {
        objectName: "comboEntry" + index
        width: control.width
        height: Style.controlHeight
        highlighted: control.highlightedIndex === index

        contentItem: TextStyled {
            text: modelData
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
    }

    // A triangle 12 x 8 pointing down: the lower half of a square turned by 45 degrees, stretched
    // to the height. Plain items instead of a canvas, which costs an image and a texture for each
    // of the editor's many boxes.
    indicator: Item {
        x: control.width - width - 8 * qt_scale
        y: control.topPadding + (control.availableHeight - height) / 2
        width: 12 * qt_scale
        height: 8 * qt_scale
        clip: true

        Rectangle {
            x: (parent.width - width) / 2
            y: -height / 2
            width: parent.width / Math.SQRT2
            height: width
            antialiasing: true
            color: control.enabled ? "darkgrey" : Style.textColorDisabled
            transform: [
                Rotation {
                    origin.x: control.indicator.width / Math.SQRT2 / 2
                    origin.y: control.indicator.width / Math.SQRT2 / 2
                    angle: 45
                },
                Scale {
                    origin.y: control.indicator.width / Math.SQRT2 / 2
                    yScale: control.indicator.height / (control.indicator.width / 2)
                }
            ]
        }
    }

    contentItem: TextStyled {
        leftPadding: 10 * qt_scale
        rightPadding: control.indicator.width + control.spacing
        text: control.displayText
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: Style.styledControlImplicitWidth
        implicitHeight: Style.controlHeight
        border.color: Style.borderColor
        border.width: 1
        radius: Style.internalWindowRadius
    }

    popup: Popup {
        y: control.height - 1
        width: control.width
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        padding: 1

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex

            ScrollIndicator.vertical: ScrollIndicator {}
        }

        background: Rectangle {
            border.color: Style.borderColor
        }
    }
}
