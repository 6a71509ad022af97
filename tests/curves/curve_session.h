// SPDX-License-Identifier: GPL-3.0-or-later
// A main window's worth of curve state for the tests: the recording platform, the plot area at
// its design size, the three menu items and the curve command.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "curves/curve_command.h"
#include "headless/headless_platform.h"
#include "platform/controls.h"
#include "platform/retained_surface.h"

namespace velmora {

inline void PrintTo(const CurveLayout& l, std::ostream* os) {
  *os << "{m " << l.m << ", uy " << l.uy << ", ux " << l.ux << ", y0 " << l.y0 << ", k0 " << l.k0
      << ", kx " << l.kx << ", N " << l.N << ", T " << l.T << ", Y " << l.Y << ", X " << l.X
      << (l.percent ? ", percent}" : "}");
}

}  // namespace velmora

namespace velmora::testing {

struct CurveSession {
  HeadlessPlatform platform;
  RetainedSurface surface{7752, 3135};
  MenuItem mnuFileNew{"mnuFileNew"};
  MenuItem mnuViewRefresh{"mnuViewRefresh"};
  MenuItem mnuFilePrint{"mnuFilePrint"};
  CurveCommand command{platform, surface, mnuFileNew, mnuViewRefresh, mnuFilePrint};
  CurveTrace trace;

  CurveSession() {
    mnuFileNew.enabled = false;
    mnuViewRefresh.enabled = false;
    mnuFilePrint.enabled = false;
    command.trace = &trace;
  }

  // The user's part while the dialog is shown: the window system activates it first.
  void User(std::function<void(FrmEingabe&)> actions) {
    platform.modalScripts["frmEingabe"] = [actions](Form& form) {
      auto& dlg = static_cast<FrmEingabe&>(form);
      dlg.Form_Activate();
      if (actions) actions(dlg);
    };
  }
  static void Pick(FrmEingabe& dlg, const std::string& choice) {
    dlg.Combo1.text = choice;
    dlg.Combo1_Click();
  }
};

}  // namespace velmora::testing
