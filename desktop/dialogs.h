// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt dialogs of the program, each built from its form model's control table.
#pragma once

#include <memory>

#include "desktop/nec_searches.h"

class QWidget;

namespace velmora {
namespace band {
class FrmBand;
}
class FrmEinzelEingabe;
class FrmEingabe;
class FrmNecVergleich;
}  // namespace velmora

namespace velmora::qt {

class QtPlatform;
class FormDialog;

// "Eingabe für Berechnung": controls at the model's twips positions.
std::unique_ptr<FormDialog> MakeSingleValueDialog(QtPlatform& platform, FrmEinzelEingabe& form,
                                                  QWidget* parent);
// "Eingabe für Kurvenberechnung": the three frames, focus order as the model gives it.
std::unique_ptr<FormDialog> MakeCurveDialog(QtPlatform& platform, FrmEingabe& form,
                                            QWidget* parent);
// "NEC-2-Vergleich", with the search the model asks for on one worker.
std::unique_ptr<FormDialog> MakeNecDialog(QtPlatform& platform, FrmNecVergleich& form,
                                          NecRunnerSource runner, QWidget* parent);
// "Dipol für ein Band", beside the main window, with its NEC-2 side on a worker.
std::unique_ptr<FormDialog> MakeBandDialog(QtPlatform& platform, band::FrmBand& form,
                                           NecRunnerSource runner, QWidget* parent);

}  // namespace velmora::qt
