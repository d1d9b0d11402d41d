// The message window, the pop-ups, the prompt dialog and the shared command
// helpers built on them.

#include "base/Messages.h"

#include <gtest/gtest.h>

#include "ScriptedHost.h"

namespace z5 {
namespace {

class MessagesTest : public ::testing::Test {
 protected:
  MessagesTest() : messages(host, strings) {}
  test::ScriptedHost host;
  StringTable strings;
  Messages messages;
};

TEST_F(MessagesTest, WindowTextHasCarriageReturnsBeforeLineFeeds) {
  messages.append("one\ntwo");
  messages.appendLine("three");
  EXPECT_EQ(messages.text(), "one\r\ntwo\r\nthree");
  EXPECT_EQ(host.windowText, messages.text());
  messages.clear();
  EXPECT_EQ(host.windowText, "");
}

TEST_F(MessagesTest, TimedMessageGoesToTheWindowAndAPopup) {
  messages.showMessage("Bad speed", 8000);
  EXPECT_EQ(messages.text(), "\r\nBad speed");
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_EQ(host.popups[0].text, "Bad speed");
  EXPECT_EQ(host.popups[0].milliseconds, 8000);
}

TEST_F(MessagesTest, SecondTimedMessageReplacesThePopupWithItsOwnTime) {
  messages.showMessage("first", 8000);
  messages.showMessage("second", 1000);
  ASSERT_EQ(host.popups.size(), 2u);
  EXPECT_EQ(host.popups[1].milliseconds, 1000);
  EXPECT_TRUE(host.popupOpen);
}

TEST_F(MessagesTest, QuietOrMinimisedTimedMessageOnlyAppends) {
  messages.setQuiet(true);
  messages.showMessage("while drawing", 3000);
  messages.setQuiet(false);
  host.minimised = true;
  messages.showMessage("while minimised", 3000);
  EXPECT_TRUE(host.popups.empty());
  EXPECT_EQ(messages.text(), "\r\nwhile drawing\r\nwhile minimised");
}

TEST_F(MessagesTest, NoticeIsFramedByLineEndsAndTitled) {
  messages.showNotice("GPS started");
  EXPECT_EQ(messages.text(), "\r\nGPS started\r\n");
  ASSERT_EQ(host.popups.size(), 1u);
  EXPECT_TRUE(host.popups[0].notice);
  EXPECT_EQ(host.popups[0].text, "Z5 - Brelland\nGPS started");
}

TEST_F(MessagesTest, MinimisedPromptReturnsAtOnceWithoutAsking) {
  host.minimised = true;
  std::string value = "12";
  EXPECT_FALSE(messages.prompt("Speed?", value, true));
  EXPECT_TRUE(host.prompts.empty());
  EXPECT_EQ(value, "12");
}

TEST_F(MessagesTest, PromptTrimsWhenAskedAndOffersTheCurrentValue) {
  std::string value = "10";
  host.answer("  12  ");
  EXPECT_TRUE(messages.prompt("Speed?", value, true));
  EXPECT_EQ(value, "12");
  EXPECT_EQ(host.offered[0], "10");
  host.answer("  12  ");
  EXPECT_TRUE(messages.prompt("Speed?", value, false));
  EXPECT_EQ(value, "  12  ");
}

TEST_F(MessagesTest, CancelledPromptEmptiesTheValue) {
  std::string value = "10";
  host.answer(std::nullopt);
  EXPECT_FALSE(messages.prompt("Speed?", value, true));
  EXPECT_EQ(value, "");
}

TEST_F(MessagesTest, PromptTextLineEndsAreExpanded) {
  std::string value;
  host.answer("x");
  messages.prompt("line one\nline two", value, true);
  EXPECT_EQ(host.prompts[0], "line one\r\nline two");
}

TEST_F(MessagesTest, ToggleFlipsTheFlagAndSaysSo) {
  int flag = 0;
  messages.toggle(flag, "Log track");
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(messages.text(), "\r\n" + messages.statusLine("Log track", strings.prompt(Messages::kOnText)));
  messages.toggle(flag, "Log track");
  EXPECT_EQ(flag, 0);
}

class IntegerPrompt : public MessagesTest {
 protected:
  int ask(int& value) { return messages.integerPrompt(20, value, 1, 50, 281, 280); }
};

TEST_F(IntegerPrompt, ValueOutsideTheBoundsIsAskedAgain) {
  int value = 10;
  host.answer("51");
  host.answer("0");
  host.answer("30");
  EXPECT_EQ(ask(value), 1);
  EXPECT_EQ(value, 30);
  EXPECT_EQ(host.prompts.size(), 3u);
  EXPECT_NE(messages.text().find(" 30"), std::string::npos);
}

TEST_F(IntegerPrompt, TheNumberTheAnswerStartsWithCountsAndAnAnswerWithoutOneIsAskedAgain) {
  int value = 10;
  host.answer("x");  // once read as 0, a value of these bounds
  host.answer("30 seconds");
  EXPECT_EQ(messages.integerPrompt(20, value, 0, 50, 281, 280), 1);
  EXPECT_EQ(value, 30);
  EXPECT_EQ(host.prompts.size(), 2u);
}

TEST_F(IntegerPrompt, AnswerNSetsTheResetValue) {
  int value = 10;
  host.answer("  no");
  EXPECT_EQ(ask(value), 1);
  EXPECT_EQ(value, 20);
  host.answer("N");
  EXPECT_EQ(ask(value), 0);  // already at the reset value
  EXPECT_EQ(messages.text(), "");
}

TEST_F(IntegerPrompt, EmptyCancelledOrUnchangedAnswerChangesNothing) {
  int value = 10;
  host.answer("");
  host.answer(std::nullopt);
  host.answer("10");
  EXPECT_EQ(ask(value), 0);
  EXPECT_EQ(ask(value), 0);
  EXPECT_EQ(ask(value), 0);
  EXPECT_EQ(value, 10);
}

}  // namespace
}  // namespace z5
