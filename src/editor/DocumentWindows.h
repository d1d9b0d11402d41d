#pragma once
// What the core asks of the windows that show the documents. The desktop
// program implements it with its editor and map sub-windows; headless runs
// and tests with NoDocumentWindows or a recording stand-in. Every call is a
// request the window carries out; none of them changes a document.

#include <optional>
#include <string>

namespace z5 {

class Document;
class MapDocument;
class RouteDocument;

class DocumentWindows {
 public:
  virtual ~DocumentWindows() = default;

  // The document was opened (or opened again from its file): show it in a
  // window of its own and bring that window to the front.
  virtual void opened(Document& document) = 0;
  // The document is about to close: its window goes (the document is
  // destroyed right after the call).
  virtual void closing(Document& document) = 0;
  // Bring the document's window to the front.
  virtual void bringForward(Document& document) = 0;
  // The program changed the text (appended to it): the editor shows the
  // new text with the caret at its end.
  virtual void textChanged(RouteDocument& document) = 0;
  // Bring the editor forward, put the caret at the start of `line`
  // (counted from 1), scroll it into view and select `lineText` searching
  // forward from there, matching case.
  virtual void selectLine(RouteDocument& document, int line, const std::string& lineText) = 0;
  // The "Save As" file dialog for `document`, opened in `directory` with
  // the file pattern `pattern`. The chosen path, or nullopt when cancelled.
  virtual std::optional<std::string> askSaveAsName(const RouteDocument& document, const std::string& directory,
                                                   const std::string& pattern) = 0;
  // Render the live map (the map view state is set) into the map's window
  // and show it.
  virtual void renderMap(MapDocument& map) = 0;
  // The text of the main frame's status bar.
  virtual void showStatus(const std::string& text) = 0;
};

// No windows: a headless run. Nothing is shown and no file name is chosen.
// Stand-ins that show only some documents override what they show.
class NoDocumentWindows : public DocumentWindows {
 public:
  void opened(Document&) override {}
  void closing(Document&) override {}
  void bringForward(Document&) override {}
  void textChanged(RouteDocument&) override {}
  void selectLine(RouteDocument&, int, const std::string&) override {}
  std::optional<std::string> askSaveAsName(const RouteDocument&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void renderMap(MapDocument&) override {}
  void showStatus(const std::string&) override {}
};

}  // namespace z5
