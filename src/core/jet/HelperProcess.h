#pragma once
// Runs a helper program in a process of its own with a time limit and collects what it wrote.
// Plain POSIX, so the core can read old files without Qt: a crash or a hang of the helper
// comes back as a value, never as a crash of the caller.
#include <string>
#include <vector>

#include "core/jet/Progress.h"

namespace yardmark {

struct HelperRun {
  enum class End { Exited, Crashed, TimedOut, NotStarted, Stopped };
  End end = End::NotStarted;
  int exitCode = -1;   // when Exited
  std::string output;  // standard output
  std::string errors;  // standard error, or why it did not start
};

// When the progress asks to stop, the helper is killed within a few hundredths of a second (or
// never started) and the run ends Stopped.
HelperRun runHelper(const std::string& program, const std::vector<std::string>& args, int timeLimitMs,
                    const Progress* progress = nullptr);

}  // namespace yardmark
