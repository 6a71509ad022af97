#include "shell/frm_main.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "headless/headless_platform.h"
#include "platform/retained_surface.h"
#include "platform/version.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 9000;
constexpr int kClientHeight = 7500;
constexpr int kToolbarHeight = 420;
constexpr int kStatusBarHeight = 375;

// The main window with a scripted user, opened at a fixed client size.
struct Shell {
  HeadlessPlatform platform;
  RetainedSurface surface{0, 0};
  FrmMain main{platform, surface};

  void Open() {
    main.Form_Load();
    main.tbToolBar.height = kToolbarHeight;
    main.sbStatusBar.height = kStatusBarHeight;
    Resize(kClientWidth, kClientHeight);
  }
  void Resize(int width, int height) {
    main.scaleWidth = width;
    main.scaleHeight = height;
    main.Form_Resize();
  }
  // The user picks a curve type in the curve dialog and presses OK (or Cancel).
  void CurveDialog(const std::string& choice, bool ok = true) {
    platform.modalScripts["frmEingabe"] = [choice, ok](Form& form) {
      auto& dlg = static_cast<FrmEingabe&>(form);
      dlg.Form_Activate();
      dlg.Combo1.text = choice;
      dlg.Combo1_Click();
      ok ? dlg.OKButton_Click() : dlg.CancelButton_Click();
    };
  }
  int Points() const {
    int n = 0;
    for (const DrawnItem& item : surface.Image().items) n += item.kind == DrawnItem::Kind::kPoint;
    return n;
  }
  struct MenuState {
    bool newEnabled;
    bool refreshEnabled;
  };
  MenuState Menu() const { return {main.mnuFileNew.enabled, main.mnuViewRefresh.enabled}; }
};

// --------------------------------------------------------------------------- start-up

TEST(FrmMainStart, MenuStatesAndStatusAfterLoad) {
  Shell s;
  s.Open();
  EXPECT_EQ(s.main.caption, "Velmora");
  EXPECT_EQ(s.platform.statusText, "Im Menü Berechnung beginnen");
  EXPECT_EQ(s.main.curveCommand.curveShown, 0);
  struct Row {
    const MenuItem& item;
    bool enabled;
    bool checked;
  };
  const Row rows[] = {
      {s.main.mnuFileNew, false, false},         {s.main.mnuFileOpen, false, false},
      {s.main.mnuFileSave, false, false},        {s.main.mnuFileSaveAs, false, false},
      {s.main.mnuFilePrint, false, false},       {s.main.mnuFileExit, true, false},
      {s.main.mnuEinzelBerechnung, true, false}, {s.main.mnuKurveAnzeigen, true, false},
      {s.main.mnuViewRefresh, false, false},     {s.main.mnuViewToolbar, true, true},
      {s.main.mnuViewStatusBar, true, true},     {s.main.mnuHelpContents, true, false},
      {s.main.mnuHelpAbout, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item.name);
    EXPECT_EQ(row.item.enabled, row.enabled);
    EXPECT_EQ(row.item.checked, row.checked);
  }
}

TEST(FrmMainStart, MenuOrderGroupsItemsUnderTheirMenus) {
  Shell s;
  std::string layout;
  for (const FrmMain::MenuEntry& entry : s.main.Menu()) {
    layout += entry.menu == nullptr ? "|" + entry.item->caption + ":" : entry.item->caption + ";";
  }
  EXPECT_EQ(layout,
            "|&Datei:&Neu;Ö&ffnen;-;&Speichern;Speichern &unter...;Kurve &exportieren...;-;"
            "Dru&cken...;-;&Beenden;"
            "|&Berechnung:Einzel-&Wert;&Kurve;"
            "|&Ansicht:&Aktualisieren;-;&Symbolleiste;Status&leiste;"
            "|&?:&Hilfe;-;&Info ;");
}

struct SettingsRow {
  const char* name;
  std::map<std::string, std::string> stored;  // key -> text
  int left, top, width, height;
};

class FrmMainSettings : public ::testing::TestWithParam<SettingsRow> {};

