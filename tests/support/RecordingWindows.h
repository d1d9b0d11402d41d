#pragma once
// Document windows for tests: every request is kept as a line of text
// ("opened passage.txt", "select passage.txt:4:!SPEED fast"), "Save As"
// answers come from a queue, and painting the map runs a hook.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/DocumentWindows.h"
#include "editor/MapDocument.h"
#include "editor/RouteDocument.h"

namespace z5::test {

class RecordingWindows final : public DocumentWindows {
 public:
  void opened(Document& d) override { record("opened " + name(d)); }
  void closing(Document& d) override { record("closing " + name(d)); }
  void bringForward(Document& d) override { record("forward " + name(d)); }
  void textChanged(RouteDocument& d) override { record("text " + name(d)); }
  void selectLine(RouteDocument& d, int line, const std::string& text) override {
    record("select " + name(d) + ":" + std::to_string(line) + ":" + text);
  }
  std::optional<std::string> askSaveAsName(const RouteDocument& d, const std::string& directory,
                                           const std::string& pattern) override {
    record("save as " + name(d) + " in " + directory + " " + pattern);
    if (saveAsAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = saveAsAnswers.front();
    saveAsAnswers.pop_front();
    return answer;
  }
  void renderMap(MapDocument& map) override {
    record("render " + name(map));
    if (paint) paint(map);
  }
  void showStatus(const std::string& text) override { status = text; }

  // The lines recorded since the last call.
  std::vector<std::string> take() { return std::exchange(calls, {}); }

  std::vector<std::string> calls;
  std::deque<std::optional<std::string>> saveAsAnswers;
  std::function<void(MapDocument&)> paint;
  std::string status;

 private:
  // A document by its file name, or its title when it has none.
  static std::string name(const Document& d) {
    const std::string& path = d.path();
    return path.empty() ? d.title() : path.substr(path.find_last_of('/') + 1);
  }
  void record(std::string line) { calls.push_back(std::move(line)); }
};

}  // namespace z5::test
