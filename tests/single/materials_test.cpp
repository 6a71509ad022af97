#include "single/materials.h"

#include <gtest/gtest.h>

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
  const std::string conductors =
      "56 Cu|36 Bronze|35 Al|16,5 Zn|15 Messing|14,3 Ni|10 Fe|8,3 Sn|7 Stahl|6,2 Cr|5 Pb|62,5 Ag||";
  const std::vector<float> conductivities = {56,   36, 35,   16.5f, 15,    14.3f, 10,
                                             8.3f, 7,  6.2f, 5,     62.5f, 0};
  const std::string insulations =
      "1,0   Vakuum|1,00059 Luft|2,0   Papier|2,04   FEP Ethylenpropylen|2,04   PTFE|"
      "2,2   PTFE GY|2,3   PE Polyethylen|2,35 Öl|2,48 PTFE GX|2,6   Polystyrol|2,7   Gummi|"
      "2,8   SIR Silikon|3,2   Holz|3,5   Plexiglas|3,7   PA Polyamid|4,0   PVC (3,5...4,5)|"
      "4,5   FR4 Epoxyd|4,5   Cevausit|5,0   Pertinax|5,0   Igelit|5,0   Vinidur|"
      "5,5   Porzellan|6,0   Glas|6,15 PTFE 3006|6,5   Calit|7,0   Glimmer|";
  const std::vector<float> permittivities = {
      1,    1.00059f, 2, 2.04f, 2.04f, 2.2f, 2.3f, 2.35f, 2.48f, 2.6f, 2.7f,  2.8f, 3.2f,
      3.5f, 3.7f,     4, 4.5f,  4.5f,  5,    5,    5,     5.5f,  6,    6.15f, 6.5f, 7};
  for (const char separator : {',', '.'}) {
    SCOPED_TRACE(separator);
    std::string conductorText = conductors, insulationText = insulations;
    if (separator == '.') {
      for (char& c : conductorText) c = c == ',' ? '.' : c;
      for (char& c : insulationText) c = c == ',' ? '.' : c;
    }
    const std::vector<std::string> c = ConductorMaterials(separator);
    const std::vector<std::string> i = InsulationMaterials(separator);
    EXPECT_EQ(Joined(c), conductorText);
    EXPECT_EQ(Joined(i), insulationText);
    for (std::size_t k = 0; k < c.size() && k < conductivities.size(); ++k) {
      EXPECT_EQ(ParseDecimal(c[k]), conductivities[k]) << c[k];
    }
    for (std::size_t k = 0; k < i.size() && k < permittivities.size(); ++k) {
      EXPECT_EQ(ParseDecimal(i[k]), permittivities[k]) << i[k];
    }
    EXPECT_EQ(c.front(), kDefaultConductor);
    EXPECT_EQ(i.at(6), DefaultInsulation(separator));
  }
}

}  // namespace
}  // namespace velmora
