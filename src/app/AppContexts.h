#pragma once
// The contexts of the lower floors over the application's own state: what
// the navigation, the reports, the leg pass and the map painter read and
// change, handed to them by reference.

#include "app/Z5App.h"
#include "map/PaintMap.h"
#include "nav/LegPass.h"
#include "nav/NavContext.h"
#include "report/ReportContext.h"

namespace z5 {

NavContext navContext(Z5App& app);
ReportContext reportContext(Z5App& app);

// The to-waypoint refresh is left for the caller to set.
LegPassContext legPassContext(Z5App& app);

// The track is read through the GPS monitor's track log and the view copied
// under the map lock; the findings of the last route check are marked.
MapPaintContext mapPaintContext(Z5App& app);

}  // namespace z5
