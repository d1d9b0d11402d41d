// The catalogue of numbered strings and the shipped string files: the files
// agree with the catalogue, every default text takes exactly the arguments
// its callers pass, and the report headers line up with the report rows.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <fmt/args.h>
#include <fmt/printf.h>

#include "TempDir.h"
#include "base/StringTable.h"

namespace z5 {
namespace {

struct Table {
  StringFile file;
  const char* name;
};
constexpr Table kTables[] = {{StringFile::Error, "nav_err.dat"}, {StringFile::Prompt, "nav_info.dat"}};

std::vector<std::string_view> splitLists(std::string_view lists) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = lists.find('|', start);
    out.push_back(lists.substr(start, bar == std::string_view::npos ? bar : bar - start));
    if (bar == std::string_view::npos) return out;
    start = bar + 1;
  }
}

// The argument letters that the printf conversions of `text` consume, in
// order ('?' for a conversion the catalogue has no letter for).
std::string conversionLetters(std::string_view text) {
  std::string letters;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    ++i;
    while (i < text.size() && std::string_view("-+ #0123456789.").find(text[i]) != std::string_view::npos) ++i;
    if (i == text.size()) return letters + '?';
    switch (text[i]) {
      case '%': break;
      case 'd': case 'i': letters += 'd'; break;
      case 'f': case 'e': case 'g': letters += 'f'; break;
      case 's': letters += 's'; break;
      case 'c': letters += 'c'; break;
      default: letters += '?'; break;
    }
  }
  return letters;
}

// Formats `text` with one set of sample values for the argument list.
std::string formatWith(std::string_view text, std::string_view list, bool extreme) {
  fmt::dynamic_format_arg_store<fmt::printf_context> store;
  for (char letter : list) {
    switch (letter) {
      case 'd': store.push_back(extreme ? -2147483647 : 0); break;
      case 'f': store.push_back(extreme ? -1.0e9 : 0.0); break;
      case 'c': store.push_back(extreme ? ';' : ','); break;
      default: store.push_back(extreme ? std::string(300, 'W') : std::string()); break;
    }
  }
  return fmt::vsprintf(fmt::string_view(text.data(), text.size()),
                       fmt::basic_format_args<fmt::printf_context>(store));
}

