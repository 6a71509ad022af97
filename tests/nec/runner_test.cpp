// nec2c as a child process: scripts in data/ stand in for it where a real nec2c cannot show the
// case; one test runs the real one.
#include "nec/runner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "nec/resonance.h"

namespace velmora::nec {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

Nec2cRunner Script(const char* name, std::chrono::milliseconds timeout = 10s) {
  return Nec2cRunner({std::string(VELMORA_NEC_TEST_DATA) + "/" + name, std::nullopt, timeout});
}

// No child of this process is left, not even a zombie.
bool NoChildLeft() {
  int status = 0;
  return waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD;
}

TEST(RunnerTest, DeckInOutputOut) {
  const std::string deck(200000, 'x');  // more than a pipe holds: written while output is read
  const Result<std::string> out = Script("echo.sh").Run(deck, {});
  ASSERT_TRUE(out.ok()) << out.failure().message;
  EXPECT_EQ(out.value(), deck);
  EXPECT_TRUE(NoChildLeft());
}

TEST(RunnerTest, NotOnThePath) {
  Nec2cRunner runner({"nec2c", "/nonexistent:" VELMORA_NEC_TEST_DATA, 10s});
  EXPECT_FALSE(runner.Locate());
  const Result<std::string> out = runner.Run("EN\n", {});
  ASSERT_FALSE(out.ok());
  EXPECT_EQ(out.failure().kind, ErrorKind::kNotInstalled);
  EXPECT_NE(out.failure().message.find("sudo apt-get install nec2c"), std::string::npos);
}

TEST(RunnerTest, FailuresOfTheChild) {
  const struct {
    const char* script;
    ErrorKind kind;
    const char* says;
  } rows[] = {
      {"rejects.sh", ErrorKind::kDeckRejected,
       "abgelehnt (Status 255): GEOMETRY DATA ERROR -- SEGMENT 1 EXTENDS BELOW GROUND"},
      {"sleeps.sh", ErrorKind::kTimeout, "nach 0,3 s kein Ergebnis"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.script);
    const Clock::time_point start = Clock::now();
    const Result<std::string> out = Script(row.script, 300ms).Run("EN\n", {});
    EXPECT_LT(Clock::now() - start, 2s);
    ASSERT_FALSE(out.ok());
    EXPECT_EQ(out.failure().kind, row.kind);
    EXPECT_NE(out.failure().message.find(row.says), std::string::npos) << out.failure().message;
    EXPECT_TRUE(NoChildLeft());
  }
}

TEST(RunnerTest, ChildThatReadsNothingIsNoCrash) {
  // The deck cannot all go into the pipe before the child is gone: EPIPE, no SIGPIPE.
  const Result<std::string> out = Script("quits.sh").Run(std::string(1 << 20, 'x'), {});
  ASSERT_TRUE(out.ok());
  EXPECT_EQ(out.value(), "");
}

TEST(RunnerTest, GarbageIsUnparsable) {
  Nec2cRunner runner = Script("garbage.sh");
  const Result<Impedance> z = Evaluate(runner, {3.6, 20.8, 2.05, 5.6e7, Ground::kAverage}, 40.0);
  ASSERT_FALSE(z.ok());
  EXPECT_EQ(z.failure().kind, ErrorKind::kUnparsableOutput);
}

TEST(RunnerTest, StopKillsTheRunningChild) {
  std::stop_source source;
  std::jthread stopper([&source] {
    std::this_thread::sleep_for(100ms);
    source.request_stop();
  });
  const Clock::time_point start = Clock::now();
  const Result<std::string> out = Script("sleeps.sh").Run("EN\n", source.get_token());
  EXPECT_LT(Clock::now() - start, 1s);
  ASSERT_FALSE(out.ok());
  EXPECT_EQ(out.failure().kind, ErrorKind::kCancelled);
  EXPECT_TRUE(NoChildLeft());
}

// NEC-2's own segment convergence moves the length by up to 0.064 % between 21 and 161
// segments; the bounds leave room for that, not for a different model.
TEST(RunnerTest, RealNec2cQuarterWaveOverAverageGround) {
  Nec2cRunner runner;
  if (!runner.Locate()) GTEST_SKIP() << "nec2c is not installed (sudo apt-get install nec2c)";
  const double lambda = 299.79245835031 / 3.6;
  const Result<Resonance> found =
      FindResonance(runner, {3.6, 0.25 * lambda, 2.05, 5.6e7, Ground::kAverage, 41});
  ASSERT_TRUE(found.ok()) << found.failure().message;
  EXPECT_NEAR(found.value().lengthM, 40.17, 0.002 * 40.17);
  EXPECT_NEAR(found.value().impedance.r, 85.2, 0.01 * 85.2);
  EXPECT_LT(std::abs(found.value().impedance.x), kReactanceTolerance);
}

}  // namespace
}  // namespace velmora::nec
