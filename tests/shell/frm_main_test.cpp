// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_main.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "headless/headless_platform.h"
#include "platform/retained_surface.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 9000;
constexpr int kClientHeight = 7500;
constexpr int kBars = 420 + 375;  // toolbar and status bar
constexpr const char* kVfAtD = "Verkürzung Vf bei d";

// The main window with a scripted user, opened at a fixed client size.
struct Shell {
  HeadlessPlatform platform;
  RetainedSurface surface{0, 0};
  FrmMain main{platform, surface};

  void Open() {
    main.Form_Load();
    main.tbToolBar.height = 420;
    main.sbStatusBar.height = 375;
    Resize(kClientWidth, kClientHeight);
  }
  void Resize(int width, int height) {
    main.scaleWidth = width;
    main.scaleHeight = height;
    main.Form_Resize();
  }
  // The curve command; the user picks a curve type in its dialog and presses OK (or Cancel).
  void Curve(const std::string& choice, bool ok = true) {
    platform.modalScripts["frmEingabe"] = [choice, ok](Form& form) {
      auto& dlg = static_cast<FrmEingabe&>(form);
      dlg.Form_Activate();
      dlg.Combo1.text = choice;
      dlg.Combo1_Click();
      ok ? dlg.OKButton_Click() : dlg.CancelButton_Click();
    };
    main.mnuKurveAnzeigen_Click();
  }
  int Points() const {
    int n = 0;
    for (const DrawnItem& item : surface.Image().items) n += item.kind == DrawnItem::Kind::kPoint;
    return n;
  }
  // New, Refresh and Print: "+" enabled, "-" greyed.
  std::string Menu() const {
    std::string s;
    for (const MenuItem* item : {&main.mnuFileNew, &main.mnuViewRefresh, &main.mnuFilePrint}) {
      s += item->enabled ? '+' : '-';
    }
    return s;
  }
};

// Most tests start from a window opened at the fixed client size.
class FrmMainTest : public ::testing::Test {
 protected:
  void SetUp() override { s.Open(); }
  Shell s;
};

TEST(FrmMain, LoadReadsEachStoredMeasureOrItsDefault) {
  struct Row {
    const char* name;
    std::map<std::string, std::string> stored;  // key -> text
    std::vector<int> measures;                  // left, top, width, height
  };
  const Row rows[] = {
      {"empty_store", {}, {1000, 1000, 9000, 8500}},
      {"all_stored",
       {{"MainLeft", "150"}, {"MainTop", "300"}, {"MainWidth", "12000"}, {"MainHeight", "9000"}},
       {150, 300, 12000, 9000}},
      {"left_of_the_primary_screen", {{"MainLeft", "-14400"}}, {-14400, 1000, 9000, 8500}},
      // A damaged value falls back to its own default and leaves the others alone.
      {"not_a_number", {{"MainLeft", "links"}, {"MainTop", "450"}}, {1000, 450, 9000, 8500}},
      {"beyond_int", {{"MainLeft", "3e9"}}, {1000, 1000, 9000, 8500}},
      // A size of nothing would leave no window to see.
      {"no_size", {{"MainWidth", "0"}, {"MainHeight", "-200"}}, {1000, 1000, 9000, 8500}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shell s;
    for (const auto& [key, text] : row.stored)
      s.platform.settings["Velmora/Settings/" + key] = text;
    s.main.Form_Load();
    EXPECT_EQ(std::vector<int>({s.main.left, s.main.top, s.main.width, s.main.height}),
              row.measures);
  }
}

TEST_F(FrmMainTest, ClosingAsksAndStoresTheMeasuresUnlessMinimised) {
  s.platform.messageAnswers = {kIdCancel};
  s.main.mnuFileExit_Click();
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, " Programmende ? ");
  EXPECT_EQ(s.platform.messages[0].style, kMbOkCancel | kMbQuestion);
  EXPECT_TRUE(s.main.loaded);
  EXPECT_TRUE(s.platform.settings.empty());
  for (const auto state : {WindowState::kMaximized, WindowState::kMinimized}) {
    Shell t;
    t.platform.settings["Velmora/Settings/MainLeft"] = "777";
    t.Open();
    t.main.left = -300;
    t.main.top = 450;
    t.main.width = 10005;
    t.main.height = 7200;
    t.main.windowState = state;
    t.main.mnuFileExit_Click();  // answered with OK
    EXPECT_FALSE(t.main.loaded);
    std::string stored;
    for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
      stored += t.platform.settings[std::string("Velmora/Settings/") + key] + " ";
    EXPECT_EQ(stored, state == WindowState::kMinimized ? "777    " : "-300 450 10005 7200 ");
  }
}

