#pragma once

#include <QBrush>
#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>

class QPainter;

namespace JVX {

class GraphSource;

// Translation context of the texts the graph draws (colour names, "No data"); the same context
// as the plotting widget's menus.
constexpr const char* GraphTextContext = "JVX::GraphWidget";

// Everything a view passes to one paint of a graph.
struct GraphPaintRequest {
    // Fills behind the detail texts.
    QBrush background;
    int width = 0;
    int height = 0;
    // Cursor position in the painter's coordinates; used only while hovering.
    QPoint hoverPoint;
    bool hovering = false;
    // Axis, range, newest values, span, interval and the spectrum bars.
    bool showDetails = true;
    // Where the left button went down; while pressed (and hovering) the band between the two
    // points shows the difference and slope of every series.
    QPoint pressPoint;
    bool pressed = false;
    // Draws each series reduced to the span of every pixel column, which looks the same and is
    // far cheaper for long series; false draws every segment (for comparisons). The read-outs
    // always use every sample.
    bool reduceToPixelColumns = true;
};

// Draws the source's series, range, zero line, details and hover or measurement read-outs into
// (0, 0, width, height) of the painter, under the source's data lock. Stores the range used in
// the source (rangeMin/rangeMax) and the measurement records. The painter's state is restored
// afterwards.
void paintGraph(GraphSource& source, QPainter& painter, const GraphPaintRequest& request);

// Pen colour of series `index` on a light background (blue, dark green, grey, ..., black from
// index 10 on).
QColor seriesColor(int index);
// The pen colour actually drawn on `background`: seriesColor(index), mixed toward black (or
// white on a dark background) where needed for a contrast of at least 4.5:1.
QColor seriesColorOn(int index, const QColor& background);
// Untranslated colour name of series `index` ("Blue", ..., "Black").
const char* seriesColorName(int index);
// Black or white, whichever stands out more on `background`: the colour of axis, zero line,
// cursor and texts.
QColor inkOn(const QColor& background);
// WCAG contrast ratio of two opaque colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// The label of a series in the read-outs: "(Blue) Input" with a caption, "Blue" without.
QString seriesLabel(int index, const QStringList& captions);

} // namespace JVX
