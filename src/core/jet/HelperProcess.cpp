#include "core/jet/HelperProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "core/files/Fd.h"

extern char** environ;

namespace yardmark {

namespace {

bool makePipe(Fd& read, Fd& write) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  read.reset(fds[0]);
  write.reset(fds[1]);
  return true;
}

enum class Ended { Closed, TimedOut, Stopped };

// Reads both pipes until the helper has closed them, its time is up or it is stopped.
Ended collect(int out, int err, HelperRun& run, int timeLimitMs, const Progress* stop) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeLimitMs);
  // Woken this often when it may be stopped, so a stop needs no descriptor of its own.
  constexpr long long kStopCheckMs = 20;
  bool outOpen = true, errOpen = true;
  char buffer[65536];
  while (outOpen || errOpen) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return Ended::TimedOut;
    if (stop && stop->stopRequested()) return Ended::Stopped;
    pollfd fds[2] = {{outOpen ? out : -1, POLLIN, 0}, {errOpen ? err : -1, POLLIN, 0}};
    const int ready = ::poll(fds, 2, static_cast<int>(stop ? std::min<long long>(left, kStopCheckMs) : left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? run.output : run.errors).append(buffer, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        (i == 0 ? outOpen : errOpen) = false;
      }
    }
  }
  return Ended::Closed;
}

}  // namespace

HelperRun runHelper(const std::string& program, const std::vector<std::string>& args, int timeLimitMs,
                    const Progress* stop) {
  HelperRun run;
  if (stop && stop->stopRequested()) {
    run.end = HelperRun::End::Stopped;
    return run;
  }
  Fd outRead, outWrite, errRead, errWrite;
  if (!makePipe(outRead, outWrite) || !makePipe(errRead, errWrite)) {
    run.errors = std::strerror(errno);
    return run;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outWrite.get(), 1);
  posix_spawn_file_actions_adddup2(&actions, errWrite.get(), 2);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) {
    run.errors = std::strerror(rc);
    return run;
  }
  outWrite.reset();
  errWrite.reset();

  const Ended ended = collect(outRead.get(), errRead.get(), run, timeLimitMs, stop);
  if (ended != Ended::Closed) ::kill(pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (ended == Ended::Stopped) {
    run.end = HelperRun::End::Stopped;
  } else if (ended == Ended::TimedOut) {
    run.end = HelperRun::End::TimedOut;
  } else if (WIFEXITED(status)) {
    run.end = HelperRun::End::Exited;
    run.exitCode = WEXITSTATUS(status);
  } else {
    run.end = HelperRun::End::Crashed;
  }
  return run;
}

}  // namespace yardmark
