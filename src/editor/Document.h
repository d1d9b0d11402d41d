#pragma once
// What every open document has: the file it shows (none yet for a new
// text) and its kind. Route and output texts are RouteDocument, maps
// MapDocument; the DocumentSet owns them all.

#include <string>

namespace z5 {

enum class DocumentKind { Route, Output, Map };

class Document {
 public:
  virtual ~Document() = default;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  virtual DocumentKind kind() const = 0;
  // The window's caption.
  virtual std::string title() const = 0;

  // The file's full path; empty for a text that was never saved.
  const std::string& path() const { return path_; }
  bool hasPath() const { return !path_.empty(); }

 protected:
  explicit Document(std::string path) : path_(std::move(path)) {}
  void setPath(std::string path) { path_ = std::move(path); }

 private:
  std::string path_;
};

}  // namespace z5
