#pragma once

namespace JVX {

// What a GraphSource needs from a view that shows it. The source keeps plain pointers to these
// (not owned): a view registers itself when it is built and unregisters before it is destroyed.
//
// setNeedsRepaint() and needsRepaint() are called from the sample-delivery thread as well as from
// the GUI thread, so implementations keep the flag in an atomic. isShownOnScreen() and
// repaintNow() are only called on the GUI thread.
class IGraphSourceWidget {
public:
    virtual ~IGraphSourceWidget() = default;

    virtual void setNeedsRepaint(bool needsRepaint) = 0;
    virtual bool needsRepaint() const = 0;
    // True when the view is visible, so that a repaint would show something.
    virtual bool isShownOnScreen() const = 0;
    // Paints synchronously (for a QWidget: QWidget::repaint()).
    virtual void repaintNow() = 0;
};

} // namespace JVX
