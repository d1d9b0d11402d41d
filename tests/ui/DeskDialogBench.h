#pragma once
// The dialogs on the desk of the command tests: the application with its
// commands on a scripted host, and the one QApplication of the program.

#include "../commands/CommandBench.h"
#include "DialogTesting.h"

namespace z5::test {

struct DeskDialogBench : CommandBench {
  DeskDialogBench() { widgetApplication(); }
};

// The same desk inside a plain TEST: the screenshot tests of every window
// share the suite "Screenshots", so none of them may have a fixture.
struct ScreenshotDesk final : DeskDialogBench {
  void TestBody() override {}
};

}  // namespace z5::test
