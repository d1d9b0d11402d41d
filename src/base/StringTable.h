#pragma once
// The two tables of numbered strings, loaded from the home directory, and
// their type-checked formatting. A user may edit the files, so a loaded
// string is only ever handed to a type-checked printf, and one whose
// conversions don't fit the program's arguments is replaced by its default.

#include <array>
#include <cassert>
#include <istream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <fmt/printf.h>

#include "base/StringCatalogue.h"

namespace z5 {

enum class StringFile { Error, Prompt };

// The argument-list letter (see CatalogueEntry) of one C++ argument type.
template <class T>
constexpr char argumentLetter() {
  using U = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<U, char>) return 'c';
  else if constexpr (std::is_integral_v<U>) return 'd';
  else if constexpr (std::is_floating_point_v<U>) return 'f';
  else return 's';
}

// True when `call` is one of the '|'-separated lists in `lists`.
bool argumentListAllowed(std::string_view lists, std::string_view call);

class StringTable {
 public:
  StringTable();  // every string at its default text

  static constexpr const char* kErrorFileName = "nav_err.dat";
  static constexpr const char* kPromptFileName = "nav_info.dat";

  // Reads the file at `path`. Fails, leaving the table as it was, unless the
  // file holds at least the table's count of lines. The numbers of strings
  // replaced by their defaults because they did not fit their arguments are
  // added to `replaced`. When given, `linesFound` receives the number of
  // lines read (at most the count), or -1 when the file does not open.
  bool load(StringFile file, const std::string& path, std::vector<int>& replaced, int* linesFound = nullptr);
  bool load(StringFile file, std::istream& in, std::vector<int>& replaced, int* linesFound = nullptr);

  const std::string& text(StringFile file, int number) const;
  static const CatalogueEntry& entry(StringFile file, int number);
  static int count(StringFile file);

  template <class... A>
  std::string error(int number, const A&... args) const {
    return format(StringFile::Error, number, args...);
  }
  template <class... A>
  std::string prompt(int number, const A&... args) const {
    return format(StringFile::Prompt, number, args...);
  }

 private:
  template <class... A>
  std::string format(StringFile file, int number, const A&... args) const;

  std::vector<std::string> errors_;
  std::vector<std::string> prompts_;
};

// Decodes one line of a string file: the escapes \n \r \t \\ and a backslash
// before any other character yielding that character.
std::string decodeStringLine(std::string_view line);

template <class... A>
std::string StringTable::format(StringFile file, int number, const A&... args) const {
  if (number < 0 || number >= count(file)) return {};
  const std::string& loaded = text(file, number);
  if constexpr (sizeof...(A) == 0) {
    return loaded;
  } else {
    [[maybe_unused]] static constexpr char call[] = {argumentLetter<A>()..., '\0'};
    assert(argumentListAllowed(entry(file, number).arguments, call) &&
           "numbered string formatted with arguments its catalogue entry does not list");
    try {
      return fmt::sprintf(loaded, args...);
    } catch (const std::exception&) {
      // Unreachable for loaded texts (they were checked); kept for safety.
    }
    try {
      return fmt::sprintf(std::string(entry(file, number).text), args...);
    } catch (const std::exception&) {
      return loaded;
    }
  }
}

}  // namespace z5
