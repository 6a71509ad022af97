// SPDX-License-Identifier: GPL-3.0-or-later
// The band window's model on the headless platform: what its table, status, plot and read-out
// show through the NEC-2 side's life, and what an input does to a running search.
#include "band/frm_band.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "headless/headless_platform.h"
#include "touchstone/touchstone.h"

namespace velmora::band {
namespace {

struct Window {
  HeadlessPlatform platform;
  FrmBand form{platform};
  Window() {
    BandTexts example;
    example.frequency = "3,65";
    example.outerDiameter = "2,8";
    example.insulation = "4,0   PVC (3,5...4,5)";
    form.Load(example);
  }
  const FrmBand::Row& Row(FrmBand::RowIndex i) { return form.rows[static_cast<std::size_t>(i)]; }
  void Type(TextBox& box, const std::string& text) {
    box.text = text;
    form.Input_Changed();
  }
  void NecAnswers(const std::optional<nec::Failure>& failure = std::nullopt) {
    NecBand nec;
    nec.column = form.Session().Design()->closedForm.column;
    nec.runs = 7;
    for (SweepPoint& p : nec.column.points) p.z *= 1.1;  // a curve of its own
    form.NecDone(form.NecGeneration(), failure ? nec::Result<NecBand>(*failure) : nec);
  }
};

TEST(FrmBandTest, FormulasAtOnceNecAfterwardsOrItsReason) {
  Window w;
  EXPECT_EQ(w.Row(FrmBand::kLength).closedForm.caption, "36,709");
  EXPECT_EQ(w.Row(FrmBand::kRange2).closedForm.caption, "3,5797 – 3,7203");
  EXPECT_EQ(w.Row(FrmBand::kEfficiency).closedForm.caption, "86,9");
  EXPECT_EQ(w.Row(FrmBand::kLength).nec.caption, "");
  EXPECT_EQ(w.form.lblStatus.caption, FrmBand::kRunning);
  EXPECT_TRUE(w.form.NecWanted() && w.form.prgBusy.visible && w.form.cmdAbbrechen.enabled);

  w.NecAnswers();
  EXPECT_EQ(w.Row(FrmBand::kLength).nec.caption, "36,709");
  EXPECT_EQ(w.Row(FrmBand::kEfficiency).nec.caption, "–");
  EXPECT_EQ(w.form.lblStatus.caption, "NEC-2: 7 nec2c-Läufe, 41 Segmente.");
  EXPECT_FALSE(w.form.NecWanted() || w.form.prgBusy.visible || w.form.cmdAbbrechen.enabled);

  // Without nec2c the formulas stand alone with the reason.
  w.Type(w.form.txtHoehe, "13");
  w.NecAnswers(nec::Failure{nec::ErrorKind::kNotInstalled, "nec2c fehlt: apt install nec2c"});
  EXPECT_EQ(w.form.lblStatus.caption, "nec2c fehlt: apt install nec2c");
  EXPECT_EQ(w.Row(FrmBand::kLength).nec.caption, "–");
  EXPECT_NE(w.Row(FrmBand::kLength).closedForm.caption, "–");
}

TEST(FrmBandTest, AnInputDropsTheRunningSearchAndRestartsOncTypingPauses) {
  Window w;
  const std::uint64_t running = w.form.NecGeneration();
  w.Type(w.form.txtZ0, "12,5");
  EXPECT_FALSE(w.form.NecWanted());  // the binding stops the job at once
  w.form.NecDone(running, NecBand{});
  EXPECT_EQ(w.form.lblStatus.caption, FrmBand::kRunning);
  w.form.tmrNeustart_Timer();
  EXPECT_TRUE(w.form.NecWanted());
  EXPECT_NE(w.form.NecGeneration(), running);

  w.form.cmdAbbrechen_Click();
  EXPECT_FALSE(w.form.NecWanted() || w.form.prgBusy.visible);
  EXPECT_EQ(w.form.lblStatus.caption, nec::CancelledFailure().message);

  w.Type(w.form.txtZ0, "0");
  EXPECT_NE(w.form.lblStatus.caption.find("Z0"), std::string::npos);
  EXPECT_FALSE(w.form.NecWanted() || w.form.cmdExportieren.enabled);
}

TEST(FrmBandTest, ABandFillsItsLimitsAndCentreFreiTakesTyped) {
  struct Case {
    const char* band;
    const char* from;
    const char* to;
    const char* frequency;
    bool typed;
  };
  for (const Case c :
       {Case{"40 m", "7", "7,2", "7,1", false}, Case{"60 m", "5,3515", "5,3665", "5,359", false},
        Case{kFreeBand, "7", "7,2", "7,1", true}}) {
    Window w;
    w.form.cboBand.text = "40 m";
    w.form.Input_Changed();
    w.form.cboBand.text = c.band;
    w.form.Input_Changed();
    EXPECT_EQ(w.form.txtVon.text, c.from) << c.band;
    EXPECT_EQ(w.form.txtBis.text, c.to) << c.band;
    EXPECT_EQ(w.form.txtFrequenz.text, c.frequency) << c.band;
    EXPECT_EQ(w.form.txtVon.enabled, c.typed) << c.band;
  }
  Window w;
  w.form.cboBand.text = kFreeBand;
  w.form.Input_Changed();
  w.Type(w.form.txtBis, "3,9");
  ASSERT_TRUE(w.form.Session().Design()) << w.form.Session().Problem();
  EXPECT_DOUBLE_EQ(w.form.Session().Design()->inputs.toMHz, 3.9);
}

TEST(FrmBandTest, PlotShadesTheBandAndCutsCurvesAtTheTop) {
  Window w;
  w.Type(w.form.txtZ0, "12,5");  // SWR above 5 towards the sweep's ends
  w.NecAnswers();
  const DisplayList& image = w.form.picture.Image();
  const auto fill = std::find_if(image.items.begin(), image.items.end(), [](const DrawnItem& i) {
    return i.kind == DrawnItem::Kind::kFill;
  });
  ASSERT_NE(fill, image.items.end());
  // The read-out's first and last sample are the sweep's ends: the band lies at 10 and 30.
  w.form.picSwv_Key(PlotKey::kFirst);
  const double first = *w.form.picSwv.marker;
  w.form.picSwv_Key(PlotKey::kLast);
  const double step = (*w.form.picSwv.marker - first) / (kSamples - 1);
  EXPECT_NEAR(fill->x1, first + kLowerLimitSample * step, 1e-6);
  EXPECT_NEAR(fill->x2, first + kUpperLimitSample * step, 1e-6);
  int atTop = 0;
  int necLines = 0;
  for (const DrawnItem& i : image.items) {
    if (i.kind != DrawnItem::Kind::kLine || i.x1 < first || i.x2 > first + 40 * step) continue;
    EXPECT_GE(std::min(i.y1, i.y2), fill->y1 - 1e-6);
    atTop += std::abs(std::min(i.y1, i.y2) - fill->y1) < 1e-6;
    necLines += i.pen == PlotPen::kNec;
  }
  EXPECT_GE(atTop, 4);  // both curves leave the top on both sides
  EXPECT_GE(necLines, 4);
}

TEST(FrmBandTest, ReadOutExportCopyAndPrint) {
  Window w;
  w.NecAnswers();
  w.form.picSwv_Key(PlotKey::kLeft);  // a first key: the end it points to
  EXPECT_EQ(w.form.lblAnzeige.caption.substr(0, 10), "3,9500 MHz");
  w.form.picSwv_Key(PlotKey::kPageRight);
  w.form.picSwv_Key(PlotKey::kPageLeft);
  EXPECT_EQ(w.form.lblAnzeige.caption.substr(0, 10), "3,8750 MHz");
  w.form.picSwv_Pointer(std::nullopt);
  EXPECT_FALSE(w.form.picSwv.marker);
  EXPECT_EQ(w.form.lblAnzeige.caption, "");

  w.form.cmdExportieren_Click();
  w.form.picSwv_Copy();
  ASSERT_EQ(w.platform.exports.size(), 1u);
  ASSERT_EQ(w.platform.copies.size(), 1u);
  EXPECT_EQ(w.platform.exports[0].fileName, "SWV-80-m");
  EXPECT_EQ(w.platform.exports[0].image, &w.form.picture.Image());
  EXPECT_EQ(w.platform.copies[0].csv, BandCsv(*w.form.Session().Design(), ','));

  // The model's sweep as Touchstone reads back to the same impedances: NEC-2's, where it ran.
  w.form.cmdTouchstone_Click();
  ASSERT_EQ(w.platform.saved.size(), 1u);
  EXPECT_EQ(w.platform.saved[0].fileName, "Dipol-80-m.s1p");
  const touchstone::ReadResult read = touchstone::Read(w.platform.saved[0].content);
  ASSERT_TRUE(read.ok()) << read.error.message;
  const BandColumn& nec = w.form.Session().Design()->nec->column;
  ASSERT_EQ(read.sweep->points.size(), nec.points.size());
  EXPECT_NEAR(std::abs(read.sweep->points[7].z - nec.points[7].z), 0, 1e-9);
  EXPECT_NE(w.platform.saved[0].content.find("NEC-2"), std::string::npos);

  w.platform.printOutcomes.push_back({false, "Papierstau"});
  w.form.picSwv_Key(PlotKey::kFirst);
  w.form.cmdDrucken_Click();
  EXPECT_FALSE(w.form.picSwv.marker);  // the marker is for the screen
  ASSERT_EQ(w.platform.messages.size(), 1u);
  EXPECT_EQ(w.platform.messages[0].text, "Papierstau");
}

std::string TempFile(const std::string& name, const std::string& text) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path) << text;
  return path;
}

