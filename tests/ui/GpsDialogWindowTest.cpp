// The "Z5 GPS " window on the real monitor: a recorded receiver replayed
// through a pseudo-terminal reaches the window through the reader's
// wake-up and the idle pass, with a goto waypoint chosen; the buttons and
// the window's own close ask for their commands.

#include "ui/GpsDialogWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "../gps/RecordedLogs.h"
#include "DeskDialogBench.h"
#include "PtyPair.h"
#include "commands/IdleWork.h"
#include "ui/QtText.h"

namespace z5 {
namespace {

// The commands' windows as the main window has them: the GPS dialog is the
// real window, nothing else is asked for here.
class GpsWindows final : public CommandWindows {
 public:
  explicit GpsWindows(GpsDialogWindow& window) : window_(window) {}
  void runSettingsSheet(SettingsSheet&) override {}
  bool runColourDialog(SettingsRecord&) override { return false; }
  void gpsDialogChanged(const GpsDialog& dialog) override { window_.show(dialog); }
  void insertAtCaret(std::string_view) override {}
  bool openOnDesktop(const std::string&) override { return false; }
  std::optional<std::string> askOpenName(const std::string&, std::string_view) override { return std::nullopt; }
  void runFrameCommand(FrameCommand, int) override {}
  FrameConditions frameConditions() const override { return {}; }

 private:
  GpsDialogWindow& window_;
};

// Two waypoints across the IJsselmeer, where the recorded boat sails.
constexpr const char* kIjsselmeerRoute = "Stavoren\n52-53.0N\n005-21.0E\nEnkhuizen\n52-42.0N\n005-17.0E\n";
constexpr int kFixesReplayed = 12;

// The monitor reading the recorded B&G plotter, its dialog the real window.
struct GpsReplayDesk final : test::DeskDialogBench {
  GpsReplayDesk() {
    clock.set(ClockTime{2018, 8, 20, 11, 47, 0, 1}, ClockTime{2018, 8, 20, 9, 47, 0, 1});
    QObject::connect(&window, &GpsDialogWindow::commandRequested, &window,
                     [this](int id) { runCommand(gpsCommands, id); });
    // The reader thread never touches the window: its wake-up is queued.
    app.gps().setWakeUp([this] {
      QMetaObject::invokeMethod(&window, [this] { runIdleWork(gpsCommands); }, Qt::QueuedConnection);
    });
  }
  ~GpsReplayDesk() override { app.gps().stop(); }
  void TestBody() override {}

  // Starts the monitor, chooses Enkhuizen and replays the log up to its
  // kFixesReplayed-th fix; the UTC time of that fix as shown.
  QString replay() {
    openRoute("IJSSEL.TXT", kIjsselmeerRoute);
    EXPECT_TRUE(runCommand(gpsCommands, cmd::kExtractRoute));
    app.settings().GPS_PORT = receiver.slaveName();
    EXPECT_TRUE(runCommand(gpsCommands, cmd::kGpsEnable));
    EXPECT_TRUE(app.gps().running()) << said();
    host.answer("2");  // chosen after the start, which resets the choice
    EXPECT_TRUE(runCommand(gpsCommands, cmd::kGotoWaypoint));
    int fixes = 0;
    std::string lastTime;
    for (const test::LogLine& line : test::receiverLines("bundg_zeus_9.log")) {
      receiver.write(line.text);
      if (line.text.starts_with("$GPRMC") && ++fixes == kFixesReplayed) {
        lastTime = line.text.substr(7, 6);
        break;
      }
    }
    return QString::fromStdString(fmt::format("{}:{}:{}.00", lastTime.substr(0, 2), lastTime.substr(2, 2),
                                              lastTime.substr(4, 2)));
  }

  GpsDialogWindow window{nullptr};
  GpsWindows windows{window};
  AppCommands gpsCommands{app, windows};
  test::PtyPair receiver;
};

TEST(GpsDialogWindow, ShowsAFixReplayedThroughAPseudoTerminalWithTheGotoWaypoint) {
  GpsReplayDesk desk;
  ASSERT_TRUE(desk.receiver.ok());
  const QString lastTime = desk.replay();
  ASSERT_TRUE(desk.window.isVisible()) << "\"&GPS Enable\" shows the dialog";
  QTRY_COMPARE_WITH_TIMEOUT(desk.window.shownText(1100), lastTime, 10000);
  const GpsDialog& model = desk.gpsCommands.gpsDialog();
  for (const GpsDialog::ControlText& text : model.texts()) {
    EXPECT_EQ(desk.window.shownText(text.control), toQString(text.text)) << "control " << text.control;
  }
  EXPECT_EQ(desk.window.shownText(1115), QStringLiteral("2"));
  EXPECT_TRUE(desk.window.shownText(1128).startsWith(QStringLiteral("Enkhuizen")));
  EXPECT_TRUE(desk.window.shownText(1101).startsWith(QStringLiteral("52-5"))) << "the fix's latitude";
  EXPECT_TRUE(desk.window.shownText(1120).endsWith(QStringLiteral(" NM"))) << "the RL distance to Enkhuizen";
  EXPECT_FALSE(desk.window.shownText(1118).isEmpty()) << "the leg from Stavoren gives a cross-track error";
  EXPECT_TRUE(desk.window.receivedBox()->isChecked());
  EXPECT_EQ(desk.window.unitBox()->isChecked(), desk.app.settings().GPS_SMG_CMG != 0);
}

TEST(GpsDialogWindow, ButtonsTheUnitBoxAndClosingAskForTheirCommands) {
  test::widgetApplication();
  GpsDialogWindow window(nullptr);
  window.QDialog::show();
  QSignalSpy asked(&window, &GpsDialogWindow::commandRequested);
  for (const GpsDialog::Button& button : GpsDialog::kButtons) {
    SCOPED_TRACE(std::string(button.text));
    QAbstractButton* control = button.command == cmd::kUnitSmgCmg
                                   ? static_cast<QAbstractButton*>(window.unitBox())
                                   : test::findButton(window, toQString(button.text));
    ASSERT_NE(control, nullptr);
    control->click();
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_EQ(asked.takeLast().at(0).toInt(), button.command);
  }
  window.close();
  ASSERT_EQ(asked.size(), 1) << "closing the window is \"&Hide\"";
  EXPECT_EQ(asked.takeLast().at(0).toInt(), cmd::kHideGpsDialog);
  EXPECT_TRUE(window.isVisible()) << "the model hides it, not the close";
  QTest::keyClick(&window, Qt::Key_Escape);
  ASSERT_EQ(asked.size(), 1) << "Escape is \"&Hide\" too";
  EXPECT_EQ(asked.takeLast().at(0).toInt(), cmd::kHideGpsDialog);
}

TEST(Screenshots, GpsDialog) {
  GpsReplayDesk desk;
  ASSERT_TRUE(desk.receiver.ok());
  const QString lastTime = desk.replay();
  QTRY_COMPARE_WITH_TIMEOUT(desk.window.shownText(1100), lastTime, 10000);
  EXPECT_TRUE(test::saveScreenshot(desk.window, QStringLiteral("GpsDialog")));
}

}  // namespace
}  // namespace z5
