#pragma once
// The "Z5 Bitmap Position" dialog without its widget: what its controls
// show for a clicked point, and what its buttons do. The window shows the
// fields, lets the user edit the block and the span, and after each button
// closes, stays open, or shows the fields again as the outcome says.

#include <optional>
#include <string>
#include <string_view>

#include "map/PositionLine.h"

namespace z5 {

class Z5App;

class PositionDialog {
 public:
  struct Fields {
    std::string caption;  // prompt string 263 with the route file name
    std::string block;    // the position block, editable
    std::string span;     // "%6.2f", editable (at most 8 characters)
    std::string referenceLatitude, referenceLongitude;
    std::string bearingTo, bearingFrom, range;
    std::string waypointNumber;  // the reference waypoint's number, or empty
    ReferenceMode mode = ReferenceMode::LastCursor;
  };
  static constexpr std::size_t kSpanFieldLength = 8;

  enum class Outcome { Close, StayOpen, ShowAgain };

  // A left click on pixel (x, y) of the picture (scroll offset added):
  // the dialog's fields, or nullopt outside the picture.
  static std::optional<PositionDialog> open(Z5App& app, int x, int y);

  Fields& fields() { return fields_; }
  const Fields& fields() const { return fields_; }

  // "&Copy": the span applied, the block placed on the clipboard; closes.
  Outcome copy();
  // " &Append": the span applied, the block placed on the clipboard and
  // appended to the route's text, the route extracted again and the map
  // marked for redraw; closes.
  Outcome append();
  // " &View (= left mouse button)": the clicked point becomes the view
  // point, the span applied, the map redrawn; closes.
  Outcome view();
  // "&Refresh": the span applied and the map redrawn.
  Outcome refresh();
  // A radio button: the reference switched and the fields made again.
  Outcome chooseMode(ReferenceMode mode);
  // The "&Waypoint" button: the waypoint whose displayed number the field
  // holds becomes the reference (waypoint number mode); a field that names
  // none asks for a number as the radio button does.
  Outcome chooseWaypoint(std::string_view numberText);
  // "OK" and "Cancel".
  Outcome close();

 private:
  PositionDialog(Z5App& app, int x, int y) : app_(&app), x_(x), y_(y) {}
  bool compose();
  // The span field applied; false (the field reset) when it was refused.
  bool applySpan();
  Outcome finish();

  Z5App* app_;
  int x_, y_;
  Position clicked_;
  Fields fields_;
};

}  // namespace z5