std::vector<std::string> fileLines(const std::string& contents) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < contents.size()) {
    const std::size_t end = contents.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(contents.substr(start));
      break;
    }
    lines.push_back(contents.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

TEST(ShippedStringFiles, HoldExactlyOneLinePerNumberedString) {
  for (const Table& t : kTables) {
    const std::string contents = test::readFile(std::string(Z5_DATA_DIR) + "/" + t.name);
    ASSERT_FALSE(contents.empty()) << t.name;
    EXPECT_EQ(contents.back(), '\n') << t.name;
    EXPECT_EQ(static_cast<int>(fileLines(contents).size()), StringTable::count(t.file)) << t.name;
  }
}

TEST(ShippedStringFiles, LoadToTheCatalogueTextsWithNothingReplaced) {
  StringTable table;
  for (const Table& t : kTables) {
    std::vector<int> replaced;
    ASSERT_TRUE(table.load(t.file, std::string(Z5_DATA_DIR) + "/" + t.name, replaced)) << t.name;
    EXPECT_TRUE(replaced.empty()) << t.name << " replaced string " << replaced.front();
    for (int n = 0; n < StringTable::count(t.file); ++n) {
      EXPECT_EQ(table.text(t.file, n), StringTable::entry(t.file, n).text) << t.name << " string " << n;
    }
  }
}

TEST(StringCatalogue, ArgumentListsUseOnlyTheKnownLetters) {
  for (const Table& t : kTables) {
    for (int n = 0; n < StringTable::count(t.file); ++n) {
      const std::string_view lists = StringTable::entry(t.file, n).arguments;
      EXPECT_EQ(lists.find_first_not_of("dfsc|"), std::string_view::npos) << t.name << " string " << n;
      std::set<std::string_view> seen;
      for (std::string_view list : splitLists(lists)) {
        EXPECT_TRUE(seen.insert(list).second) << t.name << " string " << n << " lists \"" << list << "\" twice";
      }
    }
  }
}

TEST(StringCatalogue, EveryTextConsumesExactlyOneOfItsArgumentLists) {
  for (const Table& t : kTables) {
    for (int n = 0; n < StringTable::count(t.file); ++n) {
      const CatalogueEntry& entry = StringTable::entry(t.file, n);
      const std::string letters = conversionLetters(entry.text);
      bool matched = false;
      for (std::string_view list : splitLists(entry.arguments)) matched = matched || list == letters;
      EXPECT_TRUE(matched) << t.name << " string " << n << " converts \"" << letters << "\" but lists \""
                           << entry.arguments << "\"";
    }
  }
}

TEST(StringCatalogue, EveryTextFormatsWithEveryListedArgumentList) {
  for (const Table& t : kTables) {
    for (int n = 0; n < StringTable::count(t.file); ++n) {
      const CatalogueEntry& entry = StringTable::entry(t.file, n);
      if (entry.arguments.empty()) continue;
      for (std::string_view list : splitLists(entry.arguments)) {
        for (bool extreme : {false, true}) {
          std::string out;
          EXPECT_NO_THROW(out = formatWith(entry.text, list, extreme)) << t.name << " string " << n;
          EXPECT_EQ(out.find('%'), std::string::npos) << t.name << " string " << n << " leaves a '%'";
        }
      }
    }
  }
}

TEST(StringCatalogue, PlainTextsHoldNoPercentSign) {
  for (const Table& t : kTables) {
    for (int n = 0; n < StringTable::count(t.file); ++n) {
      const CatalogueEntry& entry = StringTable::entry(t.file, n);
      if (!entry.arguments.empty()) continue;
      EXPECT_EQ(entry.text.find('%'), std::string_view::npos) << t.name << " string " << n;
    }
  }
}

TEST(StringCatalogue, TextsRoundTripThroughTheFileEscapes) {
  // A text holding a character the file writer escapes must load back the same.
  for (const Table& t : kTables) {
    for (int n = 0; n < StringTable::count(t.file); ++n) {
      const std::string_view text = StringTable::entry(t.file, n).text;
      EXPECT_EQ(text.find('\r'), std::string_view::npos) << t.name << " string " << n;
      std::string encoded;
      for (char c : text) encoded += c == '\n' ? std::string("\\n") : c == '\\' ? std::string("\\\\") : std::string(1, c);
      EXPECT_EQ(decodeStringLine(encoded), text) << t.name << " string " << n;
    }
  }
}

// --- What particular callers rely on -------------------------------------

TEST(StringCatalogue, StatusLineIsOneLineOfLabelAndValue) {
  const StringTable table;
  const std::string line = table.prompt(217, std::string("Grid lines"), std::string("on"));
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_EQ(line.find("Grid lines"), 0u);
  EXPECT_EQ(line.substr(line.size() - 2), "on");
}

TEST(StringCatalogue, ToggleTextsAreShortAndDistinct) {
  const StringTable table;
  const std::string off = table.prompt(208);
  const std::string on = table.prompt(209);
  EXPECT_FALSE(off.empty());
  EXPECT_FALSE(on.empty());
  EXPECT_NE(off, on);
  EXPECT_EQ((off + on).find_first_of("\n\t"), std::string::npos);
}

TEST(StringCatalogue, LineFileNamesAreFiveDistinctBaseNamesAndThreeSuffixes) {
  const StringTable table;
  std::set<std::string> bases;
  for (int n = 200; n <= 204; ++n) {
    const std::string base = table.text(StringFile::Prompt, n);
    EXPECT_FALSE(base.empty()) << n;
    EXPECT_EQ(base.find_first_of("/\\ .\t\n%"), std::string::npos) << n << ": " << base;
    bases.insert(base);
  }
  EXPECT_EQ(bases.size(), 5u);
  std::set<std::string> suffixes;
  for (int n = 205; n <= 207; ++n) {
    const std::string suffix = table.text(StringFile::Prompt, n);
    ASSERT_GE(suffix.size(), 2u) << n;
    EXPECT_EQ(suffix[0], '.') << n;
    EXPECT_EQ(suffix.find_first_of("/\\ \t\n%", 1), std::string::npos) << n;
    suffixes.insert(suffix);
  }
  EXPECT_EQ(suffixes.size(), 3u);
}

TEST(StringCatalogue, ColourNamesNameEverySlotOnce) {
  const StringTable table;
  std::set<std::string> names;
  for (int n = 116; n <= 150; ++n) {
    const std::string name = table.text(StringFile::Prompt, n);
    EXPECT_FALSE(name.empty()) << n;
    EXPECT_NE(name, "(unused)") << n;
    EXPECT_EQ(name.find('\n'), std::string::npos) << n;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 35u);
}

TEST(StringCatalogue, WaypointListSpeedPlaceholderFitsItsColumn) {
  EXPECT_LE(StringTable().prompt(215).size(), 7u);
}

TEST(StringCatalogue, ChartNumberAndNoteOverflowHaveTheirOwnErrorStrings) {
  const StringTable table;
  EXPECT_EQ(StringTable::entry(StringFile::Error, 44).arguments, "ds");
  EXPECT_EQ(StringTable::entry(StringFile::Error, 45).arguments, "dds");
  const std::string chart = table.error(44, 12, std::string("route.txt"));
  EXPECT_NE(chart.find("12"), std::string::npos);
  EXPECT_NE(chart.find("route.txt"), std::string::npos);
  const std::string notes = table.error(45, 200, 31, std::string("route.txt"));
  EXPECT_NE(notes.find("200"), std::string::npos);
  EXPECT_NE(notes.find("31"), std::string::npos);
  EXPECT_NE(notes.find("route.txt"), std::string::npos);
}

}  // namespace
}  // namespace z5
