import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import "."

// Draws the limitation curve of an input limitation against the identity line, with a marker
// that reads the output for the input under the pointer. Ctrl + wheel zooms out and in.
ApplicationWindow {
    id: window

    property var model: null
    readonly property real maxValue: model ? model.maxValue : 0
    readonly property real limitationFactor: model ? model.limitationFactor : 0
    readonly property real windowSize: 400 * qt_scale
    readonly property real frameSize: 350 * qt_scale
    readonly property real minimumMaxValue: 0.000001
    readonly property real curveShare: 0.35
    readonly property int maximumZoom: 10
    property int zoom: 1
    property real input: 0
    property real output: 0

    function limit(value) {
        return model ? model.callLimitationFunction(value, maxValue, limitationFactor) : value;
    }

    function updateReading() {
        input = (canvas.mouseX - canvas.width / 2) / canvas.scaleFactor * zoom;
        output = limit(input);
    }

    function changeZoom(step) {
        zoom = Math.max(1, Math.min(maximumZoom, zoom + step));
    }

    width: windowSize
    height: windowSize
    minimumWidth: windowSize
    maximumWidth: windowSize
    minimumHeight: windowSize
    maximumHeight: windowSize
    color: "white"

    // The block shows this window again on the next click: hide it rather than let closing
    // destroy its native window.
    onClosing: {
        close.accepted = false;
        hide();
    }

    onMaxValueChanged: {
        updateReading();
        canvas.requestPaint();
    }
    onLimitationFactorChanged: {
        updateReading();
        canvas.requestPaint();
    }
    onZoomChanged: {
        updateReading();
        canvas.requestPaint();
    }

    Column {
        anchors.centerIn: parent
        spacing: 8 * qt_scale

        Rectangle {
            width: window.frameSize
            height: window.frameSize
            border.color: "lavender"
            border.width: 1

            Canvas {
                id: canvas
                objectName: "ilustrationCanvas"

                readonly property real scaleFactor: window.curveShare * height
                    / (window.maxValue !== 0 ? window.maxValue : window.minimumMaxValue)
                property real mouseX: width / 2
                property bool hovered: pointer.containsMouse

                anchors.fill: parent
                anchors.margins: 1

                onPaint: {
                    var ctx = getContext("2d");
                    var cx = (width - 2) / 2;
                    var cy = (height - 2) / 2;
                    var band = window.curveShare * height / window.zoom;
                    ctx.reset();
                    ctx.fillStyle = "white";
                    ctx.fillRect(0, 0, width, height);

                    ctx.lineWidth = 2;
                    ctx.strokeStyle = "lavender";
                    ctx.beginPath();
                    ctx.moveTo(0, cy);
                    ctx.lineTo(width, cy);
                    ctx.moveTo(cx, 0);
                    ctx.lineTo(cx, height);
                    ctx.stroke();

                    ctx.strokeStyle = "red";
                    ctx.beginPath();
                    ctx.moveTo(0, cy - band);
                    ctx.lineTo(width, cy - band);
                    ctx.moveTo(0, cy + band);
                    ctx.lineTo(width, cy + band);
                    ctx.stroke();
                    ctx.fillStyle = "red";
                    ctx.font = Math.round(12 * qt_scale) + "px sans-serif";
                    ctx.fillText("MAX: " + window.maxValue.toFixed(5), 8 * qt_scale,
                                 cy - band - 8 * qt_scale);
                    ctx.fillText("MIN: " + (-window.maxValue).toFixed(5), 8 * qt_scale,
                                 cy + band + 16 * qt_scale);

                    ctx.strokeStyle = Style.mainBlueColor;
                    ctx.beginPath();
                    for (var x = 0; x < width; ++x) {
                        var value = window.limit((x - width / 2) / scaleFactor * window.zoom);
                        var y = cy - value * scaleFactor / window.zoom;
                        if (x === 0)
                            ctx.moveTo(x, y);
                        else
                            ctx.lineTo(x, y);
                    }
                    ctx.stroke();

                    ctx.lineWidth = 1;
                    ctx.strokeStyle = "slategray";
                    ctx.beginPath();
                    ctx.moveTo(0, cy + width / 2);
                    ctx.lineTo(width, cy - width / 2);
                    ctx.stroke();

                    if (hovered) {
                        ctx.strokeStyle = "lavender";
                        ctx.beginPath();
                        ctx.moveTo(mouseX, 0);
                        ctx.lineTo(mouseX, height);
                        ctx.stroke();
                    }
                }

                onHoveredChanged: requestPaint()

                MouseArea {
                    id: pointer
                    objectName: "ilustrationPointer"
                    anchors.fill: parent
                    hoverEnabled: true
                    onPositionChanged: {
                        canvas.mouseX = mouse.x;
                        window.updateReading();
                        canvas.requestPaint();
                    }
                    onWheel: {
                        if (wheel.modifiers & Qt.ControlModifier)
                            window.changeZoom(wheel.angleDelta.y > 0 ? -1 : 1);
                        else
                            wheel.accepted = false;
                    }
                }
            }
        }

        TextStyled {
            objectName: "ilustrationReading"
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Input: " + window.input.toFixed(3) + " -> Output: " + window.output.toFixed(3)
        }
    }
}
