// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout: the info box with the program's name, version, copyright line, a short description
// and the legal warning. Shown modally from the main window; cmdOK unloads it.
#pragma once

#include <string>

#include "platform/controls.h"

namespace velmora {

class FrmAbout : public Form {
 public:
  // The texts the box holds before Form_Load runs.
  static constexpr const char* kCaption = "Info Velmora";
  static constexpr const char* kDescriptionDesign =
      "Das Programm dient zur Berechnung einzelner Antennen-Parameter und zur grafischen "
      "Darstellung von Antennen-Parameter-Kurven in verschiedenen Abhängigkeiten.";
  static constexpr const char* kFreewareLine = "Freeware für Amateurfunk-Anwendungen.";
  static constexpr const char* kDisclaimer =
      "Dieses Programm ist urheberrechtlich geschützt. Wer die Software oder Teile davon "
      "verändert, macht sich strafbar.";

  FrmAbout();

  Control picIcon{"picIcon"};
  Label lblTitle{"lblTitle"};
  Label lblVersion{"lblVersion"};
  Label lblDescription{"lblDescription"};
  Label Label1{"Label1"};
  Label lblDisclaimer{"lblDisclaimer"};
  Control Line1{"Line1"};
  CommandButton cmdOK{"cmdOK"};

  // Loads the window from its design texts, then fills title, version and description.
  void Form_Load();
  // Unloads the box: it is hidden and the next opening starts from the design texts again.
  void cmdOK_Click();
  void Unload();

 private:
  void ResetToDesign();
};

// "Version 1.0.2": major, minor and revision joined by ".".
std::string VersionText();

}  // namespace velmora
