#pragma once
// The open documents: route and output texts and maps, which of them is
// active, and the current route file (`DATA_FILE`, the last route opened or
// extracted). The set owns the documents; the windows hold pointers to them
// that stay valid until DocumentWindows::closing.

#include <memory>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "base/SettingsRecord.h"
#include "editor/DocumentWindows.h"
#include "editor/MapDocument.h"
#include "editor/RouteDocument.h"

namespace z5 {

// Error string of a file that cannot be opened (its name), and how long it shows.
inline constexpr int kErrorCannotOpen = 2;
inline constexpr int kCannotOpenMs = 3000;

class DocumentSet {
 public:
  DocumentSet(SettingsRecord& settings, Messages& messages);
  DocumentSet(const DocumentSet&) = delete;
  DocumentSet& operator=(const DocumentSet&) = delete;
  ~DocumentSet();

  // The windows that show the documents; none until the desktop attaches its own.
  void attachWindows(DocumentWindows& windows) { windows_ = &windows; }
  DocumentWindows& windows() { return *windows_; }

  // The text document of the file at `path`: the open one (brought
  // forward), else the file read into a new one, which becomes active.
  // Opening a file that is not an output document makes it the current
  // route file, unless it is only shown (`asRoute` false: the readme, the
  // file of an error). A file that cannot be read shows error string 2 with
  // the path for 3 s, one larger than an editor holds error string 15: nullptr.
  RouteDocument* openText(const std::string& path, bool asRoute = true);
  // The same, but an open document of that file is closed first (its
  // links cleared) and the file read again.
  RouteDocument* reopenText(const std::string& path, bool asRoute = true);
  // A new, untitled text, active.
  RouteDocument& newText();
  // The map document of the placeholder `path`: the open one, else a new
  // one, showing `routeFileName`; it becomes active.
  MapDocument& openMap(const std::string& path, const std::string& routeFileName);

  // Closes the document: its links are cleared from both ends, its window
  // is told, and it is destroyed.
  void close(Document& document);

  // Writes the text to `path` (the document's own path when empty), whole
  // or not at all, never over the file of another open document; then the
  // document carries that path. False with a message in the message window
  // when it cannot be written.
  bool save(RouteDocument& document, const std::string& path = {});

  // The window system made `document` the active one.
  void activate(Document& document) { active_ = &document; }
  Document* active() const { return active_; }
  RouteDocument* activeText() const;  // route or output
  MapDocument* activeMap() const;

  // The route document of the active window: a route itself; an output's
  // route (opened again from its stored name, and linked, when its window
  // was closed); a map's route (likewise from the route file it shows).
  // nullptr when there is none.
  RouteDocument* activeRouteDocument();

  RouteDocument* findText(const std::string& path) const;
  MapDocument* findMap(const std::string& path) const;
  // The map document that shows the live picture (the last map drawn).
  MapDocument* liveMap() const { return liveMap_; }
  void setLiveMap(MapDocument* map) { liveMap_ = map; }

  const std::vector<std::unique_ptr<Document>>& documents() const { return documents_; }
  bool empty() const { return documents_.empty(); }

 private:
  RouteDocument* readText(const std::string& path, bool asRoute);
  RouteDocument* reopenRouteOf(const std::string& routeName);
  template <class D>
  D& add(std::unique_ptr<D> document);

  SettingsRecord& settings_;
  Messages& messages_;
  NoDocumentWindows noWindows_;
  DocumentWindows* windows_ = &noWindows_;
  std::vector<std::unique_ptr<Document>> documents_;
  Document* active_ = nullptr;
  MapDocument* liveMap_ = nullptr;
};

}  // namespace z5
