#pragma once

// Registers the editor's QML types the first time it is called in a process; later calls do
// nothing. Returns whether this call registered them.
bool registerQmlTypesOnce();
