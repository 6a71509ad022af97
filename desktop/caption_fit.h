// SPDX-License-Identifier: GPL-3.0-or-later
// Captions of the dialogs built from control tables, fitted to the places the tables give them.
#pragma once

class QFont;
class QLabel;

namespace velmora::qt {

// A caption that would wrap just short of one line is set a little smaller, and if need be a
// little narrower, and stays on one line; one that needs much more room wraps onto the second
// line its place has.
void FitOnOneLine(QLabel& label, const QFont& dialogFont);

}  // namespace velmora::qt
