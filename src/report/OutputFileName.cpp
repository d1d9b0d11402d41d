#include "report/OutputFileName.h"

#include "base/TextUtil.h"

namespace z5 {
namespace {

constexpr std::string_view kOutputExtension = "out";

}  // namespace

std::string outputFileName(std::string_view routePath) {
  const std::size_t separator = routePath.find_last_of("/\\");
  const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
  const std::size_t dot = routePath.rfind('.');
  std::string name(routePath);
  if (dot != std::string_view::npos && dot > nameStart) {
    name.resize(dot + 1);
  } else {
    name += '.';
  }
  name += kOutputExtension;
  return name;
}

bool isOutputFileName(std::string_view path) {
  constexpr std::string_view kSuffix = ".OUT";
  if (path.size() < kSuffix.size()) return false;
  return toUpper(path.substr(path.size() - kSuffix.size())) == kSuffix;
}

}  // namespace z5
