#include "report/ReportContext.h"

#include "app/Z5App.h"

namespace z5 {

ReportContext reportContext(Z5App& app) { return {navContext(app), app.routeCharts()}; }

}  // namespace z5