TEST_P(FrmMainSettings, LoadReadsEachValueOrItsDefault) {
  const SettingsRow& row = GetParam();
  Shell s;
  for (const auto& [key, text] : row.stored) s.platform.settings["Velmora/Settings/" + key] = text;
  s.main.Form_Load();
  EXPECT_EQ(s.main.left, row.left);
  EXPECT_EQ(s.main.top, row.top);
  EXPECT_EQ(s.main.width, row.width);
  EXPECT_EQ(s.main.height, row.height);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FrmMainSettings,
    ::testing::Values(
        SettingsRow{"empty_store", {}, 1000, 1000, 9000, 8500},
        SettingsRow{"all_stored",
                    {{"MainLeft", "150"},
                     {"MainTop", "300"},
                     {"MainWidth", "12000"},
                     {"MainHeight", "9000"}},
                    150,
                    300,
                    12000,
                    9000},
        SettingsRow{
            "left_of_the_primary_screen", {{"MainLeft", "-14400"}}, -14400, 1000, 9000, 8500},
        SettingsRow{"decimal_comma", {{"MainWidth", "9600,0"}}, 1000, 1000, 9600, 8500},
        // A damaged value falls back to its own default and leaves the others alone.
        SettingsRow{
            "not_a_number", {{"MainLeft", "links"}, {"MainTop", "450"}}, 1000, 450, 9000, 8500},
        SettingsRow{"trailing_garbage", {{"MainHeight", "8500px"}}, 1000, 1000, 9000, 8500},
        SettingsRow{"empty_text", {{"MainWidth", ""}}, 1000, 1000, 9000, 8500},
        SettingsRow{"beyond_single", {{"MainTop", "1e40"}}, 1000, 1000, 9000, 8500},
        SettingsRow{"beyond_int", {{"MainLeft", "3e9"}}, 1000, 1000, 9000, 8500},
        // A size of nothing would leave no window to see.
        SettingsRow{"zero_width", {{"MainWidth", "0"}}, 1000, 1000, 9000, 8500},
        SettingsRow{"negative_height", {{"MainHeight", "-200"}}, 1000, 1000, 9000, 8500}),
    [](const ::testing::TestParamInfo<SettingsRow>& info) { return info.param.name; });

// --------------------------------------------------------------------------- closing

TEST(FrmMainClose, QuestionTextButtonsAndTitle) {
  Shell s;
  s.Open();
  s.platform.messageAnswers = {kIdCancel};
  EXPECT_TRUE(s.main.Form_QueryUnload());
  ASSERT_EQ(s.platform.messages.size(), 1u);
  const RecordedMessage& m = s.platform.messages[0];
  EXPECT_EQ(m.title, " Programmende ? ");
  EXPECT_EQ(m.style, 33);
  EXPECT_EQ(m.text, std::string("Wollen Sie das Programm \r\n\r\nVelmora        \r\n") +
                        kCopyrightLine + "\r\n\r\nwirklich schon beenden ?");
}

TEST(FrmMainClose, ExitAskedThenCancelledOrConfirmed) {
  struct Row {
    const char* name;
    int answer;
    bool closed;
  };
  for (const Row& row : {Row{"cancel", kIdCancel, false}, Row{"ok", kIdOk, true}}) {
    SCOPED_TRACE(row.name);
    Shell s;
    s.Open();
    s.main.left = 1500;
    s.platform.messageAnswers = {row.answer};
    s.main.mnuFileExit_Click();
    EXPECT_EQ(s.main.loaded, !row.closed);
    EXPECT_EQ(s.platform.settings.count("Velmora/Settings/MainLeft"), row.closed ? 1u : 0u);
  }
}

