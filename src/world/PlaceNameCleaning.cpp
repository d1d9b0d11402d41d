#include "world/PlaceNameCleaning.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "base/AsciiText.h"
#include "base/TextUtil.h"
#include "world/PlaceNameFile.h"

namespace z5 {
namespace {

// Words shortened when a name is too long, in the order they are tried.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kAbbreviations = {{
    {"Saint", "St."},     {"Sainte", "Ste."},  {"Puerto", "Pto."},  {"Port", "Pt."},     {"Sound", "Sd."},
    {"Inlet", "Inl."},    {"Channel", "Chan."}, {"Passages", "Pass."}, {"Passage", "Pass."}, {"Strait", "Str."},
    {"Gulf", "G."},       {"Island", "I."},    {"Islands", "Is."},  {"North", "N."},
}};

// Words that never end a shortened name.
constexpr std::array<std::string_view, 8> kConnectors = {"de", "la", "of", "the", "and", "del", "da", "do"};

constexpr std::array<std::string_view, 6> kLowerCaseWords = {"of", "the", "and", "de", "la", "del"};

// The words of `text`, split at white space (isSpace, in every locale).
std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> result;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    while (at < text.size() && !isSpace(text[at])) ++at;
    if (at > start) result.emplace_back(text.substr(start, at - start));
    while (at < text.size() && isSpace(text[at])) ++at;
  }
  return result;
}

std::string join(const std::vector<std::string>& ws) {
  std::string out;
  for (const std::string& w : ws) out += (out.empty() ? "" : " ") + w;
  return out;
}

bool allCapitals(std::string_view s) {
  const bool anyLetter = std::any_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  return anyLetter && std::none_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string capitalInitials(const std::vector<std::string>& ws) {
  std::vector<std::string> out;
  for (std::string w : ws) {
    std::transform(w.begin(), w.end(), w.begin(), [](char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; });
    const bool minor = std::find(kLowerCaseWords.begin(), kLowerCaseWords.end(), w) != kLowerCaseWords.end();
    if (!w.empty() && w[0] >= 'a' && w[0] <= 'z' && (out.empty() || !minor)) w[0] = static_cast<char>(w[0] - 32);
    out.push_back(w);
  }
  return join(out);
}

bool fits(const std::string& s) { return s.size() <= static_cast<std::size_t>(kMaxPlaceNameLength); }

std::string shorten(std::string name) {
  if (const auto open = name.find(" ("); !fits(name) && open != std::string::npos) name = name.substr(0, open);
  if (const auto slash = name.find('/'); !fits(name) && slash != std::string::npos) name = name.substr(0, slash);
  if (!fits(name) && name.rfind("The ", 0) == 0) name = name.substr(4);
  std::vector<std::string> ws = words(name);
  for (const auto& [word, abbreviation] : kAbbreviations) {
    if (fits(join(ws))) break;
    std::replace(ws.begin(), ws.end(), std::string(word), std::string(abbreviation));
  }
  auto isConnector = [](const std::string& w) {
    return std::find(kConnectors.begin(), kConnectors.end(), w) != kConnectors.end();
  };
  while (ws.size() > 1 && (!fits(join(ws)) || isConnector(ws.back()))) ws.pop_back();
  name = join(ws);
  if (!fits(name)) name.resize(kMaxPlaceNameLength);
  return name;
}

}  // namespace

std::string cleanPlaceName(std::string_view raw) {
  std::vector<std::string> ws = words(toAscii(raw, ""));
  std::string name = allCapitals(join(ws)) ? capitalInitials(ws) : join(ws);
  return fits(name) ? name : shorten(name);
}

int portLevel(int scalerank) {
  constexpr int kLevelOfRankZero = 23;  // rank 3 gives level 20
  return std::clamp(kLevelOfRankZero - scalerank, 1, 20);
}

int seaLevel(bool isOcean, double minLabel) {
  if (isOcean) return kAlwaysShown;
  // Zoom z shows about 360 / 2^(z - 1) degrees across, about 2^(21.3 - z)
  // arc-seconds; the name shows below 2^(level + 1).
  constexpr double kLevelOfZoomZero = 20.5;
  if (!std::isfinite(minLabel)) return 1;
  return std::clamp(static_cast<int>(kLevelOfZoomZero - minLabel), 1, 20);
}

}  // namespace z5
