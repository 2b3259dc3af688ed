import QtQuick 2.15
import "."

// A value editor showing the single value of a FloatValueModel under one label; edits and
// restores go to the model.
KEO_FloatValueEditor {
    id: editor

    property var valueModel: null

    value_1: valueModel ? valueModel.value : 0
    isModified: valueModel ? valueModel.isModified : false

    onValue_1Modified: {
        if (valueModel && differs(valueModel.value, value))
            valueModel.value = value;
    }
    onRestoreDefaults: {
        if (valueModel)
            valueModel.restoreDefaults();
    }
}
