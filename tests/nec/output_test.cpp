// The feed-point impedance from nec2c's report. The files in data/ were recorded with Debian's
// nec2c 1.3 from the decks of deck_test.cpp (40.17 m) and trimmed to the frequency block through
// the power budget; malformed.out is the recorded table with the impedance a NaN prints as.
#include "nec/output.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace velmora::nec {
namespace {

std::string Recorded(const std::string& name) {
  std::ifstream file(std::string(VELMORA_NEC_TEST_DATA) + "/" + name);
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_FALSE(text.str().empty()) << name;
  return text.str();
}

TEST(OutputTest, ReadsTheRecordedImpedance) {
  const struct {
    const char* file;
    double r, x;
  } rows[] = {
      {"average_ground.out", 85.163, 0.035991},
      {"free_space.out", 71.562, -16.674},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    const Result<Impedance> z = ParseInputImpedance(Recorded(row.file));
    ASSERT_TRUE(z.ok()) << z.failure().message;
    // Both are the nearest doubles to the same decimal text.
    EXPECT_EQ(z.value().r, row.r);
    EXPECT_EQ(z.value().x, row.x);
  }
}

TEST(OutputTest, BrokenReportsAreUnparsable) {
  const std::string recorded = Recorded("average_ground.out");
  const std::size_t header = recorded.find("(WATTS)");
  const struct {
    const char* name;
    std::string output;
    const char* says;
  } rows[] = {
      {"nothing", "", "fehlt"},
      {"no table", recorded.substr(0, recorded.find("ANTENNA INPUT")), "fehlt"},
      {"cut after the header", recorded.substr(0, header + 8), "Zeile"},
      {"cut inside the row", recorded.substr(0, header + 60), "Zeile"},
      {"nan impedance", Recorded("malformed.out"), "Zeile"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Result<Impedance> z = ParseInputImpedance(row.output);
    ASSERT_FALSE(z.ok());
    EXPECT_EQ(z.failure().kind, ErrorKind::kUnparsableOutput);
    EXPECT_NE(z.failure().message.find(row.says), std::string::npos) << z.failure().message;
  }
}

}  // namespace
}  // namespace velmora::nec
