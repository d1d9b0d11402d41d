#pragma once
// The name of a route's output file: the route's own name with its
// extension replaced by "out" (ATLANTIC.TXT -> ATLANTIC.out), or with
// ".out" appended when it has none (passage -> passage.out,
// .hidden -> .hidden.out).

#include <string>
#include <string_view>

namespace z5 {

// The output file of the route file `routePath`, in the same directory.
// Only the last part of the path counts: a "." in a directory name is not
// an extension, and neither is a leading "." of the file name. Both '/' and
// '\' end a directory name, so a Windows path such as C:\ROUTES\ATLANTIC.TXT
// (a single file name on this system) gives C:\ROUTES\ATLANTIC.out.
std::string outputFileName(std::string_view routePath);

// The file an output in `format` (VoyageReport's OutputFormat) goes to: the
// GPX route is the route's name with extension "gpx", which plotters and
// navigation programs look for; every other format the output file above.
std::string outputFileName(std::string_view routePath, int format);

// True for the name of a GPX output: it ends in ".GPX", in any case.
bool isGpxFileName(std::string_view path);

// True for the name of an output document: it ends in ".OUT" or ".GPX",
// compared without regard to case.
bool isOutputFileName(std::string_view path);

}  // namespace z5
