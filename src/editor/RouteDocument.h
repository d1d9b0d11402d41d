#pragma once
// A text document: a route, or an output file made from one (its name ends
// in ".OUT", any case). The text is the editor's; the document knows
// whether it changed since it was saved and since the voyage was extracted
// from it, and which output and map documents belong to it.

#include <string>
#include <string_view>

#include "editor/Document.h"
#include "editor/DocumentMapView.h"

namespace z5 {

class MapDocument;

// Where the current text lives while the user types: the editor window. The
// document takes the text from it only when someone asks for it, so that a
// keystroke costs no copy of the whole text.
class TextHolder {
 public:
  virtual ~TextHolder() = default;
  virtual std::string currentText() const = 0;
  // The document goes: the holder forgets it.
  virtual void documentGone() = 0;
};

class RouteDocument final : public Document {
 public:
  static constexpr const char* kUntitled = "Untitled";
  // The most text an editor holds (characters).
  static constexpr std::size_t kTextLimit = 0xfffff;

  explicit RouteDocument(std::string path = {}, std::string text = {});
  ~RouteDocument() override;

  DocumentKind kind() const override;
  // The file name without its directory; "Untitled" before the first save.
  std::string title() const override;
  // The name a header or a message gives it: its path, or its title.
  std::string displayName() const;

  // The text, taken from the holder first when it changed there.
  const std::string& text() const;
  // The user changed the text: it is modified and no longer extracted.
  void edit(std::string text);
  // The user changed the text in `holder`, which keeps it until text() is
  // next asked for: modified and no longer extracted, at no cost.
  void editedIn(const TextHolder& holder);
  // The holder that shows the text, or nullptr: it is told when the
  // document goes, and forgets no edit it reported.
  void attachHolder(TextHolder* holder);
  // The program adds to the end of the text (an edit as any other).
  void append(std::string_view text);

  bool modified() const { return modified_; }
  // The text is on disk under `path` now. Saving a modified text also
  // clears the extracted flag.
  void saved(std::string path);

  bool extracted() const { return extracted_; }
  void setExtracted(bool extracted) { extracted_ = extracted; }
  // The engine's result of the last extraction of this text.
  int extractionResult() const { return extractionResult_; }
  void setExtractionResult(int result) { extractionResult_ = result; }

  // An output document: the route it was made from (a link while both are
  // open), that route's file name, and the format it was written in (0 none).
  RouteDocument* routeLink() const { return routeLink_; }
  const std::string& routeName() const { return routeName_; }
  int outputFormat() const { return outputFormat_; }

  // A route document: its current output document and its map.
  RouteDocument* outputLink() const { return outputLink_; }
  MapDocument* mapLink() const { return mapLink_; }

  // Its own copy of the map view settings.
  DocumentMapView& mapView() { return mapView_; }
  const DocumentMapView& mapView() const { return mapView_; }

 private:
  friend class DocumentLinks;

  mutable std::string text_;
  mutable const TextHolder* editedIn_ = nullptr;  // the text there is newer than text_
  TextHolder* holder_ = nullptr;
  bool modified_ = false;
  bool extracted_ = false;
  int extractionResult_ = 0;
  RouteDocument* routeLink_ = nullptr;
  std::string routeName_;
  int outputFormat_ = 0;
  RouteDocument* outputLink_ = nullptr;
  MapDocument* mapLink_ = nullptr;
  DocumentMapView mapView_;
};

}  // namespace z5