TEST_F(FrmMainTest, UnloadTakesTheHiddenCurveDialogAlong) {
  s.Curve(kVfAtD, /*ok=*/false);
  ASSERT_TRUE(s.main.curveCommand.frmEingabe.loaded);  // cancelled: loaded but hidden
  s.main.Form_Unload();
  EXPECT_FALSE(s.main.curveCommand.frmEingabe.loaded);
}

TEST(FrmMain, PlotFillsTheClientBetweenTheBars) {
  struct Row {
    int width, height, plotWidth, plotHeight;
  };
  const Row rows[] = {
      {kClientWidth, kClientHeight, kClientWidth, kClientHeight - kBars},
      {9000, kBars, 9000, 0},
      {0, 0, 0, kClientHeight - kBars},  // below both bars: the height stays
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
    Shell s;
    s.Open();
    s.main.mnuViewToolbar_Click();  // a hidden bar still counts
    s.Resize(row.width, row.height);
    EXPECT_EQ(s.main.Picture1.width, row.plotWidth);
    EXPECT_EQ(s.main.Picture1.height, row.plotHeight);
    EXPECT_EQ(s.surface.ScaleWidth(), row.plotWidth);
    EXPECT_EQ(s.surface.ScaleHeight(), row.plotHeight);
  }
}

TEST_F(FrmMainTest, ResizeRedrawsOnlyAShownCurveAndPaintNever) {
  const std::int32_t before = s.surface.ImageHandle();
  s.Resize(8000, 6000);
  EXPECT_EQ(s.surface.ImageHandle(), before) << "no curve: nothing drawn";
  s.Curve(kVfAtD);
  const int points = s.Points();
  const std::int32_t drawn = s.surface.ImageHandle();
  s.main.windowState = WindowState::kMinimized;  // a minimised window keeps its plot
  s.Resize(0, 0);
  EXPECT_EQ(s.main.Picture1.width, 8000);
  s.main.windowState = WindowState::kNormal;
  s.main.scaleWidth = 6000;
  s.main.Form_Paint();
  EXPECT_EQ(s.main.Picture1.width, 6000);
  EXPECT_EQ(s.surface.ImageHandle(), drawn);
  s.Resize(12000, 9000);
  EXPECT_NE(s.surface.ImageHandle(), drawn) << "the curve is drawn anew";
  EXPECT_GT(s.Points(), points) << "for the wider plot";
  EXPECT_EQ(s.surface.Image().width, 12000);
  EXPECT_EQ(s.platform.modalShown.size(), 1u) << "a redraw shows no dialog";
}

