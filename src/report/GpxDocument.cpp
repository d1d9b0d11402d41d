#include "report/GpxDocument.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include <fmt/format.h>
#include <pugixml.hpp>

#include "base/NumberReading.h"
#include "base/TextUtil.h"
#include "base/Utf8Text.h"

namespace z5 {
namespace {

constexpr double kLatitudeLimit = 90;
constexpr double kLongitudeLimit = 180;
constexpr int kCoordinateDecimals = 7;  // 1e-7 degree, about 1 cm
// Characters of a bad value quoted in a message.
constexpr std::size_t kQuotedValueLength = 40;
constexpr const char* kGpxNamespace = "http://www.topografix.com/GPX/1/1";
constexpr const char* kSchemaInstance = "http://www.w3.org/2001/XMLSchema-instance";
constexpr const char* kSchemaLocation =
    "http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd";

// An element's name without its namespace prefix.
std::string_view localName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool named(const pugi::xml_node& node, std::string_view name) {
  return node.type() == pugi::node_element && localName(node) == name;
}

pugi::xml_node firstChild(const pugi::xml_node& parent, std::string_view name) {
  for (const pugi::xml_node& child : parent.children())
    if (named(child, name)) return child;
  return {};
}

// An xsd:decimal: optional blanks, an optional sign, digits with at most one
// decimal point; no exponent, no comma, whatever the locale.
std::optional<double> decimal(std::string_view text) { return decimalOnly(trim(text)); }

std::string quoted(std::string_view value) {
  return "\"" + escapedControls(firstCharacters(value, kQuotedValueLength)) + "\"";
}

// Line numbers of byte offsets into the document.
class LineIndex {
 public:
  explicit LineIndex(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const bool lineEnd = bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
      if (lineEnd) ends_.push_back(i);
    }
  }
  // The line (from 1) of `offset`; 0 when the offset is unknown.
  int lineOf(std::ptrdiff_t offset) const {
    if (offset < 0) return 0;
    const auto before = std::lower_bound(ends_.begin(), ends_.end(), static_cast<std::size_t>(offset));
    return static_cast<int>(before - ends_.begin()) + 1;
  }
  int lineOf(const pugi::xml_node& node) const { return lineOf(node.offset_debug()); }

 private:
  std::vector<std::size_t> ends_;
};

struct PointReading {
  std::optional<GpxPoint> point;
  GpxProblem problem;
};

std::optional<double> plannedSpeed(const pugi::xml_node& node) {
  const pugi::xml_node speed = firstChild(firstChild(node, "extensions"), "planned_speed");
  return speed ? decimal(speed.text().get()) : std::nullopt;
}

// One coordinate attribute of a point: present, a decimal number, in range.
std::optional<double> coordinate(const pugi::xml_node& node, const char* attribute, double limit,
                                 std::string& problem) {
  const std::string element(localName(node));
  const pugi::xml_attribute found = node.attribute(attribute);
  if (!found) {
    problem = fmt::format("the point ({}) has no {} attribute", element, attribute);
    return std::nullopt;
  }
  const auto value = decimal(found.value());
  if (!value) {
    problem = fmt::format("the point's {} {} is not a decimal number", attribute, quoted(found.value()));
  } else if (std::abs(*value) > limit) {
    problem = fmt::format("the point's {} {} is out of range: a {} is from -{} to {} degrees", attribute,
                          quoted(found.value()), attribute == std::string_view("lat") ? "latitude" : "longitude",
                          limit, limit);
  } else {
    return value;
  }
  return std::nullopt;
}

PointReading readPoint(const pugi::xml_node& node, const LineIndex& lines) {
  PointReading reading;
  reading.problem.line = lines.lineOf(node);
  const auto latitude = coordinate(node, "lat", kLatitudeLimit, reading.problem.message);
  if (!latitude) return reading;
  const auto longitude = coordinate(node, "lon", kLongitudeLimit, reading.problem.message);
  if (!longitude) return reading;
  reading.point = GpxPoint{firstChild(node, "name").text().get(), *latitude, *longitude, plannedSpeed(node),
                           reading.problem.line};
  return reading;
}

// The points named `element` among the children of `parent`, all of them
// or the first problem.
GpxReading readPoints(const pugi::xml_node& parent, std::string_view element, GpxRoute route,
                      std::size_t maxPoints, const LineIndex& lines) {
  GpxReading reading;
  std::size_t count = 0;
  int firstBeyond = 0;
  for (const pugi::xml_node& child : parent.children()) {
    if (!named(child, element)) continue;
    if (++count > maxPoints) {
      if (firstBeyond == 0) firstBeyond = lines.lineOf(child);
      continue;
    }
    PointReading point = readPoint(child, lines);
    if (!point.point) {
      reading.problem = std::move(point.problem);
      return reading;
    }
    route.points.push_back(std::move(*point.point));
  }
  if (count > maxPoints) {
    const std::string what = route.source == GpxRoute::Source::Route
                                 ? fmt::format("the route {}", quoted(route.name))
                                 : std::string("the file's waypoint list");
    reading.problem = {fmt::format("{} has {} points, and a route holds at most {} waypoints: nothing was imported "
                                   "(point {} is on this line)",
                                   what, count, maxPoints, maxPoints + 1),
                       firstBeyond};
    return reading;
  }
  reading.route = std::move(route);
  return reading;
}

GpxReading problemAt(std::string message, int line) {
  GpxReading reading;
  reading.problem = {std::move(message), line};
  return reading;
}

bool hasPoints(const pugi::xml_node& route) { return static_cast<bool>(firstChild(route, "rtept")); }

// XML 1.0 carries no control characters but tab, line feed and carriage
// return; in a name even those are out of place.
std::string xmlText(std::string_view text) {
  std::string clean(text);
  std::replace_if(clean.begin(), clean.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
  return clean;
}

std::string coordinateText(double degrees) { return fmt::format("{:.{}f}", degrees, kCoordinateDecimals); }

}  // namespace

GpxReading readGpxRoute(std::string_view bytes, std::size_t maxPoints) {
  const LineIndex lines(bytes);
  pugi::xml_document document;
  const pugi::xml_parse_result parsed =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_doctype);
  if (parsed.status == pugi::status_no_document_element)
    return problemAt("not a GPX file: it holds no XML element", 0);
  if (!parsed) return problemAt(fmt::format("not a GPX file: the XML is not well-formed ({})", parsed.description()),
                                lines.lineOf(parsed.offset));
  for (const pugi::xml_node& node : document.children()) {
    if (node.type() == pugi::node_doctype)
      return problemAt("the file declares a document type (<!DOCTYPE ...>), which a GPX file never has; "
                       "its entities are not expanded, and the file is not read",
                       lines.lineOf(node));
  }
  const pugi::xml_node root = document.document_element();
  if (localName(root) != "gpx")
    return problemAt(fmt::format("not a GPX file: its root element is <{}>, not <gpx>", escapedControls(root.name())),
                     lines.lineOf(root));

