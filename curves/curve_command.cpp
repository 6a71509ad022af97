// SPDX-License-Identifier: GPL-3.0-or-later
#include "curves/curve_command.h"

#include "formulas/checked.h"
#include "formulas/parse.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/surface.h"

namespace velmora {

CurveCommand::CurveCommand(Platform& platform, DrawingSurface& picture1, MenuItem& mnuFileNew,
                           MenuItem& mnuViewRefresh, MenuItem& mnuFilePrint)
    : frmEingabe(platform),
      platform_(platform),
      picture1_(picture1),
      mnuFileNew_(mnuFileNew),
      mnuViewRefresh_(mnuViewRefresh),
      mnuFilePrint_(mnuFilePrint) {}

void CurveCommand::PreFill() {
  FrmEingabe& dlg = frmEingabe;
  dlg.Load();
  auto put = [](std::string& target, const std::string& value) {
    if (!value.empty()) target = value;
  };
  put(dlg.Text1.text, request.yName);
  put(dlg.Text4.text, request.xName);
  put(dlg.Text2.text, request.yUnit);
  put(dlg.Text5.text, request.xUnit);
  if (request.yFullScale != 0) dlg.Text3.text = std::to_string(request.yFullScale);
  if (request.xFullScale != 0) dlg.Text6.text = std::to_string(request.xFullScale);
  put(dlg.Combo1.text, request.curveName);
  put(dlg.Text7.text, request.value1Text);
  put(dlg.Text8.text, request.value2Text);
  put(dlg.Text9.text, request.value3Text);
  put(dlg.Combo2.text, request.materialText);
  put(dlg.Label7.caption, request.value1Caption);
  put(dlg.Label8.caption, request.value2Caption);
  put(dlg.Label9.caption, request.value3Caption);
}

bool CurveCommand::ReadFullScale(const TextBox& box, const char* boxName, std::int16_t& value) {
  const std::optional<std::int16_t> v = ToInt16(Checked(ParseDecimal(box.text)));
  if (v) {
    value = *v;
    return true;
  }
  platform_.MessageBox(std::string(boxName) + " außerhalb des erlaubten Bereichs." +
                           "\r\nErlaubt sind Werte von 0 bis 32767.",
                       "Fehler ", kMbOkOnly | kMbExclamation);
  return false;
}

void CurveCommand::Run() {
  FrmEingabe& dlg = frmEingabe;
  PreFill();
  if (redrawRequested != 0) {
    // The curve on the plot was accepted with this free-space setting; a fresh dialog would
    // silently recompute it for real ground.
    dlg.Check1.value = acceptedFreeSpace != 0 ? 1 : 0;
    // Likewise an empty choice or material: the fresh dialog's defaults would draw another curve
    // type, or copper losses, on a mere resize.
    dlg.Combo1.text = request.curveName;
    dlg.Combo2.text = request.materialText;
  } else {
    platform_.SetStatusText("Kurve berechnen und anzeigen");
    if (picture1_.ImageHandle() != 0) savedImageHandle = picture1_.ImageHandle();
    platform_.ShowModal(dlg);
    if (dlg.Tag != "OK") return;
  }
  redrawRequested = 0;
  if (dlg.Tag == "Neu") return;

  const bool accepted = dlg.Tag == "OK";
  std::int16_t yFullScale = 0;
  std::int16_t xFullScale = 0;
  if (accepted) {
    // A full scale beyond 16 bits leaves the request and the plot as they were.
    if (!ReadFullScale(dlg.Text3, "Y-Meßlänge", yFullScale) ||
        !ReadFullScale(dlg.Text6, "X-Meßlänge", xFullScale)) {
      dlg.Tag.clear();
      return;
    }
  }
  request.curveName = dlg.Combo1.text;
  request.value1Text = dlg.Text7.text;
  request.value2Text = dlg.Text8.text;
  request.value3Text = dlg.Text9.text;
  request.materialText = dlg.Combo2.text;
  request.value1Caption = dlg.Label7.caption;
  request.value2Caption = dlg.Label8.caption;
  request.value3Caption = dlg.Label9.caption;
  if (accepted) {
    request.yName = dlg.Text1.text;
    request.xName = dlg.Text4.text;
    request.yUnit = dlg.Text2.text;
    request.xUnit = dlg.Text5.text;
    request.yFullScale = yFullScale;
    request.xFullScale = xFullScale;
    acceptedFreeSpace = dlg.Check1.value != 0 ? -1 : 0;
    dlg.Tag.clear();
  }

  CurveTrace* run = trace != nullptr ? trace : &lastRun_;
  run->Clear();
  CurveContext context{platform_,   picture1_,        dlg,
                       mnuFileNew_, mnuViewRefresh_,  mnuFilePrint_,
                       curveShown,  savedImageHandle, run};
  lastLayout = DrawCurve(request, context);
  title_ = platform_.StatusText();
  drawnImageHandle_ = picture1_.ImageHandle();
  mnuViewRefresh_.enabled = true;
  mnuFileNew_.enabled = true;
}

bool CurveCommand::CurveOnPlot() const {
  return !LastRun().samples.empty() && drawnImageHandle_ == picture1_.ImageHandle();
}

void CurveCommand::Refresh() {
  redrawRequested = -1;
  Run();
}

void CurveCommand::MarkNew() {
  frmEingabe.Load();
  frmEingabe.Tag = "Neu";
}

}  // namespace velmora
