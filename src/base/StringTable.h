#pragma once
// The two tables of numbered strings, loaded from the home directory, and
// their type-checked formatting. Every call names its string by a number
// checked when the program compiles: the catalogue entry must list the
// call's arguments. A user may edit the files, so a loaded string is only
// ever handed to a type-checked printf, and one whose conversions don't fit
// the program's arguments is replaced by its default.

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <fmt/printf.h>

#include "base/ErrorStrings.h"
#include "base/PromptStrings.h"
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
constexpr bool argumentListAllowed(std::string_view lists, std::string_view call) {
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = lists.find('|', start);
    const std::string_view list = lists.substr(start, bar == std::string_view::npos ? bar : bar - start);
    if (list == call) return true;
    if (bar == std::string_view::npos) return false;
    start = bar + 1;
  }
}

// The argument lists of string `number` of `file` (see CatalogueEntry);
// nullopt when there is no such string.
constexpr std::optional<std::string_view> catalogueArguments(StringFile file, int number) {
  const bool error = file == StringFile::Error;
  const std::size_t count = error ? kErrorStrings.size() : kPromptStrings.size();
  if (number < 0 || static_cast<std::size_t>(number) >= count) return std::nullopt;
  return error ? kErrorStrings[number].arguments : kPromptStrings[number].arguments;
}

// Called only by a check at compile time that failed, so that the compiler
// names it in its message; never defined.
void numberedStringFormattedWithArgumentsItsCatalogueEntryDoesNotList();

// The number of a string of `File` formatted with arguments of the types A
// (each a StringArgument). It is made from a constant only and checked as
// it is made: the string must exist and its catalogue entry must list the
// arguments, or the program does not compile.
template <StringFile File, class... A>
class StringNumber {
 public:
  consteval StringNumber(int number) : number_(number) {
    constexpr char call[] = {argumentLetter<A>()..., '\0'};
    const std::optional<std::string_view> lists = catalogueArguments(File, number);
    if (!lists || !argumentListAllowed(*lists, call)) {
      numberedStringFormattedWithArgumentsItsCatalogueEntryDoesNotList();
    }
  }
  constexpr int value() const { return number_; }

 private:
  int number_;
};

// The type an argument is checked as: char, int (any other integer), double
// (any floating point) or std::string (any text).
template <class T>
struct StringArgumentOf {
  using U = std::remove_cvref_t<T>;
  using type = std::conditional_t<
      std::is_same_v<U, char>, char,
      std::conditional_t<std::is_integral_v<U>, int, std::conditional_t<std::is_floating_point_v<U>, double, std::string>>>;
};
template <class T>
using StringArgument = typename StringArgumentOf<T>::type;

// The numbers of prompt and error strings formatted with arguments of the
// types A: PromptNumber<int, std::string> is a prompt string taking an
// integer and a text.
template <class... A>
using PromptNumber = StringNumber<StringFile::Prompt, StringArgument<A>...>;
template <class... A>
using ErrorNumber = StringNumber<StringFile::Error, StringArgument<A>...>;

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
  std::string error(ErrorNumber<A...> number, const A&... args) const {
    return format(StringFile::Error, number.value(), args...);
  }
  template <class... A>
  std::string prompt(PromptNumber<A...> number, const A&... args) const {
    return format(StringFile::Prompt, number.value(), args...);
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
  const std::string& loaded = text(file, number);
  if constexpr (sizeof...(A) == 0) {
    return loaded;
  } else {
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
