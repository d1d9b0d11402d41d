// test_locale: the process made the way a user's desktop makes it under a
// comma-decimal locale. LC_ALL names the locale, the Qt application object
// constructed first applies it (Qt calls setlocale(LC_ALL, "")), and the
// global C++ locale follows it as a library might set it. The suites
// compiled into test_locale (tests/CMakeLists.txt) then run unchanged:
// routes, settings, prompt answers, reports against their goldens, maps and
// receiver logs must come out as they do in the "C" locale. The tests here
// add what those suites do not ask: decimal prompt answers, and one map
// painted in both locales.

#include <gtest/gtest.h>

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <memory>
#include <string>

#include "CommaDecimalLocale.h"
#include "FixedClock.h"
#include "ScriptedHost.h"
#include "TempDir.h"
#include "TimesFixture.h"
#include "app/VoyageEngine.h"
#include "app/Z5App.h"
#include "base/SettingsStore.h"
#include "nav/GreatCircleSetup.h"
#include "nav/TimeCommands.h"
#include "ui/MapImage.h"

namespace z5 {
namespace {

// Stops the whole program: a test reported as skipped, or run in the "C"
// locale, would pass without proving anything.
[[noreturn]] void refuseToRun(const std::string& why) {
  std::fprintf(stderr, "test_locale: %s\n", why.c_str());
  std::exit(EXIT_FAILURE);
}

class CommaDecimalDesktop : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!test::commaDecimalLocaleInstalled()) {
      refuseToRun(std::string("the locale ") + test::kCommaDecimalLocale +
                  " is not installed: run make deps (Debian locales-all)");
    }
    setenv("LC_ALL", test::kCommaDecimalLocale, 1);
    application_ = std::make_unique<QApplication>(argc_, argv_);
    std::locale::global(std::locale(""));
    if (!test::commaDecimalsInEffect()) refuseToRun("the process does not use decimal commas after Qt's start");
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[12] = "test_locale";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kDesktop =
    ::testing::AddGlobalTestEnvironment(new CommaDecimalDesktop);

// What `run` gives in the "C" locale; the comma-decimal locale is back after it.
template <class Run>
auto inTheCLocale(Run run) {
  std::setlocale(LC_ALL, "C");
  std::locale::global(std::locale::classic());
  auto result = run();
  std::setlocale(LC_ALL, "");
  std::locale::global(std::locale(""));
  return result;
}

TEST(CommaDecimalDesktop, TheProcessReadsAndWritesDecimalCommas) { EXPECT_TRUE(test::commaDecimalsInEffect()); }

TEST(CommaDecimalPrompts, DecimalAnswersAreReadWithAPointOrAComma) {
  test::TimesFixture f;
  f.add(0);
  f.add(100);
  f.fillDistanceToGo();
  f.answers({"12.5"});  // strtod in this locale read 12 and refused the rest
  ASSERT_EQ(askFileSpeed(f.nav), 1);
  EXPECT_EQ(f.voyage.fileSpeed, 12.5);
  f.answers({"7,25"});
  ASSERT_EQ(askFileSpeed(f.nav), 1);
  EXPECT_EQ(f.voyage.fileSpeed, 7.25);

  f.answers({"7.5", "2.5", "60.5"});  // great-circle step, least saving, limiting latitude
  ASSERT_EQ(setUpGreatCircle(f.nav, false), 1);
  EXPECT_EQ(f.settings.greatCircle.step, 7.5);
  EXPECT_EQ(f.settings.greatCircle.minimumSaving, 2.5);
  EXPECT_EQ(f.settings.greatCircle.limit, 60.5);
}

TEST(CommaDecimalMap, TheVoyageAndItsMapAreTheSameAsInTheCLocale) {
  const auto paint = [] {
    test::ScriptedHost host;
    MemorySettingsStore store;
    test::FixedClock clock;
    Z5App app(host, store, clock);
    EXPECT_TRUE(app.startUp(Z5_DATA_DIR));
    const std::string route = test::readFile(std::string(Z5_FIXTURES_DIR) + "/maps/arctic.txt");
    EXPECT_EQ(VoyageEngine(app).extractRoute(route, "arctic.txt"), kVoyageBuilt);
    return renderMapImage(app, 640, 480);
  };
  const MapImage comma = paint();
  const MapImage plain = inTheCLocale(paint);
  ASSERT_EQ(comma.result, kMapPainted);
  EXPECT_EQ(comma.result, plain.result);
  EXPECT_TRUE(comma.image == plain.image);
}

}  // namespace
}  // namespace z5
