// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the single-value dialog: the question first, the text block in place of the buttons
// while the printer takes the image, and the dialog's normal look afterwards in every outcome.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/version.h"
#include "tests/single/session.h"

namespace velmora {
namespace {

// Every control shown or not, and the results: what a print must leave as it found it.
std::vector<std::string> Look(const FrmEinzelEingabe& dialog) {
  std::vector<std::string> look;
  for (const ControlEntry& ref : dialog.Controls()) {
    look.push_back(ref.control->name + (dialog.IsShown(*ref.control) ? " shown" : " hidden"));
  }
  for (const Label* result : {&dialog.Label3, &dialog.Label13, &dialog.Label5}) {
    look.push_back(result->name + "=" + result->caption);
  }
  return look;
}

// The mouse pointer's changes as letters: H hourglass, D default.
std::string Pointers(const std::vector<MousePointer>& history) {
  std::string letters;
  for (MousePointer p : history) letters += p == MousePointer::kHourglass ? 'H' : 'D';
  return letters;
}

class PrintDialog : public DialogSession {
 protected:
  void SetUp() override {
    Open();
    PressOk();
    platform.onPrintForm = [this](Form&) {
      pageText = dialog.IsShown(dialog.lbDrucktext) ? dialog.lbDrucktext.caption : "(hidden)";
      buttonsOnPage = dialog.IsShown(dialog.OKButton) || dialog.IsShown(dialog.CancelButton) ||
                      dialog.IsShown(dialog.PrintButton);
      pointerOnPage = platform.mousePointer;
      doEventsBeforePage = platform.doEventsCalls;
    };
    before = Look(dialog);
    // Opening and the calculation are not the print's doing.
    platform.doEventsCalls = 0;
    platform.pointerHistory.clear();
  }
  std::vector<std::string> before;
  std::string pageText;
  bool buttonsOnPage = true;
  MousePointer pointerOnPage = MousePointer::kDefault;
  int doEventsBeforePage = 0;
};

TEST_F(PrintDialog, PageShowsTheTextBlockInsteadOfTheButtons) {
  platform.now = "07.12.2026 08:01:59";
  dialog.PrintButton_Click();
  EXPECT_EQ(platform.printedForms, std::vector<std::string>{"frmEinzel_Eingabe"});
  EXPECT_EQ(pageText, std::string("Einzelwert - Berechnung: \r\n07.12.2026 08:01:59\r\n\r\n") +
                          "Velmora\r\n" + kCopyrightLine);
  EXPECT_FALSE(buttonsOnPage);
  EXPECT_EQ(pointerOnPage, MousePointer::kHourglass);
  EXPECT_EQ(doEventsBeforePage, 1) << "repainted without the buttons before the image";
  EXPECT_EQ(Look(dialog), before) << "buttons back, text block hidden, results untouched";
  EXPECT_EQ(Pointers(platform.pointerHistory), "HD");
  EXPECT_EQ(platform.doEventsCalls, 2);
}

TEST_F(PrintDialog, CancelOnTheQuestionPrintsNothing) {
  platform.messageAnswers = {kIdCancel};
  dialog.PrintButton_Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Drucker bereit?");
  EXPECT_TRUE(platform.printedForms.empty());
  EXPECT_EQ(Look(dialog), before);
  EXPECT_EQ(Pointers(platform.pointerHistory), "");
}

TEST_F(PrintDialog, FailureBoxThenTheDialogsNormalLookWhateverTheAnswer) {
  const std::tuple<int, const char*, int> rows[] = {{kIdOk, "HDHD", 3}, {kIdCancel, "HD", 1}};
  for (const auto& [answer, pointers, doEvents] : rows) {
    SCOPED_TRACE(pointers);
    platform.messages.clear();
    platform.printedForms.clear();
    platform.pointerHistory.clear();
    platform.doEventsCalls = 0;
    platform.printerName = "Laser";
    platform.printOutcomes = {{false, "Papierstau"}};
    platform.messageAnswers = {kIdOk, answer};
    dialog.PrintButton_Click();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "Papierstau");
    EXPECT_EQ(platform.messages[1].title, "Drucker-Fehler Laser");
    EXPECT_EQ(platform.messages[1].style, kMbOkCancel | kMbExclamation);
    EXPECT_EQ(platform.printedForms.size(), 1u) << "a failed print is not repeated";
    EXPECT_EQ(Look(dialog), before);
    EXPECT_EQ(Pointers(platform.pointerHistory), pointers);
    EXPECT_EQ(platform.doEventsCalls, doEvents);
  }
}

}  // namespace
}  // namespace velmora
