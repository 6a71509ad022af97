#include "curves/curve_command.h"

#include <gtest/gtest.h>

#include <string>

#include "curve_session.h"

namespace velmora {
namespace {

using testing::CurveSession;

constexpr const char* kAsking = "Kurve berechnen und anzeigen";

TEST(CurveCommand, FirstUseDrawsTheDefaultCurve) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) { dlg.OKButton_Click(); });
  s.command.Run();
  CurveRequest expected;
  expected.value1Caption = "Ant.-Höhe [m]:";
  expected.value2Caption = "d [mm]:";
  expected.yName = "Vf";
  expected.xName = "f";
  expected.xUnit = "[MHz]";   // bracketed by the run
  expected.yFullScale = 100;  // 1,0 in percent
  expected.xFullScale = 31;
  expected.curveName = "Verkürzung Vf bei f";
  expected.value1Text = "10";
  expected.value2Text = "2,05";
  expected.materialText = "56 Cu";
  EXPECT_EQ(s.command.request, expected);
  EXPECT_EQ(s.platform.statusHistory.front(), kAsking);
  EXPECT_EQ(s.platform.statusText,
            " Kurve: Verkürzungs-Faktor Vf bei f (Draht-d: 2,05 mm, Ant.-Höhe: 10 m)");
  EXPECT_EQ(s.command.curveShown, -1);
  EXPECT_FALSE(s.command.frmEingabe.loaded);
  EXPECT_EQ(s.command.frmEingabe.Tag, "");
  EXPECT_TRUE(s.mnuFileNew.enabled);
  EXPECT_TRUE(s.mnuViewRefresh.enabled);
  EXPECT_TRUE(s.mnuFilePrint.enabled);
  EXPECT_GT(s.PointsDrawn(), 6000);
}

TEST(CurveCommand, CancelLeavesRequestAndPlot) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) { dlg.OKButton_Click(); });
  s.command.Run();
  const CurveRequest before = s.command.request;
  const std::int32_t handle = s.surface.ImageHandle();
  const std::size_t items = s.surface.Image().items.size();
  s.User([](FrmEingabe& dlg) {
    CurveSession::Pick(dlg, "Strahlungswiderstand Rs");
    dlg.Text7.text = "20";
    dlg.CancelButton_Click();
  });
  s.command.Run();
  EXPECT_EQ(s.command.request, before);
  EXPECT_EQ(s.surface.ImageHandle(), handle);
  EXPECT_EQ(s.surface.Image().items.size(), items);
  EXPECT_EQ(s.platform.statusText, kAsking);
  EXPECT_TRUE(s.command.frmEingabe.loaded);
  EXPECT_FALSE(s.command.frmEingabe.visible);
}

TEST(CurveCommand, NextPreFillCarriesTheEngineChanges) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) {
    dlg.Text3.text = "1,0";
    dlg.Text5.text = "mm";
    dlg.OKButton_Click();
  });
  s.command.Run();
  EXPECT_EQ(s.command.request.yFullScale, 100);
  EXPECT_EQ(s.command.request.xUnit, "[mm]");
  std::string text3, text5, combo1, text8;
  s.platform.modalScripts["frmEingabe"] = [&](Form& form) {
    auto& dlg = static_cast<FrmEingabe&>(form);
    // What the pre-fill wrote, before the activation re-labels the boxes.
    text3 = dlg.Text3.text;
    text5 = dlg.Text5.text;
    combo1 = dlg.Combo1.text;
    text8 = dlg.Text8.text;
    dlg.CancelButton_Click();
  };
  s.command.Run();
  EXPECT_EQ(text3, "100");
  EXPECT_EQ(text5, "[mm]");
  EXPECT_EQ(combo1, "Verkürzung Vf bei f");
  EXPECT_EQ(text8, "2,05");
}

TEST(CurveCommand, RestoredChoiceKeepsTheUsersDiameter) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) {
    CurveSession::Pick(dlg, "Verkürzung Vf bei h");
    dlg.Text8.text = "4";
    dlg.OKButton_Click();
  });
  s.command.Run();
  std::string text8;
  s.User([&](FrmEingabe& dlg) {
    text8 = dlg.Text8.text;
    dlg.CancelButton_Click();
  });
  s.command.Run();
  EXPECT_EQ(text8, "4");
}

