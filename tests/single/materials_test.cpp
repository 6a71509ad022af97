// SPDX-License-Identifier: GPL-3.0-or-later
#include "single/materials.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "formulas/parse.h"

namespace velmora {
namespace {

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += item + "|";
  return text;
}

// Each item reads back (bit-exact) as the single of the number it shows, with either separator.
TEST(Materials, ListsShowAndReadBackTheirNumbers) {
  const std::vector<std::string> conductors = ConductorMaterials(',');
  const std::vector<std::string> insulations = InsulationMaterials(',');
  EXPECT_EQ(Joined(conductors),
            "56 Cu|36 Bronze|35 Al|16,5 Zn|15 Messing|14,3 Ni|10 Fe|8,3 Sn|7 Stahl|6,2 Cr|5 Pb|"
            "62,5 Ag||");
  EXPECT_EQ(Joined(insulations),
            "1,0   Vakuum|1,00059 Luft|2,0   Papier|2,04   FEP Ethylenpropylen|2,04   PTFE|"
            "2,2   PTFE GY|2,3   PE Polyethylen|2,35 Öl|2,48 PTFE GX|2,6   Polystyrol|2,7   Gummi|"
            "2,8   SIR Silikon|3,2   Holz|3,5   Plexiglas|3,7   PA Polyamid|4,0   PVC (3,5...4,5)|"
            "4,5   FR4 Epoxyd|4,5   Cevausit|5,0   Pertinax|5,0   Igelit|5,0   Vinidur|"
            "5,5   Porzellan|6,0   Glas|6,15 PTFE 3006|6,5   Calit|7,0   Glimmer|");
  EXPECT_EQ(conductors.front(), kDefaultConductor);
  EXPECT_EQ(insulations.at(6), DefaultInsulation(','));
  EXPECT_EQ(DefaultInsulation('.'), "2.3   PE Polyethylen");
  for (const auto& [comma, point] :
       {std::pair{conductors, ConductorMaterials('.')}, {insulations, InsulationMaterials('.')}}) {
    ASSERT_EQ(comma.size(), point.size());
    for (std::size_t k = 0; k < comma.size(); ++k) {
      std::string swapped = comma[k];
      for (char& c : swapped) c = c == ',' ? '.' : c;
      EXPECT_EQ(point[k], swapped);
      EXPECT_EQ(ParseDecimal(comma[k]), std::strtof(point[k].c_str(), nullptr)) << point[k];
    }
  }
}

}  // namespace
}  // namespace velmora
