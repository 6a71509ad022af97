// SPDX-License-Identifier: GPL-3.0-or-later
// Where the controls of a dialog built from its control table go: the model's twips at the
// screen's logical resolution, the dialog's size around them, and the focus order.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "desktop/form_widgets.h"

namespace velmora {
struct Control;
}

namespace velmora::qt {

QRect PixelRect(const Control& control, double dpi);
// The form's own controls (not those inside a frame) with a margin right and below.
QSize ClientSize(const std::vector<NamedRow>& rows, double dpi);
// Boxes, choice boxes, check boxes and buttons in the order of their tab indexes.
void ApplyTabOrder(const std::vector<NamedRow>& rows);

}  // namespace velmora::qt
