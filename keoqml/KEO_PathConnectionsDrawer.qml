import QtQuick 2.15
import "."

// Draws one signal line through the centres of the listed items, in list order, with arrows
// where a pair of items asks for one. Lay it beneath the blocks it joins: their fill hides the
// line inside them, so the line seems to meet each block at its edge. Items that are hidden
// (a path's optional input or output) are passed over.
Canvas {
    id: drawer

    property var connections: []
    property var lineDash: []
    property var arrowPairs: []
    readonly property real arrowHalfBase: 5 * qt_scale
    readonly property real arrowHeight: 7 * qt_scale
    readonly property real alignmentTolerance: 1

    function centreOf(item) {
        return drawer.mapFromItem(item, item.width / 2, item.height / 2);
    }

    function drawArrow(ctx, from, to) {
        var a = centreOf(from);
        var b = centreOf(to);
        var tip = drawer.mapFromItem(to, 0, 0);
        var angle;
        if (Math.abs(a.x - b.x) <= alignmentTolerance) {
            if (a.y > b.y) {
                tip.y += to.height;
                angle = -Math.PI / 2;
            } else {
                angle = Math.PI / 2;
            }
            tip.x = b.x;
        } else {
            tip.y = b.y;
            angle = 0;
        }
        ctx.save();
        ctx.translate(tip.x, tip.y);
        ctx.rotate(angle);
        ctx.beginPath();
        ctx.moveTo(0, 0);
        ctx.lineTo(-arrowHeight, -arrowHalfBase);
        ctx.lineTo(-arrowHeight, arrowHalfBase);
        ctx.closePath();
        ctx.fill();
        ctx.restore();
    }

    function drawLine(ctx) {
        var previous = null;
        ctx.beginPath();
        for (var i = 0; i < connections.length; ++i) {
            if (!connections[i] || !connections[i].visible)
                continue;
            var point = centreOf(connections[i]);
            if (!previous) {
                ctx.moveTo(point.x, point.y);
            } else if (Math.abs(point.x - previous.x) <= alignmentTolerance
                       || Math.abs(point.y - previous.y) <= alignmentTolerance) {
                ctx.lineTo(point.x, point.y);
            } else {
                ctx.lineTo(previous.x, point.y);
                ctx.lineTo(point.x, point.y);
            }
            previous = point;
        }
        ctx.stroke();
    }

    // A hidden page reports all its items hidden, so a line painted then would skip them all.
    // Painting waits until the drawer is shown; showing a page again repaints nothing that has
    // not changed, which keeps a tab switch from redrawing and re-uploading every line image.
    property bool paintPending: false

    function repaint() {
        if (visible)
            requestPaint();
        else
            paintPending = true;
    }

    onConnectionsChanged: repaint()
    onArrowPairsChanged: repaint()
    onLineDashChanged: repaint()
    onWidthChanged: repaint()
    onHeightChanged: repaint()
    onVisibleChanged: {
        if (visible && paintPending) {
            paintPending = false;
            requestPaint();
        }
    }

    onPaint: {
        if (!visible) { // hidden between the request and the paint
            paintPending = true;
            return;
        }
        var ctx = getContext("2d");
        ctx.reset();
        if (!connections)
            return;
        ctx.strokeStyle = Style.borderColor;
        ctx.fillStyle = Style.borderColor;
        ctx.lineWidth = 1;
        var pairs = arrowPairs ? arrowPairs : [];
        for (var i = 0; i < pairs.length; ++i) {
            if (pairs[i] && pairs[i].length === 2 && pairs[i][0] && pairs[i][1])
                drawArrow(ctx, pairs[i][0], pairs[i][1]);
        }
        ctx.setLineDash(lineDash ? lineDash : []);
        drawLine(ctx);
    }
}
