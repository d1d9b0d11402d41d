#include "ui/FontConfigurationLoader.h"

#include <fontconfig/fontconfig.h>

namespace z5 {

// Qt finds its fonts through fontconfig, which loads its configuration once
// per process, safely from any thread.
FontConfigurationLoader::FontConfigurationLoader() : loading_([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader() { wait(); }

void FontConfigurationLoader::wait() {
  if (loading_.joinable()) loading_.join();
}

}  // namespace z5