TEST(FrmMainClose, UnloadStoresGeometryUnlessMinimised) {
  struct Row {
    const char* name;
    WindowState state;
    bool stores;
  };
  const Row rows[] = {{"normal", WindowState::kNormal, true},
                      {"maximised", WindowState::kMaximized, true},
                      {"minimised", WindowState::kMinimized, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shell s;
    s.platform.settings["Velmora/Settings/MainLeft"] = "777";
    s.Open();
    s.main.left = -300;
    s.main.top = 450;
    s.main.width = 10005;
    s.main.height = 7200;
    s.main.windowState = row.state;
    s.main.Form_Unload();
    auto& st = s.platform.settings;
    if (row.stores) {
      EXPECT_EQ(st["Velmora/Settings/MainLeft"], "-300");
      EXPECT_EQ(st["Velmora/Settings/MainTop"], "450");
      EXPECT_EQ(st["Velmora/Settings/MainWidth"], "10005");
      EXPECT_EQ(st["Velmora/Settings/MainHeight"], "7200");
    } else {
      EXPECT_EQ(st["Velmora/Settings/MainLeft"], "777");
      EXPECT_EQ(st.count("Velmora/Settings/MainTop"), 0u);
    }
  }
}

TEST(FrmMainClose, StoredSettingsAreReadBackAtTheNextStart) {
  HeadlessPlatform platform;
  {
    RetainedSurface surface(0, 0);
    FrmMain first(platform, surface);
    first.Form_Load();
    first.left = 2345;
    first.top = -15;
    first.width = 6000;
    first.height = 5000;
    first.Form_Unload();
  }
  RetainedSurface surface(0, 0);
  FrmMain second(platform, surface);
  second.Form_Load();
  EXPECT_EQ(second.left, 2345);
  EXPECT_EQ(second.top, -15);
  EXPECT_EQ(second.width, 6000);
  EXPECT_EQ(second.height, 5000);
}

TEST(FrmMainClose, UnloadTakesTheHiddenCurveDialogAlong) {
  Shell s;
  s.Open();
  s.CurveDialog("Verkürzung Vf bei d", /*ok=*/false);
  s.main.mnuKurveAnzeigen_Click();
  ASSERT_TRUE(s.main.curveCommand.frmEingabe.loaded);  // cancelled: loaded but hidden
  s.main.Form_Unload();
  EXPECT_FALSE(s.main.curveCommand.frmEingabe.loaded);
  EXPECT_FALSE(s.main.loaded);
}

// --------------------------------------------------------------------------- layout

TEST(FrmMainLayout, PlotFillsTheClientBetweenTheBars) {
  struct Row {
    const char* name;
    int width, height;
    int plotWidth, plotHeight;
  };
  const int bars = kToolbarHeight + kStatusBarHeight;
  const Row rows[] = {
      {"design", kClientWidth, kClientHeight, kClientWidth, kClientHeight - bars},
      {"wider", 12000, kClientHeight, 12000, kClientHeight - bars},
      {"exactly_the_bars", 9000, bars, 9000, 0},
      // Smaller than both bars: the previous height stays.
      {"below_the_bars", 9000, bars - 1, 9000, kClientHeight - bars},
      {"nothing_left", 0, 0, 0, kClientHeight - bars},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shell s;
    s.Open();
    s.Resize(row.width, row.height);
    EXPECT_EQ(s.main.Picture1.width, row.plotWidth);
    EXPECT_EQ(s.main.Picture1.height, row.plotHeight);
    EXPECT_EQ(s.surface.ScaleWidth(), row.plotWidth);
    EXPECT_EQ(s.surface.ScaleHeight(), row.plotHeight);
  }
}

TEST(FrmMainLayout, HiddenBarsStillCount) {
  Shell s;
  s.Open();
  s.main.mnuViewToolbar_Click();
  s.main.mnuViewStatusBar_Click();
  s.main.Form_Paint();
  EXPECT_EQ(s.main.Picture1.height, kClientHeight - kToolbarHeight - kStatusBarHeight);
}

TEST(FrmMainLayout, ResizeRedrawsOnlyWhenACurveIsShown) {
  Shell s;
  s.Open();
  const std::int32_t before = s.surface.ImageHandle();
  s.Resize(8000, 6000);
  EXPECT_EQ(s.surface.ImageHandle(), before) << "no curve: nothing drawn";
  EXPECT_TRUE(s.platform.modalShown.empty());

  s.CurveDialog("Verkürzung Vf bei d");
  s.main.mnuKurveAnzeigen_Click();
  ASSERT_NE(s.main.curveCommand.curveShown, 0);
  const int pointsBefore = s.Points();
  const std::int32_t drawn = s.surface.ImageHandle();
  s.Resize(12000, 9000);
  EXPECT_NE(s.surface.ImageHandle(), drawn) << "the curve is drawn anew";
  EXPECT_GT(s.Points(), pointsBefore) << "for the wider plot";
  EXPECT_EQ(s.surface.Image().width, 12000);
  EXPECT_EQ(s.platform.modalShown.size(), 1u) << "a redraw shows no dialog";
}

TEST(FrmMainLayout, PaintRelayoutsWithoutRedrawing) {
  Shell s;
  s.Open();
  s.CurveDialog("Verkürzung Vf bei d");
  s.main.mnuKurveAnzeigen_Click();
  const std::int32_t drawn = s.surface.ImageHandle();
  s.main.scaleWidth = 6000;
  s.main.Form_Paint();
  EXPECT_EQ(s.main.Picture1.width, 6000);
  EXPECT_EQ(s.surface.ImageHandle(), drawn);
}

// --------------------------------------------------------------------------- commands

TEST(FrmMainCommands, NewFromMenuAndFromToolbarDiffer) {
  struct Row {
    const char* name;
    std::function<void(FrmMain&)> command;
    bool curveShownAfter;
    Shell::MenuState menuAfter;
    const char* statusAfter;
  };
  const std::string title = "curve title";
  const Row rows[] = {
      {"menu",
       [](FrmMain& m) { m.mnuFileNew_Click(); },
       false,
       {false, false},
       "Im Menü Berechnung beginnen"},
      {"toolbar",
       [](FrmMain& m) { m.tbToolBar_ButtonClick("New"); },
       true,
       {true, true},
       "curve title"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shell s;
    s.Open();
    s.CurveDialog("Verkürzung Vf bei d");
    s.main.mnuKurveAnzeigen_Click();
    ASSERT_GT(s.Points(), 0);
    s.platform.SetStatusText(title);
    row.command(s.main);
    EXPECT_EQ(s.Points(), 0) << "plot cleared";
    EXPECT_EQ(s.main.curveCommand.frmEingabe.Tag, "Neu");
    EXPECT_EQ(s.main.curveCommand.curveShown != 0, row.curveShownAfter);
    EXPECT_EQ(s.main.mnuFileNew.enabled, row.menuAfter.newEnabled);
    EXPECT_EQ(s.main.mnuViewRefresh.enabled, row.menuAfter.refreshEnabled);
    EXPECT_EQ(s.platform.statusText, row.statusAfter);
    // Neither a resize nor Refresh brings the discarded curve back.
    s.Resize(10000, 8000);
    s.main.mnuViewRefresh_Click();
    EXPECT_EQ(s.Points(), 0);
    // The curve command asks again, and its OK draws.
    s.main.mnuKurveAnzeigen_Click();
    EXPECT_EQ(s.platform.modalShown.size(), 2u);
    EXPECT_GT(s.Points(), 0);
  }
}

TEST(FrmMainCommands, ToolbarDispatchesByKey) {
  struct Row {
    const char* key;
    const char* message;  // text of the first message box, "" for none
  };
  const Row rows[] = {
      {"Open", "Öffnen noch nicht möglich"},
      {"Save", "Speichern noch nicht möglich"},
      {"Print", "Drucker bereit?"},
      {"New", ""},
      {"Paste", ""},  // in the image list, but no button runs it
      {"", ""},
      {"open", ""},  // keys compare exactly
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.key);
    Shell s;
    s.Open();
    s.platform.messageAnswers = {kIdCancel};
    s.main.tbToolBar_ButtonClick(row.key);
    if (*row.message == '\0') {
      EXPECT_TRUE(s.platform.messages.empty());
    } else {
      ASSERT_EQ(s.platform.messages.size(), 1u);
      EXPECT_EQ(s.platform.messages[0].text, row.message);
    }
  }
}

TEST(FrmMainCommands, NotYetAvailableCommandsSaySo) {
  struct Row {
    void (FrmMain::*command)();
    const char* text;
  };
  const Row rows[] = {{&FrmMain::mnuFileOpen_Click, "Öffnen noch nicht möglich"},
                      {&FrmMain::mnuFileSave_Click, "Speichern noch nicht möglich"},
                      {&FrmMain::mnuFileSaveAs_Click, "Speichern unter... noch nicht möglich"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    Shell s;
    s.Open();
    (s.main.*row.command)();
    ASSERT_EQ(s.platform.messages.size(), 1u);
    EXPECT_EQ(s.platform.messages[0].text, row.text);
    EXPECT_EQ(s.platform.messages[0].title, "Velmora");
    EXPECT_EQ(s.platform.messages[0].style, 0);
    EXPECT_EQ(s.platform.statusText, "Im Menü Berechnung beginnen");
  }
}

TEST(FrmMainCommands, SingleValueSessionThroughTheModalDialog) {
  Shell s;
  s.Open();
  s.CurveDialog("Verkürzung Vf bei d");
  s.main.mnuKurveAnzeigen_Click();
  ASSERT_TRUE(s.main.mnuViewRefresh.enabled);
  std::string statusWhileOpen;
  std::string result;
  s.platform.modalScripts["frmEinzel_Eingabe"] = [&](Form& form) {
    auto& dlg = static_cast<FrmEinzelEingabe&>(form);
    statusWhileOpen = s.platform.statusText;
    dlg.Form_Activate();
    dlg.Combo1.text = kChoiceVelocityFactor;
    dlg.Combo1_Click();
    dlg.OKButton_Click();
    result = dlg.Label3.caption;
    dlg.CancelButton_Click();
  };
  s.main.mnuEinzelBerechnung_Click();
  EXPECT_EQ(statusWhileOpen, "Einzel-Wert-Berechnung");
  EXPECT_FALSE(result.empty());
  EXPECT_FALSE(s.main.frmEinzelEingabe.loaded) << "the next use starts from the load defaults";
  EXPECT_FALSE(s.main.mnuViewRefresh.enabled) << "even with a curve on the plot";
  EXPECT_TRUE(s.main.mnuFileNew.enabled);
  EXPECT_EQ(s.platform.statusText, "Im Menü Berechnung beginnen");
  EXPECT_NE(s.main.curveCommand.curveShown, 0) << "the curve is still shown";
}

TEST(FrmMainCommands, CancelledCurveDialogChangesNothingButTheStatus) {
  Shell s;
  s.Open();
  s.CurveDialog("Strahlungswiderstand Rs");
  s.main.mnuKurveAnzeigen_Click();
  const CurveRequest request = s.main.curveCommand.request;
  const std::int32_t drawn = s.surface.ImageHandle();
  s.CurveDialog("Verkürzung Vf bei h", /*ok=*/false);
  s.main.mnuKurveAnzeigen_Click();
  EXPECT_EQ(s.main.curveCommand.request, request);
  EXPECT_EQ(s.surface.ImageHandle(), drawn);
  EXPECT_EQ(s.platform.statusText, "Kurve berechnen und anzeigen");
  EXPECT_TRUE(s.main.mnuViewRefresh.enabled);
}

TEST(FrmMainCommands, ViewTogglesFlipCheckAndBar) {
  Shell s;
  s.Open();
  for (int click = 1; click <= 3; ++click) {
    SCOPED_TRACE(click);
    s.main.mnuViewToolbar_Click();
    s.main.mnuViewStatusBar_Click();
    const bool shown = click % 2 == 0;
    EXPECT_EQ(s.main.mnuViewToolbar.checked, shown);
    EXPECT_EQ(s.main.tbToolBar.visible, shown);
    EXPECT_EQ(s.main.mnuViewStatusBar.checked, shown);
    EXPECT_EQ(s.main.sbStatusBar.visible, shown);
  }
}

TEST(FrmMainCommands, ShortHelpBox) {
  Shell s;
  s.Open();
  s.main.mnuHelpContents_Click();
  ASSERT_EQ(s.platform.messages.size(), 1u);
  const RecordedMessage& m = s.platform.messages[0];
  EXPECT_EQ(m.title, "Kurzhilfe");
  EXPECT_EQ(m.style, 64);
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  for (auto end = m.text.find("\r\n"); end != std::string::npos;
       start = end + 2, end = m.text.find("\r\n", start)) {
    lines.push_back(m.text.substr(start, end - start));
  }
  lines.push_back(m.text.substr(start));
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "Velmora");
  EXPECT_EQ(lines[1], kCopyrightLine);
  EXPECT_EQ(lines[2], "Version 1.0.2");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[7],
            "Kurve exportieren (Strg+E) oder kopieren (Strg+C); Maus und Pfeiltasten zeigen die "
            "Werte der Kurve.");
  EXPECT_EQ(lines[8], "Das Drucken erfolgt über den vorher eingestellten Standard-Drucker.    ");
}

