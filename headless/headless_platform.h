// SPDX-License-Identifier: GPL-3.0-or-later
// A headless, recording platform: the test double, and the platform of the command-line
// companion. Tests read like a user session: they script the
// answers of message boxes, the user's actions inside modal dialogs and printer failures, and
// check the beeps, messages, focus and status text the user would have seen.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velmora {

struct RecordedMessage {
  std::string text;
  std::string title;
  int style = 0;
  int answer = kIdOk;
};

class HeadlessPlatform : public Platform {
 public:
  // --- what the tests script ---
  std::deque<int> messageAnswers;  // answers for the next message boxes; kIdOk when empty
  // Runs as the "user" while a form is shown modally; it must hide the form (OK, Cancel...).
  // Keyed by form name; a form without a script is hidden at once.
  std::map<std::string, std::function<void(Form&)>> modalScripts;
  std::deque<PrintOutcome> printOutcomes;    // next print results; success when empty
  std::deque<ExportOutcome> exportOutcomes;  // next export results; written when empty
  std::string printerName = "Testdrucker";
  std::string now = "06.12.2026 15:30:00";
  char decimalSeparator = ',';
  std::function<void()> onDoEvents;  // lets a test run an event at a re-entrancy point
  // Runs as the printer takes the form's image: a test reads there what the page shows.
  std::function<void(Form&)> onPrintForm;

  // --- what the tests read ---
  int beeps = 0;
  int doEventsCalls = 0;
  std::vector<RecordedMessage> messages;
  std::string focus;  // name of the control that got the focus last, empty if none
  std::vector<std::string> focusHistory;
  std::string statusText;
  std::vector<std::string> statusHistory;
  MousePointer mousePointer = MousePointer::kDefault;
  std::vector<MousePointer> pointerHistory;
  std::vector<std::string> printedForms;
  std::vector<CurveOutput> exports;
  std::vector<FileOutput> saved;  // files saved; their outcomes come from exportOutcomes too
  std::vector<CurveOutput> copies;
  std::vector<std::string> modalShown;
  std::vector<std::string> shown;               // forms shown beside the others, in order
  std::map<std::string, std::string> settings;  // "app/section/key" -> value

  void Beep() override { ++beeps; }
  void DoEvents() override {
    ++doEventsCalls;
    if (onDoEvents) onDoEvents();
  }
  int MessageBox(const std::string& text, const std::string& title, int style) override;
  std::string StatusText() override { return statusText; }
  void SetStatusText(const std::string& text) override {
    statusText = text;
    statusHistory.push_back(text);
  }
  char DecimalSeparator() override { return decimalSeparator; }
  std::string NowGeneralDateTime() override { return now; }
  void SetMousePointer(MousePointer pointer) override {
    mousePointer = pointer;
    pointerHistory.push_back(pointer);
  }
  void SetFocus(const Control& control) override;
  void ShowModal(Form& form) override;
  ExportOutcome SaveFile(const FileOutput& file) override;
  // The scripted answers of OpenFile, first first; none left: cancelled.
  std::deque<std::optional<std::string>> openAnswers;
  std::optional<std::string> OpenFile(const std::string& /*title*/,
                                      const std::string& /*filter*/) override {
    if (openAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
  }
  // Records the form as shown and leaves it visible: a window beside the others.
  void Show(Form& form) override;
  PrintOutcome PrintForm(Form& form) override;
  std::string PrinterName() override { return printerName; }
  ExportOutcome ExportCurve(const CurveOutput& curve) override;
  void CopyCurve(const CurveOutput& curve) override { copies.push_back(curve); }
  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& fallback) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace velmora
