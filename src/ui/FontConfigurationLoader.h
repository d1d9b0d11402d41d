#pragma once
// The system's font configuration loaded on a thread of its own while the
// program starts, so that the first text a headless map draws does not wait
// for it: reading the configuration and the font caches is the longest step
// before drawing, and it needs nothing the start-up makes.

#include <thread>

namespace z5 {

class FontConfigurationLoader {
 public:
  FontConfigurationLoader();
  // Waits for the loading to end.
  ~FontConfigurationLoader();
  FontConfigurationLoader(const FontConfigurationLoader&) = delete;
  FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

  // Waits for the loading to end (at once when it has).
  void wait();

 private:
  std::thread loading_;
};

}  // namespace z5
