// SPDX-License-Identifier: GPL-3.0-or-later
// What a window for the band design keeps: its inputs as the texts of its boxes, the design of
// the last inputs, and the NEC-2 side computed in the background. Every new input computes the
// closed form at once (microseconds) and starts a new generation; the binding then replaces the
// running BandNecJob with one for that generation and hands its result back through NecDone,
// which drops results of earlier generations. Without nec2c the NEC-2 side fails at once with
// the install hint and the closed form stands alone.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "band/band_design.h"

namespace velmora {
class FrmEinzelEingabe;
}

namespace velmora::band {

// The inputs as typed. Numbers are read like the dialogs' boxes (ParseDecimal).
struct BandTexts {
  std::string band = "80 m";      // a name of Bands(), or kFreeBand
  std::string from;               // MHz, the lower limit; read for kFreeBand only
  std::string to;                 // MHz, the upper limit; read for kFreeBand only
  std::string frequency;          // MHz; empty: the band's centre
  std::string height = "12";      // m
  std::string diameter = "1,38";  // mm, the conductor
  std::string outerDiameter;      // mm; empty or equal to the conductor's: bare wire
  std::string insulation;         // an item of InsulationMaterials() or a number: er
  std::string material = "56 Cu";
  std::string ground = "mittlerer Boden";  // nec::GroundText of kAverage or kPerfect
  std::string impedance = "50";            // Z0, ohm

  bool operator==(const BandTexts&) const = default;
};

// The inputs the texts stand for, or why they stand for none (German, one sentence).
nec::Result<BandInputs> ReadTexts(const BandTexts& texts);

// The model's 41 samples (NEC-2's where it ran, else the closed form's) as the text of a
// Touchstone file "# MHz S RI R <Z0>", its comment lines naming the program, the wire (its
// material as typed), the height and the ground.
std::string BandTouchstone(const BandDesign& design, const std::string& material);

// `texts` with what the single-value dialog last held for "resonante Dipollänge", where it holds
// anything: frequency (and the band around it), height, diameters, insulation and material.
BandTexts PrefillFrom(BandTexts texts, const FrmEinzelEingabe& dialog);

class BandSession {
 public:
  // New texts: the closed form at once and a new generation. Returns the generation to start
  // the NEC-2 side for, or nothing when the texts allow no design (Problem() says why).
  std::optional<std::uint64_t> Update(const BandTexts& texts);
  // "Abbrechen": the running NEC-2 side's result will be dropped.
  void Cancel();
  // The NEC-2 side of `generation`; false (and nothing changes) for an earlier generation.
  bool NecDone(std::uint64_t generation, nec::Result<NecBand> result);

  const BandTexts& Texts() const { return texts_; }
  const std::optional<BandDesign>& Design() const { return design_; }
  const std::string& Problem() const { return problem_; }
  bool NecRunning() const { return necRunning_; }
  std::uint64_t Generation() const { return generation_; }

 private:
  BandTexts texts_;
  std::optional<BandDesign> design_;
  std::string problem_;
  bool necRunning_ = false;
  std::uint64_t generation_ = 0;
};

// The NEC-2 side of one design on a worker thread of its own (the sweep adds one more).
class BandNecJob {
 public:
  // Runs on the worker thread, once, unless the job was stopped first.
  using Done = std::function<void(std::uint64_t generation, nec::Result<NecBand> result)>;

  // Starts at once.
  BandNecJob(std::shared_ptr<nec::NecRunner> runner, BandInputs inputs, std::uint64_t generation,
             Done done);
  // Stops and waits: the runner kills running nec2c children within its poll slice.
  ~BandNecJob();
  BandNecJob(const BandNecJob&) = delete;
  BandNecJob& operator=(const BandNecJob&) = delete;

 private:
  const std::shared_ptr<nec::NecRunner> runner_;
  std::jthread worker_;  // last: joined before the rest goes
};

}  // namespace velmora::band
