#pragma once

#include "tune/Evaluation.h"

#include <QVariantList>

// Both parameter sets judged on the tuning drives, side by side: a row per drive and a last one
// for all of them, each with per set the cost, whether the platform fitted, and per channel
// (surge, sway, heave, roll, pitch, yaw) the perceived-error ratio (undefined where the vehicle
// gave no cue above threshold).
QVariantList comparisonRows(const tune::Evaluation& first, const tune::Evaluation& second);
