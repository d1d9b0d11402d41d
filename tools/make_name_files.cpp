// Builds port.dat and ocean.dat from Natural Earth (public domain):
//
//   make_name_files NATURAL_EARTH_DIR OUTDIR
//
// Ports come from ne_10m_ports.json (point features, level from
// `scalerank`). Sea and ocean names come from
// ne_10m_geography_marine_polys.json: one label point per name, the centre
// of the largest circle inside the named area (its pole of inaccessibility,
// found with GEOS) within 84 degrees of the equator, where the map can show
// it; the level from `min_label`, oceans always shown. A name found on
// several areas is written once, at the largest. Names are cleaned to plain
// ASCII of at most 22 characters; features without a name are skipped.

#include <geos_c.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "world/GmtCoastDump.h"
#include "world/PlaceNameCleaning.h"
#include "world/PlaceNameFile.h"

namespace {

using json = nlohmann::json;
using z5::PlaceName;

constexpr double kLabelLatitudeLimit = 84.0;  // the map shows at most 85 degrees
constexpr double kCircleTolerance = 0.01;     // degrees
constexpr double kNearMeridian180 = 179.0;
// Two ports of one name closer than this (degrees) are one port.
constexpr double kSamePortDistance = 0.1;

void geosMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stderr, format, args);
  va_end(args);
  std::fputc('\n', stderr);
}

struct GeosContext {
  GEOSContextHandle_t handle = GEOS_init_r();
  GeosContext() {
    GEOSContext_setNoticeHandler_r(handle, nullptr);
    GEOSContext_setErrorHandler_r(handle, geosMessage);
  }
  ~GeosContext() { GEOS_finish_r(handle); }
};

struct GeomDeleter {
  GEOSContextHandle_t handle;
  void operator()(GEOSGeometry* g) const {
    if (g) GEOSGeom_destroy_r(handle, g);
  }
};
using Geom = std::unique_ptr<GEOSGeometry, GeomDeleter>;

bool readJson(const std::string& path, json& doc) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "make_name_files: cannot read %s\n", path.c_str());
    return false;
  }
  try {
    doc = json::parse(in);
    return doc.contains("features") && doc["features"].is_array();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_name_files: %s: %s\n", path.c_str(), e.what());
    return false;
  }
}

const json& propertiesOf(const json& feature) {
  static const json kNone = json::object();
  return feature.contains("properties") && feature["properties"].is_object() ? feature["properties"] : kNone;
}

std::string nameOf(const json& feature) {
  const json& p = propertiesOf(feature);
  return p.contains("name") && p["name"].is_string() ? z5::cleanPlaceName(p["name"].get<std::string>()) : std::string();
}

double numberOf(const json& properties, const char* key, double fallback) {
  return properties.contains(key) && properties[key].is_number() ? properties[key].get<double>() : fallback;
}

PlaceName placeAt(const std::string& name, int level, double lon, double lat) {
  return {name, static_cast<std::uint8_t>(level), z5::roundToArcSeconds(lat), z5::roundToArcSeconds(lon)};
}

bool buildPorts(const std::string& source, std::vector<PlaceName>& ports) {
  json doc;
  if (!readJson(source, doc)) return false;
  for (const json& f : doc["features"]) {
    const std::string name = nameOf(f);
    if (name.empty() || !f.contains("geometry") || !f["geometry"].contains("coordinates")) continue;
    const json& c = f["geometry"]["coordinates"];
    if (!c.is_array() || c.size() < 2 || !c[0].is_number() || !c[1].is_number()) continue;
    const double lon = c[0], lat = c[1];
    const bool repeated = std::any_of(ports.begin(), ports.end(), [&](const PlaceName& p) {
      return p.name == name && std::hypot(p.lat / 3600.0 - lat, p.lon / 3600.0 - lon) < kSamePortDistance;
    });
    if (!repeated)
      ports.push_back(placeAt(name, z5::portLevel(static_cast<int>(numberOf(propertiesOf(f), "scalerank", 8))), lon, lat));
  }
  return true;
}

// --- Sea names -----------------------------------------------------------

// Whether a polygon list reaches both sides of the 180th meridian; its west
// side is then moved east by 360 degrees so that the area is one piece.
bool crossesMeridian180(const json& polygons) {
  bool east = false, west = false;
  for (const json& polygon : polygons)
    for (const json& ring : polygon)
      for (const json& c : ring) {
        const double lon = c[0];
        east |= lon > kNearMeridian180;
        west |= lon < -kNearMeridian180;
      }
  return east && west;
}

Geom makeRing(GEOSContextHandle_t h, const json& ring, bool shiftWest) {
  GEOSCoordSequence* seq = GEOSCoordSeq_create_r(h, static_cast<unsigned>(ring.size()), 2);
  for (unsigned i = 0; i < ring.size(); ++i) {
    double lon = ring[i][0];
    if (shiftWest && lon < 0) lon += 360;
    GEOSCoordSeq_setXY_r(h, seq, i, lon, ring[i][1].get<double>());
  }
  return Geom(GEOSGeom_createLinearRing_r(h, seq), GeomDeleter{h});
}

