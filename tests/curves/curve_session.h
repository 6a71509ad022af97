// A main window's worth of curve state for the tests: the recording platform, the plot area at
// its design size, the three menu items and the curve command.
#pragma once

#include <functional>
#include <string>

#include "curves/curve_command.h"
#include "platform/controls.h"
#include "headless/headless_platform.h"
#include "platform/retained_surface.h"

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
  // Picks a curve type from the list.
  static void Pick(FrmEingabe& dlg, const std::string& choice) {
    dlg.Combo1.text = choice;
    dlg.Combo1_Click();
  }
  int PointsDrawn() const {
    int n = 0;
    for (const DrawnItem& item : surface.Image().items) n += item.kind == DrawnItem::Kind::kPoint;
    return n;
  }
};

}  // namespace velmora::testing
