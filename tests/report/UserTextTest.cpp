// Texts the user wrote (names, ports, remarks, notes, file names) reach
// every report and message as written, even when they look like printf or
// {fmt} formats.

#include <gtest/gtest.h>

#include <initializer_list>

#include "ReportTesting.h"

namespace z5 {
namespace {

constexpr int kListing = 0;   // the waypoint listing
constexpr int kMessages = -1; // the message window

class UserText : public test::ReportTest {
 protected:
  std::string shown(int where) {
    if (where == kListing) return listing();
    if (where == kMessages) return app.messages().text();
    return report(where);
  }
};

// `text` with every "@" replaced by `probe`.
std::string with(std::string_view text, std::string_view probe) {
  std::string out;
  for (char c : text) c == '@' ? out.append(probe) : out.append(1, c);
  return out;
}

// A two-waypoint route after `header`, its first waypoint named `first`.
std::string route(std::string_view header, std::string_view first = "Alpha") {
  return std::string(header) + "!SPEED 10\n" + std::string(first) + "\n50-00N\n005-00W\nBravo\n49-00N\n006-00W\n";
}

TEST_F(UserText, FormatLikeTextsAreShownAsWritten) {
  // A conversion, a conversion that writes, an escaped percent, replacement fields.
  const char* const probes[] = {"%s and %d", "%s%s%n", "100%% {}", "{} {0:>9}"};
  const struct {
    const char* legend;  // the fault the row would catch
    std::string routeText;
    const char* fileName;
    std::initializer_list<int> where;  // report formats, kListing, kMessages
  } cases[] = {
      {"vessel name refused or formatted", route("!VESSEL @\n"), "r.txt",
       {kNormalOutput, kDelimitedOutput, kAmverOutput, kMoverepOutput, kListing}},
      {"call sign refused or formatted", route("!CALL @\n"), "r.txt",
       {kNormalOutput, kDelimitedOutput, kAmverOutput, kMoverepOutput, kListing}},
      {"departure port refused or formatted", route("!DEPARTING @\n!ARRIVING Brest\n"), "r.txt",
       {kNormalOutput, kDelimitedOutput, kAmverOutput, kMoverepOutput}},
      {"arrival port refused: the From line vanishes", route("!DEPARTING Dover\n!ARRIVING @\n"), "r.txt",
       {kNormalOutput, kDelimitedOutput, kAmverOutput, kMoverepOutput}},
      {"remark refused or formatted", route("!REMARK @\n"), "r.txt", {kAmverOutput, kMoverepOutput}},
      {"note formatted", route("!NOTE @\n"), "r.txt", {kNormalOutput, kDelimitedOutput}},
      {"waypoint name formatted", route("", "@"), "r.txt",
       {kNormalOutput, kDelimitedOutput, kDataFileOutput, kWaypointSentenceOutput, kListing}},
      {"$CCWPL waypoint name formatted", "$CCWPL,5000.00,N,00500.00,W,@\n$CCWPL,4900.00,N,00600.00,W,B\n", "r.txt",
       {kDataFileOutput, kWaypointSentenceOutput}},
      {"route file name formatted in headings", route(""), "@.txt", {kNormalOutput, kDelimitedOutput, kListing}},
      {"route file name formatted in an error message", "!BOGUS\n", "@.txt", {kMessages}},
  };
  for (const auto& c : cases) {
    for (const char* probe : probes) {
      app.messages().clear();
      VoyageEngine(app).extractRoute(with(c.routeText, probe), with(c.fileName, probe));
      depart();
      for (int where : c.where) {
        EXPECT_NE(shown(where).find(probe), std::string::npos) << c.legend << ": \"" << probe << "\" in " << where;
      }
    }
  }
}

}  // namespace
}  // namespace z5
