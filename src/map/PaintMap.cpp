#include "map/PaintMap.h"

#include <vector>

#include "base/Settings.h"
#include "map/ChartOutlines.h"
#include "map/DrawLineFiles.h"
#include "map/DrawPlaceNames.h"
#include "map/DrawPointFile.h"
#include "map/LabelSpace.h"
#include "map/LandFindingsLayer.h"
#include "map/MapColours.h"
#include "map/MapGrid.h"
#include "map/RouteDrawing.h"
#include "nav/ComputeMapExtent.h"

namespace z5 {
namespace {

// Keeps the pop-ups of the layers quiet while the map is built.
class QuietWhileBuilding {
 public:
  explicit QuietWhileBuilding(Messages& messages) : messages_(messages), was_(messages.quiet()) {
    messages_.setQuiet(true);
  }
  ~QuietWhileBuilding() { messages_.setQuiet(was_); }
  QuietWhileBuilding(const QuietWhileBuilding&) = delete;
  QuietWhileBuilding& operator=(const QuietWhileBuilding&) = delete;

 private:
  Messages& messages_;
  bool was_;
};

// The view as it stands, copied under the map lock when there is one.
MapViewState copyView(const MapPaintContext& context) {
  if (context.viewLock == nullptr) return context.view;
  std::lock_guard<std::recursive_mutex> hold(*context.viewLock);
  return context.view;
}

void storeDrawingSize(MapPaintContext& context, int width, int height) {
  std::unique_lock<std::recursive_mutex> hold;
  if (context.viewLock != nullptr) hold = std::unique_lock<std::recursive_mutex>(*context.viewLock);
  context.view.drawingWidth = width;
  context.view.drawingHeight = height;
}

class Painter {
 public:
  Painter(Surface& surface, MapPaintContext& context, const MapViewState& view)
      : surface_(surface, labelSpace_), c_(context), s_(context.settings), view_(view), inColour_(s_.IN_COLOR == 1) {}

  // The layers in their order. The route's labels are placed before the
  // names so that the names give way to them; a name that would cover
  // text already on the map is left out.
  void paint() {
    prepareSurface();
    computeExtent();
    if (s_.LAND == 1) DrawLineLayer(surface_, c_.messages, s_, c_.extent);
    if (s_.GRID == 1) drawGrid();
    if (s_.CHARTS == 1) drawCharts();
    const std::vector<RouteLabel> routeLabels = placeRouteLabels(
        surface_, c_.extent, c_.voyage, RouteStyle{s_.NAMES == 1, s_.firstRowNumber, textHeight_}, labelSpace_);
    surface_.setOptionalText(true);
    if (s_.SEA == 1) drawPlaceNames(PlaceNameKind::SeaNames);
    if (s_.PORTS == 1) drawPlaceNames(PlaceNameKind::Ports);
    if (s_.FILE_PT == 1 && !s_.USER_POINT_FILE.empty()) drawUserPoints();
    if (s_.GPS_DISPLAY_TRACK == 1) drawTrack();
    surface_.setOptionalText(false);
    drawRoute(routeLabels);
    if (c_.landCheck != nullptr && !c_.landCheck->findings.empty())
      DrawLandFindings(surface_.inner(), c_.extent, c_.voyage, *c_.landCheck, inColour_);
  }

 private:
  void useColour(int index) {
    if (!inColour_) return;
    surface_.selectPen(index);
    surface_.setTextColour(index);
  }

  void prepareSurface() {
    const MapColours colours = chooseMapColours(s_, surface_.printing());
    surface_.setColourTable(colours.table->data(), kPaletteSize);
    const bool printing = surface_.printing();
    if (printing && c_.fonts.printerFollowsDisplay()) {
      surface_.selectFont(c_.fonts.display, true);
    } else {
      surface_.selectFont(printing ? c_.fonts.printer : c_.fonts.display, false);
    }
    surface_.fillBackground(colours.background);
    textHeight_ = surface_.textHeight(kTextHeightSample);
    surface_.selectPenColour(colours.defaultPen);
    surface_.setTextColourRgb(colours.defaultPen);
  }

  void computeExtent() {
    storeDrawingSize(c_, surface_.width(), surface_.height());
    c_.extent = ComputeMapExtent(c_.voyage, mapExtentRequest(view_, surface_.width(), surface_.height()));
  }

  void drawGrid() {
    useColour(kGridColour);
    DrawGrid(surface_, c_.extent, textHeight_);
  }

  void drawCharts() {
    useColour(kChartOutlineColour);
    DrawChartOutlines(surface_, c_.extent, c_.charts, textHeight_);
  }

  void drawPlaceNames(PlaceNameKind kind) {
    const PlaceNameStyle style{c_.extent.width, c_.extent.height, inColour_, textHeight_, kPlaceNameMarkRadius};
    DrawPlaceNames(surface_, c_.messages, kind, s_.HOME_PATH, c_.extent, style);
  }

  void drawPointFile(const std::string& path, bool labels, int colourIndex) {
    const PointFileStyle style{labels, c_.extent.width, c_.extent.height, colourIndex, inColour_, textHeight_,
                               kPointFileMarkRadius};
    DrawPointFile(surface_, c_.messages, c_.voyage.errors, path, c_.extent, style);
  }

  void drawUserPoints() { drawPointFile(s_.USER_POINT_FILE, true, kUserPointColour); }

  void drawTrack() {
    const bool labels = s_.GPS_LABEL_TRACK == 1;
    auto draw = [&](const std::string& path) { drawPointFile(path, labels, kTrackColour); };
    if (c_.trackLog) {
      c_.trackLog(draw);
    } else {
      draw(homeFile(s_.HOME_PATH, kTrackLogFileName));
    }
  }

  void drawRoute(const std::vector<RouteLabel>& labels) {
    useColour(kRouteColour);
    DrawRoute(surface_.inner(), c_.extent, c_.voyage, labels);
  }

  LabelSpace labelSpace_;
  UnclutteredSurface surface_;
  MapPaintContext& c_;
  const SettingsRecord& s_;
  const MapViewState& view_;
  bool inColour_;
  int textHeight_ = 0;
};

}  // namespace

MapExtentRequest mapExtentRequest(const MapViewState& view, int width, int height) {
  MapExtentRequest request;
  request.viewPoint = view.viewPointMode;
  request.viewLatitude = view.viewLatitude;
  request.viewLongitude = view.viewLongitude;
  request.centreIndex = view.centreIndex;
  request.degreeSpan = view.degreeSpan;
  request.width = width;
  request.height = height;
  return request;
}

int PaintMap(Surface& surface, MapPaintContext& context) {
  if (surface.width() <= 0 || surface.height() <= 0) return kMapNotPainted;
  const MapViewState view = copyView(context);
  if (context.voyage.empty() && !view.viewPointMode) {
    const std::string& route =
        context.voyage.routeFileName.empty() ? context.settings.DATA_FILE : context.voyage.routeFileName;
    context.messages.showError(kErrorNoVoyage, kNoVoyageMessageMs, route);
    return kMapNotPainted;
  }
  QuietWhileBuilding quiet(context.messages);
  Painter(surface, context, view).paint();
  return kMapPainted;
}

}  // namespace z5
