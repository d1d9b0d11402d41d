#include "map/MapPrintHeader.h"

#include "nav/CurrentDateText.h"

namespace z5 {
namespace {

constexpr std::string_view kTitleSeparator = " - ";
constexpr std::string_view kBeforeVersion = " ";
constexpr std::string_view kBeforeTime = "   ";

}  // namespace

std::string mapPrintHeader(std::string_view title, const Clock& clock) {
  std::string header(title);
  header += kTitleSeparator;
  header += kBeforeVersion;
  header += kPrintedVersionLine;
  header += kBeforeTime;
  header += currentDateText(clock);
  return header;
}

}  // namespace z5
