#pragma once
// A directory of the test's own, removed with everything in it at the end.

#include <filesystem>
#include <string>
#include <string_view>

namespace z5::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The directory as a home path: ending in '/'.
  std::string home() const { return path_.string() + "/"; }
  std::string file(std::string_view name) const { return (path_ / name).string(); }
  // Writes a file into the directory and returns its path.
  std::string write(std::string_view name, std::string_view contents) const;

 private:
  std::filesystem::path path_;
};

// The whole contents of a file ("" when it can't be read).
std::string readFile(const std::string& path);

}  // namespace z5::test
