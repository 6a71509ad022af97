// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_command.h"

#include <gtest/gtest.h>

#include <string>

#include "curve_session.h"

namespace velmora {
namespace {

using testing::CurveSession;

void Ok(FrmEingabe& dlg) {
  dlg.OKButton_Click();
}

std::vector<double> Values(const CurveTrace& trace) {
  std::vector<double> y;
  for (const auto& sample : trace.samples) y.push_back(sample.y);
  return y;
}

TEST(CurveCommand, FirstUseDrawsTheDefaultCurve) {
  CurveSession s;
  s.User(Ok);
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
  EXPECT_EQ(s.platform.statusText,
            " Kurve: Verkürzungs-Faktor Vf bei f (Draht-d: 2,05 mm, Ant.-Höhe: 10 m)");
  EXPECT_EQ(s.command.curveShown, -1);
  EXPECT_FALSE(s.command.frmEingabe.loaded);
  EXPECT_EQ(s.command.frmEingabe.Tag, "");
  EXPECT_TRUE(s.mnuFileNew.enabled && s.mnuViewRefresh.enabled && s.mnuFilePrint.enabled);
  EXPECT_GT(s.trace.points.size(), 6000u);
}

// The next showing brings the last accepted curve back, with the engine's changes; Cancel leaves
// request and plot alone.
TEST(CurveCommand, DialogComesBackPreFilledAndCancelLeavesEverything) {
  CurveSession s;
  s.User([](FrmEingabe& dlg) {
    CurveSession::Pick(dlg, "Verkürzung Vf bei h");
    dlg.Text8.text = "4";
    dlg.Text3.text = "1,0";
    dlg.Text5.text = "mm";
    dlg.OKButton_Click();
  });
  s.command.Run();
  const CurveRequest before = s.command.request;
  const std::int32_t handle = s.surface.ImageHandle();
  std::string prefilled;
  s.platform.modalScripts["frmEingabe"] = [&](Form& form) {
    auto& dlg = static_cast<FrmEingabe&>(form);
    // What the pre-fill wrote, before the activation re-labels the boxes.
    prefilled = dlg.Text3.text + "|" + dlg.Text5.text + "|" + dlg.Combo1.text + "|" +
                dlg.Text9.text + "|" + dlg.Text8.text;
    dlg.Form_Activate();
    prefilled += "|" + dlg.Text8.text;  // the restored choice keeps the user's diameter
    CurveSession::Pick(dlg, "Strahlungswiderstand Rs");
    dlg.Text7.text = "20";
    dlg.CancelButton_Click();
  };
  s.command.Run();
  EXPECT_EQ(prefilled, "100|[mm]|Verkürzung Vf bei h|3,6|4|4");
  EXPECT_EQ(s.command.request, before);
  EXPECT_EQ(s.surface.ImageHandle(), handle);
  EXPECT_EQ(s.platform.statusText, "Kurve berechnen und anzeigen");
  EXPECT_TRUE(s.command.frmEingabe.loaded && !s.command.frmEingabe.visible);
}

// What New does to it is the shell's test: through its menu and its toolbar.
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
  s.mnuFilePrint.enabled = false;
  s.command.Refresh();
  EXPECT_EQ(s.platform.modalShown.size(), 1u);
  EXPECT_EQ(s.command.request, request);
  EXPECT_EQ(s.platform.statusText, title);
  EXPECT_LT(s.trace.points.size(), points);  // a smaller plot has fewer points
  EXPECT_TRUE(s.mnuFilePrint.enabled);       // every run that drew enables Print
  EXPECT_NE(s.surface.ImageHandle(), s.command.savedImageHandle);
}

// A redraw draws what was accepted: the free-space box, an empty choice or material included.
TEST(CurveCommand, RedrawComputesTheAcceptedCurve) {
  struct Row {
    const char* choice;
    const char* material;
    int freeSpace;
    const char* title;
  };
  const Row rows[] = {
      {"Strahlungswiderstand Rs", "56 Cu", 1,
       " Kurve: Rs (Dipol-Länge = 39,58 m, Draht d = 2,05 mm bei 3,6 MHz) im Freiraum"},
      {"", "56 Cu", 0, " Falsche Formel !"},
      {"Ant. - Güte Qa bei h", "", 0,
       " Kurve: Antennengüte Qa (Dipol-Länge = 39,58 m, Draht d = 2,05 mm bei 3,6 MHz)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.choice);
    CurveSession s;
    s.User([&row](FrmEingabe& dlg) {
      CurveSession::Pick(dlg, row.choice);
      dlg.Combo2.text = row.material;
      dlg.Combo2_Click();
      dlg.Check1.value = row.freeSpace;
      dlg.OKButton_Click();
    });
    s.command.Run();
    const CurveRequest request = s.command.request;
    const std::vector<double> values = Values(s.trace);
    EXPECT_EQ(s.platform.statusText, row.title);
    s.command.Refresh();
    EXPECT_EQ(s.command.request.curveName, request.curveName);
    EXPECT_EQ(s.command.request.materialText, request.materialText);
    EXPECT_EQ(s.platform.statusText, row.title);
    EXPECT_EQ(Values(s.trace), values);
  }
}

TEST(CurveCommand, AFullScaleTakesSixteenBitsOrAClearMessage) {
  struct Row {
    const char* text3;
    const char* text6;
    const char* box;  // whose full scale the message names; nullptr: accepted
  };
  const char* const kRange =
      " außerhalb des erlaubten Bereichs.\r\nErlaubt sind Werte von 0 bis 32767.";
  const Row rows[] = {{"32767", "32767,4", nullptr},
                      {"40000", "80", "Y-Meßlänge"},
                      {"1500", "32767,5", "X-Meßlänge"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.text3) + " " + row.text6);
    CurveSession s;
    s.User(Ok);
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
    if (row.box == nullptr) {
      EXPECT_TRUE(s.platform.messages.empty());
      EXPECT_EQ(s.command.request.yFullScale, 32767);
      EXPECT_EQ(s.command.request.xFullScale, 32767);
      continue;
    }
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, row.box + std::string(kRange));
    EXPECT_EQ(s.platform.messages[0].title, "Fehler ");
    EXPECT_EQ(s.platform.messages[0].style, kMbExclamation);
    EXPECT_EQ(s.command.request, before);
    EXPECT_EQ(s.surface.ImageHandle(), handle);
    EXPECT_EQ(s.command.frmEingabe.Tag, "");
  }
}

}  // namespace
}  // namespace velmora