  GpxRoute route;
  for (const pugi::xml_node& child : root.children()) {
    if (named(child, "rte")) ++route.routeCount;
  }
  int number = 0;
  for (const pugi::xml_node& child : root.children()) {
    if (!named(child, "rte")) continue;
    ++number;
    if (!hasPoints(child)) continue;
    route.routeNumber = number;
    route.name = firstChild(child, "name").text().get();
    route.plannedSpeed = plannedSpeed(child);
    return readPoints(child, "rtept", std::move(route), maxPoints, lines);
  }
  if (firstChild(root, "wpt")) {
    route.source = GpxRoute::Source::Waypoints;
    return readPoints(root, "wpt", std::move(route), maxPoints, lines);
  }
  if (route.routeCount > 0) return problemAt("the file's routes (rte) have no route points (rtept)", 0);
  if (const pugi::xml_node track = firstChild(root, "trk"))
    return problemAt("the file holds no route (rte) and no waypoints (wpt), only a track (trk), the record of a "
                     "passage sailed: make a route of it in the program that recorded it, or with "
                     "gpsbabel -x transform,rte=trk",
                     lines.lineOf(track));
  return problemAt("the file holds no route (rte) and no waypoints (wpt)", lines.lineOf(root));
}

std::string writeGpxRoute(const GpxRoute& route, std::string_view creator) {
  pugi::xml_document document;
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version").set_value("1.0");
  declaration.append_attribute("encoding").set_value("UTF-8");
  pugi::xml_node gpx = document.append_child("gpx");
  gpx.append_attribute("version").set_value("1.1");
  gpx.append_attribute("creator").set_value(xmlText(creator).c_str());
  gpx.append_attribute("xmlns").set_value(kGpxNamespace);
  gpx.append_attribute("xmlns:xsi").set_value(kSchemaInstance);
  gpx.append_attribute("xsi:schemaLocation").set_value(kSchemaLocation);
  pugi::xml_node rte = gpx.append_child("rte");
  if (!route.name.empty()) rte.append_child("name").text().set(xmlText(route.name).c_str());
  for (const GpxPoint& point : route.points) {
    pugi::xml_node rtept = rte.append_child("rtept");
    rtept.append_attribute("lat").set_value(coordinateText(point.latitude).c_str());
    rtept.append_attribute("lon").set_value(coordinateText(point.longitude).c_str());
    if (!point.name.empty()) rtept.append_child("name").text().set(xmlText(point.name).c_str());
  }
  std::ostringstream text;
  document.save(text, "  ", pugi::format_default, pugi::encoding_utf8);
  return text.str();
}

}  // namespace z5
