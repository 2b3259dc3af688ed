#pragma once

// Everything a host application needs to use the editor library.
#include "DestructionNotifier.h"
#include "EditorSession.h"
#include "Exports.h"
#include "GraphWidgetRepainter.h"
#include "HostActions.h"
#include "HostOutputSource.h"
#include "IAboutToBeDestroyedNotificationReceiver.h"
#include "IKEOConfigurationListener.h"
#include "IKEOOutputDataRetriever.h"
#include "IRepaintable.h"
#include "OutputRecord.h"
#include "WorkEnvelopeLimits.h"
