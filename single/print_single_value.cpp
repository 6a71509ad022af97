// SPDX-License-Identifier: GPL-3.0-or-later
// The print button of the single-value dialog: the printout is the dialog's own image, with a
// short text block (title, date and time, program name and notice) where the buttons stand.
#include "formulas/line_break.h"
#include "platform/version.h"
#include "single/frm_einzel_eingabe.h"

namespace velmora {

std::string FrmEinzelEingabe::PrintText() const {
  return std::string("Einzelwert - Berechnung: ") + kLineBreak + platform_.NowGeneralDateTime() +
         kLineBreak + kLineBreak + kProductName + kLineBreak + kCopyrightLine;
}

void FrmEinzelEingabe::EndPrintLook() {
  CancelButton.visible = true;
  OKButton.visible = true;
  PrintButton.visible = true;
  lbDrucktext.visible = false;
}

void FrmEinzelEingabe::PrintButton_Click() {
  if (platform_.MessageBox("Drucker bereit?", "Drucker ", kMbOkCancel | kMbCritical) != kIdOk) {
    return;
  }
  lbDrucktext.caption = PrintText();
  lbDrucktext.visible = true;
  CancelButton.visible = false;
  OKButton.visible = false;
  PrintButton.visible = false;
  platform_.SetMousePointer(MousePointer::kHourglass);
  // The dialog must be repainted without its buttons before its image is taken.
  platform_.DoEvents();

  const PrintOutcome outcome = platform_.PrintForm(*this);
  if (!outcome.ok) {
    const std::string printer = platform_.PrinterName();
    platform_.SetMousePointer(MousePointer::kDefault);
    const std::string description = outcome.Description();
    if (platform_.MessageBox(description, "Drucker-Fehler " + printer,
                             kMbOkCancel | kMbExclamation) != kIdOk) {
      EndPrintLook();
      return;
    }
    platform_.SetMousePointer(MousePointer::kHourglass);
    platform_.DoEvents();
  }

  EndPrintLook();
  platform_.DoEvents();
  platform_.SetMousePointer(MousePointer::kDefault);
}

}  // namespace velmora
