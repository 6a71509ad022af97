// SPDX-License-Identifier: GPL-3.0-or-later
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

TEST(OutputTest, RecordedReportsWholeAndBroken) {
  const std::string average = Recorded("average_ground.out");
  const std::size_t header = average.find("(WATTS)");
  const struct {
    const char* name;
    std::string output;
    double r, x;         // parsed as the nearest doubles to the printed decimals
    const char* broken;  // what the failure says, or null
  } rows[] = {
      {"average ground", average, 85.163, 0.035991, nullptr},
      {"free space", Recorded("free_space.out"), 71.562, -16.674, nullptr},
      {"nothing", "", 0, 0, "fehlt"},
      {"no table", average.substr(0, average.find("ANTENNA INPUT")), 0, 0, "fehlt"},
      {"cut after the header", average.substr(0, header + 8), 0, 0, "Zeile"},
      {"cut inside the row", average.substr(0, header + 60), 0, 0, "Zeile"},
      {"nan impedance", Recorded("malformed.out"), 0, 0, "Fußpunktimpedanz ist keine Zahl"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Result<Impedance> z = ParseInputImpedance(row.output);
    ASSERT_EQ(z.ok(), row.broken == nullptr);
    if (z.ok()) {
      EXPECT_EQ(z.value().r, row.r);
      EXPECT_EQ(z.value().x, row.x);
      continue;
    }
    EXPECT_EQ(z.failure().kind, ErrorKind::kUnparsableOutput);
    EXPECT_NE(z.failure().message.find(row.broken), std::string::npos) << z.failure().message;
  }
}

}  // namespace
}  // namespace velmora::nec
