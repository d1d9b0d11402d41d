// Writes nav_err.dat and nav_info.dat from the catalogue of numbered strings,
// escaping line ends, carriage returns, tabs and backslashes.
//   write_string_files DIR

#include <cstdio>
#include <string>

#include "base/AtomicFile.h"
#include "base/ErrorStrings.h"
#include "base/PromptStrings.h"

namespace {

std::string encode(std::string_view text) {
  std::string line;
  for (char c : text) {
    switch (c) {
      case '\n': line += "\\n"; break;
      case '\r': line += "\\r"; break;
      case '\t': line += "\\t"; break;
      case '\\': line += "\\\\"; break;
      default: line += c; break;
    }
  }
  return line;
}

template <class Table>
bool write(const std::string& path, const Table& table) {
  std::string text;
  for (const z5::CatalogueEntry& entry : table) text += encode(entry.text) + '\n';
  const z5::FileWriteResult written = z5::writeFileAtomically(path, text);
  if (!written) std::fprintf(stderr, "write_string_files: %s\n", written.message(path).c_str());
  return written.written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_string_files DIR\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  const bool written = write(dir + "nav_err.dat", z5::kErrorStrings) && write(dir + "nav_info.dat", z5::kPromptStrings);
  return written ? 0 : 1;
}
