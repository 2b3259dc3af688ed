#pragma once

// Registers the graph toolkit's item under the name the views use, as Create does.
void registerGraphItemType();
