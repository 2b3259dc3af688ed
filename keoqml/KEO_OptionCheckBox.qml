import QtQuick 2.15
import "."

// One switch of the algorithm options, shown from and written to the configuration model.
CheckboxStyled {
    id: box

    property var model: null
    property string switchName: ""

    checked: model ? model[switchName] : false
    onToggled: {
        if (model)
            model[switchName] = checked;
    }

    contentItem: TextStyled {
        leftPadding: box.indicator.width + box.spacing
        verticalAlignment: Text.AlignVCenter
        text: box.text
    }
}