TEST(FrmMain, NewFromMenuAndFromToolbarDiffer) {
  struct Row {
    const char* name;
    std::function<void(FrmMain&)> command;
    bool curveShownAfter;
    const char* menuAfter;
    const char* statusAfter;
  };
  const Row rows[] = {
      {"menu", [](FrmMain& m) { m.mnuFileNew_Click(); }, false, "--+", kIdleStatus},
      {"toolbar", [](FrmMain& m) { m.tbToolBar_ButtonClick("New"); }, true, "+++", "Titel"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shell s;
    s.Open();
    s.Curve(kVfAtD);
    ASSERT_GT(s.Points(), 0);
    s.platform.SetStatusText("Titel");
    row.command(s.main);
    EXPECT_EQ(s.Points(), 0) << "plot cleared";
    EXPECT_EQ(s.main.curveCommand.frmEingabe.Tag, "Neu");
    EXPECT_EQ(s.main.curveCommand.curveShown != 0, row.curveShownAfter);
    EXPECT_EQ(s.Menu(), row.menuAfter);
    EXPECT_EQ(s.platform.statusText, row.statusAfter);
    // Neither a resize nor Refresh brings the discarded curve back; the curve command asks.
    s.Resize(10000, 8000);
    s.main.mnuViewRefresh_Click();
    EXPECT_EQ(s.Points(), 0);
    s.main.mnuKurveAnzeigen_Click();
    EXPECT_EQ(s.platform.modalShown.size(), 2u);
    EXPECT_GT(s.Points(), 0);
  }
}

TEST_F(FrmMainTest, SingleValueSessionThroughTheModalDialog) {
  std::string statusWhileOpen;
  s.platform.modalScripts["frmEinzel_Eingabe"] = [&](Form& form) {
    statusWhileOpen = s.platform.statusText;
    form.Hide();
  };
  s.main.mnuEinzelBerechnung_Click();
  EXPECT_EQ(statusWhileOpen, "Einzel-Wert-Berechnung");
  EXPECT_FALSE(s.main.frmEinzelEingabe.loaded) << "the next use starts from the load defaults";
  EXPECT_EQ(s.Menu(), "+--");
  EXPECT_EQ(s.platform.statusText, kIdleStatus);
  s.Curve(kVfAtD);
  s.main.mnuEinzelBerechnung_Click();
  EXPECT_EQ(s.Menu(), "+-+") << "Refresh greyed even with a curve on the plot";
  EXPECT_NE(s.main.curveCommand.curveShown, 0) << "the curve is still shown";
}

TEST_F(FrmMainTest, NecPointsFollowTheCurveAndStayOffThePrintout) {
  s.main.mnuViewNecPoints_Click();
  EXPECT_TRUE(s.main.mnuViewNecPoints.checked);
  EXPECT_FALSE(s.main.necPoints.Computing()) << "no curve yet";
  s.Curve("Verkürzung Vf bei h");
  const std::string title = s.platform.statusText;
  ASSERT_TRUE(s.main.necPoints.Computing());
  const std::uint64_t generation = s.main.necPoints.Generation();
  for (std::size_t i = 0; i < 20; ++i) {
    s.main.necPoints.Found(generation, i, nec::Resonance{0, 0.96, {70, 0}, 4});
  }
  s.Resize(kClientWidth - 600, kClientHeight);
  EXPECT_EQ(s.main.necPoints.Generation(), generation) << "a redraw keeps the points";
  EXPECT_EQ(s.main.necPoints.Markers(s.surface).size(), 20u);
  EXPECT_EQ(s.platform.statusText, title);
  std::size_t markersPrinted = 1;
  s.platform.onPrintForm = [&](Form&) {
    markersPrinted = s.main.necPoints.Markers(s.surface).size();
  };
  s.main.mnuFilePrint_Click();
  EXPECT_EQ(markersPrinted, 0u);
  EXPECT_EQ(s.main.necPoints.Markers(s.surface).size(), 20u);
  s.main.tbToolBar_ButtonClick("New");
  EXPECT_TRUE(s.main.necPoints.Markers(s.surface).empty());
  EXPECT_TRUE(s.main.mnuViewNecPoints.checked);
}

TEST_F(FrmMainTest, ViewTogglesFlipCheckAndBar) {
  for (const bool shown : {false, true}) {
    s.main.mnuViewToolbar_Click();
    s.main.mnuViewStatusBar_Click();
    EXPECT_EQ(s.main.mnuViewToolbar.checked, shown);
    EXPECT_EQ(s.main.tbToolBar.visible, shown);
    EXPECT_EQ(s.main.mnuViewStatusBar.checked, shown);
    EXPECT_EQ(s.main.sbStatusBar.visible, shown);
  }
}

TEST_F(FrmMainTest, FileCommandsAreNotPossibleYet) {
  const std::pair<void (FrmMain::*)(), const char*> rows[] = {
      {&FrmMain::mnuFileOpen_Click, "Öffnen noch nicht möglich"},
      {&FrmMain::mnuFileSave_Click, "Speichern noch nicht möglich"},
      {&FrmMain::mnuFileSaveAs_Click, "Speichern unter... noch nicht möglich"}};
  for (const auto& [command, text] : rows) {
    s.platform.messages.clear();
    (s.main.*command)();
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, text);
    EXPECT_EQ(s.platform.messages[0].title, "Velmora");
  }
}

TEST_F(FrmMainTest, NecComparisonPrefilledFromTheSingleValueInputs) {
  // The calculations in the order the user runs them; each comparison opens with the last.
  const struct {
    const char* choice;
    NecInputs seen;
  } rows[] = {
      {"resonante Dipollänge",
       {"3,6", "12", "1,4", "56 Cu", "mittlerer Boden", "2,05", "2,3   PE Polyethylen"}},
      {"Verkürzungsfaktor Vf",
       {"7,1", "15", "2,05", "56 Cu", "idealer Boden (leitende Ebene)", "",
        "2,3   PE Polyethylen"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.choice);
    s.platform.modalScripts["frmEinzel_Eingabe"] = [&row](Form& form) {
      auto& single = static_cast<FrmEinzelEingabe&>(form);
      single.Form_Activate();
      single.Combo1.text = row.choice;
      single.Combo1_Click();
      if (single.Combo1.text != kChoiceResonantLength) {
        single.Text9.text = "7,1";
        single.Text6.text = "15";
        single.Check1.value = 1;
      }
      single.Hide();
    };
    s.main.mnuEinzelBerechnung_Click();
    NecInputs seen;
    s.platform.modalScripts["frmNecVergleich"] = [&seen](Form& form) {
      seen = static_cast<FrmNecVergleich&>(form).Inputs();
      form.Hide();
    };
    s.main.mnuNecVergleich_Click();
    EXPECT_EQ(seen, row.seen);
  }
}

TEST_F(FrmMainTest, HelpBoxes) {
  s.main.mnuHelpContents_Click();
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].title, "Kurzhilfe");
  EXPECT_EQ(s.platform.messages[0].style, kMbInformation);
  EXPECT_NE(s.platform.messages[0].text.find("\r\nVersion 1.0.2\r\n"), std::string::npos);
  // The info box goes whether its OK button closed it or something else did.
  for (const bool ok : {true, false}) {
    s.platform.modalScripts["frmAbout"] = [ok](Form& form) {
      auto& about = static_cast<FrmAbout&>(form);
      ok ? about.cmdOK_Click() : about.Hide();
    };
    s.main.mnuHelpAbout_Click();
    EXPECT_FALSE(s.main.frmAbout.loaded);
  }
}

