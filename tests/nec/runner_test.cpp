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

Nec2cRunner::Options Script(const char* name) {
  return {std::string(VELMORA_NEC_TEST_DATA) + "/" + name, std::nullopt, 300ms};
}

// No child of this process is left, not even a zombie.
bool NoChildLeft() {
  int status = 0;
  return waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD;
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
      {"deck rejected", Script("rejects.sh"), false, ErrorKind::kDeckRejected,
       "abgelehnt (Status 255): GEOMETRY DATA ERROR -- SEGMENT 1 EXTENDS BELOW GROUND"},
      {"timeout", Script("sleeps.sh"), false, ErrorKind::kTimeout, "nach 0,3 s kein Ergebnis"},
      {"stopped", Script("sleeps.sh"), true, ErrorKind::kCancelled, "abgebrochen"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
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
