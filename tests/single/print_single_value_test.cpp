// Printing the single-value dialog: the question first, the text block in place of the buttons
// while the printer takes the image, and the dialog's normal look afterwards in every outcome.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/version.h"
#include "tests/single/session.h"

namespace velmora {
namespace {

using Pointers = std::vector<MousePointer>;
constexpr MousePointer kWait = MousePointer::kHourglass;
constexpr MousePointer kArrow = MousePointer::kDefault;

// Every control as the user sees it: name, shown, enabled and its text.
std::vector<std::string> Look(const FrmEinzelEingabe& dialog) {
  using K = FrmEinzelEingabe::ControlKind;
  std::vector<std::string> look;
  for (const FrmEinzelEingabe::ControlRef& ref : dialog.Controls()) {
    std::string text;
    switch (ref.kind) {
      case K::kFrame:
        text = static_cast<const Frame*>(ref.control)->caption;
        break;
      case K::kLabel:
        text = static_cast<const Label*>(ref.control)->caption;
        break;
      case K::kTextBox:
        text = static_cast<const TextBox*>(ref.control)->text;
        break;
      case K::kComboBox:
        text = static_cast<const ComboBox*>(ref.control)->text;
        break;
      case K::kCheckBox:
        text = std::to_string(static_cast<const CheckBox*>(ref.control)->value);
        break;
      case K::kCommandButton:
        text = static_cast<const CommandButton*>(ref.control)->caption;
        break;
    }
    // The text block keeps its last caption while hidden; nobody sees it there.
    if (ref.control == &dialog.lbDrucktext && !ref.control->visible) text.clear();
    look.push_back(ref.control->name + (dialog.IsShown(*ref.control) ? " shown " : " hidden ") +
                   (ref.control->enabled ? "enabled " : "disabled ") + text);
  }
  return look;
}

// What the page shows, read while the printer takes the image.
struct Page {
  bool taken = false;
  bool textShown = false;
  std::string text;
  bool anyButtonShown = true;
  MousePointer pointer = kArrow;
  int doEventsBefore = 0;
  std::string result;  // Label3
};

class PrintDialog : public DialogSession {
 protected:
  void SetUp() override {
    Open();
    platform.onPrintForm = [this](Form& form) {
      auto& shown = static_cast<FrmEinzelEingabe&>(form);
      page.taken = true;
      page.textShown = shown.IsShown(shown.lbDrucktext);
      page.text = shown.lbDrucktext.caption;
      page.anyButtonShown = shown.IsShown(shown.OKButton) || shown.IsShown(shown.CancelButton) ||
                            shown.IsShown(shown.PrintButton);
      page.pointer = platform.mousePointer;
      page.doEventsBefore = platform.doEventsCalls;
      page.result = shown.Label3.caption;
    };
  }
  // What came before the print (opening, a calculation) is not the print's doing.
  void ForgetSoFar() {
    platform.doEventsCalls = 0;
    platform.pointerHistory.clear();
    platform.messages.clear();
  }
  Page page;
};

TEST_F(PrintDialog, CancelOnTheQuestionChangesNothing) {
  PressOk();
  const std::vector<std::string> before = Look(dialog);
  const std::vector<std::string> statusBefore = platform.statusHistory;
  platform.messageAnswers = {kIdCancel};
  ForgetSoFar();
  dialog.PrintButton_Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Drucker bereit?");
  EXPECT_EQ(platform.messages[0].title, "Drucker ");
  EXPECT_EQ(platform.messages[0].style, kMbOkCancel | kMbCritical);
  EXPECT_TRUE(platform.printedForms.empty());
  EXPECT_EQ(Look(dialog), before);
  EXPECT_EQ(dialog.lbDrucktext.caption, "") << "the text block is built only for a print";
  EXPECT_TRUE(platform.pointerHistory.empty());
  EXPECT_EQ(platform.doEventsCalls, 0);
  EXPECT_EQ(platform.statusHistory, statusBefore);
}

TEST_F(PrintDialog, PageShowsTheTextBlockInsteadOfTheButtons) {
  PressOk();
  const std::vector<std::string> before = Look(dialog);
  ForgetSoFar();
  dialog.PrintButton_Click();
  EXPECT_EQ(platform.printedForms, std::vector<std::string>{"frmEinzel_Eingabe"});
  ASSERT_TRUE(page.taken);
  EXPECT_TRUE(page.textShown);
  EXPECT_FALSE(page.anyButtonShown);
  EXPECT_EQ(page.text, std::string("Einzelwert - Berechnung: \r\n06.12.2026 15:30:00\r\n\r\n") +
                           "Velmora\r\n" + kCopyrightLine);
  EXPECT_EQ(page.pointer, kWait);
  EXPECT_EQ(page.doEventsBefore, 1) << "repainted without the buttons before the image";
  EXPECT_EQ(page.result, dialog.Label3.caption);
  EXPECT_NE(page.result, "");

  EXPECT_EQ(Look(dialog), before) << "the dialog looks as before, results untouched";
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.pointerHistory, (Pointers{kWait, kArrow}));
  EXPECT_EQ(platform.doEventsCalls, 2);
}

TEST_F(PrintDialog, ResultsEmptiedByAChangedInputArePrintedEmpty) {
  PressOk();
  ASSERT_NE(dialog.Label3.caption, "");
  Retype(dialog.Text7, "7,05");
  dialog.PrintButton_Click();
  ASSERT_TRUE(page.taken);
  EXPECT_EQ(page.result, "");
}

TEST_F(PrintDialog, EveryPrintTakesTheTimeOfItsOwnMoment) {
  const char* const moments[] = {"06.12.2026 15:30:00", "07.12.2026 08:01:59"};
  for (const char* moment : moments) {
    SCOPED_TRACE(moment);
    platform.now = moment;
    dialog.PrintButton_Click();
    EXPECT_EQ(page.text.substr(0, page.text.find("\r\n\r\n")),
              std::string("Einzelwert - Berechnung: \r\n") + moment);
  }
}

struct FailureRow {
  const char* name;
  int answer;              // to the failure box
  const char* error;       // the printer's description
  const char* printer;     // its name
  const char* shownText;   // the failure box's text
  const char* shownTitle;  // and title
  Pointers pointers;
  int doEvents;
};

class PrintFailure : public PrintDialog, public testing::WithParamInterface<FailureRow> {};

TEST_P(PrintFailure, RestoresTheDialogWhateverTheAnswer) {
  const FailureRow& row = GetParam();
  PressOk();
  const std::vector<std::string> before = Look(dialog);
  platform.printerName = row.printer;
  platform.printOutcomes = {{false, row.error}};
  platform.messageAnswers = {kIdOk, row.answer};
  ForgetSoFar();
  dialog.PrintButton_Click();

  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text, row.shownText);
  EXPECT_EQ(platform.messages[1].title, row.shownTitle);
  EXPECT_EQ(platform.messages[1].style, kMbOkCancel | kMbExclamation);
  EXPECT_EQ(platform.printedForms.size(), 1u) << "a failed print is not repeated";
  EXPECT_EQ(Look(dialog), before) << "buttons back, text block hidden";
  EXPECT_EQ(platform.mousePointer, kArrow);
  EXPECT_EQ(platform.pointerHistory, row.pointers);
  EXPECT_EQ(platform.doEventsCalls, row.doEvents);
}

