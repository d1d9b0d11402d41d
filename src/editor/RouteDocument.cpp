#include "editor/RouteDocument.h"

#include "report/OutputFileName.h"

namespace z5 {

RouteDocument::RouteDocument(std::string path, std::string text) : Document(std::move(path)), text_(std::move(text)) {}

RouteDocument::~RouteDocument() {
  if (holder_) holder_->documentGone();
}

const std::string& RouteDocument::text() const {
  if (editedIn_) {
    text_ = editedIn_->currentText();
    editedIn_ = nullptr;
  }
  return text_;
}

DocumentKind RouteDocument::kind() const {
  return isOutputFileName(path()) ? DocumentKind::Output : DocumentKind::Route;
}

std::string RouteDocument::title() const {
  if (!hasPath()) return kUntitled;
  const std::size_t slash = path().find_last_of('/');
  return slash == std::string::npos ? path() : path().substr(slash + 1);
}

std::string RouteDocument::displayName() const { return hasPath() ? path() : title(); }

void RouteDocument::edit(std::string text) {
  text_ = std::move(text);
  editedIn_ = nullptr;
  modified_ = true;
  extracted_ = false;
}

void RouteDocument::editedIn(const TextHolder& holder) {
  editedIn_ = &holder;
  modified_ = true;
  extracted_ = false;
}

void RouteDocument::attachHolder(TextHolder* holder) {
  if (editedIn_ && editedIn_ != holder) text();
  holder_ = holder;
}

void RouteDocument::append(std::string_view text) {
  this->text();
  text_ += text;
  modified_ = true;
  extracted_ = false;
}

void RouteDocument::saved(std::string path) {
  setPath(std::move(path));
  if (modified_) extracted_ = false;
  modified_ = false;
}

}  // namespace z5