TEST(FrmBandTest, AMeasurementShowsCurveColumnAndTrimABadFileChangesNothing) {
  Window w;
  w.NecAnswers();
  // X crosses zero at 3,6 + 0,1 * 5 / 15 MHz; 3,9 MHz lies beyond the plot's right side.
  const std::string good = TempFile("gut.s1p",
                                    "# MHz Z RI R 50\n3.4 .8 -.7\n3.5 .8 -.4\n3.6 1 -.1\n"
                                    "3.7 1.1 .2\n3.8 1.2 .5\n5.0 1.8 .8\n");
  const std::string bad = TempFile("kaputt.s1p", "# MHz Z RI R 50\n3.5 40 -20\n3.4 x 1\n");
  const auto before = [&] {
    std::vector<std::string> shown{w.form.lblTrim.caption, w.form.txtJetzt.text};
    for (const FrmBand::Row& r : w.form.rows) shown.push_back(r.measured.caption);
    return std::pair(shown, w.form.picture.Image().items.size());
  };
  const auto empty = before();
  w.form.cmdLaden_Click();  // cancelled
  w.platform.openAnswers.push_back(bad);
  w.form.cmdLaden_Click();
  ASSERT_EQ(w.platform.messages.size(), 1u);
  EXPECT_NE(w.platform.messages[0].text.find("Zeile 3"), std::string::npos);
  EXPECT_EQ(before(), empty);

  w.platform.openAnswers.push_back(good);
  w.form.cmdLaden_Click();
  EXPECT_EQ(w.Row(FrmBand::kResonance).measured.caption, "3,6333");
  EXPECT_EQ(w.Row(FrmBand::kR).measured.caption, "51,7");
  EXPECT_EQ(w.Row(FrmBand::kLength).measured.caption, "–");
  EXPECT_EQ(w.Row(FrmBand::kSwrLower).measured.caption, "1,64");
  EXPECT_EQ(w.form.txtJetzt.text, "36,71");  // NEC-2's length
  EXPECT_EQ(w.form.txtGemessen.text, "3,6333");
  // The formulas' trim until NEC-2's length at the measured resonance is in.
  EXPECT_EQ(w.form.lblTrim.caption,
            "je Schenkel 9,0 cm kürzen, neue Länge 36,53 m (nach den Formeln; NEC-2 rechnet …)");
  ASSERT_TRUE(w.form.TrimSearchWanted());
  EXPECT_NEAR(w.form.TrimSearchWire().frequencyMHz, 3.6333, 1e-9);
  nec::Resonance found;
  found.lengthM = 37.0;
  w.form.TrimSearchDone(w.form.TrimSearchGeneration(), found);
  EXPECT_FALSE(w.form.TrimSearchWanted());
  EXPECT_EQ(w.form.lblTrim.caption, "je Schenkel 14,5 cm kürzen, neue Länge 36,42 m (nach NEC-2)");
  w.form.txtJetzt.text = "37,5";
  w.form.txtJetzt_Change();
  EXPECT_NE(w.form.lblTrim.caption.find("neue Länge 37,2"), std::string::npos);
  w.form.picSwv_Key(PlotKey::kLast);
  const double right = *w.form.picSwv.marker;
  int measured = 0;
  for (const DrawnItem& i : w.form.picture.Image().items) {
    if (i.kind != DrawnItem::Kind::kLine || i.pen != PlotPen::kMeasured) continue;
    EXPECT_LE(std::max(i.x1, i.x2), right + 1e-6);  // cut at the frame
    ++measured;
  }
  EXPECT_GE(measured, 5);  // the curve and its legend line
  EXPECT_NE(w.form.lblAnzeige.caption.find("Messung "), std::string::npos);
  w.form.picSwv_Copy();
  const std::string csv = w.platform.copies.at(0).csv;
  EXPECT_NE(csv.find(";Messung SWV\n"), std::string::npos);
  const std::size_t lower = csv.find("\n3,5;");  // the band's lower limit
  ASSERT_NE(lower, std::string::npos);
  EXPECT_NE(csv.substr(lower, csv.find('\n', lower + 1) - lower).find(";1,64"), std::string::npos);

  // A bad file after a good one leaves the good one.
  const auto loaded = before();
  w.form.Form_FileDrop(bad);
  EXPECT_EQ(before(), loaded);
  EXPECT_EQ(w.platform.messages.size(), 2u);

  // Another Z0 is another SWR.
  const std::string swr50 = w.Row(FrmBand::kSwrMin).measured.caption;
  w.Type(w.form.txtZ0, "75");
  EXPECT_NE(w.Row(FrmBand::kSwrMin).measured.caption, swr50);
}

