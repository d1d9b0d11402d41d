#pragma once
// The home directory of an installed program. Installed, the program lies
// in PREFIX/bin and its home directory as shipped in PREFIX/share/z5, where
// it cannot write (the track log, the map placeholders): its home directory
// is then the user's data directory, filled on the first start from the
// shipped copy.

#include <string>

namespace z5 {

// The user's data directory of the program: $XDG_DATA_HOME/z5, or
// $HOME/.local/share/z5 when XDG_DATA_HOME is unset, empty or not an
// absolute path; empty when neither gives a directory. Null stands for an
// unset variable.
std::string userDataDirectory(const char* xdgDataHome, const char* home);
// The same from the environment.
std::string userDataDirectory();

// The shipped home directory beside an installed program in
// `programDirectory` (PREFIX/bin): PREFIX/share/z5 when it holds the chart
// catalogue; empty otherwise.
std::string installedDataDirectory(const std::string& programDirectory);

struct HomeFilling {
  bool filled = false;
  std::string cause;  // when not
};

// Creates `target` (and its parents) when missing and copies into it every
// file of `source` that it lacks; a file the user has (an edited string
// file, the track log) is kept as it is.
HomeFilling fillHomeDirectory(const std::string& source, const std::string& target);

}  // namespace z5
