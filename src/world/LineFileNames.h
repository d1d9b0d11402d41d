#pragma once
// Where the line files of the home directory are: five regions, each with a
// land, a river and a boundary file, named by prompt strings so that a user
// may rename them.

#include <string>

#include "base/StringTable.h"

namespace z5 {

// Prompt strings holding the file names: five base names, then suffixes.
inline constexpr int kLineFileBaseNames = 200;
inline constexpr int kLineFileRegions = 5;
inline constexpr int kLandSuffixString = 205;
inline constexpr int kBoundarySuffixString = 206;
inline constexpr int kRiverSuffixString = 207;

// The path of region `region`'s file with the suffix of prompt string
// `suffixString`: the home directory (ending with '/'), base name and suffix
// joined without separators.
inline std::string lineFilePath(const std::string& home, const StringTable& strings, int region, int suffixString) {
  return home + strings.text(StringFile::Prompt, kLineFileBaseNames + region) +
         strings.text(StringFile::Prompt, suffixString);
}

}  // namespace z5
