#pragma once
// A map document: the map window of a route. Its file is a placeholder in
// the home directory (see MapPlaceholder); the picture itself lives in the
// window and is never saved.

#include <string>

#include "editor/Document.h"

namespace z5 {

class RouteDocument;

class MapDocument final : public Document {
 public:
  static constexpr const char* kTitleFormat = "Map of: %s";

  MapDocument(std::string placeholderPath, std::string routeFileName);

  DocumentKind kind() const override { return DocumentKind::Map; }
  // "Map of: " and the route file name.
  std::string title() const override;

  const std::string& routeFileName() const { return routeFileName_; }
  void setRouteFileName(std::string name) { routeFileName_ = std::move(name); }
  RouteDocument* routeLink() const { return routeLink_; }

  // The picture's size, pixels.
  int pictureWidth() const { return pictureWidth_; }
  int pictureHeight() const { return pictureHeight_; }
  void setPictureSize(int width, int height) {
    pictureWidth_ = width;
    pictureHeight_ = height;
  }

 private:
  friend class DocumentLinks;

  std::string routeFileName_;
  RouteDocument* routeLink_ = nullptr;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
};

}  // namespace z5
