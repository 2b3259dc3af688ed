#pragma once

// Converts a value between the unit stored in the record and the unit the views show.
class IValueConverter {
public:
    virtual ~IValueConverter() = default;
    virtual float toDisplay(float stored) const = 0;
    virtual float fromDisplay(float shown) const = 0;
};
