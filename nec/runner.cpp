// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include "formulas/numtext.h"

extern char** environ;

namespace velmora::nec {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPollSliceMs = 20;  // how soon a stop request is noticed while the child runs
constexpr std::size_t kMaxOutputBytes = 8 << 20;
constexpr std::size_t kPathChars =
    200;  // long enough to paste the chmod command from  // a 501-segment run prints about 0.1 MB

// A file descriptor closed when it goes out of scope.
class Fd {
 public:
  Fd() = default;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Close(); }
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }
  int get() const { return fd_; }
  bool open() const { return fd_ >= 0; }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

struct Pipe {
  Fd read;
  Fd write;
};

// Close-on-exec from the start, so a child another thread spawns meanwhile inherits no end.
bool MakePipe(Pipe& pipe) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  pipe.read.Reset(fds[0]);
  pipe.write.Reset(fds[1]);
  return true;
}

void SetNonBlocking(int fd) {
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// Blocks SIGPIPE in this thread for the exchange, so a child that quits before reading its
// deck makes write() fail with EPIPE instead of ending the program; the SIGPIPE left pending
// by such a write is taken back before the old mask returns.
class SigpipeBlock {
 public:
  SigpipeBlock() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
  }
  SigpipeBlock(const SigpipeBlock&) = delete;
  SigpipeBlock& operator=(const SigpipeBlock&) = delete;
  ~SigpipeBlock() {
    if (raised) {
      const timespec zero{};
      sigtimedwait(&pipe_, nullptr, &zero);
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
  }
  bool raised = false;

 private:
  sigset_t pipe_;
  sigset_t old_;
};

enum class Found { kNone, kExecutable, kNotExecutable };

Found Look(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return Found::kNone;
  return ::access(path.c_str(), X_OK) == 0 ? Found::kExecutable : Found::kNotExecutable;
}

std::string LastLine(const std::string& text) {
  std::size_t end = text.find_last_not_of(" \t\r\n");
  if (end == std::string::npos) return {};
  const std::size_t start = text.find_last_of('\n', end);
  const std::string line = text.substr(start == std::string::npos ? 0 : start + 1,
                                       end + 1 - (start == std::string::npos ? 0 : start + 1));
  return line.substr(std::min(line.find_first_not_of(" \t"), line.size()));
}

Failure NotInstalled() {
  return {ErrorKind::kNotInstalled,
          std::string("NEC-2 (nec2c) ist nicht installiert. Installieren mit: ") + kInstallHint};
}

Failure NotExecutable(const std::string& path) {
  return {ErrorKind::kStartFailed, "nec2c (" + Clip(path, kPathChars) +
                                       ") ist nicht ausführbar. Ausführbar machen mit: chmod +x " +
                                       Clip(path, kPathChars) +
                                       ", oder neu installieren: " + kInstallHint};
}

// nec2c's own complaint in a German sentence that says what to change.
Failure Rejected(int status, const std::string& why) {
  std::string advice = "Frequenz, Höhe, Drahtdurchmesser oder Segmentzahl ändern.";
  if (why.find("GROUND") != std::string::npos) {
    advice = "Der Draht berührt für NEC-2 den Boden: die Höhe vergrößern.";
  } else if (why.find("RADIUS") != std::string::npos || why.find("SEGMENT") != std::string::npos) {
    advice = "Die Segmente passen nicht zum Draht: die Segmentzahl oder den Durchmesser ändern.";
  }
  return {ErrorKind::kDeckRejected,
          "nec2c hat das Modell abgelehnt (Status " + std::to_string(status) +
              (why.empty() ? std::string() : ", „" + Clip(why, 100) + "“") + "). " + advice};
}

Failure StartFailed(int error) {
  return {ErrorKind::kStartFailed,
          std::string("nec2c konnte nicht gestartet werden: ") + std::strerror(error) + "."};
}

// Kills the child's process group (nec2c, or a wrapper script and whatever it started), and
// reaps the child, so neither a zombie nor an orphan stays behind. The group goes first: until
// the child is reaped its id cannot name another group.
int KillAndReap(pid_t pid) {
  ::kill(-pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

}  // namespace

std::optional<std::string> Nec2cRunner::Locate() const {
  const Result<std::string> found = Find();
  return found.ok() ? std::optional(found.value()) : std::nullopt;
}

Result<std::string> Nec2cRunner::Find() const {
  const std::string& program = options_.program;
  if (program.find('/') != std::string::npos) {
    const Found found = Look(program);
    if (found == Found::kExecutable) return program;
    return found == Found::kNotExecutable ? NotExecutable(program) : NotInstalled();
  }
  const char* env = std::getenv("PATH");
  const std::string path =
      options_.searchPath ? *options_.searchPath : (env != nullptr ? env : "/usr/bin:/bin");
  std::optional<std::string> notExecutable;  // the first, as a shell would name it
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find(':', start), path.size());
    const std::string dir = path.substr(start, end - start);
    start = end + 1;
    // An empty entry would mean the current folder: never run a program from there.
    if (dir.empty()) continue;
    const std::string candidate = dir + "/" + program;
    const Found found = Look(candidate);
    if (found == Found::kExecutable) return candidate;
    if (found == Found::kNotExecutable && !notExecutable) notExecutable = candidate;
  }
  return notExecutable ? NotExecutable(*notExecutable) : NotInstalled();
}