// The mouse pointer's changes as letters: H hourglass, D default.
std::string Pointers(const std::vector<MousePointer>& history) {
  std::string letters;
  for (MousePointer p : history) letters += p == MousePointer::kHourglass ? 'H' : 'D';
  return letters;
}

TEST(FrmMain, PrintAnswersDecideWhatHappens) {
  struct Row {
    const char* name;
    std::deque<int> answers;
    const char* error;  // nullptr: the print succeeds
    const char* pointers;
    int doEvents;
  };
  const char* const kNoPrinter = "Es ist kein Standard-Drucker eingerichtet.";
  const Row rows[] = {
      {"not_ready", {kIdCancel}, nullptr, "", 0},
      {"printed", {kIdOk}, nullptr, "HD", 2},
      {"failure_ok_goes_on", {kIdOk, kIdOk}, kNoPrinter, "HDHD", 3},
      {"failure_cancel_ends", {kIdOk, kIdCancel}, kNoPrinter, "HD", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shell s;
    s.Open();
    s.platform.SetStatusText("Titel");
    s.main.mnuViewToolbar_Click();  // both bars off: a print shows them
    s.main.mnuViewStatusBar_Click();
    s.platform.messageAnswers = row.answers;
    if (row.error != nullptr) s.platform.printOutcomes = {{false, row.error}};
    s.platform.printerName = "Laser";
    s.platform.doEventsCalls = 0;
    s.platform.pointerHistory.clear();
    std::string printed;  // status, toolbar, status bar, pointer, events run before
    s.platform.onPrintForm = [&s, &printed](Form&) {
      printed = s.platform.statusText + (s.main.tbToolBar.visible ? "|toolbar" : "|") +
                (s.main.sbStatusBar.visible ? "|status bar|" : "||") +
                Pointers({s.platform.mousePointer}) + std::to_string(s.platform.doEventsCalls);
    };
    s.main.mnuFilePrint_Click();
    const bool asked = row.answers.front() == kIdOk;
    ASSERT_EQ(s.platform.messages.size(), row.error != nullptr ? 2u : 1u);
    EXPECT_EQ(s.platform.messages[0].title + "|" + s.platform.messages[0].text,
              "Drucker |Drucker bereit?");
    EXPECT_EQ(s.platform.messages[0].style, kMbOkCancel | kMbCritical);
    EXPECT_EQ(s.platform.printedForms.size(), asked ? 1u : 0u) << "a failed print is not repeated";
    EXPECT_EQ(printed, asked ? "Titel  Velmora Copyright © 2026 Velmora-Team||status bar|H1" : "");
    if (row.error != nullptr) {
      EXPECT_EQ(s.platform.messages[1].title + "|" + s.platform.messages[1].text,
                std::string("Drucker-Fehler Laser|") + row.error);
      EXPECT_EQ(s.platform.messages[1].style, kMbOkCancel | kMbExclamation);
    }
    EXPECT_EQ(s.platform.statusText, "Titel");
    EXPECT_EQ(s.main.tbToolBar.visible, asked) << "not touched when not ready";
    EXPECT_EQ(s.main.sbStatusBar.visible, asked) << "stays visible after printing";
    EXPECT_FALSE(s.main.mnuViewToolbar.checked || s.main.mnuViewStatusBar.checked);
    EXPECT_EQ(Pointers(s.platform.pointerHistory), row.pointers);
    EXPECT_EQ(s.platform.doEventsCalls, row.doEvents);
  }
}

TEST_F(FrmMainTest, ExportIsOfferedExactlyWhileACurveIsOnThePlot) {
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"curve", [this] { s.Curve(kVfAtD); }},
      {"single value", [this] { s.main.mnuEinzelBerechnung_Click(); }},
      {"cancelled dialog", [this] { s.Curve("Strahlungswiderstand Rs", false); }},
      {"-toolbar New", [this] { s.main.tbToolBar_ButtonClick("New"); }},
      {"curve again", [this] { s.Curve(kVfAtD); }},
      {"-menu New", [this] { s.main.mnuFileNew_Click(); }},
      {"-wrong formula", [this] { s.Curve("Kurve?"); }},
  };
  EXPECT_FALSE(s.main.mnuFileExport.enabled);
  EXPECT_EQ(s.Menu(), "---");
  EXPECT_EQ(s.platform.statusText, kIdleStatus);
  for (const auto& [name, action] : steps) {  // "-": no export after it
    action();
    EXPECT_EQ(s.main.mnuFileExport.enabled, *name != '-') << name;
  }
}

