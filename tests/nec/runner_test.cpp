// SPDX-License-Identifier: GPL-3.0-or-later
// nec2c as a child process: scripts in data/ stand in for it where a real nec2c cannot show the
// case; one test runs the real one.
#include "nec/runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "nec/resonance.h"

namespace velmora::nec {
namespace {

using namespace std::chrono_literals;

Nec2cRunner::Options Script(const char* name) {
  return {std::string(VELMORA_NEC_TEST_DATA) + "/" + name, std::nullopt, 300ms};
}

// No child of this process is left, not even a zombie.
bool NoChildLeft() {
  int status = 0;
  return waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD;
}

// The process the scripted nec2c started ends within a second (gone, or a zombie of its new
// parent), or there was none.
bool GrandchildEnded(const std::string& pidFile) {
  std::string pid;
  std::getline(std::ifstream(pidFile), pid);
  for (int i = 0; i < 100 && !pid.empty(); ++i, std::this_thread::sleep_for(10ms)) {
    std::string stat;
    std::getline(std::ifstream("/proc/" + pid + "/stat"), stat);
    if (stat.empty() || stat.find(") Z ") != std::string::npos) return true;
  }
  return pid.empty();
}

TEST(RunnerTest, Failures) {
  const struct {
    const char* name;
    Nec2cRunner::Options options;
    bool stopAfter100ms;
    ErrorKind kind;
    const char* says;
  } rows[] = {
      {"not on the path",
       {"nec2c", "/nonexistent:" VELMORA_NEC_TEST_DATA},
       false,
       ErrorKind::kNotInstalled,
       "Installieren mit: sudo apt-get install nec2c"},
      {"not executable",
       {"nec2c", "/nonexistent:" VELMORA_NEC_TEST_DATA "/not-executable"},
       false,
       ErrorKind::kStartFailed,
       "not-executable/nec2c) ist nicht ausführbar. Ausführbar machen mit: chmod +x"},
      {"deck rejected", Script("rejects.sh"), false, ErrorKind::kDeckRejected,
       "(Status 255, „GEOMETRY DATA ERROR -- SEGMENT 1 EXTENDS BELOW GROUND“). Der Draht berührt "
       "für NEC-2 den Boden: die Höhe vergrößern."},
      {"timeout", Script("sleeps.sh"), false, ErrorKind::kTimeout, "nach 0,3 s kein Ergebnis"},
      {"stopped", Script("sleeps.sh"), true, ErrorKind::kCancelled, "abgebrochen"},
  };
  // The scripted wrapper that hangs leaves its own child's id here.
  const std::string pidFile = ::testing::TempDir() + "nec2c-grandchild";
  setenv("VELMORA_TEST_PID_FILE", pidFile.c_str(), 1);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::remove(pidFile.c_str());
    std::stop_source source;
    std::jthread stopper([&source, &row] {
      std::this_thread::sleep_for(100ms);
      if (row.stopAfter100ms) source.request_stop();
    });
    const auto start = std::chrono::steady_clock::now();
    const Result<std::string> out = Nec2cRunner(row.options).Run("EN\n", source.get_token());
    EXPECT_LT(std::chrono::steady_clock::now() - start, row.stopAfter100ms ? 250ms : 2s);
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.failure().kind, row.kind);
    EXPECT_NE(out.failure().message.find(row.says), std::string::npos) << out.failure().message;
    EXPECT_TRUE(NoChildLeft());
    EXPECT_TRUE(GrandchildEnded(pidFile));
  }
}

TEST(RunnerTest, ChildThatReadsNothingIsNoCrash) {
  // The deck cannot all go into the pipe before the child is gone: EPIPE, no SIGPIPE.
  const Result<std::string> out =
      Nec2cRunner(Script("quits.sh")).Run(std::string(1 << 20, 'x'), {});
  ASSERT_TRUE(out.ok());
  EXPECT_EQ(out.value(), "");
}

// NEC-2's own segment convergence moves the length by up to 0.064 % between 21 and 161
// segments; the bounds leave room for that, not for a different model.
TEST(RunnerTest, RealNec2cOverAverageGround) {
  Nec2cRunner runner;
  if (!runner.Locate()) GTEST_SKIP() << "nec2c is not installed (sudo apt-get install nec2c)";
  const double lambda = 299.79245835031 / 3.6;
  const struct {
    Wire wire;
    double length;
    double r;
  } rows[] = {
      {{3.6, 0.25 * lambda, 2.05, 5.6e7, Ground::kAverage, 41, {}}, 40.17, 85.2},
      // 1.38 mm copper in a 2.8 mm PVC sheath, 12 m high: 2.81 % shorter than bare wire.
      {{3.6, 12, 1.38, 5.6e7, Ground::kAverage, 41, Insulation{4, 2.8}}, 38.895, 56.4},
  };
  for (const auto& row : rows) {
    const Result<Resonance> found = FindResonance(runner, row.wire);
    ASSERT_TRUE(found.ok()) << found.failure().message;
    EXPECT_NEAR(found.value().lengthM, row.length, 0.002 * row.length);
    EXPECT_NEAR(found.value().impedance.r, row.r, 0.01 * row.r);
    EXPECT_LT(std::abs(found.value().impedance.x), kReactanceTolerance);
  }
}

}  // namespace
}  // namespace velmora::nec
