#pragma once
// Runs a program through the shell, as a user would, and keeps what it said.

#include <string>

namespace z5::test {

struct ProgramRun {
  int status = -1;     // exit status; -1 when it did not exit normally
  std::string output;
};

// Runs `command` through /bin/sh and collects its standard output (add
// "2>&1" to the command to collect standard error too).
ProgramRun runProgram(const std::string& command);

}  // namespace z5::test
