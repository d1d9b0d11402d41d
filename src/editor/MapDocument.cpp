#include "editor/MapDocument.h"

#include <fmt/printf.h>

namespace z5 {

MapDocument::MapDocument(std::string placeholderPath, std::string routeFileName)
    : Document(std::move(placeholderPath)), routeFileName_(std::move(routeFileName)) {}

std::string MapDocument::title() const { return fmt::sprintf(kTitleFormat, routeFileName_); }

}  // namespace z5
