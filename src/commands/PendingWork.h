#pragma once
// Work a command leaves for the next idle pass: the map document reopened
// with the new settings, the active route's output written again, and the
// map redrawn. The redraw flag is the map view's own (the GPS reader sets it
// too), so it is kept there, under the map lock.

namespace z5 {

struct PendingWork {
  bool mapReload = false;
  bool routeReload = false;
};

// The flags a command sets, combined with |.
enum PendingFlag : unsigned {
  kMapReload = 1u,
  kRouteReload = 2u,
  kMapRedraw = 4u,
  kMapReloadAndRedraw = kMapReload | kMapRedraw,
  kAllPending = kMapReload | kRouteReload | kMapRedraw,
};

}  // namespace z5
