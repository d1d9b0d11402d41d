#pragma once
// The system clipboard for the texts the program hands the user.

#include "editor/Clipboard.h"

namespace z5 {

class QtClipboard final : public Clipboard {
 public:
  void setText(const std::string& text) override;
};

}  // namespace z5