TEST_F(FrmMainTest, ExportHandsOverTheCurveAndReportsAFailure) {
  s.Curve(kVfAtD);
  const std::string title = s.platform.statusText;
  s.main.mnuEinzelBerechnung_Click();  // another status text; the export keeps the curve's title
  s.platform.exportOutcomes = {{ExportOutcome::Result::kCancelled, "", ""},
                               {ExportOutcome::Result::kFailed, "/ro/Vf.png", "Kein Platz."}};
  s.main.mnuFileExport_Click();
  s.main.mnuFileExport_Click();
  ASSERT_EQ(s.platform.exports.size(), 2u);
  const CurveOutput& out = s.platform.exports[0];
  EXPECT_EQ(out.image, &s.surface.Image());
  EXPECT_EQ(out.title, title);
  EXPECT_FALSE(out.fileName.empty() || out.csv.empty());
  ASSERT_EQ(s.platform.messages.size(), 1u) << "a cancelled dialog says nothing";
  EXPECT_EQ(s.platform.messages[0].text,
            "Die Kurve konnte nicht als „/ro/Vf.png“ gespeichert werden.\r\nKein Platz.");
  EXPECT_EQ(s.platform.messages[0].title, "Kurve exportieren");
  EXPECT_EQ(s.platform.messages[0].style, kMbExclamation);
  s.main.Picture1_Copy();
  ASSERT_EQ(s.platform.copies.size(), 1u);
  EXPECT_EQ(s.platform.copies[0].csv, out.csv);
}

TEST_F(FrmMainTest, ReadoutFollowsPointerAndKeysAndStaysOffPaper) {
  s.Curve(kVfAtD);
  const CurveLayout& l = s.main.curveCommand.lastLayout;
  const double first = l.m;  // point 1
  const double last = l.m + l.N - 1;
  auto marker = [this] { return s.main.ReadoutMarker().value_or(-1); };
  s.main.Picture1_MouseMove(first + 999.4);
  EXPECT_EQ(marker(), first + 999);
  EXPECT_NE(s.main.ReadoutText().find("Draht-d = "), std::string::npos);
  s.main.Picture1_KeyDown(PlotKey::kRight);
  EXPECT_EQ(marker(), first + 1000);
  s.main.Picture1_KeyDown(PlotKey::kPageLeft);
  EXPECT_EQ(marker(), first + 1000 - l.ux);
  s.main.Picture1_KeyDown(PlotKey::kLast);
  s.main.Picture1_KeyDown(PlotKey::kRight);
  EXPECT_EQ(marker(), last) << "stays on the last point";
  s.main.Picture1_MouseMove(first - 16);
  EXPECT_EQ(marker(), -1) << "left of the curve";
  s.main.Picture1_KeyDown(PlotKey::kLeft);
  EXPECT_EQ(marker(), last) << "a first key shows the end it points to";
  s.main.Picture1_MouseLeave();
  EXPECT_EQ(s.main.ReadoutText(), "");
  s.main.Picture1_KeyDown(PlotKey::kFirst);
  std::string onPaper = "not printed";
  s.platform.onPrintForm = [&](Form&) { onPaper = s.main.ReadoutText(); };
  s.main.mnuFilePrint_Click();
  EXPECT_EQ(onPaper, "");
  s.main.Picture1_KeyDown(PlotKey::kFirst);
  s.main.mnuViewRefresh_Click();
  EXPECT_EQ(marker(), -1) << "a redraw drops the marker of the old image";
}

}  // namespace
}  // namespace velmora