TEST(FrmMainCommands, InfoBoxIsShownModallyAndUnloaded) {
  Shell s;
  s.Open();
  std::string versionShown;
  s.platform.modalScripts["frmAbout"] = [&](Form& form) {
    auto& about = static_cast<FrmAbout&>(form);
    versionShown = about.lblVersion.caption;
    about.cmdOK_Click();
  };
  s.main.mnuHelpAbout_Click();
  EXPECT_EQ(versionShown, "Version 1.0.2");
  EXPECT_FALSE(s.main.frmAbout.loaded);
}

// --------------------------------------------------------------------------- printing

// The mouse pointer's changes as letters: H hourglass, D default.
std::string Pointers(const std::vector<MousePointer>& history) {
  std::string letters;
  for (MousePointer p : history) letters += p == MousePointer::kHourglass ? 'H' : 'D';
  return letters;
}

TEST(FrmMainPrint, PrintsTheTitleWithProductAndCopyrightAndRestoresTheWindow) {
  Shell s;
  s.Open();
  s.CurveDialog("Strahlungswiderstand Rs");
  s.main.mnuKurveAnzeigen_Click();
  const std::string title = s.platform.statusText;
  ASSERT_FALSE(title.empty());
  s.main.mnuViewToolbar_Click();    // toolbar off
  s.main.mnuViewStatusBar_Click();  // status bar off
  std::string printed;              // status, toolbar, status bar, pointer, events run before
  s.platform.onPrintForm = [&s, &printed](Form&) {
    printed = s.platform.statusText + (s.main.tbToolBar.visible ? "|toolbar" : "|") +
              (s.main.sbStatusBar.visible ? "|status bar|" : "||") +
              Pointers({s.platform.mousePointer}) + std::to_string(s.platform.doEventsCalls);
  };
  s.platform.doEventsCalls = 0;
  s.platform.pointerHistory.clear();
  s.main.mnuFilePrint_Click();

  ASSERT_EQ(s.platform.messages.size(), 1u);
  EXPECT_EQ(s.platform.messages[0].text, "Drucker bereit?");
  EXPECT_EQ(s.platform.messages[0].title, "Drucker ");
  EXPECT_EQ(s.platform.messages[0].style, 17);
  EXPECT_EQ(s.platform.printedForms, std::vector<std::string>{"frmMain"});
  EXPECT_EQ(printed, title + "  Velmora Copyright © 2026 Velmora-Team||status bar|H1");
  EXPECT_EQ(s.platform.statusText, title);
  EXPECT_TRUE(s.main.tbToolBar.visible) << "shown again, although switched off";
  EXPECT_TRUE(s.main.sbStatusBar.visible) << "stays visible";
  EXPECT_FALSE(s.main.mnuViewToolbar.checked || s.main.mnuViewStatusBar.checked)
      << "check marks stay";
  EXPECT_EQ(Pointers(s.platform.pointerHistory), "HD");
  EXPECT_EQ(s.platform.doEventsCalls, 2);
}