Result<std::string> Nec2cRunner::Run(const std::string& deck, std::stop_token stop) {
  const Result<std::string> found = Find();
  if (!found.ok()) return found.failure();
  const std::string* program = &found.value();
  if (stop.stop_requested()) return CancelledFailure();

  Pipe in, out, err;
  if (!MakePipe(in) || !MakePipe(out) || !MakePipe(err)) return StartFailed(errno);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.read.get(), STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out.write.get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write.get(), STDERR_FILENO);
  // The child starts with no signal blocked and SIGPIPE at its default, whatever this thread has.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  // A group of its own, so that ending it ends whatever a wrapper script started too.
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  std::vector<std::string> args = {*program, "-i", "/dev/stdin", "-o", "/dev/stdout"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, program->c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (spawned != 0) return spawned == ENOENT ? NotInstalled() : StartFailed(spawned);
  in.read.Close();
  out.write.Close();
  err.write.Close();
  SetNonBlocking(in.write.get());
  SetNonBlocking(out.read.get());
  SetNonBlocking(err.read.get());

  const Clock::time_point deadline = Clock::now() + options_.timeout;
  std::string output, errors;
  std::size_t written = 0;
  if (deck.empty()) in.write.Close();
  enum class Outcome { kEnded, kStopped, kTimedOut, kTooLong } outcome = Outcome::kEnded;
  SigpipeBlock sigpipe;
  auto check = [&] {
    if (stop.stop_requested())
      outcome = Outcome::kStopped;
    else if (Clock::now() >= deadline)
      outcome = Outcome::kTimedOut;
    return outcome == Outcome::kEnded;
  };
  auto sliceMs = [&] {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kPollSliceMs));
  };
  while ((out.read.open() || err.read.open()) && check()) {
    pollfd fds[3];
    Fd* owners[3];
    nfds_t count = 0;
    if (in.write.open()) fds[count] = {in.write.get(), POLLOUT, 0}, owners[count++] = &in.write;
    if (out.read.open()) fds[count] = {out.read.get(), POLLIN, 0}, owners[count++] = &out.read;
    if (err.read.open()) fds[count] = {err.read.get(), POLLIN, 0}, owners[count++] = &err.read;
    if (::poll(fds, count, sliceMs()) < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      KillAndReap(pid);
      return StartFailed(error);
    }
    for (nfds_t i = 0; i < count; ++i) {
      if (fds[i].revents == 0) continue;
      Fd& fd = *owners[i];
      if (&fd == &in.write) {
        const ssize_t n = ::write(fd.get(), deck.data() + written, deck.size() - written);
        if (n > 0) written += static_cast<std::size_t>(n);
        if (n < 0 && errno == EPIPE) sigpipe.raised = true;
        // Done, or the child stopped reading: its output says why.
        if (written == deck.size() || (n < 0 && errno != EAGAIN && errno != EINTR)) fd.Close();
        continue;
      }
      char buffer[65536];
      const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
      if (n > 0) (&fd == &out.read ? output : errors).append(buffer, static_cast<std::size_t>(n));
      if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) fd.Close();
    }
    if (output.size() + errors.size() > kMaxOutputBytes) {
      outcome = Outcome::kTooLong;
      break;
    }
  }
  // Both outputs are closed: the child is ending. Wait for it within the same deadline, without
  // reaping it yet, so that its group can still be ended by its id.
  // Usually gone within a fraction of a millisecond: look again soon, then less often.
  std::chrono::microseconds pause{50};
  while (outcome == Outcome::kEnded) {
    siginfo_t info{};
    const int waited = ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
    if (waited == 0 && info.si_pid == pid) break;
    if (waited < 0 && errno != EINTR) break;  // reaped elsewhere (SIGCHLD ignored)
    if (check()) {
      std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - Clock::now()));
      pause = std::min(pause * 2, std::chrono::microseconds(kPollSliceMs * 1000));
    }
  }
  // Also after a normal end: what the child left running in its group goes with it.
  const int status = KillAndReap(pid);

  switch (outcome) {
    case Outcome::kStopped:
      return CancelledFailure();
    case Outcome::kTimedOut:
      return Failure{ErrorKind::kTimeout,
                     "nec2c hat nach " +
                         FormatPattern(options_.timeout.count() / 1000.0, "0.###", ',') +
                         " s kein Ergebnis geliefert und wurde beendet."};
    case Outcome::kTooLong:
      return Failure{ErrorKind::kUnparsableOutput,
                     "nec2c gibt mehr als 8 MB aus und wurde beendet."};
    case Outcome::kEnded:
      break;
  }
  if (WIFSIGNALED(status)) {
    return Failure{
        ErrorKind::kDeckRejected,
        "nec2c ist mit dem Signal " + std::to_string(WTERMSIG(status)) + " abgebrochen."};
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
    std::string why = LastLine(errors);
    if (why.empty()) why = LastLine(output);
    return Rejected(WEXITSTATUS(status), why);
  }
  return output;
}

}  // namespace velmora::nec
