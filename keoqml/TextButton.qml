import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

AbstractButton {
    id: control

    property color defaultColor: Style.buttonColor
    property color textColor: Style.textTabColor
    readonly property bool highlightedLook: hovered || checked
    // The most lines the text may take where a layout narrows the button; 0: not narrowed.
    property int maximumLines: 0
    // Below this width a word would not fit on its line, or the text would need more than
    // maximumLines lines (wrapping as the label does).
    readonly property real narrowestWidth: {
        if (maximumLines <= 0)
            return 0;
        var paragraphs = text.split("\n");
        var widest = 0;
        for (var i = 0; i < paragraphs.length; ++i) {
            var words = paragraphs[i].trim().split(/\s+/);
            for (var j = 0; j < words.length; ++j)
                widest = Math.max(widest, Math.ceil(wordMetrics.advanceWidth(words[j])));
        }
        var width = widest;
        while (linesAt(paragraphs, width) > maximumLines)
            ++width;
        return width + leftPadding + rightPadding;
    }

    // The lines the label's word wrap makes of the paragraphs within `width`.
    function linesAt(paragraphs, width) {
        var lines = 0;
        for (var i = 0; i < paragraphs.length; ++i) {
            var words = paragraphs[i].trim().split(/\s+/);
            var line = "";
            lines += 1;
            for (var j = 0; j < words.length; ++j) {
                var longer = line === "" ? words[j] : line + " " + words[j];
                if (line !== "" && wordMetrics.advanceWidth(longer) > width) {
                    lines += 1;
                    line = words[j];
                } else {
                    line = longer;
                }
            }
        }
        return lines;
    }

    hoverEnabled: true
    padding: 8 * qt_scale

    background: Rectangle {
        objectName: "textButtonBackground"
        color: !control.enabled ? control.defaultColor
             : control.pressed ? Style.buttonPressed
             : control.highlightedLook ? Style.buttonHoveredColor
             : control.defaultColor

        Behavior on color {
            ColorAnimation { duration: 200 }
        }
    }

    FontMetrics {
        id: wordMetrics
        font.bold: true
        font.pixelSize: Style.textButtonFontSize
    }

    contentItem: Text {
        objectName: "textButtonLabel"
        text: control.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        font: wordMetrics.font
        color: !control.enabled ? Style.textColorDisabled
             : (control.pressed || control.highlightedLook) ? "white"
             : control.textColor
    }
}
