// Maps centred on a view point far from the voyage, as the map window's zoom
// and pan make them: centred where asked, with the land of every region in
// view, and the voyage's own reference meridian left to the navigation.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "FixedClock.h"
#include "RecordingSurface.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "app/AppContexts.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "map/DrawLineFiles.h"
#include "map/MapColours.h"
#include "map/PaintMap.h"
#include "world/LineFileWriter.h"

namespace z5 {
namespace {

using test::RecordingSurface;
using test::SurfaceCall;

constexpr int kWidth = 1024;  // the picture of `z5 --map`
constexpr int kHeight = 768;
constexpr const char* kAtlantic = Z5_DATA_DIR "/README.TXT";
constexpr const char* kPacific = Z5_FIXTURES_DIR "/maps/pacific.txt";
constexpr const char* kNoVoyage = nullptr;

struct CentredRow {
  const char* legend;  // the fault the row catches
  const char* route;
  double latitude, longitude, span;
  // The region files (the last two letters of their base names) with land
  // in the west and in the east half of the map.
  const char* west;
  const char* east;
};

constexpr CentredRow kRows[] = {
    {"Atlantic at 0: the whole world short of its back meridian (154E), as before", kAtlantic, 0, 0, 150, "na sa ea",
     "ea as oc"},
    {"Atlantic at 135E (as reported): cut at its back meridian (154E), centred at 124E", kAtlantic, -25, 135, 40, "oc",
     "oc"},
    {"Atlantic at 179E: cut at its back meridian (154E), centred 23 degrees east", kAtlantic, -17, 179, 80, "as oc",
     "na sa oc"},
    {"Atlantic at 179W: cut at its back meridian (154E), centred 21 degrees east", kAtlantic, -17, -179, 80, "sa as oc",
     "na sa"},
    {"Atlantic at 90W: cut at its back meridian (154E), centred 30 degrees east", kAtlantic, 20, -90, 150,
     "na sa as oc", "na sa ea as oc"},
    {"Pacific at 0: its back meridian (1E) in the middle, centred near 45W", kPacific, 0, 0, 150, "na sa ea",
     "ea as oc"},
    {"Pacific at 135E: cut at its back meridian (1E), centred 26 degrees east", kPacific, -25, 135, 150, "ea as oc",
     "na sa as oc"},
    {"Pacific at 179E: the 180th meridian between the centre and the voyage's", kPacific, -17, 179, 10, "oc", "sa oc"},
    {"Pacific at 179W: centred on the voyage's meridian", kPacific, 50, -179, 30, "na as", "na"},
    {"Pacific at 90W: Asia and Oceania past its back meridian (1E) lost", kPacific, 20, -90, 150, "na sa as oc",
     "na sa ea as oc"},
    {"no voyage at 0: the view point's own meridian", kNoVoyage, 0, 0, 150, "na sa ea", "ea as oc"},
    {"no voyage at 135E: the view point's meridian, as before", kNoVoyage, -25, 135, 40, "oc", "oc"},
    {"no voyage at 179E: the 180th meridian beside the centre", kNoVoyage, -17, 179, 10, "oc", "sa oc"},
    {"no voyage at 179W: the 180th meridian beside the centre", kNoVoyage, -17, -179, 10, "sa oc", "sa"},
    {"no voyage at 90W: the view point's meridian, as before", kNoVoyage, 20, -90, 40, "na sa", "na sa"},
};

// A grid longitude label ("135-00E") in degrees east of `centre`, within
// -180..180.
double labelEastOf(const std::string& label, double centre) {
  double degrees = std::atoi(label.substr(0, 3).c_str()) + std::atoi(label.substr(4, 2).c_str()) / 60.0;
  if (label.back() == 'W') degrees = -degrees;
  return std::fmod(degrees - centre + 540, 360) - 180;
}

// The longitude (east of `centre`) that the grid puts at pixel column x,
// read off the nearest grid meridians on each side (the meridian's line is
// drawn just before its label). Also gives the degrees of one pixel.
std::optional<double> gridLongitudeAt(const RecordingSurface& surface, int x, double centre, double& pixel) {
  std::optional<std::pair<int, double>> west, east;
  bool grid = false;
  const auto& calls = surface.calls;
  for (std::size_t i = 0; i + 2 < calls.size(); ++i) {
    if (calls[i].kind == SurfaceCall::Pen) grid = calls[i].value == kGridColour;
    const SurfaceCall &move = calls[i], &line = calls[i + 1], &label = calls[i + 2];
    if (!grid || move.kind != SurfaceCall::Move || line.kind != SurfaceCall::Line || label.kind != SurfaceCall::Text ||
        move.x != line.x || move.y == line.y)
      continue;
    const std::pair meridian{move.x, labelEastOf(label.text, centre)};
    if (move.x <= x && (!west || move.x > west->first)) west = meridian;
    if (move.x > x && (!east || move.x < east->first)) east = meridian;
  }
  if (!west || !east) return std::nullopt;
  pixel = (east->second - west->second) / (east->first - west->first);
  return west->second + (x - west->first) * pixel;
}

// Pixels and line ends drawn inside the picture, west and east of column
// `centreX`.
struct Halves {
  int west = 0, east = 0;
};
Halves drawnInside(const RecordingSurface& surface, int centreX) {
  Halves h;
  for (const SurfaceCall& c : surface.calls) {
    if (c.kind != SurfaceCall::Pixel && c.kind != SurfaceCall::Line) continue;
    if (c.x < 0 || c.x >= kWidth || c.y < 0 || c.y >= kHeight) continue;
    (c.x < centreX ? h.west : h.east) += 1;
  }
  return h;
}

class CentredMap : public ::testing::Test {
 protected:
  CentredMap() {
    EXPECT_TRUE(app.startUp(Z5_DATA_DIR));
    // A home for each region file: its own land, the other regions' empty.
    const StringTable& names = app.strings();
    const std::string land = names.text(StringFile::Prompt, kLandSuffixString);
    for (int region = 0; region < kLineFileRegions; ++region) {
      const std::string base = names.text(StringFile::Prompt, kLineFileBaseNames + region);
      const test::TempDir& home = regionHomes.try_emplace(base.substr(base.size() - 2)).first->second;
      for (int other = 0; other < kLineFileRegions; ++other) {
        const std::string file = names.text(StringFile::Prompt, kLineFileBaseNames + other) + land;
        if (other == region) {
          std::filesystem::create_symlink(std::string(Z5_DATA_DIR "/") + file, home.file(file));
        } else {
          EXPECT_TRUE(writeLineFile(home.file(file), {}));
        }
      }
    }
  }

