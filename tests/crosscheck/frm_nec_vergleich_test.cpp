// SPDX-License-Identifier: GPL-3.0-or-later
#include "crosscheck/frm_nec_vergleich.h"

#include <gtest/gtest.h>

#include "headless/headless_platform.h"

namespace velmora {
namespace {

struct Dialog {
  HeadlessPlatform platform;
  FrmNecVergleich form{platform};

  // The user fills the boxes; empty texts stay as they are.
  void Type(const NecInputs& in) {
    if (!in.frequency.empty()) form.txtFrequenz.text = in.frequency;
    if (!in.height.empty()) form.txtHoehe.text = in.height;
    if (!in.diameter.empty()) form.txtDraht.text = in.diameter;
    if (!in.material.empty()) form.cboMaterial.text = in.material;
    if (!in.ground.empty()) form.cboBoden.text = in.ground;
    if (!in.outerDiameter.empty()) form.txtAussen.text = in.outerDiameter;
    if (!in.insulation.empty()) form.cboIsolierung.text = in.insulation;
    form.Input_Changed();
  }
};

nec::Resonance Found(double length, double vf, double r) {
  return {length, vf, {r, 0.0004}, 5};
}

TEST(FrmNecVergleichTest, OpensWithWhatIsKnownOverTheDefaultsAndSearches) {
  Dialog d;
  d.form.Load({"7,1", "", "1,5", "", ""});
  EXPECT_EQ(d.form.Inputs(), (NecInputs{"7,1", "10", "1,5", "56 Cu", "mittlerer Boden", "",
                                        "2,3   PE Polyethylen"}));
  EXPECT_FALSE(d.form.cboIsolierung.enabled);
  ASSERT_TRUE(d.form.Searching());
  EXPECT_EQ(d.form.SearchWire(), (nec::Wire{7.1, 10.0, 1.5, 5.6e7, nec::Ground::kAverage, 41, {}}));
  EXPECT_EQ(d.form.lblStatus.caption, "NEC-2 rechnet …");
  EXPECT_TRUE(d.form.cmdAbbrechen.enabled);
  EXPECT_FALSE(d.form.rowVf.closedForm.caption.empty());
}

TEST(FrmNecVergleichTest, InputsNecCannotTakeSayWhyAndStartNothing) {
  const struct {
    const char* name;
    NecInputs typed;
    const char* status;
  } rows[] = {
      {"no frequency", {"0", "", "", "", ""}, "Bitte eine Frequenz über 0 MHz eingeben."},
      {"no wire", {"", "", ",", "", ""}, "Bitte einen Drahtdurchmesser über 0 mm eingeben."},
      {"below the formulas' height",
       {"", "0,005", "", "", ""},
       "Bitte eine Höhe von mindestens 0,01 m eingeben."},
      {"a material without its number",
       {"", "", "", "Cu", ""},
       "Das Material nennt keine Leitfähigkeit; es beginnt mit ihrer Zahl, z. B. „56 Cu“."},
      {"a sheath thinner than the wire",
       {"", "", "", "", "", "1,5"},
       "Der Außen-d muss größer als der Draht-d sein; leer lassen für blanken Draht."},
      {"an insulation without its number",
       {"", "", "", "", "", "3", "PVC"},
       "Die Isolierung nennt kein εr von mindestens 1; sie beginnt mit seiner Zahl, z. B. "
       "„2,3   PE Polyethylen“."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Dialog d;
    d.form.Load({});
    d.Type(row.typed);
    d.form.cmdBerechnen_Click();
    EXPECT_FALSE(d.form.Searching());
    EXPECT_FALSE(d.form.cmdBerechnen.enabled);
    EXPECT_EQ(d.form.lblStatus.caption, row.status);
  }
}

TEST(FrmNecVergleichTest, TheResultFillsTheTableAndAStaleOneIsDropped) {
  Dialog d;
  // The formulas' worst case: 3.6 MHz, 2.05 mm, 0.25 lambda over average ground (their Vf
  // 0.8934 against NEC-2's 0.9647).
  d.form.Load({"3,6", "20,82", "2,05", "", ""});
  const std::uint64_t search = d.form.SearchGeneration();
  d.form.SearchFinished(search - 1, Found(1, 1, 1));
  EXPECT_TRUE(d.form.Searching());
  d.form.SearchFinished(search, Found(40.17, 0.9647, 85.2));
  EXPECT_FALSE(d.form.Searching());
  EXPECT_FALSE(d.form.cmdAbbrechen.enabled);
  const auto column = [&d](Label FrmNecVergleich::Row::*cell) {
    return (d.form.rowLaenge.*cell).caption + "|" + (d.form.rowVf.*cell).caption + "|" +
           (d.form.rowR.*cell).caption;
  };
  EXPECT_EQ(column(&FrmNecVergleich::Row::closedForm), "37,201|0,8934|85,7");
  EXPECT_EQ(column(&FrmNecVergleich::Row::nec), "40,170|0,9647|85,2");
  EXPECT_EQ(column(&FrmNecVergleich::Row::difference), "-7,39 %|-7,39 %|0,61 %");
  EXPECT_EQ(d.form.lblStatus.caption, "NEC-2: Resonanz nach 5 nec2c-Läufen, 41 Segmente.");
  EXPECT_EQ(d.form.lblHinweis.caption, "");
}

TEST(FrmNecVergleichTest, BothColumnsForTheSameInsulatedWire) {
  const struct {
    const char* outer;
    std::optional<nec::Insulation> insulation;
    const char* formula;     // "resonante Dipollänge", or the bare wire's Vf
    const char* difference;  // against NEC-2's 38.895 m insulated
  } rows[] = {{"2,8", nec::Insulation{4.0, 2.8}, "37,257", "-4,21 %"},
              {"1,38", std::nullopt, "38,603", "-0,75 %"},
              {"", std::nullopt, "38,603", "-0,75 %"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.outer);
    Dialog d;
    d.form.Load({"3,6", "12", "1,38", "", "", row.outer, "4,0   PVC (3,5...4,5)"});
    EXPECT_EQ(d.form.SearchWire().insulation, row.insulation);
    d.form.SearchFinished(d.form.SearchGeneration(), Found(38.895, 0.93, 56.4));
    EXPECT_EQ(d.form.rowLaenge.closedForm.caption, row.formula);
    EXPECT_EQ(d.form.rowLaenge.difference.caption, row.difference);
    // The sign as the tool tip explains it.
    EXPECT_NE(d.form.lblDifferenz.toolTip.find("negativ: Formel kürzer"), std::string::npos);
  }
}

TEST(FrmNecVergleichTest, ANewInputOrAbbrechenEndsTheSearch) {
  Dialog d;
  d.form.Load({});
  const std::uint64_t first = d.form.SearchGeneration();
  d.Type({"7,1", "", "", "", ""});
  EXPECT_FALSE(d.form.Searching());
  d.form.SearchFinished(first, Found(20, 0.95, 70));
  EXPECT_EQ(d.form.rowVf.nec.caption, "");
  d.form.cmdBerechnen_Click();
  ASSERT_TRUE(d.form.Searching());
  EXPECT_NE(d.form.SearchGeneration(), first);
  d.form.cmdAbbrechen_Click();
  EXPECT_FALSE(d.form.Searching());
  EXPECT_EQ(d.form.lblStatus.caption, "Die NEC-2-Rechnung wurde abgebrochen.");
  d.form.cmdBerechnen_Click();
  d.form.SearchFinished(d.form.SearchGeneration(),
                        nec::Failure{nec::ErrorKind::kNotInstalled, "nec2c fehlt."});
  EXPECT_EQ(d.form.lblStatus.caption, "nec2c fehlt.");
}

TEST(FrmNecVergleichTest, NotesWhereTheFormulasDriftOrHaveNoAnswer) {
  const struct {
    const char* name;
    NecInputs typed;
    const char* note;
  } rows[] = {
      {"Rs below 0.2 lambda over real ground",
       {"3,6", "12", "", "", ""},
       "Unter 0,2 λ Höhe über realem Boden ist das Rs der Formel unzuverlässig."},
      {"no ground",
       {"", "", "", "", "ohne Boden"},
       "Ohne Boden hat die Formel kein Gegenstück; sie kennt nur Höhen über einem Boden."},
      {"a wire the formulas take thicker",
       {"3,6", "12", "0,05", "", ""},
       "Unter 0,2 λ Höhe über realem Boden ist das Rs der Formel unzuverlässig. Die Formel "
       "rechnet wie der Einzel-Wert-Dialog mit 0,1 mm Draht."},
      {"an insulated wire over perfect ground",
       {"", "", "1,38", "", "idealer Boden (leitende Ebene)", "2,8"},
       "Isolierter Draht: Formel als resonante Dipollänge, NEC-2 mit dem Mantel als Last. Für "
       "isolierten Draht hat die Formel nur die resonante Dipollänge über mittlerem Boden."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Dialog d;
    d.form.Load({});
    d.Type(row.typed);
    EXPECT_EQ(d.form.lblHinweis.caption, row.note);
  }
  Dialog d;
  d.form.Load({"", "", "", "", "ohne Boden"});
  EXPECT_FALSE(d.form.txtHoehe.enabled);
  d.form.SearchFinished(d.form.SearchGeneration(), Found(40, 0.97, 72));
  EXPECT_EQ(d.form.rowVf.closedForm.caption + d.form.rowVf.difference.caption, "––");
}

}  // namespace
}  // namespace velmora
