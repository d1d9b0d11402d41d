#pragma once
// Output compared with the expected file kept in the source tree. With the
// update variable set in the environment (Z5_UPDATE_GOLDEN,
// Z5_UPDATE_FIXTURES) a file that differs is rewritten from the output
// instead, and the test fails naming it: an update run is never taken for a
// passing one, and every rewritten file is to be checked by hand before it
// is committed.

#include <filesystem>
#include <string>

namespace z5::test {

void expectFileContents(const std::filesystem::path& expected, const std::string& actual, const char* updateVariable);

}  // namespace z5::test
