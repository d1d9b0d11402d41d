// Whole-file writes: a target is replaced whole or left alone, and no file
// but the one named is ever written.

#include "app/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "TempDir.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRoute = "Dover\n51-06N\n001-22E\n";

TEST(AtomicFile, ReplacesTheTargetWholeKeepingItsPermissionsAndLeavingNoTemporaryFile) {
  test::TempDir dir;
  const std::string out = dir.write("r.out", "old report, longer than the new one\n");
  fs::permissions(out, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(writeFileAtomically(out, "new\n"));
  EXPECT_EQ(test::readFile(out), "new\n");
  EXPECT_EQ(fs::status(out).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

struct Refusal {
  const char* legend;
  std::function<std::string(const test::TempDir&)> target;  // makes the target, returns its path
  const char* cause;
};

std::string linked(const test::TempDir& d, const char* to) {
  fs::create_symlink(d.file(to), d.file("r.out"));
  return d.file("r.out");
}

// Each row makes a target that must not be written; the route r.txt and
// other.txt must come through unchanged.
const Refusal kRefusals[] = {
    // a link to the route would write the report into the route
    {"symbolic link to the kept route", [](auto& d) { return linked(d, "r.txt"); }, "symbolic link"},
    // a link elsewhere would overwrite whatever it points to
    {"symbolic link to another file", [](auto& d) { return linked(d, "other.txt"); }, "symbolic link"},
    // a hard link is the route under another name
    {"hard link to the kept route",
     [](auto& d) {
       fs::create_hard_link(d.file("r.txt"), d.file("r.out"));
       return d.file("r.out");
     },
     "is the file"},
    // the route itself, by its own name
    {"the kept route", [](auto& d) { return d.file("r.txt"); }, "is the file"},
    // a directory must not be replaced by a file
    {"directory",
     [](auto& d) {
       fs::create_directory(d.file("r.out"));
       return d.file("r.out");
     },
     "is a directory"},
    // a FIFO would block or feed another program
    {"named pipe",
     [](auto& d) {
       ::mkfifo(d.file("r.out").c_str(), 0600);
       return d.file("r.out");
     },
     "not a regular file"},
    // a missing directory gives the system's cause, not a silent failure
    {"missing directory", [](auto& d) { return d.file("no/r.out"); }, "No such file or directory"},
};

TEST(AtomicFile, RefusesTargetsThatAreNotPlainFilesOrAreTheKeptFile) {
  for (const Refusal& row : kRefusals) {
    test::TempDir dir;
    const std::string route = dir.write("r.txt", kRoute);
    dir.write("other.txt", "other\n");
    const std::string target = row.target(dir);
    const FileWriteResult result = writeFileAtomically(target, "report\n", std::span(&route, 1));
    EXPECT_FALSE(result.written) << row.legend;
    EXPECT_NE(result.message(target).find(row.cause), std::string::npos) << row.legend << ": " << result.cause;
    EXPECT_EQ(test::readFile(route), kRoute) << row.legend;
    EXPECT_EQ(test::readFile(dir.file("other.txt")), "other\n") << row.legend;
  }
}

TEST(AtomicFile, WritersOfOneFileAtOnceLeaveOneWholeFile) {
  test::TempDir dir;
  const std::string out = dir.file("r.out");
  const std::string a(1 << 18, 'a');
  const std::string b(1 << 17, 'b');
  auto writer = [&](const std::string& text) {
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(writeFileAtomically(out, text));
  };
  std::thread first(writer, a);
  std::thread second(writer, b);
  for (int i = 0; i < 100; ++i) {
    const std::string seen = test::readFile(out);
    EXPECT_TRUE(seen.empty() || seen == a || seen == b) << "a mixed or half-written file of " << seen.size();
  }
  first.join();
  second.join();
  const std::string last = test::readFile(out);
  EXPECT_TRUE(last == a || last == b);
}

}  // namespace
}  // namespace z5
