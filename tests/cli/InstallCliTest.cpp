// The installed program: `cmake --install` puts z5, its home directory as
// shipped, the desktop entry, icon, metainfo and man page under the prefix;
// the installed z5 makes the user's data directory its home on the first
// start, filled from the shipped copy, and keeps what the user changed there.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

namespace fs = std::filesystem;

TEST(InstalledProgram, RunsFromItsPrefixWithTheUsersDataDirectoryAsHome) {
  test::TempDir dir;
  const std::string prefix = dir.file("prefix");
  const test::ProgramRun installed =
      test::runProgram("cmake --install " Z5_BINARY_DIR " --prefix " + prefix + " 2>&1");
  ASSERT_EQ(installed.status, 0) << installed.output;
  for (const char* file : {"bin/z5", "bin/z5-chart-catalogue", "share/z5/chart.dat", "share/z5/README.TXT",
                           "share/applications/com.quenmar.z5.desktop",
                           "share/icons/hicolor/scalable/apps/com.quenmar.z5.svg",
                           "share/metainfo/com.quenmar.z5.metainfo.xml", "share/man/man1/z5.1.gz"})
    EXPECT_TRUE(fs::exists(fs::path(prefix) / file)) << file;

  const std::string home = dir.file("home");
  struct Row {
    const char* legend;
    std::string environment;
    std::string dataHome;
  };
  const Row rows[] = {
      {"the default data directory", "env -u XDG_DATA_HOME HOME=" + home, home + "/.local/share/z5"},
      {"XDG_DATA_HOME chosen by the user", "HOME=" + home + " XDG_DATA_HOME=" + dir.file("xdg"), dir.file("xdg/z5")},
      {"a relative XDG_DATA_HOME is no data directory", "HOME=" + home + " XDG_DATA_HOME=rel",
       home + "/.local/share/z5"},
  };
  for (const Row& row : rows) {
    const test::ProgramRun report = test::runProgram(
        "cd " + dir.path().string() + " && " + row.environment + " " + prefix + "/bin/z5 --settings " +
        dir.file("z5.ini") + " --set DEPARTURE=150320021200 --output --stdout README.TXT 2>&1");
    EXPECT_EQ(report.status, 0) << row.legend << "\n" << report.output;
    EXPECT_NE(report.output.find("Total distance"), std::string::npos) << row.legend << "\n" << report.output;
    EXPECT_TRUE(fs::exists(row.dataHome + "/chart.dat")) << row.legend;
  }
  // A file the user changed is kept; one the user removed comes back.
  const std::string dataHome = home + "/.local/share/z5";
  std::ofstream(dataHome + "/userpts.txt") << "My buoy\n50-00N\n001-00W\n";
  fs::remove(dataHome + "/chart.dat");
  EXPECT_EQ(test::runProgram("env -u XDG_DATA_HOME HOME=" + home + " " + prefix + "/bin/z5 --settings " +
                             dir.file("z5.ini") + " --list README.TXT >/dev/null 2>&1")
                .status,
            0);
  EXPECT_EQ(test::readFile(dataHome + "/userpts.txt"), "My buoy\n50-00N\n001-00W\n");
  EXPECT_TRUE(fs::exists(dataHome + "/chart.dat"));
}

}  // namespace
}  // namespace z5
