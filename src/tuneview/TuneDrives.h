#pragma once

#include "tune/Problem.h"

#include <QStringList>
#include <vector>

class RecentDrive;

// Where the drives to tune on come from.
struct TuneSources {
    bool recent = false;    // what the host's records say was just driven
    QStringList manoeuvres; // built-in manoeuvres by name
    QStringList files;      // recorded telemetry (.csv in the project's columns, .ibt)
};

// The drives of `sources`, in that order. `inputsCarryGravity` is the edited configuration's
// option "G1", which tells how to read the records' vertical acceleration. Throws
// engine::drive::DriveError for a manoeuvre or file that cannot be opened, and for a recent drive
// asked for when the host has delivered fewer than two records.
std::vector<tune::NamedDrive> tuneDrives(const TuneSources& sources, const RecentDrive& recent,
                                         bool inputsCarryGravity);
