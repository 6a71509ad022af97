// SPDX-License-Identifier: GPL-3.0-or-later
// The material lists of the dialogs. Each item is one text that starts with its number and goes
// on with the material's name; the calculations read the number back with ParseDecimal.
#pragma once

#include <string>
#include <vector>

namespace velmora {

// Conductivity in m/(ohm mm^2), for example "56 Cu", "16,5 Zn"; the last item is empty (reads 0).
// Not sorted by value.
std::vector<std::string> ConductorMaterials(char decimalSeparator);

// Relative permittivity of the insulation, ordered by value, for example "2,3   PE Polyethylen",
// "4,0   PVC (3,5...4,5)". No empty item.
std::vector<std::string> InsulationMaterials(char decimalSeparator);

// The texts the material boxes show after loading: copper, and polyethylene.
inline constexpr const char* kDefaultConductor = "56 Cu";
std::string DefaultInsulation(char decimalSeparator);

}  // namespace velmora
