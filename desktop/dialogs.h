// The Qt dialogs of the program, each bound to its form model.
#pragma once

#include <memory>

class QWidget;

namespace velmora {
class FrmEinzelEingabe;
class FrmEingabe;
class FrmAbout;
}  // namespace velmora

namespace velmora::qt {

class QtPlatform;
class FormDialog;
class AboutDialog;

// "Eingabe für Berechnung": controls at the model's twips positions.
std::unique_ptr<FormDialog> MakeSingleValueDialog(QtPlatform& platform, FrmEinzelEingabe& form,
                                                  QWidget* parent);
// "Eingabe für Kurvenberechnung": the three frames, focus order as the model gives it.
std::unique_ptr<FormDialog> MakeCurveDialog(QtPlatform& platform, FrmEingabe& form,
                                            QWidget* parent);

}  // namespace velmora::qt
