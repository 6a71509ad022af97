// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_main.h"

#include <algorithm>

#include "curves/curve_output.h"
#include "formulas/line_break.h"
#include "platform/plot_style.h"
#include "platform/version.h"
#include "shell/window_settings.h"

namespace velmora {
namespace {

void SetMenu(MenuItem& item, const char* caption, const char* shortcut = "", bool enabled = true) {
  item.caption = caption;
  item.shortcut = shortcut;
  item.enabled = enabled;
  item.visible = true;
  item.checked = false;
}

}  // namespace

FrmMain::FrmMain(Platform& platform, RetainedSurface& picture)
    : Form("frmMain"),
      frmEinzelEingabe(platform),
      curveCommand(platform, picture, mnuFileNew, mnuViewRefresh, mnuFilePrint),
      frmNecVergleich(platform),
      frmBand(platform),
      platform_(platform),
      picture_(picture) {
  caption = kCaption;
  SetMenu(mnuFile, "&Datei");
  SetMenu(mnuFileNew, "&Neu", "Ctrl+N", false);
  SetMenu(mnuFileOpen, "Ö&ffnen", "", false);
  SetMenu(mnuFileBar0, "-");
  SetMenu(mnuFileSave, "&Speichern", "", false);
  SetMenu(mnuFileSaveAs, "Speichern &unter...", "", false);
  SetMenu(mnuFileExport, "Kurve &exportieren...", "Ctrl+E", false);
  SetMenu(mnuFileBar1, "-");
  SetMenu(mnuFilePrint, "Dru&cken...", "", false);
  SetMenu(mnuFileBar2, "-");
  SetMenu(mnuFileExit, "&Beenden");
  SetMenu(mnuBer, "&Berechnung");
  SetMenu(mnuEinzelBerechnung, "Einzel-&Wert", "Ctrl+W");
  SetMenu(mnuKurveAnzeigen, "&Kurve", "Ctrl+K");
  SetMenu(mnuNecVergleich, "NEC-2-Vergleich...", "Ctrl+G");
  SetMenu(mnuBand, "Dipol für ein &Band...", "Ctrl+B");
  SetMenu(mnuView, "&Ansicht");
  SetMenu(mnuViewRefresh, "&Aktualisieren", "Ctrl+A", false);
  SetMenu(mnuViewBar0, "-");
  SetMenu(mnuViewToolbar, "&Symbolleiste");
  mnuViewToolbar.checkable = true;
  mnuViewToolbar.checked = true;
  SetMenu(mnuViewStatusBar, "Status&leiste");
  mnuViewStatusBar.checkable = true;
  mnuViewStatusBar.checked = true;
  SetMenu(mnuViewBar1, "-");
  SetMenu(mnuViewNecPoints, "NEC-2-Punkte");
  mnuViewNecPoints.checkable = true;
  SetMenu(mnuHelp, "&?");
  SetMenu(mnuHelpContents, "&Hilfe", "F1");
  SetMenu(mnuHelpBar0, "-");
  SetMenu(mnuHelpAbout, "&Info ", "F2");
  const auto on = [this](void (FrmMain::*handler)()) {
    return [this, handler] { (this->*handler)(); };
  };
  menu_ = {
      {&mnuFile, nullptr, {}},
      {&mnuFileNew, &mnuFile, on(&FrmMain::mnuFileNew_Click)},
      {&mnuFileOpen, &mnuFile, on(&FrmMain::mnuFileOpen_Click)},
      {&mnuFileBar0, &mnuFile, {}},
      {&mnuFileSave, &mnuFile, on(&FrmMain::mnuFileSave_Click)},
      {&mnuFileSaveAs, &mnuFile, on(&FrmMain::mnuFileSaveAs_Click)},
      {&mnuFileExport, &mnuFile, on(&FrmMain::mnuFileExport_Click)},
      {&mnuFileBar1, &mnuFile, {}},
      {&mnuFilePrint, &mnuFile, on(&FrmMain::mnuFilePrint_Click)},
      {&mnuFileBar2, &mnuFile, {}},
      {&mnuFileExit, &mnuFile, on(&FrmMain::mnuFileExit_Click)},
      {&mnuBer, nullptr, {}},
      {&mnuEinzelBerechnung, &mnuBer, on(&FrmMain::mnuEinzelBerechnung_Click)},
      {&mnuKurveAnzeigen, &mnuBer, on(&FrmMain::mnuKurveAnzeigen_Click)},
      {&mnuNecVergleich, &mnuBer, on(&FrmMain::mnuNecVergleich_Click)},
      {&mnuBand, &mnuBer, on(&FrmMain::mnuBand_Click)},
      {&mnuView, nullptr, {}},
      {&mnuViewRefresh, &mnuView, on(&FrmMain::mnuViewRefresh_Click)},
      {&mnuViewBar0, &mnuView, {}},
      {&mnuViewToolbar, &mnuView, on(&FrmMain::mnuViewToolbar_Click)},
      {&mnuViewStatusBar, &mnuView, on(&FrmMain::mnuViewStatusBar_Click)},
      {&mnuViewBar1, &mnuView, {}},
      {&mnuViewNecPoints, &mnuView, on(&FrmMain::mnuViewNecPoints_Click)},
      {&mnuHelp, nullptr, {}},
      {&mnuHelpContents, &mnuHelp, on(&FrmMain::mnuHelpContents_Click)},
      {&mnuHelpBar0, &mnuHelp, {}},
      {&mnuHelpAbout, &mnuHelp, on(&FrmMain::mnuHelpAbout_Click)},
  };
  tbButtons = {
      {"New", "Neu", "New"}, {"Open", "Öffnen", "Open"},    {"Save", "Speichern", "Save"},
      {"", "", ""},          {"Print", "Drucken", "Print"},
  };
}

// ------------------------------------------------------------------ window events

float FrmMain::ReadSetting(const char* key, float fallback, bool positive) {
  const std::string text =
      platform_.GetSetting(kSettingsApp, kSettingsSection, key, FormatSettingValue(fallback));
  const std::optional<float> value = ParseSettingValue(text);
  // A value that is no number, or a size that would leave no window, falls back to the
  // default instead of failing the start.
  if (!value || (positive && *value <= 0)) return fallback;
  // Twips beyond the int range cannot be a screen position.
  if (*value > 2.0e9f || *value < -2.0e9f) return fallback;
  return *value;
}

void FrmMain::Form_Load() {
  loaded = true;
  visible = true;
  left = static_cast<int>(ReadSetting(kMainLeft.key, kMainLeft.fallback, false));
  top = static_cast<int>(ReadSetting(kMainTop.key, kMainTop.fallback, false));
  width = static_cast<int>(ReadSetting(kMainWidth.key, kMainWidth.fallback, true));
  height = static_cast<int>(ReadSetting(kMainHeight.key, kMainHeight.fallback, true));
  curveCommand.curveShown = 0;
  mnuFileNew.enabled = false;
  platform_.SetStatusText(kIdleStatus);
}

void FrmMain::ApplyPlotHeight() {
  // Both bars count whether they are shown or not; a window smaller than the two bars keeps the
  // previous plot height.
  const int plotHeight = scaleHeight - sbStatusBar.height - tbToolBar.height;
  if (plotHeight >= 0) Picture1.height = plotHeight;
  ApplyPlotSize();
}

void FrmMain::ApplyPlotSize() {
  if (picture_.Image().width != Picture1.width || picture_.Image().height != Picture1.height) {
    picture_.SetSize(Picture1.width, Picture1.height);
  }
}

void FrmMain::Form_Resize() {
  if (windowState == WindowState::kMinimized) return;
  // The plot takes the new width at once, so a redraw below is made for the whole new size.
  Picture1.width = scaleWidth;
  ApplyPlotHeight();
  if (curveCommand.curveShown != 0) mnuViewRefresh_Click();
}

void FrmMain::Form_Paint() {
  Picture1.width = scaleWidth;
  ApplyPlotHeight();
}

std::string FrmMain::ClosingQuestion() {
  return std::string("Wollen Sie das Programm ") + kLineBreak + kLineBreak + kProductName +
         "        " + kLineBreak + kCopyrightLine + kLineBreak + kLineBreak +
         "wirklich schon beenden ?";
}

bool FrmMain::Form_QueryUnload() {
  const int answer =
      platform_.MessageBox(ClosingQuestion(), " Programmende ? ", kMbOkCancel | kMbQuestion);
  return answer == kIdCancel;
}

void FrmMain::Form_Unload() {
  if (windowState != WindowState::kMinimized) {
    platform_.SaveSetting(kSettingsApp, kSettingsSection, kMainLeft.key,
                          FormatSettingValue(static_cast<float>(left)));
    platform_.SaveSetting(kSettingsApp, kSettingsSection, kMainTop.key,
                          FormatSettingValue(static_cast<float>(top)));
    platform_.SaveSetting(kSettingsApp, kSettingsSection, kMainWidth.key,
                          FormatSettingValue(static_cast<float>(width)));
    platform_.SaveSetting(kSettingsApp, kSettingsSection, kMainHeight.key,
                          FormatSettingValue(static_cast<float>(height)));
  }
  // Every other window goes with the main window, also a dialog left loaded but hidden.
  if (frmEinzelEingabe.loaded && frmEinzelEingabe.caption != kCaption) frmEinzelEingabe.Unload();
  FrmEingabe& curveDialog = curveCommand.frmEingabe;
  if (curveDialog.loaded && curveDialog.caption != kCaption) curveDialog.Unload();
  if (frmAbout.loaded && frmAbout.caption != kCaption) frmAbout.Unload();
  if (frmNecVergleich.loaded) frmNecVergleich.Unload();
  visible = false;
  loaded = false;
}

// ------------------------------------------------------------------ commands

void FrmMain::mnuFileNew_Click() {
  picture_.Clear();
  necPoints.Discard();
  curveCommand.MarkNew();
  curveCommand.curveShown = 0;
  mnuFileNew.enabled = false;
  mnuViewRefresh.enabled = false;
  platform_.SetStatusText(kIdleStatus);
  UpdateCurveItems();
}

void FrmMain::ToolbarNew() {
  picture_.Clear();
  necPoints.Discard();
  curveCommand.MarkNew();
  UpdateCurveItems();
}

void FrmMain::UpdateCurveItems() {
  mnuFileExport.enabled = curveCommand.CurveOnPlot();
}

void FrmMain::NotYetPossible(const char* what) {
  platform_.MessageBox(std::string(what) + " noch nicht möglich", kProductName, kMbOkOnly);
}

void FrmMain::mnuFileOpen_Click() {
  NotYetPossible("Öffnen");
}
void FrmMain::mnuFileSave_Click() {
  NotYetPossible("Speichern");
}
void FrmMain::mnuFileSaveAs_Click() {
  NotYetPossible("Speichern unter...");
}

CurveOutput FrmMain::CurrentCurve() {
  const CurveTrace& run = curveCommand.LastRun();
  NecMarks marks;
  for (const NecPoints::Marker& m : necPoints.Markers(picture_)) marks.points.push_back({m.x, m.y});
  marks.legend = necPoints.Shown() && !necPoints.Wires().empty();
  const std::vector<SidePoint> nec = necPoints.FoundPoints();
  // The NEC-2 column comes with the legend: a curve NEC-2 computes points for.
  std::string csv = CurveCsv(curveCommand.request, run, platform_.DecimalSeparator(),
                             marks.legend ? &nec : nullptr);
  return {&picture_.Image(), std::move(marks), curveCommand.Title(), std::move(csv),
          CurveFileName(curveCommand.request.curveName)};
}

void FrmMain::mnuFileExport_Click() {
  if (!curveCommand.CurveOnPlot()) return;
  const ExportOutcome outcome = platform_.ExportCurve(CurrentCurve());
  if (outcome.result != ExportOutcome::Result::kFailed) return;
  platform_.MessageBox("Die Kurve konnte nicht als „" + outcome.path + "“ gespeichert werden." +
                           kLineBreak + outcome.error,
                       "Kurve exportieren", kMbOkOnly | kMbExclamation);
}

void FrmMain::mnuFilePrint_Click() {
  // The marker and its values are for the screen only.
  marked_.reset();
  std::string printerText;
  const int ready =
      platform_.MessageBox("Drucker bereit?", "Drucker " + printerText, kMbOkCancel | kMbCritical);
  if (ready != kIdOk) return;
  const std::string header = std::string(kProductName) + " " + kCopyrightLine;
  const std::string savedStatus = platform_.StatusText();
  platform_.SetStatusText(savedStatus + "  " + header);
  tbToolBar.visible = false;
  if (!sbStatusBar.visible) sbStatusBar.visible = true;
  platform_.SetMousePointer(MousePointer::kHourglass);
  platform_.DoEvents();
  // The NEC-2 points are a look on screen, computed in the background; the printout is the
  // formulas' curve as the program prints it.
  necPoints.SetHidden(true);
  const PrintOutcome outcome = platform_.PrintForm(*this);
  necPoints.SetHidden(false);
  if (!outcome.ok) {
    printerText = platform_.PrinterName();
    platform_.SetMousePointer(MousePointer::kDefault);
    const int answer = platform_.MessageBox(outcome.Description(), "Drucker-Fehler " + printerText,
                                            kMbOkCancel | kMbExclamation);
    if (answer != kIdOk) {
      platform_.SetStatusText(savedStatus);
      tbToolBar.visible = true;
      return;
    }
    platform_.SetMousePointer(MousePointer::kHourglass);
    platform_.DoEvents();
  }
  tbToolBar.visible = true;
  platform_.SetStatusText(savedStatus);
  platform_.DoEvents();
  platform_.SetMousePointer(MousePointer::kDefault);
}

void FrmMain::mnuFileExit_Click() {
  if (Form_QueryUnload()) return;
  Form_Unload();
}

void FrmMain::mnuEinzelBerechnung_Click() {
  platform_.SetStatusText(kSingleValueStatus);
  if (!frmEinzelEingabe.loaded) frmEinzelEingabe.Load();
  platform_.ShowModal(frmEinzelEingabe);
  mnuViewRefresh.enabled = false;
  mnuFileNew.enabled = true;
  necInputs_ = Merge(necInputs_, NecInputsFrom(frmEinzelEingabe));
  frmEinzelEingabe.Unload();
  platform_.SetStatusText(kIdleStatus);
}

void FrmMain::CurveRan(std::int32_t imageBefore) {
  if (picture_.ImageHandle() == imageBefore || curveCommand.curveShown == 0) return;
  necPoints.CurveDrawn(curveCommand.request, curveCommand.acceptedFreeSpace != 0,
                       curveCommand.lastLayout);
}

void FrmMain::mnuKurveAnzeigen_Click() {
  const std::int32_t image = picture_.ImageHandle();
  curveCommand.Run();
  UpdateCurveItems();
  CurveRan(image);
}

void FrmMain::mnuNecVergleich_Click() {
  frmNecVergleich.Load(necInputs_);
  platform_.ShowModal(frmNecVergleich);
  necInputs_ = frmNecVergleich.Inputs();
  frmNecVergleich.Unload();
}

void FrmMain::mnuBand_Click() {
  // Beside the main window: open again, it comes to the front as it is.
  if (!frmBand.visible) {
    frmBand.Load(
        band::PrefillFrom(frmBand.loaded ? frmBand.Texts() : band::BandTexts{}, frmEinzelEingabe));
  }
  platform_.Show(frmBand);
}

void FrmMain::mnuViewRefresh_Click() {
  const std::int32_t image = picture_.ImageHandle();
  curveCommand.Refresh();
  UpdateCurveItems();
  CurveRan(image);
}

void FrmMain::mnuViewToolbar_Click() {
  mnuViewToolbar.checked = !mnuViewToolbar.checked;
  tbToolBar.visible = mnuViewToolbar.checked;
}

void FrmMain::mnuViewStatusBar_Click() {
  mnuViewStatusBar.checked = !mnuViewStatusBar.checked;
  sbStatusBar.visible = mnuViewStatusBar.checked;
}

void FrmMain::mnuViewNecPoints_Click() {
  mnuViewNecPoints.checked = !mnuViewNecPoints.checked;
  necPoints.SetEnabled(mnuViewNecPoints.checked);
}

std::string FrmMain::ShortHelpText() {
  return std::string(kProductName) + kLineBreak + kCopyrightLine + kLineBreak + VersionText() +
         kLineBreak + kLineBreak + "Das Programm dient zur Erstellung, Anzeige und zum Ausdruck" +
         kLineBreak + "technischer Antennen-Parameter-Kurven sowie zur Berechnung" + kLineBreak +
         "einzelner Antennen-Parameter." + kLineBreak +
         "Kurve exportieren (Strg+E) oder kopieren (Strg+C); Maus und Pfeiltasten zeigen die "
         "Werte der Kurve." +
         kLineBreak + "Das Drucken erfolgt über den vorher eingestellten Standard-Drucker.    ";
}

void FrmMain::mnuHelpContents_Click() {
  platform_.MessageBox(ShortHelpText(), "Kurzhilfe", kMbInformation);
}

void FrmMain::mnuHelpAbout_Click() {
  frmAbout.Form_Load();
  platform_.ShowModal(frmAbout);
  // Closed some other way than by its OK button: the box still goes.
  if (frmAbout.loaded) frmAbout.Unload();
}

void FrmMain::tbToolBar_ButtonClick(const std::string& key) {
  if (key == "New") {
    ToolbarNew();
  } else if (key == "Open") {
    mnuFileOpen_Click();
  } else if (key == "Save") {
    mnuFileSave_Click();
  } else if (key == "Print") {
    mnuFilePrint_Click();
  }
}

// ------------------------------------------------------------------ the plot's read-out

std::optional<std::size_t> FrmMain::MarkedSample() const {
  if (!marked_ || markedImage_ != picture_.ImageHandle() || !curveCommand.CurveOnPlot() ||
      *marked_ >= curveCommand.LastRun().samples.size()) {
    return std::nullopt;
  }
  return marked_;
}

void FrmMain::Picture1_MouseMove(double x) {
  marked_ = curveCommand.CurveOnPlot() ? NearestSample(curveCommand.LastRun(), x) : std::nullopt;
  markedImage_ = picture_.ImageHandle();
}

void FrmMain::Picture1_MouseLeave() {
  marked_.reset();
}

void FrmMain::Picture1_KeyDown(PlotKey key) {
  if (!curveCommand.CurveOnPlot()) return;
  const CurveTrace& run = curveCommand.LastRun();
  const auto last = static_cast<std::ptrdiff_t>(run.samples.size()) - 1;
  const std::ptrdiff_t page = std::max(run.layout.ux, 1);  // one x unit
  const std::optional<std::size_t> current = MarkedSample();
  std::ptrdiff_t i = 0;
  if (!current) {
    // A first key press shows the marker at the end it points to.
    i = key == PlotKey::kLeft || key == PlotKey::kPageLeft || key == PlotKey::kLast ? last : 0;
  } else {
    const auto at = static_cast<std::ptrdiff_t>(*current);
    switch (key) {
      case PlotKey::kLeft:
        i = at - 1;
        break;
      case PlotKey::kRight:
        i = at + 1;
        break;
      case PlotKey::kPageLeft:
        i = at - page;
        break;
      case PlotKey::kPageRight:
        i = at + page;
        break;
      case PlotKey::kFirst:
        i = 0;
        break;
      case PlotKey::kLast:
        i = last;
        break;
    }
  }
  marked_ = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(i, 0, last));
  markedImage_ = picture_.ImageHandle();
}

void FrmMain::Picture1_Copy() {
  if (curveCommand.CurveOnPlot()) platform_.CopyCurve(CurrentCurve());
}

std::optional<double> FrmMain::ReadoutMarker() const {
  const std::optional<std::size_t> i = MarkedSample();
  if (!i) return std::nullopt;
  const CurveTrace& run = curveCommand.LastRun();
  return SampleTwipsX(run.layout, run.samples[*i]);
}

std::string FrmMain::ReadoutText() const {
  const std::optional<std::size_t> i = MarkedSample();
  if (!i) return {};
  const CurveTrace& run = curveCommand.LastRun();
  // NEC-2's value where the marker's line crosses one of its points.
  return velmora::ReadoutText(
      curveCommand.request, run, *i, platform_.DecimalSeparator(),
      SidePointNear(run, *i, necPoints.FoundPoints(), kPlotStyle.necRadius));
}

}  // namespace velmora
