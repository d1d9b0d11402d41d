#include "ExpectedFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "TempDir.h"

namespace z5::test {

void expectFileContents(const std::filesystem::path& expected, const std::string& actual, const char* updateVariable) {
  const bool present = std::filesystem::exists(expected);
  if (std::getenv(updateVariable) != nullptr) {
    if (present && readFile(expected.string()) == actual) return;
    std::ofstream out(expected, std::ios::binary);
    out << actual;
    if (!out.flush()) {
      ADD_FAILURE() << updateVariable << " is set, but " << expected.string() << " could not be written";
      return;
    }
    ADD_FAILURE() << updateVariable << " is set: rewrote " << expected.string()
                  << "; check the change by hand, then run the tests without " << updateVariable;
    return;
  }
  if (!present) {
    ADD_FAILURE() << expected.string() << " is missing; " << updateVariable << "=1 writes it from this run";
    return;
  }
  EXPECT_EQ(actual, readFile(expected.string())) << expected.string();
}

}  // namespace z5::test