// A resonance typed without a file: a late NEC-2 answer for an earlier resonance is dropped, and
// a failed search leaves the formulas' trim with NEC-2's reason.
TEST(FrmBandTest, ATypedResonanceTrimsByNecOrSaysWhyNot) {
  Window w;
  EXPECT_NE(w.form.lblTrim.caption.find("Resonanz eingeben"), std::string::npos);
  w.form.txtGemessen.text = "3,7";
  w.form.txtGemessen_Change();
  EXPECT_EQ(w.form.txtJetzt.text, "36,71");  // the formulas', NEC-2 still running
  EXPECT_FALSE(w.form.TrimSearchWanted());   // it waits for NEC-2's length at the target
  w.NecAnswers();
  ASSERT_TRUE(w.form.TrimSearchWanted());
  const std::uint64_t first = w.form.TrimSearchGeneration();
  nec::Resonance found;
  found.lengthM = 36.2;
  w.form.TrimSearchDone(first, found);
  EXPECT_EQ(w.form.lblTrim.caption,
            "je Schenkel 26,0 cm verlängern, neue Länge 37,23 m (nach NEC-2)");
  w.form.txtGemessen.text = "3,6";
  w.form.txtGemessen_Change();
  EXPECT_TRUE(w.form.TrimSearchWanted());  // the length at 3,7 MHz is no answer for 3,6
  w.form.TrimSearchDone(first, found);
  EXPECT_TRUE(w.form.TrimSearchWanted());
  w.form.TrimSearchDone(w.form.TrimSearchGeneration(),
                        nec::Failure{nec::ErrorKind::kNoResonance, "keine Resonanz"});
  EXPECT_EQ(w.form.lblTrim.caption,
            "je Schenkel 27,0 cm kürzen, neue Länge 36,17 m (nach den Formeln)");
  EXPECT_EQ(w.form.lblTrim.toolTip, "NEC-2: keine Resonanz");
}

}  // namespace
}  // namespace velmora::band
