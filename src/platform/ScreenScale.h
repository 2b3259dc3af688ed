#pragma once

// The display scale factor of the primary screen, which the graphs multiply their pen widths and
// fonts by. The scale percentage comes from a replaceable provider:
//
//   - By default it is the system's own setting (systemScalePercentage): on Windows the shell's
//     scale factor of the monitor of the desktop window; elsewhere, where this layer cannot ask the
//     windowing system, the environment variable KEO_SCALE_PERCENT (a whole number such as 150),
//     100 when it is unset or not a number.
//   - The plug-in layer, which has a GUI application, may install its own provider once at
//     start-up, e.g. a free function that derives the percentage from the primary screen:
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

// The default provider: the system's scale setting in percent, 100 when it cannot be read.
int systemScalePercentage();

// KEO_SCALE_PERCENT if it holds a whole number, else 100.
int environmentScalePercentage();

// The factor of one of the system's scale settings: 120 -> 1.2, 125 -> 1.25, ... 500 -> 5.0. A
// percentage that is not one of those settings, 100 included, gives 1.0.
float scaleFactorForPercentage(int percent);

// scaleFactorForPercentage() of the installed provider's percentage.
float screenScaleFactor();
