// SPDX-License-Identifier: GPL-3.0-or-later
// The curve command of the main window ("&Kurve", Ctrl+K): pre-fills the curve dialog from the
// last accepted curve, shows it, takes the accepted values over and runs the curve engine. The
// same procedure redraws the last curve without the dialog (Refresh, resize).
#pragma once

#include <cstdint>
#include <string>

#include "curves/curve_request.h"
#include "curves/draw_curve.h"
#include "curves/frm_eingabe.h"

namespace velmora {

class DrawingSurface;
class Platform;
struct MenuItem;

class CurveCommand {
 public:
  CurveCommand(Platform& platform, DrawingSurface& picture1, MenuItem& mnuFileNew,
               MenuItem& mnuViewRefresh, MenuItem& mnuFilePrint);

  // mnuKurveAnzeigen_Click: the dialog (or, with redrawRequested set, the redraw path).
  void Run();
  // Redraws the last curve for the current plot size, without the dialog.
  void Refresh();
  // The New command's part: discards the curve for later redraws (loads the dialog).
  void MarkNew();

  CurveRequest request;
  std::int16_t curveShown = 0;
  std::int16_t redrawRequested = 0;
  std::int32_t savedImageHandle = 0;
  // The free-space box of the accepted dialog: a redraw computes the curve it redraws.
  std::int16_t acceptedFreeSpace = 0;
  FrmEingabe frmEingabe;

  // Filled by every run; trace only when set.
  CurveLayout lastLayout;
  CurveTrace* trace = nullptr;

  // The last run's points (into `trace` when set, else kept here) and the curve title it wrote.
  const CurveTrace& LastRun() const { return trace != nullptr ? *trace : lastRun_; }
  const std::string& Title() const { return title_; }
  // Whether the plot still shows the last run's curve: it computed points and the plot was not
  // cleared since.
  bool CurveOnPlot() const;

 private:
  void PreFill();
  // Reads a full-scale box as a 16-bit value; shows a message and returns false if it is none.
  bool ReadFullScale(const TextBox& box, const char* boxName, std::int16_t& value);

  Platform& platform_;
  DrawingSurface& picture1_;
  MenuItem& mnuFileNew_;
  MenuItem& mnuViewRefresh_;
  MenuItem& mnuFilePrint_;
  CurveTrace lastRun_;
  std::string title_;
  std::int32_t drawnImageHandle_ = 0;
};

}  // namespace velmora
