#include "report/OutputFileName.h"

#include "base/TextUtil.h"

#include "report/VoyageReport.h"

namespace z5 {
namespace {

constexpr std::string_view kOutputExtension = "out";
constexpr std::string_view kGpxExtension = "gpx";

std::string withExtension(std::string_view routePath, std::string_view extension) {
  const std::size_t separator = routePath.find_last_of("/\\");
  const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
  const std::size_t dot = routePath.rfind('.');
  std::string name(routePath);
  if (dot != std::string_view::npos && dot > nameStart) {
    name.resize(dot + 1);
  } else {
    name += '.';
  }
  name += extension;
  return name;
}

}  // namespace

std::string outputFileName(std::string_view routePath) { return withExtension(routePath, kOutputExtension); }

std::string outputFileName(std::string_view routePath, int format) {
  return withExtension(routePath, format == kGpxOutput ? kGpxExtension : kOutputExtension);
}

bool isGpxFileName(std::string_view path) {
  constexpr std::string_view kSuffix = ".GPX";
  return path.size() >= kSuffix.size() && toUpper(path.substr(path.size() - kSuffix.size())) == kSuffix;
}

bool isOutputFileName(std::string_view path) {
  constexpr std::string_view kSuffix = ".OUT";
  if (path.size() < kSuffix.size()) return false;
  return toUpper(path.substr(path.size() - kSuffix.size())) == kSuffix || isGpxFileName(path);
}

}  // namespace z5
