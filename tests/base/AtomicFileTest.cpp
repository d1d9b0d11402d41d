// Whole-file writes: a target is replaced whole or left alone (the refused
// targets are tried through the program in tests/cli).

#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "TempDir.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheTargetWholeKeepingItsPermissionsAndLeavingNoTemporaryFile) {
  test::TempDir dir;
  const std::string out = dir.write("r.out", "old report, longer than the new one\n");
  fs::permissions(out, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(writeFileAtomically(out, "new\n"));
  EXPECT_EQ(test::readFile(out), "new\n");
  EXPECT_EQ(fs::status(out).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
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
