// The route editor on texts up to the editor's limit (1 MB): one keystroke
// (the document is told, not copied), one keystroke followed by the
// program reading the text (what an extraction after typing costs), and
// opening the text in an editor (laid out and coloured). A keystroke must
// not grow with the text; reading it grows linearly, never quadratically.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include <QApplication>
#include <QTest>

#include "app/Z5App.h"
#include "base/Clock.h"
#include "base/SettingsStore.h"
#include "base/SilentHost.h"
#include "editor/RouteDocument.h"
#include "ui/EditorView.h"

namespace {

using namespace z5;

QApplication& application() {
  static int argc = 1;
  static char name[] = "bench_editor";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

// A route of `bytes` bytes: three-line waypoints with a directive between.
std::string routeText(std::size_t bytes) {
  constexpr const char* kWaypoint = "BISHOP ROCK\n49-50.00N\n006-35.00W\n!SPEED 12.5\n";
  std::string text;
  while (text.size() < bytes) text += kWaypoint;
  text.resize(bytes);
  return text;
}

struct Rig {
  explicit Rig(std::size_t bytes) : app(host, store, clock), document("/tmp/bench.txt", routeText(bytes)) {
    application();
  }
  SilentHost host;
  MemorySettingsStore store;
  SystemClock clock;
  Z5App app;
  RouteDocument document;
};

// An editor on screen, the caret on a latitude line. (Typing on the text's
// widest line and shortening it again makes Qt measure every line anew, as
// its unwrapped layout looks for the new widest one.)
struct ShownEditor {
  explicit ShownEditor(Rig& rig) : view(rig.app, rig.document) {
    view.resize(800, 600);
    view.show();
    view.moveCursor(QTextCursor::Start);
    view.moveCursor(QTextCursor::Down);
    QApplication::processEvents();
  }
  EditorView view;
};

void Keystroke(benchmark::State& state) {
  Rig rig(static_cast<std::size_t>(state.range(0)));
  ShownEditor shown(rig);
  EditorView& view = shown.view;
  for (auto _ : state) {
    QTest::keyClick(&view, Qt::Key_X);
    QTest::keyClick(&view, Qt::Key_Backspace);
  }
  state.SetLabel("two keys a round");
}
// 64 KB, 256 KB and a text just inside the editor's limit.
void TextSizes(benchmark::internal::Benchmark* b) {
  b->Arg(64 << 10)->Arg(256 << 10)->Arg(static_cast<int64_t>(RouteDocument::kTextLimit) - 16);
}

BENCHMARK(Keystroke)->Apply(TextSizes)->Unit(benchmark::kMicrosecond);

void KeystrokeThenRead(benchmark::State& state) {
  Rig rig(static_cast<std::size_t>(state.range(0)));
  ShownEditor shown(rig);
  EditorView& view = shown.view;
  for (auto _ : state) {
    QTest::keyClick(&view, Qt::Key_X);
    benchmark::DoNotOptimize(rig.document.text().size());
    QTest::keyClick(&view, Qt::Key_Backspace);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(KeystrokeThenRead)->Apply(TextSizes)->Unit(benchmark::kMillisecond);

void OpenInEditor(benchmark::State& state) {
  Rig rig(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    EditorView view(rig.app, rig.document);
    benchmark::DoNotOptimize(view.blockCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(OpenInEditor)->Apply(TextSizes)->Unit(benchmark::kMillisecond);

}  // namespace
