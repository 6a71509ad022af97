// SPDX-License-Identifier: GPL-3.0-or-later
#include "band/band_session.h"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

#include "formulas/numtext.h"
#include "formulas/parse.h"
#include "platform/version.h"
#include "single/frm_einzel_eingabe.h"
#include "touchstone/touchstone.h"

namespace velmora::band {
namespace {

constexpr int kNice = 10;

nec::Failure Refused(std::string why) {
  return {nec::ErrorKind::kInvalidInput, std::move(why)};
}

void Fill(std::string& target, const std::string& text) {
  if (!text.empty()) target = text;
}

}  // namespace

nec::Result<BandInputs> ReadTexts(const BandTexts& t) {
  BandInputs in;
  in.bandName = t.band;
  if (t.band == kFreeBand) {
    in.fromMHz = Widen(ParseDecimal(t.from));
    in.toMHz = Widen(ParseDecimal(t.to));
  } else if (const std::optional<Band> band = FindBand(t.band)) {
    in.bandName = band->name;
    in.fromMHz = band->fromMHz;
    in.toMHz = band->toMHz;
  } else {
    return Refused("Das Band „" + t.band.substr(0, 40) + "“ gibt es nicht.");
  }
  in.frequency = t.frequency.empty() ? static_cast<float>((in.fromMHz + in.toMHz) / 2.0)
                                     : ParseDecimal(t.frequency);
  in.height = ParseDecimal(t.height);
  in.diameterMm = ParseDecimal(t.diameter);
  in.outerDiameterMm = t.outerDiameter.empty() ? in.diameterMm : ParseDecimal(t.outerDiameter);
  in.epsilonR = in.Insulated() ? ParseDecimal(t.insulation) : 1.0f;
  in.conductivity = ParseDecimal(t.material);
  if (t.ground == nec::GroundText(nec::Ground::kAverage)) {
    in.ground = nec::Ground::kAverage;
  } else if (t.ground == nec::GroundText(nec::Ground::kPerfect)) {
    in.ground = nec::Ground::kPerfect;
  } else {
    return Refused("Der Bandentwurf rechnet über mittlerem oder idealem Boden.");
  }
  in.impedance = ParseDecimal(t.impedance);
  if (std::optional<std::string> problem = CheckInputs(in)) return Refused(*problem);
  return in;
}

std::string BandTouchstone(const BandDesign& design, const std::string& material) {
  const BandInputs& in = design.inputs;
  const BandColumn& column = design.nec ? design.nec->column : design.closedForm.column;
  const auto text = [](double value) { return FormatGeneral(value, ','); };
  touchstone::Header header;
  header.program = std::string(kProductName) + " " + std::to_string(kVersionMajor) + "." +
                   std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision) +
                   (design.nec ? ", NEC-2" : ", Formel");
  header.wire = "Länge " + FormatPattern(column.lengthM, "0.000", ',') + " m, " +
                text(Widen(in.diameterMm)) + " mm " + material;
  if (in.Insulated()) {
    header.wire +=
        ", isoliert " + text(Widen(in.outerDiameterMm)) + " mm, er " + text(Widen(in.epsilonR));
  }
  header.height = text(Widen(in.height)) + " m";
  header.ground = nec::GroundText(in.ground);
  std::vector<touchstone::Point> points;
  for (const SweepPoint& p : column.points) points.push_back({p.frequencyMHz, p.z});
  return touchstone::Write(points, Widen(in.impedance), header);
}

BandTexts PrefillFrom(BandTexts texts, const FrmEinzelEingabe& dialog) {
  if (dialog.LastChoice != kChoiceResonantLength) return texts;
  if (!dialog.Text7.text.empty()) {
    const double f = Widen(ParseDecimal(dialog.Text7.text));
    for (const Band& band : Bands()) {
      if (f >= band.fromMHz && f <= band.toMHz) {
        texts.band = band.name;
        texts.frequency = dialog.Text7.text;
      }
    }
  }
  Fill(texts.height, dialog.Text6.text);
  Fill(texts.diameter, dialog.Text2.text);
  Fill(texts.outerDiameter, dialog.Text1.text);
  Fill(texts.insulation, dialog.Combo3.text);
  Fill(texts.material, dialog.Combo2.text);
  return texts;
}

std::optional<std::uint64_t> BandSession::Update(const BandTexts& texts) {
  texts_ = texts;
  ++generation_;
  design_.reset();
  necRunning_ = false;
  const nec::Result<BandInputs> inputs = ReadTexts(texts);
  if (!inputs.ok()) {
    problem_ = inputs.failure().message;
    return std::nullopt;
  }
  std::optional<ClosedFormBand> closedForm = ComputeClosedForm(inputs.value());
  if (!closedForm) {
    problem_ = "Die Formeln ergeben für diese Eingaben keinen Dipol.";
    return std::nullopt;
  }
  problem_.clear();
  design_ = BandDesign{inputs.value(), std::move(*closedForm), std::nullopt, std::nullopt};
  necRunning_ = true;
  return generation_;
}

void BandSession::Cancel() {
  if (!necRunning_) return;
  ++generation_;
  necRunning_ = false;
  design_->necFailure = nec::CancelledFailure();
}

bool BandSession::NecDone(std::uint64_t generation, nec::Result<NecBand> result) {
  if (generation != generation_ || !necRunning_) return false;
  necRunning_ = false;
  if (result.ok()) {
    design_->nec = result.value();
  } else {
    design_->necFailure = result.failure();
  }
  return true;
}

BandNecJob::BandNecJob(std::shared_ptr<nec::NecRunner> runner, BandInputs inputs,
                       std::uint64_t generation, Done done)
    : runner_(std::move(runner)),
      worker_([this, inputs = std::move(inputs), generation,
               done = std::move(done)](std::stop_token stop) {
        // Gives way to the user interface; the sweep's second thread and every nec2c child
        // inherit it (on Linux the nice value is the thread's).
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNice);
        nec::Result<NecBand> result = ComputeNec(*runner_, inputs, stop);
        if (!stop.stop_requested()) done(generation, std::move(result));
      }) {}

BandNecJob::~BandNecJob() = default;

}  // namespace velmora::band
