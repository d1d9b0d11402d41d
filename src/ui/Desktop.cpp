#include "ui/Desktop.h"

#include <filesystem>
#include <utility>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include "app/AppCommands.h"
#include "commands/CommandHelpers.h"
#include "ui/DocumentArea.h"
#include "ui/QtHost.h"
#include "ui/SplashWindow.h"

namespace z5 {
namespace {

constexpr int kPopupPollMs = 50;
enum ExitStatus { kDone = 0, kStartFailed = 1 };

// A route named without a directory that is not in the current directory
// is looked for in the home directory.
std::string routePath(const Z5App& app, const std::string& route) {
  std::error_code error;
  if (route.find('/') != std::string::npos || std::filesystem::exists(route, error)) return route;
  const std::string inHome = app.homeFile(route);
  return std::filesystem::exists(inHome, error) ? inHome : route;
}

// The start-up benchmark's end: the program quits once the main window has
// painted itself for the first time.
class QuitAfterFirstPaint final : public QObject {
 public:
  explicit QuitAfterFirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return false;
  }
};

}  // namespace

Desktop::Desktop(SettingsStore& store, const Clock& clock) : store_(store), app_(window_.host(), store, clock) {}

Desktop::~Desktop() { shutDown(); }

bool Desktop::start(const DesktopStart& start) {
  window_.readProfile(store_);
  window_.showPlaced();
  if (start.splash && !window_.isMinimized()) {
    auto* splash = new SplashWindow(&window_);
    window_.host().setSplashWindow(splash);
    splash->showOverMainWindow();
  }
  window_.attach(app_);
  if (!app_.startUp(start.programDirectory)) {
    waitForPopups();
    return false;
  }
  if (start.route && !openCommandLineRoute(*start.route)) {
    waitForPopups();
    return false;
  }
  if (!openStartDocument()) return false;
  app_.startGpsAtStart();
  if (app_.gps().running()) cmd::showGpsDialog(window_.commands(), true);
  window_.scheduleIdleWork();
  started_ = true;
  return true;
}

bool Desktop::openCommandLineRoute(const std::string& route) {
  return app_.documents().openText(routePath(app_, route)) != nullptr;
}

// DATA_FILE extracted with its waypoints listed, or the readme shown.
bool Desktop::openStartDocument() {
  const Z5App::StartDocument start = app_.startDocument();
  RouteDocument* document = app_.documents().openText(start.path, start.isRoute);
  if (document == nullptr || !start.isRoute) return true;
  const Z5App::StartExtraction extraction = app_.extractStartDocument();
  if (extraction.result == kFatal) return false;
  document->setExtracted(true);
  document->setExtractionResult(extraction.result);
  if (extraction.selection) {
    window_.documentArea().selectLine(*document, extraction.selection->line, extraction.selection->lineText);
  }
  return true;
}

// A start-up that fails ends only when its message has had its time.
void Desktop::waitForPopups() {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (!window_.host().popupShowing()) loop.quit();
  });
  poll.start(kPopupPollMs);
  if (window_.host().popupShowing()) loop.exec();
}

// A start-up that failed writes nothing back: the settings may be half loaded.
void Desktop::shutDown() {
  if (std::exchange(shutDown_, true)) return;
  if (started_) {
    app_.shutDown();
    if (!app_.settings().noSave) window_.writeProfile(store_);
  } else {
    app_.gps().stop();
  }
  window_.discardDocuments();
}

int runDesktop(SettingsStore& store, const Clock& clock, const DesktopStart& start) {
  Desktop desktop(store, clock);
  if (!desktop.start(start)) return kStartFailed;
  if (qEnvironmentVariableIsSet("Z5_QUIT_AFTER_FIRST_PAINT")) new QuitAfterFirstPaint(desktop.window());
  QApplication::exec();
  desktop.shutDown();
  return kDone;
}

}  // namespace z5
