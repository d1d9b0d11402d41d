#include "app/PositionDialog.h"

#include <mutex>

#include "app/MapWindow.h"
#include "app/RouteEditor.h"
#include "app/Z5App.h"
#include "base/NumberReading.h"
#include "base/TextUtil.h"
#include "map/MapViewControl.h"

namespace z5 {
namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

constexpr int kCaption = 263;  // prompt string: the route file name

}  // namespace

std::optional<PositionDialog> PositionDialog::open(Z5App& app, int x, int y) {
  chooseReferenceWaypoint(app.messages(), app.voyage(), app.settings().firstRowNumber, app.positionReference());
  PositionDialog dialog(app, x, y);
  if (!dialog.compose()) return std::nullopt;
  return dialog;
}

bool PositionDialog::compose() {
  Z5App& app = *app_;
  MapViewState view;
  {
    Lock hold(app.mapLock());
    view = app.mapView();
  }
  const PositionLineContext context{app.mapExtent(), view.drawingHeight, app.voyage(), app.settings()};
  const PositionReference& reference = app.positionReference();
  const std::optional<PositionLine> line = ComposePositionLine(context, x_, y_, reference);
  if (!line) return false;
  clicked_ = line->clicked;
  fields_.caption = app.strings().prompt(kCaption, app.voyage().routeFileName);
  fields_.block = line->block;
  fields_.span = spanFieldText(view.degreeSpan).substr(0, kSpanFieldLength);
  fields_.referenceLatitude = line->referenceLatitudeText;
  fields_.referenceLongitude = line->referenceLongitudeText;
  fields_.bearingTo = line->bearing.course;
  fields_.bearingFrom = line->bearing.reciprocal;
  fields_.range = line->bearing.distance;
  fields_.waypointNumber = line->waypointNumber != 0 ? std::to_string(line->waypointNumber) : std::string();
  fields_.mode = reference.mode;
  return true;
}

bool PositionDialog::applySpan() {
  Z5App& app = *app_;
  SpanEntry entry = SpanEntry::Unchanged;
  double current = 0;
  {
    Lock hold(app.mapLock());
    entry = applySpanText(app.mapView(), app.mapExtent(), fields_.span);
    current = app.mapView().degreeSpan;
  }
  if (entry == SpanEntry::Refused) {
    fields_.span = spanFieldText(current).substr(0, kSpanFieldLength);
    return false;
  }
  if (entry == SpanEntry::Changed) MapWindow(app).keepViewInRoute();
  return true;
}

PositionDialog::Outcome PositionDialog::finish() {
  app_->positionReference().lastClicked = clicked_;
  MapWindow(*app_).keepViewInRoute();
  return Outcome::Close;
}

PositionDialog::Outcome PositionDialog::copy() {
  if (!applySpan()) return Outcome::StayOpen;
  app_->clipboard().setText(fields_.block);
  return finish();
}

PositionDialog::Outcome PositionDialog::append() {
  if (!applySpan()) return Outcome::StayOpen;
  Z5App& app = *app_;
  app.clipboard().setText(fields_.block);
  if (RouteDocument* route = MapWindow(app).route()) {
    route->append(fields_.block);
    app.documents().windows().textChanged(*route);
    RouteEditor(app).extractRoute(*route);
    Lock hold(app.mapLock());
    app.mapView().redrawPending = true;
  }
  return finish();
}

PositionDialog::Outcome PositionDialog::view() {
  if (!applySpan()) return Outcome::StayOpen;
  {
    Lock hold(app_->mapLock());
    centreOn(app_->mapView(), clicked_);
  }
  MapWindow(*app_).redraw();
  return finish();
}

PositionDialog::Outcome PositionDialog::refresh() {
  if (!applySpan()) return Outcome::StayOpen;
  MapWindow(*app_).redraw();
  return Outcome::StayOpen;
}

PositionDialog::Outcome PositionDialog::chooseMode(ReferenceMode mode) {
  PositionReference& reference = app_->positionReference();
  reference.mode = mode;
  chooseReferenceWaypoint(app_->messages(), app_->voyage(), app_->settings().firstRowNumber, reference);
  compose();
  return Outcome::ShowAgain;
}

PositionDialog::Outcome PositionDialog::chooseWaypoint(std::string_view numberText) {
  const int first = app_->settings().firstRowNumber;
  const std::optional<int> number = integerOnly<int>(trim(numberText));
  PositionReference& reference = app_->positionReference();
  reference.waypointIndex = number ? *number - first : kNoIndex;
  return chooseMode(ReferenceMode::WaypointNumber);
}

PositionDialog::Outcome PositionDialog::close() { return finish(); }

}  // namespace z5
