// The folders of src/ are floors: each includes only its own floor and the
// floors below it, so that no folder needs one above it and no two folders
// need each other. This test reads every `#include "..."` under src/ and
// names the file and line of each that breaks the order, and the circle the
// folders form when they do.

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "TempDir.h"

namespace z5::test {
namespace {

namespace fs = std::filesystem;

// The floors, lowest first. main.cpp, directly under src/, stands on top.
constexpr std::array<std::string_view, 13> kFloors = {
    "base",    // text, numbers, dates, Clock, settings, strings, messages, Host
    "geo",     // earth model, longitudes, leg geometry, projection, extents
    "route",   // position text, route language, Waypoint, Voyage, route reading
    "charts",  // chart catalogue, its CSV, route-chart search, scale limits
    "nav",     // leg pass, times, intercepts, to-waypoint, DR, the voyage's extent
    "report",  // output sink and the report formats
    "world",   // world data files and their builders
    "map",     // map painter and layers, map view state
    "gps",     // position sources, reader, fix parser, track log, goto waypoint
    "editor",  // route, output and map documents, their links, page setup and pagination
    "commands",  // command table, states, dispatcher, idle work, settings sheet, GPS dialog
    "app",     // Z5App, the extraction, the contexts, command line, report jobs
    "ui",      // Qt
};
constexpr int kTopFloor = static_cast<int>(kFloors.size());
constexpr int kNoFloor = -1;

// The floor of a path relative to src/: its folder's place in the table,
// kTopFloor for a file directly under src/, kNoFloor for a folder not in it.
int floorOf(const fs::path& relative) {
  const auto first = relative.begin();
  if (std::next(first) == relative.end()) return kTopFloor;
  const auto found = std::find(kFloors.begin(), kFloors.end(), first->string());
  return found == kFloors.end() ? kNoFloor : static_cast<int>(found - kFloors.begin());
}

std::string folderOf(const fs::path& relative) {
  return std::next(relative.begin()) == relative.end() ? "main" : relative.begin()->string();
}

struct Include {
  fs::path file;    // relative to src/
  int line = 0;
  fs::path target;  // as written
};

std::vector<Include> includesOf(const fs::path& root, const fs::path& relative) {
  static const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
  std::vector<Include> found;
  std::ifstream in(root / relative);
  std::string text;
  std::smatch match;
  for (int line = 1; std::getline(in, text); ++line) {
    if (std::regex_search(text, match, quoted)) found.push_back({relative, line, match[1].str()});
  }
  return found;
}

std::vector<Include> includesUnder(const fs::path& root) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string extension = entry.path().extension().string();
    if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp")) {
      files.push_back(fs::relative(entry.path(), root));
    }
  }
  std::sort(files.begin(), files.end());
  std::vector<Include> all;
  for (const fs::path& file : files) {
    const std::vector<Include> found = includesOf(root, file);
    all.insert(all.end(), found.begin(), found.end());
  }
  return all;
}

std::string where(const Include& include) {
  return "src/" + include.file.generic_string() + ":" + std::to_string(include.line) + ": ";
}

// What is wrong with one include: a file or a target off the floor table,
// or a target above the including file's floor; "" when nothing is.
std::string misplaced(const Include& include) {
  const int from = floorOf(include.file);
  const int to = floorOf(include.target);
  const std::string target = "\"" + include.target.generic_string() + "\"";
  if (from == kNoFloor) return where(include) + "folder " + folderOf(include.file) + " is not in the floor table";
  if (to == kNoFloor || to == kTopFloor) return where(include) + "includes " + target + ", which is on no floor";
  if (to > from) {
    return where(include) + "includes " + target + " from floor " + folderOf(include.target) + ", above " +
           folderOf(include.file);
  }
  return "";
}

using FolderGraph = std::map<std::string, std::set<std::string>>;

