#include "base/AsciiText.h"

#include <algorithm>
#include <iterator>

#include "base/Utf8Text.h"

namespace z5 {
namespace {

constexpr char32_t kAsciiEnd = 0x80;
constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7F;

// Latin letters with marks and a few signs, by code point, as plain ASCII.
struct Transliteration {
  char32_t codePoint;
  std::string_view ascii;
};
constexpr Transliteration kTransliterations[] = {
    {U'À', "A"},  {U'Á', "A"},  {U'Â', "A"},  {U'Ã', "A"},  {U'Ä', "A"},  {U'Å', "A"},  {U'Æ', "AE"}, {U'Ç', "C"},
    {U'È', "E"},  {U'É', "E"},  {U'Ê', "E"},  {U'Ë', "E"},  {U'Ì', "I"},  {U'Í', "I"},  {U'Î', "I"},  {U'Ï', "I"},
    {U'Ñ', "N"},  {U'Ò', "O"},  {U'Ó', "O"},  {U'Ô', "O"},  {U'Õ', "O"},  {U'Ö', "O"},  {U'Ø', "O"},  {U'Ù', "U"},
    {U'Ú', "U"},  {U'Û', "U"},  {U'Ü', "U"},  {U'Ý', "Y"},  {U'ß', "ss"}, {U'à', "a"},  {U'á', "a"},  {U'â', "a"},
    {U'ã', "a"},  {U'ä', "a"},  {U'å', "a"},  {U'æ', "ae"}, {U'ç', "c"},  {U'è', "e"},  {U'é', "e"},  {U'ê', "e"},
    {U'ë', "e"},  {U'ì', "i"},  {U'í', "i"},  {U'î', "i"},  {U'ï', "i"},  {U'ñ', "n"},  {U'ò', "o"},  {U'ó', "o"},
    {U'ô', "o"},  {U'õ', "o"},  {U'ö', "o"},  {U'ø', "o"},  {U'ù', "u"},  {U'ú', "u"},  {U'û', "u"},  {U'ü', "u"},
    {U'ý', "y"},  {U'ÿ', "y"},  {U'Ā', "A"},  {U'ā', "a"},  {U'Ē', "E"},  {U'ē', "e"},  {U'Ī', "I"},  {U'ī', "i"},
    {U'Ō', "O"},  {U'ō', "o"},  {U'Ū', "U"},  {U'ū', "u"},  {U'‘', "'"},  {U'’', "'"},  {U'–', "-"},  {U'—', "-"},
    {U'Œ', "OE"}, {U'œ', "oe"}, {U'Ð', "D"},  {U'ð', "d"},  {U'Þ', "Th"}, {U'þ', "th"}, {U'Ą', "A"},  {U'ą', "a"},
    {U'Ć', "C"},  {U'ć', "c"},  {U'Č', "C"},  {U'č', "c"},  {U'Ę', "E"},  {U'ę', "e"},  {U'Ğ', "G"},  {U'ğ', "g"},
    {U'İ', "I"},  {U'ı', "i"},  {U'Ł', "L"},  {U'ł', "l"},  {U'Ń', "N"},  {U'ń', "n"},  {U'Ř', "R"},  {U'ř', "r"},
    {U'Ś', "S"},  {U'ś', "s"},  {U'Ş', "S"},  {U'ş', "s"},  {U'Š', "S"},  {U'š', "s"},  {U'Ź', "Z"},  {U'ź', "z"},
    {U'Ż', "Z"},  {U'ż', "z"},  {U'Ž', "Z"},  {U'ž', "z"},  {U'“', "\""}, {U'”', "\""},
};

}  // namespace

std::string toAscii(std::string_view utf8, std::string_view unknown) {
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::optional<char32_t> c = nextCodePoint(utf8, at);
    if (c && *c < kAsciiEnd) {
      const bool control = (*c < kFirstPrintable && *c != '\n' && *c != '\r' && *c != '\t') || *c == kDelete;
      out.push_back(control ? ' ' : static_cast<char>(*c));
      continue;
    }
    const auto* t = std::find_if(std::begin(kTransliterations), std::end(kTransliterations),
                                 [&](const Transliteration& x) { return c && x.codePoint == *c; });
    out += t != std::end(kTransliterations) ? t->ascii : unknown;
  }
  return out;
}

}  // namespace z5
