// SPDX-License-Identifier: GPL-3.0-or-later
#include "single/materials.h"

#include "formulas/numtext.h"

namespace velmora {
namespace {

// The insulation items give their number with one or two decimals.
constexpr const char* kPermittivityPattern = "#0.0#";

}  // namespace

std::vector<std::string> ConductorMaterials(char decimalSeparator) {
  const auto general = [decimalSeparator](double value, const char* symbol) {
    return FormatGeneral(value, decimalSeparator) + symbol;
  };
  return {
      "56 Cu",      "36 Bronze",          "35 Al", general(16.5, " Zn"),
      "15 Messing", general(14.3, " Ni"), "10 Fe", general(8.3, " Sn"),
      "7 Stahl",    general(6.2, " Cr"),  "5 Pb",  general(62.5, " Ag"),
      "",
  };
}

std::vector<std::string> InsulationMaterials(char decimalSeparator) {
  const auto item = [decimalSeparator](double value, const char* name) {
    return FormatPattern(value, kPermittivityPattern, decimalSeparator) + name;
  };
  return {
      item(1, "   Vakuum"),
      FormatPattern(1.00059, "#0.0####", decimalSeparator) + " Luft",
      item(2, "   Papier"),
      item(2.04, "   FEP Ethylenpropylen"),
      item(2.04, "   PTFE"),
      item(2.2, "   PTFE GY"),
      DefaultInsulation(decimalSeparator),
      item(2.35, " Öl"),
      item(2.48, " PTFE GX"),
      item(2.6, "   Polystyrol"),
      item(2.7, "   Gummi"),
      item(2.8, "   SIR Silikon"),
      item(3.2, "   Holz"),
      item(3.5, "   Plexiglas"),
      item(3.7, "   PA Polyamid"),
      item(4, "   PVC (") + FormatGeneral(3.5, decimalSeparator) + "..." +
          FormatGeneral(4.5, decimalSeparator) + ")",
      item(4.5, "   FR4 Epoxyd"),
      item(4.5, "   Cevausit"),
      item(5, "   Pertinax"),
      item(5, "   Igelit"),
      item(5, "   Vinidur"),
      item(5.5, "   Porzellan"),
      item(6, "   Glas"),
      item(6.15, " PTFE 3006"),
      item(6.5, "   Calit"),
      item(7, "   Glimmer"),
  };
}

std::string DefaultInsulation(char decimalSeparator) {
  return FormatPattern(2.3, kPermittivityPattern, decimalSeparator) + "   PE Polyethylen";
}

}  // namespace velmora
