// SPDX-License-Identifier: GPL-3.0-or-later
// The feed-point impedance of one dipole at many frequencies: the FR card of the deck, nec2c's
// output of one table per frequency, and a sweep split over several nec2c runs at once.
#pragma once

#include <stop_token>
#include <string_view>
#include <vector>

#include "formulas/swr.h"
#include "nec/deck.h"
#include "nec/result.h"
#include "nec/runner.h"

namespace velmora::nec {

// The frequencies of `frequencies` cut into `parts` consecutive runs of (nearly) equal count,
// the longer ones first; never an empty run.
std::vector<Frequencies> SplitFrequencies(const Frequencies& frequencies, int parts);

// One point per frequency of the FR card, in its order, from nec2c's output: each
// "FREQUENCY :" block with its "ANTENNA INPUT PARAMETERS" row. The frequency comes from the card
// (nec2c prints only five digits of it) after checking that the printed one agrees.
Result<std::vector<SweepPoint>> ParseSweep(std::string_view output, const Frequencies& frequencies);

// The dipole of total length `lengthM` at the frequencies given, in one nec2c run.
Result<std::vector<SweepPoint>> RunSweep(NecRunner& runner, const Wire& wire, double lengthM,
                                         const Frequencies& frequencies, std::stop_token stop = {});

// The same in `parts` nec2c runs at once, one thread each; the first failure stops the other
// runs and is the result. The runner must be safe to use from several threads.
Result<std::vector<SweepPoint>> RunSweepInParts(NecRunner& runner, const Wire& wire, double lengthM,
                                                const Frequencies& frequencies, int parts,
                                                std::stop_token stop = {});

}  // namespace velmora::nec