Geom makePolygon(GEOSContextHandle_t h, const json& polygon, bool shiftWest) {
  if (polygon.empty() || polygon[0].size() < 4) return Geom(nullptr, GeomDeleter{h});
  Geom shell = makeRing(h, polygon[0], shiftWest);
  std::vector<GEOSGeometry*> holes;
  for (std::size_t i = 1; i < polygon.size(); ++i)
    if (polygon[i].size() >= 4) holes.push_back(makeRing(h, polygon[i], shiftWest).release());
  return Geom(GEOSGeom_createPolygon_r(h, shell.release(), holes.data(), static_cast<unsigned>(holes.size())),
              GeomDeleter{h});
}

// The area as one valid geometry, limited to the latitudes the map shows.
Geom seaArea(GEOSContextHandle_t h, const json& geometry) {
  json polygons = geometry["type"] == "Polygon" ? json::array({geometry["coordinates"]}) : geometry["coordinates"];
  const bool shift = crossesMeridian180(polygons);
  std::vector<GEOSGeometry*> parts;
  for (const json& polygon : polygons)
    if (Geom p = makePolygon(h, polygon, shift)) parts.push_back(p.release());
  Geom all(GEOSGeom_createCollection_r(h, GEOS_MULTIPOLYGON, parts.data(), static_cast<unsigned>(parts.size())),
           GeomDeleter{h});
  Geom valid(GEOSMakeValid_r(h, all.get()), GeomDeleter{h});
  if (!valid) return valid;
  Geom merged(GEOSUnaryUnion_r(h, valid.get()), GeomDeleter{h});
  if (!merged) return merged;
  Geom band(GEOSGeom_createRectangle_r(h, -180, -kLabelLatitudeLimit, 540, kLabelLatitudeLimit), GeomDeleter{h});
  return Geom(GEOSIntersection_r(h, merged.get(), band.get()), GeomDeleter{h});
}

// The largest polygon of a geometry (not owned), or null.
const GEOSGeometry* largestPolygon(GEOSContextHandle_t h, const GEOSGeometry* g, double& area) {
  const GEOSGeometry* best = nullptr;
  area = 0;
  const int n = GEOSGetNumGeometries_r(h, g);
  for (int i = 0; i < n; ++i) {
    const GEOSGeometry* part = GEOSGetGeometryN_r(h, g, i);
    double a = 0;
    if (GEOSGeomTypeId_r(h, part) == GEOS_POLYGON && GEOSArea_r(h, part, &a) && a > area) {
      area = a;
      best = part;
    }
  }
  return best;
}

struct SeaLabel {
  PlaceName place;
  double area = 0;
};

bool labelPoint(GEOSContextHandle_t h, const GEOSGeometry* polygon, double& lon, double& lat) {
  Geom circle(GEOSMaximumInscribedCircle_r(h, polygon, kCircleTolerance), GeomDeleter{h});
  Geom centre(circle ? GEOSGeomGetStartPoint_r(h, circle.get()) : GEOSPointOnSurface_r(h, polygon), GeomDeleter{h});
  if (!centre || !GEOSGeomGetX_r(h, centre.get(), &lon) || !GEOSGeomGetY_r(h, centre.get(), &lat)) return false;
  if (lon > 180) lon -= 360;
  return true;
}

bool buildSeas(const std::string& source, std::vector<PlaceName>& seas) {
  json doc;
  if (!readJson(source, doc)) return false;
  GeosContext geos;
  std::map<std::string, SeaLabel> byName;
  std::vector<std::string> order;
  for (const json& f : doc["features"]) {
    const std::string name = nameOf(f);
    if (name.empty() || !f.contains("geometry") || !f["geometry"].is_object() ||
        !f["geometry"].contains("coordinates"))
      continue;
    const json& geometry = f["geometry"];
    Geom area = seaArea(geos.handle, geometry);
    double size = 0, lon = 0, lat = 0;
    const GEOSGeometry* polygon = area ? largestPolygon(geos.handle, area.get(), size) : nullptr;
    if (!polygon || !labelPoint(geos.handle, polygon, lon, lat)) {
      std::fprintf(stderr, "make_name_files: no label point for %s\n", name.c_str());
      continue;
    }
    const json& p = propertiesOf(f);
    const bool ocean = p.contains("featurecla") && p["featurecla"] == "ocean";
    const int level = z5::seaLevel(ocean, numberOf(p, "min_label", NAN));
    auto [it, added] = byName.try_emplace(name);
    if (added) order.push_back(name);
    if (added || size > it->second.area) it->second = {placeAt(name, level, lon, lat), size};
  }
  for (const std::string& name : order) seas.push_back(byName[name].place);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_name_files NATURAL_EARTH_DIR OUTDIR\n");
    return 2;
  }
  const std::string source = argv[1], out = argv[2];
  std::vector<PlaceName> ports, seas;
  try {
    if (!buildPorts(source + "/ne_10m_ports.json", ports) ||
        !buildSeas(source + "/ne_10m_geography_marine_polys.json", seas))
      return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_name_files: unexpected data: %s\n", e.what());
    return 1;
  }
  for (const auto& [path, places] : {std::pair{out + "/port.dat", &ports}, std::pair{out + "/ocean.dat", &seas}}) {
    if (const z5::FileWriteResult written = z5::writePlaceNameFile(path, *places); !written) {
      std::fprintf(stderr, "make_name_files: %s\n", written.message(path).c_str());
      return 1;
    }
  }
  std::printf("%s/port.dat: %zu ports\n%s/ocean.dat: %zu sea names\n", out.c_str(), ports.size(), out.c_str(),
              seas.size());
  return 0;
}
