#include "route/RouteExtraction.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>

#include <fmt/printf.h>

#include "route/RouteReader.h"

namespace z5 {
namespace {

constexpr PromptNumber<> kForwardLabel = 111;  // prompt strings of the direction label
constexpr PromptNumber<> kBackwardLabel = 112;
constexpr int kNoTargetLabel = 113;  // prompt string of the target label without a target
// A speed above this is a speed (knots).
constexpr double kSpeedGiven = 0.001;
constexpr int kCutShownMs = 8000;

// A route is at most 1000 waypoints with their notes and comments; a file
// larger than this is not one (a device such as /dev/zero would fill the
// memory).
constexpr std::size_t kMaxRouteMegabytes = 64;
constexpr std::size_t kMaxRouteBytes = kMaxRouteMegabytes << 20;
constexpr std::size_t kReadChunk = 1 << 16;

struct RouteFile {
  enum Status { Read, CannotOpen, TooLarge } status = CannotOpen;
  std::string text;
};

RouteFile readRouteFile(const std::string& path) {
  RouteFile file;
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return file;
  std::ifstream in(path, std::ios::binary);
  if (!in) return file;
  std::string chunk(kReadChunk, '\0');
  while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
    file.text.append(chunk, 0, static_cast<std::size_t>(in.gcount()));
    if (file.text.size() > kMaxRouteBytes) {
      file.status = RouteFile::TooLarge;
      file.text.clear();
      return file;
    }
  }
  file.status = in.bad() ? RouteFile::CannotOpen : RouteFile::Read;
  return file;
}

}  // namespace

RouteExtraction::RouteExtraction(Voyage& voyage, SettingsRecord& settings, Messages& messages, const Clock& clock)
    : voyage_(voyage), settings_(settings), messages_(messages), clock_(clock) {}

RouteReading RouteExtraction::readFile(const std::string& path) {
  const RouteFile file = readRouteFile(path);
  if (file.status == RouteFile::TooLarge) {
    resetVoyage(path);
    messages_.showError(kRouteTooLarge.number, kRouteTooLarge.milliseconds, path, static_cast<int>(kMaxRouteMegabytes));
    return {};
  }
  return file.status == RouteFile::Read ? read(std::string_view(file.text), path) : read(std::nullopt, path);
}

RouteReading RouteExtraction::read(std::optional<std::string_view> text, const std::string& fileName) {
  resetVoyage(fileName);
  if (!text) {
    messages_.showError(kRouteNotOpened.number, kRouteNotOpened.milliseconds, fileName);
    return {};
  }
  return {readRoute(*text, fileName), true};
}

void RouteExtraction::resetVoyage(const std::string& fileName) {
  voyage_.waypoints.clear();
  voyage_.notes.clear();
  voyage_.amver = AmverInput{};
  voyage_.departurePort.clear();
  voyage_.arrivalPort.clear();
  voyage_.errors.clear();
  voyage_.charts.clear();
  voyage_.latitudeRequests.clear();
  voyage_.longitudeRequests.clear();
  voyage_.routeFileName = fileName;
}

int RouteExtraction::readRoute(std::string_view text, const std::string& fileName) {
  RouteReader reader(voyage_, settings_, messages_, clock_, fileName);
  int status = kReadOn;
  try {
    status = reader.read(text);
  } catch (const std::bad_alloc&) {
    messages_.showError(kNoWaypointMemory.number, kNoWaypointMemory.milliseconds, reader.waypointNumber());
    status = kReadFatal;
  }
  if (status == kReadError || status == kReadFatal) {
    // The complete waypoints stay; indices past them must not.
    clearStaleTarget();
    return status;
  }

  finishTable(reader.state());
  if (!settings_.departure.valid()) settings_.departureText = kNoDepartureText;
  clearStaleTarget();
  takeFileSpeed(reader.state().currentSpeed);
  if (status == kReadCut) reportCut(fileName, reader.cutLine());
  return kVoyageBuilt;
}

void RouteExtraction::finishTable(const ReadingState& state) {
  // The AMVER order is settled first, so that the destination is the last
  // waypoint of the route before it may be reversed.
  if (voyage_.amver.active) {
    if (state.amverDestination != kNoIndex) moveAmverDestinationToEnd(state.amverDestination);
    if (settings_.backwardsRouting) {
      if (state.amverDepartureRead && voyage_.count() > 1) voyage_.waypoints[0].speed = voyage_.waypoints[1].speed;
    } else {
      leadAmverLegSpeeds(state.amverFirstWaypoint);
    }
  }
  if (voyage_.count() <= 1) return;
  Waypoint& last = voyage_.waypoints.back();
  if (!last.zoneGiven()) last.zoneDescription = state.currentZone;
  voyage_.directionLabel = messages_.strings().prompt(settings_.backwardsRouting ? kBackwardLabel : kForwardLabel);
  if (settings_.backwardsRouting) std::reverse(voyage_.waypoints.begin(), voyage_.waypoints.end());
}

void RouteExtraction::moveAmverDestinationToEnd(int destination) {
  auto& table = voyage_.waypoints;
  if (destination < 0 || destination >= voyage_.count()) return;
  std::rotate(table.begin() + destination, table.begin() + destination + 1, table.end());
}

void RouteExtraction::leadAmverLegSpeeds(int first) {
  // Each AMVER point carries the speed of its line, the speed of the leg
  // that ends there; the leg that leaves a waypoint is timed by that
  // waypoint's speed, so every speed moves back to the waypoint before.
  // Reversed, the table already has each speed at the start of its leg.
  // Waypoints read before the report keep the speeds their lines gave.
  auto& table = voyage_.waypoints;
  for (std::size_t k = static_cast<std::size_t>(std::max(first, 0)); k + 1 < table.size(); ++k) {
    table[k].speed = table[k + 1].speed;
  }
}

void RouteExtraction::clearStaleTarget() {
  if (voyage_.toWaypoint.index >= voyage_.count()) {
    voyage_.toWaypoint.index = kNoIndex;
    voyage_.toWaypoint.label = messages_.strings().prompt(kNoTargetLabel);
  }
}

void RouteExtraction::takeFileSpeed(double currentSpeed) {
  // A file speed that the previous extraction took from the route is the
  // route's to change; one set since (by the speed command or an arrival
  // time) stays.
  if (voyage_.fileSpeed > kSpeedGiven && voyage_.fileSpeed == voyage_.routeFileSpeed && !voyage_.arrivalTimeMode) {
    voyage_.fileSpeed = 0;
    voyage_.fileSpeedText.clear();
  }
  voyage_.routeFileSpeed = 0;
  if (currentSpeed > kSpeedGiven && voyage_.fileSpeed <= kSpeedGiven) {
    voyage_.fileSpeed = currentSpeed;
    voyage_.fileSpeedText = fmt::sprintf(" File spd %7.4f", currentSpeed);
    voyage_.routeFileSpeed = currentSpeed;
  }
}

void RouteExtraction::reportCut(const std::string& fileName, int line) {
  messages_.showMessage(fmt::sprintf("%s: the route was cut at %d waypoints; from line %d on it was not read.",
                                     fileName, kMaxWaypoints, line),
                        kCutShownMs);
}

}  // namespace z5
