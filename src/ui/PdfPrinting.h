#pragma once
// The headless --print run: a route's text, its report or its map printed
// into a PDF file through the window's own page painting. The PDF is made
// in a temporary directory and written whole over FILE.pdf, never over the
// route. Each returns 0 when the file was written (its path then printed on
// `out`), else 1 with the reason on standard error.

#include <ostream>
#include <string>

namespace z5 {

class RouteDocument;
class Z5App;

// The text of `document` with the page setup's header and footer.
int printTextToPdf(Z5App& app, const RouteDocument& document, const std::string& pdf, const std::string& route,
                   std::ostream& out);

// The map of the application's voyage and map view, headed by `title`.
int printMapToPdf(Z5App& app, const std::string& title, const std::string& pdf, const std::string& route,
                  std::ostream& out);

}  // namespace z5
