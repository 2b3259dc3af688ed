#pragma once

#include "cueing/FrequencyResponse.h"

#include <QString>
#include <array>

class FrequencyResponseModel;
class QPainter;
class QRectF;

// What a Bode diagram of one response shows: both parameter sets' gain (dB) and phase (degrees)
// at the test frequencies, and the ranges their axes span.
struct BodeCurves {
    using Values = std::array<double, cueing::testFrequencyCount>;
    std::array<Values, 2> gainDb{}, phase{};
    double gainLow = -40, gainHigh = 10;     // dB, multiples of 10
    double phaseLow = -180, phaseHigh = 180; // degrees, multiples of 45
    QString unit;
};

BodeCurves bodeCurves(const FrequencyResponseModel& model, int response);

// Gain above, phase below, frequency on a logarithmic axis; sizes times `scale`.
void drawBode(QPainter& painter, const QRectF& area, const BodeCurves& curves, double scale);
