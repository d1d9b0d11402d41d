#pragma once
// The program's one rule for text from outside: a line is UTF-8 where it is
// valid UTF-8; otherwise it is read as Latin-1 (ISO 8859-1, the code page of
// older route files) and converted, so that every text the program keeps,
// draws and writes is UTF-8. Lengths of names and lines are counted in
// characters (code points), and texts are cut only between characters.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace z5 {

// The code point of the UTF-8 sequence at `at`, which is advanced past it;
// nullopt for a malformed sequence (an overlong form, a surrogate, a value
// above U+10FFFF, a missing or stray continuation byte), past which `at` is
// advanced by one byte.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at);

bool isValidUtf8(std::string_view text);

// Each byte as the Latin-1 character of that code, in UTF-8.
std::string latin1ToUtf8(std::string_view text);

// `text` itself when it is valid UTF-8, else its Latin-1 reading.
std::string asUtf8(std::string_view text);

// The rule applied to each line of a text on its own ("\n" ends a line), so
// that one Latin-1 line does not change the reading of the others.
std::string linesAsUtf8(std::string_view text);

// The number of characters; a malformed byte counts as one.
std::size_t characterCount(std::string_view text);

// The first `count` characters of `text` (all of it when shorter); a
// malformed byte counts as one character.
std::string_view firstCharacters(std::string_view text, std::size_t count);

// The longest start of `text` of at most `limit` bytes that ends between
// characters: for a store that counts bytes.
std::string_view firstBytes(std::string_view text, std::size_t limit);

// The text cut to `count` characters and padded with blanks to `count`
// characters: a fixed-width column of a report.
std::string paddedToCharacters(std::string_view text, std::size_t count);

}  // namespace z5