TEST(FrmMainPrint, AnswersDecideWhatHappens) {
  struct Row {
    const char* name;
    std::deque<int> answers;
    const char* error;  // nullptr: the print succeeds
    const char* printer;
    const char* failureText;
    const char* failureTitle;
    const char* pointers;
    int doEvents;
  };
  const char* const kNoPrinter = "Es ist kein Standard-Drucker eingerichtet.";
  const Row rows[] = {
      {"not_ready", {kIdCancel}, nullptr, "Laser", "", "", "", 0},
      {"printed", {kIdOk}, nullptr, "Laser", "", "", "HD", 2},
      {"failure_ok_goes_on",
       {kIdOk, kIdOk},
       kNoPrinter,
       "Laser",
       kNoPrinter,
       "Drucker-Fehler Laser",
       "HDHD",
       3},
      {"failure_cancel_ends",
       {kIdOk, kIdCancel},
       kNoPrinter,
       "Laser",
       kNoPrinter,
       "Drucker-Fehler Laser",
       "HD",
       1},
      {"failure_without_words",
       {kIdOk, kIdCancel},
       "",
       "",
       "Der Ausdruck ist fehlgeschlagen.",
       "Drucker-Fehler ",
       "HD",
       1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shell s;
    s.Open();
    s.platform.SetStatusText("Titel");
    s.main.mnuViewToolbar_Click();  // off: only a print shows it again
    s.platform.messageAnswers = row.answers;
    if (row.error != nullptr) s.platform.printOutcomes = {{false, row.error}};
    s.platform.printerName = row.printer;
    s.platform.doEventsCalls = 0;
    s.platform.pointerHistory.clear();
    s.main.mnuFilePrint_Click();
    const bool asked = row.answers.front() == kIdOk;
    EXPECT_EQ(s.platform.printedForms.size(), asked ? 1u : 0u) << "a failed print is not repeated";
    ASSERT_EQ(s.platform.messages.size(), row.error != nullptr ? 2u : 1u);
    if (row.error != nullptr) {
      EXPECT_EQ(s.platform.messages[1].text, row.failureText);
      EXPECT_EQ(s.platform.messages[1].title, row.failureTitle);
      EXPECT_EQ(s.platform.messages[1].style, 49);
    }
    EXPECT_EQ(s.platform.statusText, "Titel");
    EXPECT_EQ(s.main.tbToolBar.visible, asked) << "not touched when not ready";
    EXPECT_EQ(Pointers(s.platform.pointerHistory), row.pointers);
    EXPECT_EQ(s.platform.doEventsCalls, row.doEvents);
  }
}

// --------------------------------------------------------------------------- curve output

TEST(FrmMainCurveOutput, ExportIsOfferedExactlyWhileACurveIsOnThePlot) {
  Shell s;
  s.Open();
  struct Step {
    const char* name;
    std::function<void()> action;
    bool enabled;
  };
  const Step steps[] = {
      {"start", [] {}, false},
      {"curve", [&s] { s.main.mnuKurveAnzeigen_Click(); }, true},
      {"single value", [&s] { s.main.mnuEinzelBerechnung_Click(); }, true},
      {"toolbar New", [&s] { s.main.tbToolBar_ButtonClick("New"); }, false},
      {"resize after it", [&s] { s.Resize(9500, 7000); }, false},
      {"curve again", [&s] { s.main.mnuKurveAnzeigen_Click(); }, true},
      {"cancelled dialog",
       [&s] { s.CurveDialog("Strahlungswiderstand Rs", false), s.main.mnuKurveAnzeigen_Click(); },
       true},
      {"menu New", [&s] { s.main.mnuFileNew_Click(); }, false},
      {"wrong formula", [&s] { s.CurveDialog("Kurve?"), s.main.mnuKurveAnzeigen_Click(); }, false},
  };
  s.CurveDialog("Verkürzung Vf bei d");
  for (const Step& step : steps) {
    step.action();
    EXPECT_EQ(s.main.mnuFileExport.enabled, step.enabled) << step.name;
  }
}

TEST(FrmMainCurveOutput, ExportHandsOverTheCurveAndReportsAFailure) {
  Shell s;
  s.Open();
  s.CurveDialog("Verkürzung Vf bei d");
  s.main.mnuKurveAnzeigen_Click();
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
  EXPECT_EQ(out.fileName, "Vf-bei-Draht-d");
  EXPECT_EQ(out.csv.substr(0, out.csv.find('\n')), "Draht-d [mm];Vf");
  ASSERT_EQ(s.platform.messages.size(), 1u) << "a cancelled dialog says nothing";
  EXPECT_EQ(s.platform.messages[0].text,
            "Die Kurve konnte nicht als „/ro/Vf.png“ gespeichert werden.\r\nKein Platz.");
  EXPECT_EQ(s.platform.messages[0].title, "Kurve exportieren");
  EXPECT_EQ(s.platform.messages[0].style, kMbExclamation);
  EXPECT_EQ(s.platform.statusText, kIdleStatus);
  s.main.Picture1_Copy();
  ASSERT_EQ(s.platform.copies.size(), 1u);
  EXPECT_EQ(s.platform.copies[0].csv, out.csv);
}

TEST(FrmMainCurveOutput, ReadoutFollowsPointerAndKeysAndStaysOffPaper) {
  Shell s;
  s.Open();
  s.CurveDialog("Verkürzung Vf bei d");
  s.main.mnuKurveAnzeigen_Click();
  const CurveLayout& l = s.main.curveCommand.lastLayout;
  const double first = l.m;  // point 1
  const double last = l.m + l.N - 1;
  auto marker = [&s] { return s.main.ReadoutMarker().value_or(-1); };
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
