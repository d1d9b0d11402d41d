#pragma once
// The user's changes to what the map shows: zoom, the degree span,
// recentring on a point. Each works on the map view state, which the caller
// holds under the map lock, and marks the map for redraw.

#include <optional>
#include <string>
#include <string_view>

#include "geo/MapExtent.h"
#include "geo/Position.h"
#include "map/MapViewState.h"
#include "route/Voyage.h"

namespace z5 {

// Zoom in halves a span above this, else sets the smallest span.
inline constexpr double kZoomInHalvesAbove = 0.1;
// Zoom out doubles a span below this, else sets the largest span.
inline constexpr double kZoomOutDoublesBelow = 75;
// A new span counts when it differs from the current one by more than this.
inline constexpr double kSpanChangeTolerance = 0.001;

// The spans of the five span buttons of the tool bar, degrees: the radius
// 1/100, 1/10, 1, 10 and 100 maps (the first is clamped to the smallest span).
inline constexpr double kSpanButtonSpans[] = {0.01, 0.1, 1, 10, 100};

// The map shows the whole voyage: no view point, no centre waypoint.
bool showsWholeVoyage(const MapViewState& view);

// A whole-voyage map becomes a view-point map centred where its picture
// was (the middle of `extent`, which it was painted with) with the span of
// its height; other maps are left alone.
void centreOnPicture(MapViewState& view, const MapExtent& extent);

enum class Zoom { In, Out };
// Page Down / keypad "+" (In) and Page Up / keypad "-" (Out).
void zoom(MapViewState& view, const MapExtent& extent, Zoom direction);
// Whether the zoom buttons apply: zoom in while the span is above the
// smallest, zoom out while it is below the largest.
bool canZoom(const MapViewState& view, Zoom direction);

// The span operation of the span buttons: the picture centred first,
// `span` clamped to 0.05 .. 150.
void setSpan(MapViewState& view, const MapExtent& extent, double span);

// The span field of the position dialog applied: a number from 0.05 to 150
// that differs from the current span by more than 0.001 becomes the span
// (as setSpan does). Refused, changing nothing: an empty text, one that is
// not a number, or one out of range; the field then shows the current span.
enum class SpanEntry { Changed, Unchanged, Refused };
SpanEntry applySpanText(MapViewState& view, const MapExtent& extent, std::string_view text);

// The span as the dialog's field shows it: "%6.2f".
std::string spanFieldText(double span);

// Right click, and " &View" of the position dialog: the point becomes the
// view point, the map centred on it with its span unchanged.
void centreOn(MapViewState& view, Position point);

// The mouse wheel: zoom as the keys do, keeping the point under pixel
// (x, y) of the picture (painted with `extent`) under the pointer. A pixel
// outside the picture zooms about the middle.
void zoomAbout(MapViewState& view, const MapExtent& extent, const Voyage& voyage, Zoom direction, int x, int y);

// A drag of the picture from pixel (fromX, fromY) to (toX, toY): the point
// that was under the first pixel comes to lie under the second, the span
// unchanged. A whole-voyage map becomes a view-point map first. False,
// moving nothing, when either pixel lies outside the picture.
bool pan(MapViewState& view, const MapExtent& extent, const Voyage& voyage, int fromX, int fromY, int toX, int toY);

}  // namespace z5
