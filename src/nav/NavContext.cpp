#include "nav/NavContext.h"

#include "app/Z5App.h"

namespace z5 {

NavContext navContext(Z5App& app) {
  return {app.settings(), app.voyage(), app.messages(), app.calculators(), app.clock(), app.voyageExtent()};
}

}  // namespace z5
