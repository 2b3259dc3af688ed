#pragma once

// The display scale factor of the primary screen, which the graphs multiply their pen widths and
// fonts by. This layer cannot ask the windowing system itself, so the scale percentage comes from
// a replaceable provider:
//
//   - By default the percentage is read from the environment variable KEO_SCALE_PERCENT (a whole
//     number such as 150) on every call, and is 100 when the variable is unset or not a number.
//   - The plug-in layer, which has a GUI application, installs its own provider once at start-up,
//     e.g. a free function that derives the percentage from the primary screen:
//
//         setScalePercentageProvider(&primaryScreenScalePercentage);
//
// The provider is called on every screenScaleFactor() call, on the caller's thread; nothing is
// cached, so a change of the setting shows at the next call.

// Returns the primary screen's scale setting in percent (100 for unscaled).
using ScalePercentageProvider = int (*)();

// Installs `provider`, or the default one for null; returns the provider it replaces. Safe to call
// from any thread.
ScalePercentageProvider setScalePercentageProvider(ScalePercentageProvider provider);

// The default provider: KEO_SCALE_PERCENT if it holds a whole number, else 100.
int environmentScalePercentage();

// The factor of one of the system's scale settings: 120 -> 1.2, 125 -> 1.25, ... 500 -> 5.0. A
// percentage that is not one of those settings, 100 included, gives 1.0.
float scaleFactorForPercentage(int percent);

// scaleFactorForPercentage() of the installed provider's percentage.
float screenScaleFactor();
