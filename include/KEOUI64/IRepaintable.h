#pragma once

namespace JVX {

// A graph the host's repaint scheduler keeps current, on the GUI thread.
class IRepaintable {
public:
    virtual ~IRepaintable() = default;
    // Repaints now if new data arrived since the last paint.
    virtual void repaint() = 0;
    // Freezes or thaws the shown data.
    virtual void setFrozen(bool frozen) = 0;
};

} // namespace JVX