// Depth-first search for a path that comes back to where it started.
bool findCircle(const FolderGraph& graph, const std::string& folder, std::vector<std::string>& path,
                std::set<std::string>& done) {
  const auto onPath = std::find(path.begin(), path.end(), folder);
  if (onPath != path.end()) {
    path.erase(path.begin(), onPath);
    path.push_back(folder);
    return true;
  }
  if (done.count(folder)) return false;
  path.push_back(folder);
  if (const auto next = graph.find(folder); next != graph.end()) {
    for (const std::string& target : next->second) {
      if (findCircle(graph, target, path, done)) return true;
    }
  }
  path.pop_back();
  done.insert(folder);
  return false;
}

// "a -> b -> a" when the folders include each other round a circle, else "".
std::string folderCircle(const std::vector<Include>& includes) {
  FolderGraph graph;
  for (const Include& include : includes) {
    const std::string from = folderOf(include.file);
    const std::string to = folderOf(include.target);
    if (from != to) graph[from].insert(to);
  }
  std::set<std::string> done;
  for (const auto& [folder, targets] : graph) {
    std::vector<std::string> path;
    if (!findCircle(graph, folder, path, done)) continue;
    std::string text;
    for (const std::string& step : path) text += (text.empty() ? "" : " -> ") + step;
    return text;
  }
  return "";
}

// Every include that breaks the floor order, then the circle, if any.
std::vector<std::string> floorViolations(const fs::path& root) {
  const std::vector<Include> includes = includesUnder(root);
  std::vector<std::string> violations;
  for (const Include& include : includes) {
    if (std::string problem = misplaced(include); !problem.empty()) violations.push_back(std::move(problem));
  }
  if (const std::string circle = folderCircle(includes); !circle.empty()) {
    violations.push_back("the folders form a circle: " + circle);
  }
  return violations;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

TEST(IncludeFloors, EverySourceIncludeStaysOnItsFloorOrGoesBelow) {
  const std::vector<std::string> violations = floorViolations(fs::path(Z5_SOURCE_DIR) / "src");
  EXPECT_TRUE(violations.empty()) << joined(violations);
}

struct TreeCase {
  std::vector<std::pair<const char*, const char*>> files;  // path under src/, contents
  std::vector<std::string> expected;                       // the violations, in order
  const char* catches;
};

const TreeCase kTreeCases[] = {
    {{{"nav/Leg.cpp", "#include \"nav/Leg.h\"\n#include \"geo/Earth.h\"\n"}, {"main.cpp", "#include \"ui/Window.h\"\n"}},
     {},
     "an include of its own floor, of a lower one, or from main.cpp refused"},
    {{{"geo/Earth.cpp", "// earth\n#include \"geo/Earth.h\"\n  #  include \"nav/Leg.h\"\n"}},
     {"src/geo/Earth.cpp:3: includes \"nav/Leg.h\" from floor nav, above geo"},
     "an upward include let through, or named without its file and line"},
    {{{"map/Paint.h", "#include \"gps/TrackLog.h\"\n"}, {"gps/Fix.h", "#include \"map/ViewState.h\"\n"}},
     {"src/map/Paint.h:1: includes \"gps/TrackLog.h\" from floor gps, above map",
      "the folders form a circle: gps -> map -> gps"},
     "two folders that include each other not shown as a circle"},
    {{{"extra/Thing.cpp", "#include \"base/Text.h\"\n"}},
     {"src/extra/Thing.cpp:1: folder extra is not in the floor table"},
     "a new folder outside the table slipping past the check"},
    {{{"route/Voyage.h", "#include \"Waypoint.h\"\n#include <vector>\n"}},
     {"src/route/Voyage.h:1: includes \"Waypoint.h\", which is on no floor"},
     "an include without its folder escaping the floor order"},
};

TEST(IncludeFloors, NameEachIncludeAgainstTheOrderAndTheCircleItMakes) {
  for (const TreeCase& row : kTreeCases) {
    TempDir dir;
    for (const auto& [path, contents] : row.files) {
      fs::create_directories((dir.path() / path).parent_path());
      dir.write(path, contents);
    }
    EXPECT_EQ(floorViolations(dir.path()), row.expected) << row.catches;
  }
}

}  // namespace
}  // namespace z5::test
