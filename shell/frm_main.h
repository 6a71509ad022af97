// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain: the main window. It owns the menu, the toolbar, the plot area Picture1, the status
// bar and the other forms, runs the shell's commands and keeps the window's stored position and
// size. Plain C++: the window system mirrors the members and calls the handlers.
//
// clang-format off
// Window events and the handlers a binding calls for them:
//   the window is created                       Form_Load()
//   the window was resized / painted            Form_Resize() / Form_Paint(), after storing
//                                               the client size and the bar heights (twips)
//   the user asks to close it (close box...)    Form_QueryUnload() -> true cancels;
//                                               else Form_Unload()
//   a menu item is chosen (click or shortcut)   its handler in Menu(): mnu..._Click()
//   a toolbar button is pressed                 tbToolBar_ButtonClick(key)
// clang-format on
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "band/frm_band.h"
#include "crosscheck/frm_nec_vergleich.h"
#include "crosscheck/nec_points.h"
#include "curves/curve_command.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/retained_surface.h"
#include "shell/frm_about.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora {

enum class WindowState { kNormal, kMinimized, kMaximized };

// Status texts of the shell.
inline constexpr const char* kIdleStatus = "Im Menü Berechnung beginnen";
inline constexpr const char* kSingleValueStatus = "Einzel-Wert-Berechnung";

struct ToolbarButton {
  std::string key;  // "New", "Open", "Save", "Print"; empty for a separator
  std::string toolTip;
  std::string image;
};

class FrmMain : public Form {
 public:
  static constexpr const char* kCaption = "Velmora";

  // `picture` is the plot area's drawing surface; its size follows Picture1. Its display list
  // is the plot's retained image, which the window system paints.
  FrmMain(Platform& platform, RetainedSurface& picture);

  // --- the menu, in menu order; the menus themselves are the items with an empty parent ---
  MenuItem mnuFile{"mnuFile"};
  MenuItem mnuFileNew{"mnuFileNew"};
  MenuItem mnuFileOpen{"mnuFileOpen"};
  MenuItem mnuFileBar0{"mnuFileBar0"};
  MenuItem mnuFileSave{"mnuFileSave"};
  MenuItem mnuFileSaveAs{"mnuFileSaveAs"};
  MenuItem mnuFileExport{"mnuFileExport"};  // enabled exactly while a curve is on the plot
  MenuItem mnuFileBar1{"mnuFileBar1"};
  MenuItem mnuFilePrint{"mnuFilePrint"};
  MenuItem mnuFileBar2{"mnuFileBar2"};
  MenuItem mnuFileExit{"mnuFileExit"};
  MenuItem mnuBer{"mnuBer"};
  MenuItem mnuEinzelBerechnung{"mnuEinzelBerechnung"};
  MenuItem mnuKurveAnzeigen{"mnuKurveAnzeigen"};
  MenuItem mnuNecVergleich{"mnuNecVergleich"};
  MenuItem mnuBand{"mnuBand"};
  MenuItem mnuView{"mnuView"};
  MenuItem mnuViewRefresh{"mnuViewRefresh"};
  MenuItem mnuViewBar0{"mnuViewBar0"};
  MenuItem mnuViewToolbar{"mnuViewToolbar"};
  MenuItem mnuViewStatusBar{"mnuViewStatusBar"};
  MenuItem mnuViewBar1{"mnuViewBar1"};
  MenuItem mnuViewNecPoints{"mnuViewNecPoints"};  // NEC-2's points over the curve; off at start
  MenuItem mnuHelp{"mnuHelp"};
  MenuItem mnuHelpContents{"mnuHelpContents"};
  MenuItem mnuHelpBar0{"mnuHelpBar0"};
  MenuItem mnuHelpAbout{"mnuHelpAbout"};

  // The menu's one table: every binding reads which handler an item runs from here.
  struct MenuEntry {
    MenuItem* item;
    MenuItem* menu;               // nullptr for a top-level menu
    std::function<void()> click;  // empty for menus and separator lines
  };
  const std::vector<MenuEntry>& Menu() const { return menu_; }

  // --- bars and the plot area; heights in twips as the window system measured them ---
  Control tbToolBar{"tbToolBar"};
  std::vector<ToolbarButton> tbButtons;
  Control Picture1{"Picture1"};
  Control sbStatusBar{"sbStatusBar"};

  // Outer position and size are Form::width/height plus these, in twips.
  int left = 0;
  int top = 0;
  WindowState windowState = WindowState::kNormal;
  // The client area (below the menu), in twips; set by the binding before resize and paint.
  int scaleWidth = 0;
  int scaleHeight = 0;

  // --- the other forms ---
  FrmEinzelEingabe frmEinzelEingabe;
  FrmAbout frmAbout;
  CurveCommand curveCommand;
  FrmNecVergleich frmNecVergleich;
  band::FrmBand frmBand;
  NecPoints necPoints;

  // --- window events ---
  void Form_Load();
  void Form_Resize();
  void Form_Paint();
  bool Form_QueryUnload();  // true: the user cancelled, the window stays
  void Form_Unload();

  // --- commands ---
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFileExport_Click();
  void mnuFilePrint_Click();
  void mnuFileExit_Click();  // asks, and unloads the window unless the user cancels
  void mnuEinzelBerechnung_Click();
  void mnuKurveAnzeigen_Click();
  void mnuNecVergleich_Click();
  void mnuBand_Click();
  void mnuViewRefresh_Click();
  void mnuViewToolbar_Click();
  void mnuViewStatusBar_Click();
  void mnuViewNecPoints_Click();
  void mnuHelpContents_Click();
  void mnuHelpAbout_Click();
  void tbToolBar_ButtonClick(const std::string& key);

  // --- the plot's read-out and copy; x in twips from the plot's left edge ---
  void Picture1_MouseMove(double x);
  void Picture1_MouseLeave();  // the pointer left the plot, or the plot lost the focus
  void Picture1_KeyDown(PlotKey key);
  void Picture1_Copy();  // Ctrl+C on the plot
  // The marker's x in twips from the plot's left edge; nullopt when none is shown.
  std::optional<double> ReadoutMarker() const;
  // Status panel 4: the marked point's values; empty when no marker is shown.
  std::string ReadoutText() const;

  RetainedSurface& picture() { return picture_; }

  // The texts of the two boxes the shell shows (for tests and the binding's layout).
  static std::string ClosingQuestion();
  static std::string ShortHelpText();

 private:
  void ToolbarNew();
  // After a curve command: a new drawing on the plot gets its NEC-2 points.
  void CurveRan(std::int32_t imageBefore);
  // Export follows whether the plot shows a curve; called after whatever may change that.
  void UpdateCurveItems();
  CurveOutput CurrentCurve();
  std::optional<std::size_t> MarkedSample() const;
  void ApplyPlotHeight();
  void ApplyPlotSize();
  void NotYetPossible(const char* what);
  float ReadSetting(const char* key, float fallback, bool positive);

  Platform& platform_;
  RetainedSurface& picture_;
  std::vector<MenuEntry> menu_;
  // What the NEC-2 comparison opens with: its own last inputs, or the single-value dialog's
  // where that was used later.
  NecInputs necInputs_;
  // The read-out's point, valid only on the retained image it was marked on.
  std::optional<std::size_t> marked_;
  std::int32_t markedImage_ = 0;
};

}  // namespace velmora