INSTANTIATE_TEST_SUITE_P(Answers, PrintFailure,
                         testing::Values(FailureRow{"ok_goes_on",
                                                    kIdOk,
                                                    "Es ist kein Standard-Drucker eingerichtet.",
                                                    "Laser",
                                                    "Es ist kein Standard-Drucker eingerichtet.",
                                                    "Drucker-Fehler Laser",
                                                    {kWait, kArrow, kWait, kArrow},
                                                    3},
                                         FailureRow{"cancel_ends",
                                                    kIdCancel,
                                                    "Papierstau",
                                                    "Laser",
                                                    "Papierstau",
                                                    "Drucker-Fehler Laser",
                                                    {kWait, kArrow},
                                                    1},
                                         FailureRow{"no_printer_name",
                                                    kIdOk,
                                                    "Papierstau",
                                                    "",
                                                    "Papierstau",
                                                    "Drucker-Fehler ",
                                                    {kWait, kArrow, kWait, kArrow},
                                                    3},
                                         FailureRow{"no_description",
                                                    kIdCancel,
                                                    "",
                                                    "Laser",
                                                    "Der Ausdruck ist fehlgeschlagen.",
                                                    "Drucker-Fehler Laser",
                                                    {kWait, kArrow},
                                                    1}),
                         [](const testing::TestParamInfo<FailureRow>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(PrintDialog, PrintingAgainAfterAFailureWorks) {
  platform.printOutcomes = {{false, "Papierstau"}};
  platform.messageAnswers = {kIdOk, kIdCancel, kIdOk};
  dialog.PrintButton_Click();
  page = {};
  dialog.PrintButton_Click();
  EXPECT_EQ(platform.printedForms.size(), 2u);
  EXPECT_TRUE(page.textShown);
  EXPECT_FALSE(dialog.lbDrucktext.visible);
  EXPECT_TRUE(dialog.PrintButton.visible);
}

}  // namespace
}  // namespace velmora
