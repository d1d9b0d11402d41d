#include "charts/SetChartScaleLimits.h"

#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "route/Voyage.h"

namespace z5 {
namespace {

class ScaleLimitsTest : public ::testing::Test {
 protected:
  int run() {
    return SetChartScaleLimits(limits_, messages_, [this] {
      ++extractions_;
      return extractionResult_;
    });
  }

  test::ScriptedHost host_;
  StringTable strings_;
  Messages messages_{host_, strings_};
  ChartScaleLimits limits_;
  int extractions_ = 0;
  int extractionResult_ = 0;
};

TEST_F(ScaleLimitsTest, AsksAgainUntilEachLimitIsInItsRange) {
  host_.answer("4999");     // below 5000
  host_.answer("9000000");  // not below the upper limit
  host_.answer("abc");      // not a number
  host_.answer("20000");
  host_.answer("20000");    // not above the lower limit
  host_.answer("9000001");  // above 9000000
  host_.answer("3500000");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(limits_.lower, 20000);
  EXPECT_EQ(limits_.lowerText, "20000");
  EXPECT_EQ(limits_.upper, 3500000);
  EXPECT_EQ(limits_.upperText, "3500000");
  EXPECT_EQ(extractions_, 1);
  ASSERT_EQ(host_.prompts.size(), 7u);
  EXPECT_EQ(host_.prompts[0], strings_.prompt(kPromptLowerScale, std::string("5000"), std::string("9000000"),
                                               std::string("5000")));
  EXPECT_EQ(host_.offered[0], "5000");
  EXPECT_EQ(host_.prompts[4], strings_.prompt(kPromptUpperScale, std::string("20000"), std::string("9000000"),
                                               std::string("9000000")));
  EXPECT_EQ(host_.offered[4], "9000000");
  EXPECT_NE(messages_.text().find("Chart scale limits: 1/20000 - 1/3500000"), std::string::npos);
}

TEST_F(ScaleLimitsTest, EmptyAnswersKeepTheLimitsWithoutExtracting) {
  host_.answer("");
  host_.answer("");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(limits_.lower, 5000);
  EXPECT_EQ(limits_.upper, 9000000);
  EXPECT_EQ(extractions_, 0);
  EXPECT_NE(messages_.text().find("Chart scale limits: 1/5000 - 1/9000000"), std::string::npos);
}

TEST_F(ScaleLimitsTest, CancelEndsTheCommand) {
  host_.answer(std::nullopt);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(limits_.lower, 5000);
  EXPECT_EQ(host_.prompts.size(), 1u);
  EXPECT_TRUE(messages_.text().empty());
}

TEST_F(ScaleLimitsTest, AFatalExtractionEndsTheCommandBeforeTheMessage) {
  extractionResult_ = kFatal;
  host_.answer("6000");
  host_.answer("");
  EXPECT_EQ(run(), 1);
  EXPECT_EQ(extractions_, 1);
  EXPECT_EQ(messages_.text().find("Chart scale limits"), std::string::npos);
}

}  // namespace
}  // namespace z5
