#pragma once
// The line the map gives for a point of its picture: the point's position,
// and the course and distance from it to a reference (a waypoint, the last
// waypoint, or the point clicked before), ending with the position block
// that, pasted into a route, is a waypoint entry.

#include <optional>
#include <string>

#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "geo/MapExtent.h"
#include "geo/Position.h"
#include "nav/BearingTexts.h"
#include "route/Voyage.h"

namespace z5 {

// What the bearings are taken to: the radios of the position dialog.
enum class ReferenceMode { LastCursor, Terminal, WaypointNumber };

// The reference of the bearings, kept from one click to the next.
struct PositionReference {
  ReferenceMode mode = ReferenceMode::LastCursor;
  int waypointIndex = kNoIndex;  // table index, in WaypointNumber mode
  std::optional<Position> lastClicked;
};

struct PositionLine {
  Position clicked;
  std::string latitudeText, longitudeText;  // of the clicked point
  // "\nZ5 (pixel=%6.4fNM)\n%s\n%s\n": the map scale and the two texts.
  std::string block;
  Position reference;
  std::string referenceLatitudeText, referenceLongitudeText;
  int waypointNumber = 0;  // as displayed, in the waypoint forms; else 0
  BearingTexts bearing;    // from the clicked point to the reference
  // "// Wp #%d %s %s BRG TO %s FR %s AT %s%s" (a waypoint reference) or
  // "// POS %s %s BRG TO %s FR %s AT %s%s", ending with the block.
  std::string line;
};

struct PositionLineContext {
  const MapExtent& extent;      // the extent the map was painted with
  int drawingHeight = 0;        // pixels, for the scale
  const Voyage& voyage;
  const SettingsRecord& settings;  // LEN_LAT_LON, EXTRA_PRECISION, the number label start
};

// The line for pixel (x, y) of the drawing (the scroll offset added);
// nullopt outside the drawing. The reference: in waypoint mode the chosen
// waypoint (the last one when the index names none), in terminal mode the
// last waypoint, otherwise the point clicked before (the clicked point
// itself before the first click); with no waypoint the point clicked before.
std::optional<PositionLine> ComposePositionLine(const PositionLineContext& context, int x, int y,
                                                const PositionReference& reference);

// Waypoint mode with an index that names no waypoint: asks for a waypoint
// number between the first and the last displayed number (prompt string
// 18) until one is given; Cancel takes the last waypoint with waypoint mode
// off. Nothing happens in the other modes or with no waypoint.
void chooseReferenceWaypoint(Messages& messages, const Voyage& voyage, int firstNumber, PositionReference& reference);

}  // namespace z5
