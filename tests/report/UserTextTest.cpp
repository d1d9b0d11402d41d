// Texts the user wrote (names, ports, remarks, notes, file names) reach
// every report and message as written, even when they look like printf or
// {fmt} formats.

#include <gtest/gtest.h>

#include <initializer_list>

#include "ReportTesting.h"

namespace z5 {
namespace {

enum class Shown { Normal, Delimited, Amver, Moverep, DataFile, Sentences, Listing, Messages };
constexpr const char* kShownNames[] = {"normal", "delimited", "AMVER",   "MOVEREP",
                                       "data",   "$CCWPL",    "listing", "messages"};

class UserText : public test::ReportTest {
 protected:
  std::string shown(Shown where) {
    switch (where) {
      case Shown::Normal: return report(kNormalOutput);
      case Shown::Delimited: return report(kDelimitedOutput);
      case Shown::Amver: return report(kAmverOutput);
      case Shown::Moverep: return report(kMoverepOutput);
      case Shown::DataFile: return report(kDataFileOutput);
      case Shown::Sentences: return report(kWaypointSentenceOutput);
      case Shown::Listing: return listing();
      case Shown::Messages: return app.messages().text();
    }
    return {};
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
  using enum Shown;
  const struct {
    const char* legend;  // the fault the row would catch
    std::string routeText;
    const char* fileName;
    std::initializer_list<Shown> where;
  } cases[] = {
      {"vessel name refused or formatted", route("!VESSEL @\n"), "r.txt", {Normal, Delimited, Amver, Moverep, Listing}},
      {"call sign refused or formatted", route("!CALL @\n"), "r.txt", {Normal, Delimited, Amver, Moverep, Listing}},
      {"departure port refused or formatted", route("!DEPARTING @\n!ARRIVING Brest\n"), "r.txt",
       {Normal, Delimited, Amver, Moverep}},
      {"arrival port refused: the From line vanishes", route("!DEPARTING Dover\n!ARRIVING @\n"), "r.txt",
       {Normal, Delimited, Amver, Moverep}},
      {"remark refused or formatted", route("!REMARK @\n"), "r.txt", {Amver, Moverep}},
      {"note formatted", route("!NOTE @\n"), "r.txt", {Normal, Delimited}},
      {"waypoint name formatted", route("", "@"), "r.txt", {Normal, Delimited, DataFile, Sentences, Listing}},
      {"$CCWPL waypoint name formatted", "$CCWPL,5000.00,N,00500.00,W,@\n$CCWPL,4900.00,N,00600.00,W,B\n",
       "r.txt", {DataFile, Sentences}},
      {"route file name formatted in headings", route(""), "@.txt", {Normal, Delimited, Listing}},
      {"route file name formatted in an error message", "!BOGUS\n", "@.txt", {Messages}},
  };
  for (const auto& c : cases) {
    for (const char* probe : probes) {
      app.messages().clear();
      VoyageEngine(app).extractRoute(with(c.routeText, probe), with(c.fileName, probe));
      depart();
      for (Shown where : c.where) {
        EXPECT_NE(shown(where).find(probe), std::string::npos)
            << c.legend << ": \"" << probe << "\" in the " << kShownNames[static_cast<int>(where)];
      }
    }
  }
}

}  // namespace
}  // namespace z5
