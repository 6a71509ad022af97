// SPDX-License-Identifier: GPL-3.0-or-later
#include "headless/headless_platform.h"

#include "platform/controls.h"

namespace velmora {

int HeadlessPlatform::MessageBox(const std::string& text, const std::string& title, int style) {
  int answer = kIdOk;
  if (!messageAnswers.empty()) {
    answer = messageAnswers.front();
    messageAnswers.pop_front();
  }
  messages.push_back({text, title, style, answer});
  return answer;
}

void HeadlessPlatform::SetFocus(const Control& control) {
  focus = control.name;
  focusHistory.push_back(control.name);
}

void HeadlessPlatform::ShowModal(Form& form) {
  modalShown.push_back(form.name);
  form.visible = true;
  auto script = modalScripts.find(form.name);
  if (script != modalScripts.end() && script->second) script->second(form);
  form.visible = false;
}

void HeadlessPlatform::Show(Form& form) {
  shown.push_back(form.name);
  form.visible = true;
}

ExportOutcome HeadlessPlatform::SaveFile(const FileOutput& file) {
  saved.push_back(file);
  if (exportOutcomes.empty()) return {};
  ExportOutcome outcome = exportOutcomes.front();
  exportOutcomes.pop_front();
  return outcome;
}

PrintOutcome HeadlessPlatform::PrintForm(Form& form) {
  printedForms.push_back(form.name);
  if (onPrintForm) onPrintForm(form);
  if (printOutcomes.empty()) return {};
  PrintOutcome outcome = printOutcomes.front();
  printOutcomes.pop_front();
  return outcome;
}

ExportOutcome HeadlessPlatform::ExportCurve(const CurveOutput& curve) {
  exports.push_back(curve);
  if (exportOutcomes.empty()) return {};
  ExportOutcome outcome = exportOutcomes.front();
  exportOutcomes.pop_front();
  return outcome;
}

std::string HeadlessPlatform::GetSetting(const std::string& app, const std::string& section,
                                         const std::string& key, const std::string& fallback) {
  auto it = settings.find(app + "/" + section + "/" + key);
  return it == settings.end() ? fallback : it->second;
}

void HeadlessPlatform::SaveSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& value) {
  settings[app + "/" + section + "/" + key] = value;
}

}  // namespace velmora
