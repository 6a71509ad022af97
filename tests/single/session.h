// SPDX-License-Identifier: GPL-3.0-or-later
// A user session with the single-value dialog on the recording platform: open it as the
// single-value command does, pick a choice, type into boxes key by key, press the buttons.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "headless/headless_platform.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora {

class DialogSession : public testing::Test {
 protected:
  // The status text the single-value command leaves while the dialog is open.
  static constexpr const char* kOpenStatus = "Einzel-Wert-Berechnung";

  void Open() {
    platform.SetStatusText(kOpenStatus);
    dialog.Load();
    dialog.Form_Activate();
  }
  void Choose(const std::string& choice) {
    dialog.Combo1.text = choice;
    dialog.Combo1_Click();
  }
  // Types at the end of the box's text.
  TypingResult TypeInto(TextBox& box, std::string_view text) { return dialog.TypeText(box, text); }
  // Selects the box's whole text and types over it; an empty text deletes it, and the key
  // release of the Delete key runs as for any other key.
  TypingResult Retype(TextBox& box, std::string_view text) {
    if (!text.empty()) return dialog.TypeText(box, text, TypingMode::kReplace);
    dialog.DeleteText(box);
    return {};
  }
  // Retypes boxes given as "Text6=12 Text8=" (an empty value deletes), in this order.
  void RetypeAll(const std::string& inputs) {
    std::istringstream in(inputs);
    for (std::string input; in >> input;) {
      const std::string name = input.substr(0, input.find('='));
      for (TextBox* box : {&dialog.Text1, &dialog.Text2, &dialog.Text6, &dialog.Text7,
                           &dialog.Text8, &dialog.Text9}) {
        if (box->name == name) Retype(*box, input.substr(name.size() + 1));
      }
    }
  }
  void PressOk() { dialog.OKButton_Click(); }

  HeadlessPlatform platform;
  FrmEinzelEingabe dialog{platform};
};

}  // namespace velmora