TEST(CurveCommand, RefreshRedrawsWithoutTheDialog) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) {
    CurveSession::Pick(dlg, "Strahlungswiderstand Rs");
    dlg.OKButton_Click();
  });
  s.command.Run();
  const CurveRequest request = s.command.request;
  const std::string title = s.platform.statusText;
  const auto points = s.trace.points.size();
  s.surface.SetSize(4000, 2000);
  s.command.Refresh();
  EXPECT_EQ(s.platform.modalShown.size(), 1u);
  EXPECT_EQ(s.command.redrawRequested, 0);
  EXPECT_EQ(s.command.request, request);
  EXPECT_EQ(s.platform.statusText, title);
  EXPECT_LT(s.trace.points.size(), points);  // a smaller plot has fewer points
  EXPECT_TRUE(s.mnuFilePrint.enabled);
}

TEST(CurveCommand, NewThenRefreshDrawsNothingUntilTheNextCommand) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) { dlg.OKButton_Click(); });
  s.command.Run();
  // The shell's New: clear the plot, forget the curve, tag the dialog.
  s.surface.Clear();
  s.command.curveShown = 0;
  s.command.MarkNew();
  const std::int32_t handle = s.surface.ImageHandle();
  s.platform.statusText = "Im Menü Berechnung beginnen";
  s.command.Refresh();
  EXPECT_EQ(s.surface.ImageHandle(), handle);
  EXPECT_TRUE(s.surface.Image().items.empty());
  EXPECT_EQ(s.command.curveShown, 0);
  EXPECT_EQ(s.platform.statusText, "Im Menü Berechnung beginnen");
  EXPECT_EQ(s.command.frmEingabe.Tag, "Neu");
  s.command.Run();  // the dialog again, pre-filled; OK replaces "Neu"
  EXPECT_EQ(s.platform.modalShown.size(), 2u);
  EXPECT_EQ(s.command.curveShown, -1);
  EXPECT_FALSE(s.surface.Image().items.empty());
  EXPECT_TRUE(s.mnuFilePrint.enabled);
}

TEST(CurveCommand, PrintIsEnabledAfterEveryRunThatDrew) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) { dlg.OKButton_Click(); });
  for (int run = 0; run < 3; ++run) {
    s.mnuFilePrint.enabled = false;
    if (run == 1) {
      s.command.Refresh();
    } else {
      s.command.Run();
    }
    EXPECT_TRUE(s.mnuFilePrint.enabled) << run;
    EXPECT_NE(s.surface.ImageHandle(), s.command.savedImageHandle) << run;
  }
}

TEST(CurveCommand, FreeSpaceCurveStaysFreeSpaceOnRedraw) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) {
    CurveSession::Pick(dlg, "Strahlungswiderstand Rs");
    dlg.Check1.value = 1;
    dlg.OKButton_Click();
  });
  s.command.Run();
  const std::string title = s.platform.statusText;
  EXPECT_EQ(title, " Kurve: Rs (Dipol-Länge = 39,58 m, Draht d = 2,05 mm bei 3,6 MHz) im Freiraum");
  const auto samples = s.trace.samples;
  s.command.Refresh();
  EXPECT_EQ(s.platform.statusText, title);
  ASSERT_EQ(s.trace.samples.size(), samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    ASSERT_EQ(s.trace.samples[i].y, samples[i].y) << i;
  }
  // A later accepted real-ground curve redraws as real ground.
  s.User([](FrmEingabe& dlg) {
    dlg.Check1.value = 0;
    dlg.OKButton_Click();
  });
  s.command.Run();
  s.command.Refresh();
  EXPECT_EQ(s.platform.statusText,
            " Kurve: Rs (Dipol-Länge = 39,58 m, Draht d = 2,05 mm bei 3,6 MHz)");
}

// A redraw draws what was accepted, also when the choice or the material was left empty.
TEST(CurveCommand, RedrawKeepsAnEmptyChoiceOrMaterial) {
  struct Row {
    const char* name;
    const char* choice;
    const char* material;
    const char* title;
  };
  for (const Row& row : {
           Row{"EmptyChoice", "", "56 Cu", " Falsche Formel !"},
           Row{"EmptyMaterial", "Ant. - Güte Qa bei h", "",
               " Kurve: Antennengüte Qa (Dipol-Länge = 39,58 m, Draht d = 2,05 mm bei 3,6 MHz)"},
       }) {
    SCOPED_TRACE(row.name);
    CurveSession s;
    s.User([&row](FrmEingabe& dlg) {
      CurveSession::Pick(dlg, row.choice);
      dlg.Combo2.text = row.material;
      dlg.Combo2_Click();
      dlg.OKButton_Click();
    });
    s.command.Run();
    const std::string choice = s.command.request.curveName;
    const std::string material = s.command.request.materialText;
    const auto samples = s.trace.samples;
    EXPECT_EQ(s.platform.statusText, row.title);
    s.command.Refresh();
    EXPECT_EQ(s.command.request.curveName, choice);
    EXPECT_EQ(s.command.request.materialText, material);
    EXPECT_EQ(s.platform.statusText, row.title);
    ASSERT_EQ(s.trace.samples.size(), samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
      ASSERT_EQ(s.trace.samples[i].y, samples[i].y) << i;
    }
  }
}

