#include "editor/DocumentSet.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "base/AtomicFile.h"
#include "editor/DocumentLinks.h"
#include "report/OutputFileName.h"
#include "report/VoyageReport.h"
#include "route/RouteErrors.h"

namespace z5 {
namespace {

// A text that cannot be saved stays up this long.
constexpr int kCannotSaveMs = 4000;

// The editor's limit as the message about a file beyond it says it.
constexpr int kTextLimitMegabytes = 1;
constexpr std::size_t kReadChunk = 1 << 16;

struct DocumentFile {
  enum Status { Read, CannotOpen, TooLarge } status = CannotOpen;
  std::string text;
};

// The whole file, unless it cannot be read or is larger than an editor holds.
DocumentFile readDocumentFile(const std::string& path) {
  DocumentFile file;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return file;
  std::ifstream in(path, std::ios::binary);
  if (!in) return file;
  std::string chunk(kReadChunk, '\0');
  while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
    file.text.append(chunk, 0, static_cast<std::size_t>(in.gcount()));
    if (file.text.size() > RouteDocument::kTextLimit) {
      file.text.clear();
      file.status = DocumentFile::TooLarge;
      return file;
    }
  }
  if (!in.bad()) file.status = DocumentFile::Read;
  return file;
}

bool sameFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  if (a == b) return true;
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

// `output` is the output file of `route`: the name the rule gives it, with
// its extension in any case (an output made where names ignore case).
bool isOutputOf(const std::string& route, const std::string& output) {
  if (route.empty() || !isOutputFileName(output)) return false;
  const std::string expected = outputFileName(route, isGpxFileName(output) ? kGpxOutput : kNormalOutput);
  if (sameFile(expected, output)) return true;
  const std::size_t stem = expected.size() - std::string_view(".out").size();  // ".gpx" is as long
  return output.size() == expected.size() && output.compare(0, stem, expected, 0, stem) == 0;
}

}  // namespace

DocumentSet::DocumentSet(SettingsRecord& settings, Messages& messages) : settings_(settings), messages_(messages) {}

DocumentSet::~DocumentSet() = default;

template <class D>
D& DocumentSet::add(std::unique_ptr<D> document) {
  D& added = *document;
  documents_.push_back(std::move(document));
  active_ = &added;
  windows_->opened(added);
  return added;
}

RouteDocument* DocumentSet::readText(const std::string& path, bool asRoute) {
  DocumentFile file = readDocumentFile(path);
  if (file.status == DocumentFile::TooLarge) {
    messages_.showError(kRouteTooLarge.number, kRouteTooLarge.milliseconds, path, kTextLimitMegabytes);
    return nullptr;
  }
  if (file.status != DocumentFile::Read) {
    messages_.showError(kErrorCannotOpen, kCannotOpenMs, path);
    return nullptr;
  }
  RouteDocument& document = add(std::make_unique<RouteDocument>(path, std::move(file.text)));
  if (asRoute && document.kind() == DocumentKind::Route) settings_.DATA_FILE = path;
  return &document;
}

RouteDocument* DocumentSet::openText(const std::string& path, bool asRoute) {
  RouteDocument* open = findText(path);
  if (open == nullptr) return readText(path, asRoute);
  active_ = open;
  windows_->bringForward(*open);
  if (asRoute && open->kind() == DocumentKind::Route) settings_.DATA_FILE = open->path();
  return open;
}

RouteDocument* DocumentSet::reopenText(const std::string& path, bool asRoute) {
  if (RouteDocument* open = findText(path)) close(*open);
  return readText(path, asRoute);
}

RouteDocument& DocumentSet::newText() { return add(std::make_unique<RouteDocument>()); }

MapDocument& DocumentSet::openMap(const std::string& path, const std::string& routeFileName) {
  MapDocument* open = findMap(path);
  if (open == nullptr) return add(std::make_unique<MapDocument>(path, routeFileName));
  open->setRouteFileName(routeFileName);
  active_ = open;
  windows_->bringForward(*open);
  return *open;
}

void DocumentSet::close(Document& document) {
  if (document.kind() == DocumentKind::Map) {
    DocumentLinks::unlink(static_cast<MapDocument&>(document));
  } else {
    DocumentLinks::unlink(static_cast<RouteDocument&>(document));
  }
  windows_->closing(document);
  if (active_ == &document) active_ = nullptr;
  if (liveMap_ == &document) liveMap_ = nullptr;
  std::erase_if(documents_, [&](const std::unique_ptr<Document>& d) { return d.get() == &document; });
}

bool DocumentSet::save(RouteDocument& document, const std::string& path) {
  const std::string target = path.empty() ? document.path() : path;
  // No text is saved over the file another open document shows.
  std::vector<std::string> keep;
  for (const auto& other : documents_) {
    if (other.get() != &document && other->hasPath() && !sameFile(other->path(), document.path())) {
      keep.push_back(other->path());
    }
  }
  const FileWriteResult written = target.empty() ? FileWriteResult{false, "the text has no file name"}
                                                 : writeFileAtomically(target, document.text(), keep);
  if (!written) {
    messages_.showMessage(written.message(target), kCannotSaveMs);
    return false;
  }
  document.saved(target);
  return true;
}

RouteDocument* DocumentSet::activeText() const {
  return active_ != nullptr && active_->kind() != DocumentKind::Map ? static_cast<RouteDocument*>(active_) : nullptr;
}

MapDocument* DocumentSet::activeMap() const {
  return active_ != nullptr && active_->kind() == DocumentKind::Map ? static_cast<MapDocument*>(active_) : nullptr;
}

RouteDocument* DocumentSet::reopenRouteOf(const std::string& routeName) {
  if (routeName.empty()) return nullptr;
  if (RouteDocument* open = findText(routeName)) return open;
  return readText(routeName, true);
}

RouteDocument* DocumentSet::activeRouteDocument() {
  if (MapDocument* map = activeMap()) {
    if (map->routeLink() != nullptr) return map->routeLink();
    RouteDocument* route = reopenRouteOf(map->routeFileName());
    if (route != nullptr) DocumentLinks::linkMap(*route, *map);
    return route;
  }
  RouteDocument* text = activeText();
  if (text == nullptr || text->kind() == DocumentKind::Route) return text;
  if (text->routeLink() != nullptr) return text->routeLink();
  // An output opened from its file names no route: its route is the open
  // route, or the current route file, whose output file it is.
  std::string routeName = text->routeName();
  if (routeName.empty()) {
    for (const auto& document : documents_) {
      if (document->kind() == DocumentKind::Route && isOutputOf(document->path(), text->path())) {
        routeName = document->path();
      }
    }
  }
  if (routeName.empty() && isOutputOf(settings_.DATA_FILE, text->path())) routeName = settings_.DATA_FILE;
  RouteDocument* output = text;
  RouteDocument* route = reopenRouteOf(routeName);
  if (route == nullptr || route == output) return nullptr;
  DocumentLinks::linkOutput(*route, *output, output->outputFormat());
  return route;
}

RouteDocument* DocumentSet::findText(const std::string& path) const {
  for (const auto& document : documents_) {
    if (document->kind() != DocumentKind::Map && sameFile(document->path(), path)) {
      return static_cast<RouteDocument*>(document.get());
    }
  }
  return nullptr;
}

MapDocument* DocumentSet::findMap(const std::string& path) const {
  for (const auto& document : documents_) {
    if (document->kind() == DocumentKind::Map && sameFile(document->path(), path)) {
      return static_cast<MapDocument*>(document.get());
    }
  }
  return nullptr;
}

}  // namespace z5
