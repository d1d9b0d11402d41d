// The questions for the delimiting character and the rounding: what they
// take and what they ask again.

#include "commands/SettingPrompts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ScriptedHost.h"
#include "base/Messages.h"
#include "base/StringTable.h"

namespace z5 {
namespace {

struct Prompts : ::testing::Test {
  test::ScriptedHost host;
  StringTable strings;
  Messages messages{host, strings};
  SettingsRecord settings;
};

struct SeparatorRow {
  const char* legend;  // the fault the row would catch
  std::vector<std::optional<std::string>> answers;
  int expected;
  std::size_t questions;
};

const SeparatorRow kSeparatorRows[] = {
    {"a typed character not taken as itself", {";"}, ';', 1},
    {"a space trimmed away", {" "}, ' ', 1},
    {"a code not read as a number (9 is the tab)", {"9"}, '\t', 1},
    {"a line-end code accepted, breaking every delimited line", {"10", "13", "|"}, '|', 3},
    {"a code outside 1..255 accepted", {"0", "256", "#"}, '#', 3},
    {"two characters taken as one", {"ab", ":"}, ':', 2},
    {"cancel changing the separator", {std::nullopt}, ',', 1},
    {"an empty answer changing the separator", {""}, ',', 1},
};

TEST_F(Prompts, SeparatorIsACharacterOrItsCodeAndNeverALineEnd) {
  for (const SeparatorRow& row : kSeparatorRows) {
    settings.SEPARATOR_CHAR = ',';
    host.prompts.clear();
    for (const auto& a : row.answers) host.answer(a);
    askSeparatorCharacter(settings, messages);
    EXPECT_EQ(settings.SEPARATOR_CHAR, row.expected) << row.legend;
    EXPECT_EQ(host.prompts.size(), row.questions) << row.legend;
    EXPECT_TRUE(host.answers.empty()) << row.legend;
    host.answers.clear();
  }
}

TEST_F(Prompts, SeparatorOffersTheCharacterOrTheCodeOfAnInvisibleOne) {
  settings.SEPARATOR_CHAR = ';';
  host.answer(std::nullopt);
  askSeparatorCharacter(settings, messages);
  settings.SEPARATOR_CHAR = '\t';
  host.answer(std::nullopt);
  askSeparatorCharacter(settings, messages);
  EXPECT_EQ(host.offered, (std::vector<std::string>{";", "9"}));
}

TEST_F(Prompts, RoundingTextFollowsEveryChangeAlsoTheResetToOneMinute) {
  host.answer("15");
  EXPECT_TRUE(askRounding(settings, messages));
  EXPECT_EQ(settings.roundingText, "15");
  host.answer("n");
  EXPECT_TRUE(askRounding(settings, messages));
  EXPECT_EQ(settings.ROUNDING, 1);
  EXPECT_EQ(settings.roundingText, "1");
  host.answer("61");
  host.answer("0");
  host.answer(std::nullopt);
  EXPECT_FALSE(askRounding(settings, messages));
  EXPECT_EQ(settings.ROUNDING, 1);
}

}  // namespace
}  // namespace z5