struct FullScaleRow {
  const char* name;
  const char* text3;
  const char* text6;
  const char* message;  // nullptr: accepted
  std::int16_t yFull, xFull;
};

class FullScaleTest : public ::testing::TestWithParam<FullScaleRow> {};

TEST_P(FullScaleTest, SixteenBitsOrAClearMessage) {
  const FullScaleRow& row = GetParam();
  CurveSession s;
  s.User([](FrmEingabe& dlg) { dlg.OKButton_Click(); });
  s.command.Run();
  const CurveRequest before = s.command.request;
  const std::int32_t handle = s.surface.ImageHandle();
  s.User([&row](FrmEingabe& dlg) {
    CurveSession::Pick(dlg, "Draht-Zw bei Länge");
    dlg.Text3.text = row.text3;
    dlg.Text6.text = row.text6;
    dlg.OKButton_Click();
  });
  s.command.Run();
  if (row.message == nullptr) {
    EXPECT_TRUE(s.platform.messages.empty());
    EXPECT_EQ(s.command.request.yFullScale, row.yFull);
    EXPECT_EQ(s.command.request.xFullScale, row.xFull);
    return;
  }
  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].text, row.message);
  EXPECT_EQ(s.platform.messages[0].title, "Fehler ");
  EXPECT_EQ(s.platform.messages[0].style, kMbExclamation);
  EXPECT_EQ(s.command.request, before);
  EXPECT_EQ(s.surface.ImageHandle(), handle);
  EXPECT_EQ(s.command.frmEingabe.Tag, "");
  // A redraw afterwards still draws the last accepted curve.
  s.command.Refresh();
  EXPECT_EQ(s.command.request.curveName, "Verkürzung Vf bei f");
  EXPECT_EQ(s.platform.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    FullScales, FullScaleTest,
    ::testing::Values(FullScaleRow{"Largest", "32767", "32767,4", nullptr, 32767, 32767},
                      FullScaleRow{"RoundsHalfToEven", "2,5", "3,5", nullptr, 2, 4},
                      FullScaleRow{"YTooLarge", "40000", "80",
                                   "Y-Meßlänge außerhalb des erlaubten Bereichs.\r\n"
                                   "Erlaubt sind Werte von 0 bis 32767.",
                                   0, 0},
                      FullScaleRow{"XRoundsBeyond", "1500", "32767,5",
                                   "X-Meßlänge außerhalb des erlaubten Bereichs.\r\n"
                                   "Erlaubt sind Werte von 0 bis 32767.",
                                   0, 0},
                      FullScaleRow{"HugeDigits", "99999999999999999999999999999999999999999999",
                                   "80",
                                   "Y-Meßlänge außerhalb des erlaubten Bereichs.\r\n"
                                   "Erlaubt sind Werte von 0 bis 32767.",
                                   0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurveCommand, TypedGroundLossChoiceAppliesAtTheNextShowing) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) {
    dlg.Combo1.text = "Bodendämpfung Rve";  // typed: no click
    dlg.Text9.text = "3,6";
    dlg.OKButton_Click();
  });
  s.command.Run();
  EXPECT_EQ(s.command.request.curveName, "Bodendämpfung Rve");
  EXPECT_EQ(s.platform.statusText.rfind(" Kurve: mittlerer Rve (Dipol-Länge = 10 m", 0), 0u);
  bool check1Visible = true;
  std::string text1;
  s.User([&](FrmEingabe& dlg) {
    check1Visible = dlg.Check1.visible;
    text1 = dlg.Text1.text;
    dlg.CancelButton_Click();
  });
  s.command.Run();
  EXPECT_FALSE(check1Visible);
  EXPECT_EQ(text1, "Rve");
}

}  // namespace
}  // namespace velmora
