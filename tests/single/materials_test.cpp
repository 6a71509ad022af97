#include "single/materials.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formulas/parse.h"

namespace velmora {
namespace {

struct Item {
  const char* germanText;  // as the list shows it with a decimal comma
  float value;
};

const std::vector<Item> kConductors = {
    {"56 Cu", 56.0f},   {"36 Bronze", 36.0f},  {"35 Al", 35.0f},
    {"16,5 Zn", 16.5f}, {"15 Messing", 15.0f}, {"14,3 Ni", 14.3f},
    {"10 Fe", 10.0f},   {"8,3 Sn", 8.3f},      {"7 Stahl", 7.0f},
    {"6,2 Cr", 6.2f},   {"5 Pb", 5.0f},        {"62,5 Ag", 62.5f},
    {"", 0.0f},
};

const std::vector<Item> kInsulations = {
    {"1,0   Vakuum", 1.0f},         {"1,00059 Luft", 1.00059f},
    {"2,0   Papier", 2.0f},         {"2,04   FEP Ethylenpropylen", 2.04f},
    {"2,04   PTFE", 2.04f},         {"2,2   PTFE GY", 2.2f},
    {"2,3   PE Polyethylen", 2.3f}, {"2,35 Öl", 2.35f},
    {"2,48 PTFE GX", 2.48f},        {"2,6   Polystyrol", 2.6f},
    {"2,7   Gummi", 2.7f},          {"2,8   SIR Silikon", 2.8f},
    {"3,2   Holz", 3.2f},           {"3,5   Plexiglas", 3.5f},
    {"3,7   PA Polyamid", 3.7f},    {"4,0   PVC (3,5...4,5)", 4.0f},
    {"4,5   FR4 Epoxyd", 4.5f},     {"4,5   Cevausit", 4.5f},
    {"5,0   Pertinax", 5.0f},       {"5,0   Igelit", 5.0f},
    {"5,0   Vinidur", 5.0f},        {"5,5   Porzellan", 5.5f},
    {"6,0   Glas", 6.0f},           {"6,15 PTFE 3006", 6.15f},
    {"6,5   Calit", 6.5f},          {"7,0   Glimmer", 7.0f},
};

std::string WithPoint(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

void ExpectList(const std::vector<std::string>& actual, const std::vector<Item>& expected,
                char separator) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("item " + std::to_string(i + 1) + " separator " + separator);
    const std::string text =
        separator == ',' ? std::string(expected[i].germanText) : WithPoint(expected[i].germanText);
    EXPECT_EQ(actual[i], text);
    // Bit-exact: the item must read as the same single as the listed number.
    EXPECT_EQ(ParseDecimal(actual[i]), expected[i].value);
  }
}

class MaterialListTest : public testing::TestWithParam<char> {};

TEST_P(MaterialListTest, ConductorItemsReadBackTheirConductivity) {
  ExpectList(ConductorMaterials(GetParam()), kConductors, GetParam());
}

TEST_P(MaterialListTest, InsulationItemsReadBackTheirPermittivity) {
  ExpectList(InsulationMaterials(GetParam()), kInsulations, GetParam());
}

TEST_P(MaterialListTest, DefaultsAreItemsOfTheirLists) {
  const auto conductors = ConductorMaterials(GetParam());
  const auto insulations = InsulationMaterials(GetParam());
  EXPECT_EQ(conductors.front(), kDefaultConductor);
  EXPECT_EQ(insulations.at(6), DefaultInsulation(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Separators, MaterialListTest, testing::Values(',', '.'),
                         [](const testing::TestParamInfo<char>& info) {
                           return info.param == ',' ? std::string("Comma") : std::string("Point");
                         });

}  // namespace
}  // namespace velmora
