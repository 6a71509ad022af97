// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "band/band_design.h"
#include "band/band_plot.h"
#include "band/band_session.h"
#include "formulas/parse.h"
#include "headless/headless_platform.h"
#include "nec/runner.h"
#include "single/frm_einzel_eingabe.h"
#include "tests/crosscheck/scripted_runner.h"

namespace velmora::band {
namespace {

// 80 m, 3,65 MHz, 12 m over average ground, 1,38 mm copper in a 2,8 mm PVC sheath, Z0 50 ohm.
BandTexts Example() {
  BandTexts texts;
  texts.frequency = "3,65";
  texts.outerDiameter = "2,8";
  texts.insulation = "4,0   PVC (3,5...4,5)";
  return texts;
}

// An analyser's sweep of 60.000 samples is drawn with a few thousand segments, and its one
// sample at SWR 1 still reaches the bottom of the plot.
TEST(BandTest, ALongMeasurementIsThinnedToItsEnvelope) {
  const BandInputs in = ReadTexts(Example()).value();
  const BandDesign design{in, ComputeClosedForm(in).value(), std::nullopt, std::nullopt};
  std::vector<SweepPoint> sweep;
  for (int i = 0; i < 60000; ++i) {
    const double f = 3.3 + 0.7 * i / 59999.0;
    sweep.push_back({f, i == 30001 ? std::complex<double>(50.0, 0.0)
                                   : std::complex<double>(60.0, 5.0 * (f - 3.65) / 0.01)});
  }
  RetainedSurface surface(11880, 3900);
  DrawBandPlot(surface, &design, ',', sweep);
  double lowest = 0;
  int lines = 0;
  for (const DrawnItem& i : surface.Image().items) {
    if (i.kind != DrawnItem::Kind::kLine || i.pen != PlotPen::kMeasured) continue;
    lowest = std::max({lowest, i.y1, i.y2});
    ++lines;
  }
  EXPECT_LT(lines, 8000);
  EXPECT_NEAR(lowest, 3900 - 420, 1e-6);  // SWR 1 on the bottom edge
}

TEST(BandTest, ClosedFormOfTheExample) {
  const BandInputs in = ReadTexts(Example()).value();
  const ClosedFormBand band = ComputeClosedForm(in).value();
  const BandColumn& c = band.column;
  EXPECT_NEAR(c.lengthM, 36.709, 5e-4);
  EXPECT_DOUBLE_EQ(c.legLengthM, c.lengthM / 2);
  EXPECT_NEAR(band.rs, 44.93, 5e-3);
  EXPECT_NEAR(band.rve, 2.46, 5e-3);
  EXPECT_NEAR(band.rv, 4.30, 5e-3);
  EXPECT_NEAR(c.r, 51.69, 5e-3);
  EXPECT_NEAR(band.q, 18.04, 5e-3);
  EXPECT_NEAR(band.Efficiency(), 0.869, 5e-4);
  EXPECT_NEAR(band.LossDb(), 0.61, 5e-3);
  EXPECT_NEAR(c.figures.within2->fromMHz, 3.5797, 5e-5);
  EXPECT_NEAR(c.figures.within2->toMHz, 3.7203, 5e-5);
  EXPECT_NEAR(*c.swrAtLimits[0], 4.025, 5e-4);  // 150 kHz either side of f_d
  EXPECT_NEAR(*c.swrAtLimits[1], 4.025, 5e-4);
  ASSERT_EQ(c.points.size(), 41u);
  EXPECT_NEAR(c.points[kLowerLimitSample].frequencyMHz, 3.5, 1e-12);
  EXPECT_NEAR(c.points[kUpperLimitSample].frequencyMHz, 3.8, 1e-12);

  BandTexts perfect = Example();
  perfect.ground = nec::GroundText(nec::Ground::kPerfect);
  EXPECT_EQ(ComputeClosedForm(ReadTexts(perfect).value())->rve, 0);
}

TEST(BandTest, BandsAndRefusedTexts) {
  EXPECT_EQ(FindBand("80m")->toMHz, 3.8);
  EXPECT_EQ(FindBand("60 m")->fromMHz, 5.3515);
  EXPECT_FALSE(FindBand("8 m"));
  EXPECT_FALSE(FindBand(kFreeBand));
  EXPECT_EQ(Bands().size(), 10u);
  BandTexts centre;
  EXPECT_FLOAT_EQ(ReadTexts(centre).value().frequency, 3.65f);

  const auto with = [](auto change) {
    BandTexts texts = Example();
    change(texts);
    return texts;
  };
  const struct {
    BandTexts texts;
    const char* says;
  } refused[] = {
      {with([](BandTexts& t) { t.band = "11 m"; }), "Das Band „11 m“ gibt es nicht."},
      {with([](BandTexts& t) { t.band = kFreeBand, t.from = "7,2", t.to = "7"; }),
       "kleiner als die obere"},
      {with([](BandTexts& t) { t.band = kFreeBand, t.from = "1", t.to = "3"; }),
       "Das Band ist zu breit"},
      {with([](BandTexts& t) { t.outerDiameter = "1"; }), "Außendurchmesser"},
      {with([](BandTexts& t) { t.insulation = "0,5"; }), "Dielektrizitätszahl"},
      {with([](BandTexts& t) { t.impedance = "0"; }), "Z0"},
      {with([](BandTexts& t) { t.ground = nec::GroundText(nec::Ground::kFree); }), "Boden"},
  };
  for (const auto& row : refused) {
    const auto read = ReadTexts(row.texts);
    ASSERT_FALSE(read.ok()) << row.says;
    EXPECT_NE(read.failure().message.find(row.says), std::string::npos) << read.failure().message;
  }
}

TEST(BandTest, NecSideOnAScriptedRunner) {
  testing::ScriptedRunner runner(0.96);  // resonant at 0,96 of the half wave, R 70 ohm
  const auto band = ComputeNec(runner, ReadTexts(Example()).value());
  ASSERT_TRUE(band.ok()) << band.failure().message;
  const BandColumn& c = band.value().column;
  EXPECT_NEAR(c.lengthM, 0.96 * kSpeedOfLight / 3.65 / 2, 1e-3);
  EXPECT_DOUBLE_EQ(c.r, 70);
  EXPECT_NEAR(c.figures.resonanceMHz.value(), 3.65, 1e-4);
  EXPECT_NEAR(c.figures.swrMin, 1.4, 1e-3);
  EXPECT_EQ(band.value().runs, runner.runs);
  EXPECT_EQ(c.points.size(), 41u);
}

TEST(BandTest, SessionTakesTheLatestGenerationOnlyAndJobsStopQuietly) {
  BandSession session;
  BandTexts wrong = Example();
  wrong.impedance = "0";
  EXPECT_FALSE(session.Update(wrong));
  EXPECT_FALSE(session.Design());
  EXPECT_NE(session.Problem().find("Z0"), std::string::npos);

  const std::uint64_t first = session.Update(Example()).value();
  const std::uint64_t second = session.Update(Example()).value();
  EXPECT_TRUE(session.NecRunning());
  EXPECT_FALSE(session.NecDone(first, NecBand{}));
  EXPECT_TRUE(session.NecDone(second, nec::Failure{nec::ErrorKind::kNotInstalled, "fehlt"}));
  EXPECT_FALSE(session.NecRunning());
  EXPECT_EQ(session.Design()->necFailure->message, "fehlt");
  EXPECT_NEAR(session.Design()->closedForm.column.r, 51.69, 5e-3);

  const std::uint64_t third = session.Update(Example()).value();
  session.Cancel();
  EXPECT_FALSE(session.NecDone(third, NecBand{}));
  EXPECT_EQ(session.Design()->necFailure->kind, nec::ErrorKind::kCancelled);

  auto runner = std::make_shared<testing::ScriptedRunner>();
  std::atomic<int> reports = 0;
  const auto count = [&](std::uint64_t, nec::Result<NecBand>) { ++reports; };
  {
    BandNecJob done(runner, ReadTexts(Example()).value(), 1, count);
    for (int i = 0; i < 500 && reports == 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  EXPECT_EQ(reports, 1);
  runner->hold = true;
  {
    BandNecJob stopped(runner, ReadTexts(Example()).value(), 2, count);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(runner->stops, 1);
}

TEST(BandTest, PrefillFromTheLastResonantLengthOnly) {
  HeadlessPlatform platform;
  FrmEinzelEingabe dialog{platform};
  dialog.Load();
  dialog.Form_Activate();
  dialog.Text7.text = "7,05";
  dialog.Text6.text = "9";
  dialog.Text1.text = "2,5";
  dialog.Text2.text = "1,5";
  const BandTexts texts = PrefillFrom(BandTexts(), dialog);
  EXPECT_EQ(texts.band, "40 m");
  EXPECT_EQ(texts.frequency, "7,05");
  EXPECT_EQ(texts.height, "9");
  EXPECT_EQ(texts.diameter, "1,5");
  EXPECT_EQ(texts.outerDiameter, "2,5");
  EXPECT_FLOAT_EQ(ReadTexts(texts).value().epsilonR, ParseDecimal(dialog.Combo3.text));
  dialog.Text7.text = "8,5";  // in no band: the band and its centre stay
  EXPECT_EQ(PrefillFrom(BandTexts(), dialog).frequency, "");
  dialog.LastChoice = kChoiceVelocityFactor;
  EXPECT_EQ(PrefillFrom(BandTexts(), dialog), BandTexts());
}

// The real nec2c on the example: NEC-2's 38,358 m, 56,9 ohm and SWR <= 2 from 3,577 to 3,726 MHz.
TEST(BandTest, RealNec2cOnTheExample) {
  nec::Nec2cRunner runner;
  if (!runner.Locate()) GTEST_SKIP() << "nec2c is not installed";
  const auto band = ComputeNec(runner, ReadTexts(Example()).value());
  ASSERT_TRUE(band.ok()) << band.failure().message;
  const BandColumn& c = band.value().column;
  EXPECT_NEAR(c.lengthM, 38.358, 38.358 * 0.002);
  EXPECT_NEAR(c.r, 56.9, 56.9 * 0.01);
  EXPECT_NEAR(c.figures.within2->fromMHz, 3.577, 0.002);
  EXPECT_NEAR(c.figures.within2->toMHz, 3.726, 0.002);
}

}  // namespace
}  // namespace velmora::band
