// SPDX-License-Identifier: GPL-3.0-or-later
// The widget factory of the dialogs built from control tables: one widget per row, with the
// look the row gives it, not yet connected to anything.
#pragma once

class QFont;
class QWidget;

namespace velmora {
struct ControlEntry;
}

namespace velmora::qt {

// A row of a control table and the widget made for it.
struct NamedRow {
  const ControlEntry* entry;
  QWidget* widget;  // nullptr for a row without one (a timer)
};

// The dialog's controls were laid out for a small font; at this size every caption fits its
// place (wrapping onto a second line where the place is two lines high).
inline constexpr double kDialogPointSize = 7.5;

// A timer row has no widget: nullptr. `editingFinishing` is set while an editable choice box's
// own line edit finishes editing (Qt then "activates" a matching item, which is no pick).
QWidget* MakeControlWidget(const ControlEntry& entry, QWidget* parent, const QFont& dialogFont,
                           bool& editingFinishing);

}  // namespace velmora::qt
