#pragma once
// The system clipboard, for the texts the program hands the user (the
// position block of the map).

#include <string>

namespace z5 {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(const std::string& text) = 0;
};

// A clipboard of its own, for headless runs and tests.
class MemoryClipboard final : public Clipboard {
 public:
  void setText(const std::string& text) override { text_ = text; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace z5