  void load(const char* route) {
    app.voyage() = Voyage{};
    if (route != nullptr) {
      ASSERT_EQ(VoyageEngine(app).extractRouteFile(route), kVoyageBuilt) << route;
    }
  }
  int paintCentred(RecordingSurface& surface, double latitude, double longitude, double span) {
    MapViewState& view = app.mapView();
    view.viewPointMode = true;
    view.viewLatitude = latitude;
    view.viewLongitude = longitude;
    view.degreeSpan = span;
    MapPaintContext context = mapPaintContext(app);
    return PaintMap(surface, context);
  }
  // The land of one region's home over the extent last painted.
  Halves regionLand(const test::TempDir& home) {
    RecordingSurface surface(kWidth, kHeight);
    EXPECT_EQ(DrawLineFiles(surface, app.messages(), home.home(), app.mapExtent(), {}), kLineFilesDrawn);
    return drawnInside(surface, app.mapExtent().width / 2);
  }

  test::ScriptedHost host;
  MemorySettingsStore store;
  test::FixedClock clock;
  Z5App app{host, store, clock};
  std::map<std::string, test::TempDir> regionHomes;  // by the last two letters of the base name
};

TEST_F(CentredMap, IsCentredWhereAskedWithTheLandOfEveryRegionInViewAcrossItsWidth) {
  for (const CentredRow& row : kRows) {
    SCOPED_TRACE(row.legend);
    load(row.route);
    RecordingSurface surface(kWidth, kHeight);
    ASSERT_EQ(paintCentred(surface, row.latitude, row.longitude, row.span), kMapPainted);

    // The grid meridian under the centre of the width drawn (less than the
    // picture's when the map would be wider than 320 degrees), or the two
    // either side of it, put the asked longitude there to the pixel.
    double pixel = 0;
    const auto atCentre = gridLongitudeAt(surface, app.mapExtent().width / 2, row.longitude, pixel);
    ASSERT_TRUE(atCentre.has_value()) << "no grid meridian on one side of the centre";
    EXPECT_LE(std::fabs(*atCentre), pixel) << "the centre lies " << *atCentre << " degrees east of the asked one";

    for (const auto& [region, home] : regionHomes) {
      const Halves drawn = regionLand(home);
      EXPECT_EQ(drawn.west > 0, std::string_view(row.west).find(region) != std::string_view::npos) << region;
      EXPECT_EQ(drawn.east > 0, std::string_view(row.east).find(region) != std::string_view::npos) << region;
    }
  }
}

TEST_F(CentredMap, LeavesTheVoyagesReferenceMeridianToTheNavigation) {
  load(kPacific);
  EXPECT_EQ(app.voyageExtent().referenceMeridian, -179);  // the middle waypoint's
  RecordingSurface surface(kWidth, kHeight);
  ASSERT_EQ(paintCentred(surface, 0, 0, 150), kMapPainted);
  EXPECT_EQ(app.mapExtent().referenceMeridian, 0);
  // With the map's meridian the dead reckoning and the to-waypoint legs
  // would take the legs across the 180th meridian the long way round.
  EXPECT_EQ(app.voyageExtent().referenceMeridian, -179);
}

}  // namespace
}  // namespace z5
