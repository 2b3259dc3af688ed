import QtQuick 2.15
import "."

// The algorithm's switches: the transformations of the inputs, the G correction and the rest.
Column {
    id: page

    readonly property var model: cpp_configManager.configModel

    spacing: 4 * qt_scale

    TextStyled {
        font.bold: true
        font.pixelSize: Style.controlFontHeaderSize
        text: qsTr("Transformations")
    }

    KEO_OptionCheckBox {
        id: accMatrix
        objectName: "enableAccMatrix"
        model: page.model
        switchName: "enableAccMatrix"
        text: qsTr("T1: Enable linear accelerations transformations")
    }

    KEO_OptionCheckBox {
        objectName: "enableAccMatrixTranslationBefore"
        model: page.model
        switchName: "enableAccMatrixTranslationBefore"
        enabled: accMatrix.checked
        text: qsTr("T2: Translate acc matrix (by point of sense) before transforming acceleration forces")
    }

    KEO_OptionCheckBox {
        objectName: "enableAccMatrixTranslationAfter"
        model: page.model
        switchName: "enableAccMatrixTranslationAfter"
        enabled: accMatrix.checked
        text: qsTr("T3: Translate acc matrix (by point of sense) after transforming acceleration forces")
    }

    KEO_OptionCheckBox {
        id: velocityMatrix
        objectName: "enableVelocityMatrix"
        model: page.model
        switchName: "enableVelocityMatrix"
        text: qsTr("V1: Enable angular velocity transformation matrix")
    }

    KEO_OptionCheckBox {
        objectName: "enableVelocityMatrixTranslationBefore"
        model: page.model
        switchName: "enableVelocityMatrixTranslationBefore"
        enabled: velocityMatrix.checked
        text: qsTr("V2: Translate angular velocity transformation matrix (by point of sense) before transforming velocities")
    }

    KEO_OptionCheckBox {
        objectName: "enableVelocityMatrixTranslationAfter"
        model: page.model
        switchName: "enableVelocityMatrixTranslationAfter"
        enabled: velocityMatrix.checked
        text: qsTr("V3: Translate angular velocity transformation matrix (by point of sense) after transforming velocities")
    }

    Item {
        width: 1
        height: 16 * qt_scale
    }

    TextStyled {
        font.bold: true
        font.pixelSize: Style.controlFontHeaderSize
        text: qsTr("G correction base on actual top frame's position")
    }

    KEO_OptionCheckBox {
        id: gCorrection
        objectName: "enableGCorrection"
        model: page.model
        switchName: "enableGCorrection"
        text: qsTr("G1: Enable G corrections")
    }

    KEO_OptionCheckBox {
        objectName: "removeGVerticalComponent"
        model: page.model
        switchName: "removeGVerticalComponent"
        enabled: gCorrection.checked
        text: qsTr("G2: Input linear accelerations do NOT contain gravity component")
    }

    Item {
        width: 1
        height: 16 * qt_scale
    }

    TextStyled {
        font.bold: true
        font.pixelSize: Style.controlFontHeaderSize
        text: qsTr("Misc.")
    }

    KEO_OptionCheckBox {
        objectName: "highpassUseFreshDataOnly"
        model: page.model
        switchName: "highpassUseFreshDataOnly"
        text: qsTr("Highpass filters use only fresh data")
    }
}
