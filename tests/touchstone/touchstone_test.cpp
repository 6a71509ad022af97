// SPDX-License-Identifier: GPL-3.0-or-later
#include "touchstone/touchstone.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace velmora::touchstone {
namespace {

using C = std::complex<double>;

TEST(Touchstone, ReadsEachUnitParameterAndFormat) {
  struct Row {
    std::string text;
    double mhz;
    C z;
  } rows[] = {
      {"# Hz S RI R 50\n3600000 0 0\n", 3.6, {50, 0}},
      {"#khz s ri r 50\n3600 0.2 0\n", 3.6, {75, 0}},
      {"# MHz S MA R 50\r\n3.6 0.2 180\r\n", 3.6, {100.0 / 3, 0}},
      {"#\n0.0036 0.2 0\n", 3.6, {75, 0}},  // GHz, S, MA, R 50 by default
      {"# R 75 DB MHz\n3.6 -13.9794000867 90\n", 3.6, 75.0 * C(1, 0.2) / C(1, -0.2)},
      {"# MHz Z RI R 50\n3.6 1.5 -0.5\n", 3.6, {75, -25}},
      {"# MHz Z MA R 100\n3.6 2 90\n", 3.6, {0, 200}},
      {"! analyser\n\t# MHz S RI ! note\n# GHz Z\n\n3.6\t0.2  0 ! a point\n", 3.6, {75, 0}},
      {"# MHz S RI\n3.6 1 0\n", 3.6, kOpenCircuitZ},  // |S| = 1: kept, no finite SWR
      {"\xEF\xBB\xBF# MHz S RI\n+3.6 1.01 0", 3.6, 50.0 * 2.01 / -0.01},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const ReadResult read = Read(row.text);
    ASSERT_TRUE(read.ok()) << read.error.message;
    ASSERT_EQ(read.sweep->points.size(), 1u);
    EXPECT_NEAR(read.sweep->points[0].frequencyMHz, row.mhz, 1e-12);
    EXPECT_NEAR(std::abs(read.sweep->points[0].z - row.z), 0.0, 1e-6);
  }
}

TEST(Touchstone, EachErrorNamesItsLine) {
  const std::pair<std::string, std::string> rows[] = {
      {"# MHz S RI\n3.6 0,2 0\n", "Zeile 2: \u201e0,2\u201c ist keine Zahl."},
      {"# MHz\n3.6 0.2\n", "Zeile 2: Eine Zeile mit Messwerten braucht genau 3 Zahlen"},
      {"3.6 0.2 0 1\n", "Zeile 1: Eine Zeile mit Messwerten braucht genau 3 Zahlen"},
      {"3.6 0 0\n\n3.6 0 0\n", "Zeile 3: Die Frequenz \u201e3.6\u201c liegt nicht über"},
      {"3.6 0 0\n3.5 0 0\n", "Zeile 2: Die Frequenz"},
      {"-1 0 0\n", "Zeile 1: Die Frequenz \u201e-1\u201c ist negativ."},
      {"3.6 nan 0\n", "Zeile 1: \u201enan\u201c ist keine endliche Zahl."},
      {"3.6 0 -inf\n", "Zeile 1: \u201e-inf\u201c ist keine endliche Zahl."},
      {"3.6 1e999 0\n", "Zeile 1: \u201e1e999\u201c liegt außerhalb des Zahlenbereichs."},
      {"# MHz S DB\n3.6 7000 0\n", "Zeile 2: Der Wert \u201e7000\u201c dB liegt außerhalb"},
      {"# Z RI\n1 1e308 0\n", "Zeile 2: Die Impedanz liegt außerhalb des Zahlenbereichs."},
      {"3.6 -0.5 0\n", "Zeile 1: Der Betrag \u201e-0.5\u201c ist negativ."},
      {"! x\n# MHz Y RI\n", "Zeile 2: Parameter \u201eY\u201c wird nicht gelesen, nur S oder Z."},
      {"# MHz S RI R 0\n", "Zeile 1: Der Bezugswiderstand \u201e0\u201c ist nicht größer als 0."},
      {"# MHz R\n", "Zeile 1: Nach \u201eR\u201c fehlt der Bezugswiderstand."},
      {"# MHz S XY\n", "Zeile 1: \u201eXY\u201c ist in der Optionszeile unbekannt."},
      {"3.6 0 0\n# MHz\n", "Zeile 2: Die Optionszeile steht nach den ersten Messpunkten."},
      {"[Version] 2.0\n", "Zeile 1: Touchstone 2.0 (\u201e[Version]\u201c) wird nicht gelesen"},
      {"! nothing\n# MHz\n", "Zeile 2: Die Datei enthält bis zu ihrem Ende keinen Messpunkt."},
      {"", "Zeile 1: Die Datei enthält bis zu ihrem Ende keinen Messpunkt."},
      {std::string(kMaxBytes + 1, ' '), "Die Datei ist größer als 16 MiB"},
  };
  for (const auto& [text, start] : rows) {
    SCOPED_TRACE(text.substr(0, 40));
    const ReadResult read = Read(text);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error.message.substr(0, start.size()), start);
  }
}

TEST(Touchstone, RefusesTheFrequencyAfterTheLimit) {
  std::string text;
  for (std::size_t i = 1; i <= kMaxPoints + 1; ++i) text += std::to_string(i) + " 0 0\n";
  const ReadResult read = Read(text);
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error.line, static_cast<int>(kMaxPoints + 1));
  text.resize(text.rfind('\n', text.size() - 2) + 1);
  EXPECT_EQ(Read(text).sweep->points.size(), kMaxPoints);
}

TEST(Touchstone, RefusesLargeFilesAndDevicesBeforeReading) {
  const std::string path = testing::TempDir() + "touchstone_large.s1p";
  std::ofstream(path) << "1 0 0\n";
  EXPECT_TRUE(ReadFile(path).ok());
  std::filesystem::resize_file(path, kMaxBytes + 1);
  EXPECT_EQ(ReadFile(path).error.message,
            "Die Datei ist größer als 16 MiB und wird nicht gelesen.");
  std::remove(path.c_str());
  EXPECT_EQ(ReadFile("/dev/zero").error.message, "Das ist keine gewöhnliche Datei.");
  EXPECT_EQ(ReadFile(path).error.message, "Die Datei gibt es nicht.");
}

TEST(Touchstone, WrittenSweepReadsBackToTheSameImpedances) {
  const Point points[] = {{3.5, {20, -130}}, {3.6, {48.5, 0.25}}, {3.6, {1, 1}},
                          {3.7, {-50, 0}},   {3.8, {90, 140}},    {1e-7, {1e6, -1e-3}}};
  const std::string text =
      Write(points, 50, {"Velmora 1.0", "2,05 mm Cu\nblank", "12 m", "mittlerer Boden"});
  EXPECT_EQ(text.substr(0, text.find("3.5")),
            "! Programm: Velmora 1.0\n! Draht: 2,05 mm Cu blank\n! Höhe: 12 m\n"
            "! Boden: mittlerer Boden\n# MHz S RI R 50\n");
  const ReadResult read = Read(text);
  ASSERT_TRUE(read.ok()) << read.error.message;
  const Point expected[] = {points[0], points[1], points[4]};  // unreadable points left out
  ASSERT_EQ(read.sweep->points.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(read.sweep->points[i].frequencyMHz, expected[i].frequencyMHz);
    EXPECT_NEAR(std::abs(read.sweep->points[i].z - expected[i].z), 0.0, 1e-10);
  }
}

}  // namespace
}  // namespace velmora::touchstone
