// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frm_about.h"

#include "formulas/line_break.h"
#include "platform/version.h"

namespace velmora {

FrmAbout::FrmAbout() : Form("frmAbout") {
  ResetToDesign();
}

void FrmAbout::ResetToDesign() {
  caption = kCaption;
  Tag.clear();
  lblTitle.caption.clear();
  lblVersion.caption.clear();
  lblDescription.caption = kDescriptionDesign;
  Label1.caption = "Achtung:";
  lblDisclaimer.caption = kDisclaimer;
  cmdOK.caption = "OK";
  cmdOK.isDefault = true;
  cmdOK.isCancel = true;
}

std::string VersionText() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

void FrmAbout::Form_Load() {
  ResetToDesign();
  loaded = true;
  lblVersion.caption = VersionText();
  lblTitle.caption = std::string(kProductName) + kLineBreak + kCopyrightLine;
  lblDescription.caption =
      std::string(kFreewareLine) + kLineBreak + kLineBreak + "Anwendung: " + lblDescription.caption;
}

void FrmAbout::cmdOK_Click() {
  Unload();
}

void FrmAbout::Unload() {
  Hide();
  loaded = false;
}

}  // namespace velmora
