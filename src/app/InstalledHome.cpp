#include "app/InstalledHome.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/Settings.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramFolder = "z5";
constexpr const char* kDefaultDataHome = ".local/share";
constexpr const char* kInstalledData = "../share/z5";
constexpr const char* kPartialSuffix = ".part";

bool absolute(const char* path) { return path != nullptr && path[0] == '/'; }

}  // namespace

std::string userDataDirectory(const char* xdgDataHome, const char* home) {
  if (absolute(xdgDataHome)) return (fs::path(xdgDataHome) / kProgramFolder).string();
  if (absolute(home)) return (fs::path(home) / kDefaultDataHome / kProgramFolder).string();
  return {};
}

std::string userDataDirectory() { return userDataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

std::string installedDataDirectory(const std::string& programDirectory) {
  std::error_code error;
  const fs::path shipped = fs::weakly_canonical(fs::path(programDirectory) / kInstalledData, error);
  if (error || !fs::is_regular_file(shipped / kChartCatalogueFileName, error)) return {};
  return shipped.string();
}

HomeFilling fillHomeDirectory(const std::string& source, const std::string& target) {
  std::error_code error;
  fs::create_directories(target, error);
  if (error) return {false, "cannot make " + target + ": " + error.message()};
  fs::directory_iterator files(source, error);
  if (error) return {false, "cannot read " + source + ": " + error.message()};
  for (const fs::directory_entry& entry : files) {
    std::error_code kind;
    const fs::path copy = fs::path(target) / entry.path().filename();
    if (!entry.is_regular_file(kind) || fs::exists(copy, kind)) continue;
    // A copy cut short (a full disk) must not pass for the file next time.
    const fs::path partial = copy.string() + kPartialSuffix;
    fs::copy_file(entry.path(), partial, fs::copy_options::overwrite_existing, error);
    if (!error) fs::rename(partial, copy, error);
    if (error) {
      fs::remove(partial, kind);
      return {false, "cannot copy " + entry.path().string() + " to " + target + ": " + error.message()};
    }
  }
  return {true, {}};
}

}  // namespace z5
