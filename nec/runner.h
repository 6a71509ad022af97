// SPDX-License-Identifier: GPL-3.0-or-later
// Running one NEC-2 deck. The interface lets tests feed recorded output; Nec2cRunner runs
// Debian's nec2c as a child process.
#pragma once

#include <chrono>
#include <optional>
#include <stop_token>
#include <string>

#include "nec/result.h"

namespace velmora::nec {

class NecRunner {
 public:
  virtual ~NecRunner() = default;
  // nec2c's printed output for the deck, or why there is none. Returns kCancelled soon after
  // `stop` is requested.
  virtual Result<std::string> Run(const std::string& deck, std::stop_token stop) = 0;
};

inline constexpr const char* kInstallHint = "sudo apt-get install nec2c";

// Runs `nec2c -i /dev/stdin -o /dev/stdout`: the deck goes through a pipe, the output comes back
// through another; no file is written. A child that outlives the timeout or a stop request is
// killed and reaped, with its whole process group: a wrapper script's children go with it. Holds
// only its settings, so one runner may serve several threads at once.
class Nec2cRunner : public NecRunner {
 public:
  struct Options {
    std::string program = "nec2c";  // a name looked up on the search path, or a path with '/'
    std::optional<std::string> searchPath;  // instead of $PATH
    std::chrono::milliseconds timeout{10000};
  };

  Nec2cRunner() : Nec2cRunner(Options()) {}
  explicit Nec2cRunner(Options options) : options_(std::move(options)) {}

  // The program's full path, or nothing when it is not installed.
  std::optional<std::string> Locate() const;
  // The same, or why not: kNotInstalled, or kStartFailed for a file that is not executable.
  Result<std::string> Find() const;

  Result<std::string> Run(const std::string& deck, std::stop_token stop) override;

 private:
  Options options_;
};

}  // namespace velmora::nec
