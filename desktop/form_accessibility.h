// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of the dialogs built from control tables: the names of their
// controls, and result labels that read out their values.
#pragma once

#include <QString>
#include <vector>

#include "desktop/form_widgets.h"

class QLabel;
class QWidget;

namespace velmora::qt {

// Once per program, before a screen reader first asks: result labels read out their values.
void InstallResultLabelAccessibility();
// A label NameControls() found to show a result beside its caption.
bool IsResultLabel(const QWidget& widget);
// A result label with a name of its own tells nobody of a new text by itself.
void AnnounceNewText(QLabel& label, const QString& before, const QString& after);
// Each box, choice box and result label is named by the caption label in its row: a label of the
// same container, left of it, whose height overlaps it most. A label with a caption beside it
// is a result ("Ergebnis: Vf-Gesamt"). Without a caption the tool tip names it; the frame
// around it describes a control that has no tool tip.
void NameControls(std::vector<NamedRow>& rows);

}  // namespace velmora::qt
