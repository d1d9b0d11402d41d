// What a run shows of the route's own text on the terminal: the line in
// error, with its control characters escaped.

#include <gtest/gtest.h>

#include <string>

#include "ProgramRun.h"
#include "TempDir.h"

namespace z5 {
namespace {

TEST(RouteTextCli, ControlCharactersOfARouteLineNeverReachTheTerminal) {
  test::TempDir dir;
  // An ESC sequence that would set the terminal's title, and a C1 control
  // (CSI) in a Latin-1 line.
  dir.write("title.txt", "Lizard\n\x1B]0;owned\x07\n005-12W\n");
  dir.write("latin.txt", "Lizard\n49-55\x9B" "2J\n005-12W\n");
  auto list = [&](const std::string& route) {
    return test::runProgram("cd " + dir.path().string() + " && " Z5_PROGRAM " --home " Z5_DATA_DIR " --settings " +
                            dir.file("z5.ini") + " --list " + route + " 2>&1");
  };
  const test::ProgramRun title = list("title.txt");
  EXPECT_EQ(title.status, 1);
  EXPECT_EQ(title.output.find('\x1B'), std::string::npos) << title.output;
  EXPECT_NE(title.output.find("title.txt:2: \\x1B]0;owned\\x07"), std::string::npos) << title.output;

  const test::ProgramRun latin = list("latin.txt");
  EXPECT_EQ(latin.status, 1);
  EXPECT_EQ(latin.output.find('\x9B'), std::string::npos) << latin.output;
  EXPECT_NE(latin.output.find("latin.txt:2: 49-55\\u009B2J"), std::string::npos) << latin.output;
}

}  // namespace
}  // namespace z5
